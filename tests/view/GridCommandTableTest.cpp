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

}  // namespace
