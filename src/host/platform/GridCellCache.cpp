#include "host/platform/GridCellCache.h"

#include <algorithm>
#include <bit>

namespace orv::platform {

void GridCellCache::Configure(int columnCount, int pageRows) {
  if (columnCount == m_columnCount && pageRows == m_pageRows) return;
  m_columnCount = columnCount;
  m_pageRows = pageRows;
  const unsigned columns = static_cast<unsigned>(std::max(1, columnCount));
  m_colShift = static_cast<unsigned>(std::bit_width(columns - 1u));
  // Some rows beyond a page keep a small scroll from re-asking the cells that stay in view.
  const unsigned rows = std::bit_ceil(static_cast<unsigned>(std::max(32, pageRows + 8)));
  m_rowMask = rows - 1u;
  m_slots.assign(static_cast<std::size_t>(rows) << m_colShift, Slot{});
  m_generation = 1;
}

DispInfo& GridCellCache::Lookup(int row, int col, bool& hit) {
  Slot& slot = m_slots[IndexOf(row, col)];
  hit = slot.generation == m_generation && slot.row == row && slot.col == col;
  if (hit) {
    ++m_hits;
  } else {
    ++m_misses;
    slot.generation = 0;
    slot.row = row;
    slot.col = col;
    slot.info.Reset(row, col);
  }
  return slot.info;
}

void GridCellCache::Commit(int row, int col, std::uint32_t generation) {
  if (generation != m_generation) return;
  Slot& slot = m_slots[IndexOf(row, col)];
  if (slot.row == row && slot.col == col) slot.generation = m_generation;
}

void GridCellCache::Clear() {
  if (++m_generation == 0) {
    // After four billion clears the stamps would repeat: start again from a clean slate.
    for (Slot& slot : m_slots) slot.generation = 0;
    m_generation = 1;
  }
}

}  // namespace orv::platform
