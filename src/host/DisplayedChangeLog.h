#pragma once
// The store's journal of what happened to one book's displayed vector since a view last rebuilt
// from it: records changed in place and rows taken out, in order. Rows added at the end need no
// entry (a view sees them past the size it knows). Anything the journal cannot describe (a sort, a
// change the host did not name, the store emptied) starts a new generation, and a view that finds a
// generation it does not know rebuilds from scratch. While the journal is on, the store keeps every
// displayed record's nDisplayedIndex.
#include "host/records/OrderBookDetails.h"

#include <cstdint>
#include <span>
#include <vector>

struct DisplayedChange {
  OrderBookDetails* pRecord = nullptr;  // changed in place; null for a removal
  std::uint32_t nRemovedAt = 0;         // a removal: the index the row had when it was taken out
};

class DisplayedChangeLog final {
 public:
  bool Enabled() const { return m_bEnabled; }
  // Turning it on numbers the displayed records; either way a new generation starts.
  void Enable(std::vector<OrderBookDetails*>& displayed, bool on);

  std::uint64_t Generation() const { return m_generation; }
  // The sequence number the next entry will get.
  std::uint64_t End() const { return m_base + m_entries.size(); }

  void RecordChanged(OrderBookDetails* record);
  // Called after the row at `index` left the vector: renumbers the rows behind it.
  void RecordRemoved(std::vector<OrderBookDetails*>& displayed, std::size_t index);
  // Numbers a row just appended.
  void RecordAppended(OrderBookDetails* record, std::size_t index) const;
  // Something changed that the entries cannot describe.
  void Invalidate();
  // Renumbers every row and starts a new generation (after the vector was reordered).
  void Renumber(std::vector<OrderBookDetails*>& displayed);

  // The entries from `sequence` on, when the journal still reaches back to it in `generation`.
  bool Since(std::uint64_t generation, std::uint64_t sequence, std::span<const DisplayedChange>& out) const;
  // Drops the entries before `sequence`; a reader further behind then rebuilds from scratch.
  void Trim(std::uint64_t sequence);

  // Entries kept at most while no reader trims them; past it the journal starts a new generation.
  static constexpr std::size_t kCapacity = 1u << 16;

 private:
  void Append(const DisplayedChange& change);

  bool m_bEnabled = false;
  std::uint64_t m_generation = 1;
  std::uint64_t m_base = 0;  // sequence number of m_entries[0]
  std::vector<DisplayedChange> m_entries;
};
