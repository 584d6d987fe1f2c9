#pragma once
// Keeps a grid's row list in step with the store between rebuilds from scratch. With the store's
// change journal on, a refresh re-checks only the records the journal names and the rows appended
// since, and patches the list in place of copying and filtering the whole book: the list comes out
// exactly as a rebuild from scratch would make it. For that it remembers each row's index in the
// displayed vector (to place a record that starts passing the filters) and, once the selection
// memory asks, each row's match key.
#include "host/DisplayedChangeLog.h"
#include "host/records/OrderBookDetails.h"
#include "view/ContractRowTotals.h"
#include "view/RowFilter.h"
#include "view/RowListRoom.h"
#include "view/SelectionIndex.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <span>
#include <vector>

class RowListTracker final {
 public:
  // What the rows were, or are to be, filtered from and with.
  struct Source {
    DisplayedChangeLog& journal;
    const std::vector<OrderBookDetails*>& displayed;
    const std::map<int, MULTIPLEFILTER_PARAM>& filters;
    std::uint64_t filterRevision;
    bool b24HrTime;  // the time cells' format, which a filter on a time text depends on
    std::size_t parallelRows = SIZE_MAX;  // passes over at least this many rows use every core
  };

  // Brings `rows` up to date from the journal. False when it cannot (journal off, another
  // generation, other filters, a request the journal does not explain, too much to patch): the
  // caller then rebuilds from scratch, whatever this left in `rows`.
  bool Update(std::vector<OrderBookDetails*>& rows, const Source& source, const RowFilter& filter);
  // After a filter change that can only take rows out (see RowFilter::Narrows): brings `rows` up to
  // date under the filters they were made with, then tests them on the changed filters alone,
  // without visiting the rest of the book. False when it cannot (as Update, or the change widens):
  // the caller then rebuilds from scratch.
  bool Narrow(std::vector<OrderBookDetails*>& rows, const Source& source, const VariantDescription& variant);

  // After a filter change to no filter at all (no value list, no contract rule, no selection
  // memory to find): brings the rows up to date under the filters they were made with, so that
  // the book's token column follows the store, then shows every displayed row. No record is read
  // for that, nor for the tokens when the column is known. False when it cannot (as Update): the
  // caller then rebuilds from scratch.
  bool Unfilter(std::vector<OrderBookDetails*>& rows, const Source& source, const VariantDescription& variant);

  // A rebuild from scratch fills this (one entry per kept row: its displayed index) when
  // Tracking(source) says so, then calls Rebuilt.
  bool Tracking(const Source& source) const { return source.journal.Enabled(); }
  std::vector<std::uint32_t>& SourcesForRebuild();
  void Rebuilt(const Source& source, std::size_t rowCount);
  // The rows were replaced by other means.
  void Forget() {
    m_bValid = false;
    m_bWatchHolds = false;
    m_bBookTokens = false;
  }

  // Offers every row to the selection index by its match key (read from the records once, then
  // kept up to date).
  void OfferRows(const std::vector<OrderBookDetails*>& rows, SelectionIndex& index);

  // The row of `record` in `rows` (kept by this tracker), found through its displayed index
  // instead of a walk; rows.size() when it is not among them or the list is not tracked.
  std::size_t RowOf(const std::vector<OrderBookDetails*>& rows, const Source& source,
                    const OrderBookDetails* record) const;
  // Whether RowOf can answer for `rows`: the list is tracked and its displayed indexes are current.
  bool Indexes(const std::vector<OrderBookDetails*>& rows, const Source& source) const {
    return m_bValid && m_sources.size() == rows.size() && source.journal.Enabled();
  }

  // Each row's contract token, for the totals of one contract: read from the records once, then
  // kept up to date with the rows. Empty while the list is not tracked.
  std::span<const std::int32_t> RowTokens(const std::vector<OrderBookDetails*>& rows);

  // The totals handed to WatchToken(token, ...) while no row of contract `token` has come, gone,
  // changed or moved since; null for any other token, and whenever the list or its tokens were not
  // tracked throughout. Lets a sum over one contract's rows be kept while none of them changes.
  // The unfiltered list's totals are kept through a filter and back when meanwhile the journal
  // names only changes in place and appends, none of them of that contract.
  const ContractRowTotals* WatchedTotals(std::int32_t token) const {
    return m_bWatchHolds && m_bValid && token == m_watch.token ? &m_watch.totals : nullptr;
  }
  void WatchToken(std::int32_t token, const ContractRowTotals& totals) {
    m_watch = {token, totals};
    m_bWatchHolds = m_bValid && m_bTokens;
  }

