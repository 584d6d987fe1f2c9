#pragma once
// Selection state of a grid: groups of selected cells (ranges, in the order they were made), the
// current item and whether whole rows are being selected. Pure state; the grid validates against
// its row and column counts and announces the changes.
#include "host/platform/GridItemID.h"
#include "host/platform/GridRange.h"

#include <cstdint>
#include <vector>

namespace orv::platform {

class GridSelection final {
 public:
  struct Outcome {
    bool changed = false;   // anything (groups or current item) changed
    bool selected = false;  // a group was made or stretched: `range` is it
    GridRange range;
  };

  // Applies one SetCurSel call (see GridSelectMode.h). The item must already be validated against
  // the grid (0 <= row < rowCount, -1 <= column < columnCount) unless its row is negative.
  Outcome Apply(GridItemID item, std::uint32_t mode, int columnCount);
  // Drops every group and the current item; true when there was anything to drop.
  bool Clear();
  // One whole-row group over rows 0..rowCount-1 (rowCount > 0). The current item stays; with none,
  // it becomes (0, defaultColumn).
  GridRange SelectAll(int rowCount, int columnCount, int defaultColumn);

  const std::vector<GridRange>& Ranges() const { return m_ranges; }
  GridItemID Current() const { return m_current; }
  bool IsWholeRow() const { return m_wholeRow; }
  bool IsRowSelected(int row) const;

 private:
  static GridRange Span(GridItemID from, GridItemID to, bool wholeRow, int columnCount);

  std::vector<GridRange> m_ranges;
  GridItemID m_anchor;        // first item of the last group
  bool m_anchorWholeRow = false;
  GridItemID m_current;
  bool m_wholeRow = false;
};

}  // namespace orv::platform
