// What the record cache answers for the module's queries against the seeded cache: joins, the
// order of the rows, column reads and first-row copies.
#include "RecordCacheFixture.h"
#include "host/RCGlobal.h"

#include <gtest/gtest.h>

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
CInMemTradeInfo* Trades() { return CInMemTradeInfo::getClass(); }
CInMemClientMapper* Mapper() { return CInMemClientMapper::getClass(); }
CInMemExchangeIobOrder* Iob() { return CInMemExchangeIobOrder::getClass(); }

const char* const kPendingJoined =
    "select distinct a.* from pendingorders a  left outer join clientmapper b where a.lTotalVolRemaining<>0 and "
    "(a.iOrvelCode=%d or a.iOrvelCode=%d or a.iOrvelCode=%d or a.iOrvelCode=%d) and ( (a.corvelclientid = '%s') "
    "or (a.iproclient=1 and a.cAccountnumber=b.corveluserorinvestorid  and b.corvelclientid = '%s' and "
    "b.iOrderViewmodify=1 )) order by a.lEntryDateTime desc";
const char* const kTradedQty =
    "Select lFillQuantity,dFillPrice From TradeInfo Where dResponseOrderNumber=%.2f and lOurToken=%d";
const char* const kIobLinked = "select * from ExchangeIobOrder where lOurOrderNo=%ld";
const char* const kBracket =
    "Select dSLPrice,dTargetPrice,dSLTPrice From OrderInfo Where (iOrvelCode = %d or iOrvelCode = %d) and lIOMRuleNo "
    "= %ld and lOurOrderNo = %ld and (iStrategyNo = %ld or iStrategyNo = %ld or iStrategyNo = %ld) and "
    "cOrvelClientId = '%s'";

class RecordCacheQueries : public SeededRecordCache {};

}  // namespace

// The module's other lookups run through the view and action tests against this same cache; the
// IOB link is checked here as the launch commands stop at the missing IOB login first.
TEST_F(RecordCacheQueries, the_iob_link_query_finds_only_linked_orders) {
  RunAll({{"linked to the IOB", Iob(), SqlText::Format(kIobLinked, 401L), 1},
          {"not linked to the IOB", Iob(), SqlText::Format(kIobLinked, 101L), 0}},
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
