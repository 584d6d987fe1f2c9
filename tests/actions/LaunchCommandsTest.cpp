// The grid's launch commands: linking orders to the IOB, the history record of the current
// order, and the requests for the trades, market picture and market by aggregate windows.
#include "host/recordcache/RecordCacheTables.h"
#include "support/ViewHarness.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

namespace pf = orv::platform;

class LaunchCommands : public ::testing::Test {
 protected:
  LaunchCommands() { RecordCache::Close(); }
  ~LaunchCommands() override { RecordCache::Close(); }

  OrderBookGrid& Shown(ViewVariant variant = ViewVariant::Pending) { return h.ShowAllRows(variant); }
  void SelectRows(OrderBookGrid& grid, int top, int bottom) { ViewHarness::SelectRows(grid, top, bottom); }
  std::vector<std::string> Boxes() { return h.BoxesShown(); }
  std::vector<pf::PostedMessage> Posts(unsigned msg) {
    std::vector<pf::PostedMessage> out;
    for (const auto& p : h.App().MainWindow().Posted())
      if (p.msg == msg) out.push_back(p);
    return out;
  }
  static WindowPassing Request() {
    WindowPassing copy;
    std::memcpy(&copy, &AppGlobal::objWindowPassing, sizeof copy);
    return copy;
  }
  void AddOrders(std::uint32_t first, std::uint32_t count) {
    for (std::uint32_t ref = first; ref < first + count; ++ref)
      h.AddOrder(BookKind::Pending, ref, [](OrderBookDetails& r) { r.Total_Qty = 10; });
  }

  ViewHarness h;
};

TEST_F(LaunchCommands, at_most_fifteen_linkable_orders_go_to_the_iob) {
  AddOrders(1, 16);
  OrderBookGrid& grid = Shown();
  SelectRows(grid, 0, 15);
  grid.OnLinktoiob();
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Logon IOB[Ctrl+I] to process request. | Pending Orders-IOB Link"}));
  AppGlobal::g_bIOMOrderLoginStatus = 1;
  h.App().MessageBoxes().ClearShown();

  grid.OnLinktoiob();
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Maximum 15 orders are allowed to Link | Pending Orders-IOB Link"}));
  EXPECT_TRUE(Posts(kMsgWindowPassing).empty());
  EXPECT_TRUE(h.App().Loop().hasTimer(&grid, 10150));

  h.App().MessageBoxes().ClearShown();
  SelectRows(grid, 1, 15);
  grid.OnLinktoiob();
  EXPECT_TRUE(Boxes().empty());
  ASSERT_EQ(Posts(kMsgWindowPassing).size(), 1u);
  EXPECT_EQ(Posts(kMsgWindowPassing)[0].wParam, reinterpret_cast<pf::WPARAM>(&AppGlobal::objWindowPassing));
  const WindowPassing request = Request();
  EXPECT_EQ(request.nRequestFrom, 10005);
  EXPECT_EQ(request.nRequestId, 20001);
  const void* requestWnd = request.pRequestWnd;  // a packed member: read it by value
  EXPECT_EQ(requestWnd, static_cast<void*>(&grid));
  EXPECT_EQ(request.nParam1, 0);
  EXPECT_EQ(AppOrderBook::objOrderBook_IOBLinkOrder.size(), 15u);
  EXPECT_EQ(AppOrderBook::objOrderBook_IOBLinkOrder.front(), 15u);
  EXPECT_EQ(AppGlobal::lTotalQty, 150);
}

TEST_F(LaunchCommands, linked_orders_are_skipped_and_foreign_numbers_refuse_the_link) {
  AppGlobal::g_bIOMOrderLoginStatus = 1;
  AddOrders(1, 2);
  h.AddOrder(BookKind::Pending, 30000000);
  OrderRecordRow linked;
  linked.lOurOrderNo = 2;
  ASSERT_TRUE(CInMemExchangeIobOrder::getClass()->Insert(linked));
  OrderBookGrid& grid = Shown();  // rows: 30000000, 2, 1
  EXPECT_TRUE(grid.IsOrderLinked(2));
  EXPECT_FALSE(grid.IsOrderLinked(1));

  SelectRows(grid, 0, 2);
  grid.OnLinktoiob();
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Unable to Process request due to Invalid combinations | Pending "
                                               "Orders-IOB Link"}));
  EXPECT_TRUE(Posts(kMsgWindowPassing).empty());

  h.App().MessageBoxes().ClearShown();
  SelectRows(grid, 1, 2);
  grid.OnLinktoiob();
  EXPECT_TRUE(Boxes().empty()) << "an order already linked is skipped without a word";
  EXPECT_EQ(AppOrderBook::objOrderBook_IOBLinkOrder, (std::vector<std::uint32_t>{1}));
  EXPECT_EQ(Posts(kMsgWindowPassing).size(), 1u);

  // The GTD view links as the Pending one does, under its own caption.
  AppGlobal::g_bIOMOrderLoginStatus = 0;
  h.AddOrder(BookKind::GTD, 5);
  OrderBookGrid& gtd = Shown(ViewVariant::GTD);
  gtd.OnLinktoiob();
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Logon IOB[Ctrl+I] to process request. | GTD Order Book-IOB Link"}));
}

