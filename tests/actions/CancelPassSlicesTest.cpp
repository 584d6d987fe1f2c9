// The window's Cancel All when it runs over several passes of the loop (slices of two rows here):
// the rows are the ones shown at the key press, whatever arrives, leaves or moves between slices;
// each listed order gets one request; the store's list never shows keys nobody confirmed.
#include "actions/SlicedWork.h"
#include "host/LogWriter.h"
#include "support/LogCapture.h"
#include "support/ViewHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace pf = orv::platform;

std::vector<std::uint32_t> g_sent;  // own order numbers, as the host's sender got them

int RecordingSender(void* request, double) {
  ORVEL_ORDER_ENTRY packet;
  std::memcpy(packet.data(), request, ORVEL_ORDER_ENTRY::kSize);
  g_sent.push_back(packet.ourOrderNo());
  return 1;
}

class CancelPassSlices : public ::testing::Test {
 protected:
  CancelPassSlices() {
    g_sent.clear();
    EntryPointRegistry::Instance().Register(kMainExecutable, "SendCOCOrderExeFn", &RecordingSender);
    AppGlobal::bServerConnect = 1;
    AppGlobal::bOrderSettings_OrderCancel = 1;
    SlicedWork::SetTimeBoundSlices(false);
    SlicedWork::SetRowsPerSlice(2);
    Boxes().SetAnswerer([this](const std::string& text, const std::string&, unsigned) {
      m_asked.push_back(text);
      if (m_duringQuestion) m_duringQuestion();
      return pf::IDYES;
    });
  }
  ~CancelPassSlices() override {
    Boxes().SetAnswerer(nullptr);
    SlicedWork::SetRowsPerSlice(0);
    SlicedWork::SetTimeBoundSlices(true);
    EntryPointRegistry::Instance().Unregister(kMainExecutable, "SendCOCOrderExeFn");
    g_sent.clear();
  }

  // A pending order on `token` whose packet carries its own number and an exchange number.
  OrderBookDetails* Add(std::uint32_t refNo, std::int32_t token = ViewHarness::kNiftyFut) {
    return h.AddOrder(BookKind::Pending, refNo, [&](OrderBookDetails& r) {
      const double number = 1000000.0 + refNo;
      r.objOrderEntry.setTransactionCode(5511);
      r.objOrderEntry.setDealerId("DLR01");
      r.objOrderEntry.setToken(token);
      r.objOrderEntry.setExchangeOrderNo(number);
      r.objOrderEntry.setOurOrderNo(refNo);
      std::snprintf(r.ExchOrder_No, sizeof r.ExchOrder_No, "%.0f", number);
      r.lOurToken = token;
      r.pContract = h.Master().Find(token);
      r.iOrvelCode = 5511;
    });
  }
  OrvPendingOrdersWnd& Wnd() { return h.PendingWnd(); }
  OrderBookGrid& Grid() { return *Wnd().GetGrid(); }
  // The grid takes in the store's changes, as its refresh timer would.
  void Refresh() { Grid().OnTimer(Grid().Variant().nRefreshTimerId); }
  // One pass of the terminal's loop; true while work is left.
  bool Pass() { return h.App().Loop().advanceWithin(0, 1000); }
  void RunToEnd() {
    while (Pass()) {
    }
  }
  std::vector<std::uint32_t> SentSorted() const {
    std::vector<std::uint32_t> sent = g_sent;
    std::sort(sent.begin(), sent.end());
    return sent;
  }
  std::vector<std::string> LinesOf(const std::string& source) const { return m_log.LinesOf(source); }
  pf::MessageBoxService& Boxes() { return h.App().MessageBoxes(); }

  ViewHarness h;
  LogCapture m_log;
  std::vector<std::string> m_asked;
  std::function<void()> m_duringQuestion;
};

TEST_F(CancelPassSlices, orders_that_arrive_leave_or_change_between_slices_widen_nothing_and_each_goes_once) {
  std::vector<OrderBookDetails*> orders;
  for (std::uint32_t ref = 21; ref <= 28; ++ref) orders.push_back(Add(ref));
  h.ShowAllRows();
  Grid().SetCurSel({-1, -1}, pf::kSelSingleItem);

  Wnd().OnCancelAll();
  ASSERT_TRUE(Wnd().IsCancelPassRunning()) << "eight rows, two a slice: the pass goes on in the loop";
  EXPECT_TRUE(m_asked.empty());
  EXPECT_TRUE(AppOrderBook::vctCancellation.empty()) << "no key the user has not confirmed is there for the host";

  // The rows shift under the pass: an order arrives on top, one not reached yet leaves the book,
  // one not reached yet is filled, and the grid takes it all in.
  Add(29);
  AppOrderBook::RemoveOrder(BookKind::Pending, orders[2]);  // 23
  orders[0]->eOrderStatus = eCompleted;                     // 21, the last row
  Refresh();
  ASSERT_TRUE(Pass());
  EXPECT_TRUE(AppOrderBook::vctCancellation.empty());
  // During the question one more order leaves: it was listed, and goes without a request.
  m_duringQuestion = [&] { AppOrderBook::RemoveOrder(BookKind::Pending, orders[4]); };  // 25
  RunToEnd();

  EXPECT_EQ(m_asked, (std::vector<std::string>{"Sure To Cancel All the Order/s ?"}));
  EXPECT_EQ(SentSorted(), (std::vector<std::uint32_t>{22, 24, 26, 27, 28}))
      << "not the late 29, not the filled 21, not the two that left; the others once";
  EXPECT_EQ(LinesOf("PendingOrders"), (std::vector<std::string>{"25 Order is not Pending", "23 Order is not Pending"}))
      << "a listed order that left the book is named, not dropped without a word";
  EXPECT_FALSE(Wnd().IsCancelPassRunning() || Wnd().IsCancelAllMode() || Wnd().bMultiRowSelected);
  EXPECT_TRUE(Wnd().CollectedOrders().empty());
  EXPECT_EQ(Wnd().HandBacksQueued(), 0u);
}

