// Command handlers whose behaviour belongs to the sorting, filter, filter bar and order action
// code. Those that have their full behaviour already (the GTD refusals, Users, clearing every
// filter and the two update handlers) live here until their areas take them over.
#include "view/OrderBookGrid.h"

#include "filterbar/OrderBookFilter.h"
#include "view/OrderBookWnd.h"

#include "host/platform/Application.h"
#include "host/platform/MessageBoxService.h"

namespace {

constexpr const char* kRefusalCaption = "ZARU Client";

// A box on the application the grid lives in (the thread's current one for an unbound grid).
void ShowRefusal(const OrderBookGrid& grid, const char* text) {
  if (grid.HasApp()) grid.App().MessageBoxes().Show(text, kRefusalCaption, orv::platform::MB_OK);
  else orv::platform::AfxMessageBox(text, orv::platform::MB_OK, kRefusalCaption);
}

}  // namespace

// --- Order actions and launches. ---

void OrderBookGrid::OnModify() {
  if (!Variant().bModifyAllowed) {
    ShowRefusal(*this, "Modification is not allowed");
    return;
  }
  // TODO(modification): start modifying the selected orders.
}

void OrderBookGrid::OnCancel() {
  // TODO(cancellation): cancel the selected orders.
}

void OrderBookGrid::OnCancelall() {
  if (!Variant().bCancelAllAllowed) {
    ShowRefusal(*this, "Cancellation is not allowed");
    return;
  }
  // TODO(cancellation): cancel every pending order.
}

void OrderBookGrid::OnLinktoiob() {
  // TODO(launches): link the selected orders to the interactive order book.
}

void OrderBookGrid::OnSinglehistory() {
  // TODO(launches): ask the host for the current order's history.
}

void OrderBookGrid::OnTrades() {
  // TODO(launches): ask the host for the trades window of the current order.
}

void OrderBookGrid::OnMarketpictureF5() {
  // TODO(launches): ask the host for the market picture by price.
}

void OrderBookGrid::OnMarketpictureF6() {
  // TODO(launches): ask the host for the market picture by order.
}

void OrderBookGrid::OnMarketByAggregate() {
  // TODO(launches): ask the host for the market by aggregate window.
}

void OrderBookGrid::OnSavefileExcelfile() {
  // TODO(export): write the grid to a tab-separated file.
}

void OrderBookGrid::OnSavefileTextfile() {
  // TODO(export): write the grid to a text file.
}

void OrderBookGrid::OnBulkOrderExcel() {
  // TODO(export): rewrite the orders as a comma-separated bulk order file.
}

void OrderBookGrid::OnBulkOrderText() {
  // TODO(export): rewrite the orders as a field-per-line bulk order file.
}

// --- Sorting. ---

void OrderBookGrid::OnSortAZ() {
  // TODO(sorting): sort the header menu's column ascending.
}

void OrderBookGrid::OnSortZA() {
  // TODO(sorting): sort the header menu's column descending.
}

void OrderBookGrid::OnRemoveSort() {
  // TODO(sorting): remove the header menu column's sort.
}

void OrderBookGrid::OnRemoveAllSort() {
  // TODO(sorting): remove every sort column.
}

bool OrderBookGrid::OnUpdateRemoveSort() {
  // Without a header menu column the command keeps the state it has, which is enabled.
  return nHeaderMenuColumn < 0 || GetColumnState(nHeaderMenuColumn) != 0;
}

// --- Column filters, saved filters and the filter bar. ---

void OrderBookGrid::OnFilterSet() {
  // TODO(header filters): open the value-list or date-range dialog for the header menu's column.
}

void OrderBookGrid::OnFilterClear() {
  // TODO(header filters): clear the header menu column's filter and its filter bar control.
}

void OrderBookGrid::OnApplyFilter() {
  // TODO(header filters): store the header menu's ticked values through SetFilterParam.
}

void OrderBookGrid::OnClearAllFilter() {
  try {
    ClearFilter(-1);
    FilterGridData();
    SetDockTitleBylOurToken(0);
    if (m_pWnd && m_pWnd->GetFilterBar()) m_pWnd->GetFilterBar()->ResetFilter(true);
  } catch (...) {
    LogException("OnClearAllFilter");
  }
}

bool OrderBookGrid::OnUpdateClearAllFilter() { return IsFilterExist(-1); }

void OrderBookGrid::OnPendingorderFilterbar() {
  // TODO(filter bar): show or hide the filter bar.
}

void OrderBookGrid::OnOrderBookSavefilter() {
  // TODO(saved filters): save the current filters in the general settings.
}

void OrderBookGrid::OnUsers() { bUsers = !bUsers; }

void OrderBookGrid::SetDockTitleBylOurToken(long /*token*/) {
  // TODO(titles): build the dock title from the token's contract and the active filters.
}
