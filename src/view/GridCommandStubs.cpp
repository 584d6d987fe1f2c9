// Command handlers whose behaviour belongs to the sorting, filter, filter bar and order action
// code. Those that have their full behaviour already (the GTD refusals and Users) live
// here until their areas take them over.
#include "view/OrderBookGrid.h"

#include "filterbar/OrderBookFilter.h"
#include "view/OrderBookWnd.h"

#include "host/platform/Application.h"
#include "host/platform/MessageBoxService.h"

namespace {

constexpr const char* kRefusalCaption = "ZARU Client";

}  // namespace

// --- Order actions and launches. ---

void OrderBookGrid::OnModify() {
  if (!Variant().bModifyAllowed) {
    MessageBox("Modification is not allowed", kRefusalCaption, orv::platform::MB_OK);
    return;
  }
  // TODO(modification): start modifying the selected orders.
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
