#include "actions/BuySellQtyTotals.h"

#include "actions/StatusPaneText.h"

#include "host/AppGlobal.h"
#include "host/GlobalFunctions.h"
#include "host/GridRow.h"
#include "host/platform/StatusBar.h"
#include "view/ColumnCatalogue.h"
#include "view/OrderBookWnd.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kSymbolPane = 3;
constexpr int kTotalEntriesPane = 10;

// Token-0 texts of panes 3 to 9; pane 10 keeps its text when nothing is found.
constexpr const char* kNotFoundTexts[] = {"<No Scrip>", "B.Qty:0", "B.Lot:0", "B.Val:0.00",
                                          "S.Qty:0",    "S.Lot:0", "S.Val:0.00"};

// A lot size of 0 would divide by zero: it gives no lots. A negative one counts as 1, as the
// grid's own totals count it.
std::int64_t Lots(std::int64_t qty, std::int32_t lotSize) {
  if (lotSize == 0) return 0;
  return lotSize < 0 ? qty : qty / lotSize;
}

using StatusPaneText::WriteCount;
using StatusPaneText::WriteValue;

}  // namespace

void BuySellQtyTotals::Calculate(OrderBookWnd& wnd, std::int32_t token, const CBCGPGridRow* row) {
  try {
    if (!Calculate(*wnd.GetStatusBar(), token, row)) return;
    WriteTitleTotals(*wnd.GetStatusBar());
  } catch (...) {
    wnd.LogException("CalculateBuySellQty");
  }
}

bool BuySellQtyTotals::Calculate(orv::platform::StatusBar& bar, std::int32_t token, const CBCGPGridRow* row) {
  if (token == m_lLastToken && !m_bChanged) return false;

  const TokenTotals* found = nullptr;
  if (row != nullptr) {
    char tokenText[16];
    std::snprintf(tokenText, sizeof tokenText, "%d", token);
    if (!AppGlobal::g_bGeneralSettings_HideTitlBarMktWatch && m_strStoredToken == tokenText) BuildScripTitle(*row);
    const auto it = m_mapTotals.find(token);
    if (it != m_mapTotals.end()) found = &it->second;
  }

  if (found != nullptr) {
    WriteFound(bar, *found);
  } else {
    for (int pane = kSymbolPane; pane < kTotalEntriesPane; ++pane)
      bar.SetPaneText(pane, kNotFoundTexts[pane - kSymbolPane], true);
  }
  m_lLastToken = token;
  m_bChanged = false;
  return true;
}

void BuySellQtyTotals::WriteFound(orv::platform::StatusBar& bar, const TokenTotals& totals) const {
  // The entry's format is copied so that a text filled to the brim still ends; DoubleToString
  // validates it before use.
  char format[sizeof totals.cFormat + 1];
  const std::size_t length = ::strnlen(totals.cFormat, sizeof totals.cFormat);
  std::memcpy(format, totals.cFormat, length);
  format[length] = '\0';

  WriteCount(bar, 4, "B.Qty: ", totals.lBuyQty);
  WriteCount(bar, 5, "B.Lot: ", Lots(totals.lBuyQty, totals.lLotSize));
  WriteValue(bar, 6, "B.Val: ", static_cast<double>(totals.lBuyQty) * totals.dBuyPrice, format);
  WriteCount(bar, 7, "S.Qty: ", totals.lSellQty);
  WriteCount(bar, 8, "S.Lot: ", Lots(totals.lSellQty, totals.lLotSize));
  WriteValue(bar, 9, "S.Val: ", static_cast<double>(totals.lSellQty) * totals.dSellPrice, format);
  WriteCount(bar, kTotalEntriesPane, "TotalEntries: ", m_lEntryCount);
}

std::string_view BuySellQtyTotals::CellText(const CBCGPGridRow& row, int column) {
  const CBCGPGridItem* item = row.GetItem(column);
  if (item == nullptr) return {};
  item->GetValue().ToText(m_strCell);
  return m_strCell;
}

// Only futures and options get a title; any other segment leaves it empty.
void BuySellQtyTotals::BuildScripTitle(const CBCGPGridRow& row) {
  const std::string_view segment = CellText(row, COL_Mkt_Seg);
  const bool option = segment == "O";
  const bool future = segment == "F";
  m_strScripTitle.clear();
  if (!option && !future) return;
  m_strScripTitle += CellText(row, COL_Symbol_ScriptID);
  m_strScripTitle += '-';
  m_strScripTitle += CellText(row, COL_Ser_Exp_Group);
  if (option) {
    m_strScripTitle += '-';
    m_strScripTitle += CellText(row, COL_Strike);
    m_strScripTitle += '-';
    m_strScripTitle += CellText(row, COL_Option_Type);
  }
}

TokenTotals& BuySellQtyTotals::Entry(std::int32_t token) {
  m_bChanged = true;
  return m_mapTotals[token];
}

void BuySellQtyTotals::Clear() {
  m_mapTotals.clear();
  m_bChanged = true;
}

void BuySellQtyTotals::SetStoredToken(std::string_view token) {
  m_strStoredToken.assign(token);
  m_bChanged = true;
}

void BuySellQtyTotals::SetEntryCount(long count) {
  m_lEntryCount = count;
  m_bChanged = true;
}

void BuySellQtyTotals::WriteTitleTotals(orv::platform::StatusBar& bar) const {
  if (m_mapTotals.empty()) {
    bar.SetPaneText(3, "<No Scrip>");
    const char* zeros[] = {"B.Qty:0", "B.Lot:0", "B.Val:0.00", "S.Qty:0", "S.Lot:0", "S.Val:0.00"};
    for (int i = 0; i < 6; ++i) bar.SetPaneText(4 + i, zeros[i]);
    return;
  }
  std::int64_t buyQty = 0, buyLots = 0, sellQty = 0, sellLots = 0;
  double buyValue = 0.0, sellValue = 0.0;
  for (const auto& [token, totals] : m_mapTotals) {
    if (std::to_string(token) != m_strStoredToken) continue;
    buyQty += totals.lBuyQty;
    buyLots += Lots(totals.lBuyQty, totals.lLotSize);
    buyValue += totals.dBuyPrice * static_cast<double>(totals.lBuyQty);
    sellQty += totals.lSellQty;
    sellLots += Lots(totals.lSellQty, totals.lLotSize);
    sellValue += totals.dSellPrice * static_cast<double>(totals.lSellQty);
  }
  WriteCount(bar, 4, "B.Qty: ", buyQty);
  WriteCount(bar, 5, "B.Lot: ", buyLots);
  WriteValue(bar, 6, "B.Val: ", buyValue, "%.2f");
  WriteCount(bar, 7, "S.Qty: ", sellQty);
  WriteCount(bar, 8, "S.Lot: ", sellLots);
  WriteValue(bar, 9, "S.Val: ", sellValue, "%.2f");
}
