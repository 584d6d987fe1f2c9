// The grid's Cancel and Cancel All commands and the market check they run: what reaches the
// store's cancellation list, what the user is asked and told, and what is posted to the host.
#include "actions/MarketStatusCheck.h"
#include "actions/TokenMarket.h"
#include "host/LogWriter.h"
#include "support/ViewHarness.h"

#include <gtest/gtest.h>

namespace {

namespace pf = orv::platform;

class CancelCommands : public ::testing::Test {
 protected:
  static constexpr std::int32_t kGold = 301000007;  // MCX
  static constexpr const char* kConfirm = "Cancel Order/s Confirmation";

  CancelCommands() {
    h.AddContract(kGold, "MCX", "GOLD", "F", 1, "%.2f");
    AppGlobal::SetLogWriter(&m_log);
    m_log.AddObserver([this](const std::string& source, const std::string& text) {
      if (source == "PendingOrders") pendingLog.push_back(text);
    });
    AppGlobal::bOrderSettings_OrderCancel = 1;
  }
  ~CancelCommands() override { AppGlobal::SetLogWriter(nullptr); }

  OrderBookDetails* Add(BookKind kind, std::uint32_t ref, OrderStatusIdentifier status = ePending,
                        std::int32_t token = ViewHarness::kNiftyFut) {
    return h.AddOrder(kind, ref, [&](OrderBookDetails& r) {
      r.eOrderStatus = status;
      r.lOurToken = token;
      r.pContract = h.Master().Find(token);
    });
  }
  OrderBookGrid& Shown(ViewVariant variant = ViewVariant::Pending) { return h.ShowAllRows(variant); }
  void SelectRows(OrderBookGrid& grid, int top, int bottom) { ViewHarness::SelectRows(grid, top, bottom); }
  pf::MessageBoxService& Boxes() { return h.App().MessageBoxes(); }
  std::vector<std::string> BoxTexts() {
    std::vector<std::string> out;
    for (const auto& b : Boxes().Shown()) out.push_back(b.text);
    return out;
  }
  std::size_t CancelPosts(unsigned msg = 8976) {
    std::size_t n = 0;
    for (const auto& p : h.App().MainWindow().Posted()) n += p.msg == msg;
    return n;
  }

  ViewHarness h;
  LogWriter m_log;
  std::vector<std::string> pendingLog;
};

TEST_F(CancelCommands, selected_orders_are_confirmed_listed_once_and_posted_to_the_host) {
  for (std::uint32_t ref = 1; ref <= 4; ++ref) Add(BookKind::Pending, ref);
  OrderBookGrid& grid = Shown();  // rows 0..3 show RefNo 4..1
  SelectRows(grid, 0, 2);
  grid.SetCurSel({1, 0}, pf::kSelRowRangeStart, true);  // a second range over a row of the first
  Boxes().QueueAnswer(pf::IDYES);
  grid.OnCancel();
  ASSERT_EQ(Boxes().Shown().size(), 1u);
  EXPECT_EQ(Boxes().Shown()[0].text, "Sure You Want to Cancel all the Selected Rows Order ?");
  EXPECT_EQ(Boxes().Shown()[0].caption, kConfirm);
  EXPECT_EQ(Boxes().Shown()[0].flags, 36u);
  EXPECT_EQ(AppOrderBook::vctCancellation, (std::vector<std::uint32_t>{4, 3, 2}));
  EXPECT_EQ(CancelPosts(), 1u);

  Boxes().QueueAnswer(pf::IDNO);
  grid.OnCancel();
  EXPECT_TRUE(AppOrderBook::vctCancellation.empty()) << "a No empties the list";
  EXPECT_EQ(CancelPosts(), 1u);
  EXPECT_TRUE(h.App().Loop().hasTimer(&grid, 10150)) << "the refresh runs again";
}

TEST_F(CancelCommands, one_pending_order_among_others_is_named_in_the_question) {
  Add(BookKind::Pending, 1);
  Add(BookKind::Pending, 2, eCancelled);
  OrderBookGrid& grid = Shown();
  SelectRows(grid, 0, 1);
  grid.OnCancel();  // unanswered: No
  ASSERT_EQ(BoxTexts(), (std::vector<std::string>{"Sure You Want to Cancel NIFTY --> MktType- F, Qty- 75, Price- 101.00 ?"}));
  EXPECT_EQ(pendingLog, (std::vector<std::string>{"2 Order is not Pending"}));
  EXPECT_EQ(CancelPosts(), 0u);

  // Without confirmations the order goes straight to the host.
  AppGlobal::bOrderSettings_OrderCancel = 0;
  Boxes().ClearShown();
  grid.OnCancel();
  EXPECT_TRUE(Boxes().Shown().empty());
  EXPECT_EQ(AppOrderBook::vctCancellation, (std::vector<std::uint32_t>{1}));
  EXPECT_EQ(CancelPosts(), 1u);
}

TEST_F(CancelCommands, gtt_orders_belong_to_the_gtd_view_only) {
  Add(BookKind::Pending, 1);
  h.AddOrder(BookKind::Pending, 2, [](OrderBookDetails& r) { r.iOrvelCode = 15512; });
  OrderBookGrid& pending = Shown();
  SelectRows(pending, 0, 1);
  pending.OnCancel();
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Please use GTD Order Book to cancel GTT orders"}))
      << "one GTT row refuses the whole command";
  EXPECT_TRUE(AppOrderBook::vctCancellation.empty());

  Add(BookKind::GTD, 7);
  OrderBookGrid& gtd = Shown(ViewVariant::GTD);
  SelectRows(gtd, 0, 0);
  gtd.OnCancel();
  EXPECT_TRUE(Boxes().Shown().empty()) << "non-GTT rows are skipped without a word";
  EXPECT_EQ(CancelPosts(8977), 0u);
  gtd.OnCancelall();
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Cancellation is not allowed"}));
}

TEST_F(CancelCommands, barred_manual_trading_and_listed_strategies_are_refused) {
  Add(BookKind::Pending, 1);
  h.AddOrder(BookKind::Pending, 2, [](OrderBookDetails& r) { CopyText(r.Strategy, "ALGO9"); });
  OrderBookGrid& grid = Shown();
  AppGlobal::g_bManualNotAllowed = 1;
  grid.OnCancel();
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Manual trading is not allowed.Please contact to Admin"}));
  AppGlobal::g_bEnableManualAllowedForAlgo = 1;  // the Pending view lets algo dealers through
  Boxes().ClearShown();

  AppGlobal::map_NonModStrategy["ALGO9"] = 1;
  AppGlobal::bOrderSettings_OrderCancel = 0;
  SelectRows(grid, 0, 1);
  grid.OnCancel();
  const std::string refusal =
      "Orders placed from \x91Nivra\x92 cannot be modified or cancelled from this terminal. Please contact your "
      "administrator for more information";
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{refusal}));
  EXPECT_EQ(AppOrderBook::vctCancellation, (std::vector<std::uint32_t>{1}));

  // Cancel All with every order under the strategy: the message without "Some ", and the post
  // goes out with an empty list.
  AppGlobal::map_NonModStrategy["ALGO9"] = 1;
  OrderBookDetails* first = AppOrderBook::vctDisplayedOrderBook[0];
  CopyText(first->Strategy, "ALGO9");
  Boxes().ClearShown();
  const std::size_t posts = CancelPosts();
  grid.OnCancelall();
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{refusal}));
  EXPECT_TRUE(AppOrderBook::vctCancellation.empty());
  EXPECT_EQ(CancelPosts(), posts + 1);
}

