#include "host/OrderBookSorter.h"

#include <algorithm>
#include <execution>
#include <limits>
#include <stdexcept>

void OrderBookSorter::Sort(std::vector<OrderBookDetails*>& rows, std::span<const SortColState> columns,
                           const SortKeyExtractor& extract) {
  const std::size_t n = rows.size();
  if (columns.empty() || n < 2) return;
  if (n > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("too many rows to sort");

  // A column listed twice cannot decide anything the first time did not; its keys are not built.
  std::vector<SortColState> distinct;
  distinct.reserve(columns.size());
  for (const SortColState& c : columns) {
    const bool seen = std::any_of(distinct.begin(), distinct.end(),
                                  [&c](const SortColState& d) { return d.nColumn == c.nColumn; });
    if (!seen) distinct.push_back(c);
  }
  if (m_keys.size() < distinct.size()) m_keys.resize(distinct.size());
  // Every key is extracted before any row moves: an extractor that fails leaves the rows as they
  // were.
  m_columns.clear();
  for (std::size_t i = 0; i < distinct.size(); ++i) {
    extract(std::span<OrderBookDetails* const>(rows), distinct[i].nColumn, m_keys[i]);
    if (m_keys[i].size() != n) throw std::logic_error("the key extractor did not give one key per row");
    const bool up = distinct[i].bAscending;
    m_columns.push_back({&m_keys[i], up ? 0 : ~std::uint64_t{0}, up ? 1 : -1});
  }

  const bool parallel = n >= m_parallelThreshold;
  switch (std::min(m_columns.size(), kInlineColumns)) {
    case 1: OrderBy(rows, m_entries1, parallel); break;
    case 2: OrderBy(rows, m_entries2, parallel); break;
    case 3: OrderBy(rows, m_entries3, parallel); break;
    default: OrderBy(rows, m_entries4, parallel); break;
  }
}

template <std::size_t K>
void OrderBookSorter::OrderBy(std::vector<OrderBookDetails*>& rows, std::vector<Entry<K>>& entries, bool parallel) {
  const std::size_t n = rows.size();
  const ColumnOrder* columns = m_columns.data();
  const std::size_t count = m_columns.size();

  entries.resize(n);
  for (std::size_t c = 0; c < K; ++c) {
    const std::uint64_t* words = columns[c].keys->OrderWords();
    const std::uint64_t flip = columns[c].flip;
    for (std::size_t i = 0; i < n; ++i) entries[i].word[c] = words[i] ^ flip;
  }
  for (std::size_t i = 0; i < n; ++i) entries[i].row = static_cast<std::uint32_t>(i);

  // A strict total order: the previous position settles every tie, so any sort algorithm, serial
  // or parallel, gives the one result a stable sort gives.
  auto less = [columns, count](const Entry<K>& a, const Entry<K>& b) {
    for (std::size_t c = 0; c < K; ++c) {
      if (a.word[c] != b.word[c]) return a.word[c] < b.word[c];
      if (columns[c].keys->IsUndecided(a.word[c] ^ columns[c].flip)) {
        const int r = columns[c].keys->CompareTails(a.row, b.row);
        if (r != 0) return r * columns[c].sign < 0;
      }
    }
    for (std::size_t c = K; c < count; ++c) {
      const int r = columns[c].keys->Compare(a.row, b.row);
      if (r != 0) return r * columns[c].sign < 0;
    }
    return a.row < b.row;
  };
  if (parallel) std::sort(std::execution::par, entries.begin(), entries.end(), less);
  else std::sort(entries.begin(), entries.end(), less);

  m_previous.assign(rows.begin(), rows.end());
  for (std::size_t i = 0; i < n; ++i) rows[i] = m_previous[entries[i].row];
}

void OrderBookSorter::ReleaseMemory() {
  std::vector<SortKeyColumn>().swap(m_keys);
  std::vector<ColumnOrder>().swap(m_columns);
  std::vector<Entry<1>>().swap(m_entries1);
  std::vector<Entry<2>>().swap(m_entries2);
  std::vector<Entry<3>>().swap(m_entries3);
  std::vector<Entry<4>>().swap(m_entries4);
  std::vector<OrderBookDetails*>().swap(m_previous);
}
