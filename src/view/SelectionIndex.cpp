#include "view/SelectionIndex.h"

#include "host/HashMix.h"

#include <algorithm>
#include <bit>

void SelectionIndex::Build(const std::vector<LastSelectedOrderData_map>& entries) {
  m_entries = &entries;
  m_count = entries.size();
  m_positions.assign(m_count, -1);
  if (m_count <= kLinearLimit) {
    // A select-all's table is not kept through the single selections that follow it.
    std::vector<std::uint64_t>().swap(m_slots);
    if (m_positions.capacity() > 4 * kLinearLimit) m_positions.shrink_to_fit();
    return;
  }
  // 1.5 to 3 slots an entry: at two thirds full a probe still ends within a cache line or two,
  // and a select-all of a million rows holds 12 to 24 bytes a row here.
  const std::size_t capacity = std::bit_ceil(m_count + m_count / 2 + 1);
  m_mask = capacity - 1;
  m_slots.assign(capacity, kFreeSlot);
  if (m_slots.capacity() > 2 * capacity) m_slots.shrink_to_fit();
  if (m_positions.capacity() > 2 * m_count) m_positions.shrink_to_fit();
  const std::size_t indexed = std::min<std::size_t>(m_count, kEntryMask);
  for (std::size_t i = 0; i < indexed; ++i) {
    const std::uint64_t key = Key(entries[i].RefNo, entries[i].bLegRow);
    for (std::uint64_t slot = HashMix(key) & m_mask;; slot = (slot + 1) & m_mask) {
      if (m_slots[slot] == kFreeSlot) {
        m_slots[slot] = key << kEntryBits | i;
        break;
      }
      if (m_slots[slot] >> kEntryBits == key) break;  // the memory never holds a pair twice; keep the first
    }
  }
}

void SelectionIndex::Claim(std::uint64_t key, std::int64_t position) {
  for (std::uint64_t slot = HashMix(key) & m_mask;; slot = (slot + 1) & m_mask) {
    const std::uint64_t held = m_slots[slot];
    if (held == kFreeSlot) return;
    if (held >> kEntryBits == key) {
      std::int32_t& found = m_positions[held & kEntryMask];
      if (found < 0) found = static_cast<std::int32_t>(position);
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
      m_positions[i] = static_cast<std::int32_t>(position);
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
        m_positions[e] = static_cast<std::int32_t>(i);
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
