#include "host/DisplayedChangeLog.h"

#include <algorithm>
#include <execution>

void DisplayedChangeLog::Enable(std::vector<OrderBookDetails*>& displayed, bool on) {
  m_bEnabled = on;
  if (on) Renumber(displayed);
  else Invalidate();
}

void DisplayedChangeLog::Invalidate() {
  m_base = End();
  m_entries.clear();
  m_reorders.clear();
  ++m_generation;
}

void DisplayedChangeLog::NumberRows(std::vector<OrderBookDetails*>& displayed) {
  m_drift = 0;
  if (!m_bEnabled) return;
  // In a sorted book the rows lie all over memory: both cores share the misses.
  std::for_each(std::execution::par_unseq, displayed.begin(), displayed.end(), [&](OrderBookDetails*& row) {
    if (row) row->nDisplayedIndex = static_cast<std::uint32_t>(&row - displayed.data());
  });
}

void DisplayedChangeLog::Renumber(std::vector<OrderBookDetails*>& displayed) {
  Invalidate();
  NumberRows(displayed);
}

void DisplayedChangeLog::AddDrift(std::vector<OrderBookDetails*>& displayed, std::size_t rows) {
  m_drift += rows;
  if (m_drift > kMaxDrift) NumberRows(displayed);
}

void DisplayedChangeLog::Append(const DisplayedChange& change) {
  if (!m_bEnabled) return;
  if (m_entries.size() >= kCapacity) {
    // Nobody reads: a reader coming back later rebuilds, which is cheaper than keeping everything.
    Invalidate();
    return;
  }
  m_entries.push_back(change);
}

void DisplayedChangeLog::RecordChanged(OrderBookDetails* record) {
  if (record) Append({DisplayedChange::Kind::Changed, record, 0, 0});
}

void DisplayedChangeLog::RecordAppended(OrderBookDetails* record, std::size_t index) const {
  if (m_bEnabled && record) record->nDisplayedIndex = static_cast<std::uint32_t>(index);
}

void DisplayedChangeLog::RecordRemoved(std::vector<OrderBookDetails*>& displayed, std::size_t index) {
  if (!m_bEnabled) return;
  Append({DisplayedChange::Kind::Removed, nullptr, static_cast<std::uint32_t>(index), 0});
  AddDrift(displayed, 1);
}

void DisplayedChangeLog::RecordReordered(std::vector<OrderBookDetails*>& displayed, std::vector<DisplayedMove> moves) {
  if (!m_bEnabled) return;
  std::size_t moved = 0;
  for (const DisplayedMove& move : moves) {
    move.pRecord->nDisplayedIndex = move.nTo;
    moved += move.nFrom != move.nTo;
  }
  if (m_entries.size() >= kCapacity) {
    Invalidate();
  } else {
    const std::uint64_t sequence = End();
    m_entries.push_back({DisplayedChange::Kind::Reordered, nullptr, 0, sequence});
    m_reorders.push_back({sequence, {static_cast<std::uint32_t>(displayed.size()), std::move(moves)}});
  }
  AddDrift(displayed, moved);
}

std::uint32_t DisplayedChangeLog::IndexOf(const std::vector<OrderBookDetails*>& displayed,
                                         const OrderBookDetails* record) const {
  if (!record || record->nDisplayedIndex == OrderBookDetails::kNotDisplayed) return OrderBookDetails::kNotDisplayed;
  const std::size_t n = displayed.size();
  const std::size_t hint = record->nDisplayedIndex;
  // Outward from the hint: most rows have drifted by a few places at most.
  for (std::size_t distance = 0; distance <= m_drift; ++distance) {
    if (distance <= hint && hint - distance < n && displayed[hint - distance] == record)
      return static_cast<std::uint32_t>(hint - distance);
    if (distance > 0 && hint + distance < n && displayed[hint + distance] == record)
      return static_cast<std::uint32_t>(hint + distance);
    if (distance > hint && hint + distance >= n) break;
  }
  return OrderBookDetails::kNotDisplayed;
}

bool DisplayedChangeLog::Since(std::uint64_t generation, std::uint64_t sequence,
                               std::span<const DisplayedChange>& out) const {
  if (!m_bEnabled || generation != m_generation || sequence < m_base || sequence > End()) return false;
  out = std::span<const DisplayedChange>(m_entries).subspan(static_cast<std::size_t>(sequence - m_base));
  return true;
}

const DisplayedReorder& DisplayedChangeLog::ReorderOf(const DisplayedChange& reordered) const {
  static const DisplayedReorder kNone;
  const auto it = std::lower_bound(m_reorders.begin(), m_reorders.end(), reordered.nSequence,
                                   [](const Reorder& r, std::uint64_t s) { return r.sequence < s; });
  return it != m_reorders.end() && it->sequence == reordered.nSequence ? it->what : kNone;
}

void DisplayedChangeLog::Trim(std::uint64_t sequence) {
  if (sequence <= m_base) return;
  if (sequence >= End()) {
    m_base = End();
    m_entries.clear();
    m_reorders.clear();
    return;
  }
  m_entries.erase(m_entries.begin(), m_entries.begin() + static_cast<std::ptrdiff_t>(sequence - m_base));
  m_base = sequence;
  while (!m_reorders.empty() && m_reorders.front().sequence < sequence) m_reorders.pop_front();
}
