// Every query text the order-book module sends, filled with plausible arguments, against the
// seeded cache: each must run, and must count the rows the seed says it should.
#include "RecordCacheFixture.h"
#include "host/RCGlobal.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace rcfixture;

namespace {

struct QueryCase {
  const char* what;
  RecordTable* table;
  std::string sql;
  long expectedRows;
};

void RunAll(const std::vector<QueryCase>& cases, const std::vector<std::string>& errors) {
  for (const QueryCase& c : cases) {
    SCOPED_TRACE(std::string(c.what) + ": " + c.sql);
    const long rows = c.table->ExecuteQuery(c.sql);
    EXPECT_EQ(rows, c.expectedRows) << c.table->LastError();
    c.table->CloseQuery();
    c.table->Release();
  }
  EXPECT_TRUE(errors.empty()) << errors.front();
}

CInMemPendingOrders* Pending() { return CInMemPendingOrders::getClass(); }
CInMemPendingSpreadOrders* PendingSpread() { return CInMemPendingSpreadOrders::getClass(); }
CInMemOrderInfo* Info() { return CInMemOrderInfo::getClass(); }
CInMemSpreadOrderInfo* SpreadInfo() { return CInMemSpreadOrderInfo::getClass(); }
CInMemTradeInfo* Trades() { return CInMemTradeInfo::getClass(); }
CInMemClientMapper* Mapper() { return CInMemClientMapper::getClass(); }
CInMemExchangeIobOrder* Iob() { return CInMemExchangeIobOrder::getClass(); }

const char* const kPendingJoined =
    "select distinct a.* from pendingorders a  left outer join clientmapper b where a.lTotalVolRemaining<>0 and "
    "(a.iOrvelCode=%d or a.iOrvelCode=%d or a.iOrvelCode=%d or a.iOrvelCode=%d) and ( (a.corvelclientid = '%s') "
    "or (a.iproclient=1 and a.cAccountnumber=b.corveluserorinvestorid  and b.corvelclientid = '%s' and "
    "b.iOrderViewmodify=1 )) order by a.lEntryDateTime desc";
const char* const kPendingByAccount =
    "select * from pendingorders where lTotalVolRemaining<>0 and (iOrvelCode=%d or iOrvelCode=%d or iOrvelCode=%d "
    "or iOrvelCode=%d) and (corvelclientid ='%s' or cAccountnumber='%s') order by lEntryDateTime desc";
const char* const kProcessedByExchange =
    "Select * From OrderInfo Where lOurOrderNo = %ld and (iOrvelCode = %d or iOrvelCode = %d or iOrvelCode = %d or "
    "iOrvelCode = %d or iOrvelCode = %d or iOrvelCode = %d) and lLastModifiedTime > %d";
const char* const kTradedQty =
    "Select lFillQuantity,dFillPrice From TradeInfo Where dResponseOrderNumber=%.2f and lOurToken=%d";
const char* const kByNumber =
    "Select * from PendingOrders where PendingOrders.dOrderNumber=%.0f and iNoofLegs < 1";
const char* const kIobLinked = "select * from ExchangeIobOrder where lOurOrderNo=%ld";
const char* const kBracket =
    "Select dSLPrice,dTargetPrice,dSLTPrice From OrderInfo Where (iOrvelCode = %d or iOrvelCode = %d) and lIOMRuleNo "
    "= %ld and lOurOrderNo = %ld and (iStrategyNo = %ld or iStrategyNo = %ld or iStrategyNo = %ld) and "
    "cOrvelClientId = '%s'";

class RecordCacheQueries : public SeededRecordCache {};

}  // namespace

