// The refresh tick at 10k, 100k and 1M orders, beside two baselines measured on the same records
// in the same run: the floor (a hand-written copy and remove pass with prefetch) and the peer
// (Qt's QSortFilterProxyModel re-filtering through data()). Also the tick with every row selected,
// the cell request, the status bar totals and the view's memory per order.
#include "BenchHost.h"
#include "PendingPeerModel.h"
#include "demo/ContractMasterGenerator.h"
#include "demo/OrderBookGenerator.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/ContractMaster.h"
#include "host/GeneralXmlSettings.h"
#include "host/GlobalFunctions.h"
#include "host/HostLibraries.h"
#include "host/OrvEnumsMethods.h"
#include "host/platform/Application.h"
#include "sortfilter/ColumnSortKeys.h"
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
#include <random>
#include <set>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The filters of the measurement: the defaults (status, market type, order type) plus side and a
// token list.
constexpr const char* kMarketType = "F";
constexpr const char* kOrderType = "RL";
constexpr const char* kSide = "BUY";
constexpr int kTokenCount = 60;

class Book {
 public:
  static Book& Get(int orders, bool shuffled) { return bench::Cached<Book>(orders, shuffled); }

  Book(int orders, bool shuffled) {
    AppGlobal::cOrderSettings_MarketType = kMarketType;
    AppGlobal::cGeneralSettings_OrderBook = kOrderType;
    bench::GeneratePendingBook(m_host.Master(), orders, shuffled);
    auto& displayed = AppOrderBook::vctDisplayedOrderBook;
    // Filter on the tokens of the first futures contracts met.
    for (OrderBookDetails* r : displayed) {
      if (r->pContract && std::strcmp(r->pContract->Mkt_Seg, kMarketType) == 0) m_tokens.insert(r->lOurToken);
      if (static_cast<int>(m_tokens.size()) == kTokenCount) break;
    }
    m_host.Show();
    Narrow(true);
  }

  // With `narrow` the view shows one side of a few contracts; without, every order the default
  // filters pass (about two thirds of the book).
  void Narrow(bool narrow) {
    std::vector<std::string> tokenTexts;
    for (std::int32_t t : m_tokens) tokenTexts.push_back(std::to_string(t));
    m_host.Grid().SetDefaultDemoFilter(COL_B_S, narrow ? kSide : "All", false, true, false);
    m_host.Grid().SetFilterParam(COL_lOurToken, narrow ? tokenTexts : std::vector<std::string>{}, !narrow, true, false);
    Tick();
  }

  void Tick() {
    AppOrderBook::IsUpdatePost = 1;
    m_host.Grid().OnTimer(10150);
  }

  // Hand-written floor: copy the pointer vector, then one order-keeping remove pass comparing the
  // same fields in place, with prefetch.
  std::size_t Floor() {
    const auto& displayed = AppOrderBook::vctDisplayedOrderBook;
    m_floorRows = displayed;
    const std::size_t n = m_floorRows.size();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < n; ++i) {
      if (i + 8 < n) {
        __builtin_prefetch(&m_floorRows[i + 8]->eOrderLeg);
        __builtin_prefetch(&m_floorRows[i + 8]->Order_Type);
      }
      OrderBookDetails* r = m_floorRows[i];
      if (!r->pContract) continue;
      if (r->eOrderStatus != ePending && r->eOrderStatus != eUnConfirmed) continue;
      if (std::strcmp(r->pContract->Mkt_Seg, kMarketType) != 0) continue;
      if (std::strcmp(r->Order_Type, kOrderType) != 0) continue;
      if (std::strcmp(r->B_S, kSide) != 0) continue;
      if (!m_tokens.count(r->lOurToken)) continue;
      m_floorRows[kept++] = r;
    }
    m_floorRows.resize(kept);
    return kept;
  }

  OrvPendingOrdersGrid& Grid() { return m_host.Grid(); }
  const std::set<std::int32_t>& Tokens() const { return m_tokens; }
  const std::vector<OrderBookDetails*>& FloorRows() const { return m_floorRows; }

 private:
  bench::PendingViewHost m_host;
  std::set<std::int32_t> m_tokens;
  std::vector<OrderBookDetails*> m_floorRows;
};

