#include "view/SelectionIndex.h"

#include <bit>

namespace {

std::uint64_t Mix(std::uint64_t key) {
  key ^= key >> 33;
  key *= 0xff51afd7ed558ccdULL;
  key ^= key >> 33;
  return key;
}

}  // namespace

void SelectionIndex::Build(const std::vector<LastSelectedOrderData_map>& entries) {
  m_entries = &entries;
  m_count = entries.size();
  m_positions.assign(m_count, -1);
  if (m_count <= kLinearLimit) return;
  std::size_t capacity = std::bit_ceil(m_count * 2);
  m_mask = capacity - 1;
  m_keys.assign(capacity, 0);
  m_slotEntry.assign(capacity, 0);
  for (std::size_t i = 0; i < m_count; ++i) {
    std::uint64_t key = Key(entries[i].RefNo, entries[i].bLegRow);
    for (std::uint64_t slot = Mix(key) & m_mask;; slot = (slot + 1) & m_mask) {
      if (m_keys[slot] == key) break;  // the memory never holds a pair twice; keep the first
      if (m_keys[slot] == 0) {
        m_keys[slot] = key;
        m_slotEntry[slot] = static_cast<std::uint32_t>(i);
        break;
      }
    }
  }
}

void SelectionIndex::OfferLinear(const OrderBookDetails& record, std::int64_t position) {
  const auto& entries = *m_entries;
  const bool spread = record.eOrderLeg == eSpreadLeg;
  for (std::size_t i = 0; i < m_count; ++i) {
    if (entries[i].RefNo != record.RefNo || m_positions[i] >= 0) continue;
    if (spread && entries[i].bLegRow != record.IsLegRow()) continue;
    m_positions[i] = position;
  }
}

void SelectionIndex::Claim(std::uint64_t key, std::int64_t position) {
  for (std::uint64_t slot = Mix(key) & m_mask;; slot = (slot + 1) & m_mask) {
    if (m_keys[slot] == 0) return;
    if (m_keys[slot] == key) {
      std::int64_t& found = m_positions[m_slotEntry[slot]];
      if (found < 0) found = position;
      return;
    }
  }
}

void SelectionIndex::OfferHashed(const OrderBookDetails& record, std::int64_t position) {
  if (record.eOrderLeg == eSpreadLeg) {
    Claim(Key(record.RefNo, record.IsLegRow()), position);
  } else {
    // A plain order matches an entry with its RefNo whatever the entry's leg flag.
    Claim(Key(record.RefNo, false), position);
    Claim(Key(record.RefNo, true), position);
  }
}

std::vector<std::pair<std::size_t, std::size_t>> findConsecutiveSubsequences(const std::vector<int>& rows) {
  std::vector<std::pair<std::size_t, std::size_t>> runs;
  std::size_t start = 0;
  for (std::size_t i = 1; i <= rows.size(); ++i) {
    bool continues = i < rows.size() && (rows[i] - rows[i - 1] == 1 || rows[i] - rows[i - 1] == -1);
    if (!continues) {
      if (i > start) runs.emplace_back(start, i - 1);
      start = i;
    }
  }
  return runs;
}
