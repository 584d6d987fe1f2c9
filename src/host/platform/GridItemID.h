#pragma once
// One cell address of a grid: row number and column id; -1 means none.

namespace orv::platform {

struct GridItemID {
  int m_nRow = -1;
  int m_nColumn = -1;

  bool IsNull() const { return m_nRow < 0; }
  friend bool operator==(const GridItemID&, const GridItemID&) = default;
};

using CBCGPGridItemID = GridItemID;

}  // namespace orv::platform
