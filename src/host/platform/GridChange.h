#pragma once
// What a grid change touched, so that a view adapter repaints only that.
#include <cstdint>

namespace orv::platform {

enum class GridChange : std::uint8_t {
  RowCount,   // virtual row count set (cell cache emptied, selection cleared with it)
  Cells,      // cell cache emptied: every shown cell must be asked again
  Selection,  // selection ranges or the current item
  SortMarks,  // header sort marks
  Columns,    // columns added or removed, renamed, resized, hidden, reordered, realigned
  Scroll,     // scroll position
  Layout,     // AdjustLayout, scale, page size, header images, filter buttons
  Repaint,    // RedrawWindow
};

inline constexpr int kGridChangeKinds = 8;

}  // namespace orv::platform
