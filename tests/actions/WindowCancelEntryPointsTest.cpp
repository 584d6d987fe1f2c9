// The cancel requests a window sends itself through the host's order sender: once per order, after
// the question, with the host told of quote-based cancels, audited when sent for another dealer,
// the record lookups and spread cancels behind them, and the window's own Cancel and Cancel All.
#include "actions/SpreadRequestFields.h"
#include "host/LogWriter.h"
#include "host/recordcache/CInMemOrderInfo.h"
#include "host/recordcache/CInMemPendingOrders.h"
#include "host/recordcache/CInMemSpreadOrderInfo.h"
#include "host/recordcache/RecordCache.h"
#include "support/LogCapture.h"
#include "support/ViewHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

namespace pf = orv::platform;
using OE = ORVEL_ORDER_ENTRY;
namespace F = SpreadRequestFields;

constexpr double kOrderNumber = 1100000000001234.0;
constexpr double kSpreadNumber = 3000003.0;

struct SentRequest {
  std::vector<unsigned char> bytes;  // 802 bytes, or 926 for a spread request
  double orderNumber = 0.0;

  ORVEL_ORDER_ENTRY Order() const {
    ORVEL_ORDER_ENTRY p;
    std::memcpy(p.data(), bytes.data(), OE::kSize);
    return p;
  }
  ORVEL_SPREAD_OE_REQUEST Spread() const {
    ORVEL_SPREAD_OE_REQUEST p;
    std::memcpy(p.data(), bytes.data(), std::min(bytes.size(), ORVEL_SPREAD_OE_REQUEST::kSize));
    return p;
  }
};

std::vector<SentRequest> g_sent;

// The host's order sender: spread cancels (code 5706) are the longer packet.
int RecordingSender(void* request, double orderNumber) {
  const auto* bytes = static_cast<const unsigned char*>(request);
  std::int16_t code = 0;
  std::memcpy(&code, bytes, sizeof code);
  const std::size_t size = code == 5706 ? ORVEL_SPREAD_OE_REQUEST::kSize : OE::kSize;
  g_sent.push_back({std::vector<unsigned char>(bytes, bytes + size), orderNumber});
  return 1;
}

class WindowCancel : public ::testing::Test {
 protected:
  WindowCancel() {
    g_sent.clear();
    RecordCache::Close();
    RecordCache::SetLogSink([](const std::string&) {});
    EntryPointRegistry::Instance().Register(kMainExecutable, "SendCOCOrderExeFn", &RecordingSender);
  }
  ~WindowCancel() override {
    EntryPointRegistry::Instance().Unregister(kMainExecutable, "SendCOCOrderExeFn");
    RecordCache::Close();
    RecordCache::SetLogSink(nullptr);
    g_sent.clear();
  }

  // A confirmed client order of the logged-in dealer on NIFTY futures, as the store keeps it.
  static OrderBookDetails Record(double orderNumber = kOrderNumber, std::uint32_t ourOrderNo = 77,
                                 const char* dealer = "DLR01") {
    OrderBookDetails r;
    ORVEL_ORDER_ENTRY& p = r.objOrderEntry;
    p.setTransactionCode(5511);
    p.setDealerId(dealer);
    p.setToken(ViewHarness::kNiftyFut);
    p.setExchangeOrderNo(orderNumber);
    p.setBuySell(1);
    p.setQuantity(75);
    p.setPrice(101.5);
    p.setText(OE::kField220, OE::kField220Width, "CLIENT1");
    p.set<std::int16_t>(OE::kField234, 1);
    p.setOurOrderNo(ourOrderNo);
    r.RefNo = ourOrderNo;
    r.lOurToken = ViewHarness::kNiftyFut;
    r.dOrderNumber = orderNumber;
    return r;
  }

  static OrderRecordRow Row(const PacketBytes<802>& packet, double orderNumber, std::int64_t ourOrderNo, int legs = 0) {
    OrderRecordRow row;
    row.dOrderNumber = orderNumber;
    row.lOurOrderNo = ourOrderNo;
    row.iNoofLegs = legs;
    row.packet.assign(packet.bytes.begin(), packet.bytes.end());
    return row;
  }

