#include "support/ViewHarness.h"
#include "view/ColumnCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using orv::platform::GridItemID;
using orv::platform::GridRange;

class RefreshCycle : public ::testing::Test {
 protected:
  std::vector<std::pair<int, int>> Ranges(OrderBookGrid& grid) {
    std::vector<std::pair<int, int>> out;
    for (const GridRange& r : grid.GetSelectionRanges()) out.emplace_back(r.m_nTop, r.m_nBottom);
    return out;
  }
  void Select(OrderBookGrid& grid, int row, std::uint32_t mode = 160) { grid.SetCurSel({row, 0}, mode, true); }
  // A row of spread order `ref` with the given status text (an order row or a leg row).
  void Spread(std::uint32_t ref, const char* status) {
    h.AddOrder(BookKind::Pending, ref, [status](OrderBookDetails& r) {
      r.eOrderLeg = eSpreadLeg;
      CopyText(r.Order_Status, status);
    });
  }

  ViewHarness h;
};

TEST_F(RefreshCycle, first_tick_shows_pending_and_unconfirmed_orders_newest_on_top) {
  h.AddOrder(BookKind::Pending, 1);
  h.AddOrder(BookKind::Pending, 2, [](OrderBookDetails& r) { r.eOrderStatus = eCancelled; });
  h.AddOrder(BookKind::Pending, 3, [](OrderBookDetails& r) { r.eOrderStatus = eUnConfirmed; });
  auto& grid = h.Pending();
  EXPECT_EQ(grid.GetVirtualRowCount(), 0) << "nothing before the first tick";
  h.Run();
  EXPECT_EQ(ViewHarness::RowRefNos(grid), (std::vector<std::uint32_t>{3, 1}));
  EXPECT_EQ(grid.GetCurSelItemID().m_nRow, 0) << "an insert request puts the current item on the top row";
  EXPECT_EQ(AppOrderBook::IsInsertPost, 0);
}

TEST_F(RefreshCycle, contractless_rows_show_in_pending_only_while_no_filter_is_active) {
  h.AddOrder(BookKind::Pending, 1, [](OrderBookDetails& r) { r.pContract = nullptr; });
  h.AddOrder(BookKind::Pending, 2);
  h.AddOrder(BookKind::GTD, 1, [](OrderBookDetails& r) { r.pContract = nullptr; });
  h.AddOrder(BookKind::GTD, 2);
  auto& grid = h.Pending();
  auto& gtd = h.Gtd();
  grid.ClearFilter(-1);
  gtd.ClearFilter(-1);
  AppOrderBook::IsInsertPost = AppOrderBook::IsInsertPost_GTD = 1;
  h.Run();
  EXPECT_EQ(ViewHarness::RowRefNos(grid), (std::vector<std::uint32_t>{2, 1}));
  EXPECT_EQ(ViewHarness::RowRefNos(gtd), (std::vector<std::uint32_t>{2})) << "the GTD view never shows contract-less rows";
  grid.SetDefaultDemoFilter(COL_B_S, "BUY", false, true, false);
  h.Run();
  EXPECT_EQ(ViewHarness::RowRefNos(grid), (std::vector<std::uint32_t>{2})) << "any active filter hides them";
}

TEST_F(RefreshCycle, a_removed_selected_order_moves_the_selection_to_the_top_and_forgets_it) {
  AppGlobal::g_bLastOrderSelection = 1;
  std::vector<OrderBookDetails*> records;
  for (std::uint32_t i = 1; i <= 5; ++i) records.push_back(h.AddOrder(BookKind::Pending, i));
  auto& grid = h.Pending();
  h.Run();
  Select(grid, 3);  // RefNo 2
  AppOrderBook::RemoveOrder(BookKind::Pending, records[1]);
  h.Run();
  EXPECT_EQ(grid.GetCurSelItemID().m_nRow, 0);
  ASSERT_EQ(AppOrderBook::LastSelectedRefNo.size(), 1u) << "the final selection remembers the new row";
  EXPECT_EQ(AppOrderBook::LastSelectedRefNo[0].RefNo, 5u);
}

