#include "view/GridKeyActions.h"

#include "filterbar/OrderBookFilter.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/platform/Application.h"
#include "view/ColumnCatalogue.h"
#include "view/HostRequests.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

#include <cstdio>

namespace platform = orv::platform;

namespace {

constexpr std::int32_t kRequestCtrlShiftS = 26;
constexpr std::int32_t kRequestCtrlH = 10124;
constexpr const char* kSpreadLegText = "S";

// Horizontal scroll offset of a column's left edge: the widths of the visible columns shown
// before it.
int ColumnLeft(const OrderBookGrid& grid, int column) {
  int left = 0;
  for (int id : grid.GetColumnOrderArray()) {
    if (id == column) break;
    if (grid.GetColumnVisible(id)) left += grid.GetColumnWidth(id);
  }
  return left;
}

void ScrollToColumn(OrderBookGrid& grid, int column) {
  if (column < 0) return;
  grid.SetScrollPos(OrderBookGrid::SB_HORZ, ColumnLeft(grid, column));
}

OrderBookFilter* FilterBarOf(const OrderBookGrid& grid) {
  OrderBookWnd* wnd = grid.GetOwnerWnd();
  return wnd ? wnd->GetFilterBar() : nullptr;
}

bool HasActiveTokenFilter(const OrderBookGrid& grid) {
  const MULTIPLEFILTER_PARAM* filter = grid.FindFilter(COL_lOurToken);
  return filter != nullptr && !filter->bAll;
}

}  // namespace

