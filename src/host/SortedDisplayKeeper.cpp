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

  for (std::size_t m = 0; m < moved.size(); ++m) {
    Moved& entry = moved[m];
    const std::size_t gapBefore = entry.from - m;  // unchanged rows before its present place
    // Still in order with the unchanged rows either side: it stays in its gap.
    const bool leftOk = gapBefore == 0 ||
                        CompareKeys(displayed[displayedIndexOf(gapBefore - 1)], entry.record, extract) <= 0;
    const bool rightOk = gapBefore >= unchanged ||
                         CompareKeys(entry.record, displayed[displayedIndexOf(gapBefore)], extract) <= 0;
    if (leftOk && rightOk) {
      entry.gap = gapBefore;
      continue;
    }
    // The first unchanged row that a fresh sort puts after it: greater keys, or equal keys and a
    // later place before.
    std::size_t lo = 0, hi = unchanged;
    while (lo < hi) {
      const std::size_t mid = lo + (hi - lo) / 2;
      const std::size_t index = displayedIndexOf(mid);
      const int order = CompareKeys(displayed[index], entry.record, extract);
      if (order < 0 || (order == 0 && index < entry.from)) lo = mid + 1;
      else hi = mid;
    }
    entry.gap = lo;
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
