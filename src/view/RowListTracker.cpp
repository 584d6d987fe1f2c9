#include "view/RowListTracker.h"

#include "host/InPlaceReorder.h"
#include "host/ParallelSlices.h"
#include "view/RecordPrefetch.h"

#include <algorithm>
#include <numeric>

using RowListRoom::GiveBackRoom;
using RowListRoom::MakeRoomFor;

bool RowListTracker::Update(std::vector<OrderBookDetails*>& rows, const Source& source, const RowFilter& filter) {
  if (!m_bValid || source.filterRevision != m_filterRevision || source.b24HrTime != m_b24HrTime ||
      m_sources.size() != rows.size())
    return false;
  std::span<const DisplayedChange> changes;
  if (!source.journal.Since(m_generation, m_sequence, changes)) return false;
  // A request with nothing in the journal and nothing appended was raised by someone who did not
  // say what changed.
  if (changes.empty() && source.displayed.size() == m_knownSize) return false;
  if (!CatchUp(rows, source, filter, changes)) return false;
  m_parallelRows = source.parallelRows;
  ++m_patchedRefreshes;
  return true;
}

bool RowListTracker::Narrow(std::vector<OrderBookDetails*>& rows, const Source& source,
                            const VariantDescription& variant) {
  if (!RowFilter::Narrows(m_filters, source.filters) || !CatchUpForFilterChange(rows, source, variant)) return false;

  // Each row passes the filters it was made with, so only the changed ones can take it out; with
  // none changed the rows stay as they are.
  const std::map<int, MULTIPLEFILTER_PARAM> changed = RowFilter::Changed(m_filters, source.filters);
  const RowFilter filter(changed, variant);
  const bool keys = m_bKeys && m_keys.size() == rows.size();
  const bool tokens = m_bTokens && m_tokens.size() == rows.size();
  // Rows that account for every displayed row are the whole book: their tokens are the book's.
  if (tokens && rows.size() == m_knownSize && filter.IsActive()) {
    m_bookTokens.assign(m_tokens.begin(), m_tokens.end());
    m_bBookTokens = true;
    m_bookWatch = m_watch;
    m_bBookWatchHolds = m_bWatchHolds;
  }
  OrderBookDetails** data = rows.data();
  std::uint32_t* sources = m_sources.data();
  SelectionIndex::PackedRowKey* rowKeys = m_keys.data();
  std::int32_t* rowTokens = m_tokens.data();
  const std::size_t n = rows.size();
  // A slice compacts its own rows and their side columns; the slices are then put together in
  // order, so the rows come out as one pass over them would leave them.
  auto slice = [&](std::size_t begin, std::size_t end) {
    std::size_t out = begin;
    for (std::size_t i = begin; i < end; ++i) {
      // The rows shown are scattered over the book: ask for the two lines every refresh reads early.
      if (i + RecordPrefetch::kRowsAhead < n) RecordPrefetch::FilterFields(data[i + RecordPrefetch::kRowsAhead]);
      // Every row is written at the next place and kept by counting it: no branch on the
      // verdict, which the book's mix of statuses and sides makes a coin toss. out <= i.
      OrderBookDetails* record = data[i];
      const bool keep = filter.Keeps(record);
      data[out] = record;
      sources[out] = sources[i];
      if (keys) rowKeys[out] = rowKeys[i];
      if (tokens) rowTokens[out] = rowTokens[i];
      out += keep ? 1 : 0;
    }
    return out - begin;
  };
  auto shift = [&](std::size_t from, std::size_t count, std::size_t to) {
    std::copy(data + from, data + from + count, data + to);
    std::copy(sources + from, sources + from + count, sources + to);
    if (keys) std::copy(rowKeys + from, rowKeys + from + count, rowKeys + to);
    if (tokens) std::copy(rowTokens + from, rowTokens + from + count, rowTokens + to);
  };
  const bool parallel = filter.ReadsFieldsOnly() && n >= source.parallelRows;
  const std::size_t kept = filter.IsActive() ? ParallelSlices::Compact(n, parallel, slice, shift) : n;
  rows.resize(kept);
  m_sources.resize(kept);
  if (keys) m_keys.resize(kept);
  if (tokens) m_tokens.resize(kept);
  GiveBackRoom(rows);
  GiveBackRoom(m_sources);
  GiveBackRoom(m_keys);
  GiveBackRoom(m_tokens);
  m_bKeys = keys;
  m_bTokens = tokens;
  return FilterChangeApplied(source);
}

