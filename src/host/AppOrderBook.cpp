#include "host/AppOrderBook.h"

#include "host/OrvGridCtrl.h"
#include "host/RecordArena.h"
#include "host/SortedDisplayKeeper.h"
#include "host/recordcache/RecordCacheTables.h"
#include "host/recordcache/SqlText.h"

#include <algorithm>
#include <execution>

namespace {

struct BookStorage {
  RecordArena records;  // stable addresses, allocation order
  SortKeyExtractor extractor;
  ColumnComparer comparer;
  OrderBookSorter sorter;
  DisplayedChangeLog journal;
  SortedDisplayKeeper keeper;
};

BookStorage g_pending;
BookStorage g_gtd;
std::vector<OrvGridCtrl*> g_orderBookWnds;

BookStorage& Storage(BookKind kind) { return kind == BookKind::Pending ? g_pending : g_gtd; }

void SortDisplayed(BookKind kind, const std::vector<SortColState>& columns) {
  BookStorage& storage = Storage(kind);
  auto& rows = AppOrderBook::Book(kind).vctDisplayed;
  if (storage.extractor) {
    storage.sorter.Sort(rows, columns, storage.extractor);
    storage.journal.Renumber(rows);
    storage.keeper.Start(columns);
    return;
  }
  auto& comparer = storage.comparer;
  if (columns.empty() || !comparer) return;
  auto less = [&](const OrderBookDetails* a, const OrderBookDetails* b) {
    for (const SortColState& c : columns) {
      int r = comparer(*a, *b, c.nColumn);
      if (r != 0) return c.bAscending ? r < 0 : r > 0;
    }
    return false;
  };
  std::stable_sort(std::execution::par, rows.begin(), rows.end(), less);
  storage.journal.Renumber(rows);
  // Without key extractors nothing can place single records: sorts stay explicit.
  storage.keeper.Stop();
}

void NoteForSorting(BookKind kind, OrderBookDetails* record) {
  SortedDisplayKeeper& keeper = Storage(kind).keeper;
  if (!keeper.Active()) return;
  keeper.Note(record);
  AppOrderBook::Book(kind).IsSortData = 1;
}

}  // namespace

OrderBookRefs AppOrderBook::Book(BookKind kind) {
  if (kind == BookKind::Pending)
    return {vctAllOrderBook, vctDisplayedOrderBook, m_mapAllOrders, IsInsertPost, IsUpdatePost, IsSortData,
            LastSelectedRefNo, map_LastSelectedRefNo, vctModification, vctCancellation};
  return {vctAllGTDOrderBook, vctDisplayedGTDOrderBook, m_mapAllGTDOrders, IsInsertPost_GTD, IsUpdatePost_GTD,
          IsSortData_GTD, LastSelectedRefNoGTD, map_LastSelectedRefNoGTD, vctModificationGTD, vctCancellationGTD};
}

void AppOrderBook::SetOrderBookWnd(OrvGridCtrl* grid) {
  if (grid && std::find(g_orderBookWnds.begin(), g_orderBookWnds.end(), grid) == g_orderBookWnds.end())
    g_orderBookWnds.push_back(grid);
}

void AppOrderBook::RemoveOrderBookWnd(OrvGridCtrl* grid) { std::erase(g_orderBookWnds, grid); }

const std::vector<OrvGridCtrl*>& AppOrderBook::OrderBookWnds() { return g_orderBookWnds; }

void AppOrderBook::SetAvgPrice_InOrderTrade(OrderBookDetails* record) {
  if (!record) return;
  CInMemTradeInfo* trades = CInMemTradeInfo::getClass();
  if (!trades) return;
  std::string sql = SqlText::Format("Select lFillQuantity,dFillPrice From TradeInfo Where lOurOrderNo=%u",
                                    record->RefNo);
  long rows = trades->ExecuteQuery(sql);
  double quantity = 0, value = 0;
  for (long r = 0; r < rows; ++r) {
    double q = static_cast<double>(trades->GetInt64(r, 0));
    quantity += q;
    value += q * trades->GetDouble(r, 1);
  }
  trades->CloseQuery();
  trades->Release();
  if (quantity > 0) record->Avg_Price = value / quantity;
}

void AppOrderBook::MultiColSortData(std::vector<SortColState> columns) { SortDisplayed(BookKind::Pending, columns); }

void AppOrderBook::MultiColSortDataForGTD(std::vector<SortColState> columns) {
  SortDisplayed(BookKind::GTD, columns);
}

