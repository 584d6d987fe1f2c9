// Cancel All and Delete over every shown row of a 1M-order Pending view, beside a floor measured in
// the same run: one walk over the row list that reads each record's key into a vector. The
// longest stretch of the user-interface thread is the figure that counts.
//  - BM_CancelAllToQuestion: the window's Cancel All up to its question (answered No);
//  - BM_CancelAllMarketsShut: the same with two markets shut, so the market check looks up every
//    order;
//  - BM_CancelAllSent: the same answered Yes, and every hand-back delivered, so each order's
//    cancel request reaches the host's order sender;
//  - BM_DeleteSelection: Ctrl+A, then the grid's Cancel of the selection up to the host's message;
//  - BM_GridCancelAll: the context menu's Cancel All (the grid's) up to the host's message.
// The second argument 1 makes every order a working one, so all 1M rows are shown.
//
// The loop is driven as the terminal drives it: the key press is one stretch of the user-interface
// thread, then each pass of the loop (advanceWithin with the terminal's 40 ms budget) is one more;
// a question box ends the stretch it interrupts (the time the user takes is no work of ours) and
// the answer starts the next. longest_ms is the longest of these stretches over the whole case.
#include "BenchHost.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/EntryPointRegistry.h"
#include "host/platform/Application.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace pf = orv::platform;
using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The terminal's budget for one pass of the loop.
constexpr std::int64_t kPassBudgetMs = 40;

std::int64_t g_sent = 0;
int CountingSender(void*, double) {
  ++g_sent;
  return 1;
}

// The stretches of the user-interface thread in one case.
class Stretches final {
 public:
  void Begin() { m_start = Clock::now(); }
  void End() {
    m_longest = std::max(m_longest, MsSince(m_start));
    ++m_count;
  }
  double Longest() const { return m_longest; }
  int Count() const { return m_count; }

 private:
  Clock::time_point m_start = Clock::now();
  double m_longest = 0;
  int m_count = 0;
};

class Book {
 public:
  static Book& Get(int orders, bool allWorking) { return bench::Cached<Book>(orders, allWorking); }

  Book(int orders, bool allWorking) {
    AppGlobal::cOrderSettings_MarketType = "All";
    AppGlobal::cGeneralSettings_OrderBook = "All";
    AppGlobal::bServerConnect = true;
    AppGlobal::bOrderSettings_OrderCancel = 1;
    EntryPointRegistry::Instance().Register(kMainExecutable, "SendCOCOrderExeFn", &CountingSender);
    bench::GeneratePendingBook(m_host.Master(), orders, false);
    if (allWorking) {
      for (OrderBookDetails* record : AppOrderBook::vctAllOrderBook) {
        record->eOrderStatus = ePending;
        std::strncpy(record->Order_Status, "Pending", sizeof record->Order_Status - 1);
      }
    }
    m_host.Show();
    AppOrderBook::IsUpdatePost = 1;
    Grid().OnTimer(10150);
  }
  ~Book() {
    App().MessageBoxes().SetAnswerer({});
    EntryPointRegistry::Instance().Unregister(kMainExecutable, "SendCOCOrderExeFn");
  }

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

  // Every box is answered `answer`; its showing ends the stretch in progress and its answer
  // starts the next.
  void Answer(int answer, Stretches& stretches) {
    App().MessageBoxes().ClearShown();
    App().MessageBoxes().ClearAnswers();
    App().MessageBoxes().SetAnswerer([answer, &stretches](const std::string&, const std::string&, unsigned) {
      stretches.End();
      stretches.Begin();
      return answer;
    });
  }
  // A user's input: one stretch.
  template <typename Input>
  void Press(Stretches& stretches, Input input) {
    stretches.Begin();
    input();
    stretches.End();
  }
  // The terminal's passes until nothing due is left.
  void RunPasses(Stretches& stretches) {
    for (bool more = true; more;) {
      stretches.Begin();
      more = App().Loop().advanceWithin(0, kPassBudgetMs);
      stretches.End();
    }
  }
  void Drain() {
    App().Loop().runPending();
    App().MessageBoxes().SetAnswerer({});
    AppOrderBook::vctCancellation.clear();
  }

 private:
  bench::PendingViewHost m_host;
  std::vector<std::uint32_t> m_keys;
};

