#pragma once
// The store's journal of what happened to one book's displayed vector since a view last rebuilt
// from it: records changed in place, rows taken out and rows reordered by a sorted book, in order.
// Rows added at the end need no entry (a view sees them past the size it knows). Anything the
// journal cannot describe (a full sort, a change the host did not name, the store emptied) starts
// a new generation, and a view that finds a generation it does not know rebuilds from scratch.
//
// While the journal is on, every displayed record carries a hint of its place (nDisplayedIndex):
// exact when it was last numbered, and off by at most the rows taken out or moved since, so it is
// found by a short search near the hint. Renumbering every row after each move would touch a
// million records a tick in a sorted book; the rows are renumbered only once the drift grows.
#include "host/records/OrderBookDetails.h"

#include <cstdint>
#include <deque>
#include <span>
#include <vector>

// A record a sorted book put elsewhere: its index before and after the reorder.
struct DisplayedMove {
  OrderBookDetails* pRecord = nullptr;
  std::uint32_t nFrom = 0;
  std::uint32_t nTo = 0;
};

// What a Reordered entry did: the rows the vector had, and every record it placed.
struct DisplayedReorder {
  std::uint32_t nRows = 0;
  std::vector<DisplayedMove> moves;
};

struct DisplayedChange {
  enum class Kind : std::uint8_t { Changed, Removed, Reordered };
  Kind eKind = Kind::Changed;
  OrderBookDetails* pRecord = nullptr;  // Changed: the record
  std::uint32_t nRemovedAt = 0;         // Removed: the index the row had when it was taken out
  std::uint64_t nSequence = 0;          // Reordered: this entry's own sequence number
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
  // Called after the row at `index` left the vector.
  void RecordRemoved(std::vector<OrderBookDetails*>& displayed, std::size_t index);
  // Numbers a row just appended.
  void RecordAppended(OrderBookDetails* record, std::size_t index) const;
  // Called after a sorted book moved rows: `moves` names every record it placed (moved or not),
  // each with its index before and after; the other rows kept their order.
  void RecordReordered(std::vector<OrderBookDetails*>& displayed, std::vector<DisplayedMove> moves);
  // Something changed that the entries cannot describe.
  void Invalidate();
  // Renumbers every row and starts a new generation (after the vector was reordered).
  void Renumber(std::vector<OrderBookDetails*>& displayed);

  // Where a record stands in the displayed vector now; kNotDisplayed when it is not there.
  std::uint32_t IndexOf(const std::vector<OrderBookDetails*>& displayed, const OrderBookDetails* record) const;

  // The entries from `sequence` on, when the journal still reaches back to it in `generation`.
  bool Since(std::uint64_t generation, std::uint64_t sequence, std::span<const DisplayedChange>& out) const;
  // What a Reordered entry that Since returned did.
  const DisplayedReorder& ReorderOf(const DisplayedChange& reordered) const;
  // Drops the entries before `sequence`; a reader further behind then rebuilds from scratch.
  void Trim(std::uint64_t sequence);

  // Entries kept at most while no reader trims them; past it the journal starts a new generation.
  static constexpr std::size_t kCapacity = 1u << 16;
  // Rows moved or taken out before the hints are renumbered: bounds the search for a record.
  static constexpr std::size_t kMaxDrift = 1u << 14;

 private:
  struct Reorder {
    std::uint64_t sequence;
    DisplayedReorder what;
  };
  void Append(const DisplayedChange& change);
  void NumberRows(std::vector<OrderBookDetails*>& displayed);
  void AddDrift(std::vector<OrderBookDetails*>& displayed, std::size_t rows);

  bool m_bEnabled = false;
  std::uint64_t m_generation = 1;
  std::uint64_t m_base = 0;  // sequence number of m_entries[0]
  std::vector<DisplayedChange> m_entries;
  std::deque<Reorder> m_reorders;  // of the entries kept, oldest first
  std::size_t m_drift = 0;         // how far a hint may be off
};