TEST_F(RefreshCycle, without_remembering_orders_update_keeps_the_row_number_and_insert_goes_to_the_top) {
  std::vector<OrderBookDetails*> records;
  for (std::uint32_t i = 1; i <= 5; ++i) records.push_back(h.AddOrder(BookKind::Pending, i));
  auto& grid = h.Pending();
  h.Run();
  Select(grid, 4);
  AppOrderBook::RemoveOrder(BookKind::Pending, records[4]);  // update request, one row fewer
  h.Run();
  EXPECT_EQ(grid.GetCurSelItemID().m_nRow, 3) << "row 4 no longer exists: clamped to the last row";
  Select(grid, 2);
  h.AddOrder(BookKind::Pending, 9);
  h.Run();
  EXPECT_EQ(grid.GetCurSelItemID().m_nRow, 0);
}

TEST_F(RefreshCycle, a_spread_leg_row_stays_selected_on_the_leg_not_on_its_order_row) {
  AppGlobal::g_bLastOrderSelection = 1;
  h.AddOrder(BookKind::Pending, 1);
  Spread(5, "Pending Spread");
  Spread(5, "Pending Spread Leg");
  auto& grid = h.Pending();
  h.Run();
  ASSERT_EQ(grid.GetVirtualRowCount(), 3);
  ASSERT_TRUE(grid.RecordAtRow(0)->IsLegRow());
  Select(grid, 0);
  h.AddOrder(BookKind::Pending, 6);
  h.Run();
  EXPECT_EQ(grid.GetCurSelItemID().m_nRow, 1);
  EXPECT_TRUE(grid.RecordAtRow(1)->IsLegRow()) << "the order row with the same RefNo is row 2";
}

TEST_F(RefreshCycle, a_select_all_remembers_each_order_once_and_a_spread_order_by_its_order_row_and_one_leg) {
  h.AddOrder(BookKind::Pending, 1);
  Spread(5, "Pending Spread");
  Spread(5, "Pending Spread Leg");
  Spread(5, "Pending Spread Leg");
  h.AddOrder(BookKind::Pending, 7);
  auto& grid = h.Pending();
  h.Run();
  ASSERT_EQ(grid.GetVirtualRowCount(), 5);
  grid.SelectAll();
  std::vector<std::pair<std::uint32_t, bool>> remembered;
  for (const auto& entry : AppOrderBook::LastSelectedRefNo) remembered.emplace_back(entry.RefNo, entry.bLegRow);
  std::sort(remembered.begin(), remembered.end());
  EXPECT_EQ(remembered, (std::vector<std::pair<std::uint32_t, bool>>{{1, false}, {5, false}, {5, true}, {7, false}}));
  EXPECT_TRUE(h.PendingWnd().bMultiRowSelected);
}

TEST_F(RefreshCycle, selected_rows_five_six_and_nine_come_back_as_two_ranges) {
  AppGlobal::g_bLastOrderSelection = 1;
  for (std::uint32_t i = 1; i <= 12; ++i) h.AddOrder(BookKind::Pending, i);
  auto& grid = h.Pending();
  h.Run();
  Select(grid, 5);
  Select(grid, 6, 64);
  Select(grid, 9, 544);
  ASSERT_EQ(Ranges(grid), (std::vector<std::pair<int, int>>{{5, 6}, {9, 9}}));
  ASSERT_EQ(AppOrderBook::LastSelectedRefNo.size(), 3u);
  grid.RefreshData();
  h.Run();
  EXPECT_EQ(Ranges(grid), (std::vector<std::pair<int, int>>{{5, 6}, {9, 9}}));
  EXPECT_EQ(grid.RestoredRows(), (std::vector<int>{5, 6, 9}));
}

TEST_F(RefreshCycle, selecting_everything_keeps_the_scroll_position_across_a_rebuild) {
  AppGlobal::g_bLastOrderSelection = 1;
  for (std::uint32_t i = 1; i <= 40; ++i) h.AddOrder(BookKind::Pending, i);
  auto& grid = h.Pending();
  grid.SetPageRows(10);
  h.Run();
  grid.SelectAll();
  ASSERT_EQ(AppOrderBook::LastSelectedRefNo.size(), 40u);
  grid.SetScrollPos(orv::platform::GridCtrlModel::SB_VERT, 200);
  grid.RefreshData();
  h.Run();
  EXPECT_EQ(grid.GetScrollPos(orv::platform::GridCtrlModel::SB_VERT), 200);
  EXPECT_EQ(Ranges(grid), (std::vector<std::pair<int, int>>{{0, 39}}));
}

