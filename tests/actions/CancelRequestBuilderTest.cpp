// The cancel requests handed to the host's order sender, their audit lines and the record of what
// was sent: the fields each market needs, who a request is sent under, and the texts the audit
// log keeps.
#include "actions/CancelAuditLog.h"
#include "actions/CancelRequestBuilder.h"
#include "actions/SentCancels.h"
#include "actions/SpreadRequestFields.h"
#include "host/ContractMaster.h"
#include "support/HostReset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using OE = ORVEL_ORDER_ENTRY;
namespace F = SpreadRequestFields;
namespace B = CancelRequestBuilder;

constexpr std::int32_t kNiftyFut = 102000001;  // NSE derivatives
constexpr std::int32_t kReliance = 101000002;  // NSE equity
constexpr std::int32_t kNseOfs = 106000005;
constexpr std::int32_t kBseEquity = 201000001;
constexpr std::int32_t kBseDerivative = 202000004;
constexpr std::int32_t kBseOfs = 206000003;
constexpr std::int32_t kGold = 301000007;  // MCX

class CancelRequestTest : public ::testing::Test {
 protected:
  CancelRequestTest() { ResetHostForTest(); }
  ~CancelRequestTest() override { ResetHostForTest(); }

  static CancelRequester Dealer(const char* id = "DLR01") { return {0, id}; }

  // A client order of another dealer on the token, with the fields a cancel must overwrite set to
  // something else.
  static ORVEL_ORDER_ENTRY Order(std::int32_t token, double price = 100.0, std::uint16_t flags = 0x0001) {
    ORVEL_ORDER_ENTRY p;
    p.setTransactionCode(2000);
    p.set<std::int32_t>(OE::kField2, 99);
    p.set<std::uint8_t>(OE::kField6, 5);
    p.setDealerId("DLR02");
    p.set<std::int16_t>(OE::kField34, 7);
    p.set<char>(OE::kBookType, 'X');
    p.setToken(token);
    p.setExchangeOrderNo(1100000000001234.0);
    p.setBuySell(1);
    p.set<std::int32_t>(OE::kQuantity98, 40);
    p.set<std::int32_t>(OE::kQuantity102, 11);
    p.setQuantity(75);
    p.setPrice(price);
    p.setFlags(flags);
    p.setText(OE::kField220, OE::kField220Width, "CLIENT1");
    p.set<std::int16_t>(OE::kField234, 1);
    p.set<std::int16_t>(OE::kField742, 3);
    p.setOurOrderNo(77);
    return p;
  }

  static std::uint16_t FlagsOf(const ORVEL_ORDER_ENTRY& order, const CancelRequester& by = Dealer()) {
    return B::BuildCancelRequest(order, by, false).flags();
  }
};

TEST_F(CancelRequestTest, an_nse_derivative_order_becomes_a_cancel_under_the_sender_s_numeric_id) {
  ORVEL_ORDER_ENTRY order = Order(kNiftyFut, 100.0, 0x2001);
  const ORVEL_ORDER_ENTRY r = B::BuildCancelRequest(order, Dealer(), false);
  EXPECT_EQ(r.transactionCode(), 5508);
  EXPECT_EQ(r.get<std::int32_t>(OE::kField2), 0);
  EXPECT_EQ(r.get<std::uint8_t>(OE::kField6), 0);
  EXPECT_EQ(r.get<std::int16_t>(OE::kField34), 0);
  EXPECT_EQ(r.get<char>(OE::kBookType), 'B');
  EXPECT_EQ(r.get<std::int16_t>(OE::kField742), 0);
  EXPECT_EQ(r.get<std::int32_t>(OE::kNumericClientId), 1) << "DLR01 as a number";
  EXPECT_EQ(r.dealerId(), "DLR02") << "the order's own dealer stays";
  EXPECT_EQ(r.flags(), 0x0201) << "always 0x200; the NSE market marker is cleared";
  EXPECT_EQ(r.get<std::int32_t>(OE::kQuantity102), 11) << "only some exchanges take quantity 98";
  EXPECT_EQ(r.price(), 100.0);
  EXPECT_EQ(r.text(OE::kField220, OE::kField220Width), "CLIENT1") << "a client order keeps its client";
  EXPECT_EQ(r.ourOrderNo(), 77u);
  EXPECT_EQ(r.exchangeOrderNo(), 1100000000001234.0);

  order.set<std::int16_t>(OE::kField234, 2);
  EXPECT_EQ(B::BuildCancelRequest(order, Dealer(), false).text(OE::kField220, OE::kField220Width), "")
      << "an NSE derivative pro order goes without a client";
  order.setToken(kReliance);
  EXPECT_EQ(B::BuildCancelRequest(order, Dealer(), false).text(OE::kField220, OE::kField220Width), "CLIENT1");
  order.setToken(702000001);
  order.set<std::int16_t>(OE::kField234, 1);
  EXPECT_EQ(B::BuildCancelRequest(order, Dealer(), false).text(OE::kField220, OE::kField220Width), "")
      << "market 702 never carries the client";
}

