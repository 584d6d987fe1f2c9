#include "host/platform/ComboBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv::platform {
namespace {

std::vector<std::string> Items(const ComboBox& combo) {
  std::vector<std::string> out;
  for (int i = 0; i < combo.GetCount(); ++i) out.push_back(combo.GetLBText(i));
  return out;
}

void Fill(ComboBox& combo, const std::vector<std::string>& texts) {
  for (const std::string& t : texts) combo.InsertString(-1, t);
}

TEST(ComboBox, sorted_style_places_added_items_in_case_insensitive_order) {
  ComboBox combo(CBS_DROPDOWNLIST | CBS_SORT);
  EXPECT_EQ(combo.AddString("SELL"), 0);
  EXPECT_EQ(combo.AddString("BUY"), 0);
  EXPECT_EQ(combo.AddString("bse"), 0);
  EXPECT_EQ(combo.AddString("Nse"), 2);
  EXPECT_EQ(combo.AddString("Ab"), 0);
  EXPECT_EQ(combo.AddString("a"), 0);  // a prefix sorts first
  EXPECT_EQ(Items(combo), (std::vector<std::string>{"a", "Ab", "bse", "BUY", "Nse", "SELL"}));
}

TEST(ComboBox, finds_exact_texts_ignoring_case_from_after_the_start_index_with_wrap_around) {
  ComboBox combo(CBS_DROPDOWNLIST);
  Fill(combo, {"All", "NSE", "BSE", "nse", "MCX"});
  EXPECT_EQ(combo.FindStringExact(-1, "NSE"), 1);
  EXPECT_EQ(combo.FindStringExact(-1, "all"), 0);
  EXPECT_EQ(combo.FindStringExact(1, "nse"), 3);
  EXPECT_EQ(combo.FindStringExact(3, "Nse"), 1);  // wraps past the end
  EXPECT_EQ(combo.FindStringExact(0, "all"), 0);  // the start item is searched last
  EXPECT_EQ(combo.FindStringExact(99, "BSE"), 2);
  EXPECT_EQ(combo.FindStringExact(-1, "NS"), CB_ERR);
  EXPECT_EQ(combo.FindStringExact(-1, ""), CB_ERR);
  EXPECT_EQ(ComboBox().FindStringExact(-1, "x"), CB_ERR);
}

TEST(ComboBox, selection_follows_its_item_when_items_are_inserted_or_deleted) {
  ComboBox combo(CBS_DROPDOWNLIST);
  Fill(combo, {"A", "N", "S"});
  combo.SetCurSel(1);
  combo.InsertString(0, "X");
  EXPECT_EQ(combo.GetCurSel(), 2);
  combo.InsertString(3, "Y");  // after the selection
  EXPECT_EQ(combo.GetCurSel(), 2);
  EXPECT_EQ(combo.DeleteString(0), 4);
  EXPECT_EQ(combo.GetCurSel(), 1);
  EXPECT_EQ(combo.GetWindowText(), "N");
  EXPECT_EQ(combo.DeleteString(1), 3);
  EXPECT_EQ(combo.GetCurSel(), CB_ERR);
  EXPECT_EQ(combo.GetWindowText(), "");
  EXPECT_EQ(combo.DeleteString(3), CB_ERR);
}

TEST(ComboBox, notifies_user_choices_but_not_programmatic_ones) {
  ComboBox combo(CBS_DROPDOWNLIST);
  Fill(combo, {"All", "BUY", "SELL"});
  int changes = 0;
  combo.SetOnSelChange([&] { ++changes; });
  combo.SetCurSel(1);
  combo.AddString("X");
  combo.ResetContent();
  EXPECT_EQ(changes, 0);

  combo.InsertString(-1, "All");
  combo.InsertString(-1, "BUY");
  EXPECT_TRUE(combo.UserSelect(1));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(combo.GetWindowText(), "BUY");
  EXPECT_FALSE(combo.UserSelect(5));
  combo.EnableWindow(false);
  EXPECT_FALSE(combo.UserSelect(0));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(combo.GetCurSel(), 1);
}

}  // namespace
}  // namespace orv::platform
