// The grid export file: what it holds, and how the command writes it in slices on the event loop.
#include "actions/GridExportJob.h"
#include "host/ScratchFolder.h"
#include "support/ViewHarness.h"

#include <gtest/gtest.h>


namespace {

namespace pf = orv::platform;

class GridExportTest : public ::testing::Test {
 protected:
  // Slices end by row count only, as under the scenario driver: a slow build (sanitizers) must
  // cut the file where a fast one does.
  GridExportTest() { GridExportJob::SetTimeBoundSlices(false); }
  ~GridExportTest() override { GridExportJob::SetTimeBoundSlices(true); }

  // Every row shown, newest on top.
  OrderBookGrid& Shown() {
    OrderBookGrid& grid = h.Pending();
    grid.ClearFilter(-1);
    grid.FilterGridData();
    h.Run();
    return grid;
  }
  // Leaves RefNo, B_S, Client and Price visible, in that order.
  static void ShowFewColumns(OrderBookGrid& grid) {
    const std::vector<int> shown = {1, 15, 20, 17};
    grid.SetColumnOrderArray(shown);
    for (int col = 0; col < grid.GetColumnCount(true); ++col)
      grid.SetColumnVisible(col, std::find(shown.begin(), shown.end(), col) != shown.end());
  }
  std::string Export(OrderBookGrid& grid, const std::string& name) {
    std::string path = (folder / name).string();
    EXPECT_TRUE(grid.ExportGridData(path, false));
    return ReadFile(path);
  }
  pf::FileDialogService& Dialogs() { return h.App().FileDialogs(); }

  ViewHarness h;
  ScratchFolder folder{"grid-export"};
};

TEST_F(GridExportTest, file_holds_the_visible_columns_in_display_order_and_the_rows_top_first) {
  h.AddOrder(BookKind::Pending, 1, [](OrderBookDetails& r) { CopyText(r.Client, "C1"); });
  h.AddOrder(BookKind::Pending, 2, [](OrderBookDetails& r) {
    CopyText(r.Client, "A\tB,C");  // separators inside a cell go in as they are
    CopyText(r.B_S, "SELL");
  });
  h.AddOrder(BookKind::Pending, 3, [](OrderBookDetails& r) {
    r.pContract = nullptr;  // a bare double without a contract's format
    r.Price = 99.5;
  });
  OrderBookGrid& grid = Shown();
  ShowFewColumns(grid);

  EXPECT_EQ(Export(grid, "rows.xls"),
            "RefNo\tB_S\tClient\tPrice"
            "\n3\tBUY\t\t99.5"
            "\n2\tSELL\tA\tB,C\t102.00"
            "\n1\tBUY\tC1\t101.00\n");  // the last line ends too
}

TEST_F(GridExportTest, command_writes_in_slices_on_the_loop_and_finishes_with_the_whole_grid) {
  const std::size_t rows = 2 * GridExportJob::kRowsPerSlice + 7;
  for (std::uint32_t ref = 1; ref <= rows; ++ref) h.AddOrder(BookKind::Pending, ref);
  OrderBookGrid& grid = Shown();
  const std::string expected = Export(grid, "direct.xls");
  const auto path = folder / "sliced.xls";
  Dialogs().QueueAnswer({pf::IDOK, path.string()});
  // The slices keep going while the view is hidden.
  h.PendingWnd().ShowControlBar(false);

  grid.OnSavefileExcelfile();  // the dialog's offer is pinned by the export scenario
  EXPECT_EQ(grid.GetSaveFilePath(), path.string());
  EXPECT_TRUE(grid.IsGridExportRunning());
  h.Run(15);
  EXPECT_TRUE(grid.IsGridExportRunning());
  EXPECT_LT(ReadFile(path).size(), expected.size());
  h.Run(100);
  EXPECT_FALSE(grid.IsGridExportRunning());
  EXPECT_EQ(ReadFile(path), expected);
}

TEST_F(GridExportTest, command_keeps_to_the_rows_of_its_start_and_a_direct_export_completes_it_first) {
  const std::size_t rows = 8 * GridExportJob::kRowsPerSlice;
  for (std::uint32_t ref = 1; ref <= rows; ++ref) h.AddOrder(BookKind::Pending, ref);
  OrderBookGrid& grid = Shown();
  ShowFewColumns(grid);
  const std::string before = Export(grid, "before.xls");
  const auto path = folder / "sliced.txt";
  Dialogs().QueueAnswer({pf::IDOK, path.string()});
  grid.OnSavefileTextfile();
  EXPECT_EQ(Dialogs().Shown()[0].request.defaultExtension, "txt");

  h.AddOrder(BookKind::Pending, 90000);
  h.Run(60);  // the grid shows the new order; the export is still being written
  ASSERT_EQ(grid.RowVector().size(), rows + 1);
  ASSERT_TRUE(grid.IsGridExportRunning());
  const std::string after = Export(grid, "after.xls");

  EXPECT_FALSE(grid.IsGridExportRunning());
  EXPECT_EQ(ReadFile(path), before);
  const std::string header = "RefNo\tB_S\tClient\tPrice";
  EXPECT_EQ(after, header + "\n90000\tBUY\t\t90100.00" + before.substr(header.size()));
}

}  // namespace
