#include "filterbar/GTDOrderBookFilterFrame.h"
#include "filterbar/OrderBookFilter.h"
#include "filterbar/OrvOrdersFilterFrame.h"
#include "support/CommonLogLines.h"
#include "support/ViewHarness.h"
#include "view/ColumnCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

namespace platform = orv::platform;


class WindowShell : public ::testing::Test {
 protected:
  WindowShell() { CommonLogLines().clear(); }

  const std::vector<platform::MessageBoxRecord>& Boxes() { return h.App().MessageBoxes().Shown(); }

  ViewHarness h;
};

TEST_F(WindowShell, creation_wires_the_filter_frame_over_the_grid_with_the_filter_row_collapsed) {
  AppGlobal::g_bPendingMultiOrdersModify = 1;
  OrvPendingOrdersWnd& wnd = h.PendingWnd();
  EXPECT_TRUE(wnd.bMultiOrdersModify) << "the multi-modify setting is copied at creation";
  EXPECT_EQ(AppGlobal::g_iIsShiftF3ProcessEvent, 3);
  CustomSplitterControl& splitter = wnd.GetSplitter();
  ASSERT_TRUE(splitter.GetSafeHwnd());
  int cur = -1, min = -1;
  ASSERT_TRUE(splitter.GetRowInfo(0, cur, min));
  EXPECT_EQ(cur, 0);
  EXPECT_FALSE(wnd.bFilterBarShown);

  auto* frame = dynamic_cast<OrvOrdersFilterFrame*>(splitter.GetPane(0, 0));
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(splitter.GetPane(1, 0), wnd.GetGrid());
  EXPECT_EQ(frame->GetViewWnd(), &wnd);
  ASSERT_NE(wnd.GetFilterBar(), nullptr);
  EXPECT_EQ(wnd.GetFilterBar()->GetParent(), frame);
  EXPECT_EQ(wnd.GetFilterBar()->GetGrid(), wnd.GetGrid()) << "the grid hands itself to the bar";
  EXPECT_EQ(wnd.GetGrid()->GetOwnerWnd(), &wnd) << "the grid found its window through the splitter";

  AppGlobal::g_bPendingMultiOrdersModify = 0;
  GTDOrderBookWnd& gtd = h.GtdWnd();
  EXPECT_FALSE(gtd.bMultiOrdersModify);
  EXPECT_NE(dynamic_cast<GTDOrderBookFilterFrame*>(gtd.GetSplitter().GetPane(0, 0)), nullptr);
  EXPECT_NE(dynamic_cast<GTDOrderBookGrid*>(gtd.GetGrid()), nullptr);
}

TEST_F(WindowShell, creation_logs_and_registers_with_the_router_and_destruction_leaves_it) {
  AppGlobal::pWriteInLogFile = &CaptureCommonLogLine;
  InteractiveRouterMap router;
  AppGlobal::m_pInteractiveRouterMap = &router;
  {
    AppGlobal::g_bLastOrderSelectionLowPerf = 1;
    OrvPendingOrdersWnd pending;
    ASSERT_EQ(pending.OnCreate(), 0);
    AppGlobal::g_bLastOrderSelectionLowPerf = 0;
    GTDOrderBookWnd gtd;
    ASSERT_EQ(gtd.OnCreate(), 0);
    ASSERT_EQ(router.entries.size(), 2u);
    EXPECT_EQ(router.entries[0].pWindow, static_cast<void*>(static_cast<OrderBookWnd*>(&pending)));
    EXPECT_NE(router.entries[0].hWnd, nullptr);
    EXPECT_EQ(router.entries[0].nIdentity, 10005);
    EXPECT_EQ(router.entries[1].nIdentity, 50093);
  }
  EXPECT_TRUE(router.entries.empty()) << "the host must not route to a window that is gone";
  AppGlobal::m_pInteractiveRouterMap = nullptr;

  std::vector<std::pair<std::string, std::string>> creation;
  for (const auto& line : CommonLogLines())
    if (line.second.find("OnCreate()") != std::string::npos) creation.push_back(line);
  EXPECT_EQ(creation, (std::vector<std::pair<std::string, std::string>>{
                          {"ZARUClient", "OrvPendingOrdersWnd::OnCreate(), AppGlobal::g_bLastOrderSelectionLowPerf - 1"},
                          {"ZARUClient", "GTDOrderBookWnd::OnCreate(), AppGlobal::g_bLastOrderSelectionLowPerf - 0"},
                      }));
}

// Showing again is RefreshCycle.a_hidden_window_keeps_no_timer_and_showing_rebuilds_at_once.
TEST_F(WindowShell, closing_hides_the_window_and_stops_its_polling) {
  OrvPendingOrdersWnd& wnd = h.PendingWnd();
  OrderBookGrid& grid = *wnd.GetGrid();
  platform::EventLoop& loop = h.App().Loop();
  EXPECT_TRUE(wnd.IsVisible());
  EXPECT_TRUE(loop.hasTimer(&grid, 10150));

  grid.OnClose();
  EXPECT_FALSE(wnd.IsVisible()) << "closing hides the bar through the host";
  EXPECT_EQ(wnd.CloseRequests(), 1);
  EXPECT_FALSE(loop.hasTimer(&grid, 10150));
  EXPECT_TRUE(wnd.GetSafeHwnd()) << "the window lives on";
}