TEST_F(LaunchCommands, market_picture_of_a_pending_spread_names_both_legs) {
  auto leg = [&](BookKind kind, std::uint32_t ref, std::int32_t token) {
    h.AddOrder(kind, ref, [&](OrderBookDetails& r) {
      r.eOrderLeg = eSpreadLeg;
      r.lOurToken = token;
      CopyText(r.Order_Status, "Spread Pending");
    });
  };
  leg(BookKind::Pending, 7, ViewHarness::kNiftyFut);
  leg(BookKind::Pending, 7, ViewHarness::kReliance);
  h.AddOrder(BookKind::Pending, 8);
  OrderBookGrid& grid = Shown();  // rows: 8, 7 (second leg), 7 (first leg)
  grid.SetCurSel({2, 0}, pf::kSelSingleRow, false);
  grid.OnMarketpictureF5();
  grid.SetCurSel({0, 0}, pf::kSelSingleRow, false);
  grid.OnMarketpictureF6();
  ASSERT_EQ(OrvInMemory::m_orvWindowPassingQueue.Size(), 2u);
  EXPECT_TRUE(Posts(kMsgWindowPassing).empty()) << "queued, not posted";
  WindowPassing spread, plain;
  ASSERT_TRUE(OrvInMemory::m_orvWindowPassingQueue.TakeNext(spread));
  ASSERT_TRUE(OrvInMemory::m_orvWindowPassingQueue.TakeNext(plain));
  EXPECT_EQ(spread.nRequestId, 10050);
  EXPECT_EQ(spread.nParam1, ViewHarness::kNiftyFut);
  EXPECT_EQ(spread.nParam2, ViewHarness::kReliance);
  EXPECT_EQ(spread.nRequestFrom, 10005);
  EXPECT_EQ(plain.nRequestId, 10002);
  EXPECT_EQ(plain.nParam1, ViewHarness::kNiftyFut);
  EXPECT_EQ(plain.nParam2, 0);

  // The GTD view names the row's own contract only.
  leg(BookKind::GTD, 9, ViewHarness::kNiftyFut);
  leg(BookKind::GTD, 9, ViewHarness::kReliance);
  OrderBookGrid& gtd = Shown(ViewVariant::GTD);
  gtd.SetCurSel({0, 0}, pf::kSelSingleRow, false);
  gtd.OnMarketpictureF5();
  WindowPassing gtdRequest;
  ASSERT_TRUE(OrvInMemory::m_orvWindowPassingQueue.TakeNext(gtdRequest));
  EXPECT_EQ(gtdRequest.nRequestFrom, 50093);
  EXPECT_EQ(gtdRequest.nRequestId, 10050);
  EXPECT_EQ(gtdRequest.nParam1, ViewHarness::kReliance);
  EXPECT_EQ(gtdRequest.nParam2, 0);
}

TEST_F(LaunchCommands, history_trades_and_aggregate_requests_describe_the_current_order) {
  AppGlobal::m_objSingleOrderDetail.set<std::uint32_t>(0, 9);
  Shown().OnSinglehistory();  // an empty grid has no current row: the record stays, the message goes
  EXPECT_EQ(AppGlobal::m_objSingleOrderDetail.get<std::uint32_t>(0), 9u);
  EXPECT_EQ(Posts(kMsgSingleOrderHistory).size(), 1u);
  Shown(ViewVariant::GTD).OnMarketByAggregate();  // no current row: token 0
  EXPECT_EQ(Request().nRequestFrom, 50093);
  EXPECT_EQ(Request().nParam1, 0);

  h.AddOrder(BookKind::Pending, 42, [](OrderBookDetails& r) {
    CopyText(r.ExchOrder_No, "1100000000001234");
    CopyText(r.B_S, "SELL");
  });
  OrderBookGrid& grid = Shown();

  grid.SetCurSel({0, 0}, pf::kSelSingleRow, false);
  grid.OnSinglehistory();
  const SingleOrderDetail& detail = AppGlobal::m_objSingleOrderDetail;
  EXPECT_EQ(detail.get<std::uint32_t>(0), 42u);
  EXPECT_EQ(detail.text(4, 12), "NIFTY");
  EXPECT_EQ(detail.text(46, 50), "1100000000001234");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(detail.data() + 96), 4), "SELL")
      << "a text that fills its field is not terminated";
  EXPECT_EQ(Posts(kMsgSingleOrderHistory).size(), 2u);

  grid.OnTrades();
  EXPECT_EQ(Request().nRequestId, 10023);
  EXPECT_EQ(Request().nRequestFrom, 10005);
  grid.OnMarketByAggregate();
  EXPECT_EQ(Request().nRequestId, 10059);
  EXPECT_EQ(Request().nParam1, ViewHarness::kNiftyFut);
  EXPECT_EQ(Posts(kMsgWindowPassing).size(), 3u);
}

TEST_F(LaunchCommands, history_of_an_order_without_contract_leaves_the_contract_fields_empty) {
  // The contract cells of such an order have no text at all (the sanitized build checks the copy).
  h.AddOrder(BookKind::Pending, 43, [](OrderBookDetails& r) {
    r.pContract = nullptr;
    r.lOurToken = 0;
  });
  OrderBookGrid& grid = Shown();
  grid.SetCurSel({0, 0}, pf::kSelSingleRow, false);
  grid.OnSinglehistory();
  const SingleOrderDetail& detail = AppGlobal::m_objSingleOrderDetail;
  EXPECT_EQ(detail.get<std::uint32_t>(0), 43u);
  EXPECT_EQ(detail.text(4, 12), "");
  EXPECT_EQ(detail.text(27, 15), "");
}

}  // namespace
