#include "sortfilter/ColumnSortKeys.h"
#include "support/ViewHarness.h"
#include "view/ColumnCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using RefNos = std::vector<std::uint32_t>;

class Sorting : public ::testing::TestWithParam<ViewVariant> {
 protected:
  bool IsPending() const { return GetParam() == ViewVariant::Pending; }
  BookKind Kind() const { return IsPending() ? BookKind::Pending : BookKind::GTD; }
  OrderBookRefs Book() const { return AppOrderBook::Book(Kind()); }
  OrderBookGrid& Grid() { return IsPending() ? static_cast<OrderBookGrid&>(h.Pending()) : h.Gtd(); }
  OrderBookWnd& Wnd() { return h.Wnd(GetParam()); }

  void Add(std::uint32_t refNo, double price, const char* client = "C1") {
    h.AddOrder(Kind(), refNo, [&](OrderBookDetails& r) {
      r.Price = price;
      CopyText(r.Client, client);
    });
  }
  // Five orders whose prices and clients are in neither RefNo order nor each other's.
  void AddFive() {
    Add(1, 30, "B");
    Add(2, 10, "A");
    Add(3, 50, "B");
    Add(4, 20, "B");
    Add(5, 40, "A");
  }
  RefNos Displayed() const {
    RefNos out;
    for (const OrderBookDetails* r : Book().vctDisplayed) out.push_back(r->RefNo);
    return out;
  }
  // The grid's row list after the next ticks (every row passes the default filters here).
  RefNos Rows() {
    h.Run();
    RefNos out;
    for (const OrderBookDetails* r : Grid().RowVector()) out.push_back(r->RefNo);
    return out;
  }
  std::vector<SortColState> List() { return Grid().GetSortColState(); }

  ViewHarness h;
};

TEST_P(Sorting, three_clicks_on_one_header_sort_up_then_down_then_bring_back_the_natural_order) {
  AddFive();
  OrderBookGrid& grid = Grid();
  ASSERT_EQ(Rows(), (RefNos{1, 2, 3, 4, 5}));
  int depthWhileSorting = -1;
  AppOrderBook::SetSortKeyExtractor(Kind(), [&](std::span<OrderBookDetails* const> rows, int column,
                                                SortKeyColumn& keys) {
    depthWhileSorting = h.App().WaitCursorDepth();
    ExtractColumnSortKeys(rows, column, grid.Variant(), keys);
  });

  grid.ToggleSortColumn(COL_Price);
  EXPECT_EQ(depthWhileSorting, 1) << "the wait cursor shows while the store sorts";
  EXPECT_EQ(grid.GetColumnState(COL_Price), 1);
  EXPECT_EQ(List(), (std::vector<SortColState>{{COL_Price, true}}));
  EXPECT_EQ(Rows(), (RefNos{2, 4, 1, 5, 3}));

  grid.ToggleSortColumn(COL_Price);
  EXPECT_EQ(grid.GetColumnState(COL_Price), -1);
  EXPECT_EQ(List(), (std::vector<SortColState>{{COL_Price, false}}));
  EXPECT_EQ(Rows(), (RefNos{3, 5, 1, 4, 2}));

  grid.ToggleSortColumn(COL_Price);
  InstallSortKeyExtractors();
  EXPECT_EQ(grid.GetColumnState(COL_Price), 0);
  EXPECT_TRUE(List().empty());
  EXPECT_EQ(Book().IsInsertPost, 1) << "the store's natural order is a new row set";
  EXPECT_EQ(Rows(), (RefNos{1, 2, 3, 4, 5}));
  EXPECT_EQ(h.App().WaitCursorDepth(), 0) << "every toggle ends its wait cursor";
}