TEST_F(CancelPassSlices, a_second_cancel_all_finishes_the_running_one_first_and_no_order_is_sent_twice) {
  for (std::uint32_t ref = 31; ref <= 35; ++ref) Add(ref);
  h.ShowAllRows();

  Wnd().OnCancelAll();
  ASSERT_TRUE(Wnd().IsCancelPassRunning());
  Wnd().OnCancelAll();  // Shift+F3 again before the first one asked
  EXPECT_EQ(m_asked.size(), 1u) << "the first pass asked and handed its orders back before the second began";
  RunToEnd();

  EXPECT_EQ(m_asked.size(), 2u);
  EXPECT_EQ(SentSorted(), (std::vector<std::uint32_t>{31, 32, 33, 34, 35}));
}

TEST_F(CancelPassSlices, a_grid_list_waiting_for_the_host_survives_a_pass_and_its_market_check) {
  // NSE derivatives are shut: their pending orders are dropped with a word, equity goes on.
  for (std::uint32_t ref = 41; ref <= 43; ++ref) Add(ref, ViewHarness::kNiftyFut);
  for (std::uint32_t ref = 44; ref <= 46; ++ref) Add(ref, ViewHarness::kReliance);
  h.ShowAllRows();
  AppGlobal::g_iFONormalMarketStatus = 2;
  // The grid's Cancel posted its list to the host, which has not read it yet.
  const std::vector<std::uint32_t> waiting{41, 44};
  AppOrderBook::vctCancellation = waiting;

  Wnd().OnCancelAll();
  ASSERT_TRUE(Wnd().IsCancelPassRunning());
  EXPECT_EQ(AppOrderBook::vctCancellation, waiting);
  RunToEnd();

  ASSERT_EQ(m_asked.size(), 2u);
  EXPECT_NE(m_asked[0].find(" NSE Derivative"), std::string::npos) << m_asked[0];
  EXPECT_EQ(m_asked[1], "Sure To Cancel All the Order/s ?");
  EXPECT_EQ(SentSorted(), (std::vector<std::uint32_t>{44, 45, 46}));
  EXPECT_EQ(AppOrderBook::vctCancellation, waiting) << "the host still finds what the grid's user confirmed";
}

TEST_F(CancelPassSlices, a_store_emptied_under_a_running_pass_ends_it_without_a_question_or_a_request) {
  for (std::uint32_t ref = 51; ref <= 56; ++ref) Add(ref);
  h.ShowAllRows();
  Wnd().OnCancelAll();
  ASSERT_TRUE(Wnd().IsCancelPassRunning());

  AppOrderBook::Clear();
  RunToEnd();

  EXPECT_TRUE(m_asked.empty());
  EXPECT_TRUE(g_sent.empty());
  EXPECT_FALSE(Wnd().IsCancelPassRunning() || Wnd().IsCancelAllMode());
}

TEST_F(CancelPassSlices, the_window_s_cancel_of_a_selection_asks_once_and_sends_only_the_rows_selected_when_asked) {
  for (std::uint32_t ref = 91; ref <= 97; ++ref) Add(ref);
  h.ShowAllRows();
  Grid().SetCurSel({1, 0}, pf::kSelSingleRow);  // rows 1 to 5: orders 96 down to 92
  Grid().SetCurSel({5, 0}, pf::kSelRowRangeEnd);

  Wnd().OnCancel();
  ASSERT_TRUE(Wnd().IsCancelPassRunning());
  Add(98);
  Refresh();
  Grid().SetCurSel({0, 0}, pf::kSelSingleRow);  // the user clicks elsewhere before the pass asks
  RunToEnd();

  EXPECT_EQ(m_asked, (std::vector<std::string>{"Sure You Want to Cancel all the Selected Rows Order ?"}));
  EXPECT_EQ(SentSorted(), (std::vector<std::uint32_t>{92, 93, 94, 95, 96}));
  EXPECT_FALSE(Wnd().bMultiRowSelected);
}

// ---- The grid's Cancel and Cancel All over slices. ----

