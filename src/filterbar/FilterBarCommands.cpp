// The bar's context menu (menu 2002) and its commands, passed on to the grid and the window so the
// user reaches the view's commands without leaving the bar.
#include "filterbar/OrderBookFilter.h"

#include "filterbar/OrderBookFilterFrame.h"
#include "host/platform/Application.h"
#include "host/platform/Menu.h"
#include "host/platform/MessageBoxService.h"
#include "sortfilter/QuickFilters.h"
#include "view/ColumnCatalogue.h"
#include "view/ModuleResources.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

namespace pf = orv::platform;

namespace {

constexpr unsigned kTitleBarItem = 2009, kStatusBarItem = 2010;
constexpr unsigned kStyleAll = 2056, kStyleAutomated = 2057, kStyleManual = 2058, kStyleIom = 7365;

unsigned Checked(bool on) { return pf::MF_BYCOMMAND | (on ? pf::MF_CHECKED : pf::MF_UNCHECKED); }

// The filter value an Order Style item stands for.
std::string_view StyleValueOf(unsigned id) {
  for (const QuickFilterItem& item : QuickFilterItems())
    if (item.nId == id) return item.cValue;
  return {};
}

}  // namespace

void OrderBookFilter::MarkContextMenu(pf::Menu& popup) const {
  OrderBookWnd* wnd = GetViewWnd();
  if (wnd) {
    popup.CheckMenuItem(kTitleBarItem, Checked(wnd->IsTitleBarShown()));
    popup.CheckMenuItem(kStatusBarItem, Checked(wnd->GetStatusBar()->IsVisible()));
  }
  if (!m_pGrid) return;
  if (!m_pGrid->IsFilterExist(COL_Order_Style)) {
    popup.CheckMenuItem(kStyleAll, Checked(true));
    popup.EnableMenuItem(kStyleAll, pf::MF_BYCOMMAND | pf::MF_GRAYED);
    return;
  }
  // A value that is the filter's only one is greyed: choosing it would empty the filter.
  const bool single = m_pGrid->GetFilterCountByColumn(COL_Order_Style) == 1;
  for (unsigned id : {kStyleAutomated, kStyleManual, kStyleIom}) {
    if (!m_pGrid->IsFilterExist(COL_Order_Style, StyleValueOf(id))) continue;
    popup.CheckMenuItem(id, Checked(true));
    if (single) popup.EnableMenuItem(id, pf::MF_BYCOMMAND | pf::MF_GRAYED);
  }
}

void OrderBookFilter::OnContextMenu(pf::Window* /*pWnd*/, int x, int y) {
  Guard("OnContextMenu", [&] {
    if (dynamic_cast<OrderBookFilterFrame*>(GetParent()) == nullptr) return;
    pf::Menu menu;
    const bool loaded = HasApp() ? menu.LoadMenu(App().Resources(), ModuleResources::kFilterBarMenu)
                                 : menu.LoadMenu(ModuleResources::kFilterBarMenu);
    pf::Menu* popup = loaded ? menu.GetSubMenu(0) : nullptr;
    if (popup == nullptr) return;
    MarkContextMenu(*popup);
    // The chosen item comes back to the bar as a posted command.
    popup->TrackPopupMenu(pf::TPM_LEFTALIGN | pf::TPM_RIGHTBUTTON, x, y, this);
    menu.DestroyMenu();
  });
}

bool OrderBookFilter::OnCommand(unsigned id) {
  bool handled = true;
  Guard("OnCommand", [&] {
    if (id == 2008) {
      Close();
      return;
    }
    if (id == 2004) return;  // the item has always had an empty handler here
    OrderBookGrid* grid = m_pGrid;
    OrderBookWnd* wnd = grid ? grid->GetOwnerWnd() : nullptr;
    auto refuse = [&](const char* text) { grid->MessageBox(text, "ZARU Client", pf::MB_OK); };
    switch (id) {
      case 2002: case 2009: case 2010: case 2047: case 2056: case 2057: case 2058: case 7365: case 2060:
      case 2062: case 3110: case 2063: case 2064: case 3134: case 3135: case 3136: case 3137: case 3138:
      case 3140: case 61550:
        break;
      default:
        handled = false;
        return;
    }
    if (!grid) return;
    switch (id) {
      case 2002:
        if (Variant().bModifyAllowed) grid->OnModify();
        else refuse("Modification is not allowed");
        break;
      case 2009:
        if (wnd) wnd->ShowHideTitleBar(!wnd->IsTitleBarShown());
        break;
      case 2010: grid->OnMenuStatusbar(); break;
      case 2047: grid->OnMarketByAggregate(); break;
      case 2056: grid->SetDefaultDemoFilter(COL_Order_Style, "", true, false, false); break;
      case 2057: case 2058: case 7365: grid->OnQuickFilter(id); break;
      case 2060: grid->OnTrades(); break;
      case 2062: grid->OnMarketpictureF6(); break;
      case 3110: grid->OnMarketpictureF5(); break;
      case 2063: grid->OnCancel(); break;
      case 2064:
        if (Variant().bCancelAllAllowed) grid->OnCancelall();
        else refuse("Cancellation is not allowed");
        break;
      case 3134: grid->OnCustomize(); break;
      case 3135: grid->OnLogoff(); break;
      case 3136: grid->OnSavefileExcelfile(); break;
      case 3137: grid->OnSavefileTextfile(); break;
      case 3138: grid->OnColumnprofile(); break;
      case 3140: grid->OnFitToSize(); break;
      case 61550: grid->OnGridProperties(); break;
      default: break;
    }
  });
  return handled;
}

pf::LRESULT OrderBookFilter::OnMessage(unsigned msg, pf::WPARAM wParam, pf::LPARAM lParam) {
  if (msg == pf::WM_COMMAND) {
    OnCommand(static_cast<unsigned>(wParam & 0xFFFF));
    return 0;
  }
  return CustomScrollingDialog::OnMessage(msg, wParam, lParam);
}
