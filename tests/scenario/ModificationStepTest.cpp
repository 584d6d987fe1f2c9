// The host's modification window in a scenario: what it sends for the changed order, what the
// module sends for the others, and how the exchange's confirmation brings the store in line.
#include "ScenarioFixture.h"

#include "host/AppOrderBook.h"

namespace {

class ModificationStep : public ScenarioFixture {};

TEST_F(ModificationStep, needs_a_listed_order_and_sends_one_request_per_order) {
  OpenSmallBook();  // rows: RefNo 3, 2, 1
  auto refused = OfKind(Play({R"({"do":"modification","price":1401})"}), "error");
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_NE(refused[0]["message"].get<std::string>().find("modification list is empty"), std::string::npos);

  Play({R"({"do":"settings","set":{"g_bPendingMultiOrdersModify":1}})",
        R"({"do":"select","ranges":[[0,2]],"wholeRows":true})", R"({"do":"key","key":"F2","shift":true})"});
  ASSERT_EQ(AppOrderBook::vctModification, (std::vector<std::uint32_t>{3, 2, 1}));
  auto events = Play({R"({"do":"modification","price":1395.5,"quantity":8,"discloseQty":20})"});
  auto sends = OfKind(events, "send");
  ASSERT_EQ(sends.size(), 2u) << "the host's own request for 3 and the module's for 1; the sell does not fit";
  EXPECT_EQ(sends[0]["request"]["ourOrderNo"], 3);
  EXPECT_EQ(sends[1]["request"]["ourOrderNo"], 1);
  for (const auto& send : sends) {
    EXPECT_EQ(send["request"]["price"], 1395.5);
    EXPECT_EQ(send["request"]["quantity"], 8);
  }
  EXPECT_EQ(sends[0]["request"]["quantity98"], 8) << "the window keeps the disclosed within the quantity";
  EXPECT_EQ(sends[1]["request"]["quantity98"], 0) << "the other order keeps its own disclosed quantity";
  ASSERT_EQ(OfKind(events, "modification").size(), 1u);
  EXPECT_EQ(OfKind(events, "modification")[0]["RefNo"], 3);

  // The exchange confirms one: only that order takes the new values.
  Play({R"({"do":"exchange","RefNo":1,"request":"modify","answer":"confirm"})"});
  const OrderBookDetails& one = *AppOrderBook::vctAllOrderBook.at(0);
  const OrderBookDetails& three = *AppOrderBook::vctAllOrderBook.at(2);
  EXPECT_EQ(one.Price, 1395.5);
  EXPECT_EQ(one.Total_Qty, 8);
  EXPECT_EQ(one.objOrderEntry.price(), 1395.5) << "later requests start from the new values";
  EXPECT_EQ(three.Price, 1390.0);
  // A second confirmation has nothing new to apply.
  Play({R"({"do":"orders","update":{"RefNo":1,"Price":1300}})",
        R"({"do":"exchange","RefNo":1,"request":"modify","answer":"confirm"})"});
  EXPECT_EQ(one.Price, 1300.0);
}

TEST_F(ModificationStep, a_spread_order_goes_to_the_spread_sender_with_its_prices) {
  Play({R"({"do":"contracts","add":{"token":102000001,"Symbol_ScriptID":"NIFTY","Mkt_Seg":"F"}})",
        R"({"do":"orders","add":[{"RefNo":7,"B_S":"BUY","eOrderLeg":1,"iOrvelCode":5724,"Order_Status":"Spread Pending","lOurToken":102000001,"Price":12},{"RefNo":7,"B_S":"BUY","eOrderLeg":1,"iOrvelCode":5724,"Order_Status":"Spread Pending Leg","lOurToken":102000001,"Price":12}]})",
        R"({"do":"open","show":true})", R"({"do":"run","ms":60})", R"({"do":"select","row":1})",
        R"({"do":"key","key":"F2","shift":true})"});
  ASSERT_EQ(AppOrderBook::vctModification, (std::vector<std::uint32_t>{7}));
  auto sends = OfKind(Play({R"({"do":"modification","price":12.75})"}), "send");
  ASSERT_EQ(sends.size(), 1u) << "one listed order: the module has nothing more to send";
  EXPECT_EQ(sends[0]["function"], "SendToServerForOrvel_SpreadOrder_EntryExeFn");
  EXPECT_EQ(sends[0]["request"]["price"], 12.75);
  EXPECT_EQ(sends[0]["request"]["token"], 102000001);
  auto refused = OfKind(Play({R"({"do":"modification","packet":{"price":1}})"}), "error");
  EXPECT_EQ(refused.size(), 1u);
}

}  // namespace
