// A grid export written in slices tells how far it has come and how it ended, and can be
// cancelled without harm to the file that was there.
#include "actions/GridExportJob.h"
#include "actions/GridExportProgress.h"
#include "host/ScratchFolder.h"
#include "support/ViewHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

namespace pf = orv::platform;
using Stage = GridExportProgress::Stage;

class GridExportProgressTest : public ::testing::Test {
 protected:
  GridExportProgressTest() {
    // Slices of a fixed size: how many rows fit in a slice's time is the machine's business.
    GridExportJob::SetTimeBoundSlices(false);
    GridExportObserver::SetListener([this](const GridExportProgress& p) { heard.push_back(p); });
    for (std::uint32_t ref = 1; ref <= kRows; ++ref) h.AddOrder(BookKind::Pending, ref);
  }
  ~GridExportProgressTest() override {
    GridExportObserver::SetListener({});
    GridExportJob::SetTimeBoundSlices(true);
  }

  OrderBookGrid& StartExport(const std::filesystem::path& path) {
    OrderBookGrid& grid = h.ShowAllRows();
    h.App().FileDialogs().QueueAnswer({pf::IDOK, path.string()});
    grid.OnSavefileExcelfile();
    return grid;
  }
  std::size_t Ends() const {
    return static_cast<std::size_t>(std::count_if(heard.begin(), heard.end(), [](const auto& p) { return p.Ended(); }));
  }

  static constexpr std::size_t kRows = 2 * GridExportJob::kRowsPerSlice + 7;
  ViewHarness h;
  ScratchFolder folder{"export-progress"};
  std::vector<GridExportProgress> heard;
};

TEST_F(GridExportProgressTest, progress_climbs_to_the_total_and_the_end_is_told_once) {
  const auto path = folder / "grid.xls";
  OrderBookGrid& grid = StartExport(path);
  h.Run(300);

  ASSERT_GE(heard.size(), 3u);
  EXPECT_EQ(heard.front().stage, Stage::Writing);
  EXPECT_EQ(heard.front().rowsWritten, 0u);
  for (std::size_t i = 0; i < heard.size(); ++i) {
    EXPECT_EQ(heard[i].grid, &grid);
    EXPECT_EQ(heard[i].rowsTotal, kRows);
    if (i > 0) {
      EXPECT_GE(heard[i].rowsWritten, heard[i - 1].rowsWritten);
    }
  }
  EXPECT_EQ(Ends(), 1u);
  EXPECT_EQ(heard.back().stage, Stage::Written);
  EXPECT_EQ(heard.back().rowsWritten, kRows);
  EXPECT_EQ(heard.back().StatusText(), "Exported " + GroupedCount(kRows) + " rows to " + path.string());
  EXPECT_EQ(GroupedCount(1234567), "1,234,567");
}

TEST_F(GridExportProgressTest, cancel_keeps_the_old_file_and_leaves_no_temporary_one) {
  const auto path = folder / "grid.xls";
  { std::ofstream(path) << "yesterday's export"; }
  OrderBookGrid& grid = StartExport(path);
  h.Run(15);
  ASSERT_TRUE(grid.IsGridExportRunning());

  EXPECT_TRUE(grid.CancelGridExport());
  h.Run(300);

  EXPECT_FALSE(grid.IsGridExportRunning());
  EXPECT_FALSE(grid.CancelGridExport());
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "yesterday's export");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "no temporary file left";
  EXPECT_EQ(Ends(), 1u);
  EXPECT_EQ(heard.back().stage, Stage::Cancelled);
  EXPECT_EQ(heard.back().StatusText(), "Export cancelled");
}

}  // namespace