TEST_F(CancelRequestTest, only_a_dealer_fills_an_empty_dealer_id_and_clears_field_742) {
  ORVEL_ORDER_ENTRY order = Order(kNiftyFut);
  order.setDealerId("");
  EXPECT_EQ(B::BuildCancelRequest(order, Dealer(), false).dealerId(), "DLR01");

  const CancelRequester admin{1, "ADM01"};
  const ORVEL_ORDER_ENTRY byAdmin = B::BuildCancelRequest(order, admin, false);
  EXPECT_EQ(byAdmin.dealerId(), "");
  EXPECT_EQ(byAdmin.get<std::int16_t>(OE::kField742), 3);
  EXPECT_EQ(byAdmin.get<std::int32_t>(OE::kNumericClientId), 1) << "ADM01 as a number";
}

TEST_F(CancelRequestTest, nse_ofs_orders_mark_an_unopened_market_and_a_missing_price) {
  AppGlobal::g_iNSEOFSNormalMarketStatus = 0;
  EXPECT_EQ(FlagsOf(Order(kNseOfs, 0.0)), 0x2000 | 0x0200 | 0x0040 | 0x0001);
  AppGlobal::g_iNSEOFSNormalMarketStatus = 1;
  EXPECT_EQ(FlagsOf(Order(kNseOfs, 0.0, 0x2001)), 0x0200 | 0x0040 | 0x0001) << "an open market clears the marker";
  EXPECT_EQ(FlagsOf(Order(kNseOfs, 25.0)), 0x0200 | 0x0001);
  EXPECT_EQ(FlagsOf(Order(kReliance, 0.0)), 0x0200 | 0x0001) << "NSE equity never marks a zero price";
}

TEST_F(CancelRequestTest, bse_orders_mark_zero_prices_and_the_markets_not_yet_open) {
  AppGlobal::iBSE_Status = 0;
  AppGlobal::g_iBSEOFSNormalMarketStatus = 1;
  EXPECT_EQ(FlagsOf(Order(kBseEquity, 12.5)), 0x2000 | 0x0200 | 0x0001);
  EXPECT_EQ(FlagsOf(Order(kBseOfs, 12.5)), 0x0200 | 0x0001);
  AppGlobal::iBSE_Status = 1;
  AppGlobal::g_iBSEOFSNormalMarketStatus = 0;
  EXPECT_EQ(FlagsOf(Order(kBseEquity, 12.5)), 0x0200 | 0x0001);
  EXPECT_EQ(FlagsOf(Order(kBseOfs, 12.5)), 0x2000 | 0x0200 | 0x0001);

  // A zero-price order of any BSE market is marked, the derivative one without a market marker.
  const ORVEL_ORDER_ENTRY r = B::BuildCancelRequest(Order(kBseDerivative, 0.0, 0x2000), Dealer(), false);
  EXPECT_EQ(r.flags(), 0x2000 | 0x0200 | 0x0040) << "outside NSE an existing marker stays";
  EXPECT_EQ(r.price(), 0.0);
  EXPECT_EQ(r.get<char>(OE::kBookType), 'B');
  EXPECT_EQ(r.get<std::int32_t>(OE::kQuantity102), 11);
}