// The peer filters PendingPeerModel through a QSortFilterProxyModel whose predicate reads the
// cells through data().
class OrderFilterProxy final : public QSortFilterProxyModel {
 public:
  explicit OrderFilterProxy(const std::set<std::int32_t>& tokens) : m_tokens(tokens) {}
  void Refilter() { invalidateFilter(); }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex&) const override {
    const QAbstractItemModel* m = sourceModel();
    if (!AppOrderBook::vctDisplayedOrderBook[static_cast<std::size_t>(row)]->pContract) return false;
    QString status = m->data(m->index(row, COL_Order_Status)).toString();
    if (status != QLatin1String("Pending") && status != QLatin1String("UnConfirmed")) return false;
    if (m->data(m->index(row, COL_Mkt_Seg)).toString() != QLatin1String(kMarketType)) return false;
    if (m->data(m->index(row, COL_Order_Type)).toString() != QLatin1String(kOrderType)) return false;
    if (m->data(m->index(row, COL_B_S)).toString() != QLatin1String(kSide)) return false;
    return m_tokens.count(m->data(m->index(row, COL_lOurToken)).toInt()) != 0;
  }

 private:
  const std::set<std::int32_t>& m_tokens;
};

void BM_RefreshTick(benchmark::State& state) {
  const int orders = static_cast<int>(state.range(0));
  const bool shuffled = state.range(1) != 0;
  Book& book = Book::Get(orders, shuffled);
  AppGlobal::g_bLastOrderSelection = 0;
  bench::PendingPeerModel model;
  OrderFilterProxy proxy(book.Tokens());
  proxy.setSourceModel(&model);
  double tick = 0, floor = 0, peer = 0;
  std::size_t rows = 0, floorRows = 0, peerRows = 0;
  bool floorFirst = false;
  for (auto _ : state) {
    // Alternate which pass goes first: the second pass of a pair finds the page tables warm.
    if (floorFirst) {
      auto t1 = Clock::now();
      floorRows = book.Floor();
      floor += MsSince(t1);
    }
    auto t0 = Clock::now();
    book.Tick();
    double t = MsSince(t0);
    state.SetIterationTime(t / 1000.0);
    tick += t;
    if (!floorFirst) {
      auto t1 = Clock::now();
      floorRows = book.Floor();
      floor += MsSince(t1);
    }
    floorFirst = !floorFirst;
    rows = book.Grid().RowVector().size();
  }
  // The peer runs apart: its allocations would otherwise leave the next pass a cold cache.
  const int peerRuns = orders >= 1000000 ? 3 : 5;
  for (int i = 0; i < peerRuns; ++i) {
    auto t2 = Clock::now();
    proxy.Refilter();
    peerRows = static_cast<std::size_t>(proxy.rowCount());  // the proxy filters when asked
    peer += MsSince(t2);
  }
  const double n = static_cast<double>(state.iterations());
  peer = peer / peerRuns * n;
  if (rows != floorRows || rows != peerRows)
    state.SkipWithError("the three passes disagree on the rows kept");
  state.counters["rows"] = static_cast<double>(rows);
  state.counters["tick_ms"] = tick / n;
  state.counters["floor_ms"] = floor / n;
  state.counters["peer_ms"] = peer / n;
  state.counters["tick/floor"] = tick / floor;
  state.counters["peer/tick"] = peer / tick;
  state.counters["view_B/order"] =
      static_cast<double>(book.Grid().RowVector().capacity() * sizeof(void*)) / static_cast<double>(orders);
}

// The mean of a few full ticks: the baseline the selected and the journal ticks are set against.
double MeanTickMs(Book& book) {
  constexpr int kRuns = 3;
  double total = 0;
  for (int i = 0; i < kRuns; ++i) {
    auto t = Clock::now();
    book.Tick();
    total += MsSince(t);
  }
  return total / kRuns;
}

void BM_RefreshTickAllSelected(benchmark::State& state) {
  const int orders = static_cast<int>(state.range(0));
  Book& book = Book::Get(orders, state.range(1) != 0);
  AppGlobal::g_bLastOrderSelection = 0;
  const double plain = MeanTickMs(book);
  AppGlobal::g_bLastOrderSelection = 1;
  book.Grid().SelectAll();
  double selected = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    book.Tick();
    double t = MsSince(t0);
    state.SetIterationTime(t / 1000.0);
    selected += t;
  }
  selected /= static_cast<double>(state.iterations());
  if (book.Grid().GetSelectionCount() != 1 || book.Grid().GetSelectionRanges()[0].RowCount() !=
                                                   static_cast<int>(book.Grid().RowVector().size()))
    state.SkipWithError("the select-all did not survive the rebuild");
  state.counters["rows"] = static_cast<double>(book.Grid().RowVector().size());
  state.counters["selected_ms"] = selected;
  state.counters["unselected_ms"] = plain;
  state.counters["selected/unselected"] = selected / plain;
  // The grid's lists and the selection index, which holds every row.
  state.counters["view_B/row"] =
      static_cast<double>(book.Grid().MemoryBytes()) / static_cast<double>(book.Grid().RowVector().size());
  AppGlobal::g_bLastOrderSelection = 0;
  book.Grid().ClearSelection();
}