TEST_F(RecordCacheQueries, cancellation_queries_run) {
  const std::string d1 = "D1";
  const char* const cancelEntry =
      "Select * From OrderInfo Where lOurOrderNo = %u And (iOrvelCode = %d or iOrvelCode = %d) and (iOrderType = %d "
      "or iOrderType = %d)";
  RunAll(
      {
          {"pending record by exchange number, duplicated", Pending(), SqlText::Format(kByNumber, 2000002.0), 2},
          {"a spread row is not an order record: it has legs", Pending(), SqlText::Format(kByNumber, 3000003.0), 0},
          {"order info record by numbers", Info(),
           SqlText::Format("Select * from OrderInfo where dOrderNumber=%.0f and lOurOrderNo = %u", 1000201.0, 201u), 1},
          {"order info record by exchange number", Info(),
           SqlText::Format("Select * from OrderInfo where dOrderNumber=%.0f", 1000202.0), 1},
          {"spread record", Pending(),
           SqlText::Format("Select * from PendingOrders where PendingOrders.dOrderNumber=%.0f and iNoofLegs > 0",
                           3000003.0),
           1},
          {"unconfirmed entry", Info(), SqlText::Format(cancelEntry, 203u, 5520, 5521, 5, 6), 1},
          {"unconfirmed entry of the dealer", Info(),
           SqlText::Format(std::string(cancelEntry) + " and cOrvelClientId = '%s'", 203u, 5520, 5521, 5, 6, "D2"), 0},
          {"unconfirmed entry by account", Info(),
           SqlText::Format(std::string(cancelEntry) + " and (cOrvelClientId = '%s' or cAccountnumber='%s')", 203u, 5520,
                           5521, 5, 6, d1, d1),
           1},
          {"unconfirmed spread entry by account", SpreadInfo(),
           SqlText::Format(std::string(cancelEntry) + " and cAccountnumber = '%s'", 501u, 5523, 5526, 5, 6, "ACC501"),
           0},
          {"processed by exchange", Info(),
           SqlText::Format(kProcessedByExchange, 202L, 5511, 5512, 5513, 5530, 5516, 5515, 999), 1},
          {"processed by exchange needs a later modification", Info(),
           SqlText::Format(kProcessedByExchange, 202L, 5511, 5512, 5513, 5530, 5516, 5515, 1000), 0},
          {"spread processed by exchange", SpreadInfo(),
           SqlText::Format("Select * From OrderInfo Where lOurOrderNo = %u and (iOrvelCode = %d or iOrvelCode = %d or "
                           "iOrvelCode = %d or iOrvelCode = %d or iOrvelCode = %d or iOrvelCode = %d or iOrvelCode = "
                           "%d) ",
                           501u, 5724, 5719, 5736, 5707, 5730, 5559, 3361),
           1},
      },
      m_errors);
}

TEST_F(RecordCacheQueries, cell_filter_modification_and_filter_bar_queries_run) {
  const std::string d1 = "D1";
  RunAll(
      {
          {"average price of a record", Trades(),
           SqlText::Format("Select lFillQuantity,dFillPrice From TradeInfo Where lOurOrderNo=%u", 301u), 2},
          {"sides of a traded order", Trades(),
           SqlText::Format("Select distinct(iBuySell) From TradeInfo Where lOurOrderNo = %d", 301), 2},
          {"spread order info", SpreadInfo(),
           SqlText::Format("Select * From OrderInfo Where lOurOrderNo = %d and iOrvelcode in (%d,%d,%d,%d,%d  ,%d,%d,"
                           "%d,%d,%d,  %d,%d,%d,%d,%d,\t%d,%d,%d,%d,%d,\t\t%d,%d,%d,%d,%d   ,%d)",
                           501, 5700, 5701, 5724, 5718, 5719, 5736, 5706, 5707, 5730, 5754, 5727, 5733, 5526, 5702,
                           5703, 5725, 5731, 5755, 5741, 5704, 5705, 5726, 5732, 5756, 5523, 5524),
           1},
          {"pending spread order", PendingSpread(),
           SqlText::Format("Select * From PendingOrders Where iOrvelcode in (%d,%d,%d,%d) and lOurOrderNo = %d", 5724,
                           5736, 5725, 5726, 601),
           1},
          {"pending spread order is not a normal pending order", Pending(),
           SqlText::Format("Select * From PendingOrders Where iOrvelcode in (%d,%d,%d,%d) and lOurOrderNo = %d", 5724,
                           5736, 5725, 5726, 601),
           0},
          {"order view-modify right", Mapper(),
           SqlText::Format("select iOrderViewmodify from clientmapper where corvelclientid = '%s' and "
                           "iOrderViewmodify <> 0",
                           d1),
           1},
          {"linked to the IOB", Iob(), SqlText::Format(kIobLinked, 401L), 1},
          {"not linked to the IOB", Iob(), SqlText::Format(kIobLinked, 101L), 0},
          {"view-only client", Mapper(),
           SqlText::Format("select * from clientmapper where corveluserorinvestorid = '%s' and corvelclientid = '%s' "
                           "and iorderviewmodify = 1",
                           "INV2", d1),
           0},
          {"dealer ids by account", Trades(),
           SqlText::Format("select distinct cOrvelClientId From TradeInfo where (corvelclientid ='%s' or "
                           "cAccountnumber='%s') order by lEntryDateTime desc",
                           d1, d1),
           1},
          {"dealer ids joined", Trades(),
           SqlText::Format("select distinct a.cOrvelClientId from TradeInfo a left outer join clientmapper b where "
                           "((a.corvelclientid='%s') or (a.iproclient=1 and a.cAccountnumber=b.corveluserorinvestorid "
                           "and b.corvelclientid='%s' and b.iOrderViewmodify=1))",
                           d1, d1),
           2},
      },
      m_errors);
}

