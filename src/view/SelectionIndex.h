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
    return m_positions.capacity() * sizeof(std::int32_t) + m_slots.capacity() * sizeof(std::uint64_t);
  }

 private:
  static constexpr std::size_t kLinearLimit = 8;
  // A slot holds an entry's key (33 bits: RefNo and leg-row flag) above its index (31 bits): one
  // read finds both, and a select-all of a million rows costs 8 bytes a slot. All ones is a free
  // slot, which no entry can be: entries from index kEntryMask on (two billion) are not indexed.
  static constexpr unsigned kEntryBits = 31;
  static constexpr std::uint64_t kEntryMask = (std::uint64_t{1} << kEntryBits) - 1;
  static constexpr std::uint64_t kFreeSlot = ~std::uint64_t{0};
  static std::uint64_t Key(std::uint32_t refNo, bool legRow) { return std::uint64_t{refNo} << 1 | legRow; }

  void Claim(std::uint64_t key, std::int64_t position);

  const std::vector<LastSelectedOrderData_map>* m_entries = nullptr;
  std::size_t m_count = 0;
  std::vector<std::int32_t> m_positions;  // row list positions, which the grid counts in an int
  std::vector<std::uint64_t> m_slots;     // kFreeSlot or key and entry
  std::uint64_t m_mask = 0;
};

// Splits row numbers into maximal runs in which each differs from the previous by exactly one,
// up or down; returns [first, last] index pairs into `rows`.
std::vector<std::pair<std::size_t, std::size_t>> findConsecutiveSubsequences(const std::vector<int>& rows);