void AppOrderBook::SetColumnComparer(BookKind kind, ColumnComparer comparer) {
  Storage(kind).comparer = std::move(comparer);
}

void AppOrderBook::SetSortKeyExtractor(BookKind kind, SortKeyExtractor extractor) {
  Storage(kind).extractor = std::move(extractor);
}

OrderBookSorter& AppOrderBook::Sorter(BookKind kind) { return Storage(kind).sorter; }

std::uint32_t AppOrderBook::KeyOf(BookKind kind, const OrderBookDetails& record) {
  return kind == BookKind::Pending ? record.RefNo : static_cast<std::uint32_t>(record.GTDOrderNo & 0xFFFFFFFFu);
}

OrderBookDetails* AppOrderBook::FirstRecordOf(BookKind kind, std::uint32_t key) {
  OrderRowMap& map = Book(kind).mapAll;
  map.Lock();
  const std::vector<OrderBookDetails*>* rows = map.find(key);
  OrderBookDetails* record = rows && !rows->empty() ? rows->front() : nullptr;
  map.Unlock();
  return record;
}

void AppOrderBook::RecordsOf(BookKind kind, std::uint32_t key, std::vector<OrderBookDetails*>& out) {
  OrderRowMap& map = Book(kind).mapAll;
  map.Lock();
  if (const std::vector<OrderBookDetails*>* rows = map.find(key)) out.insert(out.end(), rows->begin(), rows->end());
  map.Unlock();
}

OrderBookDetails* AppOrderBook::AddOrder(BookKind kind, const OrderBookDetails& record) {
  OrderBookDetails* stored = Storage(kind).records.Add(record);
  OrderBookRefs book = Book(kind);
  book.vctAll.push_back(stored);
  book.vctDisplayed.push_back(stored);
  Storage(kind).journal.RecordAppended(stored, book.vctDisplayed.size() - 1);
  book.mapAll.Lock();
  book.mapAll[KeyOf(kind, *stored)].push_back(stored);
  book.mapAll.Unlock();
  book.IsInsertPost = 1;
  NoteForSorting(kind, stored);
  return stored;
}

void AppOrderBook::MarkUpdated(BookKind kind) {
  Storage(kind).journal.Invalidate();
  Storage(kind).keeper.NoteUnnamedChange();
  if (Storage(kind).keeper.HasWork()) Book(kind).IsSortData = 1;
  Book(kind).IsUpdatePost = 1;
}

void AppOrderBook::MarkUpdated(BookKind kind, OrderBookDetails* record) {
  Storage(kind).journal.RecordChanged(record);
  NoteForSorting(kind, record);
  Book(kind).IsUpdatePost = 1;
}

void AppOrderBook::MarkUpdated(BookKind kind, const std::vector<OrderBookDetails*>& records) {
  for (OrderBookDetails* record : records) {
    Storage(kind).journal.RecordChanged(record);
    NoteForSorting(kind, record);
  }
  Book(kind).IsUpdatePost = 1;
}

bool AppOrderBook::SettleSortedOrder(BookKind kind) {
  BookStorage& storage = Storage(kind);
  if (!storage.keeper.HasWork()) return false;
  auto& rows = Book(kind).vctDisplayed;
  std::vector<DisplayedMove> moves;
  switch (storage.keeper.Settle(rows, storage.journal, storage.extractor, storage.sorter, moves)) {
    case SortedDisplayKeeper::Outcome::Unchanged: return false;
    case SortedDisplayKeeper::Outcome::Moved: storage.journal.RecordReordered(rows, std::move(moves)); return true;
    case SortedDisplayKeeper::Outcome::Resorted: storage.journal.Renumber(rows); return true;
  }
  return false;
}

void AppOrderBook::StopKeepingSorted(BookKind kind) { Storage(kind).keeper.Stop(); }

bool AppOrderBook::KeepsSorted(BookKind kind) { return Storage(kind).keeper.Active(); }

void AppOrderBook::SetChangeJournal(BookKind kind, bool on) { Storage(kind).journal.Enable(Book(kind).vctDisplayed, on); }

