#include "sortfilter/QuickFilters.h"
#include "support/ViewHarness.h"
#include "view/ColumnCatalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class QuickFilters : public ::testing::Test {
 protected:
  static constexpr std::int32_t kCrude = 301000004;  // CME
  static constexpr std::int32_t kBseEq = 201000005;  // BSE equity

  QuickFilters() {
    h.AddContract(kCrude, "CME", "CL", "F", 1, "%.2f");
    h.AddContract(kBseEq, "BSE", "TATA", "E", 1, "%.2f");
    AddOn(1, ViewHarness::kNiftyFut);  // NSE
    AddOn(2, kBseEq);                  // BSE
    AddOn(3, kCrude);                  // CME
    h.AddOrder(BookKind::Pending, 4, [this](OrderBookDetails& r) {
      r.eOrderStatus = eUnConfirmed;
      CopyText(r.Order_Status, "UnConfirmed");
      CopyText(r.B_S, "SELL");
    });
  }
  void AddOn(std::uint32_t refNo, std::int32_t token) {
    h.AddOrder(BookKind::Pending, refNo, [this, token](OrderBookDetails& r) {
      r.lOurToken = token;
      r.pContract = h.Master().Find(token);
    });
  }
  std::set<std::uint32_t> Shown() {
    OrderBookGrid& g = grid();  // opens the view on first use, before the refresh runs
    h.Run();
    const std::vector<std::uint32_t> rows = ViewHarness::RowRefNos(g);
    return {rows.begin(), rows.end()};
  }
  std::vector<std::string> Values(int col) {
    const MULTIPLEFILTER_PARAM* f = grid().FindFilter(col);
    return f ? f->lstValues : std::vector<std::string>{};
  }
  OrderBookGrid& grid() { return h.Pending(); }

  ViewHarness h;
};

TEST_F(QuickFilters, exchange_items_toggle_a_single_exchange_and_all_brings_every_row_back) {
  ASSERT_EQ(Shown(), (std::set<std::uint32_t>{1, 2, 3, 4}));
  grid().OnQuickFilter(2014);  // NSE
  EXPECT_EQ(Shown(), (std::set<std::uint32_t>{1, 4}));
  grid().OnQuickFilter(2015);  // BSE replaces NSE
  EXPECT_EQ(Values(COL_ExchCode), (std::vector<std::string>{"BSE"}));
  EXPECT_EQ(Shown(), (std::set<std::uint32_t>{2}));
  grid().OnQuickFilter(2015);  // BSE again takes it out
  EXPECT_FALSE(grid().IsFilterExist(COL_ExchCode));
  EXPECT_EQ(Shown(), (std::set<std::uint32_t>{1, 2, 3, 4}));
  grid().OnQuickFilter(2014);
  grid().OnQuickFilter(2013);  // Exchange ALL
  EXPECT_FALSE(grid().IsFilterExist(COL_ExchCode));
  EXPECT_EQ(Shown(), (std::set<std::uint32_t>{1, 2, 3, 4}));
}

TEST_F(QuickFilters, a_toggle_takes_one_value_out_of_a_filter_of_several_and_replaces_otherwise) {
  ASSERT_EQ(Values(COL_Order_Status), (std::vector<std::string>{"Pending", "UnConfirmed"}));
  grid().OnQuickFilter(2042);  // Pending is there: only it goes
  EXPECT_EQ(Values(COL_Order_Status), (std::vector<std::string>{"UnConfirmed"}));
  EXPECT_EQ(Shown(), (std::set<std::uint32_t>{4}));
  grid().OnQuickFilter(2044);  // Cancelled is not: it becomes the only status
  EXPECT_EQ(Values(COL_Order_Status), (std::vector<std::string>{"Cancelled"}));
  EXPECT_TRUE(Shown().empty());
}

TEST_F(QuickFilters, each_item_filters_its_own_column_on_the_cell_text) {
  grid().OnQuickFilter(2041);  // Order Status All
  EXPECT_FALSE(grid().IsFilterExist(COL_Order_Status));
  grid().OnQuickFilter(2043);
  EXPECT_EQ(Values(COL_Order_Status), (std::vector<std::string>{"UnConfirmed"})) << "not the menu's Un-Confirmed";
  grid().OnQuickFilter(2036);
  EXPECT_EQ(Values(COL_B_S), (std::vector<std::string>{"SELL"}));
  grid().OnQuickFilter(2033);
  EXPECT_EQ(Values(COL_Mkt_Seg), (std::vector<std::string>{"SLBM"})) << "the S item filters SLBM";
  grid().OnQuickFilter(7333);
  EXPECT_EQ(Values(COL_Mkt_Seg), (std::vector<std::string>{"OFS"}));
  grid().OnQuickFilter(2039);
  EXPECT_EQ(Values(COL_Pro_Client), (std::vector<std::string>{"CLI"}));
  grid().OnQuickFilter(2055);
  EXPECT_EQ(Values(COL_Order_Type), (std::vector<std::string>{"SL"}));
  grid().OnQuickFilter(7365);
  EXPECT_EQ(Values(COL_Order_Style), (std::vector<std::string>{"IOM"}));
  for (unsigned all : {2029u, 2034u, 2037u, 2053u, 2056u}) grid().OnQuickFilter(all);
  EXPECT_EQ(grid().Filters().size(), 1u) << "only the status filter is left";
}

}  // namespace