bool RowListTracker::CatchUpForFilterChange(std::vector<OrderBookDetails*>& rows, const Source& source,
                                            const VariantDescription& variant) {
  if (!m_bValid || source.filterRevision == m_filterRevision || source.b24HrTime != m_b24HrTime ||
      m_sources.size() != rows.size())
    return false;
  std::span<const DisplayedChange> changes;
  if (!source.journal.Since(m_generation, m_sequence, changes)) return false;
  // Here the filter change explains the request, so an empty journal means the rows are current.
  if (!CatchUp(rows, source, RowFilter(m_filters, variant), changes)) return false;
  m_bValid = false;  // until the caller has applied the new filters
  return true;
}

bool RowListTracker::FilterChangeApplied(const Source& source) {
  m_bWatchHolds = false;
  m_filters = source.filters;
  m_filterRevision = source.filterRevision;
  m_parallelRows = source.parallelRows;
  m_bValid = true;
  ++m_narrowedRefreshes;
  return true;
}

bool RowListTracker::Unfilter(std::vector<OrderBookDetails*>& rows, const Source& source,
                              const VariantDescription& variant) {
  if (!CatchUpForFilterChange(rows, source, variant)) return false;

  const std::size_t n = source.displayed.size();
  rows.assign(source.displayed.begin(), source.displayed.end());
  m_sources.resize(n);
  std::iota(m_sources.begin(), m_sources.end(), std::uint32_t{0});
  m_bKeys = false;
  m_keys.clear();
  m_bTokens = m_bBookTokens && m_bookTokens.size() == n;
  if (m_bTokens) m_tokens.swap(m_bookTokens);
  else m_tokens.clear();
  // The same rows in the same order as when the totals were kept, none of the contract's changed.
  const bool watchHolds = m_bTokens && m_bBookWatchHolds;
  // The rows are the whole book again: the column lives on as the rows' own.
  m_bBookTokens = false;
  m_bBookWatchHolds = false;
  m_bookTokens.clear();
  GiveBackRoom(m_bookTokens);
  FilterChangeApplied(source);
  if (watchHolds) {
    m_watch = m_bookWatch;
    m_bWatchHolds = true;
  }
  return true;
}

bool RowListTracker::CatchUp(std::vector<OrderBookDetails*>& rows, const Source& source, const RowFilter& filter,
                           std::span<const DisplayedChange> changes) {
  const std::vector<OrderBookDetails*>& displayed = source.displayed;
  m_bValid = false;  // until this pass completes
  if (!m_bTokens) m_bWatchHolds = false;  // the rows' contracts are not known

  // Removals and reorders in the order they happened: each index counts the rows of its time.
  // Records changed in place are looked at afterwards, where they stand now.
  std::size_t removals = 0;
  m_pending.clear();
  // The book's tokens follow changes in place and appended rows; a removal or a reorder would
  // shift the whole column, which costs more than reading it again when it is next needed.
  const bool bookTokens = m_bBookTokens && m_bookTokens.size() == m_knownSize &&
                          std::none_of(changes.begin(), changes.end(), [](const DisplayedChange& c) {
                            return c.eKind != DisplayedChange::Kind::Changed;
                          });
  m_bBookTokens = false;  // until this pass completes
  for (const DisplayedChange& change : changes) {
    switch (change.eKind) {
      case DisplayedChange::Kind::Changed:
        m_pending.push_back(change.pRecord);
        break;
      case DisplayedChange::Kind::Removed:
        if (++removals > kMaxRemovals) return false;
        if (change.nRemovedAt < m_knownSize) {
          RemoveSource(change.nRemovedAt, rows);
          --m_knownSize;
        }
        break;
      case DisplayedChange::Kind::Reordered:
        if (!ApplyReorder(source.journal.ReorderOf(change), rows, filter)) return false;
        break;
    }
  }
  if (displayed.size() < m_knownSize) return false;

  // Only a change of verdict moves anything.
  m_patches.clear();
  for (OrderBookDetails* record : m_pending) {
    if (!record || record->nDisplayedIndex == OrderBookDetails::kNotDisplayed) continue;  // taken out since
    const std::uint32_t index = source.journal.IndexOf(displayed, record);
    if (index == OrderBookDetails::kNotDisplayed) return false;
    if (index >= m_knownSize) continue;  // appended since: checked with the other new rows
    if (bookTokens) {
      // The set-aside totals count the row under its old token, and would miss it under the new.
      TouchBook(m_bookTokens[index]);
      TouchBook(record->lOurToken);
      m_bookTokens[index] = record->lOurToken;
    }
    Touch(record->lOurToken);
    const auto it = std::lower_bound(m_sources.begin(), m_sources.end(), index);
    const auto row = static_cast<std::size_t>(it - m_sources.begin());
    const bool listed = it != m_sources.end() && *it == index;
    const bool keep = filter.Keeps(record);
    if (listed && m_bTokens) Touch(m_tokens[row]);
    if (listed && !keep) m_patches.push_back({row, true, index});
    else if (!listed && keep) m_patches.push_back({row, false, index, record});
    else if (listed) {
      if (m_bKeys) m_keys[row] = SelectionIndex::RowKey(record);
      if (m_bTokens) m_tokens[row] = record->lOurToken;
    }
  }
  ApplyPatches(rows);

  for (std::size_t index = m_knownSize; index < displayed.size(); ++index) {
    if (bookTokens) {
      m_bookTokens.push_back(displayed[index] ? displayed[index]->lOurToken : 0);
      TouchBook(m_bookTokens.back());
    }
    if (filter.Keeps(displayed[index])) {
      Touch(displayed[index] ? displayed[index]->lOurToken : 0);
      Append(rows, displayed[index], static_cast<std::uint32_t>(index));
    }
  }

  // Removals and narrower verdicts can leave a list far smaller than its room.
  GiveBackRoom(rows);
  GiveBackRoom(m_sources);
  if (m_bKeys) GiveBackRoom(m_keys);
  if (m_bTokens) GiveBackRoom(m_tokens);
  m_knownSize = displayed.size();
  m_bBookTokens = bookTokens;
  m_sequence = source.journal.End();
  source.journal.Trim(m_sequence);
  m_bValid = true;
  return true;
}

