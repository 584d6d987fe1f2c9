// Dock titles for the token filter and the contract descriptions of the F3 toggle.
#include "host/platform/StatusBar.h"
#include "host/recordcache/CInMemTradeInfo.h"
#include "support/LogCapture.h"
#include "support/ViewHarness.h"
#include "view/ColumnCatalogue.h"
#include "view/DockTitles.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

ScriptDesc Contract(const char* segment, const char* inst) {
  ScriptDesc c;
  CopyText(c.cExchangeName, "NSE");
  CopyText(c.Symbol_ScriptID, "NIFTY");
  CopyText(c.Mkt_Seg, segment);
  CopyText(c.Inst_Name, inst);
  CopyText(c.cExpiry, "30JUN2026");
  CopyText(c.cSeries, "EQ");
  CopyText(c.cStrike, "24000");
  CopyText(c.cOptionType, "CE");
  return c;
}

TEST(DockTitles, each_segment_has_its_own_format_and_spacing_in_both_books) {
  using dock_titles::TitleFor;
  const ScriptDesc option = Contract("O", "OPTIDX");
  const ScriptDesc future = Contract("F", "FUTIDX");
  const ScriptDesc equity = Contract("E", "EQ");
  const ScriptDesc lending = Contract("SLBM", "SLB");
  EXPECT_EQ(TitleFor(ViewVariant::Pending, &option, false), "Pending Orders(NSE-NIFTY-30JUN2026-24000-CE)All Orders");
  EXPECT_EQ(TitleFor(ViewVariant::GTD, &option, true), "GTD Order Book(NSE-NIFTY-30JUN2026-24000-CE)All Orders");
  EXPECT_EQ(TitleFor(ViewVariant::Pending, &future, false), "Pending Orders(NSE-NIFTY-30JUN2026)All Orders");
  EXPECT_EQ(TitleFor(ViewVariant::GTD, &future, true),
            "Spread/Multi Leg Pending Order(NSE-NIFTY-FUTIDX-30JUN2026) All Orders");
  EXPECT_EQ(TitleFor(ViewVariant::Pending, &equity, true), "Pending Orders(NSE-NIFTY-EQ) All Orders");
  EXPECT_EQ(TitleFor(ViewVariant::GTD, &equity, false), "GTD Order Book(NSE-NIFTY-EQ) All Orders");
  EXPECT_EQ(TitleFor(ViewVariant::Pending, &lending, false), "Pending Orders Of All Scrips All Orders");
  EXPECT_EQ(TitleFor(ViewVariant::GTD, nullptr, true), "Spread/Multi Leg GTD Order Book Of All Scrips All Orders");
}

TEST(DockTitles, descriptions_follow_the_tokens_exchange_segment) {
  using dock_titles::FilterTextFor;
  const ScriptDesc stockFuture = Contract("F", "FUTSTK");
  EXPECT_EQ(FilterTextFor(ViewVariant::Pending, 1200000001, &stockFuture), "MSEI FO - NIFTY-FUTSTK-30JUN2026");
  EXPECT_EQ(FilterTextFor(ViewVariant::GTD, 1200000001, &stockFuture), "MCX_SX FO - NIFTY-FUTSTK-30JUN2026");
  const ScriptDesc stockEquity = Contract("E", "EQ");
  EXPECT_EQ(FilterTextFor(ViewVariant::GTD, 1200000001, &stockEquity), "MCX_SX EQ - NIFTY-EQ");
  const ScriptDesc indexOption = Contract("O", "OPTIDX");
  EXPECT_EQ(FilterTextFor(ViewVariant::Pending, 102000001, &indexOption), "NSE - NIFTY-OPTIDX-30JUN2026-24000-CE");
  const ScriptDesc ofs = Contract("E", "OFS");
  EXPECT_EQ(FilterTextFor(ViewVariant::Pending, 206000003, &ofs), "OFS - NIFTY-OFS");
  const ScriptDesc commodity = Contract("E", "COMDTY");
  EXPECT_EQ(FilterTextFor(ViewVariant::Pending, 306000003, &commodity), "MCX - NIFTY-COMDTY");
  EXPECT_EQ(FilterTextFor(ViewVariant::Pending, 306000003, &stockEquity), "") << "MCX without AUC or COM";
  EXPECT_EQ(FilterTextFor(ViewVariant::Pending, 1100000001, &stockEquity), "NSE - NIFTY-EQ") << "segment 11 names its exchange";
  EXPECT_EQ(FilterTextFor(ViewVariant::Pending, 900000001, &stockEquity), "");
  EXPECT_EQ(FilterTextFor(ViewVariant::Pending, 2100000001, &stockEquity), "");
  EXPECT_EQ(FilterTextFor(ViewVariant::Pending, -100000001, &stockEquity), "");
  EXPECT_EQ(FilterTextFor(ViewVariant::Pending, 102000001, nullptr), "");
}

TEST(DockTitles, the_window_title_follows_the_token_and_spread_filters) {
  ViewHarness h;
  OrderBookGrid& grid = h.ShowAllRows();
  OrderBookWnd& wnd = h.PendingWnd();
  grid.SetDefaultDemoFilter(COL_lOurToken, std::to_string(ViewHarness::kNiftyFut), false, true, false);
  EXPECT_EQ(grid.nTitleToken, ViewHarness::kNiftyFut);
  EXPECT_EQ(wnd.GetDockTitle(), "Pending Orders(NSE-NIFTY-)All Orders");
  grid.SetDefaultDemoFilter(COL_lOurToken, "", true, true, false);
  grid.SetDefaultDemoFilter(COL_OrderLeg, "S", false, true, false);
  EXPECT_EQ(grid.nTitleToken, 0);
  EXPECT_EQ(wnd.GetDockTitle(), "Spread/Multi Leg Pending Orders Of All Scrips All Orders");
  EXPECT_EQ(grid.PreparesFilterText(ViewHarness::kReliance), "NSE - RELIANCE-");
  EXPECT_EQ(grid.PreparesFilterText(999), "");
}

