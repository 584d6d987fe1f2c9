#include "demo/ContractMasterGenerator.h"
#include "demo/OrderBookGenerator.h"
#include "demo/SimulatedExchange.h"
#include "host/demo/DemoFixture.h"
#include "host/platform/Application.h"


namespace {

using namespace orv::demo;

class SimulatedExchangeFlow : public DemoFixture {
 protected:
  void SetUp() override {
    DemoFixture::SetUp();
    OrderBookSpec spec = InstallBook(3, 120, 300, 5);
    spec.kind = BookKind::GTD;
    spec.orders = 40;
    GenerateOrders(spec, m_master);
  }

  ExchangeFlowSpec Flow(double rate) const {
    ExchangeFlowSpec flow;
    flow.changesPerSecond = rate;
    flow.seed = 11;
    return flow;
  }

  static void ClearFlags() {
    for (BookKind kind : {BookKind::Pending, BookKind::GTD}) {
      AppOrderBook::Book(kind).IsInsertPost = 0;
      AppOrderBook::Book(kind).IsUpdatePost = 0;
    }
  }

  static OrderBookDetails* OpenOrder(BookKind kind) {
    for (OrderBookDetails* row : AppOrderBook::Book(kind).vctAll)
      if (row->eOrderStatus == ePending && row->eOrderLeg == eNormalLeg) return row;
    return nullptr;
  }

  orv::platform::Application m_app;
  orv::platform::ApplicationScope m_scope{m_app};
};

TEST_F(SimulatedExchangeFlow, plays_its_rate_of_store_changes_on_the_event_loop_clock_and_raises_the_flags) {
  SimulatedExchange exchange(m_master, Flow(200));
  ASSERT_TRUE(exchange.Start());
  ClearFlags();

  m_app.Loop().advance(5000);

  const ExchangeCounters& c = exchange.Counters();
  EXPECT_NEAR(static_cast<double>(c.StoreChanges()), 1000.0, 60.0);
  EXPECT_GT(c.newOrders, 0u);
  EXPECT_GT(c.confirmations, 0u);
  EXPECT_GT(c.modifications, 0u);
  EXPECT_GT(c.partialTrades + c.fullTrades, 0u);
  EXPECT_GT(c.exchangeCancels, 0u);
  EXPECT_EQ(AppOrderBook::IsInsertPost, 1);
  EXPECT_EQ(AppOrderBook::IsUpdatePost, 1);
  EXPECT_GT(BookRows(BookKind::GTD).size(), 40u) << "a share of new orders goes to the GTD book";
}

TEST_F(SimulatedExchangeFlow, a_new_order_arrives_unconfirmed_and_is_answered_a_moment_later) {
  ExchangeFlowSpec flow = Flow(0);
  flow.gtdShare = 0.0;
  flow.spreadShare = 0.0;
  SimulatedExchange exchange(m_master, flow);
  exchange.Start();
  const std::size_t before = BookRows(BookKind::Pending).size();

  exchange.Play(40);  // with no open order picked, some events may act on existing orders instead
  const auto& rows = BookRows(BookKind::Pending);
  ASSERT_GT(rows.size(), before);
  OrderBookDetails* fresh = rows.back();
  EXPECT_EQ(fresh->eOrderStatus, eUnConfirmed);
  EXPECT_EQ(FieldText(fresh->Order_Status), "UnConfirmed");
  EXPECT_EQ(fresh->Traded_Qty, 0);
  EXPECT_EQ(fresh->RefNo, 301u + (exchange.Counters().newOrders - 1)) << "numbers continue after the book's last";

  m_app.Loop().advance(flow.confirmAfterMs + flow.sliceMs);
  EXPECT_NE(fresh->eOrderStatus, eUnConfirmed);
  EXPECT_EQ(exchange.Counters().confirmations + exchange.Counters().rejections + exchange.Counters().withdrawals,
            exchange.Counters().newOrders);
}

TEST_F(SimulatedExchangeFlow, a_cancellation_is_confirmed_after_the_delay_and_unknown_or_closed_orders_are_refused) {
  SimulatedExchange exchange(m_master, Flow(0));
  exchange.Start();
  OrderBookDetails* open = OpenOrder(BookKind::Pending);
  ASSERT_NE(open, nullptr);
  OrderBookDetails* closed = nullptr;
  for (OrderBookDetails* row : BookRows(BookKind::Pending))
    if (row->eOrderStatus == eCompleted) closed = row;
  ASSERT_NE(closed, nullptr);
  ClearFlags();

  const int accepted = exchange.RequestCancel(BookKind::Pending, {open->RefNo, closed->RefNo, 999999u});

  EXPECT_EQ(accepted, 1);
  EXPECT_EQ(exchange.Counters().cancelsRefused, 2u);
  EXPECT_EQ(open->eOrderStatus, ePending) << "nothing changes before the exchange answers";
  m_app.Loop().advance(exchange.Spec().cancelAfterMs + exchange.Spec().sliceMs);
  EXPECT_EQ(open->eOrderStatus, eCancelled);
  EXPECT_EQ(FieldText(open->Order_Status), "Cancelled");
  EXPECT_EQ(FieldText(open->TransType), "OC");
  EXPECT_EQ(AppOrderBook::IsUpdatePost, 1);
  EXPECT_EQ(exchange.Counters().cancelsConfirmed, 1u);
}

TEST_F(SimulatedExchangeFlow, a_modification_takes_its_values_after_the_delay_unless_the_order_closed) {
  SimulatedExchange exchange(m_master, Flow(0));
  exchange.Start();
  OrderBookDetails* open = OpenOrder(BookKind::Pending);
  ASSERT_NE(open, nullptr);
  const double oldPrice = open->Price;
  SimulatedExchange::ModifyRequest change{oldPrice + 1.0, 0.0, open->Traded_Qty + 10, open->Traded_Qty + 20};
  EXPECT_TRUE(exchange.RequestModify(BookKind::Pending, open->RefNo, change));
  EXPECT_FALSE(exchange.RequestModify(BookKind::Pending, 999999u, change));
  EXPECT_EQ(open->Price, oldPrice) << "nothing changes before the exchange answers";
  m_app.Loop().advance(exchange.Spec().confirmAfterMs + exchange.Spec().sliceMs);
  EXPECT_EQ(open->Price, oldPrice + 1.0);
  EXPECT_EQ(open->Total_Qty, open->Traded_Qty + 10);
  EXPECT_EQ(open->Pending_Qty, 10);
  EXPECT_EQ(open->Disclose_Qty, open->Total_Qty) << "disclosed within the quantity";
  EXPECT_EQ(open->objOrderEntry.price(), oldPrice + 1.0) << "later requests start from the new values";
  EXPECT_EQ(FieldText(open->Order_Status), "Modified");
  EXPECT_EQ(exchange.Counters().modifiesConfirmed, 1u);

  // An order that closes before the answer keeps its values and says why.
  EXPECT_TRUE(exchange.RequestModify(BookKind::Pending, open->RefNo, {oldPrice + 2.0, 0.0, open->Total_Qty, 0}));
  open->eOrderStatus = eCompleted;
  m_app.Loop().advance(exchange.Spec().confirmAfterMs + exchange.Spec().sliceMs);
  EXPECT_EQ(open->Price, oldPrice + 1.0);
  EXPECT_EQ(FieldText(open->Error_Discriptions), "Modification rejected: the order is no longer open");
  EXPECT_EQ(exchange.Counters().modifiesRejected, 1u);
}

}  // namespace