  // A pending spread order of dealer DLR02: buy NIFTY futures, sell RELIANCE.
  static void AddSpreadOrder(std::int16_t bookType = 1, std::int32_t token = ViewHarness::kNiftyFut) {
    ORVEL_SPREAD_OE_REQUEST p;
    p.setTransactionCode(5724);
    p.setDealerId("DLR02");
    p.setToken(token);
    p.setBuySell(1);
    p.setPrice(2.5);
    p.set<std::int16_t>(F::kBookType, bookType);
    p.set<std::int32_t>(F::kQuantity, 75);
    p.set<double>(F::kExchangeOrderNo, kSpreadNumber);
    p.setText(F::kClientId, F::kClientIdWidth, "CLIENT9");
    p.set<std::int32_t>(F::kLeg2Token, ViewHarness::kReliance);
    p.set<std::int16_t>(F::kLeg2BuySell, 2);
    p.set<std::uint32_t>(F::kOurOrderNo, 601);
    OrderRecordRow row;
    row.dOrderNumber = kSpreadNumber;
    row.lOurOrderNo = 601;
    row.iNoofLegs = 2;
    row.packet.assign(p.bytes.begin(), p.bytes.end());
    ASSERT_TRUE(CInMemPendingOrders::getClass()->Insert(row));
  }

  std::vector<std::string> LinesOf(const std::string& source) const { return m_log.LinesOf(source); }
  pf::MessageBoxService& Boxes() { return h.App().MessageBoxes(); }

  ViewHarness h;
  LogCapture m_log;
};

TEST_F(WindowCancel, an_order_s_cancel_is_sent_once_with_its_exchange_number) {
  OrderBookWnd& wnd = h.PendingWnd();
  wnd.OrderCancellation(Record(), true);
  wnd.OrderCancellation(Record(), true);
  ASSERT_EQ(g_sent.size(), 1u);
  EXPECT_EQ(g_sent[0].orderNumber, kOrderNumber);
  const ORVEL_ORDER_ENTRY sent = g_sent[0].Order();
  EXPECT_EQ(sent.transactionCode(), 5508);
  EXPECT_EQ(sent.ourOrderNo(), 77u);
  EXPECT_EQ(sent.flags() & 0x0200, 0x0200);
  EXPECT_EQ(sent.get<std::int32_t>(OE::kNumericClientId), 1);

  // Two orders not yet confirmed share exchange number 0 and still each get their cancel.
  AppGlobal::iTransactionCode = 5520;
  wnd.OrderCancellation(Record(0.0, 81), true);
  wnd.OrderCancellation(Record(0.0, 82), true);
  wnd.OrderCancellation(Record(0.0, 82), true);
  ASSERT_EQ(g_sent.size(), 3u);
  EXPECT_EQ(g_sent[1].Order().transactionCode(), 5529);
  EXPECT_EQ(g_sent[2].Order().ourOrderNo(), 82u);

  // Only the window's own cancel paths forget what was sent.
  wnd.SentOrderCancels().Clear();
  wnd.OrderCancellation(Record(), true);
  EXPECT_EQ(g_sent.size(), 4u);
}

TEST_F(WindowCancel, a_cancel_sent_for_another_dealer_s_client_is_audited_once) {
  OrderBookWnd& wnd = h.PendingWnd();
  wnd.OrderCancellation(Record(kOrderNumber, 77, "DLR02"), true);
  wnd.OrderCancellation(Record(kOrderNumber, 77, "DLR02"), true);
  // The line's layout is the audit log's own concern; here only who and how often.
  const std::vector<std::string> audited = LinesOf("OrderRequest");
  ASSERT_EQ(audited.size(), 1u) << "the second call sent nothing, so it has nothing to audit";
  EXPECT_EQ(audited[0].rfind("NSE,Order Cancel,Dealer DLR02 order's cancelled by Dealer DLR01 For Client CLIENT1 ", 0), 0u)
      << audited[0];
  EXPECT_EQ(g_sent[0].Order().dealerId(), "DLR02");

  wnd.OrderCancellation(Record(kOrderNumber + 1), true);
  EXPECT_EQ(LinesOf("OrderRequest").size(), 1u) << "one's own orders are not audited";
}

