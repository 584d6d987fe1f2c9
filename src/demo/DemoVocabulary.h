#pragma once
// The words of the demo books: default dealers and clients, client names and PANs, strategy
// names, remarks and rejection texts. Every choice is a pure function of its input, so a client
// has the same name and PAN in every book.
#include "host/records/OrderBookDetails.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orv::demo {

struct RejectionText {
  std::int32_t reason;
  std::string_view text;
  bool byRms;  // refused before it reached the exchange: no exchange order number
};

class DemoVocabulary final {
 public:
  static std::vector<std::string> DefaultDealers();
  static std::vector<std::string> DefaultClients();

  // A stable 64-bit hash of a text (FNV-1a), the same on every platform.
  static std::uint64_t Hash(std::string_view text);
  static std::string_view ClientName(std::string_view client);
  // "ABCPD1234E": five letters (the fourth 'P', a person), four digits and a letter.
  static void ClientPan(std::string_view client, char (&out)[12]);

  // Product type codes as the record cache names them: 1 "NRML", 2 "MIS", 3 "CNC", 4 "MTF".
  static std::string_view ProductText(std::int16_t code);
  // The exchange's own word for an order's state (the Status column).
  static std::string_view ExchangeStatusWord(OrderStatusIdentifier status, bool partlyTraded);
  // The GTD book's word for an order's state; GTT orders wait for and report their trigger.
  static std::string_view GtdStatusWord(OrderStatusIdentifier status, bool gtt);

  static std::span<const std::string_view> Strategies();
  static std::span<const std::string_view> Remarks();
  static std::span<const std::string_view> MiscTexts();
  static std::span<const RejectionText> Rejections();
};

}  // namespace orv::demo