// A tick after a burst of store changes (a 50 ms tick at 1,000 changes a second): with the store's
// journal on, the grid re-checks only the named records; beside it, the tick that re-filters the
// whole book, measured on the same book in the same run.
void BM_JournalTick(benchmark::State& state) {
  Book& book = Book::Get(static_cast<int>(state.range(0)), state.range(1) != 0);
  constexpr int kChangesPerTick = 50;
  AppGlobal::g_bLastOrderSelection = 1;
  book.Grid().SetCurSel({0, 0}, 160, true);
  const double full = MeanTickMs(book);

  AppOrderBook::SetChangeJournal(BookKind::Pending, true);
  book.Tick();  // the first one rebuilds and starts following the journal
  auto& displayed = AppOrderBook::vctDisplayedOrderBook;
  std::mt19937 rng(3);
  std::vector<std::pair<OrderBookDetails*, OrderStatusIdentifier>> touched;
  double journal = 0;
  for (auto _ : state) {
    state.PauseTiming();
    // Orders trade (leave the filters) or come back: half of the changes move a row.
    for (int c = 0; c < kChangesPerTick; ++c) {
      OrderBookDetails* r = displayed[rng() % displayed.size()];
      touched.emplace_back(r, r->eOrderStatus);
      r->eOrderStatus = r->eOrderStatus == eCompleted ? ePending : (c % 2 ? eCompleted : r->eOrderStatus);
      AppOrderBook::MarkUpdated(BookKind::Pending, r);
    }
    state.ResumeTiming();
    auto t0 = Clock::now();
    book.Grid().OnTimer(10150);
    double t = MsSince(t0);
    state.SetIterationTime(t / 1000.0);
    journal += t;
  }
  journal /= static_cast<double>(state.iterations());
  const bool patched = book.Grid().PatchedRefreshes() >= static_cast<std::uint64_t>(state.iterations());
  book.Floor();
  if (!patched) state.SkipWithError("the ticks did not follow the journal");
  else if (book.Grid().RowVector() != book.FloorRows()) state.SkipWithError("the patched rows differ from a rebuild");
  state.counters["rows"] = static_cast<double>(book.Grid().RowVector().size());
  state.counters["journal_ms"] = journal;
  state.counters["full_ms"] = full;
  state.counters["full/journal"] = full / journal;
  AppOrderBook::SetChangeJournal(BookKind::Pending, false);
  for (auto it = touched.rbegin(); it != touched.rend(); ++it) it->first->eOrderStatus = it->second;
  AppGlobal::g_bLastOrderSelection = 0;
  book.Tick();
}

