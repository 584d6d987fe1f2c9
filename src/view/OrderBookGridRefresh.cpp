// The refresh cycle of the order-book grid: a one-shot timer polls the store's request flags and
// rebuilds the row list in one pass (copy, filter, find remembered orders), then restores the
// selection and the scroll position.
#include "view/OrderBookGrid.h"

#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/GeneralXmlSettings.h"
#include "host/ParallelSlices.h"
#include "host/platform/Application.h"
#include "view/CellValues.h"
#include "view/ColumnCatalogue.h"
#include "view/OrderBookWnd.h"
#include "view/RecordPrefetch.h"
#include "view/RowFilter.h"
#include "view/RowListTracker.h"
#include "sortfilter/SavedFilterBlock.h"

#include <algorithm>
#include <strings.h>

using orv::platform::GridItemID;
using orv::platform::GridRange;

namespace {

constexpr unsigned kTickMs = 50;

// SetCurSel modes: single row, range start, range end; the whole-row forms add 2.
constexpr std::uint32_t kSingleRow = 160, kRangeStart = 544, kRangeEnd = 64, kWholeRowBit = 2;

bool SavedFiltersOn(const VariantDescription& variant) {
  const auto& block = SavedFilterBlock(variant);
  return block.bSaveFilter;
}

// One order-keeping pass over the displayed vector, keeping the rows the filters pass. With kTrack
// each kept row's displayed index goes to `sources`. From `parallelRows` rows on, and when no
// remembered order is to be found, the pass runs in slices on every core.
template <bool kTrack>
void FilterRows(std::vector<OrderBookDetails*>& rows, const std::vector<OrderBookDetails*>& displayed,
                const RowFilter& filter, SelectionIndex* memory, std::vector<std::uint32_t>* sources,
                std::size_t parallelRows) {
  const std::size_t n = displayed.size();
  if (!filter.IsActive() && !filter.DropsContractless() && !memory) {  // nothing to remove or find
    rows = displayed;
    RowListRoom::GiveBackRoom(rows);
    if constexpr (kTrack) {
      sources->resize(n);
      for (std::size_t i = 0; i < n; ++i) (*sources)[i] = static_cast<std::uint32_t>(i);
      RowListRoom::GiveBackRoom(*sources);
    }
    return;
  }
  if (!memory && filter.ReadsFieldsOnly() && n >= parallelRows) {
    // A large book on every core: the rows are copied whole, then each slice keeps its own in
    // place and the slices close up in order, as the one pass below would leave them.
    rows.assign(displayed.begin(), displayed.end());
    if constexpr (kTrack) sources->resize(n);
    OrderBookDetails** data = rows.data();
    std::uint32_t* indexes = kTrack ? sources->data() : nullptr;
    auto slice = [&](std::size_t begin, std::size_t end) {
      std::size_t out = begin;
      for (std::size_t i = begin; i < end; ++i) {
        if (i + RecordPrefetch::kRowsAhead < n) RecordPrefetch::FilterFields(data[i + RecordPrefetch::kRowsAhead]);
        OrderBookDetails* record = data[i];
        const bool keep = filter.Keeps(record);  // out <= i: every row is written, the kept counted
        data[out] = record;
        if constexpr (kTrack) indexes[out] = static_cast<std::uint32_t>(i);
        out += keep ? 1 : 0;
      }
      return out - begin;
    };
    auto shift = [&](std::size_t from, std::size_t count, std::size_t to) {
      std::copy(data + from, data + from + count, data + to);
      if constexpr (kTrack) std::copy(indexes + from, indexes + from + count, indexes + to);
    };
    const std::size_t kept = ParallelSlices::Compact(n, true, slice, shift);
    rows.resize(kept);
    RowListRoom::GiveBackRoom(rows);
    if constexpr (kTrack) {
      sources->resize(kept);
      RowListRoom::GiveBackRoom(*sources);
    }
    return;
  }
  rows.clear();
  if constexpr (kTrack) sources->clear();
  OrderBookDetails* const* data = displayed.data();
  for (std::size_t i = 0; i < n; ++i) {
    // Every record is a cache miss once the store has been sorted; ask for the two lines every
    // refresh reads before they are needed.
    if (i + RecordPrefetch::kRowsAhead < n) RecordPrefetch::FilterFields(data[i + RecordPrefetch::kRowsAhead]);
    OrderBookDetails* record = data[i];
    if (!filter.Keeps(record)) continue;
    if (memory) memory->Offer(*record, static_cast<std::int64_t>(rows.size()));
    if constexpr (kTrack) sources->push_back(static_cast<std::uint32_t>(i));
    rows.push_back(record);
  }
  RowListRoom::GiveBackRoom(rows);
  if constexpr (kTrack) RowListRoom::GiveBackRoom(*sources);
}

}  // namespace

