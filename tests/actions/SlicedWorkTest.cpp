// Long work in slices: the first slice in the starting call, one slice per pass of the loop after
// it, the rest at once on demand, and nothing left behind once work is finished or replaced.
#include "actions/SlicedWork.h"

#include "host/platform/Application.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <vector>

namespace {

namespace pf = orv::platform;

class SlicedWorkTest : public ::testing::Test {
 protected:
  SlicedWorkTest() {
    owner.CreateNative(nullptr);
    SlicedWork::SetTimeBoundSlices(false);
    SlicedWork::SetRowsPerSlice(4);
  }
  ~SlicedWorkTest() override {
    SlicedWork::SetRowsPerSlice(0);
    SlicedWork::SetTimeBoundSlices(true);
  }

  // Work over `rows` rows that notes which rows each slice took.
  SlicedWork::Step Rows(std::size_t rows, std::vector<std::vector<std::size_t>>& slices) {
    auto next = std::make_shared<std::size_t>(0);
    return [rows, next, &slices](SliceBudget& budget) {
      slices.emplace_back();
      while (*next < rows && budget.Take()) slices.back().push_back((*next)++);
      return *next == rows;
    };
  }

  pf::Application app;
  pf::ApplicationScope scope{app};
  pf::Window owner;
};

TEST_F(SlicedWorkTest, work_of_one_slice_ends_in_the_call_and_longer_work_takes_one_slice_per_pass) {
  SlicedWork work(owner);
  std::vector<std::vector<std::size_t>> slices;
  work.Start(Rows(3, slices));
  EXPECT_FALSE(work.IsRunning());
  EXPECT_EQ(slices, (std::vector<std::vector<std::size_t>>{{0, 1, 2}}));
  EXPECT_EQ(app.Loop().pendingCount(), 0u) << "nothing queued for work that is over";

  slices.clear();
  work.Start(Rows(10, slices));
  EXPECT_TRUE(work.IsRunning());
  EXPECT_EQ(slices.size(), 1u) << "the first slice runs at once";
  EXPECT_TRUE(app.Loop().advanceWithin(0, 1000)) << "a slice ends the terminal's pass";
  EXPECT_EQ(slices.size(), 2u);
  EXPECT_FALSE(app.Loop().advanceWithin(0, 1000));
  EXPECT_FALSE(work.IsRunning());
  EXPECT_EQ(slices, (std::vector<std::vector<std::size_t>>{{0, 1, 2, 3}, {4, 5, 6, 7}, {8, 9}}));
}

TEST_F(SlicedWorkTest, finishing_runs_the_rest_now_and_a_new_start_finishes_the_old_work_first) {
  SlicedWork work(owner);
  std::vector<std::vector<std::size_t>> first, second;
  work.Start(Rows(10, first));
  work.Finish();
  EXPECT_FALSE(work.IsRunning());
  EXPECT_EQ(first.size(), 2u);
  EXPECT_EQ(first.back().back(), 9u);
  app.Loop().runPending();
  EXPECT_EQ(first.size(), 2u) << "the slice queued before the finish finds nothing to do";

  first.clear();
  work.Start(Rows(10, first));
  work.Start(Rows(5, second));
  EXPECT_EQ(first.back().back(), 9u) << "the old work ended before the new one began";
  ASSERT_TRUE(work.IsRunning());
  app.Loop().runPending();
  EXPECT_EQ(first.size(), 2u) << "the old work's queued slice belongs to nobody now";
  EXPECT_EQ(second, (std::vector<std::vector<std::size_t>>{{0, 1, 2, 3}, {4}}));
}

TEST_F(SlicedWorkTest, stopped_work_never_runs_again_and_an_owner_without_a_window_gets_it_all_at_once) {
  SlicedWork work(owner);
  std::vector<std::vector<std::size_t>> slices;
  work.Start(Rows(10, slices));
  work.Stop();
  app.Loop().runPending();
  EXPECT_EQ(slices.size(), 1u);
  EXPECT_FALSE(work.IsRunning());

  // A step that stops its own work mid-slice ends it there.
  int calls = 0;
  work.Start([&](SliceBudget&) {
    ++calls;
    work.Stop();
    return false;
  });
  app.Loop().runPending();
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(work.IsRunning());

  pf::Window unborn;  // never created: it cannot time anything
  SlicedWork direct(unborn);
  slices.clear();
  direct.Start(Rows(10, slices));
  EXPECT_FALSE(direct.IsRunning());
  EXPECT_EQ(slices.back().back(), 9u);
}

TEST_F(SlicedWorkTest, a_slice_that_finds_its_pass_spent_waits_for_the_next_pass_once_and_then_runs) {
  SlicedWork::SetTimeBoundSlices(true);
  SlicedWork work(owner);
  std::vector<std::vector<std::size_t>> slices;
  work.Start(Rows(12, slices));
  ASSERT_EQ(slices.size(), 1u);
  // Passes with no budget at all: each slice waits one pass, then runs all the same.
  EXPECT_TRUE(app.Loop().advanceWithin(0, 0));
  EXPECT_EQ(slices.size(), 1u) << "the pass had nothing left for the slice";
  EXPECT_TRUE(app.Loop().advanceWithin(0, 0));
  EXPECT_EQ(slices.size(), 2u);
  EXPECT_TRUE(app.Loop().advanceWithin(0, 0));
  EXPECT_FALSE(app.Loop().advanceWithin(0, 0));
  EXPECT_FALSE(work.IsRunning());
  EXPECT_EQ(slices.back(), (std::vector<std::size_t>{8, 9, 10, 11}));
}

}  // namespace
