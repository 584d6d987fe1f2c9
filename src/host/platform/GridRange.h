#pragma once
// A rectangle of grid cells, both corners included: rows top..bottom, columns left..right (column ids).

namespace orv::platform {

struct GridRange {
  int m_nTop = -1;
  int m_nLeft = -1;
  int m_nBottom = -1;
  int m_nRight = -1;

  bool IsEmpty() const { return m_nTop < 0 || m_nBottom < m_nTop; }
  bool ContainsRow(int row) const { return !IsEmpty() && row >= m_nTop && row <= m_nBottom; }
  int RowCount() const { return IsEmpty() ? 0 : m_nBottom - m_nTop + 1; }

  friend bool operator==(const GridRange&, const GridRange&) = default;
};

using CBCGPGridRange = GridRange;

}  // namespace orv::platform
