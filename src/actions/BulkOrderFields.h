#pragma once
// One order in the fixed 34-field layout of the host's bulk order entry, from which the terminal
// can place the order again: the field names, the market text of a token and the field values of
// a record.
#include "host/records/OrderBookDetails.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class BulkOrderFields final {
 public:
  static constexpr int kFieldCount = 34;
  // The three fields written as whole numbers; every other field is a text.
  static constexpr int kQuantity = 11;
  static constexpr int kDisclosedQuantity = 16;
  static constexpr int kMfQuantity = 28;
  static constexpr int kParticipantId = 21;
  // The log that hears about markets the layout has no text for.
  static constexpr const char* kUnknownMarketLog = "OnBulkOrderExcel.txt";

  // Receives one log line: the log's name and the text.
  using LogSink = std::function<void(const char* source, const std::string& text)>;

  // The field's column name in the bulk files; empty outside 0 to 33.
  static std::string_view HeaderName(int index);
  // The names joined by commas, as the comma-separated file's first line carries them (without
  // the line end).
  static const std::string& CsvHeader();

  // The "Exch - MktSeg" text of a market: exchange code and segment as a token encodes them, and
  // the contract's market-segment text ("E", "F", "O"). Empty when the layout has no text for it.
  static std::string_view MarketText(int exchange, int segment, std::string_view mktSeg);

  // Takes the fields from a record (and its contract, when it has one). A market without text
  // leaves field 0 empty and tells kUnknownMarketLog the exchange, segment and market-segment
  // text; twice for an exchange the layout does not know at all.
  void Fill(const OrderBookDetails& record, const LogSink& log);

  static bool IsNumber(int index) { return index == kQuantity || index == kDisclosedQuantity || index == kMfQuantity; }
  // A text field's value (empty for the number fields and outside the range).
  const std::string& Text(int index) const;
  // A number field's value (0 for the text fields).
  long Number(int index) const;

 private:
  std::array<std::string, kFieldCount> m_text;
  long m_quantity = 0;
  long m_disclosedQuantity = 0;
  long m_mfQuantity = 0;
};
