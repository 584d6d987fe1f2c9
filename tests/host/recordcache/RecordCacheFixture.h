#pragma once
// A record cache seeded with a small, fully known book: two dealers (D1, D2), an investor INV1
// that D1 may view and modify, an investor INV2 that D1 may only see in the mapper (flag 0), and
// rows in every table that the queries below must find or must not find.
#include "host/recordcache/RecordCacheTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace rcfixture {

inline constexpr int kCode1 = 2001, kCode2 = 2002, kCode3 = 2003, kCode4 = 2004;
inline constexpr std::size_t kPacketSize = 802;
inline constexpr std::size_t kSpreadPacketSize = 926;

inline std::vector<unsigned char> PacketFor(std::int64_t ourOrderNo, std::size_t size = kPacketSize) {
  std::vector<unsigned char> packet(size);
  for (std::size_t i = 0; i < size; ++i) packet[i] = static_cast<unsigned char>((ourOrderNo + i) & 0xFF);
  return packet;
}

inline OrderRecordRow Order(std::int64_t ourOrderNo, int code, const std::string& dealer) {
  OrderRecordRow row;
  row.lOurOrderNo = ourOrderNo;
  row.dOrderNumber = 1000000.0 + static_cast<double>(ourOrderNo);
  row.iOrvelCode = code;
  row.cOrvelClientId = dealer;
  row.cAccountnumber = "ACC" + std::to_string(ourOrderNo);
  row.lTotalVolRemaining = 10;
  row.lEntryDateTime = ourOrderNo;
  row.iproclient = 2;
  row.packet = PacketFor(ourOrderNo);
  return row;
}

// The lOurOrderNo values of the last result of a table, sorted.
inline std::set<std::int64_t> OurOrderNos(RecordTable* table) {
  std::set<std::int64_t> ids;
  const int col = table->ColumnIndex("lOurOrderNo");
  for (long r = 0; r < table->RowCount(); ++r) ids.insert(table->GetInt64(r, col));
  return ids;
}

class SeededRecordCache : public ::testing::Test {
 protected:
  void SetUp() override {
    RecordCache::Close();
    RecordCache::SetLogSink([this](const std::string& text) { m_errors.push_back(text); });
    SeedClientMapper();
    SeedPendingOrders();
    SeedOrderInfo();
    SeedTrades();
    SeedSpreadTables();
    SeedRejections();
    ASSERT_TRUE(CInMemExchangeIobOrder::getClass()->Insert(Order(401, kCode1, "D1")));
    ASSERT_TRUE(m_errors.empty()) << m_errors.front();
  }

  void TearDown() override {
    RecordCache::Close();
    RecordCache::SetLogSink(nullptr);
  }

  static void SeedClientMapper() {
    CInMemClientMapper* mapper = CInMemClientMapper::getClass();
    ASSERT_TRUE(mapper->Insert({"INV1", "D1", 1, "Investor One", {}}));
    ASSERT_TRUE(mapper->Insert({"INV2", "D1", 0, "Investor Two", {}}));
  }

  static void SeedPendingOrders() {
    CInMemPendingOrders* pending = CInMemPendingOrders::getClass();
    ASSERT_TRUE(pending->Insert(Order(101, kCode1, "D1")));  // D1's own order
    OrderRecordRow viaMapper = Order(102, kCode2, "D2");     // INV1's order placed by D2
    viaMapper.iproclient = 1;
    viaMapper.cAccountnumber = "INV1";
    ASSERT_TRUE(pending->Insert(viaMapper));
    OrderRecordRow viewOnly = Order(103, kCode2, "D2");  // INV2: mapped without view-modify
    viewOnly.iproclient = 1;
    viewOnly.cAccountnumber = "INV2";
    ASSERT_TRUE(pending->Insert(viewOnly));
    ASSERT_TRUE(pending->Insert(Order(104, kCode3, "D2")));  // someone else's
    OrderRecordRow filled = Order(105, kCode1, "D1");        // nothing left to fill
    filled.lTotalVolRemaining = 0;
    ASSERT_TRUE(pending->Insert(filled));
    ASSERT_TRUE(pending->Insert(Order(106, 9999, "D1")));   // another segment
    OrderRecordRow accountOnly = Order(110, kCode4, "D3");  // D1 as the account number only
    accountOnly.cAccountnumber = "D1";
    ASSERT_TRUE(pending->Insert(accountOnly));
    // Two rows answering one exchange order number: the duplication case.
    OrderRecordRow dup1 = Order(107, kCode1, "D1");
    OrderRecordRow dup2 = Order(108, kCode1, "D1");
    dup1.dOrderNumber = dup2.dOrderNumber = 2000002.0;
    ASSERT_TRUE(pending->Insert(dup1));
    ASSERT_TRUE(pending->Insert(dup2));
    OrderRecordRow spread = Order(109, kCode1, "D1");
    spread.dOrderNumber = 3000003.0;
    spread.iNoofLegs = 2;
    ASSERT_TRUE(pending->Insert(spread));
    ASSERT_TRUE(pending->Insert(Order(701, kCode1, "D1")));  // its risk rejection is still pending
  }

