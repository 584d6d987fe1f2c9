#include "host/platform/GridCtrlModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace orv::platform;

namespace {

// A grid that records the selection notifications it receives.
class RecordingGrid final : public GridCtrlModel {
 public:
  void OnSelChanged(const GridRange& range, int bSelect) override {
    notified.push_back(range);
    selectFlags.push_back(bSelect);
  }
  std::vector<GridRange> notified;
  std::vector<int> selectFlags;
};

class GridCtrlModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int col = 0; col < 4; ++col) grid.InsertColumn(col, "C" + std::to_string(col), 80);
    grid.EnableVirtualMode([this](DispInfo& info) {
      ++callbackCalls;
      info.value.SetInteger(info.item.nRow * 100 + info.item.nCol);
      return true;
    });
    grid.SetVirtualRows(100);
  }

  std::vector<GridRange> Ranges() const { return grid.GetSelectionRanges(); }
  static GridRange Rows(int top, int bottom, int left = 0, int right = 3) {
    return GridRange{top, left, bottom, right};
  }

  RecordingGrid grid;
  int callbackCalls = 0;
};

}  // namespace

// ---- Selection modes ---------------------------------------------------------------------------

TEST_F(GridCtrlModelTest, single_mode_replaces_every_group_and_moves_the_current_item) {
  grid.SetCurSel({3, 1}, 544);
  grid.SetCurSel({7, 2}, 160);
  EXPECT_EQ(Ranges(), (std::vector<GridRange>{GridRange{7, 2, 7, 2}}));
  EXPECT_EQ(grid.GetCurSelItemID(), (GridItemID{7, 2}));
  EXPECT_FALSE(grid.IsWholeRowSelection());
}

TEST_F(GridCtrlModelTest, whole_row_variants_span_every_column_and_set_the_whole_row_state) {
  grid.SetCurSel({5, 1}, 546, false);
  grid.SetCurSel({6, 1}, 66, false);
  grid.SetCurSel({9, 1}, 546, false);
  grid.SetCurSel({9, 1}, 66, false);
  EXPECT_EQ(Ranges(), (std::vector<GridRange>{Rows(5, 6), Rows(9, 9)}));
  EXPECT_TRUE(grid.IsWholeRowSelection());

  grid.SetCurSel({2, 3}, 162);
  EXPECT_EQ(Ranges(), (std::vector<GridRange>{Rows(2, 2)}));
  EXPECT_EQ(grid.GetCurSelItemID(), (GridItemID{2, 3}));
  EXPECT_TRUE(grid.IsWholeRowSelection());
}

TEST_F(GridCtrlModelTest, range_end_starts_a_group_when_there_is_none_and_stretches_in_either_direction) {
  grid.SetCurSel({0, 0}, 64);
  EXPECT_EQ(Ranges(), (std::vector<GridRange>{GridRange{0, 0, 0, 0}}));
  EXPECT_EQ(grid.GetCurSelItemID(), (GridItemID{0, 0}));

  grid.SetCurSel({10, 0}, 160);
  grid.SetCurSel({4, 2}, 64);
  EXPECT_EQ(Ranges(), (std::vector<GridRange>{GridRange{4, 0, 10, 2}}));
  EXPECT_EQ(grid.GetCurSelItemID(), (GridItemID{4, 2}));
  grid.SetCurSel({12, 1}, 64);  // the group's start stays row 10
  EXPECT_EQ(Ranges(), (std::vector<GridRange>{GridRange{10, 0, 12, 1}}));
}

TEST_F(GridCtrlModelTest, items_outside_the_grid_are_refused_and_change_nothing) {
  grid.SetCurSel({5, 0}, 160);
  EXPECT_FALSE(grid.SetCurSel({100, 0}, 160));
  EXPECT_FALSE(grid.SetCurSel({1, 4}, 160));
  EXPECT_FALSE(grid.SetCurSel({1, -2}, 160));
  EXPECT_EQ(Ranges(), (std::vector<GridRange>{GridRange{5, 0, 5, 0}}));
  GridRange range;
  EXPECT_FALSE(grid.GetSelection(1, range));
}

