#include "host/platform/GridCtrlModel.h"

#include <algorithm>
#include <cmath>

namespace orv::platform {

namespace {
unsigned Bit(GridChange change) { return 1u << static_cast<unsigned>(change); }
}  // namespace

GridCtrlModel::GridCtrlModel() {
  m_columns.SetChangeSink([this](GridChange change) { Notify(change); });
}

GridCtrlModel::~GridCtrlModel() = default;

void GridCtrlModel::Notify(GridChange change) {
  if (!m_redrawEnabled) {
    m_pendingChanges |= Bit(change);
    return;
  }
  if (m_listener) m_listener(change);
}

// ---- Virtual mode ---------------------------------------------------------------------------

void GridCtrlModel::EnableVirtualMode(CellCallback callback) {
  m_cellCallback = std::move(callback);
  m_cache.Clear();
  Notify(GridChange::Cells);
}

void GridCtrlModel::SetVirtualRows(int rows) {
  m_rowCount = std::max(0, rows);
  m_cache.Clear();
  if (m_selection.Clear()) Notify(GridChange::Selection);
  SetTopRow(m_topRow);
  Notify(GridChange::RowCount);
}

const DispInfo& GridCtrlModel::RequestCell(int row, int col) {
  const int columnCount = m_columns.GetColumnCount();
  if (!m_cellCallback || row < 0 || row >= m_rowCount || col < 0 || col >= columnCount) {
    m_emptyAnswer.Reset(row, col);
    return m_emptyAnswer;
  }
  m_cache.Configure(columnCount, m_pageRows);
  bool hit = false;
  DispInfo& info = m_cache.Lookup(row, col, hit);
  if (hit) return info;
  const std::uint32_t generation = m_cache.Generation();
  if (m_cellCallback(info)) {
    m_cache.Commit(row, col, generation);
  } else {
    info.Reset(row, col);
  }
  return info;
}

void GridCtrlModel::EmptyCellCache() {
  m_cache.Clear();
  Notify(GridChange::Cells);
}

// ---- Selection --------------------------------------------------------------------------------

bool GridCtrlModel::SetCurSel(GridItemID item, std::uint32_t mode, bool /*redraw*/) {
  if (item.m_nRow >= m_rowCount) return false;
  if (item.m_nRow >= 0 && (item.m_nColumn < -1 || item.m_nColumn >= m_columns.GetColumnCount())) {
    return false;
  }
  const GridSelection::Outcome outcome = m_selection.Apply(item, mode, m_columns.GetColumnCount());
  if (outcome.changed) Notify(GridChange::Selection);
  if (outcome.selected) OnSelChanged(outcome.range, 1);
  return true;
}

bool GridCtrlModel::GetSelection(int index, GridRange& range) const {
  const auto& ranges = m_selection.Ranges();
  if (index < 0 || index >= static_cast<int>(ranges.size())) return false;
  range = ranges[static_cast<std::size_t>(index)];
  return true;
}

void GridCtrlModel::SelectAll(bool /*redraw*/) {
  if (m_rowCount == 0) return;
  const GridRange all =
      m_selection.SelectAll(m_rowCount, m_columns.GetColumnCount(), m_columns.GetFirstVisibleColumn());
  Notify(GridChange::Selection);
  OnSelChanged(all, 1);
}

void GridCtrlModel::ClearSelection(bool /*redraw*/) {
  if (m_selection.Clear()) Notify(GridChange::Selection);
}

void GridCtrlModel::OnSelChanged(const GridRange& /*range*/, int /*bSelect*/) {}

// ---- Scrolling --------------------------------------------------------------------------------

int GridCtrlModel::MaxTopRow() const { return std::max(0, m_rowCount - m_pageRows); }

bool GridCtrlModel::SetTopRow(int row) {
  const int top = std::clamp(row, 0, MaxTopRow());
  if (top == m_topRow) return false;
  m_topRow = top;
  Notify(GridChange::Scroll);
  return true;
}

int GridCtrlModel::GetScrollPos(int bar) const {
  return bar == SB_VERT ? m_topRow * m_rowHeight : m_horzPos;
}

void GridCtrlModel::SetScrollPos(int bar, int pos, bool /*redraw*/) {
  if (bar == SB_VERT) {
    SetTopRow(pos / m_rowHeight);
    return;
  }
  int width = 0;
  for (int id : m_columns.GetColumnOrderArray()) {
    if (m_columns.GetColumnVisible(id)) width += m_columns.GetColumnWidth(id);
  }
  const int horz = std::clamp(pos, 0, width);
  if (horz != m_horzPos) {
    m_horzPos = horz;
    Notify(GridChange::Scroll);
  }
}

bool GridCtrlModel::EnsureVisible(int row) {
  if (row < 0 || row >= m_rowCount) return false;
  if (row < m_topRow) {
    SetTopRow(row);
  } else if (row >= m_topRow + m_pageRows) {
    SetTopRow(row - m_pageRows + 1);
  }
  return true;
}

void GridCtrlModel::SetPageRows(int rows) {
  const int page = std::max(1, rows);
  if (page == m_pageRows) return;
  m_pageRows = page;
  SetTopRow(m_topRow);
  Notify(GridChange::Layout);
}

void GridCtrlModel::SetRowHeight(int pixels) {
  const int height = std::max(1, pixels);
  if (height == m_rowHeight) return;
  m_rowHeight = height;
  Notify(GridChange::Layout);
}

// ---- Redraw -----------------------------------------------------------------------------------

void GridCtrlModel::SetRedraw(bool enable) {
  m_redrawEnabled = enable;
  if (!enable || m_pendingChanges == 0) return;
  const unsigned pending = m_pendingChanges;
  m_pendingChanges = 0;
  for (int kind = 0; kind < kGridChangeKinds; ++kind) {
    if ((pending & (1u << static_cast<unsigned>(kind))) != 0) Notify(static_cast<GridChange>(kind));
  }
}

void GridCtrlModel::RedrawWindow(bool /*erase*/) {
  ++m_redrawCount;
  Notify(GridChange::Repaint);
}

void GridCtrlModel::AdjustLayout() {
  ++m_adjustLayoutCount;
  Notify(GridChange::Layout);
}

// ---- Header -----------------------------------------------------------------------------------

void GridCtrlModel::EnableHeader(bool enable, std::uint32_t flags) {
  m_headerEnabled = enable;
  m_headerFlags = flags;
  Notify(GridChange::Layout);
}

void GridCtrlModel::EnableMarkSortedColumn(bool mark, bool /*redraw*/) {
  if (mark == m_markSortedColumn) return;
  m_markSortedColumn = mark;
  Notify(GridChange::SortMarks);
}

void GridCtrlModel::ToggleSortColumn(int col) {
  switch (m_columns.GetColumnState(col)) {
    case 0:
      m_columns.SetSortColumn(col, true, m_multipleSort);
      break;
    case 1:
      m_columns.SetSortColumn(col, false, m_multipleSort);
      break;
    default:
      m_columns.RemoveSortColumn(col);
      break;
  }
}

void GridCtrlModel::OnHeaderMenuButtonClick(int /*col*/) {}

int GridCtrlModel::GetHeaderMenuButtonImageIndex(int col, bool withSortMark) const {
  if (!m_columns.IsColumnFilterButton(col)) return -1;
  if (!withSortMark) return 0;
  switch (m_columns.GetColumnState(col)) {
    case 1:
      return 1;
    case -1:
      return 2;
    default:
      return 0;
  }
}

void GridCtrlModel::SetHeaderBtnImageList(int resourceId, int imageCount) {
  m_headerImageId = resourceId;
  m_headerImageCount = std::max(0, imageCount);
  Notify(GridChange::Layout);
}

// ---- Scale ------------------------------------------------------------------------------------

void GridCtrlModel::SetScalingRange(double minScale, double maxScale) {
  if (!(minScale > 0.0) || !(maxScale >= minScale)) return;  // also refuses NaN
  m_minScale = minScale;
  m_maxScale = maxScale;
  SetScale(m_scale);
}

void GridCtrlModel::SetScale(double scale) {
  if (std::isnan(scale)) return;
  const double clamped = std::clamp(scale, m_minScale, m_maxScale);
  if (clamped == m_scale) return;
  m_scale = clamped;
  Notify(GridChange::Layout);
}

}  // namespace orv::platform