  static void SeedOrderInfo() {
    CInMemOrderInfo* info = CInMemOrderInfo::getClass();
    OrderRecordRow bracket = Order(201, 5520, "D1");
    bracket.lIOMRuleNo = 9;
    bracket.iStrategyNo = 2;
    bracket.dSLPrice = 95.5;
    bracket.dTargetPrice = 120.25;
    bracket.dSLTPrice = 96.0;
    ASSERT_TRUE(info->Insert(bracket));
    OrderRecordRow modified = Order(202, 5511, "D1");  // processed at the exchange at time 1000
    modified.lLastModifiedTime = 1000;
    ASSERT_TRUE(info->Insert(modified));
    OrderRecordRow unconfirmed = Order(203, 5520, "D1");
    unconfirmed.iOrderType = 5;
    unconfirmed.dOrderNumber = 30000000.0;
    ASSERT_TRUE(info->Insert(unconfirmed));
    ASSERT_TRUE(info->Insert(Order(204, 5521, "D2")));
  }

  static void SeedTrades() {
    CInMemTradeInfo* trades = CInMemTradeInfo::getClass();
    auto fill = [&](std::int64_t ourOrderNo, std::int64_t qty, double price, int side, const std::string& dealer) {
      OrderRecordRow t = Order(ourOrderNo, kCode1, dealer);
      t.dResponseOrderNumber = t.dOrderNumber;
      t.lOurToken = 500;
      t.lFillQuantity = qty;
      t.dFillPrice = price;
      t.iBuySell = side;
      if (dealer == "D2") {  // a trade of INV1's, whom D1 may view through the mapper
        t.iproclient = 1;
        t.cAccountnumber = "INV1";
      }
      ASSERT_TRUE(trades->Insert(t));
    };
    fill(301, 10, 100.5, 1, "D1");
    fill(301, 20, 101.0, 2, "D1");
    fill(302, 5, 99.0, 1, "D2");
  }

  static void SeedSpreadTables() {
    OrderRecordRow spreadInfo = Order(501, 5724, "D1");
    spreadInfo.packet = PacketFor(501, kSpreadPacketSize);
    ASSERT_TRUE(CInMemSpreadOrderInfo::getClass()->Insert(spreadInfo));
    OrderRecordRow spreadPending = Order(601, 5724, "D1");
    spreadPending.iNoofLegs = 2;
    spreadPending.packet = PacketFor(601, kSpreadPacketSize);
    ASSERT_TRUE(CInMemPendingSpreadOrders::getClass()->Insert(spreadPending));
    ASSERT_TRUE(CInMemPendingSpreadOrders::getClass()->Insert(Order(703, 5724, "D1")));
  }

  static void SeedRejections() {
    CInMemRMSRejection* rms = CInMemRMSRejection::getClass();
    int sequence = 0;
    for (std::int64_t ourOrderNo : {701, 702, 703}) {  // 701, 703 pending (normal, spread); 702 not
      OrderRecordRow r = Order(ourOrderNo, 0, "D1");
      r.lSequenceNo = ++sequence;
      r.cOrvelUserId = "U1";
      ASSERT_TRUE(rms->InsertRejection(r));
      ASSERT_TRUE(rms->InsertRejectedOrderInfo(r));
    }
    OrderRecordRow other = Order(704, 0, "D2");
    other.lSequenceNo = ++sequence;
    ASSERT_TRUE(rms->InsertRejection(other));
    ASSERT_TRUE(rms->InsertRejectedOrderInfo(other));
  }

  std::vector<std::string> m_errors;
};

}  // namespace rcfixture
