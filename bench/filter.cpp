// Column filters at 1M orders, each beside a baseline measured on the same records in the same run:
// (a) a filter change (none to three filters, and back) until the grid's rows are rebuilt, against
//     Qt's QSortFilterProxyModel re-filtering through data() after the same change: through its
//     documented filter-change path (the peer, run once: it takes minutes) and through a wholesale
//     reset (its fastest path, every run);
// (b) the values a header menu offers for a text column with ~2,000 distinct values, against a
//     hand-written hash-then-sort of the distinct texts (the floor).
#include "BenchHost.h"
#include "PendingPeerModel.h"
#include "demo/ContractMasterGenerator.h"
#include "demo/OrderBookGenerator.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/ContractMaster.h"
#include "host/GeneralXmlSettings.h"
#include "host/HostLibraries.h"
#include "host/OrvEnumsMethods.h"
#include "host/platform/Application.h"
#include "view/CellValues.h"
#include "view/ColumnCatalogue.h"
#include "view/OrvPendingOrdersGrid.h"
#include "view/OrvPendingOrdersWnd.h"

#include <QSortFilterProxyModel>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

constexpr int kOrders = 1000000;
constexpr int kClients = 2000;
// The three filters of the change: exchange, side and the two open statuses.
constexpr const char* kExchange = "NSE";
constexpr const char* kSide = "BUY";

class Book {
 public:
  static Book& Get() {
    static Book book;
    return book;
  }

  Book() {
    AppGlobal::cOrderSettings_MarketType = "All";
    AppGlobal::cGeneralSettings_OrderBook = "All";
    AppGlobal::g_bLastOrderSelection = 0;
    std::vector<std::string> clients;
    for (int i = 0; i < kClients; ++i) clients.push_back("CL" + std::to_string(100000 + i * 13));
    bench::GeneratePendingBook(m_host.Master(), kOrders, false, std::move(clients));
    m_host.Show();
    m_host.Grid().ClearFilter(-1);
    Tick();
  }

  // The timer tick a filter change asks for.
  void Tick() { m_host.Grid().OnTimer(10150); }

  void SetThreeFilters() {
    m_host.Grid().SetFilterParam(COL_ExchCode, {kExchange}, false, true, false);
    m_host.Grid().SetFilterParam(COL_B_S, {kSide}, false, true, false);
    m_host.Grid().SetFilterParam(COL_Order_Status, {"Pending", "UnConfirmed"}, false, true, false);
  }
  void ClearThreeFilters() {
    for (int col : {COL_ExchCode, COL_B_S, COL_Order_Status}) m_host.Grid().SetFilterParam(col, {}, true, true, false);
  }

  // Hand-written floor of the offered values: hash every text, keep the distinct ones, sort them.
  std::size_t DistinctClientsFloor(std::vector<std::string>& out) const {
    std::unordered_set<std::string_view> seen;
    seen.reserve(4096);
    for (const OrderBookDetails* r : AppOrderBook::vctDisplayedOrderBook)
      seen.insert(std::string_view(r->Client, ::strnlen(r->Client, sizeof r->Client)));
    std::vector<std::string_view> sorted(seen.begin(), seen.end());
    std::sort(sorted.begin(), sorted.end());
    out.assign(sorted.begin(), sorted.end());
    return out.size();
  }

  OrvPendingOrdersGrid& Grid() { return m_host.Grid(); }

 private:
  bench::PendingViewHost m_host;
};

// The peer filters PendingPeerModel through a QSortFilterProxyModel whose predicate reads the
// cells through data().
class OrderFilterProxy final : public QSortFilterProxyModel {
 public:
  // Qt's documented path for a changed filter: invalidateFilter() patches the current mapping,
  // taking out (or putting back) the rows whose answer changed.
  void ChangeFilter(bool on) {
    m_on = on;
    invalidateFilter();
  }
  // Qt's fastest path: drop the mapping and rebuild it on the next rowCount(), as a model reset
  // would. No order or selection survives it, which a view keeping its selection cannot afford,
  // but it bounds from below what the proxy needs for the same answer.
  void ResetFilter(bool on) {
    m_on = on;
    invalidate();
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex&) const override {
    if (!m_on) return true;
    if (!AppOrderBook::vctDisplayedOrderBook[static_cast<std::size_t>(row)]->pContract) return false;
    const QAbstractItemModel* m = sourceModel();
    if (m->data(m->index(row, COL_ExchCode)).toString() != QLatin1String(kExchange)) return false;
    if (m->data(m->index(row, COL_B_S)).toString() != QLatin1String(kSide)) return false;
    const QString status = m->data(m->index(row, COL_Order_Status)).toString();
    return status == QLatin1String("Pending") || status == QLatin1String("UnConfirmed");
  }

 private:
  bool m_on = false;
};

struct ChangeRows {
  std::size_t filtered = 0;
  std::size_t all = 0;
  bool operator==(const ChangeRows&) const = default;
};

