#include "actions/MarketStatusCheck.h"

#include "actions/TokenMarket.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/platform/Application.h"
#include "host/platform/MessageBoxService.h"
#include "view/CellValues.h"
#include "view/ColumnCatalogue.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr std::int32_t kUnconfirmedEntryCode = 5520;

bool PassesAnyMarket(const OrderBookDetails& record) {
  return record.eOrderStatus == eUnConfirmed || record.eOrderStatus == eAMOUnconfirmed;
}

std::string CurrentOrderType(const OrderBookGrid* grid) {
  if (!grid) return {};
  OrderBookDetails* record = grid->RecordAtRow(grid->GetCurSelItemID().m_nRow);
  if (!record) return {};
  CellTextBuffer buffer;
  return std::string(GetItemText(record, COL_Order_Type, grid->Variant(), buffer));
}

}  // namespace

namespace MarketStatusCheck {

int Run(OrderBookWnd& wnd, short mode, bool allRows) {
  const VariantDescription& variant = wnd.Variant();
  OrderBookRefs book = AppOrderBook::Book(variant.eBook);
  if (mode != kCancellation && mode != kModification) return 1;
  std::vector<std::uint32_t>& list = mode == kCancellation ? book.vctCancellation : book.vctModification;
  if (list.empty()) return 1;
  const OrderBookDetails* first = AppOrderBook::FirstRecordOf(variant.eBook, list.front());
  const std::string orderType = CurrentOrderType(wnd.GetGrid());

  std::array<bool, kTokenMarketCount> shut{};
  std::string_view statusWord;
  bool anyShut = false;
  for (int m = 0; m < kTokenMarketCount; ++m) {
    const auto market = static_cast<TokenMarket>(m);
    shut[m] = IsMarketShut(market, orderType);
    // A BSE order in the session whose field 188 reads 7 is taken whatever the BSE status.
    if (market == TokenMarket::Bse && first &&
        first->objOrderEntry.get<std::int32_t>(ORVEL_ORDER_ENTRY::kField188) == 7)
      shut[m] = false;
    if (!shut[m]) continue;
    anyShut = true;
    if (std::string_view word = MarketStatusWord(market, orderType); !word.empty()) statusWord = word;
  }
  if (!anyShut) return 1;

  std::array<bool, kTokenMarketCount> named{};
  auto shutMarketOf = [&](const OrderBookDetails& record) {
    const TokenMarket market = MarketOfToken(record.lOurToken);
    return market != TokenMarket::None && shut[static_cast<int>(market)] ? market : TokenMarket::None;
  };
  bool removed = false;
  if (list.size() == 1 && !allRows) {
    if (first && PassesAnyMarket(*first)) return 1;
    if (first) {
      if (const TokenMarket market = shutMarketOf(*first); market != TokenMarket::None) {
        named[static_cast<int>(market)] = true;
      }
    }
  } else if (mode == kCancellation) {
    std::size_t passing = 0;
    // One pass that closes up the kept keys in order: erasing one at a time made a large list quadratic.
    const auto kept = std::remove_if(list.begin(), list.end(), [&](std::uint32_t key) {
      const OrderBookDetails* record = AppOrderBook::FirstRecordOf(variant.eBook, key);
      if (record && PassesAnyMarket(*record)) {
        ++passing;
        return false;
      }
      const TokenMarket market = record ? shutMarketOf(*record) : TokenMarket::None;
      if (market == TokenMarket::None) return false;
      named[static_cast<int>(market)] = true;
      return true;
    });
    removed = kept != list.end();
    list.erase(kept, list.end());
    if (!list.empty() && passing == list.size()) return 1;
  } else {
    for (std::uint32_t key : list) {
      const OrderBookDetails* record = AppOrderBook::FirstRecordOf(variant.eBook, key);
      if (!record || PassesAnyMarket(*record)) continue;
      if (const TokenMarket market = shutMarketOf(*record); market != TokenMarket::None)
        named[static_cast<int>(market)] = true;
    }
  }

  std::string names;
  for (int m = 0; m < kTokenMarketCount; ++m)
    if (named[m]) names += MarketWarningName(static_cast<TokenMarket>(m));
  const bool muted = variant.bMarketWarningByTransactionCode
                         ? AppGlobal::iTransactionCode == kUnconfirmedEntryCode
                         : !first || first->iOrvelCode == kUnconfirmedEntryCode;
  if (names.empty() || muted) return 1;
  std::string text = names + " Market/s " + std::string(statusWord) + " \nIt's Orders Wont get " +
                     (mode == kModification ? " Modified" : " Deleted");
  if (wnd.HasApp()) wnd.App().MessageBoxes().Show(text, "Market Status", orv::platform::MB_ICONEXCLAMATION);
  return removed && !list.empty() ? 1 : 0;
}

}  // namespace MarketStatusCheck

int OrderBookWnd::CheckMarketStatus(short nMode, bool bAllRows) {
  try {
    return MarketStatusCheck::Run(*this, nMode, bAllRows);
  } catch (...) {
    WriteLog("ZARUClient", "Exception in CheckMarketStatus - PendingOrders");
    return 0;
  }
}
