// The title totals: the stored token's buy and sell totals in panes 4 to 9.
#include "actions/BuySellQtyTotals.h"
#include "host/platform/StatusBar.h"
#include "support/ViewHarness.h"

#include <gtest/gtest.h>

namespace {

TEST(TitleTotals, only_the_stored_tokens_entries_count_and_no_totals_read_no_scrip) {
  ViewHarness h;
  OrderBookWnd& wnd = h.PendingWnd();
  orv::platform::StatusBar& bar = *wnd.GetStatusBar();
  wnd.GetStatusValues();
  EXPECT_EQ(bar.GetPaneText(3), "<No Scrip>");
  EXPECT_EQ(bar.GetPaneText(4), "B.Qty:0");
  EXPECT_EQ(bar.GetPaneText(9), "S.Val:0.00");

  TokenTotals& mine = wnd.BuySellTotals().Entry(102000001);
  mine.lBuyQty = 150;
  mine.lLotSize = 75;
  mine.dBuyPrice = 10.5;
  mine.lSellQty = 80;
  mine.dSellPrice = 2.0;
  TokenTotals& other = wnd.BuySellTotals().Entry(101000002);
  other.lBuyQty = 999;
  wnd.BuySellTotals().SetStoredToken("102000001");
  wnd.GetStatusValues();
  EXPECT_EQ(bar.GetPaneText(4), "B.Qty: 150");
  EXPECT_EQ(bar.GetPaneText(6), "B.Val: 1575.00");
  EXPECT_EQ(bar.GetPaneText(9), "S.Val: 160.00");
}

}  // namespace