TEST_F(CancelCommands, a_shut_market_drops_its_orders_and_says_so) {
  Add(BookKind::Pending, 1, ePending, kGold);
  OrderBookGrid& grid = Shown();
  AppGlobal::iMCX_Status = 2;
  for (int confirmations : {1, 0}) {
    SCOPED_TRACE(confirmations);
    AppGlobal::bOrderSettings_OrderCancel = confirmations;
    Boxes().ClearShown();
    SelectRows(grid, 0, 0);
    grid.OnCancel();
    ASSERT_EQ(Boxes().Shown().size(), 1u) << "no question after the market refused";
    EXPECT_EQ(Boxes().Shown()[0].text, " MCX Market/s  \nIt's Orders Wont get  Deleted");
    EXPECT_EQ(Boxes().Shown()[0].caption, "Market Status");
    EXPECT_EQ(Boxes().Shown()[0].flags, 48u);
    EXPECT_TRUE(AppOrderBook::vctCancellation.empty());
    EXPECT_EQ(CancelPosts(), 0u);
  }

  // An order not yet confirmed passes whatever the market; beside it a pending order of the shut
  // market is dropped, silently, since what is left may all go.
  Add(BookKind::Pending, 2, eUnConfirmed, kGold);
  grid.FilterGridData();
  h.Run();
  Boxes().ClearShown();
  AppGlobal::bOrderSettings_OrderCancel = 0;
  SelectRows(grid, 0, 1);
  grid.OnCancel();
  EXPECT_TRUE(Boxes().Shown().empty());
  EXPECT_EQ(AppOrderBook::vctCancellation, (std::vector<std::uint32_t>{2}));
  EXPECT_EQ(CancelPosts(), 1u);
}

TEST_F(CancelCommands, market_check_modes_and_the_nse_call_auction_exception) {
  OrderBookDetails* nifty = Add(BookKind::Pending, 1);
  Add(BookKind::Pending, 2, ePending, kGold);
  OrderBookWnd& wnd = h.PendingWnd();
  Shown();
  AppGlobal::g_iFONormalMarketStatus = 3;  // derivatives closed after the pre-open
  AppOrderBook::vctModification = {1, 2};
  EXPECT_EQ(wnd.CheckMarketStatus(MarketStatusCheck::kModification, false), 0);
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{" NSE Derivative Market/s Pre Open Closed \nIt's Orders Wont get  Modified"}));
  EXPECT_EQ(AppOrderBook::vctModification.size(), 2u) << "modification only reports";
  EXPECT_EQ(wnd.CheckMarketStatus(7, false), 1) << "other modes check nothing";

  // NSE equity in its pre-open close stays open for a call-auction order on the current row.
  AppGlobal::g_iFONormalMarketStatus = 1;
  AppGlobal::g_iEQNormalMarketStatus = 3;
  nifty->lOurToken = ViewHarness::kReliance;
  AppOrderBook::vctCancellation = {1};
  Boxes().ClearShown();
  EXPECT_EQ(wnd.CheckMarketStatus(MarketStatusCheck::kCancellation, false), 0);
  CopyText(nifty->Order_Type, "CB");
  h.Pending().SetCurSel({1, 0}, 160, true);
  EXPECT_EQ(wnd.CheckMarketStatus(MarketStatusCheck::kCancellation, false), 1);
}

}  // namespace