TEST_F(GridCtrlModelTest, select_all_makes_one_whole_row_range_and_a_current_item_if_there_is_none) {
  grid.SetColumnOrderArray({2, 0, 1, 3});
  grid.SelectAll();
  EXPECT_EQ(grid.GetCurSelItemID(), (GridItemID{0, 2})) << "row 0 in the first shown column";

  grid.SetCurSel({8, 2}, 160);
  grid.SelectAll();
  EXPECT_EQ(Ranges(), (std::vector<GridRange>{Rows(0, 99)}));
  EXPECT_TRUE(grid.IsWholeRowSelection());
  EXPECT_EQ(grid.GetCurSelItemID(), (GridItemID{8, 2})) << "an existing current item stays";
  ASSERT_FALSE(grid.notified.empty());
  EXPECT_EQ(grid.notified.back(), Rows(0, 99));
}

// ---- Scrolling ---------------------------------------------------------------------------------

TEST_F(GridCtrlModelTest, ensure_visible_scrolls_as_little_as_needed) {
  EXPECT_TRUE(grid.EnsureVisible(10));  // already on the first page
  EXPECT_EQ(grid.GetTopVisibleRow(), 0);
  grid.EnsureVisible(30);  // below the page: becomes the bottom row
  EXPECT_EQ(grid.GetTopVisibleRow(), 6);
  EXPECT_EQ(grid.GetScrollPos(GridCtrlModel::SB_VERT), 6 * 20);
  grid.EnsureVisible(3);  // above the page: becomes the top row
  EXPECT_EQ(grid.GetTopVisibleRow(), 3);
  EXPECT_FALSE(grid.EnsureVisible(100));
  EXPECT_EQ(grid.GetTopVisibleRow(), 3);
}

TEST_F(GridCtrlModelTest, scroll_position_is_clamped_to_the_last_full_page) {
  grid.SetScrollPos(GridCtrlModel::SB_VERT, 5000);
  EXPECT_EQ(grid.GetTopVisibleRow(), 75);
  grid.SetVirtualRows(30);
  EXPECT_EQ(grid.GetTopVisibleRow(), 5);
  grid.SetScrollPos(GridCtrlModel::SB_VERT, -40);
  EXPECT_EQ(grid.GetScrollPos(GridCtrlModel::SB_VERT), 0);
}

// ---- Cell cache --------------------------------------------------------------------------------

TEST_F(GridCtrlModelTest, cell_requests_are_answered_from_the_cache_until_it_is_emptied) {
  EXPECT_EQ(grid.RequestCell(3, 2).value.Integer(), 302);
  EXPECT_EQ(grid.RequestCell(3, 2).value.Integer(), 302);
  EXPECT_EQ(callbackCalls, 1);

  grid.EmptyCellCache();
  grid.RequestCell(3, 2);
  EXPECT_EQ(callbackCalls, 2);
  grid.SetVirtualRows(100);
  grid.RequestCell(3, 2);
  EXPECT_EQ(callbackCalls, 3);
}

TEST(GridCtrlModel, cell_answers_keep_the_colour_the_callback_chose_and_a_refused_cell_is_empty_and_asked_again) {
  GridCtrlModel grid;
  grid.InsertColumn(0, "Side");
  int refusals = 0;
  grid.EnableVirtualMode([&refusals](DispInfo& info) {
    info.value.SetText(info.item.nRow == 0 ? "BUY" : "X");
    if (info.item.nRow == 0) info.clrText = RGB(0, 0, 255);
    if (info.item.nRow != 2) return true;
    ++refusals;
    info.SetTextColor(RGB(255, 0, 0));
    return false;
  });
  grid.SetVirtualRows(3);

  const DispInfo& buy = grid.RequestCell(0, 0);
  EXPECT_EQ(buy.value.Text(), "BUY");
  EXPECT_TRUE(buy.HasTextColor());
  EXPECT_EQ(buy.clrText, 0xFF0000u);
  EXPECT_FALSE(grid.RequestCell(1, 0).HasTextColor());
  const DispInfo& refused = grid.RequestCell(2, 0);
  EXPECT_TRUE(refused.value.IsEmpty());
  EXPECT_FALSE(refused.HasTextColor());
  grid.RequestCell(2, 0);
  EXPECT_EQ(refusals, 2);
}

