#include "host/platform/EventLoop.h"

#include "TestWindows.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orv::platform {
namespace {

using testing::RecordingWindow;
using Log = std::vector<std::string>;

// A window whose timer handler runs a test-supplied action after logging.
class ScriptedWindow final : public RecordingWindow {
 public:
  using RecordingWindow::RecordingWindow;
  std::function<void(UINT_PTR)> onTimer;
  std::function<void(unsigned)> onMessage;

  void OnTimer(UINT_PTR id) override {
    RecordingWindow::OnTimer(id);
    if (onTimer) onTimer(id);
  }
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override {
    RecordingWindow::OnMessage(msg, wParam, lParam);
    if (onMessage) onMessage(msg);
    return 0;
  }
};

class EventLoopTest : public ::testing::Test {
 protected:
  Application app;
  ApplicationScope scope{app};
  EventLoop& loop = app.Loop();
  Log log;

  std::unique_ptr<ScriptedWindow> MakeWindow(const std::string& name) {
    auto w = std::make_unique<ScriptedWindow>(name, log);
    w->CreateNative(nullptr);
    return w;
  }
};

TEST_F(EventLoopTest, rearming_a_pending_timer_replaces_it) {
  auto w = MakeWindow("a");
  w->SetTimer(7, 100);
  loop.advance(40);
  w->SetTimer(7, 100);  // now due at 140, not 100

  loop.advance(99);
  EXPECT_TRUE(log.empty());
  loop.advance(1);
  EXPECT_EQ(log, (Log{"a timer 7 @140"}));
}

TEST_F(EventLoopTest, a_killed_timer_never_fires_and_killing_twice_reports_nothing_to_kill) {
  auto w = MakeWindow("a");
  w->SetTimer(3, 50);

  EXPECT_TRUE(w->KillTimer(3));
  EXPECT_FALSE(w->KillTimer(3));
  loop.advance(1000);

  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(loop.hasTimer(w.get(), 3));
}

TEST_F(EventLoopTest, delivers_by_due_time_then_by_arm_or_post_order) {
  auto a = MakeWindow("a");
  auto b = MakeWindow("b");
  a->SetTimer(1, 20);  // due 20, armed first
  loop.advance(10);
  b->PostMessage(100);  // due 10
  a->PostMessage(101);  // due 10
  b->SetTimer(2, 10);   // due 20, armed after a's timer

  loop.advance(10);

  EXPECT_EQ(log, (Log{"b msg 100/0 @10", "a msg 101/0 @10", "a timer 1 @20", "b timer 2 @20"}));
}

TEST_F(EventLoopTest, a_budgeted_advance_hands_back_a_burst_part_way_and_the_next_calls_go_on_in_order) {
  auto w = MakeWindow("a");
  for (unsigned i = 0; i < 40; ++i) w->PostMessage(200 + i);
  w->SetTimer(1, 10);  // due after the burst

  EXPECT_TRUE(loop.advanceWithin(10, 0));
  EXPECT_EQ(log.size(), 16u) << "a spent budget ends the call after a few deliveries";
  int calls = 1;
  while (loop.advanceWithin(0, 0)) ++calls;

  EXPECT_EQ(calls, 2);
  Log expected;
  // The clock moved on with the first call; what it left goes late, still ahead of the timer.
  for (unsigned i = 0; i < 40; ++i)
    expected.push_back("a msg " + std::to_string(200 + i) + "/0 @" + (i < 16 ? "0" : "10"));
  expected.push_back("a timer 1 @10");
  EXPECT_EQ(log, expected);
  EXPECT_EQ(loop.pendingCount(), 0u);
}

TEST_F(EventLoopTest, a_handler_that_ends_the_pass_hands_a_budgeted_advance_back_but_not_a_plain_one) {
  auto w = MakeWindow("a");
  // Each delivery of 300 is one slice of long work: it queues the next slice and ends the pass.
  int slices = 0;
  w->onMessage = [&](unsigned msg) {
    if (msg != 300 || ++slices == 3) return;
    w->PostMessage(300);
    loop.endPass();
  };
  w->PostMessage(300);
  w->PostMessage(301);  // other work, already queued behind the first slice

  EXPECT_TRUE(loop.advanceWithin(0, 1000)) << "a pass ends after the slice, whatever its budget left";
  EXPECT_EQ(log, (Log{"a msg 300/0 @0"}));
  EXPECT_TRUE(loop.advanceWithin(0, 1000));
  EXPECT_EQ(log.size(), 3u) << "the work queued before the slice goes first";
  EXPECT_FALSE(loop.advanceWithin(0, 1000));
  EXPECT_EQ(slices, 3);

  // A plain advance runs the slices to the end in one call, and a request made outside a budgeted
  // pass does not cut the next one short.
  slices = 0;
  log.clear();
  w->PostMessage(300);
  loop.advance(0);
  EXPECT_EQ(slices, 3);
  loop.endPass();
  w->PostMessage(301);
  w->PostMessage(302);
  EXPECT_FALSE(loop.advanceWithin(0, 1000));
  EXPECT_EQ(log.size(), 5u);
}

TEST_F(EventLoopTest, the_time_left_of_a_pass_is_known_only_inside_a_budgeted_pass_and_survives_a_nested_one) {
  auto w = MakeWindow("a");
  std::vector<std::int64_t> seen;
  w->onMessage = [&](unsigned msg) {
    seen.push_back(loop.passTimeLeftMs());
    if (msg == 1) {
      w->PostMessage(2);
      loop.advanceWithin(0, 0);  // a modal loop inside the handler, with no budget
      seen.push_back(loop.passTimeLeftMs());
    }
  };
  EXPECT_EQ(loop.passTimeLeftMs(), -1);
  w->PostMessage(1);
  loop.advanceWithin(0, 60000);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_GT(seen[0], 50000);
  EXPECT_EQ(seen[1], 0) << "the nested pass had no budget";
  EXPECT_GT(seen[2], 50000) << "the outer pass's deadline is back";
  EXPECT_EQ(loop.passTimeLeftMs(), -1);
  w->PostMessage(3);
  loop.advance(0);
  EXPECT_EQ(seen.back(), -1) << "a plain advance has no budget to tell";
}

TEST_F(EventLoopTest, posted_messages_wait_for_the_loop_and_run_pending_keeps_the_clock) {
  auto w = MakeWindow("a");
  loop.advance(30);

  EXPECT_TRUE(w->PostMessage(42, 9));
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(loop.msUntilNextTimer(), 0);

  loop.runPending();

  EXPECT_EQ(log, (Log{"a msg 42/9 @30"}));
  EXPECT_EQ(loop.nowMs(), 30);
}

TEST_F(EventLoopTest, work_queued_while_delivering_runs_in_the_same_advance_only_when_due_within_it) {
  auto w = MakeWindow("a");
  w->onTimer = [&](UINT_PTR id) {
    if (id == 1) {
      w->PostMessage(77);
      w->SetTimer(2, 10);  // due 60: beyond this advance
    }
  };
  w->SetTimer(1, 50);

  loop.advance(55);
  EXPECT_EQ(log, (Log{"a timer 1 @50", "a msg 77/0 @50"}));

  loop.advance(5);
  EXPECT_EQ(log.back(), "a timer 2 @60");
}

TEST_F(EventLoopTest, a_window_destroyed_with_pending_work_is_never_called) {
  auto doomed = MakeWindow("doomed");
  doomed->SetTimer(1, 10);
  doomed->PostMessage(5);
  doomed.reset();

  loop.advance(100);

  EXPECT_TRUE(log.empty());
  EXPECT_EQ(loop.pendingCount(), 0u);
}

TEST_F(EventLoopTest, a_window_destroyed_by_an_earlier_delivery_of_the_same_advance_is_never_called) {
  auto killer = MakeWindow("killer");
  auto victim = MakeWindow("victim");
  killer->SetTimer(1, 10);
  victim->SetTimer(1, 20);
  killer->onTimer = [&](UINT_PTR) { victim.reset(); };

  loop.advance(50);

  EXPECT_EQ(log, (Log{"killer timer 1 @10"}));
}

TEST_F(EventLoopTest, run_real_time_delivers_due_timers_and_returns_at_its_limit) {
  auto w = MakeWindow("a");
  w->SetTimer(1, 20);
  const auto start = std::chrono::steady_clock::now();

  loop.runRealTime(60);

  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(log.size(), 1u);
  EXPECT_GE(elapsed, std::chrono::milliseconds(60));
  EXPECT_EQ(loop.nowMs(), 60);
}

TEST_F(EventLoopTest, stop_from_a_handler_ends_run_real_time_early) {
  auto w = MakeWindow("a");
  w->onTimer = [&](UINT_PTR) { loop.stop(); };
  w->SetTimer(1, 20);
  w->onMessage = [&](unsigned) { w->PostMessage(1); };  // endless posting must not starve stop()
  w->PostMessage(1);
  const auto start = std::chrono::steady_clock::now();

  loop.runRealTime(10'000);

  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_FALSE(loop.hasTimer(w.get(), 1));
}

}  // namespace
}  // namespace orv::platform