TEST_F(WindowCancel, without_the_host_s_sender_nothing_is_sent_and_the_gap_is_logged) {
  EntryPointRegistry::Instance().Unregister(kMainExecutable, "SendCOCOrderExeFn");
  AddSpreadOrder();
  AppGlobal::g_iFONormalMarketStatus = 1;
  OrderBookWnd& wnd = h.PendingWnd();
  m_log.Clear();
  wnd.OrderCancellation(Record(kOrderNumber, 77, "DLR02"), true);
  EXPECT_EQ(wnd.CancelSpreadOrderLogic(kSpreadNumber), 0);
  EXPECT_TRUE(g_sent.empty());
  EXPECT_TRUE(wnd.SentOrderCancels().Empty()) << "a later call may still send it";
  EXPECT_TRUE(wnd.SentSpreadCancels().Empty());
  EXPECT_TRUE(LinesOf("OrderRequest").empty());
  EXPECT_EQ(LinesOf("ZARUClient"),
            (std::vector<std::string>{
                "OrvPendingOrdersWnd::OrderCancellation(), the host exports no SendCOCOrderExeFn: no cancel request sent",
                "OrvPendingOrdersWnd::CancelSpreadOrderLogic(), the host exports no SendCOCOrderExeFn: no cancel "
                "request sent"}));
}

// ---- Record lookups. ----

TEST_F(WindowCancel, an_order_number_answered_by_two_pending_orders_is_found_nowhere) {
  CInMemPendingOrders& pending = *CInMemPendingOrders::getClass();
  ASSERT_TRUE(pending.Insert(Row(Record(2000002.0, 107).objOrderEntry, 2000002.0, 107)));
  ASSERT_TRUE(pending.Insert(Row(Record(2000002.0, 108).objOrderEntry, 2000002.0, 108)));
  OrderBookWnd& wnd = h.PendingWnd();
  ORVEL_ORDER_ENTRY packet;
  EXPECT_EQ(wnd.getOrderRecord(2000002.0, &packet, 0), 0);
  EXPECT_EQ(LinesOf("ZARUClientGeneralLogs"), (std::vector<std::string>{"Duplication in Order Number - PendingOrders"}));

  EXPECT_EQ(wnd.getOrderRecord(2000002.0, &packet, 108), 1) << "the own number tells them apart";
  EXPECT_EQ(packet.ourOrderNo(), 108u);
  EXPECT_EQ(packet.exchangeOrderNo(), 2000002.0);
  EXPECT_EQ(LinesOf("ZARUClientGeneralLogs").size(), 1u);
}

TEST_F(WindowCancel, order_lookups_find_the_right_table_s_row) {
  CInMemPendingOrders& pending = *CInMemPendingOrders::getClass();
  ASSERT_TRUE(pending.Insert(Row(Record(1000201.0, 201).objOrderEntry, 1000201.0, 201)));
  ASSERT_TRUE(pending.Insert(Row(Record(3000003.0, 601).objOrderEntry, 3000003.0, 601, 2)));
  ASSERT_TRUE(CInMemOrderInfo::getClass()->Insert(Row(Record(30000000.0, 203).objOrderEntry, 30000000.0, 203)));
  OrderBookWnd& wnd = h.GtdWnd();
  ORVEL_ORDER_ENTRY packet;
  EXPECT_EQ(wnd.getOrderRecord(1000201.0, &packet, 201), 1);
  EXPECT_EQ(packet.ourOrderNo(), 201u);
  EXPECT_EQ(wnd.getOrderRecord(1000201.0, &packet, 999), 0);
  EXPECT_EQ(wnd.getOrderRecord(3000003.0, &packet, 0), 0) << "a spread row is no order record";
  EXPECT_EQ(wnd.getOrderRecord(30000000.0, &packet, 0), 0) << "order information is read only for entries";
  EXPECT_EQ(wnd.getOrderRecord(1000201.0, nullptr, 0), 0) << "no packet to fill, nothing found";

  AppGlobal::iTransactionCode = 5520;
  EXPECT_EQ(wnd.getOrderRecord(30000000.0, &packet, 203), 1);
  EXPECT_EQ(packet.ourOrderNo(), 203u);
  EXPECT_EQ(wnd.getOrderRecord(1000201.0, &packet, 0), 0);

  ORVEL_SPREAD_OE_REQUEST spread;
  EXPECT_EQ(wnd.getSpreadOrderRecord(3000003.0, &spread), 1);
  EXPECT_EQ(spread.get<std::uint32_t>(F::kOurOrderNo), 601u);
  EXPECT_EQ(wnd.getSpreadOrderRecord(1000201.0, &spread), 0) << "a normal order is no spread order";
  EXPECT_EQ(wnd.getSpreadOrderRecord(3000003.0, nullptr), 0);
}

