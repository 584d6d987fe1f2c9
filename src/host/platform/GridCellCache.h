#pragma once
// Answers of the virtual-mode cell callback, kept until the grid empties the cache.
//
// Direct-mapped: a cell has exactly one slot, chosen from its row (modulo a power of two at least a
// page and a bit) and its column id, so a lookup is an index computation and a compare, and a
// screenful of cells never evicts itself. Emptying bumps a generation number instead of touching the
// slots. Slots own their DispInfo, so refilling one reuses its text buffer.
#include "host/platform/DispInfo.h"

#include <cstdint>
#include <vector>

namespace orv::platform {

class GridCellCache final {
 public:
  // Sizes the slots for a column count and a page height; a no-op unless the shape changes (then
  // the cache is emptied). Call before Lookup whenever either may have changed.
  void Configure(int columnCount, int pageRows);

  // The slot of (row, col), col < the configured column count. `hit` tells whether it holds that
  // cell's answer; on a miss the slot is reset for the cell and stays invalid until Commit.
  DispInfo& Lookup(int row, int col, bool& hit);
  // Marks the slot valid, unless the cache was emptied since `generation` was read (an answer
  // computed before a Clear must not survive it).
  void Commit(int row, int col, std::uint32_t generation);
  void Clear();
  std::uint32_t Generation() const { return m_generation; }

  std::uint64_t Hits() const { return m_hits; }
  std::uint64_t Misses() const { return m_misses; }

 private:
  struct Slot {
    int row = -1;
    int col = -1;
    std::uint32_t generation = 0;  // 0 never matches: m_generation starts at 1
    DispInfo info;
  };

  std::size_t IndexOf(int row, int col) const {
    return (static_cast<std::size_t>(static_cast<unsigned>(row) & m_rowMask) << m_colShift) |
           static_cast<std::size_t>(col);
  }

  std::vector<Slot> m_slots;
  int m_columnCount = -1;
  int m_pageRows = -1;
  unsigned m_colShift = 0;
  unsigned m_rowMask = 0;
  std::uint32_t m_generation = 1;
  std::uint64_t m_hits = 0;
  std::uint64_t m_misses = 0;
};

}  // namespace orv::platform
