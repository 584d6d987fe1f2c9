// The filter bar at 1M orders, each figure beside a baseline measured on the same records in the
// same run:
// (a) the candidates an edit is completed from (the distinct symbols of the displayed orders, in
//     case-insensitive order), against a hand-written exact hash-then-sort of the same texts (the
//     floor);
// (b) the bar's answer to a keystroke (the symbol edit's list for "N") and an arrow step (Down in
//     the symbol edit), the first time, repeated on an unchanged book, and after 50 store changes,
//     against the straightforward copy, parallel case-insensitive sort and unique of the whole
//     displayed vector that every keystroke would otherwise cost;
// (c) leaving the symbol edit with a partial entry until the grid shows the completed symbol's
//     rows, against handing the same symbol to the grid directly and the same refresh (what the
//     grid's own filtering costs).
#include "BenchHost.h"
#include "filterbar/EditCandidates.h"
#include "filterbar/OrvOrdersFilter.h"
#include "view/ColumnCatalogue.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <execution>
#include <random>
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
    // The journal tells the bar's candidate cache what changed.
    AppOrderBook::SetChangeJournal(BookKind::Pending, true);
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

// What a keystroke would cost without anything kept: the displayed vector copied, sorted in
// parallel ignoring case, and reduced to one value per case-insensitive group.
std::size_t CopySortBaseline(const std::vector<OrderBookDetails*>& displayed, std::string_view prefix) {
  const auto& spec = filterbar::SpecOf(filterbar::EditField::Symbol);
  std::vector<OrderBookDetails*> copy = displayed;
  std::erase_if(copy, [&](const OrderBookDetails* o) {
    return !o || !spec.listed(*o) || !spec.value(*o).starts_with(prefix);
  });
  std::sort(std::execution::par, copy.begin(), copy.end(), [&](const OrderBookDetails* a, const OrderBookDetails* b) {
    return filterbar::LessNoCase(spec.value(*a), spec.value(*b));
  });
  std::vector<std::string> values;
  for (const OrderBookDetails* o : copy)
    if (values.empty() || !filterbar::EqualsNoCase(values.back(), spec.value(*o))) values.emplace_back(spec.value(*o));
  return values.size();
}

enum class Case { First, Repeated, After50Changes };

// One store change the journal records: a record's client code edited in place.
void ChangeRecords(int count) {
  static std::mt19937 rng(7);
  auto& displayed = AppOrderBook::Book(BookKind::Pending).vctDisplayed;
  for (int i = 0; i < count; ++i) {
    OrderBookDetails* r = displayed[rng() % displayed.size()];
    r->Client[0] = static_cast<char>('A' + rng() % 26);
    AppOrderBook::MarkUpdated(BookKind::Pending, r);
  }
}

void RunKeystroke(benchmark::State& state, Case which, bool arrow) {
  Book& book = Book::Get();
  OrvOrdersFilter& bar = book.Bar();
  auto& edit = bar.m_edtSymbol;
  const auto& displayed = AppOrderBook::Book(BookKind::Pending).vctDisplayed;
  double ours = 0, base = 0;
  std::size_t answer = 0;
  for (auto _ : state) {
    if (which == Case::First) AppOrderBook::InvalidateDisplayed(BookKind::Pending);
    if (which == Case::After50Changes) ChangeRecords(50);
    if (which == Case::Repeated) {
      // The same request once before, so the timed one finds the book unchanged.
      CStringList warm;
      edit.SetWindowText(arrow ? "ALL" : "N");
      bar.m_bAutoFill = false;
      bar.OnFillAutoCompleteeList(edit.GetDlgCtrlID(), &warm);
      if (arrow) bar.OnUpDownTabEnter(orv::platform::VK_DOWN, edit.GetDlgCtrlID(), &edit);
    }
    // The edit's own request for the written text is swallowed, so the timed call is the first.
    bar.m_bAutoFill = true;
    edit.SetWindowText(arrow ? "ALL" : "N");
    edit.CloseList();
    bar.m_bAutoFill = false;
    CStringList list;
    auto start = Clock::now();
    if (arrow) bar.OnUpDownTabEnter(orv::platform::VK_DOWN, edit.GetDlgCtrlID(), &edit);
    else bar.OnFillAutoCompleteeList(edit.GetDlgCtrlID(), &list);
    const double t = MsSince(start);
    answer = arrow ? edit.GetWindowText().size() : list.size();
    start = Clock::now();
    benchmark::DoNotOptimize(CopySortBaseline(displayed, arrow ? "" : "N"));
    base += MsSince(start);
    ours += t;
    state.SetIterationTime(t / 1000.0);
  }
  if (answer == 0) state.SkipWithError("the bar answered nothing");
  const double n = static_cast<double>(state.iterations());
  state.counters["ours_ms"] = ours / n;
  state.counters["copysort_ms"] = base / n;
  state.counters["ours/copysort"] = ours / base;
}

void BM_ListFirst(benchmark::State& s) { RunKeystroke(s, Case::First, false); }
void BM_ListRepeated(benchmark::State& s) { RunKeystroke(s, Case::Repeated, false); }
void BM_ListAfter50Changes(benchmark::State& s) { RunKeystroke(s, Case::After50Changes, false); }
void BM_ArrowFirst(benchmark::State& s) { RunKeystroke(s, Case::First, true); }
void BM_ArrowRepeated(benchmark::State& s) { RunKeystroke(s, Case::Repeated, true); }
void BM_ArrowAfter50Changes(benchmark::State& s) { RunKeystroke(s, Case::After50Changes, true); }
BENCHMARK(BM_ListFirst)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ListRepeated)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ListAfter50Changes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ArrowFirst)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ArrowRepeated)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ArrowAfter50Changes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

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