// ---- Spread orders. ----

TEST_F(WindowCancel, a_spread_order_of_another_dealer_is_cancelled_once_and_audited) {
  ScriptDesc* fut = h.Master().Find(ViewHarness::kNiftyFut);
  CopyText(fut->Inst_Name, "FUTIDX");
  AddSpreadOrder();
  AppGlobal::g_iFONormalMarketStatus = 1;
  OrderBookWnd& wnd = h.PendingWnd();
  EXPECT_EQ(wnd.CancelSpreadOrderLogic(kSpreadNumber), 1);
  ASSERT_EQ(g_sent.size(), 1u);
  EXPECT_EQ(g_sent[0].orderNumber, kSpreadNumber);
  const ORVEL_SPREAD_OE_REQUEST sent = g_sent[0].Spread();
  EXPECT_EQ(sent.transactionCode(), 5706);
  EXPECT_EQ(sent.dealerId(), "DLR02");
  EXPECT_EQ(F::Flags(sent) & 0x0200, 0x0200);
  EXPECT_EQ(LinesOf("OrderRequest"),
            (std::vector<std::string>{"NSE,Order Cancel,Dealer DLR02 order's cancelled by Dealer DLR01 For Client "
                                      "CLIENT9 BUY[NIFTY FUTIDX ][RELIANCE ]SELLQty=75 Price=2.500000,"
                                      "ExchOrdNo=3000003,OurOrdNo=601"}));

  EXPECT_EQ(wnd.CancelSpreadOrderLogic(kSpreadNumber), 0) << "already sent";
  EXPECT_EQ(g_sent.size(), 1u);
  EXPECT_EQ(LinesOf("OrderRequest").size(), 1u);
  EXPECT_EQ(wnd.CancelSpreadOrderLogic(0.0), 0);
  EXPECT_EQ(wnd.CancelSpreadOrderLogic(4000004.0), 0) << "no such spread order";
  EXPECT_TRUE(Boxes().Shown().empty());
}

TEST_F(WindowCancel, a_refused_spread_cancel_tells_the_user_and_sends_nothing) {
  AddSpreadOrder(1);
  OrderBookWnd& wnd = h.PendingWnd();
  AppGlobal::g_iFONormalMarketStatus = 2;
  Boxes().ClearShown();
  EXPECT_EQ(wnd.CancelSpreadOrderLogic(kSpreadNumber), 0);
  ASSERT_EQ(Boxes().Shown().size(), 1u);
  EXPECT_EQ(Boxes().Shown()[0].text, "Cant not CANCEL Order : NSE FO Normal Market not Open");
  EXPECT_TRUE(g_sent.empty());
  EXPECT_TRUE(wnd.SentSpreadCancels().Empty());

  RecordCache::Close();
  AddSpreadOrder(4);
  EXPECT_EQ(wnd.CancelSpreadOrderLogic(kSpreadNumber), 0);
  EXPECT_EQ(Boxes().Shown().back().text, "Can not CANCEL NT order, Order Number:3000003");
  EXPECT_TRUE(g_sent.empty());
}

