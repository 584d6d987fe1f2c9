#pragma once
// The virtual grid control of our window-toolkit stand-in: rows exist only as a count, cells are
// asked from a callback when shown (and cached), columns, selection groups, the current item,
// vertical scrolling by rows, header sort marks and scale. It draws nothing: a view adapter listens
// to the change notifications and asks RequestCell for what it paints.
#include "host/platform/DispInfo.h"
#include "host/platform/GridCellCache.h"
#include "host/platform/GridChange.h"
#include "host/platform/GridColumnsInfo.h"
#include "host/platform/GridItemID.h"
#include "host/platform/GridRange.h"
#include "host/platform/GridSelectMode.h"
#include "host/platform/GridSelection.h"
#include "host/platform/Window.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::platform {

class GridCtrlModel : public Window {
 public:
  using CellCallback = std::function<bool(DispInfo&)>;
  using ChangeListener = std::function<void(GridChange)>;

  static constexpr int SB_HORZ = 0;
  static constexpr int SB_VERT = 1;
  static constexpr int kDefaultRowHeight = 20;
  static constexpr int kDefaultPageRows = 25;

  GridCtrlModel();
  ~GridCtrlModel() override;

  // ---- Virtual mode -------------------------------------------------------------------------
  void EnableVirtualMode(CellCallback callback);
  bool IsVirtualMode() const { return static_cast<bool>(m_cellCallback); }
  // Sets the row count (negative counts as 0). Empties the cell cache, clears the selection and the
  // current item (row numbers of the old rows mean nothing now) and clamps the scroll position.
  void SetVirtualRows(int rows);
  int GetVirtualRowCount() const { return m_rowCount; }
  // The cell as the callback answers it, from the cache when asked before. Rows or columns out of
  // range, row-level requests (column -1) and a grid without callback give an empty answer without
  // calling the callback; a callback that returns false gives an empty answer that is not cached.
  // The reference stays valid until the next RequestCell or the next change of the column count or
  // page size. Exceptions of the callback pass through; the cell is then not cached.
  const DispInfo& RequestCell(int row, int col);
  void EmptyCellCache();
  std::uint64_t GetCellCacheHits() const { return m_cache.Hits(); }
  std::uint64_t GetCellCacheMisses() const { return m_cache.Misses(); }

  // ---- Columns ------------------------------------------------------------------------------
  GridColumnsInfo& GetColumnsInfo() { return m_columns; }
  const GridColumnsInfo& GetColumnsInfo() const { return m_columns; }
  // Appends a column; `id` must be the current count (ids are creation positions) or -1.
  int InsertColumn(int id, std::string_view name, int width = 80, int valueType = GVT_TEXT) {
    return m_columns.InsertColumn(id, name, width, valueType);
  }
  void DeleteAllColumns() { m_columns.DeleteAllColumns(); }
  // Every column by default (the id range); visible ones only when includeHidden is false.
  int GetColumnCount(bool includeHidden = true) const { return m_columns.GetColumnCount(includeHidden); }
  const std::string& GetColumnName(int col) const { return m_columns.GetColumnName(col); }
  bool SetColumnName(int col, std::string_view name) { return m_columns.SetColumnName(col, name); }
  int GetColumnWidth(int col) const { return m_columns.GetColumnWidth(col); }
  bool SetColumnWidth(int col, int width) { return m_columns.SetColumnWidth(col, width); }
  int GetColumnDataType(int col) const { return m_columns.GetColumnDataType(col); }
  bool SetColumnDataType(int col, int valueType) { return m_columns.SetColumnDataType(col, valueType); }
  int GetColumnAlign(int col) const { return m_columns.GetColumnAlign(col); }
  bool SetColumnAlign(int col, int align) { return m_columns.SetColumnAlign(col, align); }
  bool GetColumnVisible(int col) const { return m_columns.GetColumnVisible(col); }
  bool SetColumnVisible(int col, bool visible) { return m_columns.SetColumnVisible(col, visible); }
  bool SetColumnOrderArray(const std::vector<int>& ids) { return m_columns.SetColumnOrderArray(ids); }
  const std::vector<int>& GetColumnOrderArray() const { return m_columns.GetColumnOrderArray(); }
  int OrderToIndex(int position) const { return m_columns.OrderToIndex(position); }
  int IndexToOrder(int col) const { return m_columns.IndexToOrder(col); }
  int GetFirstVisibleColumn() const { return m_columns.GetFirstVisibleColumn(); }
  int GetLastVisibleColumn() const { return m_columns.GetLastVisibleColumn(); }
  bool EnableColumnFilterButton(int col, bool enable) { return m_columns.EnableColumnFilterButton(col, enable); }
  bool IsColumnFilterButton(int col) const { return m_columns.IsColumnFilterButton(col); }

