#include "view/RowListTracker.h"

#include <algorithm>

bool RowListTracker::Update(std::vector<OrderBookDetails*>& rows, const Source& source, const RowFilter& filter) {
  if (!m_bValid || source.filterRevision != m_filterRevision || source.b24HrTime != m_b24HrTime ||
      m_sources.size() != rows.size())
    return false;
  std::span<const DisplayedChange> changes;
  if (!source.journal.Since(m_generation, m_sequence, changes)) return false;
  const std::vector<OrderBookDetails*>& displayed = source.displayed;
  // A request with nothing in the journal and nothing appended was raised by someone who did not
  // say what changed.
  if (changes.empty() && displayed.size() == m_knownSize) return false;
  m_bValid = false;  // until this pass completes

  // Removals first, in the order they happened: each index counts the rows before it at that time.
  std::size_t removals = 0;
  for (const DisplayedChange& change : changes) {
    if (change.pRecord) continue;
    if (++removals > kMaxRemovals) return false;
    if (change.nRemovedAt < m_knownSize) {
      RemoveSource(change.nRemovedAt, rows);
      --m_knownSize;
    }
  }
  if (displayed.size() < m_knownSize) return false;

  // Records changed in place: only a change of verdict moves anything. Their indexes are current,
  // like m_sources after the removals.
  m_patches.clear();
  for (const DisplayedChange& change : changes) {
    OrderBookDetails* record = change.pRecord;
    if (!record) continue;
    const std::uint32_t index = record->nDisplayedIndex;
    if (index == OrderBookDetails::kNotDisplayed) continue;  // taken out since
    if (index >= displayed.size() || displayed[index] != record) return false;
    if (index >= m_knownSize) continue;  // appended since: checked with the other new rows
    const auto it = std::lower_bound(m_sources.begin(), m_sources.end(), index);
    const auto row = static_cast<std::size_t>(it - m_sources.begin());
    const bool listed = it != m_sources.end() && *it == index;
    const bool keep = filter.Keeps(record);
    if (listed && !keep) m_patches.push_back({row, true, index});
    else if (!listed && keep) m_patches.push_back({row, false, index});
    else if (listed && m_bKeys) m_keys[row] = SelectionIndex::RowKey(record);
  }
  ApplyPatches(rows, displayed);

  for (std::size_t index = m_knownSize; index < displayed.size(); ++index)
    if (filter.Keeps(displayed[index])) Append(rows, displayed[index], static_cast<std::uint32_t>(index));

  m_knownSize = displayed.size();
  m_sequence = source.journal.End();
  source.journal.Trim(m_sequence);
  m_bValid = true;
  ++m_patchedRefreshes;
  return true;
}

void RowListTracker::RemoveSource(std::uint32_t index, std::vector<OrderBookDetails*>& rows) {
  auto it = std::lower_bound(m_sources.begin(), m_sources.end(), index);
  auto row = it - m_sources.begin();
  if (it != m_sources.end() && *it == index) {
    rows.erase(rows.begin() + row);
    it = m_sources.erase(it);
    if (m_bKeys) m_keys.erase(m_keys.begin() + row);
  }
  for (; it != m_sources.end(); ++it) --*it;
}

namespace {

// Drops only, the usual case (orders leaving the filters): closes the gaps in place, moving only
// what lies behind the first one.
template <typename T>
void CloseGaps(std::vector<T>& values, const std::vector<RowListTracker::Patch>& drops) {
  std::size_t write = drops.front().row;
  for (std::size_t k = 0; k < drops.size(); ++k) {
    const std::size_t from = drops[k].row + 1;
    const std::size_t to = k + 1 < drops.size() ? drops[k + 1].row : values.size();
    std::copy(values.begin() + static_cast<std::ptrdiff_t>(from), values.begin() + static_cast<std::ptrdiff_t>(to),
              values.begin() + static_cast<std::ptrdiff_t>(write));
    write += to - from;
  }
  values.resize(write);
}

// Adds and drops: rebuilds what lies behind the first patch through `scratch`.
template <typename T, typename MakeAdded>
void MergeBehind(std::vector<T>& values, const std::vector<RowListTracker::Patch>& patches, std::vector<T>& scratch,
                 MakeAdded made) {
  const std::size_t first = patches.front().row;
  scratch.clear();
  scratch.reserve(values.size() - first + patches.size());
  std::size_t cursor = first;
  auto at = [&](std::size_t i) { return values.begin() + static_cast<std::ptrdiff_t>(i); };
  for (const RowListTracker::Patch& patch : patches) {
    scratch.insert(scratch.end(), at(cursor), at(patch.row));
    cursor = patch.row;
    if (patch.bDrop) ++cursor;
    else scratch.push_back(made(patch));
  }
  scratch.insert(scratch.end(), at(cursor), values.end());
  values.resize(first);
  values.insert(values.end(), scratch.begin(), scratch.end());
}

}  // namespace

void RowListTracker::ApplyPatches(std::vector<OrderBookDetails*>& rows, const std::vector<OrderBookDetails*>& displayed) {
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

  if (std::all_of(m_patches.begin(), m_patches.end(), [](const Patch& p) { return p.bDrop; })) {
    CloseGaps(rows, m_patches);
    CloseGaps(m_sources, m_patches);
    if (m_bKeys) CloseGaps(m_keys, m_patches);
    return;
  }
  MergeBehind(rows, m_patches, m_newRows, [&](const Patch& p) { return displayed[p.source]; });
  MergeBehind(m_sources, m_patches, m_newSources, [](const Patch& p) { return p.source; });
  if (m_bKeys)
    MergeBehind(m_keys, m_patches, m_newKeys, [&](const Patch& p) { return SelectionIndex::RowKey(displayed[p.source]); });
}

void RowListTracker::Append(std::vector<OrderBookDetails*>& rows, OrderBookDetails* record, std::uint32_t source) {
  rows.push_back(record);
  m_sources.push_back(source);
  if (m_bKeys) m_keys.push_back(SelectionIndex::RowKey(record));
}

std::vector<std::uint32_t>& RowListTracker::SourcesForRebuild() {
  m_bValid = false;
  m_bKeys = false;
  m_keys.clear();
  m_sources.clear();
  return m_sources;
}

void RowListTracker::Rebuilt(const Source& source, std::size_t rowCount) {
  m_bValid = source.journal.Enabled() && m_sources.size() == rowCount;
  if (!m_bValid) return;
  m_generation = source.journal.Generation();
  m_sequence = source.journal.End();
  source.journal.Trim(m_sequence);
  m_filterRevision = source.filterRevision;
  m_b24HrTime = source.b24HrTime;
  m_knownSize = source.displayed.size();
}

void RowListTracker::OfferRows(const std::vector<OrderBookDetails*>& rows, SelectionIndex& index) {
  if (!m_bKeys || m_keys.size() != rows.size()) {
    m_keys.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) m_keys[i] = SelectionIndex::RowKey(rows[i]);
    m_bKeys = true;
  }
  if (!index.Empty()) index.OfferRowKeys(m_keys.data(), m_keys.size());
}
