#include "host/platform/GridSelection.h"

#include "host/platform/GridSelectMode.h"

#include <algorithm>

namespace orv::platform {

GridRange GridSelection::Span(GridItemID from, GridItemID to, bool wholeRow, int columnCount) {
  GridRange r;
  r.m_nTop = std::min(from.m_nRow, to.m_nRow);
  r.m_nBottom = std::max(from.m_nRow, to.m_nRow);
  if (wholeRow || from.m_nColumn < 0 || to.m_nColumn < 0) {
    r.m_nLeft = columnCount > 0 ? 0 : -1;
    r.m_nRight = columnCount > 0 ? columnCount - 1 : -1;
  } else {
    r.m_nLeft = std::min(from.m_nColumn, to.m_nColumn);
    r.m_nRight = std::max(from.m_nColumn, to.m_nColumn);
  }
  return r;
}

GridSelection::Outcome GridSelection::Apply(GridItemID item, std::uint32_t mode, int columnCount) {
  Outcome out;
  if (item.m_nRow < 0) {
    out.changed = Clear();
    return out;
  }
  const bool wholeRow = (mode & SM_ROW) != 0;
  if ((mode & SM_ADD_SEL_GROUP) != 0 || (mode & SM_SINGLE_SEL_GROUP) != 0 ||
      ((mode & SM_EXTEND_SEL_GROUP) != 0 && m_ranges.empty())) {
    if ((mode & SM_ADD_SEL_GROUP) == 0) m_ranges.clear();
    m_anchor = item;
    m_anchorWholeRow = wholeRow;
    m_ranges.push_back(Span(item, item, wholeRow, columnCount));
  } else if ((mode & SM_EXTEND_SEL_GROUP) != 0) {
    m_anchorWholeRow = m_anchorWholeRow || wholeRow;
    m_ranges.back() = Span(m_anchor, item, m_anchorWholeRow, columnCount);
  } else {
    if ((mode & SM_SET_ACTIVE_ITEM) != 0 && !(m_current == item)) {
      m_current = item;
      out.changed = true;
    }
    return out;
  }
  m_current = item;
  m_wholeRow = wholeRow;
  out.changed = true;
  out.selected = true;
  out.range = m_ranges.back();
  return out;
}

bool GridSelection::Clear() {
  const bool had = !m_ranges.empty() || !m_current.IsNull();
  m_ranges.clear();
  m_anchor = GridItemID{};
  m_anchorWholeRow = false;
  m_current = GridItemID{};
  return had;
}

GridRange GridSelection::SelectAll(int rowCount, int columnCount, int defaultColumn) {
  m_anchor = GridItemID{0, -1};
  m_anchorWholeRow = true;
  m_ranges.assign(1, Span(m_anchor, GridItemID{rowCount - 1, -1}, true, columnCount));
  if (m_current.IsNull() || m_current.m_nRow >= rowCount) m_current = GridItemID{0, defaultColumn};
  m_wholeRow = true;
  return m_ranges.back();
}

bool GridSelection::IsRowSelected(int row) const {
  return std::any_of(m_ranges.begin(), m_ranges.end(),
                     [row](const GridRange& r) { return r.ContainsRow(row); });
}

}  // namespace orv::platform
