// The host hands back the order the user changed: the same change reaches the other listed
// orders that fit it, with the IOB price limits, the view-only rights and the spread layout.
#include "actions/ModifyRequestBuilder.h"
#include "host/LogWriter.h"
#include "host/recordcache/RecordCacheTables.h"
#include "support/ViewHarness.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

struct SentNormal {
  ORVEL_ORDER_ENTRY request;
  double number;
};
struct SentSpread {
  ORVEL_SPREAD_OE_REQUEST request;
  double p712, p622;
};
std::vector<SentNormal> g_normal;
std::vector<SentSpread> g_spread;

int SendNormal(void* request, double number) {
  g_normal.push_back({*static_cast<ORVEL_ORDER_ENTRY*>(request), number});
  return 1;
}
int SendSpread(void* request, double p712, double p622) {
  g_spread.push_back({*static_cast<ORVEL_SPREAD_OE_REQUEST*>(request), p712, p622});
  return 1;
}

class MultipleRowModifying : public ::testing::Test {
 protected:
  MultipleRowModifying() {
    g_normal.clear();
    g_spread.clear();
    RecordCache::Close();
    auto& registry = EntryPointRegistry::Instance();
    registry.Register(kMainExecutable, "SendCOCOrderExeFn", &SendNormal);
    registry.Register(kMainExecutable, "SendToServerForOrvel_SpreadOrder_EntryExeFn", &SendSpread);
    h.PendingWnd();  // created first: its creation lines are not what these tests read
    AppGlobal::SetLogWriter(&m_log);
    m_log.AddObserver([this](const std::string& source, const std::string& text) { lines.push_back(source + ": " + text); });
  }
  ~MultipleRowModifying() override {
    auto& registry = EntryPointRegistry::Instance();
    registry.Unregister(kMainExecutable, "SendCOCOrderExeFn");
    registry.Unregister(kMainExecutable, "SendToServerForOrvel_SpreadOrder_EntryExeFn");
    AppGlobal::SetLogWriter(nullptr);
    RecordCache::Close();
  }

  // A pending buy of NIFTY futures whose packet carries its own number, quantities and an NSE id.
  OrderBookDetails* Normal(std::uint32_t ref, std::int32_t iobRule = 0) {
    return h.AddOrder(BookKind::Pending, ref, [&](OrderBookDetails& r) {
      ORVEL_ORDER_ENTRY& p = r.objOrderEntry;
      p.setOurOrderNo(ref);
      p.setToken(r.lOurToken);
      p.setBuySell(1);
      p.set<std::int32_t>(ORVEL_ORDER_ENTRY::kQuantity98, 50);
      p.set<std::int32_t>(ORVEL_ORDER_ENTRY::kQuantity106, 75);
      p.setExchangeOrderId("1100000000001234");
      p.setDealerId("OLD");
      p.setIobRuleNo(iobRule);
      r.IOM_RuleNo = iobRule;
    });
  }
  // The packet the host's window made of order `ref`: new price, trigger, flags and quantity.
  static ORVEL_ORDER_ENTRY Changed(std::uint32_t ref, double price, std::int32_t quantity = 30) {
    ORVEL_ORDER_ENTRY p;
    p.setTransactionCode(5536);
    p.setDealerId("DLR01");
    p.setOurOrderNo(ref);
    p.setToken(ViewHarness::kNiftyFut);
    p.setBuySell(1);
    p.setPrice(price);
    p.setTriggerPrice(price - 1);
    p.setFlags(0x22);
    p.set<std::int32_t>(ORVEL_ORDER_ENTRY::kQuantity106, quantity);
    return p;
  }
  OrderBookWnd& Wnd() { return h.PendingWnd(); }
  std::vector<std::string> Boxes() { return h.BoxesShown(); }

  ViewHarness h;
  LogWriter m_log;
  std::vector<std::string> lines;
};

