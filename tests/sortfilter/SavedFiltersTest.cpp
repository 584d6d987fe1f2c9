// Filters kept across a restart: written into the settings file when the window closes, read back
// by the next window's first fill; bad saved texts give the defaults and one log line.
#include "filterbar/OrderBookFilter.h"
#include "host/GeneralXmlSettings.h"
#include "host/ScratchFolder.h"
#include "sortfilter/HeaderFilterSupport.h"
#include "sortfilter/SavedFilterBlock.h"
#include "support/HostToday.h"
#include "support/ViewHarness.h"
#include "view/ColumnCatalogue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string> g_log;
// Only the saved-filter lines: the windows log their creation too.
void CaptureLine(const char* /*source*/, const char* text) {
  if (std::string_view(text).starts_with("Saved")) g_log.emplace_back(text);
}

class SavedFilters : public ::testing::Test {
 protected:
  SavedFilters() {
    g_log.clear();
    AppGlobal::lTime = static_cast<long>(HostToday());
    AppGlobal::pWriteInLogFile = &CaptureLine;
    regGeneralXMLSettings.bSettingsReady = false;
    EXPECT_TRUE(regGeneralXMLSettings.Load(File()).ok());
  }
  ~SavedFilters() override {
    AppGlobal::pWriteInLogFile = nullptr;
    regGeneralXMLSettings.SetPath({});
  }

  std::filesystem::path File() const { return folder / "general.xml"; }
  OrderBookFilterSettings& Block(ViewVariant v = ViewVariant::Pending) {
    return v == ViewVariant::Pending ? regGeneralXMLSettings.objPendingFilter : regGeneralXMLSettings.objGTDFilter;
  }
  OrderBookGrid& Grid(ViewVariant v = ViewVariant::Pending) {
    return v == ViewVariant::Pending ? static_cast<OrderBookGrid&>(h.Pending()) : static_cast<OrderBookGrid&>(h.Gtd());
  }
  OrderBookFilter& Bar(ViewVariant v = ViewVariant::Pending) {
    return *h.Wnd(v).GetFilterBar();
  }
  static std::vector<std::string> Values(const OrderBookGrid& grid, int column) {
    const MULTIPLEFILTER_PARAM* f = grid.FindFilter(column);
    return f && !f->bAll ? f->lstValues : std::vector<std::string>{};
  }
  // Closes the window, reads the file back as the next start does, and opens a new window.
  OrderBookGrid& Restart(ViewVariant v = ViewVariant::Pending) {
    h.CloseWindow(v);
    regGeneralXMLSettings.ResetToDefaults();
    EXPECT_TRUE(regGeneralXMLSettings.Load(File()).ok());
    OrderBookGrid& grid = Grid(v);
    h.Run();
    return grid;
  }
  void TurnSavingOn(ViewVariant v = ViewVariant::Pending) {
    Grid(v);
    if (!Block(v).bSaveFilter) Grid(v).OnOrderBookSavefilter();
    ASSERT_TRUE(Block(v).bSaveFilter);
  }

  ScratchFolder folder{"saved-filters"};
  ViewHarness h;
};

TEST_F(SavedFilters, status_and_side_survive_a_restart_through_the_file_in_both_variants) {
  for (ViewVariant v : {ViewVariant::Pending, ViewVariant::GTD}) {
    SCOPED_TRACE(v == ViewVariant::Pending ? "Pending" : "GTD");
    TurnSavingOn(v);
    OrderBookGrid& grid = Grid(v);
    grid.ClearFilter(-1);
    grid.SetFilterParam(COL_Order_Status, {"Pending", "UnConfirmed"}, false, true, false);
    grid.SetFilterParam(COL_B_S, {"BUY"}, false, true, false);
    grid.SetFilterParam(COL_Order_Type, {"RL"}, true, true, false);  // show-all: saved empty

    OrderBookGrid& reopened = Restart(v);
    EXPECT_EQ(Block(v).cOrderStatusFilter, "Pending,UnConfirmed");
    EXPECT_EQ(Block(v).cBuySellFilter, "BUY");
    EXPECT_EQ(Block(v).cOrderTypeFilter, "");
    EXPECT_EQ(Values(reopened, COL_Order_Status), (std::vector<std::string>{"Pending", "UnConfirmed"}));
    EXPECT_EQ(Values(reopened, COL_B_S), (std::vector<std::string>{"BUY"}));
    EXPECT_EQ(reopened.FindFilter(COL_Order_Type), nullptr);
    EXPECT_EQ(Bar(v).m_cmbBuySell.GetWindowText(), "BUY");
  }
  EXPECT_TRUE(g_log.empty()) << g_log.front();
}

TEST_F(SavedFilters, restored_values_are_sorted_and_added_to_the_filter_already_there) {
  TurnSavingOn();
  Block().cBuySellFilter = "SELL,BUY,SELL";
  Block().cOrderStatusFilter = "Traded";
  OrderBookGrid& grid = Grid();
  grid.ClearFilter(-1);
  grid.SetFilterParam(COL_Order_Status, {"Pending"}, false, true, false);
  grid.ApplyFilterOnOpen();
  EXPECT_EQ(Values(grid, COL_B_S), (std::vector<std::string>{"BUY", "SELL"}));
  EXPECT_EQ(Bar().m_cmbBuySell.GetWindowText(), "BUY");
  EXPECT_EQ(Values(grid, COL_Order_Status), (std::vector<std::string>{"Pending", "Traded"}));
}