  // ---- Selection (mode bits: GridSelectMode.h) -----------------------------------------------
  // Returns false, changing nothing, for a row at or beyond the row count or a column outside
  // -1..count-1. A row below 0 clears the selection. `redraw` is accepted for the callers' sake:
  // the change is announced at once unless redrawing is off (then at SetRedraw(true)).
  bool SetCurSel(GridItemID item, std::uint32_t mode = kSelSingleItem, bool redraw = true);
  GridItemID GetCurSelItemID() const { return m_selection.Current(); }
  int GetSelectionCount() const { return static_cast<int>(m_selection.Ranges().size()); }
  bool GetSelection(int index, GridRange& range) const;
  const std::vector<GridRange>& GetSelectionRanges() const { return m_selection.Ranges(); }
  bool IsRowSelected(int row) const { return m_selection.IsRowSelected(row); }
  // One whole-row range over every row; the current item stays (row 0 of the first visible column
  // when there is none). Nothing happens in an empty grid.
  void SelectAll(bool redraw = true);
  void ClearSelection(bool redraw = true);
  // Whether the last selecting call selected whole rows (SM_ROW, SelectAll); clearing the selection
  // keeps it, so a rebuild that clears and restores selects the way the user did.
  bool IsWholeRowSelection() const { return m_selection.IsWholeRow(); }
  // Called after every change that selects (not for clearing), with the range that was made or
  // stretched and bSelect 1. Derived grids keep their own memory of the selection here.
  virtual void OnSelChanged(const GridRange& range, int bSelect);

  // ---- Scrolling ----------------------------------------------------------------------------
  // Vertical positions are pixels, always a whole number of rows: top row * row height.
  int GetScrollPos(int bar) const;
  void SetScrollPos(int bar, int pos, bool redraw = true);
  // Scrolls as little as possible to bring a row into the page; false for a row that does not exist.
  bool EnsureVisible(int row);
  int GetTopVisibleRow() const { return m_topRow; }
  int GetPageRows() const { return m_pageRows; }
  void SetPageRows(int rows);  // below 1 counts as 1; the view sets it from its viewport
  int GetRowHeight() const { return m_rowHeight; }
  void SetRowHeight(int pixels);  // below 1 counts as 1

  // ---- Redraw and notifications --------------------------------------------------------------
  // While redrawing is off, notifications are held and sent once each, in GridChange order, when
  // it is turned back on.
  void SetRedraw(bool enable);
  bool IsRedrawEnabled() const { return m_redrawEnabled; }
  void RedrawWindow(bool erase = false);
  void AdjustLayout();
  int GetRedrawCount() const { return m_redrawCount; }
  int GetAdjustLayoutCount() const { return m_adjustLayoutCount; }
  void SetChangeListener(ChangeListener listener) { m_listener = std::move(listener); }