TEST_F(MultipleRowModifying, the_change_reaches_the_other_fitting_orders_of_the_list) {
  Normal(1);
  Normal(2);
  Normal(3)->objOrderEntry.setBuySell(2);  // packet side is not what matches: B_S is
  h.AddOrder(BookKind::Pending, 4, [](OrderBookDetails& r) { CopyText(r.B_S, "SELL"); });
  h.AddOrder(BookKind::Pending, 5, [](OrderBookDetails& r) { r.lOurToken = ViewHarness::kReliance; });
  Normal(6)->objOrderEntry.set<std::int16_t>(ORVEL_ORDER_ENTRY::kOrderAttribute, 9);
  AppOrderBook::vctModification = {1, 2, 3, 4, 5, 6};
  const ORVEL_ORDER_ENTRY changed = Changed(1, 123.5);
  Wnd().MultipleRowModifying(&changed);

  ASSERT_EQ(g_normal.size(), 2u) << "order 1 went with the host's own request; 4, 5, 6 do not fit";
  const ORVEL_ORDER_ENTRY& r = g_normal[0].request;
  EXPECT_EQ(r.ourOrderNo(), 2u) << "the listed order keeps its own number";
  EXPECT_EQ(g_normal[0].number, 1.0) << "the sender is given the changed order's own number";
  EXPECT_EQ(r.transactionCode(), 5536);
  EXPECT_EQ(r.dealerId(), "DLR01");
  EXPECT_EQ(r.price(), 123.5);
  EXPECT_EQ(r.triggerPrice(), 122.5);
  EXPECT_EQ(r.flags(), 0x22);
  EXPECT_EQ(r.get<std::int32_t>(ORVEL_ORDER_ENTRY::kQuantity106), 30);
  EXPECT_EQ(r.quantity(), 30);
  EXPECT_EQ(r.get<std::int32_t>(ORVEL_ORDER_ENTRY::kQuantity98), 30) << "disclosed no more than the quantity";
  EXPECT_EQ(r.get<std::int32_t>(ORVEL_ORDER_ENTRY::kQuantity102), 30);
  EXPECT_EQ(r.exchangeOrderId(), "") << "NSE takes the modification without the old id text";
  EXPECT_EQ(g_normal[1].request.ourOrderNo(), 3u);
  EXPECT_EQ(AppGlobal::iTransactionCode, 0);

  // One listed order: the host's own request was all there was to send.
  g_normal.clear();
  AppOrderBook::vctModification = {2};
  Wnd().MultipleRowModifying(&changed);
  EXPECT_TRUE(g_normal.empty());
}

TEST_F(MultipleRowModifying, iob_orders_keep_their_rule_price_limits) {
  IOBRuleDetails rule;
  rule.setExpectedPrice(110.0);
  AppIOB::SetRule(5, rule);
  IOBRuleDetails soft;
  soft.setSoftLimitPrice(105.0);
  AppIOB::SetRule(6, soft);
  Normal(1, 5);
  Normal(2, 5);
  Normal(3, 6);
  AppOrderBook::vctModification = {1, 2, 3};

  const ORVEL_ORDER_ENTRY atZero = Changed(1, 0.0);
  Wnd().MultipleRowModifying(&atZero);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Logon IOB[Ctrl+I] to process modify request. | Buy Sell Order-IOB "
                                               "Modify Order"}));
  EXPECT_TRUE(g_normal.empty()) << "no IOB order changes while the IOB is logged off";

  AppGlobal::g_bIOMOrderLoginStatus = 1;
  h.App().MessageBoxes().ClearShown();
  Wnd().MultipleRowModifying(&atZero);
  EXPECT_TRUE(g_normal.empty()) << "a buy at price 0 breaks both rules";
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "IobMultiModifyOrderError: Order No : 2 : Order price exceeded with expected price 110.00 for "
                       "IOB modify order",
                       "IobMultiModifyOrderError: Order No : 3 : Order price exceeded with Soft Limit price 105.00 "
                       "for IO release 0rder"}));
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Order price exceeded with expected price for IOB modify order[2]  | "
                                               "Modify Failed"}));

  const ORVEL_ORDER_ENTRY within = Changed(1, 104.0);
  Wnd().MultipleRowModifying(&within);
  EXPECT_EQ(g_normal.size(), 2u);

  // A rule that skips its limits lets any price through.
  g_normal.clear();
  rule.setSkipPriceLimits(true);
  AppIOB::SetRule(5, rule);
  const ORVEL_ORDER_ENTRY above = Changed(1, 200.0);
  AppOrderBook::vctModification = {1, 2};
  Wnd().MultipleRowModifying(&above);
  EXPECT_EQ(g_normal.size(), 1u);
}

