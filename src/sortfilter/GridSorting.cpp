// The grid's sorting. The grid never reorders rows itself: it keeps the sort list, hands it to the
// store, which reorders its displayed vector, and raises the store's flags so that the next tick
// rebuilds the rows. The refresh timer is stopped around every change of the list or the store's
// vectors, so no tick sees half of one.
#include "view/OrderBookGrid.h"

#include "host/AppOrderBook.h"
#include "host/GeneralXmlSettings.h"
#include "host/platform/Application.h"
#include "sortfilter/ColumnSortKeys.h"
#include "view/ColumnCatalogue.h"
#include "sortfilter/SavedFilterBlock.h"

#include <vector>

namespace {

// Header flag: clicking a header item sorts by it.
constexpr std::uint32_t kHeaderSortsItems = 4;
constexpr unsigned kStopElapse = 50;

bool OpenWithSorting(const VariantDescription& variant) {
  const auto& block = SavedFilterBlock(variant);
  return block.bOpenWithSorting;
}

void EraseColumn(std::vector<SortColState>& list, int column) {
  std::erase_if(list, [column](const SortColState& c) { return c.nColumn == column; });
}

// The wait cursor for the length of a scope, however it is left.
class WaitCursor final {
 public:
  explicit WaitCursor(const OrderBookGrid& grid) : m_app(grid.HasApp() ? &grid.App() : nullptr) {
    if (m_app) m_app->BeginWaitCursor();
  }
  ~WaitCursor() {
    if (m_app) m_app->EndWaitCursor();
  }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  orv::platform::Application* m_app;
};

}  // namespace

void OrderBookGrid::ToggleSortColumn(int col) {
  try {
    if (!IsHeaderEnabled() || (GetHeaderFlags() & kHeaderSortsItems) == 0) return;
    // A column the grid does not have would enter the list without a mark to mirror it.
    if (col < 0 || col >= GetColumnCount()) return;
    WaitCursor wait(*this);
    OrderBookRefs book = AppOrderBook::Book(Variant().eBook);
    const int state = GetColumnState(col);
    if (state == -1) {
      EraseColumn(vctSortColState, col);
      RemoveSortColumn(col);
      StartStopProcess(0, kStopElapse);
      if (vctSortColState.empty()) {
        AppOrderBook::StopKeepingSorted(Variant().eBook);
        book.vctDisplayed = book.vctAll;
        AppOrderBook::InvalidateDisplayed(Variant().eBook);
        m_bSortedSinceRefresh = true;
        book.IsInsertPost = 1;
      } else {
        Sort(false);
      }
      book.IsUpdatePost = 1;
      StartStopProcess(1, 0);
      return;
    }
    const bool ascending = state == 0;
    StartStopProcess(0, kStopElapse);
    SetCurSel(orv::platform::GridItemID{}, orv::platform::kSelSingleItem, false);
    EraseColumn(vctSortColState, col);
    vctSortColState.push_back({col, ascending});
    SetSortColumn(col, ascending, IsMultipleSort());
    Sort(false);
  } catch (...) {
    LogException("ToggleSortColumn");
  }
}

void OrderBookGrid::Sort(bool bNoRefresh) {
  try {
    m_bSortedSinceRefresh = true;
    if (Variant().eVariant == ViewVariant::Pending) AppOrderBook::MultiColSortData(vctSortColState);
    else AppOrderBook::MultiColSortDataForGTD(vctSortColState);
    if (!bNoRefresh) {
      AppOrderBook::Book(Variant().eBook).IsUpdatePost = 1;
      StartStopProcess(1, 0);
    }
  } catch (...) {
    LogException("Sort");
  }
}

void OrderBookGrid::OnSortAZ() {
  if (nHeaderMenuColumn < 0) return;
  // Unmarked, the column's next toggle is ascending.
  RemoveSortColumn(nHeaderMenuColumn);
  ToggleSortColumn(nHeaderMenuColumn);
}

void OrderBookGrid::OnSortZA() {
  if (nHeaderMenuColumn < 0) return;
  // Marked ascending, the column's next toggle is descending.
  SetSortColumn(nHeaderMenuColumn, true, IsMultipleSort());
  ToggleSortColumn(nHeaderMenuColumn);
}

void OrderBookGrid::OnRemoveSort() {
  try {
    if (nHeaderMenuColumn < 0) return;
    StartStopProcess(0, kStopElapse);
    SetCurSel(orv::platform::GridItemID{}, orv::platform::kSelSingleItem, false);
    GetColumnsInfo().RemoveSortColumn(nHeaderMenuColumn);
    EraseColumn(vctSortColState, nHeaderMenuColumn);
    // The rows keep their present order until the next sort request.
    AppOrderBook::StopKeepingSorted(Variant().eBook);
    AppOrderBook::Book(Variant().eBook).IsUpdatePost = 1;
    StartStopProcess(1, 0);
  } catch (...) {
    LogException("OnRemoveSort");
  }
}

bool OrderBookGrid::OnUpdateRemoveSort() {
  try {
    // Without a header menu column the command keeps the state it has, which is enabled.
    if (nHeaderMenuColumn < 0) return true;
    return GetColumnState(nHeaderMenuColumn) != 0;
  } catch (...) {
    LogException("OnUpdateRemoveSort");
    return true;
  }
}

void OrderBookGrid::OnRemoveAllSort() {
  RemoveAllSortColumns();
  vctSortColState.clear();
  StartStopProcess(0, kStopElapse);
  OrderBookRefs book = AppOrderBook::Book(Variant().eBook);
  AppOrderBook::StopKeepingSorted(Variant().eBook);
  book.vctDisplayed = book.vctAll;
  AppOrderBook::InvalidateDisplayed(Variant().eBook);
  m_bSortedSinceRefresh = true;
  book.IsInsertPost = 1;
  StartStopProcess(1, 0);
}

void OrderBookGrid::ApplyLastSorting(bool) {
  if (!OpenWithSorting(Variant())) {
    OnRemoveAllSort();
  } else if (vctSortColState.empty()) {
    // The default order of a view that opens sorted: RefNo ascending.
    RemoveSortColumn(COL_RefNo);
    ToggleSortColumn(COL_RefNo);
  } else {
    Sort(false);
  }
}

void OrderBookGrid::SortData(int column, int bDescending, int) {
  try {
    const SortColState by[] = {{column, bDescending == 0}};
    AppOrderBook::Sorter(Variant().eBook)
        .Sort(AppOrderBook::Book(Variant().eBook).vctDisplayed, by, ColumnSortKeyExtractor(Variant()));
  } catch (...) {
    LogException("SortData");
  }
}