namespace detail {

KeyModifiers ReadModifiers(const OrderBookGrid& grid) {
  KeyModifiers keys;
  if (!grid.HasApp()) return keys;
  const platform::KeyState& state = grid.App().Keys();
  keys.shift = state.IsPressed(platform::Key::Shift);
  keys.ctrl = state.IsPressed(platform::Key::Ctrl);
  keys.alt = state.IsPressed(platform::Key::Alt);
  return keys;
}

void FocusFilterBarFromTab(OrderBookGrid& grid, bool shift) {
  OrderBookWnd* wnd = grid.GetOwnerWnd();
  if (!wnd || !wnd->GetFilterBar()) return;
  wnd->GetFilterBar()->FocusFromGrid(shift);
}

void CloseByEscape(OrderBookGrid& grid) {
  OrderBookWnd* wnd = grid.GetOwnerWnd();
  if (!wnd || !wnd->IsCloseOnEscape()) return;
  // The grid shows no in-place tooltip of its own, so there is none to take down first.
  wnd->bClosedByEscape = true;
  grid.OnClose();
  grid.ClearSelection();
}

void CloseForgettingSelection(OrderBookGrid& grid) {
  AppOrderBook::Book(grid.Variant().eBook).LastSelected.clear();
  grid.OnClose();
}

void ToggleTitleBarWithStatusBar(OrderBookGrid& grid) {
  grid.OnMenuTitlebar();
  const OrderBookWnd* wnd = grid.GetOwnerWnd();
  if (wnd && wnd->IsTitleBarShown() != wnd->IsStatusBarShown()) grid.OnMenuStatusbar();
}

void SelectAllRows(OrderBookGrid& grid) {
  if (OrderBookWnd* wnd = grid.GetOwnerWnd()) wnd->bMultiRowSelected = true;
  grid.SelectAll();
}

void ClearCurrentColumnFilter(OrderBookGrid& grid) {
  const platform::GridItemID current = grid.GetCurSelItemID();
  if (current.IsNull() || current.m_nColumn < 0) {
    ClearAllFilters(grid);
    return;
  }
  // The header menu's clear command does the work, as if the column's header menu were open.
  grid.PrepareHeaderMenuColumn(current.m_nColumn);
  grid.OnFilterClear();
}

void ClearAllFilters(OrderBookGrid& grid) {
  grid.ClearFilter(-1);
  grid.FilterGridData();
  grid.SetDockTitleBylOurToken(0);
  if (OrderBookWnd* wnd = grid.GetOwnerWnd())
    if (OrderBookFilter* bar = wnd->GetFilterBar()) bar->ResetFilter(true);
}

void ToggleTokenFilter(OrderBookGrid& grid) {
  if (HasActiveTokenFilter(grid)) {
    grid.SetDefaultDemoFilter(COL_lOurToken, "", true, true, false);
    if (OrderBookFilter* bar = FilterBarOf(grid)) bar->EnableTokenChangeControls();
    return;
  }
  // Without a current row the host's token may belong to another window: nothing to narrow to.
  if (grid.GetCurSelItemID().IsNull()) return;
  const long token = AppGlobal::CurrentLOurTokenForApp;
  if (token < 1) return;
  char text[24];
  std::snprintf(text, sizeof text, "%ld", token);
  grid.SetDefaultDemoFilter(COL_lOurToken, text, false, true, false);
  if (OrderBookFilter* bar = FilterBarOf(grid)) bar->DisableTokenChangeControls();
}

void ShowSpreadOrdersOnly(OrderBookGrid& grid) {
  const MULTIPLEFILTER_PARAM* leg = grid.FindFilter(COL_OrderLeg);
  const bool spreadOnly = leg != nullptr && !leg->bAll && leg->lstValues.size() == 1 &&
                          leg->lstValues.front() == kSpreadLegText;
  if (!spreadOnly) {
    grid.SetDefaultDemoFilter(COL_OrderLeg, kSpreadLegText, false, true, false);
    return;
  }
  // Pressed again, the spread view stays and widens from one contract to every contract.
  if (HasActiveTokenFilter(grid)) {
    grid.SetDefaultDemoFilter(COL_lOurToken, "", true, true, false);
    if (OrderBookFilter* bar = FilterBarOf(grid)) bar->EnableTokenChangeControls();
  }
}

void CancelAllFromShiftF3(OrderBookGrid& grid) {
  OrderBookWnd::StampShiftF3Event();
  OrderBookWnd* wnd = grid.GetOwnerWnd();
  // A book that takes no cancel-all says so through the grid's command; the others go to the
  // window's own cancel-all, which builds and sends the requests itself.
  if (!wnd || !grid.Variant().bCancelAllAllowed) {
    grid.OnCancelall();
  } else {
    wnd->bMultiRowSelected = true;
    wnd->OnCancelAll();
    wnd->bMultiRowSelected = false;
  }
  grid.SetFocus();
}

void RequestFromCtrlShiftS(OrderBookGrid& grid) {
  // This request goes out without a sender number: the host answers it for any window.
  PostWindowPassing(grid, 0, kRequestCtrlShiftS);
}

void RequestFromCtrlH(OrderBookGrid& grid) {
  PostWindowPassing(grid, grid.Variant().nWindowIdentity, kRequestCtrlH);
}

void JumpToEdge(OrderBookGrid& grid, bool end) {
  if (!grid.SetSelectionOnKeyEvents(end ? platform::VK_END : platform::VK_HOME, false)) return;
  ScrollToColumn(grid, end ? grid.GetLastVisibleColumn() : grid.GetFirstVisibleColumn());
}

void PageBy(OrderBookGrid& grid, int vk, bool shift) {
  if (grid.GetCurSelItemID().IsNull()) {
    if (grid.GetVirtualRowCount() <= 0) return;
    grid.SetCurSel({0, grid.GetFirstVisibleColumn()}, platform::kSelSingleItem);
    grid.SetScrollPos(OrderBookGrid::SB_VERT, 0);
    return;
  }
  grid.SetSelectionOnKeyEvents(vk, shift);
}

void MoveToEdgeColumn(OrderBookGrid& grid, bool last) {
  const platform::GridItemID current = grid.GetCurSelItemID();
  if (current.IsNull()) return;
  const int column = last ? grid.GetLastVisibleColumn() : grid.GetFirstVisibleColumn();
  if (column < 0) return;
  const std::uint32_t wholeRow = grid.IsWholeRowSelection() ? platform::SM_ROW : 0;
  grid.SetCurSel({current.m_nRow, column}, platform::kSelSingleItem | wholeRow);
  ScrollToColumn(grid, column);
}

}  // namespace detail
