#include "host/platform/FilterMenuTracker.h"

#include "TestWindows.h"
#include "host/platform/Application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv::platform {
namespace {

using testing::RecordingWindow;

constexpr unsigned kApply = 32866;
constexpr unsigned kSetFilter = 32863;
constexpr unsigned kGreyed = 32861;

class FilterMenuTrackerTest : public ::testing::Test {
 protected:
  FilterMenuTrackerTest() {
    m_commands.AppendMenu(MF_STRING, kSetFilter, "Set Filter...");
    m_commands.AppendMenu(MF_STRING | MF_GRAYED, kGreyed, "Sort");
    m_grid.CreateNative(nullptr);
    m_state.nCol = 15;
    m_state.lstValues = {"OLD"};
  }
  unsigned Show(FilterMenuAnswer answer) {
    app.FilterMenus().QueueAnswer(std::move(answer));
    return ShowFilterMenu(m_grid, m_commands, kApply, 15, m_state, {"BUY", "SELL"});
  }

  Application app;
  ApplicationScope scope{app};
  std::vector<std::string> log;
  FilterColumnInfo m_state;
  Menu m_commands;
  RecordingWindow m_grid{"grid", log};
};

TEST_F(FilterMenuTrackerTest, apply_takes_the_ticks_a_list_can_show_and_posts_the_apply_command) {
  EXPECT_EQ(Show({kApply, false, {"SELL", "OLD", "SELL", "NEVER"}}), kApply);
  EXPECT_EQ(m_state.lstValues, (std::vector<std::string>{"SELL", "OLD"}));
  EXPECT_FALSE(m_state.bAll);
  EXPECT_TRUE(log.empty()) << "posted, not sent";
  app.Loop().runPending();
  EXPECT_EQ(log, std::vector<std::string>{"grid msg " + std::to_string(WM_COMMAND) + "/32866 @0"});
  const auto& last = app.FilterMenus().Last();
  ASSERT_TRUE(last.has_value());
  EXPECT_EQ(last->menu.state.lstValues, std::vector<std::string>{"OLD"}) << "the menu as it opened";
  EXPECT_EQ(last->result.lstValues, m_state.lstValues);
}

TEST_F(FilterMenuTrackerTest, other_answers_leave_the_ticks_and_only_usable_commands_are_chosen) {
  EXPECT_EQ(Show({kSetFilter, true, {"BUY"}}), kSetFilter);
  EXPECT_EQ(Show({kGreyed, false, {}}), 0u);
  EXPECT_EQ(Show({4711, false, {}}), 0u);
  EXPECT_EQ(ShowFilterMenu(m_grid, Menu{}, kApply, 15, m_state, {"BUY"}), 0u) << "nobody answers: dismissed";
  EXPECT_EQ(m_state.lstValues, std::vector<std::string>{"OLD"});
  EXPECT_FALSE(m_state.bAll);
}

}  // namespace
}  // namespace orv::platform