template <typename Work>
void Measure(benchmark::State& state, Work work) {
  Book& book = Book::Get(static_cast<int>(state.range(0)), state.range(1) != 0);
  double ours = 0, floor = 0, longest = 0;
  int stretches = 0;
  std::size_t rows = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    rows = book.Floor();
    floor += MsSince(start);
    Stretches taken;
    start = Clock::now();
    work(book, taken);
    ours += MsSince(start);
    longest = std::max(longest, taken.Longest());
    stretches = std::max(stretches, taken.Count());
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["rows"] = static_cast<double>(rows);
  state.counters["ours_ms"] = ours / n;
  state.counters["floor_ms"] = floor / n;
  state.counters["ours/floor"] = ours / floor;
  state.counters["longest_ms"] = longest;
  state.counters["longest/floor"] = longest / (floor / n);
  state.counters["stretches"] = stretches;
}

// From the key press to the question, answered No.
void BM_CancelAllToQuestion(benchmark::State& state) {
  Measure(state, [](Book& book, Stretches& stretches) {
    book.Answer(pf::IDNO, stretches);
    book.Press(stretches, [&] { book.Wnd().OnCancelAll(); });
    book.RunPasses(stretches);
    book.Drain();
  });
}

// The same with NSE derivatives and MCX shut: the market check looks every order up and drops
// those of the shut markets before the question.
void BM_CancelAllMarketsShut(benchmark::State& state) {
  Measure(state, [](Book& book, Stretches& stretches) {
    const auto fo = AppGlobal::g_iFONormalMarketStatus;
    const auto mcx = AppGlobal::iMCX_Status;
    AppGlobal::g_iFONormalMarketStatus = 2;
    AppGlobal::iMCX_Status = 2;
    book.Answer(pf::IDNO, stretches);
    book.Press(stretches, [&] { book.Wnd().OnCancelAll(); });
    book.RunPasses(stretches);
    book.Drain();
    AppGlobal::g_iFONormalMarketStatus = fo;
    AppGlobal::iMCX_Status = mcx;
  });
}

// From the key press to the last hand-back delivered, answered Yes: every shown order's cancel
// reaches the host's sender exactly once.
void BM_CancelAllSent(benchmark::State& state) {
  Measure(state, [&state](Book& book, Stretches& stretches) {
    g_sent = 0;
    book.Wnd().SentOrderCancels().Clear();  // a fresh session: nothing sent yet
    book.Answer(pf::IDYES, stretches);
    book.Press(stretches, [&] { book.Wnd().OnCancelAll(); });
    book.RunPasses(stretches);
    book.Drain();
    if (g_sent != static_cast<std::int64_t>(book.Grid().RowVector().size()))
      state.SkipWithError(("not every shown order was cancelled once: " + std::to_string(g_sent) + " of " +
                           std::to_string(book.Grid().RowVector().size()))
                              .c_str());
  });
}

// Ctrl+A (one stretch), then Delete up to the host's message.
void BM_DeleteSelection(benchmark::State& state) {
  Measure(state, [&state](Book& book, Stretches& stretches) {
    book.Answer(pf::IDYES, stretches);
    book.Press(stretches, [&] { book.Grid().SelectAll(); });
    book.Press(stretches, [&] { book.Grid().OnCancel(); });
    book.RunPasses(stretches);
    if (AppOrderBook::vctCancellation.size() != book.Grid().RowVector().size())
      state.SkipWithError("the list is not the selection");
    book.Drain();
  });
}

// The context menu's Cancel All (the grid's command) up to the host's message.
void BM_GridCancelAll(benchmark::State& state) {
  Measure(state, [&state](Book& book, Stretches& stretches) {
    book.Answer(pf::IDYES, stretches);
    book.Press(stretches, [&] { book.Grid().OnCancelall(); });
    book.RunPasses(stretches);
    if (AppOrderBook::vctCancellation.size() != book.Grid().RowVector().size())
      state.SkipWithError("the list is not every row");
    book.Drain();
  });
}

// Each book is built once: the cases of one book run one after the other.
const bool g_registered = [] {
  const std::pair<const char*, void (*)(benchmark::State&)> cases[] = {{"BM_CancelAllToQuestion", BM_CancelAllToQuestion},
                                                                        {"BM_CancelAllMarketsShut", BM_CancelAllMarketsShut},
                                                                        {"BM_CancelAllSent", BM_CancelAllSent},
                                                                        {"BM_DeleteSelection", BM_DeleteSelection},
                                                                        {"BM_GridCancelAll", BM_GridCancelAll}};
  for (const auto& [orders, allWorking] : {std::pair{100000, 0}, std::pair{1000000, 0}, std::pair{1000000, 1}})
    for (const auto& [name, function] : cases)
      benchmark::RegisterBenchmark(name, function)
          ->Args({orders, allWorking})
          ->ArgNames({"orders", "all_working"})
          ->Unit(benchmark::kMillisecond)
          ->Iterations(3);
  return true;
}();

}  // namespace

BENCHMARK_MAIN();
