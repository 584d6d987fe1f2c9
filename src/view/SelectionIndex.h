#pragma once
// Finds the rows of remembered selected orders during the refresh pass. Each remembered entry is
// matched by the first record, in row-list order, with its RefNo; for a spread order's rows the
// leg-row flag must match too. A handful of entries are compared directly; a large memory (a
// select-all of a big book) goes through an open-addressing table, so the pass stays linear.
#include "host/OrderBookTypes.h"
#include "host/records/OrderBookDetails.h"

#include <cstdint>
#include <vector>

class SelectionIndex final {
 public:
  // Prepares for the given entries (kept by reference until the next Build).
  void Build(const std::vector<LastSelectedOrderData_map>& entries);
  bool Empty() const { return m_count == 0; }

  // Offers the record kept at `position` of the new row list; first offers win.
  void Offer(const OrderBookDetails& record, std::int64_t position) {
    if (m_count != 0) OfferRowKey(RowKey(&record), position);
  }

  // What Offer reads of a record, packed so a list of rows can be matched without reading records
  // again. A list of a million rows keeps one beside each row, so it takes five bytes: the RefNo
  // and the flags (none for a null row, which matches nothing).
  struct [[gnu::packed]] PackedRowKey {
    std::uint32_t refNo = 0;
    std::uint8_t flags = 0;
  };
  static constexpr std::uint8_t kRowPresent = 4, kSpreadRow = 2, kLegRow = 1;
  static PackedRowKey RowKey(const OrderBookDetails* record) {
    if (!record) return {};
    const bool spread = record->eOrderLeg == eSpreadLeg;
    const bool legRow = spread && record->IsLegRow();
    return {record->RefNo, static_cast<std::uint8_t>(kRowPresent | (spread ? kSpreadRow : 0) | (legRow ? kLegRow : 0))};
  }
  // Offer by a RowKey.
  void OfferRowKey(PackedRowKey rowKey, std::int64_t position);
  // Offers a whole row list by its keys, row i at position i.
  void OfferRowKeys(const PackedRowKey* keys, std::size_t count);

  // Position found for entry `i`, or -1.
  std::int64_t PositionOf(std::size_t i) const { return m_positions[i]; }
  std::size_t Count() const { return m_count; }
  std::size_t MemoryBytes() const {
    return m_positions.capacity() * sizeof(std::int64_t) + m_keys.capacity() * sizeof(std::uint64_t) +
           m_slotEntry.capacity() * sizeof(std::uint32_t);
  }

 private:
  static constexpr std::size_t kLinearLimit = 8;
  static std::uint64_t Key(std::uint32_t refNo, bool legRow) { return (std::uint64_t{refNo} << 1 | legRow) + 1; }

  void Claim(std::uint64_t key, std::int64_t position);

  const std::vector<LastSelectedOrderData_map>* m_entries = nullptr;
  std::size_t m_count = 0;
  std::vector<std::int64_t> m_positions;
  std::vector<std::uint64_t> m_keys;   // 0 = empty slot
  std::vector<std::uint32_t> m_slotEntry;
  std::uint64_t m_mask = 0;
};

// Splits row numbers into maximal runs in which each differs from the previous by exactly one,
// up or down; returns [first, last] index pairs into `rows`.
std::vector<std::pair<std::size_t, std::size_t>> findConsecutiveSubsequences(const std::vector<int>& rows);
