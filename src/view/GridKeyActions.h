#pragma once
// The steps behind the grid's keys that are more than one handler call. The key map itself is
// OrderBookGrid::PreTranslateMessage (GridKeys.cpp); these helpers keep it a plain table.
class OrderBookGrid;

namespace detail {

// Modifier keys held when the key went down.
struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// The modifiers as the grid's Application reports them (none without an Application).
KeyModifiers ReadModifiers(const OrderBookGrid& grid);

// Tab with the filter bar shown: the first enabled contract field, or with Shift the Show Status
// button (the client code edit when the miscellaneous controls are disabled).
void FocusFilterBarFromTab(OrderBookGrid& grid, bool shift);
// Escape while the window closes on Escape.
void CloseByEscape(OrderBookGrid& grid);
// Ctrl+F4: forget the remembered selection, then close the window.
void CloseForgettingSelection(OrderBookGrid& grid);
// Ctrl+B: the title bar, with the status bar following it when they would otherwise differ.
void ToggleTitleBarWithStatusBar(OrderBookGrid& grid);
// Ctrl+A.
void SelectAllRows(OrderBookGrid& grid);

// Ctrl+X: clears the filter of the current column; with no current item, every filter.
void ClearCurrentColumnFilter(OrderBookGrid& grid);
// Ctrl+Shift+X.
void ClearAllFilters(OrderBookGrid& grid);
// F3: one contract's orders (the current token) or, when a token filter is on, all of them again.
void ToggleTokenFilter(OrderBookGrid& grid);
// Alt+F3: only spread orders.
void ShowSpreadOrdersOnly(OrderBookGrid& grid);
// Shift+F3: cancel all, stamped for the host as a Shift+F3 run.
void CancelAllFromShiftF3(OrderBookGrid& grid);

// Ctrl+Shift+S and Ctrl+H: requests to the host's main window.
void RequestFromCtrlShiftS(OrderBookGrid& grid);
void RequestFromCtrlH(OrderBookGrid& grid);

// Home or End as the edge keys do it (Ctrl+PageUp/Down, Ctrl+Up/Down, Ctrl+Shift+Home/End/Up/
// Down): first or last row, and the view scrolled to the first or last visible column.
void JumpToEdge(OrderBookGrid& grid, bool end);
// PageUp/PageDown: with no current row, the first row and the top of the grid; otherwise a page
// as the grid base moves it.
void PageBy(OrderBookGrid& grid, int vk, bool shift);
// Ctrl+Left/Right: the current item to the first or last visible column of its row.
void MoveToEdgeColumn(OrderBookGrid& grid, bool last);

}  // namespace detail
