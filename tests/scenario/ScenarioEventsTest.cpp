#include "ScenarioFixture.h"

#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/EntryPointRegistry.h"
#include "host/HostLibraries.h"
#include "host/HostWindowRegistry.h"
#include "view/OrderBookWnd.h"

namespace {

class ScenarioEvents : public ScenarioFixture {};

// What a send reports is pinned by the golden files; here only that the senders live and leave with the host.
TEST_F(ScenarioEvents, the_order_senders_are_registered_with_the_main_executable_and_leave_with_the_host) {
  HMODULE main = GetMainModuleHandle();
  ASSERT_NE(EntryPointRegistry::Resolve<SendCOCOrderExeFn>(main, "SendCOCOrderExeFn"), nullptr);
  ASSERT_NE(EntryPointRegistry::Resolve<SendSpreadOrderExeFn>(main, "SendToServerForOrvel_SpreadOrder_EntryExeFn"),
            nullptr);
  m_player.reset();
  m_host.reset();
  EXPECT_EQ(EntryPointRegistry::Resolve<SendCOCOrderExeFn>(GetMainModuleHandle(), "SendCOCOrderExeFn"), nullptr);
}

TEST_F(ScenarioEvents, written_files_are_named_relative_to_the_data_folder) {
  m_host->FileWritten(m_host->DataFolder() / "exports" / "grid.txt");
  m_host->FileWritten("/var/tmp/elsewhere.csv");
  auto files = OfKind(m_events, "file");
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0]["path"], "data:exports/grid.txt");
  EXPECT_EQ(files[1]["path"], "/var/tmp/elsewhere.csv");
}

TEST_F(ScenarioEvents, spread_rows_are_addressed_by_refno_and_leg) {
  Play({R"({"do":"orders","add":[{"RefNo":5,"eOrderLeg":1,"Order_Status":"Spread Pending","Price":5},{"RefNo":5,"eOrderLeg":1,"Order_Status":"Spread Pending Leg","Price":100},{"RefNo":5,"eOrderLeg":1,"Order_Status":"Spread Pending Leg","Price":105},{"RefNo":6,"Price":7}]})",
        R"({"do":"orders","update":{"RefNo":5,"legNo":2,"Price":106}})",
        R"({"do":"orders","update":{"RefNo":5,"leg":false,"Price":6}})"});
  const auto& all = AppOrderBook::vctAllOrderBook;
  ASSERT_EQ(all.size(), 4u);
  EXPECT_EQ(all[0]->Price, 6.0);
  EXPECT_EQ(all[1]->Price, 100.0);
  EXPECT_EQ(all[2]->Price, 106.0);
  EXPECT_EQ(AppOrderBook::IsUpdatePost, 1);

  auto errors = OfKind(Play({R"({"do":"orders","update":{"RefNo":6,"leg":true,"Price":1}})"}), "error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0]["message"], "no order with RefNo 6 (leg row) in the book");

  Play({R"({"do":"orders","remove":{"RefNo":5}})"});
  ASSERT_EQ(AppOrderBook::vctAllOrderBook.size(), 1u) << "without \"leg\" every row of the order goes";
  EXPECT_EQ(AppOrderBook::vctAllOrderBook[0]->RefNo, 6u);
}

TEST_F(ScenarioEvents, a_new_order_gets_what_a_host_derives_for_it) {
  Play({R"({"do":"contracts","add":{"token":101000002,"cExchangeName":"NSE","Symbol_ScriptID":"RELIANCE"}})",
        R"({"do":"orders","add":{"RefNo":9,"eOrderStatus":3,"B_S":"SELL","lOurToken":101000002,"Total_Qty":4,"Price":12.5,"dtServerEntryTime":"2026-12-15 13:05:09","objOrderEntry":{"bookType":66}}})",
        R"({"do":"orders","add":{"RefNo":10,"lOurToken":101000002,"pContract":null}})"});
  const OrderBookDetails& r = *AppOrderBook::vctAllOrderBook.at(0);
  EXPECT_STREQ(r.Order_Status, "Rejected");
  EXPECT_EQ(r.GTDOrderNo, 9u);
  ASSERT_NE(r.pContract, nullptr);
  EXPECT_STREQ(r.pContract->Symbol_ScriptID, "RELIANCE");
  EXPECT_STREQ(r.Server_Entry_Time.c24Hr, "13:05:09");
  EXPECT_STREQ(r.Server_Entry_Time.c12Hr, "01:05:09 PM");
  EXPECT_EQ(r.objOrderEntry.buySell(), 2);
  EXPECT_EQ(r.objOrderEntry.quantity(), 4);
  EXPECT_EQ(r.objOrderEntry.ourOrderNo(), 9u);
  EXPECT_EQ(r.objOrderEntry.get<std::uint8_t>(ORVEL_ORDER_ENTRY::kBookType), 66);
  EXPECT_EQ(AppOrderBook::vctAllOrderBook.at(1)->pContract, nullptr);
}

}  // namespace