AppOrderBook::MemoryUse AppOrderBook::MemoryOf(BookKind kind) {
  OrderBookRefs book = Book(kind);
  MemoryUse use;
  use.records = Storage(kind).records.Bytes();
  use.lists = (book.vctAll.capacity() + book.vctDisplayed.capacity()) * sizeof(OrderBookDetails*);
  // A map node (its link, the key padded to the row list's alignment, the row list) and the list's
  // own block, each with glibc's 16-byte rounding and 8-byte header; and the bucket array.
  constexpr std::size_t kNode = sizeof(void*) + sizeof(std::pair<const std::uint32_t, std::vector<OrderBookDetails*>>);
  constexpr auto block = [](std::size_t bytes) { return (bytes + 8 + 15) / 16 * 16; };
  book.mapAll.Lock();
  use.lists += block(book.mapAll.items().bucket_count() * sizeof(void*));
  for (const auto& [key, rows] : book.mapAll.items()) use.lists += block(kNode) + block(rows.capacity() * sizeof(void*));
  book.mapAll.Unlock();
  return use;
}

DisplayedChangeLog& AppOrderBook::ChangeLog(BookKind kind) { return Storage(kind).journal; }

void AppOrderBook::InvalidateDisplayed(BookKind kind) {
  // The vector may have been replaced: the records' places are numbered anew with the generation.
  Storage(kind).journal.Renumber(Book(kind).vctDisplayed);
}

void AppOrderBook::RemoveOrder(BookKind kind, OrderBookDetails* record) {
  if (!record) return;
  OrderBookRefs book = Book(kind);
  std::erase(book.vctAll, record);
  DisplayedChangeLog& journal = Storage(kind).journal;
  auto& displayed = book.vctDisplayed;
  // With the journal on, the hint finds the row without a walk over a million pointers; the store
  // shows a record once.
  const std::uint32_t hinted = journal.Enabled() ? journal.IndexOf(displayed, record) : OrderBookDetails::kNotDisplayed;
  if (hinted != OrderBookDetails::kNotDisplayed) {
    displayed.erase(displayed.begin() + hinted);
    journal.RecordRemoved(displayed, hinted);
  } else {
    for (auto it = std::find(displayed.begin(), displayed.end(), record); it != displayed.end();
         it = std::find(it, displayed.end(), record)) {
      const auto index = static_cast<std::size_t>(it - displayed.begin());
      it = displayed.erase(it);
      journal.RecordRemoved(displayed, index);
    }
  }
  record->nDisplayedIndex = OrderBookDetails::kNotDisplayed;
  book.mapAll.Lock();
  std::uint32_t key = KeyOf(kind, *record);
  if (auto* rows = book.mapAll.find(key)) {
    std::erase(*rows, record);
    if (rows->empty()) book.mapAll.erase(key);
  }
  book.mapAll.Unlock();
  // The deque keeps the slot; a copy would dangle the views' pointers, so the record stays where
  // it is and only stops being reachable from the store.
  book.IsUpdatePost = 1;
  if (s_removalBatchDepth > 0) {
    s_batchedRemovals.emplace_back(kind, record);
    return;
  }
  TellGridsRemoved(kind, record);
}

void AppOrderBook::TellGridsRemoved(BookKind kind, const OrderBookDetails* record) {
  // A grid polls the flags only while its window is shown: told now, a hidden one cannot go on
  // listing the order. A copy, since a grid's answer may register or leave.
  const std::vector<OrvGridCtrl*> grids = g_orderBookWnds;
  for (OrvGridCtrl* grid : grids) grid->OnStoreRecordRemoved(kind, record);
}

AppOrderBook::RemovalBatch::RemovalBatch() { ++s_removalBatchDepth; }

AppOrderBook::RemovalBatch::~RemovalBatch() {
  if (--s_removalBatchDepth > 0) return;
  // The first record a grid still shows makes it rebuild, which drops the others as well; the
  // later calls then find nothing to do.
  std::vector<std::pair<BookKind, const OrderBookDetails*>> removed;
  removed.swap(s_batchedRemovals);
  for (const auto& [kind, record] : removed) TellGridsRemoved(kind, record);
}

void AppOrderBook::Clear() {
  s_batchedRemovals.clear();  // the records are about to go; the grids are refilled anyway
  for (BookKind kind : {BookKind::Pending, BookKind::GTD}) {
    OrderBookRefs book = Book(kind);
    book.vctAll.clear();
    book.vctDisplayed.clear();
    book.mapAll.clear();
    book.IsInsertPost = book.IsUpdatePost = book.IsSortData = 0;
    book.LastSelected.clear();
    book.mapLastSelected.clear();
    book.vctModification.clear();
    book.vctCancellation.clear();
    Storage(kind).records.Clear();
    Storage(kind).journal.Invalidate();
    Storage(kind).keeper.Stop();
  }
  objOrderBook_IOBLinkOrder.clear();
}
