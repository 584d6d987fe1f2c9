#include "host/SortedDisplayKeeper.h"

#include "host/InPlaceReorder.h"

#include <algorithm>
#include <array>
#include <span>

void SortedDisplayKeeper::Start(std::vector<SortColState> columns) {
  m_columns = std::move(columns);
  m_noted.clear();
  m_bSortAll = false;
}

void SortedDisplayKeeper::Stop() { Start({}); }

namespace {

// The lines of a record that the usual sort columns read (side, status, client, quantity, price).
void PrefetchSortFields(const OrderBookDetails* record) {
  __builtin_prefetch(&record->eOrderLeg);
  __builtin_prefetch(&record->OrvelClientId);
  __builtin_prefetch(&record->Price);
}

}  // namespace

void SortedDisplayKeeper::CompareBatch(const SortKeyExtractor& extract) {
  const std::size_t pairs = m_lefts.size();
  m_orders.assign(pairs, 0);
  m_undecided.resize(pairs);
  for (std::size_t i = 0; i < pairs; ++i) m_undecided[i] = i;
  for (const SortColState& column : m_columns) {
    if (m_undecided.empty()) break;
    const std::size_t k = m_undecided.size();
    m_batch.clear();
    for (std::size_t i : m_undecided) m_batch.push_back(m_lefts[i]);
    for (std::size_t i : m_undecided) m_batch.push_back(m_rights[i]);
    for (const OrderBookDetails* record : m_batch) PrefetchSortFields(record);
    extract(std::span<OrderBookDetails* const>(m_batch), column.nColumn, m_keys);
    std::size_t still = 0;
    for (std::size_t j = 0; j < k; ++j) {
      const int r = m_keys.Compare(j, k + j);
      if (r != 0) m_orders[m_undecided[j]] = column.bAscending ? r : -r;
      else m_undecided[still++] = m_undecided[j];
    }
    m_undecided.resize(still);
  }
}

int SortedDisplayKeeper::CompareKeys(OrderBookDetails* a, OrderBookDetails* b, const SortKeyExtractor& extract) {
  std::array<OrderBookDetails*, 2> pair{a, b};
  for (const SortColState& column : m_columns) {
    extract(std::span<OrderBookDetails* const>(pair), column.nColumn, m_keys);
    if (const int r = m_keys.Compare(0, 1); r != 0) return column.bAscending ? r : -r;
  }
  return 0;
}