TEST_F(WindowShell, destroying_asks_only_during_a_bulk_save_and_destroys_whatever_the_answer) {
  struct Case {
    int bulkWindow;
    bool textSave, excelSave;
    int answer;
    std::vector<std::string> texts;
  };
  const std::string question = "File Not Saved .Do You Still Want To Continue?";
  const std::string advice = "Please Reopen the Pending Window And Wait For File Save Confirmation";
  for (const Case& c : {Case{1, true, false, platform::IDYES, {question}},
                        Case{1, true, false, platform::IDNO, {question, advice}},
                        Case{0, false, true, 0, {}},  // a save, but not on the bulk window
                        Case{1, false, false, 0, {}}}) {
    AppGlobal::g_bPendingOrdersOnBulkWindow = c.bulkWindow;
    h.App().MessageBoxes().ClearShown();
    OrvPendingOrdersWnd wnd;
    ASSERT_EQ(wnd.OnCreate(), 0);
    wnd.ShowControlBar(true);
    wnd.bBulkTextSaveInProgress = c.textSave;
    wnd.bBulkExcelSaveInProgress = c.excelSave;
    if (c.answer) h.App().MessageBoxes().QueueAnswer(c.answer);
    wnd.OnNcDestroy();

    std::vector<std::string> texts;
    for (const auto& box : Boxes()) {
      texts.push_back(box.text);
      EXPECT_EQ(box.caption, "ALERT");
    }
    EXPECT_EQ(texts, c.texts);
    if (!Boxes().empty()) {
      EXPECT_EQ(Boxes()[0].flags & platform::MB_TYPEMASK, platform::MB_YESNO);
    }
    EXPECT_FALSE(wnd.GetSafeHwnd());
    EXPECT_FALSE(wnd.GetGrid()->GetSafeHwnd());
    EXPECT_FALSE(h.App().Loop().hasTimer(wnd.GetGrid(), 10150)) << "nothing of the window keeps running";
  }
}

TEST_F(WindowShell, closing_with_filter_reset_clears_every_filter_and_hides_the_bar) {
  OrvPendingOrdersWnd& wnd = h.PendingWnd();
  OrderBookGrid& grid = *wnd.GetGrid();
  grid.SetDefaultDemoFilter(COL_B_S, "BUY", false, true, false);
  ASSERT_TRUE(grid.IsFilterExist(COL_Order_Status)) << "the default status filter";
  wnd.bFilterBarShown = true;
  wnd.GetSplitter().SetRowInfo(0, 60, 0);
  wnd.GetSplitter().RecalcLayout();
  AppOrderBook::IsInsertPost = 0;

  wnd.ResetFilterOnClose();
  EXPECT_FALSE(grid.IsFilterExist(-1));
  EXPECT_EQ(AppOrderBook::IsInsertPost, 1) << "the rows are rebuilt without filters";
  EXPECT_FALSE(wnd.bFilterBarShown);
  EXPECT_EQ(wnd.GetSplitter().GetRowIdealHeight(0), 0);
  EXPECT_EQ(wnd.GetSplitter().GetPaneRect(0, 0).Height(), 0);

  // With Save Filter ticked the bar stays open; the filters still go.
  grid.SetDefaultDemoFilter(COL_B_S, "SELL", false, true, false);
  wnd.bFilterBarShown = true;
  wnd.GetFilterBar()->SaveFilterCheckBox().SetCheck(platform::BST_CHECKED);
  wnd.ResetFilterOnClose();
  EXPECT_FALSE(grid.IsFilterExist(-1));
  EXPECT_TRUE(wnd.bFilterBarShown);
}

TEST_F(WindowShell, find_opens_from_the_command_and_from_ctrl_f_outside_the_grid) {
  OrvPendingOrdersWnd& wnd = h.PendingWnd();
  OrderBookGrid& grid = *wnd.GetGrid();
  wnd.OnMessage(platform::WM_COMMAND, 57636, 0);
  EXPECT_EQ(grid.FindDialogRequests(), 1);

  h.App().Keys().SetCtrl(true);
  platform::MSG onBar{wnd.GetFilterBar(), platform::WM_KEYDOWN, 'F', 0};
  EXPECT_TRUE(wnd.PreTranslateMessage(&onBar));
  EXPECT_EQ(grid.FindDialogRequests(), 2);
  platform::MSG onGrid{&grid, platform::WM_KEYDOWN, 'F', 0};
  EXPECT_FALSE(wnd.PreTranslateMessage(&onGrid)) << "Ctrl+F in the grid is the grid's key";
  h.App().Keys().SetCtrl(false);
  EXPECT_FALSE(wnd.PreTranslateMessage(&onBar)) << "a plain F goes to the base";
  EXPECT_EQ(grid.FindDialogRequests(), 2);
}

}  // namespace
