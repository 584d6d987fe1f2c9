#include "actions/StatusBarTotals.h"

#include "actions/StatusPaneText.h"

#include "host/AppGlobal.h"
#include "host/ContractMaster.h"
#include "host/GlobalFunctions.h"
#include "host/OrvEnumsMethods.h"
#include "host/platform/StatusBar.h"
#include "view/ContractRowTotals.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"
#include "view/RecordPrefetch.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <span>
#include <string_view>
#include <strings.h>
#include <vector>

namespace {

constexpr int kSymbolPane = 3;
constexpr int kBuyQtyPane = 4;
constexpr int kBuyLotPane = 5;
constexpr int kBuyValuePane = 6;
constexpr int kSellQtyPane = 7;
constexpr int kSellLotPane = 8;
constexpr int kSellValuePane = 9;
constexpr int kTotalEntriesPane = 10;

constexpr const char* kEmptyTexts[] = {"<No Scrip>", "B.Qty:0", "B.Lot:0", "B.Val:0.00",
                                       "S.Qty:0",    "S.Lot:0", "S.Val:0.00", "TotalEntries:0"};

constexpr const char* kDefaultValueFormat = "% 0.2f";

using SideTotals = ContractRowTotals::Side;

bool EqualsIgnoreCase(std::string_view text, std::string_view word) {
  return text.size() == word.size() && ::strncasecmp(text.data(), word.data(), word.size()) == 0;
}

bool IsPendingStatus(OrderStatusIdentifier status) {
  return status == eUnConfirmed || status == ePending || status == eAMOUnconfirmed;
}

void AddRecord(const OrderBookDetails& record, SideTotals& buy, SideTotals& sell) {
  std::int32_t lotSize = 1;
  double value = static_cast<double>(record.Pending_Qty) * record.Price;
  if (record.pContract != nullptr) {
    lotSize = record.pContract->lLotSize < 0 ? 1 : record.pContract->lLotSize;
    value *= record.pContract->dMultiplier;
  }
  const std::string_view side = FieldView(record.B_S);
  SideTotals* totals = EqualsIgnoreCase(side, "BUY") ? &buy : EqualsIgnoreCase(side, "SELL") ? &sell : nullptr;
  if (totals == nullptr) return;
  totals->qty += record.Pending_Qty;
  totals->value += value;
  // Truncated per record: two orders of 250 and 120 on lots of 100 are 2 + 1 lots, not 3.7.
  if (lotSize > 0) totals->lots += record.Pending_Qty / lotSize;
}

void SumEveryRow(const std::vector<OrderBookDetails*>& rows, SideTotals& buy, SideTotals& sell) {
  for (const OrderBookDetails* record : rows)
    if (record != nullptr) AddRecord(*record, buy, sell);
}

// `tokens` holds each row's token when the grid keeps them beside the rows (empty otherwise): then
// only the contract's own records are read, not every row's.
void SumPendingOfToken(const std::vector<OrderBookDetails*>& rows, std::span<const std::int32_t> tokens,
                       std::int32_t token, SideTotals& buy, SideTotals& sell) {
  const std::size_t count = rows.size();
  auto add = [&](const OrderBookDetails* record) {
    if (record != nullptr && record->lOurToken == token && IsPendingStatus(record->eOrderStatus))
      AddRecord(*record, buy, sell);
  };
  if (tokens.size() != count) {
    for (std::size_t i = 0; i < count; ++i) {
      // The rows sit wherever the store put them: fetch ahead, as the refresh does.
      if (i + RecordPrefetch::kRowsAhead < count) RecordPrefetch::FilterFields(rows[i + RecordPrefetch::kRowsAhead]);
      add(rows[i]);
    }
    return;
  }
  // The totals are asked for on every refresh: the token column is scanned in blocks without a
  // branch per row, and the contract's records (each a cache miss) are asked for ahead of use.
  constexpr std::size_t kBlock = 64;
  constexpr std::size_t kAhead = 8;
  std::uint32_t matches[kBlock];
  for (std::size_t base = 0; base < count; base += kBlock) {
    const std::size_t end = std::min(count, base + kBlock);
    if (end - base == kBlock) {
      // Most blocks hold none of the contract's rows: a test the compiler does in vector registers.
      const std::int32_t* block = tokens.data() + base;
      int any = 0;
      for (std::size_t i = 0; i < kBlock; ++i) any |= block[i] == token ? 1 : 0;
      if (any == 0) continue;
    }
    std::size_t found = 0;
    for (std::size_t i = base; i < end; ++i) {
      matches[found] = static_cast<std::uint32_t>(i);
      found += tokens[i] == token ? 1 : 0;
    }
    for (std::size_t m = 0; m < found && m < kAhead; ++m) RecordPrefetch::FilterFields(rows[matches[m]]);
    for (std::size_t m = 0; m < found; ++m) {
      if (m + kAhead < found) RecordPrefetch::FilterFields(rows[matches[m + kAhead]]);
      add(rows[matches[m]]);
    }
  }
}

// The contract's own price format is a data text: it only ever reaches DoubleToString, which
// validates it, and is copied first so that a field filled to the brim still ends.
void ChooseValueFormat(std::int32_t token, char (&format)[sizeof(ScriptDesc::cPriceFormat) + 1]) {
  std::strcpy(format, kDefaultValueFormat);
  if (AppGlobal::g_bGeneralSettings_HideTitlBarMktWatch) return;
  const auto& contracts = OrvStorageGlobal::dctExchangeContractMappingByTokenNo;
  const auto it = contracts.find(token);
  if (it == contracts.end() || it->second == nullptr) return;
  const std::string_view text = FieldView(it->second->cPriceFormat);
  std::memcpy(format, text.data(), text.size());
  format[text.size()] = '\0';
}

using StatusPaneText::WriteCount;
using StatusPaneText::WriteValue;

}  // namespace

