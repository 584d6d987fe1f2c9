// The store's sort (AppOrderBook::MultiColSortData) of 1M orders by one column (a price) and by
// three (a whole number, a price descending, a text), beside two baselines measured on the same
// records in the same run: the floor (a hand-written std::sort of the same keys read straight
// from the records into one array, one thread) and the peer (Qt's QSortFilterProxyModel sorting
// a QAbstractTableModel whose data() gives the cell values). The sort runs as shipped (keys read
// and compared on every core) and on one thread; every pass must give the same order.
#include "BenchHost.h"
#include "demo/ContractMasterGenerator.h"
#include "demo/OrderBookGenerator.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/ContractMaster.h"
#include "host/GeneralXmlSettings.h"
#include "host/HostLibraries.h"
#include "sortfilter/ColumnSortKeys.h"
#include "view/CellValues.h"
#include "view/ColumnCatalogue.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

const VariantDescription& Pending() { return DescriptionOf(ViewVariant::Pending); }

// The book, built once per base order: the store's natural order (allocation order), or the
// pointers shuffled as a previous sort leaves them.
class Book {
 public:
  static Book& Get(int orders, bool shuffled) { return bench::Cached<Book>(orders, shuffled); }

  Book(int orders, bool shuffled) {
    AppGlobal::ResetForTests();
    AppOrderBook::Clear();
    regGeneralXMLSettings.ResetToDefaults();
    HostLibraries::RegisterDefaults();
    orv::demo::GenerateContracts(m_master, 11, 400);
    InstallContractMaster(&m_master);
    bench::GeneratePendingBook(m_master, orders, shuffled);
    m_base = AppOrderBook::vctDisplayedOrderBook;
    InstallSortKeyExtractors();
  }
  ~Book() {
    AppOrderBook::Clear();
    InstallContractMaster(nullptr);
  }

  const std::vector<OrderBookDetails*>& Base() const { return m_base; }
  void Restore() { AppOrderBook::vctDisplayedOrderBook = m_base; }

 private:
  CScriptDesc m_master;
  std::vector<OrderBookDetails*> m_base;
};

std::string_view ClientOf(const OrderBookDetails& r) { return {r.Client, ::strnlen(r.Client, sizeof r.Client)}; }

// The floor: the keys read straight from the records into one array of structs, a plain
// std::sort on one thread with the previous position as the last key, then the permutation.
struct PriceKey {
  double price;
  std::uint32_t row;
};
struct ThreeKeys {
  double quantity;
  double price;
  std::string_view client;
  std::uint32_t row;
};

template <typename Key, typename Read, typename Less>
void FloorSort(std::vector<OrderBookDetails*>& rows, std::vector<Key>& keys, Read read, Less less) {
  const std::size_t n = rows.size();
  keys.resize(n);
  for (std::size_t i = 0; i < n; ++i) keys[i] = read(*rows[i], static_cast<std::uint32_t>(i));
  std::sort(keys.begin(), keys.end(), less);
  std::vector<OrderBookDetails*> previous = rows;
  for (std::size_t i = 0; i < n; ++i) rows[i] = previous[keys[i].row];
}

void FloorByPrice(std::vector<OrderBookDetails*>& rows) {
  static std::vector<PriceKey> keys;
  FloorSort(
      rows, keys, [](const OrderBookDetails& r, std::uint32_t i) { return PriceKey{r.Price, i}; },
      [](const PriceKey& a, const PriceKey& b) { return a.price != b.price ? a.price < b.price : a.row < b.row; });
}

void FloorByThree(std::vector<OrderBookDetails*>& rows) {
  static std::vector<ThreeKeys> keys;
  FloorSort(
      rows, keys,
      [](const OrderBookDetails& r, std::uint32_t i) {
        return ThreeKeys{static_cast<double>(r.Pending_Qty), r.Price, ClientOf(r), i};
      },
      [](const ThreeKeys& a, const ThreeKeys& b) {
        if (a.quantity != b.quantity) return a.quantity < b.quantity;
        if (a.price != b.price) return a.price > b.price;
        if (const int c = a.client.compare(b.client)) return c < 0;
        return a.row < b.row;
      });
}

