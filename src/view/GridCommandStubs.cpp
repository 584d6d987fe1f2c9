// Command handlers whose behaviour belongs to the filter bar, saved filter and title code. Those
// that have their full behaviour already (Users) live here until their areas take them over.
#include "view/OrderBookGrid.h"

#include "filterbar/OrderBookFilter.h"
#include "view/OrderBookWnd.h"

#include "host/platform/Application.h"
#include "host/platform/MessageBoxService.h"

// --- Column filters, saved filters and the filter bar. ---

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
