#include "demo/DemoVocabulary.h"

#include <array>

namespace orv::demo {

namespace {

constexpr std::array<std::string_view, 32> kClientNames{
    "Aarav Shah",     "Priya Iyer",    "Rohan Mehta",  "Ananya Gupta",        "Vikram Rao",     "Sneha Kulkarni",
    "Arjun Nair",     "Kavya Reddy",   "Rahul Verma",  "Isha Banerjee",       "Karan Malhotra", "Meera Pillai",
    "Siddharth Jain", "Pooja Desai",   "Aditya Joshi", "Neha Chatterjee",     "Manish Agarwal", "Divya Menon",
    "Suresh Patel",   "Ritu Saxena",   "Amit Khanna",  "Lakshmi Subramanian", "Nikhil Bhatt",   "Shreya Kapoor",
    "Gaurav Sinha",   "Anjali Mishra", "Harsh Vora",   "Tanvi Hegde",         "Deepak Chawla",  "Ayesha Qureshi",
    "Sanjay Thakur",  "Nandini Bose",
};

constexpr std::array<std::string_view, 8> kStrategies{
    "VWAP", "TWAP", "Straddle", "IronFly", "PairArb", "Momentum", "CalendarRoll", "DeltaHedge",
};

constexpr std::array<std::string_view, 10> kRemarks{
    "", "", "", "", "Hedge", "Client call", "Rollover", "Arbitrage", "Basket order", "Square off",
};

constexpr std::array<std::string_view, 7> kMisc{"", "", "", "", "DESK-A", "DESK-B", "HNI"};

constexpr std::array<RejectionText, 7> kRejections{{
    {16388, "RMS: Margin exceeds available limit", true},
    {16421, "RMS: Client is blocked for trading", true},
    {16283, "RMS: Quantity exceeds the freeze limit", true},
    {16419, "Price out of the circuit range", false},
    {16273, "Security is not allowed to trade in this market", false},
    {17070, "Order price is beyond the price protection range", false},
    {16387, "Order rejected by the exchange: market closed", false},
}};

}  // namespace

std::vector<std::string> DemoVocabulary::DefaultDealers() { return {"DLR001", "DLR002", "DLR003", "DLR004", "DLR005"}; }

std::vector<std::string> DemoVocabulary::DefaultClients() {
  std::vector<std::string> clients;
  clients.reserve(40);
  for (int i = 1; i <= 40; ++i) clients.push_back("CL" + std::to_string(1000 + i * 7));
  return clients;
}

std::uint64_t DemoVocabulary::Hash(std::string_view text) {
  std::uint64_t h = 0xCBF29CE484222325ull;
  for (char c : text) {
    h ^= static_cast<unsigned char>(c);
    h *= 0x100000001B3ull;
  }
  return h;
}

std::string_view DemoVocabulary::ClientName(std::string_view client) {
  return kClientNames[Hash(client) % kClientNames.size()];
}

void DemoVocabulary::ClientPan(std::string_view client, char (&out)[12]) {
  std::uint64_t h = Hash(client);
  auto letter = [&h] {
    const char c = static_cast<char>('A' + h % 26);
    h /= 26;
    return c;
  };
  out[0] = letter();
  out[1] = letter();
  out[2] = letter();
  out[3] = 'P';
  out[4] = letter();
  for (int i = 5; i < 9; ++i) {
    out[i] = static_cast<char>('0' + h % 10);
    h /= 10;
  }
  out[9] = letter();
  out[10] = '\0';
  out[11] = '\0';
}

std::string_view DemoVocabulary::ProductText(std::int16_t code) {
  switch (code) {
    case 1:
      return "NRML";
    case 2:
      return "MIS";
    case 3:
      return "CNC";
    case 4:
      return "MTF";
    default:
      return "";
  }
}

std::string_view DemoVocabulary::ExchangeStatusWord(OrderStatusIdentifier status, bool partlyTraded) {
  switch (status) {
    case eUnConfirmed:
      return "Sent";
    case ePending:
      return partlyTraded ? "Part Traded" : "Open";
    case eCancelled:
      return "Cancelled";
    case eRejected:
      return "Rejected";
    case eAMOUnconfirmed:
      return "AMO Sent";
    case eCompleted:
      return "Traded";
  }
  return "";
}

std::string_view DemoVocabulary::GtdStatusWord(OrderStatusIdentifier status, bool gtt) {
  switch (status) {
    case eUnConfirmed:
    case eAMOUnconfirmed:
      return "Requested";
    case ePending:
      return gtt ? "Trigger Pending" : "Open";
    case eCancelled:
      return "Cancelled";
    case eRejected:
      return "Rejected";
    case eCompleted:
      return gtt ? "Triggered" : "Completed";
  }
  return "";
}

std::span<const std::string_view> DemoVocabulary::Strategies() { return kStrategies; }
std::span<const std::string_view> DemoVocabulary::Remarks() { return kRemarks; }
std::span<const std::string_view> DemoVocabulary::MiscTexts() { return kMisc; }
std::span<const RejectionText> DemoVocabulary::Rejections() { return kRejections; }

}  // namespace orv::demo