TEST_F(CancelPassSlices, the_grid_s_cancel_lists_the_selection_taken_at_the_key_press_once_it_has_walked_it_all) {
  for (std::uint32_t ref = 61; ref <= 67; ++ref) Add(ref);
  h.ShowAllRows();
  AppOrderBook::FirstRecordOf(BookKind::Pending, 65)->eOrderStatus = eCompleted;
  Grid().SelectAll();
  h.App().MainWindow().Clear();

  Grid().OnCancel();  // Delete
  ASSERT_TRUE(Grid().IsCancelPassRunning());
  EXPECT_TRUE(AppOrderBook::vctCancellation.empty()) << "no half-walked selection for the host to find";
  EXPECT_FALSE(h.App().Loop().hasTimer(&Grid(), Grid().Variant().nRefreshTimerId)) << "the refresh waits";
  Add(68);  // arrives after the key press
  RunToEnd();

  EXPECT_EQ(m_asked, (std::vector<std::string>{"Sure You Want to Cancel all the Selected Rows Order ?"}));
  EXPECT_EQ(AppOrderBook::vctCancellation, (std::vector<std::uint32_t>{67, 66, 64, 63, 62, 61}));
  EXPECT_EQ(LinesOf("PendingOrders"), (std::vector<std::string>{"65 Order is not Pending"}));
  ASSERT_EQ(h.App().MainWindow().Posted().size(), 1u);
  EXPECT_EQ(h.App().MainWindow().Posted()[0].msg, 8976u);
  EXPECT_TRUE(h.App().Loop().hasTimer(&Grid(), Grid().Variant().nRefreshTimerId)) << "and resumes";
  EXPECT_FALSE(Grid().IsCancelPassRunning());
}

TEST_F(CancelPassSlices, the_grid_s_market_check_over_slices_drops_the_shut_market_s_orders_and_lists_the_rest) {
  for (std::uint32_t ref = 101; ref <= 104; ++ref) Add(ref, ViewHarness::kNiftyFut);
  for (std::uint32_t ref = 105; ref <= 108; ++ref) Add(ref, ViewHarness::kReliance);
  h.ShowAllRows();
  AppGlobal::g_iFONormalMarketStatus = 2;
  Grid().SelectAll();
  h.App().MainWindow().Clear();

  Grid().OnCancel();
  ASSERT_TRUE(Grid().IsCancelPassRunning());
  RunToEnd();

  ASSERT_EQ(m_asked.size(), 2u);
  EXPECT_NE(m_asked[0].find(" NSE Derivative"), std::string::npos) << m_asked[0];
  EXPECT_EQ(m_asked[1], "Sure You Want to Cancel all the Selected Rows Order ?");
  EXPECT_EQ(AppOrderBook::vctCancellation, (std::vector<std::uint32_t>{108, 107, 106, 105}));
  EXPECT_EQ(h.App().MainWindow().Posted().size(), 1u);
}

TEST_F(CancelPassSlices, a_gtt_order_late_in_the_selection_refuses_the_whole_cancel_in_its_slice) {
  for (std::uint32_t ref = 71; ref <= 76; ++ref) Add(ref);
  AppOrderBook::FirstRecordOf(BookKind::Pending, 71)->iOrvelCode = 15512;  // the bottom row
  h.ShowAllRows();
  Grid().SelectAll();
  h.App().MainWindow().Clear();

  Grid().OnCancel();
  ASSERT_TRUE(Grid().IsCancelPassRunning());
  RunToEnd();

  EXPECT_EQ(m_asked, (std::vector<std::string>{"Please use GTD Order Book to cancel GTT orders"}));
  EXPECT_TRUE(AppOrderBook::vctCancellation.empty());
  EXPECT_TRUE(h.App().MainWindow().Posted().empty());
  EXPECT_TRUE(h.App().Loop().hasTimer(&Grid(), Grid().Variant().nRefreshTimerId));
}

TEST_F(CancelPassSlices, a_grid_cancel_all_during_a_window_pass_waits_for_it_and_each_keeps_its_own_list) {
  for (std::uint32_t ref = 81; ref <= 85; ++ref) Add(ref);
  h.ShowAllRows();
  h.App().MainWindow().Clear();

  Wnd().OnCancelAll();
  ASSERT_TRUE(Wnd().IsCancelPassRunning());
  Grid().OnCancelall();  // the context menu's Cancel All
  EXPECT_EQ(m_asked.size(), 1u) << "the window's pass asked first";
  EXPECT_FALSE(Wnd().IsCancelPassRunning());
  RunToEnd();

  EXPECT_EQ(m_asked, (std::vector<std::string>{"Sure To Cancel All the Order/s ?", "Sure To Cancel All the Order/s ?"}));
  EXPECT_EQ(SentSorted(), (std::vector<std::uint32_t>{81, 82, 83, 84, 85})) << "the window's own requests, once";
  EXPECT_EQ(AppOrderBook::vctCancellation, (std::vector<std::uint32_t>{81, 82, 83, 84, 85})) << "the grid's list";
  ASSERT_EQ(h.App().MainWindow().Posted().size(), 1u);
}

}  // namespace
