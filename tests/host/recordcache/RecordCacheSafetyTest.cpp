// Texts from records and users reach the queries; none of them may widen or change a statement.
#include "RecordCacheFixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <thread>

using namespace rcfixture;

namespace {

const char* const kPendingForDealer =
    "select * from pendingorders where lTotalVolRemaining<>0 and (iOrvelCode=%d or iOrvelCode=%d or iOrvelCode=%d "
    "or iOrvelCode=%d) and (corvelclientid ='%s' or cAccountnumber='%s') order by lEntryDateTime desc";

std::string PendingFor(const std::string& dealer) {
  return SqlText::Format(kPendingForDealer, kCode1, kCode2, kCode3, kCode4, dealer, dealer);
}

long CountAllPending() {
  CInMemPendingOrders* pending = CInMemPendingOrders::getClass();
  const long rows = pending->ExecuteQuery("select * from PendingOrders");
  pending->CloseQuery();
  return rows;
}

class RecordCacheSafety : public SeededRecordCache {};

}  // namespace

TEST_F(RecordCacheSafety, quoted_dealer_id_does_not_widen_the_query) {
  CInMemPendingOrders* pending = CInMemPendingOrders::getClass();
  const std::string hostile = "x' or '1'='1";
  // The same text pasted without escaping would show every dealer's orders.
  char pasted[512];
  std::snprintf(pasted, sizeof pasted, kPendingForDealer, kCode1, kCode2, kCode3, kCode4, hostile.c_str(),
                hostile.c_str());
  ASSERT_GT(pending->ExecuteQuery(pasted), 6);

  EXPECT_EQ(pending->ExecuteQuery(PendingFor("x")), 0);
  EXPECT_EQ(pending->ExecuteQuery(PendingFor(hostile)), 0);
  EXPECT_EQ(pending->ExecuteQuery(PendingFor("D1")), 6);
  EXPECT_TRUE(m_errors.empty());
}

TEST_F(RecordCacheSafety, statement_text_in_a_dealer_id_does_nothing) {
  CInMemPendingOrders* pending = CInMemPendingOrders::getClass();
  const long before = CountAllPending();

  EXPECT_EQ(pending->ExecuteQuery(PendingFor("'; drop table PendingOrders; --")), 0);

  EXPECT_EQ(CountAllPending(), before);
  EXPECT_TRUE(m_errors.empty());
}

TEST_F(RecordCacheSafety, only_single_read_statements_run) {
  CInMemPendingOrders* pending = CInMemPendingOrders::getClass();
  const long before = CountAllPending();

  for (const char* sql :
       {"delete from PendingOrders", "drop table PendingOrders", "select 1; delete from PendingOrders",
        "update PendingOrders set lTotalVolRemaining = 0", "insert into PendingOrders (lOurOrderNo) values (1)",
        "attach database ':memory:' as x", "pragma writable_schema = 1", "", "   ;  "}) {
    SCOPED_TRACE(sql);
    EXPECT_EQ(pending->ExecuteQuery(sql), -1);
    EXPECT_FALSE(pending->LastError().empty());
  }

  EXPECT_EQ(CountAllPending(), before);
  EXPECT_EQ(pending->ExecuteQuery("select count(*) from PendingOrders; -- trailing note"), 1);
}

TEST_F(RecordCacheSafety, sql_errors_are_logged_and_answered_with_minus_one) {
  CInMemTradeInfo* trades = CInMemTradeInfo::getClass();

  EXPECT_EQ(trades->ExecuteQuery("select * from NoSuchTable"), -1);

  ASSERT_EQ(m_errors.size(), 1u);
  EXPECT_NE(m_errors[0].find("NoSuchTable"), std::string::npos);
  EXPECT_EQ(trades->RowCount(), 0);
  EXPECT_EQ(trades->ExecuteQuery("select * from TradeInfo"), 3);
  EXPECT_TRUE(trades->LastError().empty());
}

TEST_F(RecordCacheSafety, worker_writes_and_ui_queries_do_not_corrupt_each_other) {
  constexpr int kTrades = 200;
  std::thread worker([] {
    for (int i = 0; i < kTrades; ++i) {
      OrderRecordRow trade = Order(10000 + i, kCode1, "W");
      CInMemTradeInfo::getClass()->Insert(trade);
      ClientMapperRow mapping{"W" + std::to_string(i), "D9", 1, "", {}};
      CInMemClientMapper::getClass()->Insert(mapping);
    }
  });
  for (int i = 0; i < 50; ++i) {
    EXPECT_GE(CInMemTradeInfo::getClass()->ExecuteQuery("select * from TradeInfo"), 3);
    EXPECT_EQ(CInMemPendingOrders::getClass()->ExecuteQuery(PendingFor("D1")), 6);
    EXPECT_GE(CInMemPendingOrders::getClass()
                  ->Query("select distinct a.* from PendingOrders a left outer join clientmapper b "
                          "where a.corvelclientid = 'D1'")
                  .RowCount(),
              5);
  }
  worker.join();

  EXPECT_EQ(CInMemTradeInfo::getClass()->ExecuteQuery("select * from TradeInfo where cOrvelClientId = 'W'"), kTrades);
  EXPECT_TRUE(m_errors.empty()) << m_errors.front();
}