TEST(F3Toggle, titles_follow_the_selected_row_and_shift_f3_cancels_even_without_a_row) {
  ViewHarness h;
  h.AddOrder(BookKind::Pending, 1);
  OrderBookGrid& grid = h.ShowAllRows();
  OrderBookWnd& wnd = h.PendingWnd();

  grid.SetCurSel({-1, -1}, orv::platform::kSelSingleRow, false);
  ASSERT_TRUE(grid.GetCurSelItemID().IsNull());
  EXPECT_FALSE(wnd.OnF3KeyPress()) << "no row selected";
  EXPECT_EQ(h.BoxesShown().size(), 1u);
  EXPECT_EQ(h.BoxesShown().front().rfind("Please Select Some Row  |", 0), 0u) << h.BoxesShown().front();

  ViewHarness::SelectRows(grid, 0, 0);
  ASSERT_TRUE(wnd.OnF3KeyPress());
  EXPECT_TRUE(wnd.bF3AllScrips);
  EXPECT_EQ(wnd.GetDockTitle(), "Pending Orders Of All Scrips All Orders") << "an empty criterion reads as All";
  EXPECT_EQ(wnd.GetStatusBar()->GetPaneText(2), "Pending Orders Of All Scrips");

  wnd.BuySellTotals().SetStoredToken(std::to_string(ViewHarness::kNiftyFut));
  ASSERT_TRUE(wnd.OnF3KeyPress());
  EXPECT_FALSE(wnd.bF3AllScrips);
  EXPECT_EQ(wnd.GetDockTitle(), "Pending Orders (NSE - NIFTY-) All Orders");
  EXPECT_EQ(wnd.GetStatusBar()->GetPaneText(2), "NSE - NIFTY-)");

  // Shift+F3 cancels all, with or without a row.
  grid.SetCurSel({-1, -1}, orv::platform::kSelSingleRow, false);
  AppGlobal::g_iIsShiftF3ProcessEvent = 0;
  h.App().Keys().SetShift(true);
  EXPECT_TRUE(wnd.OnF3KeyPress());
  h.App().Keys().SetShift(false);
  EXPECT_EQ(AppGlobal::g_iIsShiftF3ProcessEvent, 1);
  EXPECT_TRUE(wnd.bShiftF3);
  EXPECT_FALSE(wnd.bF3AllScrips) << "Shift+F3 does not toggle the titles";
}

TEST(FiltersCombination, keeps_the_rows_meeting_every_active_criterion_and_skips_a_repeat) {
  ViewHarness h;
  LogCapture log;
  h.AddOrder(BookKind::Pending, 1);
  h.AddOrder(BookKind::Pending, 2, [](OrderBookDetails& r) { CopyText(r.B_S, "SELL"); });
  h.AddOrder(BookKind::Pending, 3, [&](OrderBookDetails& r) {
    r.lOurToken = ViewHarness::kReliance;
    r.pContract = h.Master().Find(ViewHarness::kReliance);
  });
  h.ShowAllRows();
  OrderBookWnd& wnd = h.PendingWnd();
  using Keys = std::vector<std::uint32_t>;
  const auto combine = [&](std::vector<std::string> given) {
    std::array<std::string, OrderBookWnd::kCriteriaCount> criteria;
    criteria.fill("All");
    std::copy(given.begin(), given.end(), criteria.begin());
    wnd.FiltersCombination(criteria);
    Keys keys;
    for (const auto& [key, row] : wnd.CombinedOrders()) keys.push_back(key);
    return keys;
  };

  // "Buy" in any case picks the buy side; an empty symbol is no criterion.
  EXPECT_EQ(combine({"all", "All", "", "All", "BUY"}), (Keys{1, 3}));
  EXPECT_EQ(log.LinesOf("PendingWindowPerformance.txt"), (std::vector<std::string>{"FiltersCombination: 2 of 3 rows combined"}));
  EXPECT_EQ(combine({"All", "All", "", "All", "buy"}), (Keys{1, 3})) << "the same criteria ignoring case";
  EXPECT_EQ(log.LinesOf("PendingWindowPerformance.txt").size(), 1u) << "a repeat walks nothing";
  EXPECT_EQ(log.LinesOf("PendingFiltersCombination.txt").size(), 2u);
  EXPECT_EQ(combine({"All", "All", "reliance", "All", "Buy"}), (Keys{3}));
  EXPECT_EQ(combine({"BSE"}), (Keys{})) << "every row is an NSE order";

  // The order kind asks whether each order is a spread: trades on both sides make order 2 one.
  for (int side : {1, 2}) {
    OrderRecordRow trade;
    trade.lOurOrderNo = 2;
    trade.iBuySell = side;
    ASSERT_TRUE(CInMemTradeInfo::getClass()->Insert(trade));
  }
  std::vector<std::string> spread(11, "All");
  spread[10] = "Spread";
  EXPECT_EQ(combine(spread), (Keys{2}));
  spread[10] = "Normal";
  EXPECT_EQ(combine(spread), (Keys{1, 3}));
  CInMemTradeInfo::getClass()->Clear();
  EXPECT_EQ(wnd.strLastCriteria[10], "Normal");
}

}  // namespace
