// Cancel All and Delete over every shown row of a 1M-order Pending view, beside a floor measured in
// the same run: one walk over the row list that reads each record's key into a vector.
//  - BM_CancelAllToQuestion: the window's Cancel All up to its question (answered No);
//  - BM_CancelAllSent: the same answered Yes, and every hand-back delivered, so each order's
//    cancel request reaches the host's order sender;
//  - BM_DeleteSelection: Ctrl+A, then the grid's Cancel of the selection up to the host's message.
#include "BenchHost.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/EntryPointRegistry.h"
#include "host/platform/Application.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace {

namespace pf = orv::platform;
using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::int64_t g_sent = 0;
int CountingSender(void*, double) {
  ++g_sent;
  return 1;
}

class Book {
 public:
  static Book& Get(int orders) { return bench::Cached<Book>(orders, false); }

  Book(int orders, bool /*shuffled*/) {
    AppGlobal::cOrderSettings_MarketType = "All";
    AppGlobal::cGeneralSettings_OrderBook = "All";
    AppGlobal::bServerConnect = true;
    AppGlobal::bOrderSettings_OrderCancel = 1;
    EntryPointRegistry::Instance().Register(kMainExecutable, "SendCOCOrderExeFn", &CountingSender);
    bench::GeneratePendingBook(m_host.Master(), orders, false);
    m_host.Show();
    AppOrderBook::IsUpdatePost = 1;
    Grid().OnTimer(10150);
  }
  ~Book() { EntryPointRegistry::Instance().Unregister(kMainExecutable, "SendCOCOrderExeFn"); }

  OrvPendingOrdersGrid& Grid() { return m_host.Grid(); }
  OrvPendingOrdersWnd& Wnd() { return *static_cast<OrvPendingOrdersWnd*>(Grid().GetOwnerWnd()); }
  pf::Application& App() { return *pf::Application::Current(); }

  std::size_t Floor() {
    const auto& rows = Grid().RowVector();
    m_keys.clear();
    m_keys.reserve(rows.size());
    for (const OrderBookDetails* r : rows) m_keys.push_back(AppOrderBook::KeyOf(BookKind::Pending, *r));
    return m_keys.size();
  }

  void Answer(int answer) {
    App().MessageBoxes().ClearShown();
    App().MessageBoxes().QueueAnswer(answer);
  }
  void Drain() {
    App().Loop().runPending();
    AppOrderBook::vctCancellation.clear();
  }

 private:
  bench::PendingViewHost m_host;
  std::vector<std::uint32_t> m_keys;
};

template <typename Work>
void Measure(benchmark::State& state, Work work) {
  Book& book = Book::Get(static_cast<int>(state.range(0)));
  double ours = 0, floor = 0;
  std::size_t rows = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    rows = book.Floor();
    floor += MsSince(start);
    start = Clock::now();
    work(book);
    ours += MsSince(start);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["rows"] = static_cast<double>(rows);
  state.counters["ours_ms"] = ours / n;
  state.counters["floor_ms"] = floor / n;
  state.counters["ours/floor"] = ours / floor;
}

void BM_CancelAllToQuestion(benchmark::State& state) {
  Measure(state, [](Book& book) {
    book.Answer(pf::IDNO);
    book.Wnd().OnCancelAll();
    book.Drain();
  });
}

// The Yes answer's walk (one stretch of the user-interface thread) and the deliveries of the hand-
// backs as the terminal makes them: passes of at most 40 ms, with the longest pass reported.
void BM_CancelAllSent(benchmark::State& state) {
  double walk = 0, longest = 0;
  Measure(state, [&](Book& book) {
    g_sent = 0;
    book.Wnd().SentOrderCancels().Clear();  // a fresh session: nothing sent yet
    book.Answer(pf::IDYES);
    auto start = Clock::now();
    book.Wnd().OnCancelAll();
    walk += MsSince(start);
    for (bool more = true; more;) {
      start = Clock::now();
      more = book.App().Loop().advanceWithin(0, 40);
      longest = std::max(longest, MsSince(start));
    }
    book.Drain();
    if (g_sent != static_cast<std::int64_t>(book.Grid().RowVector().size()))
      state.SkipWithError(("not every shown order was cancelled once: " + std::to_string(g_sent) + " of " +
                           std::to_string(book.Grid().RowVector().size()))
                              .c_str());
  });
  state.counters["walk_ms"] = walk / static_cast<double>(state.iterations());
  state.counters["longest_pass_ms"] = longest;
}

void BM_DeleteSelection(benchmark::State& state) {
  Measure(state, [&state](Book& book) {
    book.Answer(pf::IDYES);
    book.Grid().SelectAll();
    book.Grid().OnCancel();
    if (AppOrderBook::vctCancellation.size() != book.Grid().RowVector().size())
      state.SkipWithError("the list is not the selection");
    book.Drain();
  });
}

}  // namespace

BENCHMARK(BM_CancelAllToQuestion)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CancelAllSent)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DeleteSelection)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