void OrderBookGrid::StartStopProcess(int bStart, unsigned nElapse) {
  try {
    if (bStart) SetTimer(Variant().nRefreshTimerId, nElapse);
    else KillTimer(Variant().nRefreshTimerId);
  } catch (...) {
    LogException("StartStopProcess");
  }
}

void OrderBookGrid::RefreshData() {
  // Called after the view's own operations, which may have changed records without naming them.
  m_rowTracker.Forget();
  StartStopProcess(0, 0);
  AppOrderBook::Book(Variant().eBook).IsUpdatePost = 1;
  StartStopProcess(1, 0);
}

void OrderBookGrid::OnStoreRecordRemoved(BookKind kind, const OrderBookDetails* record) {
  try {
    if (kind != Variant().eBook || !bGridCreated) return;
    // A cancel running in slices holds the rows the user chose and looks each order up again
    // before its request; it starts the refresh when it ends.
    if (IsCancelPassRunning() || (m_pWnd && m_pWnd->IsCancelPassRunning())) return;
    if (std::find(m_RowVector.begin(), m_RowVector.end(), record) == m_RowVector.end()) return;
    Tick();
  } catch (...) {
    LogException("OnStoreRecordRemoved");
  }
}

void OrderBookGrid::FilterGridData() {
  try {
    if (!bGridCreated) return;
    AppOrderBook::Book(Variant().eBook).IsInsertPost = 1;
    StartStopProcess(1, 0);
  } catch (...) {
    LogException("FilterGridData");
  }
}

void OrderBookGrid::FillGridMaster() {
  try {
    if (HasApp()) App().BeginWaitCursor();
    FillVirutalRows();
    if (HasApp()) App().EndWaitCursor();
  } catch (...) {
    if (HasApp()) App().EndWaitCursor();
    LogException("FillGridMaster");
  }
}

void OrderBookGrid::FillVirutalRows() {
  try {
    OrderBookRefs book = AppOrderBook::Book(Variant().eBook);
    m_RowVector = book.vctDisplayed;
    m_rowTracker.Forget();
    if (bGridCreated) {
      // A refill of a live grid: the count follows the new list at once, so the old selection's
      // row numbers cannot name other orders than the user chose (the selection memory brings
      // the chosen ones back at the next tick). The first fill counts nothing until its tick.
      SetVirtualRows(static_cast<int>(m_RowVector.size()));
      if (m_pWnd) m_pWnd->bClosedByEscape = false;
    } else {
      book.IsSortData = 1;
    }
    ApplyLastSorting(true);
    if (!SavedFiltersOn(Variant())) {
      SetDefaultDemoFilter(COL_Order_Status, "Pending", false, false, false);
      SetDefaultDemoFilter(COL_Order_Status, "UnConfirmed", false, false, false);
      SetDefaultDemoFilter(COL_Mkt_Seg, AppGlobal::cOrderSettings_MarketType, false, false, false);
      SetDefaultDemoFilter(COL_Order_Type, AppGlobal::cGeneralSettings_OrderBook, false, false, false);
    } else {
      ApplyFilterOnOpen();
    }
    book.IsInsertPost = 1;
  } catch (...) {
    LogException("FillVirutalRows");
  }
}

