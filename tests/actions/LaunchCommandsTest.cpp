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

TEST_F(LaunchCommands, linking_to_the_iob_needs_its_login_and_names_the_view_that_asked) {
  AddOrders(1, 2);
  OrderBookGrid& grid = Shown();
  SelectRows(grid, 0, 1);
  grid.OnLinktoiob();
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Logon IOB[Ctrl+I] to process request. | Pending Orders-IOB Link"}));
  EXPECT_TRUE(Posts(kMsgWindowPassing).empty());
  EXPECT_TRUE(h.App().Loop().hasTimer(&grid, 10150));

  h.App().MessageBoxes().ClearShown();
  h.AddOrder(BookKind::GTD, 5);
  Shown(ViewVariant::GTD).OnLinktoiob();
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Logon IOB[Ctrl+I] to process request. | GTD Order Book-IOB Link"}));
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