void RowListTracker::RemoveSource(std::uint32_t index, std::vector<OrderBookDetails*>& rows) {
  auto it = std::lower_bound(m_sources.begin(), m_sources.end(), index);
  auto row = it - m_sources.begin();
  if (it != m_sources.end() && *it == index) {
    if (m_bTokens) Touch(m_tokens[static_cast<std::size_t>(row)]);
    else m_bWatchHolds = false;
    rows.erase(rows.begin() + row);
    it = m_sources.erase(it);
    if (m_bKeys) m_keys.erase(m_keys.begin() + row);
    if (m_bTokens) m_tokens.erase(m_tokens.begin() + row);
  }
  for (; it != m_sources.end(); ++it) --*it;
}

namespace {

// Drops and adds (sorted by row, adds before a drop of the same row), in place: the rows behind
// the first patch shift as whole runs.
template <typename T, typename MakeAdded>
void PatchInPlace(std::vector<T>& values, const std::vector<RowListTracker::Patch>& patches, MakeAdded made) {
  std::vector<std::size_t> removed;
  std::vector<InPlaceReorder::Insertion<T>> inserted;
  std::ptrdiff_t shift = 0;  // adds minus drops so far
  for (const RowListTracker::Patch& patch : patches) {
    if (patch.bDrop) {
      removed.push_back(patch.row);
      --shift;
    } else {
      inserted.push_back({static_cast<std::size_t>(static_cast<std::ptrdiff_t>(patch.row) + shift), made(patch)});
      ++shift;
    }
  }
  if (inserted.size() > removed.size()) MakeRoomFor(values, inserted.size() - removed.size());
  InPlaceReorder::Apply(values, removed, inserted);
}

}  // namespace

