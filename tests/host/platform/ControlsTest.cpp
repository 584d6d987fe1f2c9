#include "host/platform/CheckBox.h"
#include "host/platform/StatusBar.h"
#include "host/platform/TimePicker.h"

#include <gtest/gtest.h>

#include <array>

namespace orv::platform {
namespace {

TEST(StatusBar, refuses_bad_indexes_and_clamps_a_negative_width) {
  StatusBar bar;
  bar.SetIndicators(std::array<unsigned, 2>{1, 2});
  unsigned id = 0;
  unsigned style = 0;
  int width = -1;
  EXPECT_FALSE(bar.SetPaneText(2, "x"));
  EXPECT_FALSE(bar.SetPaneText(-1, "x"));
  EXPECT_FALSE(bar.SetPaneInfo(2, 1, 0, 1));
  EXPECT_FALSE(bar.GetPaneInfo(5, id, style, width));
  EXPECT_EQ(bar.GetPaneText(11), "");
  EXPECT_EQ(bar.GetPaneWidth(-3), -1);
  EXPECT_TRUE(bar.SetPaneWidth(0, -5));
  EXPECT_EQ(bar.GetPaneWidth(0), 0);
}

TEST(CheckBox, click_toggles_the_state_and_notifies_unless_disabled) {
  CheckBox box("Save Filter", 7362);
  int clicks = 0;
  box.SetOnClick([&] { ++clicks; });
  EXPECT_EQ(box.GetCheck(), BST_UNCHECKED);
  EXPECT_TRUE(box.Click());
  EXPECT_EQ(box.GetCheck(), BST_CHECKED);
  EXPECT_TRUE(box.Click());
  EXPECT_EQ(box.GetCheck(), BST_UNCHECKED);
  box.EnableWindow(false);
  EXPECT_FALSE(box.Click());
  EXPECT_EQ(box.GetCheck(), BST_UNCHECKED);
  EXPECT_EQ(clicks, 2);
  box.SetCheck(BST_CHECKED);
  EXPECT_EQ(clicks, 2);  // setting the state is not a click
}

TEST(TimePicker, shows_its_value_through_the_display_format) {
  TimePicker picker(DTS_TIMEFORMAT | DTS_RIGHTALIGN);
  EXPECT_EQ(picker.GetFormat(), "HH:mm:ss");
  ASSERT_TRUE(picker.SetTime(OleDateTime(2024, 2, 29, 0, 5, 9)));
  EXPECT_EQ(picker.GetWindowText(), "00:05:09");
  picker.SetFormat("h:m:s tt");
  EXPECT_EQ(picker.GetWindowText(), "12:5:9 AM");
  picker.SetFormat("ddd dd-MMM-yyyy 'at' hh t");
  EXPECT_EQ(picker.GetWindowText(), "Thu 29-Feb-2024 at 12 A");
  picker.SetFormat("dddd d MMMM yy 'o''clock'");
  EXPECT_EQ(picker.GetWindowText(), "Thursday 29 February 24 o'clock");
  picker.SetFormat("");
  EXPECT_EQ(picker.GetFormat(), "HH:mm:ss");
  EXPECT_EQ(TimePicker(0).GetFormat(), "dd/MM/yyyy");
}

}  // namespace
}  // namespace orv::platform