TEST_F(MultipleRowModifying, limit_texts_tell_buy_from_sell) {
  IOBRuleDetails rule;
  rule.setExpectedPrice(100.0);
  using ModifyRequestBuilder::NormalLimitError;
  EXPECT_FALSE(NormalLimitError(rule, 1, 99.0, 7));
  EXPECT_TRUE(NormalLimitError(rule, 1, 100.5, 7));
  EXPECT_FALSE(NormalLimitError(rule, 2, 100.5, 7));
  EXPECT_EQ(NormalLimitError(rule, 2, 99.0, 7).value_or(""),
            "Order No : 7 :Order price exceeded with expected price 100.00 for IOB modify order");
  EXPECT_EQ(NormalLimitError(rule, 2, 0.0, 7).value_or("").substr(0, 13), "Order No : 7 ");
  IOBRuleDetails soft;
  soft.setSoftLimitPrice(100.0);
  EXPECT_EQ(NormalLimitError(soft, 2, 99.0, 7).value_or(""),
            "Order : 7 : Order price exceeded with Soft Limit price 100.00 for IO release order");
  using ModifyRequestBuilder::SpreadLimitError;
  EXPECT_TRUE(SpreadLimitError(rule, 2, 100.5));
  EXPECT_FALSE(SpreadLimitError(rule, 2, 99.5));
  EXPECT_EQ(SpreadLimitError(rule, 1, 99.5).value_or(""),
            "Order price exceeded with expected price 100.00 for IO release order");
}

