#pragma once
// The host's in-memory order store. It owns every record; the views hold pointers and read the
// vectors and flags on the user-interface thread.
#include "host/DisplayedChangeLog.h"
#include "host/OrderBookSorter.h"
#include "host/OrderBookTypes.h"
#include "host/records/OrderBookDetails.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <unordered_map>
#include <utility>
#include <vector>

class OrvGridCtrl;

// A map the store and the views lock around reads that must see one state (the cancel-all count).
// Hashed: every caller looks orders up by their number, and a tree of a million nodes cost each
// lookup some twenty cache misses where a hash costs two or three. Nothing walks it in key order.
template <typename K, typename V>
class OrvStdMap {
 public:
  void Lock() const { m_mutex.lock(); }
  void Unlock() const { m_mutex.unlock(); }
  std::size_t size() const { return m_items.size(); }
  bool empty() const { return m_items.empty(); }
  V* find(const K& key) {
    auto it = m_items.find(key);
    return it == m_items.end() ? nullptr : &it->second;
  }
  const V* find(const K& key) const {
    auto it = m_items.find(key);
    return it == m_items.end() ? nullptr : &it->second;
  }
  V& operator[](const K& key) { return m_items[key]; }
  void erase(const K& key) { m_items.erase(key); }
  void clear() { m_items.clear(); }
  const std::unordered_map<K, V>& items() const { return m_items; }

 private:
  std::unordered_map<K, V> m_items;
  mutable std::recursive_mutex m_mutex;
};

using OrderRowMap = OrvStdMap<std::uint32_t, std::vector<OrderBookDetails*>>;
using SelectionMemoryMap = std::unordered_map<std::uint32_t, LastSelectedOrderData_map>;

// Compares two records on one column: negative, zero or positive. The view's column catalogue
// provides it, since the cell value of a column is the view's definition. The store sorts with it
// only while a book has no key extractor (SetSortKeyExtractor), which sorts far faster.
using ColumnComparer = std::function<int(const OrderBookDetails&, const OrderBookDetails&, int column)>;

// Every store member of one book, so code written once serves both books.
struct OrderBookRefs {
  std::vector<OrderBookDetails*>& vctAll;
  std::vector<OrderBookDetails*>& vctDisplayed;
  OrderRowMap& mapAll;
  int& IsInsertPost;
  int& IsUpdatePost;
  int& IsSortData;
  std::vector<LastSelectedOrderData_map>& LastSelected;
  SelectionMemoryMap& mapLastSelected;
  std::vector<std::uint32_t>& vctModification;
  std::vector<std::uint32_t>& vctCancellation;
};

class AppOrderBook final {
 public:
  static inline std::vector<OrderBookDetails*> vctAllOrderBook;
  static inline std::vector<OrderBookDetails*> vctDisplayedOrderBook;
  static inline std::vector<OrderBookDetails*> vctAllGTDOrderBook;
  static inline std::vector<OrderBookDetails*> vctDisplayedGTDOrderBook;
  static inline OrderRowMap m_mapAllOrders;     // RefNo -> order row and leg rows
  static inline OrderRowMap m_mapAllGTDOrders;  // low 32 bits of GTDOrderNo -> rows

  static inline int IsInsertPost = 0, IsUpdatePost = 0, IsSortData = 0;
  static inline int IsInsertPost_GTD = 0, IsUpdatePost_GTD = 0, IsSortData_GTD = 0;

  static inline std::vector<LastSelectedOrderData_map> LastSelectedRefNo, LastSelectedRefNoGTD;
  static inline SelectionMemoryMap map_LastSelectedRefNo, map_LastSelectedRefNoGTD;

  static inline std::vector<std::uint32_t> vctModification, vctModificationGTD;
  static inline std::vector<std::uint32_t> vctCancellation, vctCancellationGTD;
  static inline std::vector<std::uint32_t> objOrderBook_IOBLinkOrder;

  static OrderBookRefs Book(BookKind kind);

  // Registers the grid that shows a book; once per grid.
  static void SetOrderBookWnd(OrvGridCtrl* grid);
  static void RemoveOrderBookWnd(OrvGridCtrl* grid);
  static const std::vector<OrvGridCtrl*>& OrderBookWnds();

  // Fills Avg_Price of a record from its trades in the trade table (left alone without trades).
  static void SetAvgPrice_InOrderTrade(OrderBookDetails* record);