// One filter change there and back in the grid: the three filters set, the tick that applies
// them, the filters cleared, the tick again. Returns milliseconds.
double OurChangePair(Book& book, ChangeRows& rows) {
  auto t0 = Clock::now();
  book.SetThreeFilters();
  book.Tick();
  double t = MsSince(t0);
  rows.filtered = book.Grid().RowVector().size();
  t0 = Clock::now();
  book.ClearThreeFilters();
  book.Tick();
  t += MsSince(t0);
  rows.all = book.Grid().RowVector().size();
  return t;
}

// The same pair in the proxy, through `change` (ChangeFilter or ResetFilter).
template <typename Change>
double PeerChangePair(OrderFilterProxy& proxy, Change change, ChangeRows& rows) {
  auto t0 = Clock::now();
  (proxy.*change)(true);
  rows.filtered = static_cast<std::size_t>(proxy.rowCount());
  (proxy.*change)(false);
  rows.all = static_cast<std::size_t>(proxy.rowCount());
  return MsSince(t0);
}

bool Sensible(const ChangeRows& ours, const ChangeRows& peer) {
  return ours == peer && ours.filtered != 0 && ours.filtered != ours.all;
}

// Against the proxy's fastest (wholesale) re-filter, every run.
void BM_FilterChange(benchmark::State& state) {
  Book& book = Book::Get();
  bench::PendingPeerModel model;
  OrderFilterProxy proxy;
  proxy.setSourceModel(&model);
  (void)proxy.rowCount();
  double ours = 0, peer = 0;
  ChangeRows rows, peerRows;
  for (auto _ : state) {
    const double t = OurChangePair(book, rows);
    state.SetIterationTime(t / 1000.0);
    ours += t;
  }
  // The peer runs apart: its allocations would otherwise leave our next pass a cold cache.
  constexpr int kPeerRuns = 3;
  for (int i = 0; i < kPeerRuns; ++i) peer += PeerChangePair(proxy, &OrderFilterProxy::ResetFilter, peerRows);
  ours /= static_cast<double>(state.iterations());
  peer /= kPeerRuns;
  if (!Sensible(rows, peerRows)) state.SkipWithError("the grid and the peer disagree on the rows kept");
  state.counters["rows_filtered"] = static_cast<double>(rows.filtered);
  state.counters["rows_all"] = static_cast<double>(rows.all);
  // One change is half of a there-and-back pair.
  state.counters["change_ms"] = ours / 2;
  state.counters["peer_reset_ms"] = peer / 2;
  state.counters["peer_reset/change"] = peer / ours;
}

// Against the proxy's documented filter-change path. It patches its mapping range by range, which
// at this size takes minutes, so it runs once.
void BM_FilterChangeQtIncremental(benchmark::State& state) {
  Book& book = Book::Get();
  bench::PendingPeerModel model;
  OrderFilterProxy proxy;
  proxy.setSourceModel(&model);
  (void)proxy.rowCount();
  double ours = 0;
  ChangeRows rows, peerRows;
  for (auto _ : state) {
    for (int i = 0; i < 3; ++i) ours += OurChangePair(book, rows);
    ours /= 3;
    const double peer = PeerChangePair(proxy, &OrderFilterProxy::ChangeFilter, peerRows);
    state.SetIterationTime(peer / 1000.0);
    state.counters["change_ms"] = ours / 2;
    state.counters["peer_ms"] = peer / 2;
    state.counters["peer/change"] = peer / ours;
  }
  if (!Sensible(rows, peerRows)) state.SkipWithError("the grid and the peer disagree on the rows kept");
}

void BM_GetStringList(benchmark::State& state) {
  Book& book = Book::Get();
  double ours = 0, floor = 0;
  std::size_t distinct = 0, floorDistinct = 0;
  std::vector<std::string> values, floorValues;
  bool floorFirst = false;
  for (auto _ : state) {
    // Alternate which pass goes first: the second of a pair finds the records in cache.
    if (floorFirst) {
      auto t1 = Clock::now();
      floorDistinct = book.DistinctClientsFloor(floorValues);
      floor += MsSince(t1);
    }
    values.clear();
    auto t0 = Clock::now();
    book.Grid().GetStringList(values, COL_Client);
    const double t = MsSince(t0);
    state.SetIterationTime(t / 1000.0);
    ours += t;
    distinct = values.size();
    if (!floorFirst) {
      auto t1 = Clock::now();
      floorDistinct = book.DistinctClientsFloor(floorValues);
      floor += MsSince(t1);
    }
    floorFirst = !floorFirst;
  }
  if (distinct != floorDistinct || values != floorValues)
    state.SkipWithError("the grid and the floor offer different values");
  const double n = static_cast<double>(state.iterations());
  state.counters["distinct"] = static_cast<double>(distinct);
  state.counters["ours_ms"] = ours / n;
  state.counters["floor_ms"] = floor / n;
  state.counters["ours/floor"] = ours / floor;
}

}  // namespace

BENCHMARK(BM_FilterChange)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_FilterChangeQtIncremental)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_GetStringList)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

BENCHMARK_MAIN();
