// The older row-filling path for spread orders: which orders each kind reads from the record
// cache, for whom, and the rows and status texts it writes.
#include "host/ContractMaster.h"
#include "host/GridRow.h"
#include "host/platform/Application.h"
#include "host/recordcache/RecordCacheTables.h"
#include "support/HostReset.h"
#include "view/ColumnCatalogue.h"
#include "view/GTDOrderBookWnd.h"
#include "view/OrvPendingOrdersWnd.h"
#include "view/SpreadRowQueries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::int32_t kNiftyFut = 102000600;

class SpreadRowFiller : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetHostForTest();
    RecordCache::Close();
    m_login.setUserId("D1");
    m_login.setAllClients(1);
    AppGlobal::g_pObjLoginResponse = &m_login;
    ScriptDesc future;
    future.lToken = kNiftyFut;
    CopyText(future.cExchangeName, "NSE");
    CopyText(future.Symbol_ScriptID, "NIFTY");
    CopyText(future.Mkt_Seg, "F");
    CopyText(future.Inst_Name, "FUTIDX");
    CopyText(future.cExpiry, "27MAR2025");
    future.lLotSize = 50;
    m_master.Add(future);
    InstallContractMaster(&m_master);
  }
  void TearDown() override {
    InstallContractMaster(nullptr);
    RecordCache::Close();
    ResetHostForTest();
  }

  // A spread order row as the host stores it: its 926-byte packet and the columns the queries read.
  static OrderRecordRow Spread(std::int64_t ourOrderNo, int code, const char* dealer, std::int16_t messageCode = 0,
                               int legs = 2) {
    OrderRecordRow row;
    row.lOurOrderNo = ourOrderNo;
    row.dOrderNumber = 1000000000.0 + static_cast<double>(ourOrderNo);
    row.iOrvelCode = code;
    row.cOrvelClientId = dealer;
    row.lTotalVolRemaining = 100;
    row.iNoofLegs = legs;
    row.lOurToken = kNiftyFut;
    row.iBuySell = 2;
    ORVEL_SPREAD_OE_REQUEST packet;
    packet.setTransactionCode(messageCode);
    packet.setPrice(12.5);
    packet.set<std::int32_t>(ORVEL_SPREAD_OE_REQUEST::kPendingQty, 100);
    packet.set<std::int32_t>(ORVEL_SPREAD_OE_REQUEST::kTradedQty, 50);
    row.packet.assign(packet.data(), packet.data() + ORVEL_SPREAD_OE_REQUEST::kSize);
    return row;
  }
  static std::string Cell(const CBCGPGridRow& row, int col) { return row.GetItem(col)->GetValue().ToText(); }
  static std::vector<std::string> Statuses(const OrderBookWnd& wnd) {
    std::vector<std::string> out;
    for (const CBCGPGridRow& row : wnd.SpreadRows()) out.push_back(Cell(row, COL_RefNo) + " " + Cell(row, COL_Order_Status));
    return out;
  }

  orv::platform::Application m_app;
  orv::platform::ApplicationScope m_scope{m_app};
  ORVEL5901 m_login;
  CScriptDesc m_master;
};

TEST_F(SpreadRowFiller, every_leg_text_names_itself_a_leg_and_an_unknown_kind_has_no_text) {
  using SpreadRowQueries::StatusTextsOf;
  // Otherwise the views would take the leg row for an order row.
  for (int kind : {0, 2, 3, 4})
    EXPECT_NE(std::string(StatusTextsOf(kind, 0).leg).find("Leg"), std::string::npos) << kind;
  EXPECT_TRUE(StatusTextsOf(5, 0).order.empty());
}

