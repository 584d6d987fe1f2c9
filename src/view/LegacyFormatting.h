#pragma once
// The formatting operations a window exports for the host's older, non-virtual row-filling path:
// time and order-type texts, lot cells, traded quantities and bracket prices from the record
// cache, and a small key-to-order-type memory. The views' own rows never go through here.
#include "host/GridRow.h"
#include "host/HostLibraries.h"
#include "host/records/ScriptDesc.h"

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

class OrderBookWnd;

class LegacyFormatting final {
 public:
  // The transaction codes and strategy numbers under which the order table keeps a bracket
  // order's prices (its entry messages; the entry, stop-loss and target legs).
  static constexpr int kBracketOrderCodes[2] = {5520, 5521};
  static constexpr long kBracketStrategyNos[3] = {1, 2, 3};
  // Room the callers of GetTradedQty give its average-price text.
  static constexpr std::size_t kAveragePriceTextSize = 32;

  // `wnd` supplies the log writer and the logged-in dealer; it must outlive this object.
  explicit LegacyFormatting(const OrderBookWnd& wnd) : m_wnd(wnd) {}

  // Writes `time` as "hh:mm:ss Hrs" (24-hour setting) or "hh:mm:ss AM/PM" into the row's
  // Server_Entry_Time cell, split by the shared library's ConvertTime. A missing row, cell or
  // entry point, or a time the library cannot split, leaves the row alone and logs.
  void ConvertTimeAsPerSettings(CBCGPGridRow* row, long unused, long time, ConvertTimeFn convertTime) const;
  // Order type code -> "RL", "ST", "SL", ...; empty for an unknown code.
  static std::string_view GetOrderType(int type);
  // NSE SLBM order type: "LIMIT"/"MARKET" for type 1, "SL"/"SL-M" for type 3 (by price above 0).
  static std::string_view GetNSESLBMOrderType(int type, double price);
  // Writes Total_Lot, Pending_Lot and Traded_Lot of the row from the quantities and the token's
  // lot size in the contract master (the quantities themselves without a usable lot size).
  void DisplayQtyInLots(CBCGPGridRow* row, long token, long totalQty, long pendingQty, long tradedQty) const;
  // The summed fill quantity of an exchange order on a token, as a decimal text. When `avgOut` is
  // given and something filled, the average fill price goes there (at most avgSize bytes,
  // terminated) in the token's precision. Empty text when the trades cannot be read.
  std::string GetTradedQty(double orderNumber, long token, char* avgOut,
                           std::size_t avgSize = kAveragePriceTextSize) const;
  // Stop-loss, target and stop-loss trigger prices of a bracket order of the logged-in dealer;
  // false (outputs untouched) when the order table has no such order.
  bool getBracketOrderInfo(long iomRuleNo, long ourOrderNo, double& slPrice, double& targetPrice,
                           double& slTriggerPrice) const;
  // The key-to-order-type memory (0 normal, 1 spread) that the order-kind lookup reads first.
  void SetOrderTypeInfo(long key, short type) { m_orderTypeInfo[key] = type; }
  bool FindOrderTypeInfo(long key, short& type) const;
  // Kept for the host's link surface: changes nothing.
  static bool UpdateErrorDescription(char*, short, long, long, char*) { return true; }
  // Removes every `ch` from `text` in place. A null text, or ch == '\0', changes nothing; a text
  // of any length is handled (it only ever gets shorter).
  static void StringTrim(char* text, char ch);
  // Writes the token's contract cells of the row: symbol, code, exchange (from the token's
  // exchange index), series or expiry, instrument, market segment, strike and option type.
  // Nothing when the row is null or the contract master does not know the token.
  void SetContractInfoFromlOurToken(CBCGPGridRow* row, long token) const;
  // The contract cells of a row from a contract the caller holds; a non-empty `exchange` is
  // written as the exchange text instead of the one the token's exchange index gives.
  static void WriteContractCells(CBCGPGridRow& row, long token, const ScriptDesc& contract,
                                 std::string_view exchange);

 private:
  void Log(const std::string& text) const;

  const OrderBookWnd& m_wnd;
  std::map<long, short> m_orderTypeInfo;
};
