#pragma once
// Keeps a book's displayed vector in the order of its active sort while records are added and
// changed, without sorting it all again: the records named since the last look are put where a
// fresh sort would put them (ties by their place before, as the sorter breaks them), found by
// binary search among the rows that did not change. A record still in order with its neighbours
// costs two comparisons and moves nothing.
#include "host/DisplayedChangeLog.h"
#include "host/OrderBookSorter.h"
#include "host/OrderBookTypes.h"
#include "host/records/OrderBookDetails.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class SortedDisplayKeeper final {
 public:
  // The vector was just sorted by `columns` (an empty list: it is kept in no order).
  void Start(std::vector<SortColState> columns);
  void Stop();
  bool Active() const { return !m_columns.empty(); }
  const std::vector<SortColState>& Columns() const { return m_columns; }

  // A record appended to the vector, or changed in place.
  void Note(OrderBookDetails* record) {
    if (Active()) m_noted.push_back(record);
  }
  // A change nobody named: only a whole sort can tell where rows belong.
  void NoteUnnamedChange() {
    if (Active()) m_bSortAll = true;
  }
  bool HasWork() const { return Active() && (m_bSortAll || !m_noted.empty()); }

  enum class Outcome { Unchanged, Moved, Resorted };
  // Puts the noted records in place. With the journal on, the records are found by their hints;
  // `moves` then gets every noted record still shown, with its index before and after (Moved).
  // Resorted: the whole vector was sorted again.
  Outcome Settle(std::vector<OrderBookDetails*>& displayed, const DisplayedChangeLog& journal,
                 const SortKeyExtractor& extract, OrderBookSorter& sorter, std::vector<DisplayedMove>& moves);

 private:
  struct Moved {
    OrderBookDetails* record;
    std::size_t from;  // its index before
    std::size_t gap;   // how many unchanged rows go before it
  };
  // Key order of two records: negative, zero or positive.
  int CompareKeys(OrderBookDetails* a, OrderBookDetails* b, const SortKeyExtractor& extract);
  // Key order of every pair (m_lefts[i], m_rights[i]) into m_orders[i], each column's keys read
  // for all the pairs it still has to decide in one call.
  void CompareBatch(const SortKeyExtractor& extract);

  std::vector<SortColState> m_columns;
  std::vector<OrderBookDetails*> m_noted;
  bool m_bSortAll = false;
  SortKeyColumn m_keys;
  // CompareBatch's pairs, answers and scratch.
  std::vector<OrderBookDetails*> m_lefts, m_rights, m_batch;
  std::vector<int> m_orders;
  std::vector<std::size_t> m_undecided;
};
