#include "host/OrvGridCtrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using orv::platform::OleDateTime;

namespace {

MULTIPLEFILTER_PARAM TextFilter(std::vector<std::string> values) {
  MULTIPLEFILTER_PARAM p;
  p.lstValues = std::move(values);
  return p;
}

std::vector<int> FilterColumns(const OrvGridCtrl& grid) {
  std::vector<int> cols;
  for (const auto& [col, param] : grid.Filters()) cols.push_back(col);
  return cols;
}

}  // namespace

TEST(MultipleFilterParam, contains_matches_whole_text_with_case) {
  const MULTIPLEFILTER_PARAM p = TextFilter({"BUY", "Pending"});

  EXPECT_TRUE(p.Contains("BUY"));
  EXPECT_FALSE(p.Contains("buy"));
  EXPECT_FALSE(p.Contains("Pend"));
  EXPECT_FALSE(p.Contains(""));
}

TEST(OrvGridCtrl, visits_filters_in_ascending_column_id_whatever_the_order_they_were_set) {
  OrvGridCtrl grid;
  grid.AddFilter(42, TextFilter({}));
  grid.AddFilter(3, TextFilter({"Pending"}));
  grid.AddFilter(15, TextFilter({"BUY"}));

  EXPECT_EQ(FilterColumns(grid), (std::vector<int>{3, 15, 42}));
  EXPECT_EQ(grid.Filters().at(15).nCol, 15);
}

TEST(OrvGridCtrl, add_filter_replaces_a_columns_filter_and_refuses_negative_columns) {
  OrvGridCtrl grid;
  grid.AddFilter(2, TextFilter({"NSE"}));
  grid.AddFilter(2, TextFilter({"BSE", "CME"}));

  EXPECT_FALSE(grid.AddFilter(-1, TextFilter({"x"})));
  EXPECT_EQ(grid.GetFilterCountByColumn(2), 2);
  EXPECT_FALSE(grid.IsFilterExist(2, "NSE"));
  EXPECT_TRUE(grid.IsFilterExist(2, "CME"));
  EXPECT_EQ(FilterColumns(grid), (std::vector<int>{2}));
}

TEST(OrvGridCtrl, remove_filter_takes_one_text_out_and_drops_a_filter_left_without_values) {
  OrvGridCtrl grid;
  grid.AddFilter(2, TextFilter({"NSE", "BSE", "NSE"}));

  EXPECT_TRUE(grid.RemoveFilter(2, "NSE"));
  EXPECT_FALSE(grid.IsFilterExist(2, "NSE"));  // every copy goes
  EXPECT_EQ(grid.GetFilterCountByColumn(2), 1);

  EXPECT_FALSE(grid.RemoveFilter(2, "CME"));
  EXPECT_FALSE(grid.RemoveFilter(9, "NSE"));

  EXPECT_TRUE(grid.RemoveFilter(2, "BSE"));
  EXPECT_FALSE(grid.IsFilterExist(2));
}

TEST(OrvGridCtrl, column_profile_restores_order_visibility_and_widths_by_name) {
  OrvGridCtrl grid;
  for (int col = 0; col < 3; ++col) grid.InsertColumn(col, "C" + std::to_string(col), 80);
  grid.SetColumnOrderArray({2, 0, 1});
  grid.SetColumnVisible(1, false);
  grid.SetColumnWidth(0, 120);
  grid.SaveColumnProfile("Pending");

  grid.SetColumnOrderArray({0, 1, 2});
  grid.SetColumnVisible(1, true);
  grid.SetColumnWidth(0, 80);

  EXPECT_FALSE(grid.LoadColumnProfile("GTD"));
  EXPECT_TRUE(grid.LoadColumnProfile("Pending"));
  EXPECT_EQ(grid.GetColumnOrderArray(), (std::vector<int>{2, 0, 1}));
  EXPECT_FALSE(grid.GetColumnVisible(1));
  EXPECT_EQ(grid.GetColumnWidth(0), 120);
}