  // Orders the displayed vector by the columns of the list: the first entry is the primary key,
  // later entries break its ties, and rows equal on every column keep their previous order. The
  // keys come from the book's key extractor; a book without one falls back to its column
  // comparer; a book with neither, or an empty list, stays as it is. Runs on the user-interface
  // thread; the comparisons may use every core.
  static void MultiColSortData(std::vector<SortColState> columns);
  static void MultiColSortDataForGTD(std::vector<SortColState> columns);
  // What a book's cells are, given by the view: the extractor of sort keys (preferred) and the
  // comparer of two records. An empty one removes it. Clear() keeps both.
  static void SetSortKeyExtractor(BookKind kind, SortKeyExtractor extractor);
  static void SetColumnComparer(BookKind kind, ColumnComparer comparer);
  // The book's sorter, for its tuning (SetParallelThreshold) and its scratch memory.
  static OrderBookSorter& Sorter(BookKind kind);
  // After a sort by a non-empty list the store keeps the displayed vector in that order: records
  // added and named as changed are noted (raising the sort request, IsSortData), and the next
  // settle puts them where a fresh sort would, renumbering the journal when rows moved. True
  // when the vector changed. A view settles before it reads the vector.
  static bool SettleSortedOrder(BookKind kind);
  static void StopKeepingSorted(BookKind kind);
  static bool KeepsSorted(BookKind kind);

  // --- The host side: how orders enter, change and leave the store. ---
  // Copies the record into the store, appends it to the all and displayed vectors, files it
  // under its key and raises the insert request.
  static OrderBookDetails* AddOrder(BookKind kind, const OrderBookDetails& record);
  // Raises the update request after the host changed records in place. Naming the records lets a
  // view with the journal on re-check only them; without names every record counts as changed.
  static void MarkUpdated(BookKind kind);
  static void MarkUpdated(BookKind kind, OrderBookDetails* record);
  static void MarkUpdated(BookKind kind, const std::vector<OrderBookDetails*>& records);
  // Takes a record out of the vectors and the map and raises the update request. The record's
  // memory stays valid until Clear(), because a view may still hold it until its next rebuild.
  static void RemoveOrder(BookKind kind, OrderBookDetails* record);
  // While one lives, the grids hear of removed records when the outermost one ends instead of at
  // each removal: a host applying many exchange answers at once (nothing else runs meanwhile)
  // then costs each grid one refresh, not one per order taken out.
  class RemovalBatch final {
   public:
    RemovalBatch();
    ~RemovalBatch();
    RemovalBatch(const RemovalBatch&) = delete;
    RemovalBatch& operator=(const RemovalBatch&) = delete;
  };
  static std::uint32_t KeyOf(BookKind kind, const OrderBookDetails& record);
  // The first record filed under a key (the order row of a spread order), read under the map's
  // lock; null when none is.
  static OrderBookDetails* FirstRecordOf(BookKind kind, std::uint32_t key);
  // Every record filed under a key, in filing order, appended to `out` (read under the map's lock).
  static void RecordsOf(BookKind kind, std::uint32_t key, std::vector<OrderBookDetails*>& out);
  // Empties both books and every list and flag (the journals stay as they are set).
  static void Clear();

  // The journal of a book's displayed vector (off by default). A host that turns it on makes every
  // change through the operations above, names the records it changes, and calls
  // InvalidateDisplayed after changing anything else a cell shows (the contract master, names,
  // settings) or the displayed vector itself; views then rebuild from the changes alone.
  static void SetChangeJournal(BookKind kind, bool on);

  // What the store holds for a book: the records' chunks, and its vectors and key map (the map's
  // nodes and their row lists reckoned from the allocator's usual sizes).
  struct MemoryUse {
    std::size_t records = 0;
    std::size_t lists = 0;
  };
  static MemoryUse MemoryOf(BookKind kind);
  static DisplayedChangeLog& ChangeLog(BookKind kind);
  static void InvalidateDisplayed(BookKind kind);

 private:
  static void TellGridsRemoved(BookKind kind, const OrderBookDetails* record);
  static inline int s_removalBatchDepth = 0;
  static inline std::vector<std::pair<BookKind, const OrderBookDetails*>> s_batchedRemovals;
};
