// Spread orders told from the record cache: trades on both sides, or a spread entry.
#include "host/recordcache/CInMemPendingSpreadOrders.h"
#include "host/recordcache/CInMemSpreadOrderInfo.h"
#include "host/recordcache/CInMemTradeInfo.h"
#include "support/ViewHarness.h"

#include <gtest/gtest.h>

namespace {

void Trade(std::int64_t refNo, int side) {
  OrderRecordRow t;
  t.lOurOrderNo = refNo;
  t.iBuySell = side;
  ASSERT_TRUE(CInMemTradeInfo::getClass()->Insert(t));
}

TEST(OrderKind, both_sides_traded_is_spread_and_the_answer_is_kept) {
  ViewHarness h;
  OrderBookGrid& grid = h.Pending();
  Trade(7, 1);
  Trade(7, 2);
  Trade(8, 1);
  Trade(8, 1);
  EXPECT_EQ(grid.GetOrderTypeInfo(7), 1);
  EXPECT_EQ(grid.GetOrderTypeInfo(8), 0) << "one side only, however many fills";
  ASSERT_TRUE(CInMemTradeInfo::getClass()->Clear());
  EXPECT_EQ(grid.GetOrderTypeInfo(7), 1) << "cached";

  OrderRecordRow spread;
  spread.lOurOrderNo = 9;
  spread.iOrvelCode = 5736;
  ASSERT_TRUE(CInMemPendingSpreadOrders::getClass()->Insert(spread));
  spread.lOurOrderNo = 10;
  spread.iOrvelCode = 5523;
  ASSERT_TRUE(CInMemSpreadOrderInfo::getClass()->Insert(spread));
  spread.lOurOrderNo = 11;
  spread.iOrvelCode = 5100;  // not a spread code
  ASSERT_TRUE(CInMemSpreadOrderInfo::getClass()->Insert(spread));
  EXPECT_EQ(grid.GetOrderTypeInfo(9), 1);
  EXPECT_EQ(grid.GetOrderTypeInfo(10), 1);
  EXPECT_EQ(grid.GetOrderTypeInfo(11), 0);
  CInMemSpreadOrderInfo::getClass()->Clear();
  CInMemPendingSpreadOrders::getClass()->Clear();
}

}  // namespace
