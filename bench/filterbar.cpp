// The filter bar at 1M orders, each figure beside a baseline measured on the same records in the
// same run:
// (a) the candidates an edit is completed from (the distinct symbols of the displayed orders, in
//     case-insensitive order), against a hand-written exact hash-then-sort of the same texts (the
//     floor);
// (b) leaving the symbol edit with a partial entry until the grid shows the completed symbol's
//     rows, against handing the same symbol to the grid directly and the same refresh (what the
//     grid's own filtering costs).
#include "BenchHost.h"
#include "filterbar/EditCandidates.h"
#include "filterbar/OrvOrdersFilter.h"
#include "view/ColumnCatalogue.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

constexpr int kOrders = 1000000;

class Book {
 public:
  static Book& Get() {
    static Book book;
    return book;
  }

  Book() {
    AppGlobal::cOrderSettings_MarketType = "All";
    AppGlobal::cGeneralSettings_OrderBook = "All";
    bench::GeneratePendingBook(m_host.Master(), kOrders, false);
    m_host.Show();
    m_host.Grid().ClearFilter(-1);
    m_bar.OnInitDialog();
    m_bar.SetGrid(&m_host.Grid());
    m_host.Grid().GetOwnerWnd()->bFilterBarShown = true;
    m_bar.EnableTokenChangeControls();
    Tick();
  }

  void Tick() { m_host.Grid().OnTimer(10150); }
  OrvPendingOrdersGrid& Grid() { return m_host.Grid(); }
  OrvOrdersFilter& Bar() { return m_bar; }

 private:
  bench::PendingViewHost m_host;
  OrvOrdersFilter m_bar;
};

std::vector<std::string_view> FloorSymbols(const std::vector<OrderBookDetails*>& orders) {
  std::unordered_set<std::string_view> distinct;
  for (const OrderBookDetails* o : orders) {
    if (!o->pContract) continue;
    const char* s = o->pContract->Symbol_ScriptID;
    distinct.insert(std::string_view(s, ::strnlen(s, sizeof o->pContract->Symbol_ScriptID)));
  }
  std::vector<std::string_view> sorted(distinct.begin(), distinct.end());
  std::sort(sorted.begin(), sorted.end());
  return sorted;
}

void BM_CompletionCandidates(benchmark::State& state) {
  Book& book = Book::Get();
  const auto& displayed = AppOrderBook::vctDisplayedOrderBook;
  const auto& spec = filterbar::SpecOf(filterbar::EditField::Symbol);
  double ours = 0, floor = 0;
  std::size_t distinct = 0, floorDistinct = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    const std::vector<std::string> values = filterbar::CandidateValues(displayed, spec);
    const double t = MsSince(start);
    start = Clock::now();
    const std::vector<std::string_view> baseline = FloorSymbols(displayed);
    floor += MsSince(start);
    ours += t;
    distinct = values.size();
    floorDistinct = baseline.size();
    state.SetIterationTime(t / 1000.0);
  }
  (void)book;
  if (distinct != floorDistinct) state.SkipWithError("the bar and the floor find different symbols");
  const double n = static_cast<double>(state.iterations());
  state.counters["distinct"] = static_cast<double>(distinct);
  state.counters["ours_ms"] = ours / n;
  state.counters["floor_ms"] = floor / n;
  state.counters["ours/floor"] = ours / floor;
}
BENCHMARK(BM_CompletionCandidates)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_LeaveSymbolEdit(benchmark::State& state) {
  Book& book = Book::Get();
  OrvOrdersFilter& bar = book.Bar();
  OrvPendingOrdersGrid& grid = book.Grid();
  double leave = 0, direct = 0;
  int rows = 0, directRows = 0;
  for (auto _ : state) {
    // The bar's entry, then the same symbol straight to the grid; each ends with the refresh.
    bar.m_strAppliedSymbol.clear();
    bar.m_edtSymbol.SetWindowText("NIF");
    auto start = Clock::now();
    bar.OnKillfocusSymbol();
    book.Tick();
    const double t = MsSince(start);
    rows = grid.GetVirtualRowCount();
    const std::string completed = bar.m_edtSymbol.GetWindowText();
    grid.ClearFilter(COL_Symbol_ScriptID);
    book.Tick();
    start = Clock::now();
    grid.SetDefaultDemoFilter(COL_Symbol_ScriptID, completed, false, true, true);
    book.Tick();
    direct += MsSince(start);
    directRows = grid.GetVirtualRowCount();
    grid.ClearFilter(COL_Symbol_ScriptID);
    book.Tick();
    leave += t;
    state.SetIterationTime(t / 1000.0);
  }
  if (rows != directRows || rows == 0) state.SkipWithError("the bar and the direct filter keep different rows");
  const double n = static_cast<double>(state.iterations());
  state.counters["rows"] = rows;
  state.counters["leave_ms"] = leave / n;
  state.counters["direct_ms"] = direct / n;
  state.counters["leave/direct"] = leave / direct;
}
BENCHMARK(BM_LeaveSymbolEdit)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