  // Row `row`'s displayed index while the list is tracked (kNotDisplayed otherwise), and back:
  // the row showing displayed index `source` (rowCount when none does). For finding a record the
  // view stayed on after a change that moved it far.
  std::uint32_t SourceOfRow(std::size_t row, std::size_t rowCount) const {
    return m_bValid && m_sources.size() == rowCount && row < rowCount ? m_sources[row] : OrderBookDetails::kNotDisplayed;
  }
  std::size_t RowOfSource(std::uint32_t source, std::size_t rowCount) const {
    if (!m_bValid || m_sources.size() != rowCount) return rowCount;
    const auto it = std::lower_bound(m_sources.begin(), m_sources.end(), source);
    return it != m_sources.end() && *it == source ? static_cast<std::size_t>(it - m_sources.begin()) : rowCount;
  }

  // Refreshes that patched the list instead of rebuilding it.
  std::uint64_t PatchedRefreshes() const { return m_patchedRefreshes; }
  // The side columns' bytes (per row: displayed index, and match key and token once asked for;
  // while a filter is on, the whole book's tokens once they were known unfiltered).
  std::size_t MemoryBytes() const;

  // Filter changes applied to the rows shown instead of the whole book.
  std::uint64_t NarrowedRefreshes() const { return m_narrowedRefreshes; }

  // Removals patched one by one before a rebuild from scratch is cheaper.
  static constexpr std::size_t kMaxRemovals = 64;

  // One change of the list: a record to add before `row`, or the row to drop.
  struct Patch {
    std::size_t row;        // add before / drop this row of the current list
    bool bDrop;
    std::uint32_t source;   // an add: its displayed index
    OrderBookDetails* pRecord = nullptr;  // an add: the record
  };

 private:
  // Before a filter change is applied to the rows: they are brought up to date under the filters
  // they were made with. False when that cannot be done (the caller then rebuilds).
  bool CatchUpForFilterChange(std::vector<OrderBookDetails*>& rows, const Source& source,
                              const VariantDescription& variant);
  // The rows now stand under the source's filters without a rebuild.
  bool FilterChangeApplied(const Source& source);
  // Update's work once the journal's changes are known; `filter` must be the one the rows hold.
  bool CatchUp(std::vector<OrderBookDetails*>& rows, const Source& source, const RowFilter& filter,
             std::span<const DisplayedChange> changes);
  void RemoveSource(std::uint32_t index, std::vector<OrderBookDetails*>& rows);
  // A sorted book moved rows: the staying rows take their new indexes, and each moved record
  // leaves its old row and, when the filters keep it, takes its new one, in one pass over the list.
  bool ApplyReorder(const DisplayedReorder& reorder, std::vector<OrderBookDetails*>& rows, const RowFilter& filter);
  // Sorts m_patches (adds before a drop of the same row; a record named twice counts once) and
  // applies them to the rows and their bookkeeping.
  void ApplyPatches(std::vector<OrderBookDetails*>& rows);
  void Append(std::vector<OrderBookDetails*>& rows, OrderBookDetails* record, std::uint32_t source);
  // A row of this contract came, went, changed or moved.
  void Touch(std::int32_t token) {
    if (token == m_watch.token) m_bWatchHolds = false;
  }
  void TouchBook(std::int32_t token) {
    if (token == m_bookWatch.token) m_bBookWatchHolds = false;
  }

  bool m_bValid = false;
  std::uint64_t m_generation = 0;
  std::uint64_t m_sequence = 0;
  std::uint64_t m_filterRevision = 0;
  std::map<int, MULTIPLEFILTER_PARAM> m_filters;  // what the rows were filtered with
  bool m_b24HrTime = false;
  std::size_t m_parallelRows = SIZE_MAX;  // the source's, for the side columns filled on demand
  std::size_t m_knownSize = 0;          // displayed rows the list accounts for
  std::vector<std::uint32_t> m_sources;  // per row, ascending
  std::vector<SelectionIndex::PackedRowKey> m_keys;  // per row while m_bKeys
  bool m_bKeys = false;
  std::vector<std::int32_t> m_tokens;    // per row while m_bTokens
  bool m_bTokens = false;
  // The token of every displayed row accounted for (m_knownSize), kept from the unfiltered list
  // through the filter changes and the changes the journal names, while m_bBookTokens: the way
  // back to no filter then has the rows' tokens without reading a million records.
  std::vector<std::int32_t> m_bookTokens;
  bool m_bBookTokens = false;
  struct Watch {
    std::int32_t token = 0;
    ContractRowTotals totals;
  };
  Watch m_watch;
  bool m_bWatchHolds = false;  // no row of m_watch.token was touched since WatchToken
  // The unfiltered list's watch, set aside with m_bookTokens; holds while no row of its contract
  // was touched since.
  Watch m_bookWatch;
  bool m_bBookWatchHolds = false;
  std::uint64_t m_patchedRefreshes = 0;
  std::uint64_t m_narrowedRefreshes = 0;

  std::vector<Patch> m_patches;  // scratch
  std::vector<OrderBookDetails*> m_pending;
  std::vector<std::uint32_t> m_froms, m_tos;
  std::vector<std::size_t> m_movedRows;
};
