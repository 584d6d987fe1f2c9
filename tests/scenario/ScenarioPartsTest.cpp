#include "ScenarioFixture.h"

#include "host/AppOrderBook.h"
#include "host/GeneralXmlSettings.h"
#include "scenario/PacketFields.h"
#include "scenario/RecordFields.h"
#include "scenario/ScenarioNames.h"
#include "scenario/StepArgs.h"

#include <sstream>

namespace {

using nlohmann::json;
using orv::scenario::StepError;

TEST(RecordFields, set_each_kind_of_field_and_refuse_what_does_not_fit) {
  OrderBookDetails r;
  orv::scenario::SetRecordField(r, "RefNo", 4000000000u);
  orv::scenario::SetRecordField(r, "eOrderStatus", 3);
  orv::scenario::SetRecordField(r, "Price", 12.25);
  orv::scenario::SetRecordField(r, "Order_Status", "Pending");
  orv::scenario::SetRecordField(r, "Last_Modified", "00:07:05");
  orv::scenario::SetRecordField(r, "NNFID", 111111111111111LL);
  EXPECT_EQ(r.RefNo, 4000000000u);
  EXPECT_EQ(r.eOrderStatus, eRejected);
  EXPECT_EQ(r.Price, 12.25);
  EXPECT_STREQ(r.Last_Modified.c24Hr, "00:07:05");
  EXPECT_STREQ(r.Last_Modified.c12Hr, "12:07:05 AM");
  EXPECT_EQ(r.NNFID, 111111111111111LL);

  EXPECT_THROW(orv::scenario::SetRecordField(r, "RefNo", -1), StepError);
  EXPECT_THROW(orv::scenario::SetRecordField(r, "ReqID", 40000), StepError) << "a 16-bit field";
  EXPECT_THROW(orv::scenario::SetRecordField(r, "COL_Order", "AB"), StepError) << "room for one character";
  EXPECT_THROW(orv::scenario::SetRecordField(r, "Last_Modified", "24:00:00"), StepError);
  EXPECT_THROW(orv::scenario::SetRecordField(r, "Last_Modified", "10:00:00 PM"), StepError);
  EXPECT_THROW(orv::scenario::SetRecordField(r, "pContract", nullptr), StepError) << "not a plain field";
  EXPECT_STREQ(r.Order_Status, "Pending") << "a refused value leaves the field alone";
}

TEST(PacketFields, named_fields_sit_at_their_offsets) {
  ORVEL_ORDER_ENTRY packet;
  orv::scenario::SetOrderEntryField(packet, "quantity106", 250);
  orv::scenario::SetOrderEntryField(packet, "exchangeOrderId", "1300000012345678");
  orv::scenario::SetOrderEntryField(packet, "flags", 0x2200);
  EXPECT_EQ(packet.get<std::int32_t>(106), 250);
  EXPECT_EQ(packet.exchangeOrderId(), "1300000012345678");
  EXPECT_EQ(packet.flags(), 0x2200);
  const json described = orv::scenario::DescribeOrderEntry(packet);
  EXPECT_EQ(described["quantity106"], 250);
  EXPECT_EQ(described["flags"], 0x2200);
  EXPECT_EQ(described["field220"], std::string(26, '0'));
  EXPECT_THROW(orv::scenario::SetOrderEntryField(packet, "bookType", 300), StepError);
  EXPECT_THROW(orv::scenario::SetOrderEntryField(packet, "field220", "x"), StepError);
  EXPECT_THROW(orv::scenario::SetOrderEntryField(packet, "dealerId", std::string(25, 'D')), StepError);
}

TEST(EventWriter, writes_one_line_per_event_even_for_texts_that_are_not_utf8) {
  std::ostringstream out;
  orv::scenario::EventWriter writer(out);
  writer.Emit("log", {{"text", std::string("Caf\xE9")}});
  writer.Error(3, "run", "bad");
  EXPECT_EQ(out.str(), "{\"ev\":\"log\",\"text\":\"Caf\xEF\xBF\xBD\"}\n"
                       "{\"ev\":\"error\",\"line\":3,\"message\":\"bad\",\"step\":\"run\"}\n");
  EXPECT_EQ(writer.Count(), 2u);
  EXPECT_EQ(writer.Errors(), 1u);
}

class ScenarioSteps : public ScenarioFixture {};

TEST_F(ScenarioSteps, an_update_renews_what_the_host_derives_from_the_changed_fields) {
  Play({R"({"do":"contracts","add":[{"token":101000002,"Symbol_ScriptID":"RELIANCE"},{"token":101000003,"Symbol_ScriptID":"TCS"}]})",
        R"({"do":"orders","add":[{"RefNo":1,"lOurToken":101000002,"Price":10,"objOrderEntry":{"exchangeOrderNo":77}},{"RefNo":2,"eOrderLeg":1,"Order_Status":"Spread Pending Leg"}]})",
        R"({"do":"orders","update":[{"RefNo":1,"eOrderStatus":2,"lOurToken":101000003,"Total_Qty":9},{"RefNo":2,"eOrderStatus":2}]})"});
  const OrderBookDetails& order = *AppOrderBook::vctAllOrderBook.at(0);
  EXPECT_STREQ(order.Order_Status, "Cancelled");
  EXPECT_STREQ(order.pContract->Symbol_ScriptID, "TCS");
  EXPECT_EQ(order.objOrderEntry.token(), 101000003);
  EXPECT_EQ(order.objOrderEntry.quantity(), 9);
  EXPECT_EQ(order.objOrderEntry.exchangeOrderNo(), 77.0) << "packet fields the update did not touch stay";
  EXPECT_STREQ(AppOrderBook::vctAllOrderBook.at(1)->Order_Status, "Spread Pending Leg") << "a leg row keeps its text";
  auto errors = OfKind(Play({R"({"do":"orders","update":{"RefNo":1,"GTDOrderNo":5}})",
                             R"({"do":"orders","remove":{"RefNo":1,"Price":3}})"}),
                       "error");
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(AppOrderBook::vctAllOrderBook.size(), 2u);
}

}  // namespace
