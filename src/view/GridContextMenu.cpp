// The grid's context menu: menu 2001 with its items ticked and greyed for the view's state.
#include "view/OrderBookGrid.h"

#include "host/AppGlobal.h"
#include "host/platform/Application.h"
#include "host/platform/Menu.h"
#include "sortfilter/QuickFilters.h"
#include "view/ModuleResources.h"
#include "view/OrderBookWnd.h"

#include <string>

namespace {

using namespace orv::platform;

constexpr unsigned kGridItem = 5001;
constexpr unsigned kGridPropertiesItem = 5010;
constexpr unsigned kTitleBarItem = 2009;
constexpr unsigned kStatusBarItem = 2010;
constexpr unsigned kFilterBarItem = 2004;
constexpr unsigned kUsersItem = 2059;
constexpr unsigned kSaveFilterItem = 32780;
constexpr unsigned kBulkExcelItem = 32775;
constexpr unsigned kBulkTextItem = 32774;

unsigned Checked(bool on) { return MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED); }

// Ticks the quick filters the grid's column filters hold. A group's All item stands for "no
// filter"; an item that is the filter's only value is greyed, since choosing it would empty the
// filter rather than narrow it.
void MarkQuickFilters(Menu& menu, const OrvGridCtrl& grid) {
  const auto items = QuickFilterItems();
  for (std::size_t i = 0; i < items.size(); ++i) {
    const QuickFilterItem& allItem = items[i];
    if (allItem.eMode != QuickFilterMode::All) continue;
    const int col = allItem.nCol;
    if (!grid.IsFilterExist(col)) {
      menu.CheckMenuItem(allItem.nId, Checked(true));
      menu.EnableMenuItem(allItem.nId, MF_BYCOMMAND | MF_GRAYED);
      continue;
    }
    const bool single = grid.GetFilterCountByColumn(col) == 1;
    for (std::size_t j = i + 1; j < items.size() && items[j].eMode != QuickFilterMode::All; ++j) {
      const QuickFilterItem& item = items[j];
      if (!item.bTickedInMenu || !grid.IsFilterExist(col, item.cValue)) continue;
      menu.CheckMenuItem(item.nId, Checked(true));
      if (single) menu.EnableMenuItem(item.nId, MF_BYCOMMAND | MF_GRAYED);
    }
  }
}

}  // namespace

void OrderBookGrid::OnContextMenu(int x, int y) {
  try {
    if (m_pWnd == nullptr) return;
    m_pWnd->HideAllFloatingBarForMDITab();

    Menu menu;
    const bool loaded = HasApp() ? menu.LoadMenu(App().Resources(), ModuleResources::kGridMenu)
                                 : menu.LoadMenu(ModuleResources::kGridMenu);
    Menu* popup = loaded ? menu.GetSubMenu(0) : nullptr;
    if (popup == nullptr) return;

    popup->RemoveMenu(kGridPropertiesItem, MF_BYCOMMAND);
    popup->ModifyMenu(kGridItem, MF_BYCOMMAND | MF_STRING | (IsGridLinesShown() ? MF_CHECKED : MF_UNCHECKED),
                      kGridItem, "&Grid");
    popup->CheckMenuItem(kTitleBarItem, Checked(m_pWnd->IsTitleBarShown()));
    popup->CheckMenuItem(kStatusBarItem, Checked(m_pWnd->GetStatusBar()->IsVisible()));

    MarkQuickFilters(*popup, *this);

    if (!Variant().bBulkItemsFollowSetting || !AppGlobal::g_bPendingOrdersOnBulkWindow) {
      popup->EnableMenuItem(kBulkExcelItem, MF_BYCOMMAND | MF_GRAYED);
      popup->EnableMenuItem(kBulkTextItem, MF_BYCOMMAND | MF_GRAYED);
      popup->ModifyMenu(kFilterBarItem, MF_BYCOMMAND | MF_STRING, kFilterBarItem, "&Filter Bar..\tShift+S");
    }
    // Without a login record nothing says the user may see other users' orders.
    const ORVEL5901* login = AppGlobal::g_pObjLoginResponse;
    if (login == nullptr || login->allClients() == 0) popup->EnableMenuItem(kUsersItem, MF_BYCOMMAND | MF_GRAYED);

    popup->RemoveMenu(kSaveFilterItem, MF_BYCOMMAND);

    // The chosen command reaches the grid as a posted command message.
    popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, this);
    menu.DestroyMenu();
  } catch (...) {
    LogException("OnContextMenu");
  }
}