// ---- Columns and sort marks --------------------------------------------------------------------

TEST_F(GridCtrlModelTest, column_order_lists_the_given_ids_first_and_keeps_the_rest) {
  grid.SetColumnVisible(0, false);
  EXPECT_TRUE(grid.SetColumnOrderArray({3, 1}));
  EXPECT_EQ(grid.GetColumnOrderArray(), (std::vector<int>{3, 1, 0, 2}));
  EXPECT_EQ(grid.OrderToIndex(2), 0);
  EXPECT_EQ(grid.IndexToOrder(2), 3);
  EXPECT_EQ(grid.GetFirstVisibleColumn(), 3);
  EXPECT_EQ(grid.GetLastVisibleColumn(), 2);
  EXPECT_EQ(grid.GetColumnCount(false), 3);
  EXPECT_FALSE(grid.SetColumnOrderArray({1, 1}));
  EXPECT_FALSE(grid.SetColumnOrderArray({7}));
  EXPECT_EQ(grid.GetColumnOrderArray(), (std::vector<int>{3, 1, 0, 2}));
}

TEST_F(GridCtrlModelTest, single_sort_mark_replaces_others_and_multiple_keeps_them_in_order) {
  grid.SetSortColumn(2, true, false);
  grid.SetSortColumn(0, false, true);
  grid.SetSortColumn(2, false, true);  // already marked: keeps its place
  EXPECT_EQ(grid.GetSortColumns(), (std::vector<int>{2, 0}));
  EXPECT_EQ(grid.GetColumnState(2), -1);
  EXPECT_EQ(grid.GetColumnState(0), -1);
  grid.SetSortColumn(1, true, false);
  EXPECT_EQ(grid.GetSortColumns(), (std::vector<int>{1}));
  EXPECT_EQ(grid.GetColumnState(2), 0);
  grid.RemoveSortColumn(1);
  EXPECT_EQ(grid.GetColumnState(1), 0);
  EXPECT_TRUE(grid.GetSortColumns().empty());
}

TEST_F(GridCtrlModelTest, header_toggle_cycles_a_column_and_keeps_others_under_multiple_sort) {
  grid.EnableMultipleSort(true);
  grid.SetSortColumn(3, true, true);
  grid.ToggleSortColumn(1);
  EXPECT_EQ(grid.GetColumnState(1), 1);
  grid.ToggleSortColumn(1);
  EXPECT_EQ(grid.GetColumnState(1), -1);
  grid.ToggleSortColumn(1);
  EXPECT_EQ(grid.GetColumnState(1), 0);
  EXPECT_EQ(grid.GetColumnState(3), 1);
  grid.GetColumnsInfo().RemoveAllSortColumns();
  EXPECT_EQ(grid.GetColumnState(3), 0);
}

// ---- Cell values -------------------------------------------------------------------------------

TEST(CellValue, converts_every_kind_to_text_and_number) {
  CellValue v;
  EXPECT_EQ(v.ToText(), "");
  v.SetInteger(-42);
  EXPECT_EQ(v.ToText(), "-42");
  v.SetDouble(9.5);
  EXPECT_EQ(v.ToText(), "9.5");
  v.SetDouble(10.0);
  EXPECT_EQ(v.ToText(), "10");
  v.SetDouble(0.1 + 0.2);
  EXPECT_EQ(v.ToText(), "0.3");
  v.SetText("12.25 Hrs");
  EXPECT_DOUBLE_EQ(v.ToDouble(), 12.25);
  v.SetText("abc");
  EXPECT_DOUBLE_EQ(v.ToDouble(), 0.0);
}