void OrderBookGrid::UpdateVirutalRow() {
  try {
    std::vector<GridRange> ranges = GetSelectionRanges();
    FillVirutalRows();
    SetVirtualRows(static_cast<int>(m_RowVector.size()));
    for (const GridRange& r : ranges) {
      SetCurSel({r.m_nTop, r.m_nLeft}, kRangeStart | kWholeRowBit, false);
      SetCurSel({r.m_nBottom, r.m_nRight}, kRangeEnd | kWholeRowBit, false);
    }
    AdjustLayout();
  } catch (...) {
    LogException("UpdateVirutalRow");
  }
}

int OrderBookGrid::CheckRecordAddForFilter(OrderBookDetails* record) {
  try {
    // The same predicate as the refresh, so the host's answer and the grid never disagree.
    return RowFilter(Filters(), Variant()).Accept(record) ? 1 : 0;
  } catch (...) {
    LogException("CheckRecordAddForFilter");
    return 0;
  }
}

void OrderBookGrid::OnTimer(orv::platform::UINT_PTR nIDEvent) {
  KillTimer(nIDEvent);
  try {
    if (!m_pWnd || !m_pWnd->GetSafeHwnd() || !m_pWnd->IsVisible()) return;
    if (nIDEvent != Variant().nRefreshTimerId) {
      OrvGridCtrl::OnTimer(nIDEvent);
      return;
    }
    Tick();
    StartStopProcess(1, kTickMs);
    OrvGridCtrl::OnTimer(nIDEvent);
  } catch (...) {
    LogException("OnTimer");
  }
}

bool OrderBookGrid::SelectionCoversAllRows() const {
  const int rows = GetVirtualRowCount();
  if (rows <= 1) return false;
  std::vector<GridRange> ranges = GetSelectionRanges();
  std::sort(ranges.begin(), ranges.end(), [](const GridRange& a, const GridRange& b) { return a.m_nTop < b.m_nTop; });
  int covered = -1;  // last row covered so far
  for (const GridRange& r : ranges) {
    if (r.IsEmpty()) continue;
    if (r.m_nTop > covered + 1) return false;
    covered = std::max(covered, r.m_nBottom);
  }
  return covered >= rows - 1;
}

namespace {

// A few remembered Pending orders are found through the store's key map (keyed by RefNo, which
// the selection memory matches) and each record's place, instead of a walk over every row's key:
// the rows that can match are the records filed under the remembered numbers, offered in row
// order as the walk would offer them. False when that cannot be done: the caller walks.
bool OfferRememberedRecords(BookKind kind, const std::vector<LastSelectedOrderData_map>& remembered,
                            const std::vector<OrderBookDetails*>& rows, const RowListTracker& tracker,
                            const RowListTracker::Source& source, SelectionIndex& index) {
  constexpr std::size_t kFewEntries = 8;
  if (kind != BookKind::Pending || remembered.size() > kFewEntries || !tracker.Indexes(rows, source)) return false;
  std::vector<OrderBookDetails*> records;
  for (const LastSelectedOrderData_map& entry : remembered) AppOrderBook::RecordsOf(kind, entry.RefNo, records);
  std::vector<std::size_t> found;
  found.reserve(records.size());
  for (const OrderBookDetails* record : records) {
    const std::size_t row = tracker.RowOf(rows, source, record);
    if (row < rows.size()) found.push_back(row);
  }
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  for (std::size_t row : found) index.Offer(*rows[row], static_cast<std::int64_t>(row));
  return true;
}

}  // namespace

