#include "actions/MarketStatusCheck.h"

#include "actions/SlicedWork.h"
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
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

static_assert(kTokenMarketCount <= 32, "Walk keeps a flag per market");

Walk::Walk(OrderBookWnd& wnd, short mode, bool allRows, std::vector<std::uint32_t>& list)
    : m_wnd(wnd), m_mode(mode), m_list(list) {
  if (mode != kCancellation && mode != kModification) {
    m_decided = 1;
    return;
  }
  if (list.empty()) {
    m_decided = 1;
    return;
  }
  const VariantDescription& variant = wnd.Variant();
  m_pFirst = AppOrderBook::FirstRecordOf(variant.eBook, list.front());
  const std::string orderType = CurrentOrderType(wnd.GetGrid());

  bool anyShut = false;
  for (int m = 0; m < kTokenMarketCount; ++m) {
    const auto market = static_cast<TokenMarket>(m);
    m_shut[m] = IsMarketShut(market, orderType);
    // A BSE order in the session whose field 188 reads 7 is taken whatever the BSE status.
    if (market == TokenMarket::Bse && m_pFirst &&
        m_pFirst->objOrderEntry.get<std::int32_t>(ORVEL_ORDER_ENTRY::kField188) == 7)
      m_shut[m] = false;
    if (!m_shut[m]) continue;
    anyShut = true;
    if (std::string_view word = MarketStatusWord(market, orderType); !word.empty()) m_statusWord = word;
  }
  if (!anyShut) {
    m_decided = 1;
    return;
  }
  if (list.size() == 1 && !allRows) {
    if (m_pFirst && PassesAnyMarket(*m_pFirst)) {
      m_decided = 1;
      return;
    }
    if (m_pFirst)
      if (const int market = MarketOf(*m_pFirst); market >= 0) m_named[market] = true;
    m_next = list.size();  // nothing to walk
    m_kept = list.size();
  }
}

int Walk::MarketOf(const OrderBookDetails& record) const {
  const TokenMarket market = MarketOfToken(record.lOurToken);
  return market != TokenMarket::None && m_shut[static_cast<int>(market)] ? static_cast<int>(market) : -1;
}

void Walk::Step(SliceBudget& budget) {
  if (m_decided) return;
  const BookKind book = m_wnd.Variant().eBook;
  while (m_next < m_list.size() && budget.Take()) {
    const std::uint32_t key = m_list[m_next++];
    const OrderBookDetails* record = AppOrderBook::FirstRecordOf(book, key);
    if (m_mode == kCancellation) {
      // The kept keys close up in order: erasing one at a time made a large list quadratic.
      if (record && PassesAnyMarket(*record)) {
        ++m_passing;
        m_list[m_kept++] = key;
        continue;
      }
      const int market = record ? MarketOf(*record) : -1;
      if (market < 0) {
        m_list[m_kept++] = key;
        continue;
      }
      m_named[market] = true;
    } else {
      if (!record || PassesAnyMarket(*record)) continue;
      if (const int market = MarketOf(*record); market >= 0) m_named[market] = true;
    }
  }
}

void Walk::Finish() {
  if (m_bFinished || m_decided) return;
  m_bFinished = true;
  if (m_mode != kCancellation) return;
  m_bRemoved = m_kept != m_list.size();
  m_list.resize(m_kept);
  if (!m_list.empty() && m_passing == m_list.size()) m_decided = 1;
}

int Walk::Result() {
  SliceBudget rest = SliceBudget::Unbounded();
  while (!Walked()) Step(rest);
  Finish();
  if (m_decided) return *m_decided;

  std::string names;
  for (int m = 0; m < kTokenMarketCount; ++m)
    if (m_named[m]) names += MarketWarningName(static_cast<TokenMarket>(m));
  const VariantDescription& variant = m_wnd.Variant();
  const bool muted = variant.bMarketWarningByTransactionCode
                         ? AppGlobal::iTransactionCode == kUnconfirmedEntryCode
                         : !m_pFirst || m_pFirst->iOrvelCode == kUnconfirmedEntryCode;
  if (names.empty() || muted) return 1;
  std::string text = names + " Market/s " + std::string(m_statusWord) + " \nIt's Orders Wont get " +
                     (m_mode == kModification ? " Modified" : " Deleted");
  if (m_wnd.HasApp()) m_wnd.App().MessageBoxes().Show(text, "Market Status", orv::platform::MB_ICONEXCLAMATION);
  return m_bRemoved && !m_list.empty() ? 1 : 0;
}

int Run(OrderBookWnd& wnd, short mode, bool allRows) {
  OrderBookRefs book = AppOrderBook::Book(wnd.Variant().eBook);
  std::vector<std::uint32_t>& list = mode == kCancellation ? book.vctCancellation : book.vctModification;
  Walk walk(wnd, mode, allRows, list);
  return walk.Result();
}

}  // namespace MarketStatusCheck

std::optional<int> OrderBookWnd::CheckMarketStatusStep(std::unique_ptr<MarketStatusCheck::Walk>& walk,
                                                      std::vector<std::uint32_t>& list, bool bAllRows,
                                                      SliceBudget& budget) {
  try {
    if (!walk) walk = std::make_unique<MarketStatusCheck::Walk>(*this, MarketStatusCheck::kCancellation, bAllRows, list);
    walk->Step(budget);
    if (!walk->Walked()) return std::nullopt;
    const int result = walk->Result();
    walk.reset();
    return result;
  } catch (...) {
    walk.reset();
    WriteLog("ZARUClient", "Exception in CheckMarketStatus - PendingOrders");
    return 0;
  }
}

int OrderBookWnd::CheckMarketStatus(short nMode, bool bAllRows) {
  try {
    return MarketStatusCheck::Run(*this, nMode, bAllRows);
  } catch (...) {
    WriteLog("ZARUClient", "Exception in CheckMarketStatus - PendingOrders");
    return 0;
  }
}
