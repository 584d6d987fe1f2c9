#include "host/platform/Edit.h"

#include <gtest/gtest.h>

namespace orv::platform {
namespace {

std::pair<int, int> Sel(const Edit& edit) {
  int start = 0;
  int end = 0;
  edit.GetSel(start, end);
  return {start, end};
}

TEST(Edit, upper_case_style_capitalises_typed_and_written_text) {
  Edit edit(ES_UPPERCASE | ES_AUTOHSCROLL);
  edit.SetWindowText("All");
  EXPECT_EQ(edit.GetWindowText(), "ALL");
  edit.SetSel(0, -1);
  edit.UserType("reliance-eq 1");
  EXPECT_EQ(edit.GetWindowText(), "RELIANCE-EQ 1");
  edit.ReplaceSel("x");
  EXPECT_EQ(edit.GetWindowText(), "RELIANCE-EQ 1X");

  Edit plain;
  plain.SetWindowText("All");
  EXPECT_EQ(plain.GetWindowText(), "All");
}

TEST(Edit, set_sel_clips_orders_and_collapses_like_the_toolkit) {
  Edit edit;
  edit.SetWindowText("RELAXO");
  EXPECT_EQ(Sel(edit), std::make_pair(6, 6));  // caret after written text
  edit.SetSel(0, -1);
  EXPECT_EQ(Sel(edit), std::make_pair(0, 6));
  EXPECT_EQ(edit.GetSelText(), "RELAXO");
  edit.SetSel(6, 0);  // selected from the end back to the start
  EXPECT_EQ(Sel(edit), std::make_pair(0, 6));
  EXPECT_EQ(edit.GetCaretPos(), 0);
  edit.SetSel(2, 99);
  EXPECT_EQ(Sel(edit), std::make_pair(2, 6));
  edit.SetSel(-1, 0);  // removes the selection, the caret stays
  EXPECT_EQ(Sel(edit), std::make_pair(6, 6));
}

TEST(Edit, replace_sel_replaces_the_selection_and_moves_the_caret_after_it) {
  Edit edit;
  edit.SetWindowText("RELIANCE");
  edit.SetSel(3, 8);
  EXPECT_TRUE(edit.ReplaceSel("AXO"));
  EXPECT_EQ(edit.GetWindowText(), "RELAXO");
  EXPECT_EQ(Sel(edit), std::make_pair(6, 6));
  edit.SetSel(0, 3);
  EXPECT_TRUE(edit.ReplaceSel(""));
  EXPECT_EQ(edit.GetWindowText(), "AXO");
  edit.SetSel(1, 1);
  EXPECT_FALSE(edit.ReplaceSel(""));  // nothing to insert, nothing to remove
}

TEST(Edit, every_text_change_notifies_and_only_edits_mark_it_modified) {
  Edit edit;
  int changes = 0;
  edit.SetOnChange([&] { ++changes; });
  edit.SetWindowText("All");
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(edit.GetModify());
  edit.UserType("X");
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(edit.GetModify());
  edit.SetWindowText("All");
  EXPECT_FALSE(edit.GetModify());
  edit.SetModify();
  EXPECT_TRUE(edit.GetModify());
  edit.SetSel(0, 0);
  edit.ReplaceSel("");
  EXPECT_EQ(changes, 3);  // a refused replacement does not notify
}

}  // namespace
}  // namespace orv::platform