TEST_P(Sorting, header_menu_commands_sort_the_menu_column_and_move_it_to_the_end) {
  AddFive();
  OrderBookGrid& grid = Grid();
  grid.ToggleSortColumn(COL_Client);

  grid.nHeaderMenuColumn = COL_Price;
  grid.OnSortZA();
  EXPECT_EQ(grid.GetColumnState(COL_Price), -1) << "Z-A on an unsorted column is descending at once";
  EXPECT_EQ(List(), (std::vector<SortColState>{{COL_Client, true}, {COL_Price, false}}));
  EXPECT_EQ(Rows(), (RefNos{5, 2, 3, 1, 4}));

  grid.OnSortAZ();
  EXPECT_EQ(grid.GetColumnState(COL_Price), 1) << "A-Z on a descending column is ascending";
  EXPECT_EQ(List(), (std::vector<SortColState>{{COL_Client, true}, {COL_Price, true}}));

  grid.nHeaderMenuColumn = COL_Client;
  grid.OnSortAZ();
  EXPECT_EQ(grid.GetColumnState(COL_Client), 1) << "A-Z on an ascending column keeps it ascending";
  EXPECT_EQ(List(), (std::vector<SortColState>{{COL_Price, true}, {COL_Client, true}}));
  EXPECT_EQ(Rows(), (RefNos{2, 4, 1, 5, 3}));

  // The window's own sort commands and the command ids reach the same handlers.
  grid.nHeaderMenuColumn = COL_RefNo;
  Wnd().OnFilterSortZA();
  EXPECT_EQ(List().back(), (SortColState{COL_RefNo, false}));
  Wnd().OnFilterSortAZ();
  EXPECT_EQ(List().back(), (SortColState{COL_RefNo, true}));
  EXPECT_TRUE(grid.OnCommand(32862));
  EXPECT_EQ(List(), (std::vector<SortColState>{{COL_Price, true}, {COL_Client, true}, {COL_RefNo, false}}));
  EXPECT_EQ(Rows(), (RefNos{2, 4, 1, 5, 3})) << "the price still leads";
}

TEST_P(Sorting, removing_one_of_two_sorts_keeps_the_rows_and_the_next_sort_uses_only_the_other) {
  AddFive();
  OrderBookGrid& grid = Grid();
  grid.ToggleSortColumn(COL_Client);
  grid.ToggleSortColumn(COL_Price);
  const RefNos byClientThenPrice{2, 5, 4, 1, 3};
  ASSERT_EQ(Rows(), byClientThenPrice);

  grid.nHeaderMenuColumn = COL_Client;
  grid.OnRemoveSort();
  EXPECT_EQ(grid.GetColumnState(COL_Client), 0);
  EXPECT_EQ(grid.GetColumnState(COL_Price), 1);
  EXPECT_EQ(List(), (std::vector<SortColState>{{COL_Price, true}}));
  EXPECT_EQ(Book().IsUpdatePost, 1);
  EXPECT_EQ(Rows(), byClientThenPrice) << "the rows keep their order until the next sort";

  grid.Sort(false);
  EXPECT_EQ(Rows(), (RefNos{2, 4, 1, 5, 3}));
}

// Which column orders how is ColumnSortKeys' every-column case; here only SortData's direction
// and that it leaves the sort list alone.
TEST_P(Sorting, sort_data_orders_the_displayed_list_by_one_column_in_the_direction_asked) {
  Add(1, 10.0);
  Add(2, 9.5);
  Add(3, 100.0);
  Grid().SortData(COL_Price, 0, 7);
  EXPECT_EQ(Displayed(), (RefNos{2, 1, 3}));
  Grid().SortData(COL_Price, 1, 0);
  EXPECT_EQ(Displayed(), (RefNos{3, 1, 2}));
  EXPECT_TRUE(List().empty()) << "SortData leaves the sort list alone";
}

INSTANTIATE_TEST_SUITE_P(BothVariants, Sorting, ::testing::Values(ViewVariant::Pending, ViewVariant::GTD),
                         [](const auto& info) { return info.param == ViewVariant::Pending ? "Pending" : "GTD"; });

}  // namespace