SortedDisplayKeeper::Outcome SortedDisplayKeeper::Settle(std::vector<OrderBookDetails*>& displayed,
                                                         const DisplayedChangeLog& journal,
                                                         const SortKeyExtractor& extract, OrderBookSorter& sorter,
                                                         std::vector<DisplayedMove>& moves) {
  moves.clear();
  if (!HasWork()) return Outcome::Unchanged;
  std::vector<OrderBookDetails*> noted;
  noted.swap(m_noted);
  if (m_bSortAll || !extract) {
    m_bSortAll = false;
    sorter.Sort(displayed, m_columns, extract);
    return Outcome::Resorted;
  }
  std::sort(noted.begin(), noted.end());
  noted.erase(std::unique(noted.begin(), noted.end()), noted.end());

  // Where each noted record stands now; records no longer shown are left out.
  std::vector<Moved> moved;
  moved.reserve(noted.size());
  const std::size_t n = displayed.size();
  const bool indexed = journal.Enabled();
  for (OrderBookDetails* record : noted) {
    std::size_t at = n;
    if (indexed) {
      if (record->nDisplayedIndex == OrderBookDetails::kNotDisplayed) continue;  // taken out
      at = journal.IndexOf(displayed, record);
    }
    if (at >= n) at = static_cast<std::size_t>(std::find(displayed.begin(), displayed.end(), record) - displayed.begin());
    if (at < n) moved.push_back({record, at, 0});
  }
  if (moved.empty()) return Outcome::Unchanged;
  std::sort(moved.begin(), moved.end(), [](const Moved& a, const Moved& b) { return a.from < b.from; });

  // The unchanged rows keep their order; row j of them is displayed[j + skipped(j)], where
  // skipped(j) counts the noted rows before it. shift[m] = from[m] - m is non-decreasing.
  std::vector<std::size_t> shift(moved.size());
  for (std::size_t m = 0; m < moved.size(); ++m) shift[m] = moved[m].from - m;
  const std::size_t unchanged = n - moved.size();
  auto displayedIndexOf = [&](std::size_t j) {
    return j + static_cast<std::size_t>(std::upper_bound(shift.begin(), shift.end(), j) - shift.begin());
  };

  // The records lie all over the book: every noted record's comparisons go side by side, a step
  // of each per round with the round's keys read in one batch, so that the misses overlap instead
  // of queuing one comparison behind the other.
  // Still in order with the unchanged rows either side: it stays in its gap.
  m_lefts.clear();
  m_rights.clear();
  std::vector<std::size_t> checks;  // per pair: the entry it checks
  for (std::size_t m = 0; m < moved.size(); ++m) {
    const std::size_t gapBefore = moved[m].from - m;  // unchanged rows before its present place
    if (gapBefore > 0) {
      m_lefts.push_back(displayed[displayedIndexOf(gapBefore - 1)]);
      m_rights.push_back(moved[m].record);
      checks.push_back(m);
    }
    if (gapBefore < unchanged) {
      m_lefts.push_back(moved[m].record);
      m_rights.push_back(displayed[displayedIndexOf(gapBefore)]);
      checks.push_back(m);
    }
  }
  CompareBatch(extract);
  std::vector<char> inOrder(moved.size(), 1);
  for (std::size_t p = 0; p < checks.size(); ++p)
    if (m_orders[p] > 0) inOrder[checks[p]] = 0;
  // The first unchanged row that a fresh sort puts after it: greater keys, or equal keys and a
  // later place before.
  struct Search {
    std::size_t entry, lo, hi, index;
  };
  std::vector<Search> searches;
  for (std::size_t m = 0; m < moved.size(); ++m) {
    if (inOrder[m]) moved[m].gap = moved[m].from - m;
    else searches.push_back({m, 0, unchanged, 0});
  }
  while (!searches.empty()) {
    m_lefts.clear();
    m_rights.clear();
    for (Search& search : searches) {
      search.index = displayedIndexOf(search.lo + (search.hi - search.lo) / 2);
      m_lefts.push_back(displayed[search.index]);
      m_rights.push_back(moved[search.entry].record);
    }
    CompareBatch(extract);
    std::size_t still = 0;
    for (std::size_t p = 0; p < searches.size(); ++p) {
      Search search = searches[p];
      const std::size_t mid = search.lo + (search.hi - search.lo) / 2;
      const int order = m_orders[p];
      if (order < 0 || (order == 0 && search.index < moved[search.entry].from)) search.lo = mid + 1;
      else search.hi = mid;
      if (search.lo < search.hi) searches[still++] = search;
      else moved[search.entry].gap = search.lo;
    }
    searches.resize(still);
  }
  // Noted records sharing a gap go by their keys, then by their place before.
  std::stable_sort(moved.begin(), moved.end(), [&](const Moved& a, const Moved& b) {
    if (a.gap != b.gap) return a.gap < b.gap;
    const int order = CompareKeys(a.record, b.record, extract);
    return order != 0 ? order < 0 : a.from < b.from;
  });
  bool same = true;
  for (std::size_t m = 0; m < moved.size() && same; ++m) same = moved[m].gap + m == moved[m].from;
  if (same) return Outcome::Unchanged;

  // Out of their old places, into their new ones; the rows between shift as whole runs.
  std::vector<std::size_t> removed(moved.size());
  std::vector<InPlaceReorder::Insertion<OrderBookDetails*>> inserted(moved.size());
  moves.resize(moved.size());
  for (std::size_t m = 0; m < moved.size(); ++m) {
    removed[m] = moved[m].from;
    inserted[m] = {moved[m].gap + m, moved[m].record};
    moves[m] = {moved[m].record, static_cast<std::uint32_t>(moved[m].from), static_cast<std::uint32_t>(moved[m].gap + m)};
  }
  std::sort(removed.begin(), removed.end());
  InPlaceReorder::Apply(displayed, removed, inserted);
  return Outcome::Moved;
}
