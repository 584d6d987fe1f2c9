#include "host/CustomSplitterControl.h"

#include <algorithm>

namespace {
constexpr int kMaxTracks = 16;
}

bool CustomSplitterControl::CreateStatic(orv::platform::Window* parent, int rows, int cols, unsigned id) {
  if (parent == nullptr || !parent->GetSafeHwnd()) return false;
  if (rows < 1 || rows > kMaxTracks || cols < 1 || cols > kMaxTracks) return false;
  if (!CreateNative(parent)) return false;
  m_id = id;
  m_rows.assign(static_cast<std::size_t>(rows), Track{});
  m_cols.assign(static_cast<std::size_t>(cols), Track{});
  m_cells.assign(static_cast<std::size_t>(rows * cols), Cell{});
  m_rect = WindowRect{};
  ShowWindow(true);
  return true;
}

bool CustomSplitterControl::CreateView(int row, int col, orv::platform::Window& pane, int cx, int cy) {
  if (!GetSafeHwnd() || !IsCell(row, col)) return false;
  Cell& cell = CellAt(row, col);
  if (cell.pane != nullptr) return false;
  if (!pane.CreateNative(this)) return false;
  pane.ShowWindow(true);
  cell.pane = &pane;
  cell.creationHeight = std::max(cy, 0);
  m_rows[static_cast<std::size_t>(row)].ideal = std::max(cy, 0);
  m_cols[static_cast<std::size_t>(col)].ideal = std::max(cx, 0);
  return true;
}

orv::platform::Window* CustomSplitterControl::GetPane(int row, int col) const {
  if (!IsCell(row, col)) return nullptr;
  orv::platform::Window* pane = CellAt(row, col).pane;
  // A pane destroyed on its own no longer belongs to the splitter.
  return pane != nullptr && pane->GetSafeHwnd() && pane->GetParent() == this ? pane : nullptr;
}

unsigned CustomSplitterControl::IdFromRowCol(int row, int col) const {
  return IsCell(row, col) ? kFirstPaneId + 16u * static_cast<unsigned>(row) + static_cast<unsigned>(col) : 0u;
}

int CustomSplitterControl::GetPaneCreationHeight(int row, int col) const {
  return IsCell(row, col) ? CellAt(row, col).creationHeight : 0;
}

bool CustomSplitterControl::SetRowInfo(int row, int cyIdeal, int cyMin) {
  if (row < 0 || row >= GetRowCount()) return false;
  Track& track = m_rows[static_cast<std::size_t>(row)];
  track.ideal = std::max(cyIdeal, 0);
  track.minimum = std::max(cyMin, 0);
  return true;
}

bool CustomSplitterControl::GetRowInfo(int row, int& cyCur, int& cyMin) const {
  if (row < 0 || row >= GetRowCount()) return false;
  const Track& track = m_rows[static_cast<std::size_t>(row)];
  cyCur = track.current;
  cyMin = track.minimum;
  return true;
}

int CustomSplitterControl::GetRowIdealHeight(int row) const {
  return row >= 0 && row < GetRowCount() ? m_rows[static_cast<std::size_t>(row)].ideal : 0;
}

void CustomSplitterControl::Distribute(std::vector<Track>& tracks, int available) {
  // Every track but the last gets its ideal size while room is left; the last takes the rest.
  int left = std::max(available, 0);
  for (std::size_t i = 0; i + 1 < tracks.size(); ++i) {
    tracks[i].current = std::min(tracks[i].ideal, left);
    left -= tracks[i].current;
  }
  if (!tracks.empty()) tracks.back().current = left;
}

void CustomSplitterControl::RecalcLayout() {
  ++m_nRecalcs;
  if (m_rows.empty() || m_cols.empty()) return;
  Distribute(m_rows, m_rect.Height());
  Distribute(m_cols, m_rect.Width());
  int top = 0;
  for (int r = 0; r < GetRowCount(); ++r) {
    const int height = m_rows[static_cast<std::size_t>(r)].current;
    int x = 0;
    for (int c = 0; c < GetColumnCount(); ++c) {
      const int width = m_cols[static_cast<std::size_t>(c)].current;
      CellAt(r, c).rect = WindowRect::FromSize(x, top, width, height);
      x += width;
    }
    top += height;
  }
}

void CustomSplitterControl::SetWindowPos(const WindowRect& rect) {
  m_rect = rect;
  RecalcLayout();
}

WindowRect CustomSplitterControl::GetPaneRect(int row, int col) const {
  return IsCell(row, col) ? CellAt(row, col).rect : WindowRect{};
}

bool CustomSplitterControl::SetPaneRect(int row, int col, const WindowRect& rect) {
  if (!IsCell(row, col)) return false;
  CellAt(row, col).rect = rect;
  return true;
}