TEST_F(RecordCacheQueries, pending_orders_of_a_dealer_include_mapped_investors_newest_first) {
  const std::string joined = SqlText::Format(kPendingJoined, kCode1, kCode2, kCode3, kCode4, "D1", "D1");
  ASSERT_EQ(Pending()->ExecuteQuery(joined), 6);
  std::vector<std::int64_t> order;
  for (long r = 0; r < Pending()->RowCount(); ++r) order.push_back(Pending()->GetInt64(r, 0));
  EXPECT_EQ(order, (std::vector<std::int64_t>{701, 109, 108, 107, 102, 101}));

  ASSERT_TRUE(Mapper()->Clear());
  ASSERT_EQ(Pending()->ExecuteQuery(joined), 5) << "an empty client mapper leaves the dealer's own orders";
  EXPECT_EQ(OurOrderNos(Pending()), (std::set<std::int64_t>{101, 107, 108, 109, 701}));
}

TEST_F(RecordCacheQueries, fills_sum_to_the_traded_quantity_and_bracket_values_come_back_by_column) {
  CInMemTradeInfo* trades = Trades();
  ASSERT_EQ(trades->ExecuteQuery(SqlText::Format(kTradedQty, 1000301.0, 500)), 2);
  std::int64_t quantity = 0;
  double value = 0.0;
  for (long r = 0; r < 2; ++r) {
    quantity += trades->GetInt64(r, 0);
    value += static_cast<double>(trades->GetInt64(r, 0)) * trades->GetDouble(r, 1);
  }
  EXPECT_EQ(quantity, 30);
  EXPECT_DOUBLE_EQ(value, 10 * 100.5 + 20 * 101.0);

  ASSERT_EQ(Info()->ExecuteQuery(SqlText::Format(kBracket, 5520, 5521, 9L, 201L, 1L, 2L, 3L, "D1")), 1);
  EXPECT_DOUBLE_EQ(Info()->GetDouble(0, 0), 95.5);
  EXPECT_DOUBLE_EQ(Info()->GetDouble(0, 1), 120.25);
  EXPECT_DOUBLE_EQ(Info()->GetDouble(0, 2), 96.0);
  EXPECT_EQ(Info()->GetText(0, 1), "120.25");
}

TEST_F(RecordCacheQueries, first_row_copies_the_stored_packet_and_zero_fills_the_rest) {
  // The module's own lookup of one order record by both its numbers.
  ASSERT_EQ(Pending()->ExecuteQuery(SqlText::Format("Select * from PendingOrders where PendingOrders.dOrderNumber=%.0f "
                                                    "and lOurOrderNo = %u and iNoofLegs < 1",
                                                    1000101.0, 101u)),
            1);
  std::vector<unsigned char> larger(900, 0xEE), smaller(100, 0xEE);
  ASSERT_TRUE(Pending()->GetFirstRow(larger.data(), larger.size()));
  ASSERT_TRUE(Pending()->GetFirstRow(smaller.data(), smaller.size()));
  const std::vector<unsigned char> stored = PacketFor(101);
  EXPECT_TRUE(std::equal(stored.begin(), stored.end(), larger.begin()));
  EXPECT_TRUE(std::all_of(larger.begin() + kPacketSize, larger.end(), [](unsigned char b) { return b == 0; }));
  EXPECT_TRUE(std::equal(smaller.begin(), smaller.end(), stored.begin()));

  ASSERT_EQ(PendingSpread()->ExecuteQuery("Select * From PendingOrders Where lOurOrderNo = 601"), 1);
  std::vector<unsigned char> packet(kSpreadPacketSize);
  ASSERT_TRUE(PendingSpread()->GetFirstRow(packet.data(), packet.size()));
  EXPECT_EQ(packet, PacketFor(601, kSpreadPacketSize)) << "a spread table's first row is the spread packet";
}
