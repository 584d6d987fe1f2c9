// Command handlers whose behaviour belongs to the sorting, filter, filter bar and order action
// code. Those that have their full behaviour already (the GTD refusals, Users, the filter bar
// command) live here until their areas take them over.
#include "view/OrderBookGrid.h"

#include "filterbar/OrderBookFilter.h"
#include "view/OrderBookWnd.h"

#include "host/CustomSplitterControl.h"
#include "host/GeneralXmlSettings.h"
#include "host/platform/Application.h"
#include "host/platform/MessageBoxService.h"

namespace {

constexpr const char* kRefusalCaption = "ZARU Client";
// Height of the splitter row that shows the filter bar.
constexpr int kFilterBarRowHeight = 60;

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
  try {
    OrderBookFilter* bar = m_pWnd ? m_pWnd->GetFilterBar() : nullptr;
    if (!bar) return;
    // The command only shows the bar; hiding it is the bar's own (Escape, its menu's Close).
    if (m_pWnd->bFilterBarShown) {
      bar->OnShownByWindow(false);
      return;
    }
    m_pWnd->bFilterBarShown = true;
    CustomSplitterControl& splitter = m_pWnd->GetSplitter();
    splitter.SetRowInfo(0, kFilterBarRowHeight, 0);
    splitter.RecalcLayout();
    bar->OnShownByWindow(true);
    m_pWnd->PostMessage(orv::platform::WM_SIZE, 0, 0);
  } catch (...) {
    LogException("OnPendingorderFilterbar");
  }
}

void OrderBookGrid::OnOrderBookSavefilter() {
  try {
    if (!m_pWnd) return;
    OrderBookFilterSettings& block = Variant().eVariant == ViewVariant::Pending ? regGeneralXMLSettings.objPendingFilter
                                                                                : regGeneralXMLSettings.objGTDFilter;
    block.bSaveFilter = !block.bSaveFilter;
    if (OrderBookFilter* bar = m_pWnd->GetFilterBar())
      bar->SaveFilterCheckBox().SetCheck(block.bSaveFilter ? orv::platform::BST_CHECKED : orv::platform::BST_UNCHECKED);
    OnSavefilterInXML();
  } catch (...) {
    LogException("OnOrderBookSavefilter");
  }
}

void OrderBookGrid::OnUsers() { bUsers = !bUsers; }

void OrderBookGrid::SetDockTitleBylOurToken(long /*token*/) {
  // TODO(titles): build the dock title from the token's contract and the active filters.
}