// The peer: the same records behind a QAbstractTableModel (numbers as doubles, texts as Latin-1
// strings), sorted by a QSortFilterProxyModel. The proxy sorts by one column at a time with a
// stable sort, so several columns are sorted least significant first.
class OrderTableModel final : public QAbstractTableModel {
 public:
  explicit OrderTableModel(const std::vector<OrderBookDetails*>& rows) : m_rows(rows) {}
  int rowCount(const QModelIndex& = {}) const override { return static_cast<int>(m_rows.size()); }
  int columnCount(const QModelIndex& = {}) const override { return kPendingColumnCount; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole) return {};
    OrderBookDetails* r = m_rows[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (IsNumericValueType(ColumnValueType(column, Pending())))
      return QVariant(GetItemNumberAsStored(*r, column, Pending()));
    CellTextBuffer buffer;
    const std::string_view text = GetItemText(r, column, Pending(), buffer);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  }

 private:
  const std::vector<OrderBookDetails*>& m_rows;
};

std::vector<OrderBookDetails*> PeerSort(const std::vector<OrderBookDetails*>& base,
                                        const std::vector<SortColState>& columns) {
  OrderTableModel model(base);
  QSortFilterProxyModel proxy;
  proxy.setSourceModel(&model);
  proxy.setDynamicSortFilter(false);
  for (auto c = columns.rbegin(); c != columns.rend(); ++c)
    proxy.sort(c->nColumn, c->bAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
  std::vector<OrderBookDetails*> out(base.size());
  for (int i = 0; i < proxy.rowCount(); ++i)
    out[static_cast<std::size_t>(i)] = base[static_cast<std::size_t>(proxy.mapToSource(proxy.index(i, 0)).row())];
  return out;
}

const std::vector<SortColState> kByPrice{{COL_Price, true}};
const std::vector<SortColState> kByThree{{COL_Pending_Qty, true}, {COL_Price, false}, {COL_Client, true}};

void BM_MultiColSortData(benchmark::State& state) {
  const int orders = static_cast<int>(state.range(0));
  const bool three = state.range(1) == 3;
  Book& book = Book::Get(orders, state.range(2) != 0);
  const std::vector<SortColState>& columns = three ? kByThree : kByPrice;
  OrderBookSorter& sorter = AppOrderBook::Sorter(BookKind::Pending);
  const std::size_t shippedThreshold = sorter.ParallelThreshold();
  auto& displayed = AppOrderBook::vctDisplayedOrderBook;

  double sort = 0, serial = 0, floor = 0;
  std::vector<OrderBookDetails*> sorted, serialSorted, floorSorted;
  for (auto _ : state) {
    book.Restore();
    auto t0 = Clock::now();
    AppOrderBook::MultiColSortData(columns);
    const double t = MsSince(t0);
    state.SetIterationTime(t / 1000.0);
    sort += t;
    sorted = displayed;

    book.Restore();
    sorter.SetParallelThreshold(std::numeric_limits<std::size_t>::max());
    auto t1 = Clock::now();
    AppOrderBook::MultiColSortData(columns);
    serial += MsSince(t1);
    sorter.SetParallelThreshold(shippedThreshold);
    serialSorted = displayed;

    book.Restore();
    auto t2 = Clock::now();
    if (three) FloorByThree(displayed);
    else FloorByPrice(displayed);
    floor += MsSince(t2);
    floorSorted = displayed;
  }
  // The peer takes seconds at this size: once per case.
  auto t3 = Clock::now();
  const std::vector<OrderBookDetails*> peerSorted = PeerSort(book.Base(), columns);
  const double peer = MsSince(t3);

  const double n = static_cast<double>(state.iterations());
  sort /= n;
  serial /= n;
  floor /= n;
  if (sorted != serialSorted || sorted != floorSorted || sorted != peerSorted)
    state.SkipWithError("the passes disagree on the order");
  state.counters["sort_ms"] = sort;
  state.counters["serial_ms"] = serial;
  state.counters["floor_ms"] = floor;
  state.counters["peer_ms"] = peer;
  state.counters["sort/floor"] = sort / floor;
  state.counters["serial/floor"] = serial / floor;
  state.counters["peer/sort"] = peer / sort;
  state.counters["cores"] = static_cast<double>(std::thread::hardware_concurrency());
}

constexpr int kNaturalOrder = 0;
constexpr int kAfterSort = 1;

}  // namespace

BENCHMARK(BM_MultiColSortData)
    ->ArgsProduct({{1000000}, {1, 3}, {kNaturalOrder, kAfterSort}})
    ->ArgNames({"orders", "columns", "shuffled"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

BENCHMARK_MAIN();