TEST_F(CancelRequestTest, each_other_exchange_gets_its_own_rules_and_no_others) {
  struct Case {
    std::int32_t token;
    int* status;  // set to 0 for the case, when given
    double price;
    std::uint16_t flags;
    std::uint16_t expectedFlags;
    double expectedPrice;
    std::int32_t expected102;
    char expected238;
  };
  const Case cases[] = {
      {5000001, nullptr, 9.0, 0x0040, 0x0240, 0.0, 40, 0},            // exchange 0: price dropped
      {401000001, nullptr, 9.0, 0x0000, 0x0200, 9.0, 11, 'O'},        // NCDEX
      {501000001, nullptr, 0.0, 0x0000, 0x0200, 0.0, 11, 0},          // NSE currency: nothing
      {701000001, nullptr, 9.0, 0x0040, 0x0240, 0.0, 40, 0},          // MSEI currency
      {801000001, nullptr, 0.0, 0x0000, 0x2240, 0.0, 11, 0},          // USE: always not open
      {1101000001, nullptr, 0.0, 0x0000, 0x0200, 0.0, 11, 0},         // CME: nothing
      {1201000001, nullptr, 9.0, 0x0040, 0x0240, 0.0, 40, 0},         // MSEI
      {1301000001, &AppGlobal::iBSE_CD_Status, 0.0, 0x0000, 0x2240, 0.0, 11, 0},
      {1401000001, &AppGlobal::iBINX_Status, 1.0, 0x0000, 0x2200, 1.0, 11, 0},
      {1401000001, nullptr, 1.0, 0x0000, 0x0200, 1.0, 11, 0},         // an open BINX: not marked
      {1601000001, &AppGlobal::iNINX_Status, 0.0, 0x0000, 0x2240, 0.0, 11, 0},
      {2001000001, &AppGlobal::iBSE_COM_Status, 0.0, 0x0000, 0x2240, 0.0, 11, 0},
      {2101000001, nullptr, 0.0, 0x0040, 0x0240, 0.0, 11, 0},         // TTFIX: nothing
  };
  for (const Case& c : cases) {
    ResetHostForTest();
    for (int* s : {&AppGlobal::iBSE_CD_Status, &AppGlobal::iBINX_Status, &AppGlobal::iNINX_Status,
                   &AppGlobal::iBSE_COM_Status})
      *s = 1;
    if (c.status) *c.status = 0;
    ORVEL_ORDER_ENTRY order = Order(c.token, c.price, c.flags);
    order.set<char>(OE::kField238, 0);
    const ORVEL_ORDER_ENTRY r = B::BuildCancelRequest(order, Dealer(), false);
    SCOPED_TRACE(c.token);
    EXPECT_EQ(r.flags(), c.expectedFlags);
    EXPECT_EQ(r.price(), c.expectedPrice);
    EXPECT_EQ(r.get<std::int32_t>(OE::kQuantity102), c.expected102);
    EXPECT_EQ(r.get<char>(OE::kField238), c.expected238);
  }
  ResetHostForTest();
}

// ---- Spread orders. ----

ORVEL_SPREAD_OE_REQUEST SpreadRecord(std::int32_t token, std::int16_t bookType, const char* dealer = "DLR02") {
  ORVEL_SPREAD_OE_REQUEST r;
  r.setTransactionCode(5724);
  r.setDealerId(dealer);
  r.setToken(token);
  r.setBuySell(1);
  r.setPrice(2.5);
  r.set<std::int16_t>(F::kBookType, bookType);
  r.set<std::int32_t>(F::kQuantity, 75);
  r.set<double>(F::kExchangeOrderNo, 3000003.0);
  r.set<std::uint16_t>(F::kFlags, 0x0004);
  r.setText(F::kClientId, F::kClientIdWidth, "CLIENT9");
  r.set<std::int32_t>(F::kLeg2Token, 102000002);
  r.set<std::int16_t>(F::kLeg2BuySell, 2);
  r.set<std::uint32_t>(F::kOurOrderNo, 601);
  return r;
}