// ---- The window's Cancel and Cancel All. ----

class WindowCancelPass : public WindowCancel {
 protected:
  WindowCancelPass() { AppGlobal::bServerConnect = 1; }

  // A pending order shown in the variant's grid with its entry packet filled as the host keeps it.
  OrderBookDetails* Add(ViewVariant variant, std::uint32_t refNo, const char* status = "Pending") {
    const BookKind book = variant == ViewVariant::Pending ? BookKind::Pending : BookKind::GTD;
    return h.AddOrder(book, refNo, [&](OrderBookDetails& r) {
      const double number = 1000000.0 + refNo;
      r.objOrderEntry = Record(number, refNo).objOrderEntry;
      std::snprintf(r.ExchOrder_No, sizeof r.ExchOrder_No, "%.0f", number);
      CopyText(r.Order_Status, status);
      if (std::strstr(status, "Un-Confirmed")) r.eOrderStatus = eUnConfirmed;
      r.iOrvelCode = variant == ViewVariant::GTD ? 15512 : 5511;
    });
  }
  OrderBookWnd& Wnd(ViewVariant variant) { return h.Wnd(variant); }
  std::vector<std::uint32_t> SentOwnNumbers() const {
    std::vector<std::uint32_t> out;
    for (const SentRequest& r : g_sent) out.push_back(r.Order().ourOrderNo());
    return out;
  }
  std::vector<std::string> BoxTexts() {
    std::vector<std::string> out;
    for (const auto& b : Boxes().Shown()) out.push_back(b.text);
    return out;
  }
};

TEST_F(WindowCancelPass, cancel_all_selects_every_row_asks_once_and_sends_each_order_once) {
  for (ViewVariant variant : {ViewVariant::Pending, ViewVariant::GTD}) {
    SCOPED_TRACE(static_cast<int>(variant));
    g_sent.clear();
    OrderBookWnd& wnd = Wnd(variant);
    h.ShowAllRows(variant);
    wnd.OnCancelAll();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"No Record Found..."}));

    for (std::uint32_t ref : {11u, 12u, 13u}) Add(variant, ref);
    Add(variant, 14)->eOrderStatus = eCancelled;
    OrderBookGrid& grid = h.ShowAllRows(variant);
    grid.SetCurSel({-1, -1}, pf::kSelSingleItem);
    AppGlobal::bOrderSettings_OrderCancel = 1;
    Boxes().QueueAnswer(pf::IDYES);
    wnd.OnCancelAll();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Sure To Cancel All the Order/s ?"}));
    EXPECT_EQ(Boxes().Shown()[0].caption, "Cancel All Confirmation");
    EXPECT_TRUE(grid.IsRowSelected(0) && grid.IsRowSelected(3)) << "no current row: every row selected";
    EXPECT_EQ(wnd.HandBacksQueued(), 3u);
    EXPECT_TRUE(g_sent.empty()) << "the requests go out as the window handles its messages";
    h.Run();
    EXPECT_EQ(SentOwnNumbers(), (std::vector<std::uint32_t>{13, 12, 11}));
    EXPECT_EQ(g_sent[0].Order().transactionCode(), 5508);
    EXPECT_EQ(wnd.HandBacksQueued(), 0u);
    EXPECT_FALSE(wnd.IsCancelAllMode() || wnd.bMultiRowSelected);
    EXPECT_TRUE(wnd.CollectedOrders().empty());
    EXPECT_TRUE(AppOrderBook::Book(wnd.Variant().eBook).vctCancellation.empty());

    Boxes().ClearShown();
    wnd.OnCancelAll();  // unanswered: No
    h.Run();
    EXPECT_EQ(g_sent.size(), 3u);
  }
}