TEST_F(SavedFilters, a_saved_range_is_read_on_the_hosts_current_date) {
  TurnSavingOn();
  Block().cRangeStart = "09:15:00";
  Block().cRangeEnd = "15:30:00";
  OrderBookGrid& grid = Grid();
  grid.ApplyFilterOnOpen();
  const MULTIPLEFILTER_PARAM* range = grid.FindFilter(COL_Server_Entry_Time);
  ASSERT_NE(range, nullptr);
  EXPECT_EQ(range->dtFrom.GetYear(), 2026) << "a time-only bound on 1899 would hide every dated order";
  EXPECT_EQ(range->dtFrom.GetDay(), 15);
  EXPECT_EQ(range->dtFrom.GetHour(), 9);
  EXPECT_EQ(range->dtTill.GetMinute(), 30);
  EXPECT_EQ(range->lstValues, (std::vector<std::string>{"09:15:00", "15:30:00"}));

  // Equal ends: no time filter, and the pickers show the whole day.
  Block().cRangeEnd = "09:15:00";
  grid.ApplyFilterOnOpen();
  EXPECT_EQ(grid.FindFilter(COL_Server_Entry_Time), nullptr);
  EXPECT_EQ(Bar().m_dtpTimeFrom.GetTime(), header_filter::ClearedFrom());
  EXPECT_EQ(Bar().m_dtpTimeTill.GetTime(), header_filter::ClearedTill());
}

TEST_F(SavedFilters, bad_saved_texts_are_ignored_with_one_line_each_and_the_rest_restored) {
  TurnSavingOn();
  Block().cBuySellFilter = std::string(2 * saved_filters::kMaxSavedText, 'B');
  Block().cClientFilter = "C1\x01,C2";
  Block().cRangeStart = "not a time";
  Block().cRangeEnd = "15:30:00";
  Block().cExchCodeFilter = "NSE";
  OrderBookGrid& grid = Grid();
  grid.ClearFilter(-1);
  grid.ApplyFilterOnOpen();
  EXPECT_EQ(grid.FindFilter(COL_B_S), nullptr);
  EXPECT_EQ(grid.FindFilter(COL_Client), nullptr);
  EXPECT_EQ(grid.FindFilter(COL_Server_Entry_Time), nullptr);
  EXPECT_EQ(Values(grid, COL_ExchCode), (std::vector<std::string>{"NSE"}));
  ASSERT_EQ(g_log.size(), 3u);
  EXPECT_NE(g_log[0].find("column 15"), std::string::npos) << g_log[0];
  EXPECT_NE(g_log[1].find("control character"), std::string::npos) << g_log[1];
  EXPECT_NE(g_log[2].find("time range"), std::string::npos) << g_log[2];

  std::string problem;
  EXPECT_EQ(saved_filters::SplitSavedText("A,,B", problem), (std::vector<std::string>{"", "A", "B"}));
  EXPECT_TRUE(problem.empty());
}

TEST_F(SavedFilters, a_megabyte_long_text_in_the_file_is_skipped_and_the_other_filters_come_back) {
  GeneralXmlSettings edited;
  edited.objPendingFilter.bSaveFilter = true;
  edited.objPendingFilter.cBuySellFilter = std::string(1 << 20, 'S');
  edited.objPendingFilter.cOrderStatusFilter = "Traded";
  ASSERT_TRUE(edited.Save(File()).ok());
  ASSERT_TRUE(regGeneralXMLSettings.Load(File()).ok());

  OrderBookGrid& grid = Grid();
  h.Run();
  EXPECT_EQ(grid.FindFilter(COL_B_S), nullptr);
  EXPECT_EQ(Values(grid, COL_Order_Status), (std::vector<std::string>{"Traded"}));
  ASSERT_EQ(g_log.size(), 1u);
  EXPECT_NE(g_log[0].find("too long"), std::string::npos) << g_log[0];
}

TEST_F(SavedFilters, a_corrupt_file_that_cannot_be_kept_aside_is_never_overwritten) {
  {
    std::ofstream(File()) << "<settings>user's own";
  }
  // The place of the copy is taken, so the copy cannot be made.
  std::filesystem::create_directories(folder / "general.xml.corrupt" / "taken");
  EXPECT_EQ(regGeneralXMLSettings.Load(File()).status, GeneralXmlSettings::Status::Corrupt);
  TurnSavingOn();  // saves: refused, with one line naming the file
  std::ifstream in(File());
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "<settings>user's own");
  ASSERT_EQ(g_log.size(), 1u);
  EXPECT_NE(g_log[0].find("general.xml"), std::string::npos) << g_log[0];

  // Once the copy can be made, saving goes ahead.
  std::filesystem::remove_all(folder / "general.xml.corrupt");
  EXPECT_EQ(regGeneralXMLSettings.Load(File()).status, GeneralXmlSettings::Status::Corrupt);
  EXPECT_TRUE(regGeneralXMLSettings.SaveGeneralSettings().ok());
}

}  // namespace