TEST_F(RefreshCycle, a_kept_scroll_stays_on_its_top_order_in_live_flow_but_at_its_row_across_a_sort) {
  AppGlobal::g_bKeepUserScroll = 1;
  for (std::uint32_t i = 1; i <= 40; ++i) h.AddOrder(BookKind::Pending, i, [i](OrderBookDetails& r) { r.Price = 100 + (i * 7) % 40; });
  auto& grid = h.Pending();
  grid.SetPageRows(10);
  h.Run();
  const int rowHeight = grid.GetRowHeight();
  grid.SetScrollPos(orv::platform::GridCtrlModel::SB_VERT, 10 * rowHeight);
  const std::uint32_t top = grid.RecordAtRow(grid.GetTopVisibleRow())->RefNo;
  h.AddOrder(BookKind::Pending, 41);
  h.AddOrder(BookKind::Pending, 42);
  AppOrderBook::IsInsertPost = 1;
  h.Run();
  EXPECT_EQ(grid.RecordAtRow(grid.GetTopVisibleRow())->RefNo, top) << "new orders on top do not move the view";

  grid.SetScrollPos(orv::platform::GridCtrlModel::SB_VERT, 0);
  grid.ToggleSortColumn(COL_Price);
  h.Run();
  EXPECT_EQ(grid.GetTopVisibleRow(), 0) << "the top of the sorted list, not wherever the old top order went";
  grid.SetScrollPos(orv::platform::GridCtrlModel::SB_VERT, 5 * rowHeight);
  const std::uint32_t sortedTop = grid.RecordAtRow(5)->RefNo;
  h.AddOrder(BookKind::Pending, 43, [](OrderBookDetails& r) { r.Price = 99; });
  AppOrderBook::IsInsertPost = 1;
  h.Run();
  EXPECT_EQ(grid.RecordAtRow(grid.GetTopVisibleRow())->RefNo, sortedTop) << "after the sort the view keeps its order again";
  grid.ToggleSortColumn(COL_Price);
  grid.ToggleSortColumn(COL_Price);
  h.Run();
  EXPECT_EQ(grid.GetTopVisibleRow(), 5) << "removing the sort keeps the row too";
}

TEST_F(RefreshCycle, a_hidden_window_keeps_no_timer_and_showing_rebuilds_at_once) {
  auto& grid = h.Pending();
  h.Run();
  auto& loop = h.App().Loop();
  EXPECT_TRUE(loop.hasTimer(&grid, 10150)) << "a visible window polls every 50 ms";
  h.PendingWnd().ShowControlBar(false);
  EXPECT_FALSE(loop.hasTimer(&grid, 10150));
  h.AddOrder(BookKind::Pending, 1);
  h.Run(500);
  EXPECT_EQ(grid.GetVirtualRowCount(), 0);
  h.PendingWnd().ShowControlBar(true);
  h.Run(orv::platform::EventLoop::kMinimumTimerMs);
  EXPECT_EQ(grid.GetVirtualRowCount(), 1);
}

TEST_F(RefreshCycle, cells_are_coloured_by_side_and_spread_rows_swap_under_a_token_filter) {
  h.AddOrder(BookKind::Pending, 1);
  h.AddOrder(BookKind::Pending, 2, [](OrderBookDetails& r) { CopyText(r.B_S, "sell"); });
  h.AddOrder(BookKind::Pending, 3, [](OrderBookDetails& r) {
    r.eOrderLeg = eSpreadLeg;
    CopyText(r.Order_Status, "Pending Spread");
  });
  auto& grid = h.Pending();
  h.Run();
  EXPECT_EQ(grid.RequestCell(2, COL_B_S).clrText, 0xFF0000u) << "buy is blue";
  EXPECT_EQ(grid.RequestCell(1, COL_B_S).clrText, 0x0000FFu) << "sell is red, any letter case";
  EXPECT_EQ(grid.RequestCell(0, COL_B_S).clrText, 0xFF0000u);
  grid.SetDefaultDemoFilter(COL_lOurToken, std::to_string(ViewHarness::kNiftyFut), false, true, false);
  h.Run();
  EXPECT_EQ(grid.RequestCell(0, COL_B_S).clrText, 0x0000FFu) << "a spread order row reads against its legs";
  EXPECT_EQ(grid.RequestCell(2, COL_B_S).clrText, 0xFF0000u);
}

}  // namespace
