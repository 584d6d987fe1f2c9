#include "host/DisplayedChangeLog.h"

void DisplayedChangeLog::Enable(std::vector<OrderBookDetails*>& displayed, bool on) {
  m_bEnabled = on;
  if (on) Renumber(displayed);
  else Invalidate();
}

void DisplayedChangeLog::Invalidate() {
  m_base = End();
  m_entries.clear();
  ++m_generation;
}

void DisplayedChangeLog::Renumber(std::vector<OrderBookDetails*>& displayed) {
  Invalidate();
  if (!m_bEnabled) return;
  for (std::size_t i = 0; i < displayed.size(); ++i)
    if (displayed[i]) displayed[i]->nDisplayedIndex = static_cast<std::uint32_t>(i);
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
  if (record) Append({record, 0});
}

void DisplayedChangeLog::RecordAppended(OrderBookDetails* record, std::size_t index) const {
  if (m_bEnabled && record) record->nDisplayedIndex = static_cast<std::uint32_t>(index);
}

void DisplayedChangeLog::RecordRemoved(std::vector<OrderBookDetails*>& displayed, std::size_t index) {
  if (!m_bEnabled) return;
  // Rows leave mostly soon after they came, from the end of the vector, so this walk is short.
  for (std::size_t i = index; i < displayed.size(); ++i)
    if (displayed[i]) displayed[i]->nDisplayedIndex = static_cast<std::uint32_t>(i);
  Append({nullptr, static_cast<std::uint32_t>(index)});
}

bool DisplayedChangeLog::Since(std::uint64_t generation, std::uint64_t sequence,
                               std::span<const DisplayedChange>& out) const {
  if (!m_bEnabled || generation != m_generation || sequence < m_base || sequence > End()) return false;
  out = std::span<const DisplayedChange>(m_entries).subspan(static_cast<std::size_t>(sequence - m_base));
  return true;
}

void DisplayedChangeLog::Trim(std::uint64_t sequence) {
  if (sequence <= m_base) return;
  if (sequence >= End()) {
    m_base = End();
    m_entries.clear();
    return;
  }
  m_entries.erase(m_entries.begin(), m_entries.begin() + static_cast<std::ptrdiff_t>(sequence - m_base));
  m_base = sequence;
}