void OrderBookGrid::RebuildRowVector(const std::vector<LastSelectedOrderData_map>& remembered, bool bUseMemory) {
  const BookKind kind = Variant().eBook;
  const RowFilter filter(Filters(), Variant());
  const RowListTracker::Source source{AppOrderBook::ChangeLog(kind), AppOrderBook::Book(kind).vctDisplayed,
                                      Filters(), FilterRevision(), AppGlobal::bGeneralSettings_24HrTimeFormat != 0,
                                      AppOrderBook::Sorter(kind).ParallelThreshold()};
  if (bUseMemory) m_selectionIndex.Build(remembered);
  if (m_rowTracker.Update(m_RowVector, source, filter) || m_rowTracker.Narrow(m_RowVector, source, Variant())) {
    if (bUseMemory && !OfferRememberedRecords(kind, remembered, m_RowVector, m_rowTracker, source, m_selectionIndex))
      m_rowTracker.OfferRows(m_RowVector, m_selectionIndex);
    return;
  }
  // The way back to no filter: every displayed row, with the side columns the tracker kept.
  if (!bUseMemory && !filter.IsActive() && !filter.DropsContractless() &&
      m_rowTracker.Unfilter(m_RowVector, source, Variant()))
    return;
  SelectionIndex* memory = bUseMemory ? &m_selectionIndex : nullptr;
  if (m_rowTracker.Tracking(source))
    FilterRows<true>(m_RowVector, source.displayed, filter, memory, &m_rowTracker.SourcesForRebuild(),
                     source.parallelRows);
  else
    FilterRows<false>(m_RowVector, source.displayed, filter, memory, nullptr, source.parallelRows);
  m_rowTracker.Rebuilt(source, m_RowVector.size());
}

void OrderBookGrid::Tick() {
  OrderBookRefs book = AppOrderBook::Book(Variant().eBook);
  if (!book.IsInsertPost && !book.IsUpdatePost) return;
  // A sorted view's new and changed orders take their places before the rows are read.
  if (book.IsSortData) AppOrderBook::SettleSortedOrder(Variant().eBook);
  const bool bInsert = book.IsInsertPost != 0;
  book.IsInsertPost = book.IsUpdatePost = book.IsSortData = 0;

  const GridItemID current = GetCurSelItemID();
  const bool bWholeRows = IsWholeRowSelection();
  bool bAllSelected = SelectionCoversAllRows();
  const int nScrollPos = GetScrollPos(SB_VERT);
  const int topRow = GetTopVisibleRow();
  const OrderBookDetails* topRecord = RecordAtRow(topRow);
  const std::size_t topIndex = m_RowVector.size() - 1 - static_cast<std::size_t>(std::max(topRow, 0));
  const std::uint32_t topSource = m_rowTracker.SourceOfRow(topIndex, m_RowVector.size());

  SetRedraw(false);
  m_RestoredRows.clear();
  const bool bLastOrderSelection = AppGlobal::g_bLastOrderSelection != 0;
  const std::vector<LastSelectedOrderData_map> remembered = book.LastSelected;
  RebuildRowVector(remembered, bLastOrderSelection && !remembered.empty());

  EmptyCellCache();
  const int rows = static_cast<int>(m_RowVector.size());
  SetVirtualRows(rows);
  const int column = current.m_nColumn == -1 ? GetFirstVisibleColumn() : current.m_nColumn;

  auto rowOf = [rows](std::int64_t position) { return rows - 1 - static_cast<int>(position); };
  int target = bInsert ? 0 : current.m_nRow;
  if (bLastOrderSelection && !remembered.empty() && m_selectionIndex.PositionOf(0) >= 0)
    target = rowOf(m_selectionIndex.PositionOf(0));
  if (target < 0) target = 0;
  if (rows > 0 && target >= rows) target = rows - 1;

  const std::uint32_t whole = bWholeRows ? kWholeRowBit : 0;
  if (bLastOrderSelection) {
    for (std::size_t i = 0; i < remembered.size(); ++i) {
      std::int64_t position = m_selectionIndex.PositionOf(i);
      if (position < 0) continue;
      m_RestoredRows.push_back(rowOf(position));
      target = m_RestoredRows.back();
    }
    RowListRoom::GiveBackRoom(m_RestoredRows);  // a select-all's rows are not kept for the next single one
    if (rows > 0 && static_cast<int>(m_RestoredRows.size()) == rows) bAllSelected = true;
    if (m_RestoredRows.size() >= 2) {
      for (const auto& [first, last] : findConsecutiveSubsequences(m_RestoredRows)) {
        bSelectingRows = bRestoringSelection = true;
        SetCurSel({m_RestoredRows[first], column}, kRangeStart | whole, false);
        SetCurSel({m_RestoredRows[last], column}, kRangeEnd | whole, false);
        bSelectingRows = false;
      }
    }
    if (m_RestoredRows.empty()) {
      book.LastSelected.clear();
      target = 0;
    }
  }

  SetCurSel({target, column}, (remembered.size() < 2 ? kSingleRow : kRangeEnd) | whole, true);
  bRestoringSelection = false;

  // g_bKeepUserScroll (the terminal's choice): the selection still follows its orders, but only
  // the user moves the view.
  if (!bLastOrderSelection || bAllSelected || AppGlobal::g_bKeepUserScroll) {
    // The view stays on the orders the user scrolled to, while rows come and go above and below.
    const int anchored = topRecord && !m_bSortedSinceRefresh ? RowOfRecord(topRecord, topIndex, topSource) : -1;
    if (anchored >= 0) SetScrollPos(SB_VERT, anchored * GetRowHeight());
    else SetScrollPos(SB_VERT, nScrollPos);
  } else if (target < rows) {
    EnsureVisible(target);
  }
  m_bSortedSinceRefresh = false;
  SetRedraw(true);
  AdjustLayout();
  RedrawWindow(true);
  if (rows == 0) SetStatusbarValues(0, "", "");
}

