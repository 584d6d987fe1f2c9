// The parallel algorithms run on the calling thread alone in this program.
//
// libtbb is not built with ThreadSanitizer, so the hand-over of a task from the thread that
// spawns it to the worker that steals it happens where TSan cannot see it: with workers, every
// parallel sort and for_each is reported as racing with itself (hundreds of reports, all inside
// the standard library's task objects or in data those tasks pass on), and a suppression wide
// enough to silence them would silence our own element code with them. libtbb's profiling hooks
// do not announce the spawn side of that hand-over either, so no bridge can supply the edge.
// One scheduler thread keeps the same code paths (the same tasks, merges and slices) and leaves
// every report TSan makes about the threads we start ourselves meaningful.
#include <oneapi/tbb/global_control.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

class OneSchedulerThread final : public ::testing::Environment {
 public:
  void SetUp() override {
    m_control = std::make_unique<tbb::global_control>(tbb::global_control::max_allowed_parallelism, 1);
  }
  void TearDown() override { m_control.reset(); }

 private:
  std::unique_ptr<tbb::global_control> m_control;
};

[[maybe_unused]] ::testing::Environment* const g_oneSchedulerThread =
    ::testing::AddGlobalTestEnvironment(new OneSchedulerThread);

}  // namespace