TEST_F(SpreadRowFiller, pending_spread_orders_get_an_order_row_and_a_row_per_leg) {
  auto* table = CInMemPendingSpreadOrders::getClass();
  ASSERT_TRUE(table->Insert(Spread(11, 5724, "D1")));
  ASSERT_TRUE(table->Insert(Spread(12, 5725, "D2", 0, 3)));
  OrderRecordRow done = Spread(13, 5724, "D1");
  done.lTotalVolRemaining = 0;
  ASSERT_TRUE(table->Insert(done));
  OrderRecordRow normal = Spread(14, 2000, "D1");
  ASSERT_TRUE(table->Insert(normal));

  OrvPendingOrdersWnd wnd;
  int count = 5;
  CBCGPGridRow first;
  EXPECT_EQ(wnd.FillSpreadRow(0, &first, &count), 7);
  EXPECT_EQ(Statuses(wnd), (std::vector<std::string>{"11 Spread Pending", "11 Spread Pending Leg",
                                                     "11 Spread Pending Leg", "12 Spread Pending",
                                                     "12 Spread Pending Leg", "12 Spread Pending Leg",
                                                     "12 Spread Pending Leg"}))
      << "filled orders and normal orders are not spread rows";
  EXPECT_EQ(count, 12) << "the caller's counter grows by the rows written";
  EXPECT_EQ(wnd.SpreadRowCount(), 0);
  EXPECT_EQ(wnd.SpreadRowKind(), 0);
  EXPECT_EQ(Cell(first, COL_Order_Status), "Spread Pending");

  const CBCGPGridRow& row = wnd.SpreadRows().front();
  EXPECT_EQ(Cell(row, COL_Symbol_ScriptID), "NIFTY");
  EXPECT_EQ(Cell(row, COL_ExchCode), "NSE");
  EXPECT_EQ(Cell(row, COL_Ser_Exp_Group), "27MAR2025");
  EXPECT_EQ(Cell(row, COL_B_S), "SELL");
  EXPECT_EQ(Cell(row, COL_Total_Lot), "3") << "150 of lot 50";
  EXPECT_EQ(Cell(row, COL_Pending_Lot), "2");
  EXPECT_EQ(Cell(row, COL_Traded_Lot), "1");
  short type = -1;
  EXPECT_TRUE(wnd.FindOrderTypeInfo(11, type));
  EXPECT_EQ(type, 1) << "the order is remembered as a spread order";

  // Without a counter of its own the window counts; an unknown kind writes nothing.
  EXPECT_EQ(wnd.FillSpreadRow(1, nullptr, nullptr), 7);
  EXPECT_EQ(wnd.SpreadRowCount(), 7);
  EXPECT_EQ(wnd.FillSpreadRow(5, nullptr, nullptr), 0);
  EXPECT_TRUE(wnd.SpreadRows().empty());
  EXPECT_EQ(wnd.SpreadRowKind(), 5);
}

TEST_F(SpreadRowFiller, a_user_restricted_to_own_clients_sees_only_them_whatever_his_id_holds) {
  auto* table = CInMemPendingSpreadOrders::getClass();
  ASSERT_TRUE(table->Insert(Spread(11, 5724, "D1")));
  ASSERT_TRUE(table->Insert(Spread(12, 5724, "D2")));
  OrderRecordRow account = Spread(13, 5724, "D3");
  account.cAccountnumber = "D1";
  ASSERT_TRUE(table->Insert(account));
  m_login.setAllClients(0);

  GTDOrderBookWnd wnd;  // both windows export the entry
  wnd.FillSpreadRow(0, nullptr, nullptr);
  EXPECT_EQ(wnd.SpreadRows().size(), 3u) << "own orders only (joined form)";
  m_login.setAccountFlag(1);
  wnd.FillSpreadRow(0, nullptr, nullptr);
  EXPECT_EQ(wnd.SpreadRows().size(), 6u) << "the account flag also takes orders on the user's account";

  m_login.setUserId("x' or '1'='1");
  GTDOrderBookWnd injected;
  injected.FillSpreadRow(0, nullptr, nullptr);
  EXPECT_TRUE(injected.SpreadRows().empty()) << "the id stays one literal";
  for (int kind : {2, 3, 4, 9, 10})
    for (const std::string& sql : SpreadRowQueries::QueriesOf(kind, &m_login))
      EXPECT_NE(sql.find("'x'' or ''1''=''1'"), std::string::npos) << sql;
}