int OrderBookGrid::RowOfRecord(const OrderBookDetails* record, std::size_t nearIndex, std::uint32_t source) const {
  const std::size_t n = m_RowVector.size();
  if (n == 0) return -1;
  // A filter change moves a row far (to no filter: by up to the whole book), but not its displayed
  // place, unless the store moved it too: the tracker finds that place among the rows'.
  if (source != OrderBookDetails::kNotDisplayed) {
    const std::size_t row = m_rowTracker.RowOfSource(source, n);
    if (row < n && m_RowVector[row] == record) return static_cast<int>(n - 1 - row);
  }
  // New orders join at the list's end and a tick takes out few, so the record is almost always
  // within a few places of where it was: look outwards from there before scanning everything.
  const std::size_t from = std::min(nearIndex, n - 1);
  constexpr std::size_t kNear = 4096;
  for (std::size_t d = 0; d <= kNear; ++d) {
    const bool below = from >= d, above = from + d < n;
    if (!below && !above) break;
    if (above && m_RowVector[from + d] == record) return static_cast<int>(n - 1 - (from + d));
    if (below && d != 0 && m_RowVector[from - d] == record) return static_cast<int>(n - 1 - (from - d));
  }
  const auto found = std::find(m_RowVector.begin(), m_RowVector.end(), record);
  return found == m_RowVector.end() ? -1 : static_cast<int>(n - 1 - static_cast<std::size_t>(found - m_RowVector.begin()));
}

bool OrderBookGrid::GetItemValue(orv::platform::DispInfo* pdi) {
  try {
    if (!pdi || pdi->item.nRow < 0 || pdi->item.nRow >= static_cast<int>(m_RowVector.size())) return true;
    OrderBookDetails* record = RecordAtRow(pdi->item.nRow);
    ::GetItemValue(record, pdi->item.nCol, Variant(), pdi->value, m_pWnd);
    if (!record) return true;
    bool buy = ::strcasecmp(record->B_S, "BUY") == 0;
    bool sell = !buy && ::strcasecmp(record->B_S, "SELL") == 0;
    if (!buy && !sell) return true;
    // A spread order's own row shows the opposite colours while its token is filtered, so the
    // order reads against its legs.
    if (record->eOrderLeg == eSpreadLeg && IsFilterExist(COL_lOurToken) && !record->IsLegRow()) std::swap(buy, sell);
    pdi->clrText = buy ? orv::platform::COLORREF{0xFF0000} : orv::platform::COLORREF{0x0000FF};
    pdi->hasTextColor = true;
    return true;
  } catch (...) {
    LogException("GetItemValue");
    if (pdi) pdi->value.Clear();
    return true;
  }
}