  // ---- Header: sort marks, filter buttons, images ---------------------------------------------
  void EnableHeader(bool enable = true, std::uint32_t flags = 0);
  bool IsHeaderEnabled() const { return m_headerEnabled; }
  std::uint32_t GetHeaderFlags() const { return m_headerFlags; }
  void EnableMarkSortedColumn(bool mark = true, bool redraw = true);
  bool IsMarkSortedColumn() const { return m_markSortedColumn; }
  void EnableMultipleSort(bool enable = true) { m_multipleSort = enable; }
  bool IsMultipleSort() const { return m_multipleSort; }
  // 0 not sorted, 1 ascending, -1 descending.
  int GetColumnState(int col) const { return m_columns.GetColumnState(col); }
  void SetSortColumn(int col, bool ascending = true, bool multiple = false) {
    m_columns.SetSortColumn(col, ascending, multiple);
  }
  void RemoveSortColumn(int col) { m_columns.RemoveSortColumn(col); }
  void RemoveAllSortColumns() { m_columns.RemoveAllSortColumns(); }
  const std::vector<int>& GetSortColumns() const { return m_columns.GetSortColumns(); }
  // A header click: cycles the column's mark not sorted -> ascending -> descending -> not sorted,
  // keeping other marks when multiple sort is on. Derived grids sort their rows here.
  virtual void ToggleSortColumn(int col);
  // A click on a column's filter button; nothing by default.
  virtual void OnHeaderMenuButtonClick(int col);
  // Image of a column's header button: -1 without a filter button, else 0, or with the sort mark
  // shown 1 ascending / 2 descending.
  virtual int GetHeaderMenuButtonImageIndex(int col, bool withSortMark) const;
  // Header button images: a resource id and how many images the strip holds.
  void SetHeaderBtnImageList(int resourceId, int imageCount);
  void SetHeaderImageList(int resourceId) { SetHeaderBtnImageList(resourceId, 6); }
  int GetHeaderBtnImageList() const { return m_headerImageId; }
  int GetHeaderBtnImageCount() const { return m_headerImageCount; }

  // ---- Scale and display options ---------------------------------------------------------------
  // Scale is a factor (1.0 = 100 %), kept inside the scaling range (default 0.1 to 4.0).
  void SetScalingRange(double minScale, double maxScale);
  void SetScale(double scale);
  double GetScale() const { return m_scale; }
  double GetMinScale() const { return m_minScale; }
  double GetMaxScale() const { return m_maxScale; }
  void EnableFilter(bool enable = true) { m_filterEnabled = enable; }
  bool IsFilterEnabled() const { return m_filterEnabled; }
  void SetOutOfFilterLabel(std::string_view text) { m_outOfFilterLabel.assign(text); }
  const std::string& GetOutOfFilterLabel() const { return m_outOfFilterLabel; }
  void SetScrollBarsStyle(int style) { m_scrollBarsStyle = style; }
  int GetScrollBarsStyle() const { return m_scrollBarsStyle; }

 protected:
  void Notify(GridChange change);

 private:
  int MaxTopRow() const;
  bool SetTopRow(int row);

  GridColumnsInfo m_columns;
  GridSelection m_selection;
  GridCellCache m_cache;
  CellCallback m_cellCallback;
  DispInfo m_emptyAnswer;
  ChangeListener m_listener;
  unsigned m_pendingChanges = 0;  // bit per GridChange, while redrawing is off

  int m_rowCount = 0;
  int m_topRow = 0;
  int m_horzPos = 0;
  int m_pageRows = kDefaultPageRows;
  int m_rowHeight = kDefaultRowHeight;

  bool m_redrawEnabled = true;
  int m_redrawCount = 0;
  int m_adjustLayoutCount = 0;

  bool m_headerEnabled = true;
  std::uint32_t m_headerFlags = 0;
  bool m_markSortedColumn = false;
  bool m_multipleSort = false;
  int m_headerImageId = 0;
  int m_headerImageCount = 0;

  double m_scale = 1.0;
  double m_minScale = 0.1;
  double m_maxScale = 4.0;
  bool m_filterEnabled = false;
  std::string m_outOfFilterLabel;
  int m_scrollBarsStyle = 0;
};

}  // namespace orv::platform
