#pragma once
// Orders a book's rows by a list of sort columns. The keys of every column are extracted once per
// sort into flat arrays (SortKeyColumn); the rows are then ordered through a permutation whose
// comparisons read only those arrays, so a comparison never touches a record, never allocates and
// can run on several threads.
#include "host/OrderBookTypes.h"
#include "host/SortKeyColumn.h"
#include "host/records/OrderBookDetails.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

// Fills `keys` with the keys of `column` for `rows`, in row order. Called once per sort column, on
// the thread that asked for the sort: it may run first-time fills of the records before reading.
using SortKeyExtractor =
    std::function<void(std::span<OrderBookDetails* const> rows, int column, SortKeyColumn& keys)>;

class OrderBookSorter final {
 public:
  // Below this many rows one thread sorts: starting the pool costs more than it saves.
  static constexpr std::size_t kDefaultParallelThreshold = 1 << 15;

  // Orders `rows` by the columns: the first entry is the primary key, later entries break its
  // ties, and rows equal on every column keep their previous order, exactly as a stable sort
  // would leave them. A column listed again adds nothing. An empty list changes nothing.
  void Sort(std::vector<OrderBookDetails*>& rows, std::span<const SortColState> columns,
            const SortKeyExtractor& extract);

  // From this many rows on, the ordering runs on every core (SIZE_MAX: always one thread). The
  // view's key extractor reads the keys on every core from the same size.
  void SetParallelThreshold(std::size_t rows) { m_parallelThreshold = rows; }
  std::size_t ParallelThreshold() const { return m_parallelThreshold; }

  // Gives back the scratch memory kept between sorts (keys, permutation, previous order).
  void ReleaseMemory();

 private:
  // The keys of the first few columns ride in the entries themselves, so that most comparisons
  // read two neighbouring entries and nothing else; further columns are read from their arrays.
  static constexpr std::size_t kInlineColumns = 4;
  template <std::size_t K>
  struct Entry {
    std::uint64_t word[K];  // order words, turned for descending columns
    std::uint32_t row;      // position before the sort
  };
  struct ColumnOrder {
    const SortKeyColumn* keys;
    std::uint64_t flip;  // 0 ascending, all ones descending
    int sign;            // 1 ascending, -1 descending
  };

  template <std::size_t K>
  void OrderBy(std::vector<OrderBookDetails*>& rows, std::vector<Entry<K>>& entries, bool parallel);

  std::vector<SortKeyColumn> m_keys;
  std::vector<ColumnOrder> m_columns;
  std::vector<Entry<1>> m_entries1;
  std::vector<Entry<2>> m_entries2;
  std::vector<Entry<3>> m_entries3;
  std::vector<Entry<4>> m_entries4;
  std::vector<OrderBookDetails*> m_previous;
  std::size_t m_parallelThreshold = kDefaultParallelThreshold;
};