bool RowListTracker::ApplyReorder(const DisplayedReorder& reorder, std::vector<OrderBookDetails*>& rows,
                                  const RowFilter& filter) {
  const std::vector<DisplayedMove>& moves = reorder.moves;
  // Every row the list does not account for yet must be among the moved ones: then each row is
  // either a staying row of the list, or a moved record placed below.
  const std::size_t beyond = static_cast<std::size_t>(
      std::count_if(moves.begin(), moves.end(), [&](const DisplayedMove& m) { return m.nFrom >= m_knownSize; }));
  if (moves.empty() || m_knownSize > reorder.nRows || m_knownSize + beyond != reorder.nRows) return false;

  m_froms.clear();
  m_tos.clear();
  m_movedRows.clear();
  m_patches.clear();
  for (const DisplayedMove& move : moves) {
    if (move.pRecord == nullptr) return false;
    Touch(move.pRecord->lOurToken);
    m_froms.push_back(move.nFrom);
    m_tos.push_back(move.nTo);
    if (move.nFrom >= m_knownSize) continue;
    const auto it = std::lower_bound(m_sources.begin(), m_sources.end(), move.nFrom);
    if (it != m_sources.end() && *it == move.nFrom) {
      const auto row = static_cast<std::size_t>(it - m_sources.begin());
      m_movedRows.push_back(row);
      m_patches.push_back({row, true, move.nFrom});
    }
  }
  std::sort(m_froms.begin(), m_froms.end());
  std::sort(m_tos.begin(), m_tos.end());
  std::sort(m_movedRows.begin(), m_movedRows.end());

  // A staying row keeps its rank among the staying rows and takes the places the moved ones left;
  // outside the span of the moves nothing shifts.
  const std::uint32_t first = std::min(m_froms.front(), m_tos.front());
  const std::uint32_t last = std::max(m_froms.back(), m_tos.back());
  // Between two of the moves' places every staying row shifts by the same amount, so the span
  // goes by runs (found by binary search) and each run is one add over its indexes.
  std::size_t fromsBefore = 0, tosAtOrBefore = 0;
  std::uint32_t* const end = m_sources.data() + (std::upper_bound(m_sources.begin(), m_sources.end(), last) - m_sources.begin());
  std::uint32_t* at = m_sources.data() + (std::lower_bound(m_sources.begin(), m_sources.end(), first) - m_sources.begin());
  while (at < end) {
    const std::uint32_t index = *at;  // a moved row's is overwritten below
    while (fromsBefore < m_froms.size() && m_froms[fromsBefore] < index) ++fromsBefore;
    const std::size_t rank = index - fromsBefore;
    while (tosAtOrBefore < m_tos.size() && m_tos[tosAtOrBefore] <= rank + tosAtOrBefore) ++tosAtOrBefore;
    // The run lasts while no further move's old place lies before its rows and no further new
    // place falls at or before their ranks.
    std::int64_t lastOfRun = last;
    if (fromsBefore < m_froms.size()) lastOfRun = std::min<std::int64_t>(lastOfRun, m_froms[fromsBefore]);
    if (tosAtOrBefore < m_tos.size())
      lastOfRun = std::min<std::int64_t>(lastOfRun, std::int64_t{m_tos[tosAtOrBefore]} - static_cast<std::int64_t>(tosAtOrBefore) +
                                                        static_cast<std::int64_t>(fromsBefore) - 1);
    std::uint32_t* const runEnd = std::upper_bound(at, end, static_cast<std::uint32_t>(lastOfRun));
    const auto shift = static_cast<std::uint32_t>(tosAtOrBefore - fromsBefore);  // modulo 2^32, as the indexes
    // Fixed blocks of eight, which the compiler turns into vector adds.
    const std::size_t length = static_cast<std::size_t>(runEnd - at);
    std::size_t i = 0;
    for (; i + 8 <= length; i += 8)
      for (std::size_t k = 0; k < 8; ++k) at[i + k] += shift;
    for (; i < length; ++i) at[i] += shift;
    at = runEnd;
  }
  // The moved rows, dropped below, copy the index before them, so that the indexes stay ordered
  // for the searches that place the moved records anew.
  for (std::size_t row : m_movedRows) m_sources[row] = row > 0 ? m_sources[row - 1] : 0;
  for (const DisplayedMove& move : moves) {
    if (!filter.Keeps(move.pRecord)) continue;
    const auto at = std::lower_bound(m_sources.begin(), m_sources.end(), move.nTo);
    m_patches.push_back({static_cast<std::size_t>(at - m_sources.begin()), false, move.nTo, move.pRecord});
  }
  ApplyPatches(rows);
  m_knownSize = reorder.nRows;
  return true;
}

void RowListTracker::ApplyPatches(std::vector<OrderBookDetails*>& rows) {
  if (m_patches.empty()) return;
  // Adds before the row they precede, in displayed order; a record named twice counts once.
  std::sort(m_patches.begin(), m_patches.end(), [](const Patch& a, const Patch& b) {
    if (a.row != b.row) return a.row < b.row;
    if (a.bDrop != b.bDrop) return !a.bDrop;
    return a.source < b.source;
  });
  m_patches.erase(std::unique(m_patches.begin(), m_patches.end(),
                              [](const Patch& a, const Patch& b) {
                                return a.row == b.row && a.bDrop == b.bDrop && a.source == b.source;
                              }),
                  m_patches.end());
  PatchInPlace(rows, m_patches, [](const Patch& p) { return p.pRecord; });
  PatchInPlace(m_sources, m_patches, [](const Patch& p) { return p.source; });
  if (m_bKeys) PatchInPlace(m_keys, m_patches, [](const Patch& p) { return SelectionIndex::RowKey(p.pRecord); });
  if (m_bTokens) PatchInPlace(m_tokens, m_patches, [](const Patch& p) { return p.pRecord->lOurToken; });
}