TEST_F(MultipleRowModifying, spread_orders_are_rebuilt_from_their_second_leg_within_the_packet) {
  auto spreadRow = [&](std::uint32_t ref, std::int32_t token, std::int32_t pending) {
    return h.AddOrder(BookKind::Pending, ref, [&](OrderBookDetails& r) {
      r.eOrderLeg = eSpreadLeg;
      r.iOrvelCode = 5724;
      r.lOurToken = token;
      r.Pending_Qty = pending;
      r.Traded_Qty = 5;
      r.objOrderEntry.setOurOrderNo(ref);
      // Whatever follows the packet in the record must not reach the request.
      std::memset(r.Order_Type, 'X', sizeof r.Order_Type - 1);
    });
  };
  spreadRow(1, ViewHarness::kNiftyFut, 10);
  spreadRow(1, ViewHarness::kReliance, 11);  // the second leg
  spreadRow(2, ViewHarness::kNiftyFut, 20);
  spreadRow(2, ViewHarness::kReliance, 21);
  spreadRow(3, ViewHarness::kNiftyFut, 30);  // a single record serves as its own leg
  AppOrderBook::vctModification = {1, 2, 3};

  ORVEL_SPREAD_OE_REQUEST changed;
  changed.setTransactionCode(5733);
  changed.setToken(ViewHarness::kNiftyFut);
  changed.setBuySell(1);
  changed.set<std::uint32_t>(ORVEL_ORDER_ENTRY::kOurOrderNo, 1);
  changed.setPrice(2.75);
  changed.set<double>(ORVEL_SPREAD_OE_REQUEST::kDouble532, 1.5);
  changed.set<double>(ORVEL_SPREAD_OE_REQUEST::kDouble622, 6.25);
  changed.set<double>(ORVEL_SPREAD_OE_REQUEST::kDouble712, 7.125);
  Wnd().MultipleRowModifying(&changed);

  ASSERT_EQ(g_spread.size(), 2u);
  EXPECT_TRUE(g_normal.empty());
  const ORVEL_SPREAD_OE_REQUEST& r = g_spread[0].request;
  EXPECT_EQ(r.get<std::uint32_t>(ORVEL_ORDER_ENTRY::kOurOrderNo), 2u);
  EXPECT_EQ(r.transactionCode(), 5733);
  EXPECT_EQ(r.price(), 2.75);
  EXPECT_EQ(r.get<std::int32_t>(ORVEL_SPREAD_OE_REQUEST::kPendingQty), 21) << "the second leg's quantities";
  EXPECT_EQ(r.get<std::int32_t>(ORVEL_SPREAD_OE_REQUEST::kTradedQty), 5);
  EXPECT_EQ(r.get<double>(ORVEL_SPREAD_OE_REQUEST::kDouble532), 1.5);
  EXPECT_EQ(g_spread[0].p712, 7.125);
  EXPECT_EQ(g_spread[0].p622, 6.25);
  for (std::size_t at = ORVEL_ORDER_ENTRY::kSize; at < 878; ++at) {
    EXPECT_NE(r.bytes[at], 'X') << at;
  }
  EXPECT_EQ(g_spread[1].request.get<std::int32_t>(ORVEL_SPREAD_OE_REQUEST::kPendingQty), 30);

  // The normal packet of a spread order's change cannot fit a spread order: nothing is sent.
  g_spread.clear();
  const ORVEL_ORDER_ENTRY normal = Changed(9, 1.0);
  Wnd().MultipleRowModifying(&normal);
  EXPECT_TRUE(g_spread.empty());
}

TEST_F(MultipleRowModifying, clients_the_dealer_may_only_view_are_left_alone) {
  Normal(1);
  Normal(2);
  CopyText(Normal(3)->Client, "INV1");
  ClientMapperRow mapping;
  mapping.corveluserorinvestorid = "INV1";
  mapping.corvelclientid = "DLR01";
  mapping.iOrderViewmodify = 1;
  ASSERT_TRUE(CInMemClientMapper::getClass()->Insert(mapping));
  // Client codes are data in the rights query: pasted into it, these would match INV1's row.
  CopyText(Normal(4)->Client, "x' or '1'='1");
  CopyText(Normal(5)->Client, "%s%n' or 1--");
  for (OrderBookDetails* r : AppOrderBook::vctAllOrderBook) CopyText(r->OrvelClientId, "OTHER");
  AppGlobal::bIsDontAllowMODOrderViewClient = 1;
  AppOrderBook::vctModification = {1, 2, 3, 4, 5};
  const ORVEL_ORDER_ENTRY changed = Changed(1, 99.0);
  Wnd().MultipleRowModifying(&changed);
  ASSERT_EQ(g_normal.size(), 3u);
  EXPECT_EQ(g_normal[0].request.ourOrderNo(), 2u);
  EXPECT_EQ(g_normal[1].request.ourOrderNo(), 4u);
  EXPECT_EQ(g_normal[2].request.ourOrderNo(), 5u);
  EXPECT_EQ(lines, (std::vector<std::string>{"Pending Orders: Order Not Modify Due to view only rights lourorderno = 3"}));

  // The same mapping sets the window's order-view-modify flag.
  Wnd().SetOrderViewModify();
  EXPECT_EQ(Wnd().bOrderViewModify, 1);
  ASSERT_EQ(CInMemClientMapper::getClass()->DeleteMapping("INV1", "DLR01"), 1);
  Wnd().SetOrderViewModify();
  EXPECT_EQ(Wnd().bOrderViewModify, 0);
}

}  // namespace