TEST(SpreadCancelRequest, keeps_the_legs_and_goes_out_under_the_right_dealer) {
  const ORVEL_SPREAD_OE_REQUEST record = SpreadRecord(kNiftyFut, 1);
  const B::SpreadCancel forOther = B::BuildSpreadCancelRequest(record, {0, "DLR01"});
  const ORVEL_SPREAD_OE_REQUEST& r = forOther.request;
  EXPECT_EQ(r.transactionCode(), 5706);
  EXPECT_EQ(F::Flags(r), 0x0204);
  EXPECT_EQ(r.get<char>(F::kBookTypeLetter), 'B');
  EXPECT_EQ(r.get<char>(F::kLeg1OpenClose), 'O');
  EXPECT_EQ(r.get<char>(F::kLeg2OpenClose), 'O');
  EXPECT_EQ(r.token(), kNiftyFut);
  EXPECT_EQ(F::Leg2Token(r), 102000002);
  EXPECT_EQ(r.price(), 2.5);
  EXPECT_EQ(F::Quantity(r), 75);
  EXPECT_EQ(r.dealerId(), "DLR02");
  EXPECT_TRUE(forOther.bOnOtherDealersBehalf);

  const B::SpreadCancel own = B::BuildSpreadCancelRequest(record, {0, "dlr02"});
  EXPECT_EQ(own.request.dealerId(), "dlr02");
  EXPECT_FALSE(own.bOnOtherDealersBehalf);
  const B::SpreadCancel byAdmin = B::BuildSpreadCancelRequest(record, {1, "ADM01"});
  EXPECT_EQ(byAdmin.request.dealerId(), "ADM01");
  EXPECT_FALSE(byAdmin.bOnOtherDealersBehalf);
  const B::SpreadCancel noDealer = B::BuildSpreadCancelRequest(SpreadRecord(kNiftyFut, 1, ""), {0, "DLR01"});
  EXPECT_EQ(noDealer.request.dealerId(), "DLR01");
  EXPECT_FALSE(noDealer.bOnOtherDealersBehalf);
}

TEST(SpreadCancelRequest, is_refused_for_negotiated_trades_and_nse_markets_not_open) {
  ResetHostForTest();
  AppGlobal::g_iEQNormalMarketStatus = 1;
  AppGlobal::g_iFONormalMarketStatus = 1;
  EXPECT_EQ(B::SpreadCancelRefusal(SpreadRecord(kBseEquity, 4), 3000003.0),
            "Can not CANCEL NT order, Order Number:3000003");
  for (std::int32_t token : {kReliance, kNiftyFut, kNseOfs})
    for (std::int16_t book = 0; book <= 5; ++book)
      EXPECT_EQ(B::SpreadCancelRefusal(SpreadRecord(token, book), 1.0), book == 4 ? "Can not CANCEL NT order, Order Number:1" : "")
          << token << " book " << book << ": open markets take every other book type";

  AppGlobal::g_iEQNormalMarketStatus = 2;
  AppGlobal::g_iFONormalMarketStatus = 3;
  EXPECT_EQ(B::SpreadCancelRefusal(SpreadRecord(kReliance, 2), 1.0), "Cant not CANCEL Order : NSE EQ Normal Market not Open");
  EXPECT_EQ(B::SpreadCancelRefusal(SpreadRecord(kNiftyFut, 1), 1.0), "Cant not CANCEL Order : NSE FO Normal Market not Open");
  EXPECT_EQ(B::SpreadCancelRefusal(SpreadRecord(kNiftyFut, 2), 1.0), "") << "derivatives refuse regular lots only";
  EXPECT_EQ(B::SpreadCancelRefusal(SpreadRecord(kNseOfs, 3), 1.0), "Cant not CANCEL Order : OFS EQ Normal Market not Open");
  EXPECT_EQ(B::SpreadCancelRefusal(SpreadRecord(kReliance, 5), 1.0), "") << "book types past 4 pass";
  EXPECT_EQ(B::SpreadCancelRefusal(SpreadRecord(kBseEquity, 1), 1.0), "") << "other exchanges are not checked";
}

// ---- Audit lines. ----

class CancelAuditLineTest : public ::testing::Test {
 protected:
  CancelAuditLineTest() {
    Add(kNiftyFut, "NIFTY", "F", "FUTIDX", "27MAR2025");
    Add(kReliance, "RELIANCE", "E", "EQ", "");
    ScriptDesc& opt = Add(102000009, "NIFTY", "O", "OPTIDX", "27MAR2025");
    CopyText(opt.cStrike, "22000");
    CopyText(opt.cOptionType, "CE");
  }
  ScriptDesc& Add(std::int32_t token, const char* symbol, const char* seg, const char* inst, const char* expiry) {
    ScriptDesc d;
    d.lToken = token;
    CopyText(d.Symbol_ScriptID, symbol);
    CopyText(d.Mkt_Seg, seg);
    CopyText(d.Inst_Name, inst);
    CopyText(d.cExpiry, expiry);
    return *m_master.Add(d);
  }
  CScriptDesc m_master;
};