TEST_F(WindowCancelPass, orders_listed_when_asked_go_however_the_rows_move_while_the_question_is_up) {
  for (std::uint32_t ref = 21; ref <= 26; ++ref) Add(ViewVariant::Pending, ref);
  OrderBookGrid& grid = h.ShowAllRows(ViewVariant::Pending);
  grid.SetCurSel({-1, -1}, pf::kSelSingleItem);
  AppGlobal::bOrderSettings_OrderCancel = 1;
  const std::vector<std::uint32_t> lastTwo{grid.RecordAtRow(4)->RefNo, grid.RecordAtRow(5)->RefNo};
  // The terminal's loop runs on under the question: the top four orders leave the book, one
  // arrives, and the grid refreshes to three rows.
  Boxes().SetAnswerer([&](const std::string&, const std::string&, unsigned) {
    std::vector<OrderBookDetails*> top;
    for (int row = 0; row < 4; ++row) top.push_back(grid.RecordAtRow(row));
    for (OrderBookDetails* record : top) AppOrderBook::RemoveOrder(BookKind::Pending, record);
    Add(ViewVariant::Pending, 27);
    h.Run();
    return pf::IDYES;
  });
  Wnd(ViewVariant::Pending).OnCancelAll();
  Boxes().SetAnswerer(nullptr);
  ASSERT_EQ(grid.GetVirtualRowCount(), 3);
  h.Run();
  std::vector<std::uint32_t> sent = SentOwnNumbers();
  std::sort(sent.begin(), sent.end());
  std::vector<std::uint32_t> expected = lastTwo;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(sent, expected) << "the orders still booked, once; nothing for the gone ones or the late one";
}

TEST_F(WindowCancelPass, a_silent_run_asks_nothing_and_always_ends_at_3) {
  OrderBookWnd& wnd = h.PendingWnd();
  Add(ViewVariant::Pending, 21)->eOrderStatus = eCompleted;
  h.ShowAllRows();
  AppGlobal::bOrderSettings_OrderCancel = 1;
  AppGlobal::g_iIsShiftF3ProcessEvent = 2;
  wnd.OnCancelAll();
  EXPECT_TRUE(Boxes().Shown().empty()) << "nothing to cancel, and not a word of it";
  EXPECT_EQ(AppGlobal::g_iIsShiftF3ProcessEvent, 3);

  Add(ViewVariant::Pending, 22);
  h.ShowAllRows();
  wnd.SentOrderCancels().Record(99.0, 99, 1);
  AppGlobal::g_iIsShiftF3ProcessEvent = 2;
  wnd.OnCancelAll();
  EXPECT_TRUE(Boxes().Shown().empty());
  EXPECT_EQ(AppGlobal::g_iIsShiftF3ProcessEvent, 3);
  EXPECT_TRUE(wnd.SentOrderCancels().Empty()) << "only a silent run forgets the sent cancels";
  h.Run();
  EXPECT_EQ(SentOwnNumbers(), (std::vector<std::uint32_t>{22}));
}

TEST_F(WindowCancelPass, refusals_leave_every_order_in_place) {
  const ORVEL5901 dealer = *AppGlobal::g_pObjLoginResponse;
  struct Case {
    const char* name;
    void (*setup)(ORVEL5901&);
    std::vector<std::string> boxes;
  };
  const Case cases[] = {
      {"disconnected", [](ORVEL5901&) { AppGlobal::bServerConnect = 0; }, {"Server is Disconnected...."}},
      {"view-only mini administrator",
       [](ORVEL5901& login) {
         login.setUserType(3);
         AppGlobal::g_bViewOnlyMiniAdmin = 1;
         AppGlobal::g_bPendingModify = 1;
       },
       {"MiniAdmin is View Only. Hence Pending order Cancellation is not allowed."}},
      {"market shut, confirmations off",
       [](ORVEL5901&) {
         AppGlobal::bOrderSettings_OrderCancel = 0;
         AppGlobal::g_iFONormalMarketStatus = 2;
       },
       {" NSE Derivative Market/s  \nIt's Orders Wont get  Deleted"}},
  };
  Add(ViewVariant::Pending, 41);
  OrderBookGrid& grid = h.ShowAllRows();
  OrderBookWnd& wnd = h.PendingWnd();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    *AppGlobal::g_pObjLoginResponse = dealer;
    AppGlobal::bServerConnect = 1;
    AppGlobal::g_iFONormalMarketStatus = 1;
    c.setup(*AppGlobal::g_pObjLoginResponse);
    Boxes().ClearShown();
    grid.SetCurSel({0, grid.GetFirstVisibleColumn()}, pf::kSelSingleItem);
    wnd.OnCancel();
    h.Run();
    EXPECT_EQ(BoxTexts(), c.boxes);
    EXPECT_TRUE(g_sent.empty());
  }
  grid.SetCurSel({-1, -1}, pf::kSelSingleItem);
  Boxes().ClearShown();
  wnd.OnCancel();
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Please Select Some Record"}));
}

