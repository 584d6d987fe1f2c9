#include "actions/BulkOrderFields.h"

#include "host/GlobalFunctions.h"
#include "host/RCGlobal.h"

#include <cstdio>

namespace {

constexpr std::array<std::string_view, BulkOrderFields::kFieldCount> kHeaderNames = {
    "Exch - MktSeg", "Instrument Name", "Code",           "Symbol",           "Series",
    "Expiry Date",   "Strike Price",    "Option Type",    "Scrip Name",       "Order Type",
    "Buy/Sell",      "Quantity",        "Price",          "Product Type",     "Pro/Client",
    "Client",        "Disclosed Quantity", "Settlor",     "Validity",         "Good Till Days",
    "Trigger Price", "ParticipantID",   "StrategyName",   "Open/Close",       "Cover/Uncover",
    "Misc.",         "Status",          "MF/AON",         "MF Quantity",      "Auction No.",
    "Sett. Days",    "Delv. Type",      "Trans Type",     "Mkt.Per Price",
};

constexpr int kNse = 1;
constexpr int kBse = 2;

// Exchanges the layout has a rule for; a market of any other exchange is logged twice.
bool IsKnownExchange(int exchange) {
  switch (exchange) {
    case 1: case 2: case 3: case 4: case 5: case 6: case 7: case 8:
    case 11: case 12: case 13: case 14: case 16: case 19: case 20:
      return true;
    default:
      return false;
  }
}

int ExchangeOf(std::int32_t token) { return token / 100000000; }
int SegmentOf(std::int32_t token) { return (token / 1000000) % 100; }

std::string PriceText(double value, const ScriptDesc* contract) {
  return contract ? GlobalFunctions::DoubleToString(value, contract->cPriceFormat)
                  : GlobalFunctions::DoubleToString(value, 2);
}

}  // namespace

std::string_view BulkOrderFields::HeaderName(int index) {
  return index >= 0 && index < kFieldCount ? kHeaderNames[static_cast<std::size_t>(index)] : std::string_view();
}

const std::string& BulkOrderFields::CsvHeader() {
  static const std::string header = [] {
    std::string text;
    for (std::string_view name : kHeaderNames) {
      if (!text.empty()) text += ',';
      text += name;
    }
    return text;
  }();
  return header;
}

std::string_view BulkOrderFields::MarketText(int exchange, int segment, std::string_view mktSeg) {
  const bool e = mktSeg == "E";
  const bool f = mktSeg == "F";
  const bool o = mktSeg == "O";
  const auto byLetter = [&](std::string_view te, std::string_view to, std::string_view tf) {
    return e ? te : o ? to : f ? tf : std::string_view();
  };
  switch (exchange) {
    case 1:
      if (segment == 1) return "NSE - E";
      if (segment == 2) return byLetter({}, "NSE - O", "NSE - F");
      if (segment == 5) return "NSE - SLBM";
      return {};
    case 2:
      if (segment == 1) return "BSE - E";
      if (segment == 2) return byLetter({}, "BSE - O", "BSE - F");
      return {};
    case 3:
      return segment == 3 ? (o ? "MCX - O" : "MCX - F") : std::string_view();
    case 4:
      return segment == 2 ? "NCDEX - F" : std::string_view();
    case 5:
      return byLetter("NSECUR - E", "NSECUR - O", "NSECUR - F");
    case 6:
      return segment == 2 ? "DGCX - F" : std::string_view();
    case 7:
      return byLetter("MSEICUR - E", "MSEICUR - O", "MSEICUR - F");
    case 8:
      return segment == 2 ? "USE - F" : std::string_view();
    case 11:
      return segment == 2 ? "CME - F" : std::string_view();
    case 12:
      if (segment == 1) return "MSEI - E";
      if (segment == 2) return "MSEI - F";
      return {};
    case 13:
      return byLetter("BSECUR - E", "BSECUR - O", "BSECUR - F");
    case 14:
      return "BINX";
    case 16:
      return "NINX";
    case 19:
      return segment == 3 ? (o ? "NSECOM - O" : "NSECOM - F") : std::string_view();
    case 20:
      return segment == 3 ? (o ? "BSECOM - O" : "BSECOM - F") : std::string_view();
    default:
      return {};
  }
}

void BulkOrderFields::Fill(const OrderBookDetails& record, const LogSink& log) {
  const ScriptDesc* contract = record.pContract;
  const int exchange = ExchangeOf(record.lOurToken);
  const int segment = SegmentOf(record.lOurToken);
  const std::string mktSeg = contract ? std::string(FieldView(contract->Mkt_Seg)) : std::string();

  for (std::string& text : m_text) text.clear();
  m_text[0] = MarketText(exchange, segment, mktSeg);
  if (m_text[0].empty() && log) {
    char line[96];
    std::snprintf(line, sizeof line, "Exchage:%d Mkt:%d MarketSeg:%s", exchange, segment, mktSeg.c_str());
    const int times = IsKnownExchange(exchange) ? 1 : 2;
    for (int i = 0; i < times; ++i) log(kUnknownMarketLog, line);
  }
  if (contract) {
    m_text[1] = FieldView(contract->Inst_Name);
    m_text[2] = FieldView(contract->Code);
    m_text[3] = FieldView(contract->Symbol_ScriptID);
    if (mktSeg == "E") m_text[4] = FieldView(contract->cSeries);
    else m_text[5] = FieldView(contract->cExpiry);
    m_text[6] = FieldView(contract->cStrike);
    m_text[7] = FieldView(contract->cOptionType);
    m_text[8] = FieldView(contract->cScripName);
  }
  m_text[9] = FieldView(record.Order_Type);
  m_text[10] = FieldView(record.B_S) == "BUY" ? "B" : "S";
  m_quantity = record.Pending_Qty;
  m_text[12] = PriceText(record.Price, contract);
  m_text[13] = FieldView(record.Prod_Type);
  m_text[14] = FieldView(record.Pro_Client);
  m_text[15] = FieldView(record.Client);
  m_disclosedQuantity = record.Disclose_Qty;
  m_text[17] = FieldView(record.Settlor);
  m_text[18] = FieldView(record.Validity);
  m_text[20] = PriceText(record.Trig_Price, contract);
  const bool equityCash = segment == 1 && (exchange == kNse || exchange == kBse);
  if (FieldView(record.Settlor) == "INST" && equityCash) {
    m_text[kParticipantId] =
        RCGlobal::GetClientParticipantID(exchange == kNse ? "NSE" : "BSE", "E", FieldView(record.Client));
  } else {
    m_text[kParticipantId] = FieldView(record.ParticipantID);
  }
  m_text[22] = FieldView(record.Strategy);
  m_text[23] = "O";
  m_text[24] = "U";
  m_text[25] = FieldView(record.Misc);
  m_text[26] = FieldView(record.Status);
  m_mfQuantity = record.MF_Qty;
  m_text[32] = FieldView(record.TransType);
}

const std::string& BulkOrderFields::Text(int index) const {
  static const std::string kEmpty;
  if (index < 0 || index >= kFieldCount) return kEmpty;
  return m_text[static_cast<std::size_t>(index)];
}

long BulkOrderFields::Number(int index) const {
  switch (index) {
    case kQuantity: return m_quantity;
    case kDisclosedQuantity: return m_disclosedQuantity;
    case kMfQuantity: return m_mfQuantity;
    default: return 0;
  }
}
