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
  for (std::size_t i = 0; i < distinct.size(); ++i) {
    extract(std::span<OrderBookDetails* const>(rows), distinct[i].nColumn, m_keys[i]);
    if (m_keys[i].size() != n) throw std::logic_error("the key extractor did not give one key per row");
  }

  m_primary = &m_keys[0];
  m_primarySign = distinct[0].bAscending ? 1 : -1;
  m_primaryFlip = distinct[0].bAscending ? 0 : ~std::uint64_t{0};
  m_ties.clear();
  for (std::size_t i = 1; i < distinct.size(); ++i) m_ties.push_back({&m_keys[i], distinct[i].bAscending ? 1 : -1});

  m_entries.resize(n);
  const std::uint64_t* words = m_primary->OrderWords();
  for (std::size_t i = 0; i < n; ++i) m_entries[i] = {words[i] ^ m_primaryFlip, static_cast<std::uint32_t>(i)};

  Order(n >= m_parallelThreshold);

  m_previous.assign(rows.begin(), rows.end());
  for (std::size_t i = 0; i < n; ++i) rows[i] = m_previous[m_entries[i].row];
}

void OrderBookSorter::Order(bool parallel) {
  const SortKeyColumn* primary = m_primary;
  const std::uint64_t flip = m_primaryFlip;
  const int sign = m_primarySign;
  const TieBreaker* ties = m_ties.data();
  const std::size_t tieCount = m_ties.size();
  // A strict total order: the previous position settles every tie, so any sort algorithm, serial
  // or parallel, gives the one result a stable sort gives.
  auto less = [=](const Entry& a, const Entry& b) {
    if (a.word != b.word) return a.word < b.word;
    if (primary->IsUndecided(a.word ^ flip)) {
      const int r = primary->CompareTails(a.row, b.row);
      if (r != 0) return r * sign < 0;
    }
    for (std::size_t i = 0; i < tieCount; ++i) {
      const int r = ties[i].keys->Compare(a.row, b.row);
      if (r != 0) return r * ties[i].sign < 0;
    }
    return a.row < b.row;
  };
  if (parallel) std::sort(std::execution::par, m_entries.begin(), m_entries.end(), less);
  else std::sort(m_entries.begin(), m_entries.end(), less);
}

void OrderBookSorter::ReleaseMemory() {
  std::vector<SortKeyColumn>().swap(m_keys);
  std::vector<TieBreaker>().swap(m_ties);
  std::vector<Entry>().swap(m_entries);
  std::vector<OrderBookDetails*>().swap(m_previous);
  m_primary = nullptr;
}