namespace StatusBarTotals {

void Write(OrderBookGrid& grid, std::int32_t token, const std::string& symbol, const std::string& /*exchange*/) {
  try {
    OrderBookWnd* wnd = grid.GetOwnerWnd();
    if (wnd == nullptr) return;
    orv::platform::StatusBar& bar = *wnd->GetStatusBar();

    if (token == 0) {
      for (int pane = kSymbolPane; pane <= kTotalEntriesPane; ++pane)
        bar.SetPaneText(pane, kEmptyTexts[pane - kSymbolPane], true);
      return;
    }

    // Nothing rebuilds the list while the totals are summed (both run on the user-interface
    // thread), so they read it in place.
    const std::vector<OrderBookDetails*>& rows = grid.RowVector();
    const auto n = static_cast<long long>(rows.size());
    const int currentRow = grid.GetCurSelItemID().m_nRow;
    const OrderBookDetails* current =
        currentRow >= 0 && currentRow < n ? rows[static_cast<std::size_t>(n - 1 - currentRow)] : nullptr;

    OrderStatusIdentifier currentStatus = eCompleted;  // no current row: not pending
    bool currentPending = false;
    if (current != nullptr && OrvEnumsMethods::GetOrderStatusByName(FieldView(current->Order_Status), currentStatus))
      currentPending = IsPendingStatus(currentStatus);

    SideTotals buy, sell;
    if (currentPending) {
      const bool everyRow = AppGlobal::g_bGeneralSettings_HideTitlBarMktWatch != 0;
      if (everyRow) {
        SumEveryRow(rows, buy, sell);
      } else if (const ContractRowTotals* kept = grid.KeptTotals(token)) {
        buy = kept->buy;
        sell = kept->sell;
      } else {
        const std::span<const std::int32_t> tokens = grid.RowTokens();
        SumPendingOfToken(rows, tokens, token, buy, sell);
        if (!tokens.empty()) grid.KeepTotals(token, {buy, sell});
      }
    } else if (current != nullptr) {
      AddRecord(*current, buy, sell);
    }

    char format[sizeof(ScriptDesc::cPriceFormat) + 1];
    ChooseValueFormat(token, format);

    bar.SetPaneText(kSymbolPane, symbol, true);
    WriteCount(bar, kBuyQtyPane, "B.Qty:", buy.qty);
    WriteCount(bar, kBuyLotPane, "B.Lot:", buy.lots);
    WriteValue(bar, kBuyValuePane, "B.Val:", buy.value, format);
    WriteCount(bar, kSellQtyPane, "S.Qty:", sell.qty);
    WriteCount(bar, kSellLotPane, "S.Lot:", sell.lots);
    WriteValue(bar, kSellValuePane, "S.Val:", sell.value, format);
    WriteCount(bar, kTotalEntriesPane, "TotalEntries: ", static_cast<std::int64_t>(rows.size()));
  } catch (...) {
    grid.LogException("SetStatusbarValues");
  }
}

}  // namespace StatusBarTotals