TEST_F(CancelAuditLineTest, a_normal_cancel_line_reads_header_client_side_contract_and_numbers) {
  ORVEL_ORDER_ENTRY r;
  r.setToken(kNiftyFut);
  r.setText(OE::kField220, OE::kField220Width, "CLIENT1");
  r.setBuySell(1);
  r.setQuantity(75);
  r.setPrice(101.5);
  r.setExchangeOrderNo(1100000000001234.0);
  r.setExchangeOrderId("ignored here");
  r.setOurOrderNo(77);
  const std::string header = "NSE,Order Cancel,Dealer DLR02 order's cancelled by Dealer DLR01 ";
  EXPECT_EQ(CancelAuditLog::OrderLine(header, r, &m_master),
            "NSE,Order Cancel,Dealer DLR02 order's cancelled by Dealer DLR01 For Client CLIENT1 BUY"
            "[NIFTY FUTIDX 27MAR2025]Qty=75 Price=101.500000,ExchOrdNo=1100000000001234,OurOrdNo=77");

  // BSE equity keeps the exchange's order id text; an unknown contract leaves no brackets; a
  // header holding conversions is only text.
  r.setToken(kBseEquity);
  r.setBuySell(2);
  r.setExchangeOrderId("1700000000123");
  EXPECT_EQ(CancelAuditLog::OrderLine("BSE,%s%n%d ", r, &m_master),
            "BSE,%s%n%d For Client CLIENT1 SELLQty=75 Price=101.500000,ExchOrdNo=1700000000123,OurOrdNo=77");
}

// ---- What was sent. ----

TEST(SentCancels, tells_orders_apart_by_exchange_number_and_own_number) {
  SentCancels sent;
  sent.Record(0.0, 11, 1);
  EXPECT_TRUE(sent.Contains(0.0, 11));
  EXPECT_FALSE(sent.Contains(0.0, 12)) << "orders not yet confirmed share exchange number 0";
  sent.Record(1100000000001234.7, 5, 2);
  EXPECT_TRUE(sent.Contains(1100000000001234.2, 5)) << "the integer part decides";
  EXPECT_FALSE(sent.Contains(1100000000001235.0, 5));

  sent.Record(std::nan(""), 1, 1);
  sent.Record(std::numeric_limits<double>::infinity(), 1, 1);
  EXPECT_TRUE(sent.Contains(std::nan(""), 1));
  EXPECT_EQ(sent.Size(), 4u);
  sent.Clear();
  EXPECT_TRUE(sent.Empty());
  EXPECT_FALSE(sent.Contains(0.0, 11));
  EXPECT_FALSE(sent.ContainsNumber(0.0));
}

TEST(SentCancels, keeps_a_large_book_s_orders_apart_and_finds_numbers_sent_before_or_after_the_first_ask) {
  SentCancels sent;
  constexpr std::uint32_t kOrders = 50000;
  for (std::uint32_t own = 1; own <= kOrders; ++own) sent.Record(1000000.0 + own, own, own % 2 ? 1 : 2);
  sent.Record(1000001.0, 1, 2);  // the same order again: one entry
  EXPECT_EQ(sent.Size(), kOrders);
  for (std::uint32_t own = 1; own <= kOrders; own += 997) {
    EXPECT_TRUE(sent.Contains(1000000.0 + own, own)) << own;
    EXPECT_FALSE(sent.Contains(1000000.0 + own, own + 1)) << own;
  }
  EXPECT_TRUE(sent.ContainsNumber(1000123.9));
  EXPECT_FALSE(sent.ContainsNumber(999999.0));
  sent.Record(7.0, 99999, 1);  // recorded after the first look by number
  EXPECT_TRUE(sent.ContainsNumber(7.0));
  EXPECT_TRUE(sent.Contains(7.0, 99999));
}

}  // namespace