TEST_F(WindowCancelPass, the_stop_loss_leg_of_a_bracket_order_is_refused_while_the_others_go) {
  for (std::uint32_t ref : {51u, 52u, 53u}) Add(ViewVariant::Pending, ref);
  OrderBookDetails* stopLoss = AppOrderBook::FirstRecordOf(BookKind::Pending, 52);
  stopLoss->objOrderEntry.set<std::int32_t>(OE::kIobRuleNo, 4);
  stopLoss->objOrderEntry.set<std::int16_t>(OE::kField640, 51);
  AppOrderBook::FirstRecordOf(BookKind::Pending, 53)->objOrderEntry.set<std::int32_t>(OE::kIobRuleNo, 4);
  OrderBookGrid& grid = h.ShowAllRows();
  grid.SetCurSel({0, grid.GetFirstVisibleColumn()}, pf::kSelSingleItem);
  grid.SetCurSel({2, grid.GetFirstVisibleColumn()}, pf::kSelRangeEnd);
  AppGlobal::bOrderSettings_OrderCancel = 1;
  Boxes().QueueAnswer(pf::IDYES);
  h.PendingWnd().OnCancel();
  h.Run();
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Sure You Want to Cancel all the Selected Rows Order ?",
                                                  "Can Not Cancel Stop Loss order of Bracket Order"}));
  EXPECT_EQ(Boxes().Shown()[1].caption, "PendingOrders");
  EXPECT_EQ(SentOwnNumbers(), (std::vector<std::uint32_t>{53, 51})) << "a target leg is no stop-loss leg";
  EXPECT_FALSE(h.PendingWnd().bMultiRowSelected);
}

TEST_F(WindowCancelPass, an_unconfirmed_order_is_cancelled_locally_unless_the_exchange_answered_since) {
  // Entries of DLR01's orders 61 and 62; the exchange has answered for 62 after its entry.
  auto entry = [](std::uint32_t ourOrderNo, int code, std::int32_t modified, const char* dealer) {
    OrderRecordRow row = Row(Record(0.0, ourOrderNo, dealer).objOrderEntry, 0.0, ourOrderNo);
    row.iOrvelCode = code;
    row.iOrderType = 5;
    row.cOrvelClientId = dealer;
    row.lLastModifiedTime = modified;
    std::memcpy(row.packet.data() + OE::kLastModifiedTime, &modified, sizeof modified);
    return row;
  };
  CInMemOrderInfo& info = *CInMemOrderInfo::getClass();
  ASSERT_TRUE(info.Insert(entry(61, 5520, 100, "DLR01")));
  ASSERT_TRUE(info.Insert(entry(62, 5520, 100, "DLR01")));
  ASSERT_TRUE(info.Insert(entry(62, 5512, 150, "DLR01")));
  ASSERT_TRUE(info.Insert(entry(63, 5520, 100, "x' or '1'='1")));
  for (std::uint32_t ref : {61u, 62u, 63u}) Add(ViewVariant::Pending, ref, "Un-Confirmed");
  OrderBookGrid& grid = h.ShowAllRows();
  grid.SelectAll();
  AppGlobal::bServerConnect = 0;  // un-confirmed orders are cancelled here, connected or not
  AppGlobal::g_pObjLoginResponse->setUserType(1);
  m_log.Clear();
  h.PendingWnd().OnCancel();
  EXPECT_EQ(SentOwnNumbers(), (std::vector<std::uint32_t>{63, 61}));
  EXPECT_EQ(g_sent[0].Order().transactionCode(), 5529);
  EXPECT_EQ(g_sent[0].orderNumber, 0.0);
  EXPECT_EQ(LinesOf("ZARUClientGeneralLogs"), (std::vector<std::string>{"Order is processed by Exchange"}));

  // A spread order's entry lives in the spread tables and is cancelled with the spread code.
  OrderRecordRow spreadEntry = entry(64, 5523, 100, "DLR01");
  spreadEntry.packet.resize(ORVEL_SPREAD_OE_REQUEST::kSize);
  ASSERT_TRUE(CInMemSpreadOrderInfo::getClass()->Insert(spreadEntry));
  Add(ViewVariant::Pending, 64, "Un-Confirmed Spread")->eOrderLeg = eSpreadLeg;
  h.ShowAllRows().SelectAll();
  g_sent.clear();
  h.PendingWnd().OnCancel();
  ASSERT_EQ(g_sent.size(), 3u);
  EXPECT_EQ(g_sent[0].Spread().transactionCode(), 5558);

  // A dealer sees only its own entries: a quote in another dealer id selects nothing extra.
  g_sent.clear();
  AppGlobal::g_pObjLoginResponse->setUserType(0);
  AppGlobal::g_pObjLoginResponse->setUserId("x' or '1'='1");
  h.PendingWnd().OnCancel();
  EXPECT_EQ(SentOwnNumbers(), (std::vector<std::uint32_t>{63}));
}

