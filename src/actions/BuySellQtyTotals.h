#pragma once
// The window-level buy and sell totals per contract token and the status bar panes written from
// them for the contract of a grid row. The module only clears the totals; a host that calls
// CalculateBuySellQty fills them through Entry().
#include "actions/ParkMillerTokenHash.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

class CBCGPGridRow;
class OrderBookWnd;
namespace orv::platform {
class StatusBar;
}

// One contract's totals as the host keeps them.
struct TokenTotals {
  std::int64_t lBuyQty = 0;
  std::int64_t lSellQty = 0;
  std::int32_t lLotSize = 1;
  double dBuyPrice = 0.0;
  double dSellPrice = 0.0;
  char cFormat[12] = "%.2f";  // a data text: only ever printed through a validated format
};

class BuySellQtyTotals final {
 public:
  using TotalsMap = std::unordered_map<std::int32_t, TokenTotals, ParkMillerTokenHash>;

  // The window's operation: totals of `token` for `row`, written to the window's status bar. Any
  // failure is logged through the window and leaves the panes as they were.
  void Calculate(OrderBookWnd& wnd, std::int32_t token, const CBCGPGridRow* row);
  // The same on a status bar. A row the host hands over is a row of its grid; null means none.
  // False when it did nothing: the token shown last, with no change to the totals since.
  bool Calculate(orv::platform::StatusBar& bar, std::int32_t token, const CBCGPGridRow* row);

  // --- The per-token totals. Every change marks the totals changed, so the next call recomputes
  // even for the token it showed last. ---
  TokenTotals& Entry(std::int32_t token);
  void Clear();
  const TotalsMap& Totals() const { return m_mapTotals; }

  // --- Window state the calculation reads and keeps. ---
  std::int32_t LastToken() const { return m_lLastToken; }
  bool IsChanged() const { return m_bChanged; }
  void MarkChanged() { m_bChanged = true; }
  // The token text the title totals are kept for; the scrip title is built only for it.
  const std::string& StoredToken() const { return m_strStoredToken; }
  void SetStoredToken(std::string_view token);
  long EntryCount() const { return m_lEntryCount; }
  void SetEntryCount(long count);
  const std::string& ScripTitle() const { return m_strScripTitle; }
  // The title totals: panes 4 to 9 summed over the entries of the stored token; with no totals
  // at all, "<No Scrip>" and zeros.
  void WriteTitleTotals(orv::platform::StatusBar& bar) const;

 private:
  void BuildScripTitle(const CBCGPGridRow& row);
  std::string_view CellText(const CBCGPGridRow& row, int column);
  void WriteFound(orv::platform::StatusBar& bar, const TokenTotals& totals) const;

  TotalsMap m_mapTotals;
  std::int32_t m_lLastToken = 0;
  bool m_bChanged = true;  // nothing has been shown yet
  std::string m_strStoredToken;
  long m_lEntryCount = 0;
  std::string m_strScripTitle;
  std::string m_strCell;  // reused for every cell read
};
