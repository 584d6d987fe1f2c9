#include "host/records/WindowPassing.h"
#include "support/ViewHarness.h"
#include "view/ColumnCatalogue.h"

#include <gtest/gtest.h>

namespace {

using orv::platform::MB_OK;
using orv::platform::MessageBoxRecord;

// Every id of the grid command table (menu 2001 and the header menu).
constexpr unsigned kTableIds[] = {
    2002, 2013, 2014, 2015, 2016, 2017, 2018, 2019, 2021, 2022, 2023, 2024, 2025, 2026, 32782, 2028, 2029,
    2030, 2031, 2032, 2033, 7333, 2053, 2054, 2055, 2034, 2035, 2036, 2037, 2038, 2039, 2041, 2042, 2043,
    2044, 2045, 2056, 2057, 2058, 7365, 2059, 2004, 2060, 3110, 2062, 2047, 2063, 2064, 3136, 3137, 32775,
    32774, 61550, 3138, 3140, 5001, 5010, 3134, 3135, 2008, 2009, 2010, 2011, 2012, 32780, 3141, 32861,
    32862, 32863, 1057, 32866, 33030, 33031, 3139};

class GridCommandTable : public ::testing::Test {
 protected:
  const std::vector<MessageBoxRecord>& Boxes() { return h.App().MessageBoxes().Shown(); }
  const std::vector<orv::platform::PostedMessage>& Posted() { return h.App().MainWindow().Posted(); }

  ViewHarness h;
};

TEST(GridCommandRouting, handles_every_id_of_the_table_and_refuses_others) {
  // A fresh view per id keeps one command's effects (closing, logging off) away from the next.
  for (unsigned id : kTableIds) {
    ViewHarness each;
    EXPECT_TRUE(each.Pending().OnCommand(id)) << id;
    EXPECT_TRUE(each.Gtd().OnCommand(id)) << id;
  }
  ViewHarness h;
  auto& grid = h.Pending();
  for (unsigned id : {0u, 2001u, 2020u, 2027u, 2040u, 57636u, 99999u}) EXPECT_FALSE(grid.OnCommand(id)) << id;
}

TEST_F(GridCommandTable, gtd_modify_and_cancel_all_only_show_their_refusals) {
  auto& grid = h.Gtd();
  h.Run();
  const auto filters = grid.Filters();
  h.App().MainWindow().Clear();

  ASSERT_TRUE(grid.OnCommand(2002));
  ASSERT_TRUE(grid.OnCommand(2064));
  h.Run();

  ASSERT_EQ(Boxes().size(), 2u);
  EXPECT_EQ(Boxes()[0].text, "Modification is not allowed");
  EXPECT_EQ(Boxes()[0].caption, "ZARU Client");
  EXPECT_EQ(Boxes()[0].flags, MB_OK);
  EXPECT_EQ(Boxes()[1].text, "Cancellation is not allowed");
  EXPECT_EQ(Boxes()[1].caption, "ZARU Client");
  EXPECT_EQ(Boxes()[1].flags, MB_OK);
  EXPECT_TRUE(Posted().empty());
  EXPECT_TRUE(AppOrderBook::vctModificationGTD.empty());
  EXPECT_TRUE(AppOrderBook::vctCancellationGTD.empty());
  EXPECT_EQ(grid.Filters().size(), filters.size());
}

TEST_F(GridCommandTable, quick_filter_ids_reach_their_columns_and_dead_items_do_nothing) {
  auto& grid = h.Pending();
  grid.OnCommand(2014);
  grid.OnCommand(2028);
  ASSERT_NE(grid.FindFilter(COL_ExchCode), nullptr);
  EXPECT_EQ(grid.FindFilter(COL_ExchCode)->lstValues, (std::vector<std::string>{"NSE", "CME"}));
  grid.OnCommand(2035);
  EXPECT_TRUE(grid.IsFilterExist(COL_B_S, "BUY"));

  const auto before = grid.Filters();
  for (unsigned id : {2024u, 32782u, 3139u}) grid.OnCommand(id);
  EXPECT_EQ(grid.Filters().size(), before.size());
  EXPECT_EQ(grid.FindFilter(COL_ExchCode)->lstValues, (std::vector<std::string>{"NSE", "CME"}));
  EXPECT_TRUE(Boxes().empty());
  grid.OnCommand(2013);
  EXPECT_FALSE(grid.IsFilterExist(COL_ExchCode));
}

TEST_F(GridCommandTable, grid_base_items_reach_the_grid_base) {
  auto& grid = h.Pending();
  ASSERT_TRUE(grid.IsGridLinesShown());
  grid.OnCommand(5001);
  EXPECT_FALSE(grid.IsGridLinesShown());
  grid.OnCommand(3138);
  grid.OnCommand(3140);
  grid.OnCommand(3140);
  grid.OnCommand(5010);
  grid.OnCommand(61550);
  EXPECT_EQ(grid.ColumnProfileRequests(), 1);
  EXPECT_EQ(grid.FitToSizeRequests(), 2);
  EXPECT_EQ(grid.GridPropertiesRequests(), 2);
}

TEST_F(GridCommandTable, clear_all_filters_is_enabled_only_while_a_filter_exists) {
  auto& grid = h.Pending();
  h.AddOrder(BookKind::Pending, 1, [](OrderBookDetails& r) { r.eOrderStatus = eCancelled; });
  h.Run();
  ASSERT_TRUE(grid.IsCommandEnabled(33031)) << "the default status filter";
  ASSERT_EQ(grid.GetVirtualRowCount(), 0);
  grid.OnCommand(33031);
  EXPECT_FALSE(grid.IsFilterExist(-1));
  EXPECT_FALSE(grid.IsCommandEnabled(33031));
  h.Run();
  EXPECT_EQ(grid.GetVirtualRowCount(), 1) << "the rows are filtered again";
}

TEST_F(GridCommandTable, remove_sort_is_enabled_for_a_sorted_header_menu_column) {
  auto& grid = h.Pending();
  EXPECT_TRUE(grid.IsCommandEnabled(33030)) << "no header menu column: left as it is";
  grid.nHeaderMenuColumn = COL_Price;
  EXPECT_FALSE(grid.IsCommandEnabled(33030));
  grid.SetSortColumn(COL_Price, false);
  EXPECT_TRUE(grid.IsCommandEnabled(33030));
  EXPECT_TRUE(grid.IsCommandEnabled(3141)) << "remove all sort stays enabled";
  EXPECT_TRUE(grid.IsCommandEnabled(2002));
}

TEST_F(GridCommandTable, shell_items_reach_the_window_shell) {
  auto& grid = h.Pending();
  auto& wnd = h.PendingWnd();
  ASSERT_TRUE(wnd.IsTitleBarShown());
  grid.OnCommand(2009);
  EXPECT_FALSE(wnd.IsTitleBarShown());

  h.App().MainWindow().Clear();
  grid.OnCommand(3135);
  ASSERT_EQ(Posted().size(), 1u);
  EXPECT_EQ(Posted()[0].msg, kMsgWindowPassing);
  EXPECT_EQ(AppGlobal::objWindowPassing.nRequestId, 5902);
  EXPECT_EQ(AppGlobal::objWindowPassing.nRequestFrom, 10005);
}

}  // namespace
