// The live order flow and the loop that times it, run on a thread of their own while another
// thread waits for them and then stops them: the one hand-over the loop allows across threads is
// stop(), and everything the flow wrote must be seen whole once that thread has been joined.
#include "demo/ContractMasterGenerator.h"
#include "demo/OrderBookGenerator.h"
#include "demo/SimulatedExchange.h"
#include "host/demo/DemoFixture.h"
#include "host/platform/Application.h"

#include <chrono>
#include <future>
#include <thread>

namespace {

using namespace orv::demo;
namespace pf = orv::platform;

// Tells the waiting thread, from inside the first delivery, that runRealTime is under way: a stop
// sent before it runs would be dropped.
class RunningSignal final : public pf::Window {
 public:
  explicit RunningSignal(std::promise<pf::EventLoop*>& running) : m_running(running) {}
  void OnTimer(pf::UINT_PTR) override { m_running.set_value(&App().Loop()); }

 private:
  std::promise<pf::EventLoop*>& m_running;
};

class ExchangeOnLoopThread : public DemoFixture {
 protected:
  void SetUp() override {
    DemoFixture::SetUp();
    InstallBook(2, 60, 200, 3);
  }
};

TEST_F(ExchangeOnLoopThread, a_stop_from_another_thread_ends_the_flow_and_its_changes_are_all_there_after_the_join) {
  std::promise<pf::EventLoop*> running;
  std::future<pf::EventLoop*> started = running.get_future();
  ExchangeCounters counters;
  std::size_t storeSize = 0;
  std::thread loopThread([&] {
    pf::Application app;
    pf::ApplicationScope scope(app);
    ExchangeFlowSpec flow;
    flow.changesPerSecond = 2000;
    flow.seed = 9;
    SimulatedExchange exchange(m_master, flow);
    if (!exchange.Start()) {
      running.set_value(nullptr);
      return;
    }
    RunningSignal signal(running);
    signal.CreateNative(nullptr);
    signal.SetTimer(1, 0);
    app.Loop().runRealTime(20'000);
    exchange.Stop();
    counters = exchange.Counters();
    storeSize = AppOrderBook::Book(BookKind::Pending).vctAll.size();
  });
  pf::EventLoop* loop =
      started.wait_for(std::chrono::seconds(10)) == std::future_status::ready ? started.get() : nullptr;
  if (loop) std::this_thread::sleep_for(std::chrono::milliseconds(150));
  const auto stopped = std::chrono::steady_clock::now();

  if (loop) loop->stop();
  loopThread.join();

  ASSERT_NE(loop, nullptr) << "the exchange never ran";
  EXPECT_LT(std::chrono::steady_clock::now() - stopped, std::chrono::seconds(2)) << "the stop was heard";
  EXPECT_GT(counters.StoreChanges(), 0u);
  EXPECT_EQ(storeSize, AppOrderBook::Book(BookKind::Pending).vctAll.size());
  EXPECT_GT(storeSize, 200u) << "new orders arrived";
}

}  // namespace