void RowListTracker::Append(std::vector<OrderBookDetails*>& rows, OrderBookDetails* record, std::uint32_t source) {
  MakeRoomFor(rows, 1);
  rows.push_back(record);
  MakeRoomFor(m_sources, 1);
  m_sources.push_back(source);
  if (m_bKeys) {
    MakeRoomFor(m_keys, 1);
    m_keys.push_back(SelectionIndex::RowKey(record));
  }
  if (m_bTokens) {
    MakeRoomFor(m_tokens, 1);
    m_tokens.push_back(record->lOurToken);
  }
}

std::vector<std::uint32_t>& RowListTracker::SourcesForRebuild() {
  m_bValid = false;
  m_bWatchHolds = false;
  m_bBookTokens = false;
  m_bKeys = false;
  m_keys.clear();
  m_bTokens = false;
  m_tokens.clear();
  m_sources.clear();
  return m_sources;
}

void RowListTracker::Rebuilt(const Source& source, std::size_t rowCount) {
  m_parallelRows = source.parallelRows;
  m_bWatchHolds = false;
  m_bValid = source.journal.Enabled() && m_sources.size() == rowCount;
  if (!m_bValid) {
    // A list rebuilt without the journal keeps nothing beside it: not the columns of the last
    // list that was tracked, which can be a whole book's.
    std::vector<std::uint32_t>().swap(m_sources);
    std::vector<SelectionIndex::PackedRowKey>().swap(m_keys);
    std::vector<std::int32_t>().swap(m_tokens);
    m_bKeys = m_bTokens = false;
    return;
  }
  m_generation = source.journal.Generation();
  m_sequence = source.journal.End();
  source.journal.Trim(m_sequence);
  m_filterRevision = source.filterRevision;
  m_filters = source.filters;
  m_b24HrTime = source.b24HrTime;
  m_knownSize = source.displayed.size();
}

void RowListTracker::OfferRows(const std::vector<OrderBookDetails*>& rows, SelectionIndex& index) {
  if (!m_bKeys || m_keys.size() != rows.size()) {
    m_keys.resize(rows.size());
    GiveBackRoom(m_keys);
    for (std::size_t i = 0; i < rows.size(); ++i) m_keys[i] = SelectionIndex::RowKey(rows[i]);
    m_bKeys = true;
  }
  if (!index.Empty()) index.OfferRowKeys(m_keys.data(), m_keys.size());
}

std::size_t RowListTracker::RowOf(const std::vector<OrderBookDetails*>& rows, const Source& source,
                                  const OrderBookDetails* record) const {
  if (!Indexes(rows, source)) return rows.size();
  const std::uint32_t index = source.journal.IndexOf(source.displayed, record);
  if (index == OrderBookDetails::kNotDisplayed) return rows.size();
  const std::size_t row = RowOfSource(index, rows.size());
  return row < rows.size() && rows[row] == record ? row : rows.size();
}

std::span<const std::int32_t> RowListTracker::RowTokens(const std::vector<OrderBookDetails*>& rows) {
  if (!m_bValid || m_sources.size() != rows.size()) return {};
  if (!m_bTokens || m_tokens.size() != rows.size()) {
    const std::size_t n = rows.size();
    m_tokens.resize(n);
    GiveBackRoom(m_tokens);
    // One read of a line per row, scattered over the book: ahead of need, and on every core for
    // a large list.
    OrderBookDetails* const* data = rows.data();
    std::int32_t* tokens = m_tokens.data();
    ParallelSlices::ForEach(n, n >= m_parallelRows, [&](std::size_t begin, std::size_t end) {
      for (std::size_t i = begin; i < end; ++i) {
        if (i + RecordPrefetch::kRowsAhead < n && data[i + RecordPrefetch::kRowsAhead])
          __builtin_prefetch(&data[i + RecordPrefetch::kRowsAhead]->lOurToken);
        tokens[i] = data[i] ? data[i]->lOurToken : 0;
      }
    });
    m_bTokens = true;
  }
  return m_tokens;
}

std::size_t RowListTracker::MemoryBytes() const {
  return m_sources.capacity() * sizeof(std::uint32_t) + m_keys.capacity() * sizeof(SelectionIndex::PackedRowKey) +
         (m_tokens.capacity() + m_bookTokens.capacity()) * sizeof(std::int32_t) + m_patches.capacity() * sizeof(Patch) +
         m_pending.capacity() * sizeof(void*) +
         (m_froms.capacity() + m_tos.capacity()) * sizeof(std::uint32_t) + m_movedRows.capacity() * sizeof(std::size_t);
}