TEST_F(WindowCancelPass, the_host_collects_rows_the_grid_shows_and_each_spread_order_once) {
  CInMemPendingOrders& pending = *CInMemPendingOrders::getClass();
  ASSERT_TRUE(pending.Insert(Row(Record(1000071.0, 71).objOrderEntry, 1000071.0, 71)));
  Add(ViewVariant::Pending, 71);
  Add(ViewVariant::Pending, 72);  // not in the record cache
  OrderBookDetails* spread = Add(ViewVariant::Pending, 73, "Spread Pending Leg");
  spread->iOrvelCode = 5724;
  h.ShowAllRows();
  OrderBookWnd& wnd = h.PendingWnd();
  m_log.Clear();
  for (int row : {0, 1, 2, 9}) wnd.CollectOrderForCancellation(row, 0.0);
  wnd.bMultiRowSelected = true;
  wnd.CollectOrderForCancellation(0, 0.0);
  wnd.CollectOrderForCancellation(0, 0.0);
  wnd.bMultiRowSelected = false;
  ASSERT_EQ(wnd.CollectedOrders().size(), 2u);
  EXPECT_EQ(wnd.CollectedOrders()[0].nRow, 2);
  EXPECT_EQ(wnd.CollectedOrders()[0].OurOrderNo(BookKind::Pending), 71u);
  EXPECT_EQ(wnd.CollectedOrders()[1].dOrderNumber, 1000073.0) << "a leg row only in multi-row mode, once";
  EXPECT_EQ(LinesOf("OrderCollectionCancellation"), (std::vector<std::string>{"|1|"}));
}

TEST_F(WindowCancelPass, handed_back_numbers_belong_to_the_window_until_handled) {
  Add(ViewVariant::Pending, 81);
  OrderBookGrid& grid = h.ShowAllRows();
  AppGlobal::bOrderSettings_OrderCancel = 0;
  grid.SetCurSel({0, grid.GetFirstVisibleColumn()}, pf::kSelSingleItem);
  OrderBookWnd& wnd = h.PendingWnd();
  wnd.OnCancel();
  ASSERT_EQ(wnd.HandBacksQueued(), 1u);
  double forged = 1000081.0;
  wnd.OnMessage(kCancelHandBackMessage, reinterpret_cast<pf::WPARAM>(&forged), 0);
  EXPECT_TRUE(g_sent.empty()) << "an address the window never gave out is ignored";
  wnd.OnCancel();
  wnd.DestroyNative();  // both messages still queued: the window frees their values once
  h.Run();
  EXPECT_TRUE(g_sent.empty());
}

}  // namespace