// The same burst on a view sorted by three columns: the store puts each new and changed order
// where a fresh sort would (50 changes a tick: a fifth of them new orders, two fifths price
// changes that move their row, the rest trades), then the grid refreshes. Beside it, the tick that
// re-filters the whole book, and the store's full sort it replaces, in the same run.
void BM_SortedJournalTick(benchmark::State& state) {
  Book& book = Book::Get(static_cast<int>(state.range(0)), state.range(1) != 0);
  const bool wholeView = state.range(2) != 0;
  if (wholeView) book.Narrow(false);
  constexpr int kChangesPerTick = 50;
  const std::vector<SortColState> byThree{{COL_Pending_Qty, true}, {COL_Price, false}, {COL_Client, true}};
  auto t0 = Clock::now();
  AppOrderBook::MultiColSortData(byThree);
  const double fullSort = MsSince(t0);
  const double full = MeanTickMs(book);
  AppOrderBook::SetChangeJournal(BookKind::Pending, true);
  book.Tick();
  auto& displayed = AppOrderBook::vctDisplayedOrderBook;
  std::mt19937 rng(5);
  std::vector<std::pair<OrderBookDetails*, double>> repriced;
  std::vector<OrderBookDetails*> added;
  double ticks = 0, settleMs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (int c = 0; c < kChangesPerTick; ++c) {
      OrderBookDetails* r = displayed[rng() % displayed.size()];
      if (c % 5 == 0) {
        OrderBookDetails copy = *r;
        copy.RefNo = 0x7F000000u + static_cast<std::uint32_t>(added.size());
        added.push_back(AppOrderBook::AddOrder(BookKind::Pending, copy));
        continue;
      }
      if (c % 5 <= 2) {
        repriced.emplace_back(r, r->Price);
        r->Price += (rng() % 2 ? 0.05 : -0.05) * static_cast<double>(1 + rng() % 40);
      } else {
        r->Traded_Qty += 1;
      }
      AppOrderBook::MarkUpdated(BookKind::Pending, r);
    }
    state.ResumeTiming();
    t0 = Clock::now();
    AppOrderBook::SettleSortedOrder(BookKind::Pending);
    settleMs += MsSince(t0);
    book.Grid().OnTimer(10150);
    const double t = MsSince(t0);
    state.SetIterationTime(t / 1000.0);
    ticks += t;
  }
  ticks /= static_cast<double>(state.iterations());
  std::vector<OrderBookDetails*> resorted = displayed;
  AppOrderBook::Sorter(BookKind::Pending).Sort(resorted, byThree, ColumnSortKeyExtractor(DescriptionOf(ViewVariant::Pending)));
  if (resorted != displayed) state.SkipWithError("the kept order differs from a fresh sort");
  state.counters["rows"] = static_cast<double>(book.Grid().RowVector().size());
  state.counters["tick_ms"] = ticks;
  state.counters["settle_ms"] = settleMs / static_cast<double>(state.iterations());
  state.counters["full_tick_ms"] = full;
  state.counters["full_sort_ms"] = fullSort;
  state.counters["full_tick/tick"] = full / ticks;
  // While the journal is on, a removal finds its row from the record's hint, not by a search.
  for (OrderBookDetails* r : added) AppOrderBook::RemoveOrder(BookKind::Pending, r);
  AppOrderBook::SetChangeJournal(BookKind::Pending, false);
  for (auto it = repriced.rbegin(); it != repriced.rend(); ++it) it->first->Price = it->second;
  AppOrderBook::StopKeepingSorted(BookKind::Pending);
  if (wholeView) book.Narrow(true);
  book.Tick();
}

void BM_CellRequest(benchmark::State& state) {
  Book& book = Book::Get(static_cast<int>(state.range(0)), state.range(1) != 0);
  auto& grid = book.Grid();
  const int rows = std::min(grid.GetVirtualRowCount(), 40);
  orv::platform::DispInfo info;
  std::size_t cells = 0;
  for (auto _ : state) {
    for (int r = 0; r < rows; ++r) {
      for (int c = 0; c < 69; ++c) {
        info.item.nRow = r;
        info.item.nCol = c;
        grid.GetItemValue(&info);
        benchmark::DoNotOptimize(info.value);
        ++cells;
      }
    }
  }
  state.counters["ns/cell"] = benchmark::Counter(static_cast<double>(cells), benchmark::Counter::kIsRate |
                                                                             benchmark::Counter::kInvert);
}

void BM_StatusbarValues(benchmark::State& state) {
  Book& book = Book::Get(static_cast<int>(state.range(0)), state.range(1) != 0);
  auto& grid = book.Grid();
  AppGlobal::g_bLastOrderSelection = 0;
  grid.SetCurSel({0, 0}, 160, false);
  OrderBookDetails* record = grid.RecordAtRow(0);
  if (!record) {
    state.SkipWithError("no rows");
    return;
  }
  const std::string symbol = record->pContract ? record->pContract->Symbol_ScriptID : "";
  for (auto _ : state) grid.SetStatusbarValues(record->lOurToken, symbol, "");
}

// Unfiltered rows for the totals: they walk the whole row list.
constexpr int kAllocationOrder = 0;
constexpr int kAfterSort = 1;

}  // namespace

BENCHMARK(BM_RefreshTick)
    ->ArgsProduct({{10000, 100000, 1000000}, {kAllocationOrder, kAfterSort}})
    ->ArgNames({"orders", "sorted"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(BM_JournalTick)
    ->Args({1000000, kAfterSort})
    ->ArgNames({"orders", "sorted"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);
BENCHMARK(BM_SortedJournalTick)
    ->ArgsProduct({{1000000}, {kAfterSort}, {0, 1}})
    ->ArgNames({"orders", "sorted", "whole"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200);
BENCHMARK(BM_CellRequest)->Args({1000000, kAfterSort})->ArgNames({"orders", "sorted"});
BENCHMARK(BM_StatusbarValues)->Args({1000000, kAfterSort})->ArgNames({"orders", "sorted"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshTickAllSelected)
    ->Args({1000000, kAfterSort})
    ->ArgNames({"orders", "sorted"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

BENCHMARK_MAIN();
