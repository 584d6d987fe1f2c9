#include "view/SelectionIndex.h"

#include "host/HashMix.h"

#include <bit>

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
    for (std::uint64_t slot = HashMix(key) & m_mask;; slot = (slot + 1) & m_mask) {
      if (m_keys[slot] == key) break;  // the memory never holds a pair twice; keep the first
      if (m_keys[slot] == 0) {
        m_keys[slot] = key;
        m_slotEntry[slot] = static_cast<std::uint32_t>(i);
        break;
      }
    }
  }
}

void SelectionIndex::Claim(std::uint64_t key, std::int64_t position) {
  for (std::uint64_t slot = HashMix(key) & m_mask;; slot = (slot + 1) & m_mask) {
    if (m_keys[slot] == 0) return;
    if (m_keys[slot] == key) {
      std::int64_t& found = m_positions[m_slotEntry[slot]];
      if (found < 0) found = position;
      return;
    }
  }
}

static_assert(sizeof(SelectionIndex::PackedRowKey) == 5, "a row list keeps one key beside every row");

void SelectionIndex::OfferRowKey(PackedRowKey rowKey, std::int64_t position) {
  if (m_count == 0 || (rowKey.flags & kRowPresent) == 0) return;
  const std::uint32_t refNo = rowKey.refNo;
  const bool spread = (rowKey.flags & kSpreadRow) != 0, legRow = (rowKey.flags & kLegRow) != 0;
  if (m_count <= kLinearLimit) {
    const auto& entries = *m_entries;
    for (std::size_t i = 0; i < m_count; ++i) {
      if (entries[i].RefNo != refNo || m_positions[i] >= 0) continue;
      if (spread && entries[i].bLegRow != legRow) continue;
      m_positions[i] = position;
    }
  } else if (spread) {
    Claim(Key(refNo, legRow), position);
  } else {
    Claim(Key(refNo, false), position);
    Claim(Key(refNo, true), position);
  }
}

void SelectionIndex::OfferRowKeys(const PackedRowKey* keys, std::size_t count) {
  if (m_count > kLinearLimit) {
    for (std::size_t i = 0; i < count; ++i) OfferRowKey(keys[i], static_cast<std::int64_t>(i));
    return;
  }
  // A few entries: each is one scan for the first row with either key that can match it (a plain
  // order's, or the spread row's with the entry's leg flag), which stops at the find.
  const auto& entries = *m_entries;
  for (std::size_t e = 0; e < m_count; ++e) {
    const std::uint32_t refNo = entries[e].RefNo;
    const std::uint8_t plain = kRowPresent;
    const std::uint8_t spread = kRowPresent | kSpreadRow | (entries[e].bLegRow ? kLegRow : 0);
    for (std::size_t i = 0; i < count; ++i) {
      const PackedRowKey key = keys[i];
      if (key.refNo == refNo && (key.flags == plain || key.flags == spread)) {
        m_positions[e] = static_cast<std::int64_t>(i);
        break;
      }
    }
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