TEST_F(SpreadRowFiller, cancelled_and_risk_rejected_orders_read_their_own_tables) {
  ASSERT_TRUE(CInMemSpreadOrderInfo::getClass()->Insert(Spread(21, 5724, "D1", 3361)));
  ASSERT_TRUE(CInMemSpreadOrderInfo::getClass()->Insert(Spread(22, 5736, "D1", 5755)));
  auto* risk = CInMemRMSRejection::getClass();
  OrderRecordRow stillPending = Spread(31, 5724, "D1");
  stillPending.lSequenceNo = 1;
  OrderRecordRow gone = Spread(32, 5724, "D1");
  gone.lSequenceNo = 2;
  for (const OrderRecordRow& r : {stillPending, gone}) {
    ASSERT_TRUE(risk->InsertRejection(r));
    ASSERT_TRUE(risk->InsertRejectedOrderInfo(r));
  }
  ASSERT_TRUE(CInMemPendingSpreadOrders::getClass()->Insert(Spread(31, 5724, "D1")));

  OrvPendingOrdersWnd wnd;
  wnd.FillSpreadRow(2, nullptr, nullptr);
  EXPECT_EQ(Statuses(wnd), (std::vector<std::string>{"21 Offline Cancelled 2Leg", "21 Offline Cancelled Second Leg",
                                                     "21 Offline Cancelled Second Leg", "22 Cancelled Spread",
                                                     "22 Cancelled Spread Leg", "22 Cancelled Spread Leg"}));
  wnd.FillSpreadRow(4, nullptr, nullptr);
  EXPECT_EQ(Statuses(wnd), (std::vector<std::string>{"21 Rejected Spread", "21 Rejected Spread Leg",
                                                     "21 Rejected Spread Leg", "22 Rejected 2Leg", "22 Rejected 2Leg",
                                                     "22 Rejected 2Leg"}));
  wnd.FillSpreadRow(9, nullptr, nullptr);
  ASSERT_EQ(wnd.SpreadRows().size(), 3u);
  EXPECT_EQ(Cell(wnd.SpreadRows()[0], COL_RefNo), "32") << "kind 9: rejected orders no longer pending";
  wnd.FillSpreadRow(10, nullptr, nullptr);
  ASSERT_EQ(wnd.SpreadRows().size(), 3u);
  EXPECT_EQ(Cell(wnd.SpreadRows()[0], COL_RefNo), "31") << "kind 10: rejected orders still pending";
  EXPECT_EQ(Cell(wnd.SpreadRows()[0], COL_Order_Status), "Spread Pending");
}

TEST_F(SpreadRowFiller, token_info_writes_the_contract_cells_with_an_exchange_the_caller_may_name) {
  OrvPendingOrdersWnd wnd;
  CBCGPGridRow row(kPendingColumnCount);
  const ScriptDesc contract = *m_master.Find(kNiftyFut);
  wnd.SetlOurTokenInfo(kNiftyFut, &row, nullptr, contract, nullptr);
  EXPECT_EQ(Cell(row, COL_ExchCode), "NSE");
  EXPECT_EQ(Cell(row, COL_Inst_Name), "FUTIDX");
  char exchange[] = "NSEFO";
  wnd.SetlOurTokenInfo(kNiftyFut, &row, exchange, contract, nullptr);
  EXPECT_EQ(Cell(row, COL_ExchCode), "NSEFO");
  wnd.SetlOurTokenInfo(kNiftyFut, nullptr, exchange, contract, nullptr);  // no row: nothing to write
}

}  // namespace
