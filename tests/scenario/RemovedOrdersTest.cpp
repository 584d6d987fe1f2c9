// What the fuzzer found about orders leaving the store while a grid still lists them, and about
// grids whose row list is replaced outside their tick.
#include "ScenarioFixture.h"

#include "host/AppOrderBook.h"
#include "view/OrderBookGrid.h"

#include <algorithm>

namespace {

class RemovedOrders : public ScenarioFixture {
 protected:
  std::vector<std::uint32_t> SelectedRefNos() {
    std::vector<std::uint32_t> out;
    for (const auto& call : OfKind(Play({R"({"do":"call","name":"GetCurSelectedOrders"})"}), "call"))
      for (const auto& row : call["result"]) out.push_back(row["RefNo"]);
    return out;
  }
  OrderBookGrid& Grid() { return m_host->RequireGrid(ViewVariant::Pending); }
};

TEST_F(RemovedOrders, a_hidden_window_lists_and_cancels_no_order_the_store_removed) {
  OpenSmallBook();  // rows, newest first: RefNo 3, 2, 1
  Play({R"({"do":"settings","set":{"g_bLastOrderSelection":1}})", R"({"do":"select","ranges":[[0,1]]})", R"({"do":"hide"})", R"({"do":"run","ms":60})",
        R"({"do":"orders","remove":{"RefNo":3}})"});
  EXPECT_EQ(SelectedRefNos(), std::vector<std::uint32_t>{2}) << "the selection stays on the order that is left";
  EXPECT_EQ(Grid().GetVirtualRowCount(), 2);
  EXPECT_EQ(Grid().RowVector().size(), 2u);

  auto events = Play({R"({"do":"answer","answer":"yes"})", R"({"do":"key","key":"Delete"})"});
  EXPECT_EQ(AppOrderBook::vctCancellation, std::vector<std::uint32_t>{2});
  EXPECT_TRUE(OfKind(Play({R"({"do":"show"})", R"({"do":"run","ms":60})"}), "error").empty());
  EXPECT_EQ(Grid().GetVirtualRowCount(), 2) << "showing it again shows the same two orders";
}

TEST_F(RemovedOrders, a_shown_window_drops_a_removed_order_before_its_next_tick) {
  OpenSmallBook();
  Play({R"({"do":"settings","set":{"g_bLastOrderSelection":1}})", R"({"do":"select","all":true})", R"({"do":"orders","remove":{"RefNo":2}})"});
  EXPECT_EQ(SelectedRefNos(), (std::vector<std::uint32_t>{3, 1}));
  Play({R"({"do":"answer","answer":"yes"})", R"({"do":"command","id":2064})"});
  std::vector<std::uint32_t> listed = AppOrderBook::vctCancellation;
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<std::uint32_t>{1, 3}));
}

TEST_F(RemovedOrders, removals_in_a_batch_reach_the_grid_together_when_the_batch_ends) {
  OpenSmallBook();
  Play({R"({"do":"select","all":true})"});
  {
    const AppOrderBook::RemovalBatch outer;
    const AppOrderBook::RemovalBatch inner;
    Play({R"({"do":"orders","remove":{"RefNo":3}})", R"({"do":"orders","remove":{"RefNo":1}})"});
    EXPECT_EQ(Grid().RowVector().size(), 3u) << "nothing runs between a batch's removals";
  }
  EXPECT_EQ(Grid().RowVector().size(), 1u);
  EXPECT_EQ(SelectedRefNos(), std::vector<std::uint32_t>{2});
}

TEST_F(RemovedOrders, a_host_refill_of_a_live_grid_counts_the_new_rows_and_selects_nothing_stale) {
  OpenSmallBook();
  // Only the sell order (RefNo 2) is shown and selected; the refill brings back all three.
  Play({R"({"do":"call","name":"SetFilterParam","args":["B_S",["SELL"],false,true,false]})",
        R"({"do":"run","ms":60})", R"({"do":"select","row":0})"});
  ASSERT_EQ(SelectedRefNos(), std::vector<std::uint32_t>{2});
  for (const char* refill : {"AssignOrderDataSourceByOrderStatus", "FillGridMaster"}) {
    Play({std::string(R"({"do":"call","name":")") + refill + R"("})"});
    EXPECT_EQ(Grid().GetVirtualRowCount(), static_cast<int>(Grid().RowVector().size())) << refill;
    EXPECT_TRUE(SelectedRefNos().empty()) << refill << ": row 0 now names another order than the one chosen";
  }
}

}  // namespace
