// The grid's Modify command: which selected orders reach the store's modification list, which
// selections are refused and with what text, and when the host is asked for its window.
#include "host/LogWriter.h"
#include "support/ViewHarness.h"
#include "view/ColumnCatalogue.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

namespace pf = orv::platform;

class ModifyCommand : public ::testing::Test {
 protected:
  ModifyCommand() {
    AppGlobal::SetLogWriter(&m_log);
    m_log.AddObserver([this](const std::string& source, const std::string& text) {
      if (source == "PendingOrders") pendingLog.push_back(text);
    });
    AppGlobal::g_bPendingMultiOrdersModify = 1;
  }
  ~ModifyCommand() override { AppGlobal::SetLogWriter(nullptr); }

  OrderBookGrid& Shown(ViewVariant variant = ViewVariant::Pending) { return h.ShowAllRows(variant); }
  void SelectRows(OrderBookGrid& grid, int top, int bottom) { ViewHarness::SelectRows(grid, top, bottom); }
  std::vector<std::string> Boxes() { return h.BoxesShown(); }
  std::size_t ModifyPosts() {
    std::size_t n = 0;
    for (const auto& p : h.App().MainWindow().Posted()) n += p.msg == kMsgModificationRequest;
    return n;
  }
  OrderBookDetails* Spread(std::uint32_t ref, const char* status) {
    return h.AddOrder(BookKind::Pending, ref, [&](OrderBookDetails& r) {
      r.eOrderLeg = eSpreadLeg;
      r.iOrvelCode = 5724;
      CopyText(r.Order_Status, status);
    });
  }

  ViewHarness h;
  LogWriter m_log;
  std::vector<std::string> pendingLog;
};

TEST_F(ModifyCommand, selected_pending_orders_are_listed_once_and_the_host_asked_for_its_window) {
  for (std::uint32_t ref = 1; ref <= 4; ++ref) h.AddOrder(BookKind::Pending, ref);
  h.AddOrder(BookKind::Pending, 5, [](OrderBookDetails& r) { r.eOrderStatus = eCancelled; });
  OrderBookGrid& grid = Shown();  // rows 0..4 show RefNo 5..1
  SelectRows(grid, 0, 2);
  grid.SetCurSel({1, 0}, pf::kSelRowRangeStart, true);  // a second range over a row of the first
  grid.OnModify();
  EXPECT_EQ(AppOrderBook::vctModification, (std::vector<std::uint32_t>{4, 3}));
  EXPECT_EQ(pendingLog, (std::vector<std::string>{"5 Order is not Pending"}));
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(ModifyPosts(), 1u);
  EXPECT_TRUE(h.App().Loop().hasTimer(&grid, 10150)) << "the refresh runs again";
}

TEST_F(ModifyCommand, mixed_selections_are_refused_and_leave_nothing_listed) {
  // Beside a plain order: an IOB order, a spread order (the leg kinds differ), a GTT order in the
  // Pending view.
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[&] { h.AddOrder(BookKind::Pending, 2, [](OrderBookDetails& r) { r.IOM_RuleNo = 77; }); },
       "Manual and IOB Multiple Order Modification is not allowed. | Order Modification"},
      {[&] { Spread(2, "Spread Pending"); },
       "Normal and Spread Multiple Order Modification is not allowed. | Order Modification"},
      {[&] { h.AddOrder(BookKind::Pending, 2, [](OrderBookDetails& r) { r.iOrvelCode = 15512; }); },
       "Please use GTD Order Book to modify/cancel GTT orders | ZARU Client"}};
  for (const auto& [second, box] : cases) {
    SCOPED_TRACE(box);
    AppOrderBook::Clear();
    h.App().MessageBoxes().ClearShown();
    h.AddOrder(BookKind::Pending, 1);
    second();
    OrderBookGrid& grid = Shown();
    SelectRows(grid, 0, 1);
    grid.OnModify();
    EXPECT_EQ(Boxes(), std::vector<std::string>{box});
    EXPECT_TRUE(AppOrderBook::vctModification.empty());
    EXPECT_EQ(ModifyPosts(), 0u);
    if (&box == &cases[0].second) {
      EXPECT_TRUE(h.App().Loop().hasTimer(&grid, 10150)) << "the refresh runs again";
    }
  }
}

TEST_F(ModifyCommand, a_lone_spread_leg_row_does_nothing_at_all) {
  Spread(7, "Spread Pending Leg");
  OrderBookGrid& grid = Shown();
  SelectRows(grid, 0, 0);
  grid.OnModify();
  EXPECT_TRUE(Boxes().empty());
  EXPECT_TRUE(AppOrderBook::vctModification.empty());
  EXPECT_EQ(ModifyPosts(), 0u);
  EXPECT_TRUE(h.App().Loop().hasTimer(&grid, 10150));

  // With the spread colour setting on, the leg row stands for its order.
  AppGlobal::g_bSpreadBuySellColor = 1;
  grid.OnModify();
  EXPECT_EQ(AppOrderBook::vctModification, (std::vector<std::uint32_t>{7}));
  EXPECT_EQ(ModifyPosts(), 1u);
}

TEST_F(ModifyCommand, rights_settings_and_order_kinds_that_stop_or_skip_the_command) {
  h.AddOrder(BookKind::Pending, 1);
  h.AddOrder(BookKind::Pending, 115000000);
  h.AddOrder(BookKind::Pending, 3, [](OrderBookDetails& r) { CopyText(r.Strategy, "ALGO9"); });
  OrderBookGrid& grid = Shown();  // rows: 3, 115000000, 1 (newest on top)
  SelectRows(grid, 0, 2);

  h.PendingWnd().bMultiRowSelected = true;
  AppGlobal::g_bPendingMultiOrdersModify = 0;
  grid.OnModify();
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Multiple Rule Modification is not allowed! | ZARUClient"}));
  AppGlobal::g_bPendingMultiOrdersModify = 1;

  ORVEL5901& login = *AppGlobal::g_pObjLoginResponse;
  login.setUserType(3);
  AppGlobal::g_bPendingModify = 1;
  AppGlobal::g_bViewOnlyMiniAdmin = 1;
  h.App().MessageBoxes().ClearShown();
  grid.OnModify();
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"MiniAdmin is View Only. Hence Pending order Modification is not "
                                               "allowed. | Pending modification"}));
  AppGlobal::bSAASAdminDealerOrMiniAdmin = 1;  // an administrator's mini admin may modify
  h.App().MessageBoxes().ClearShown();

  // Square-off orders are skipped with a word while Alt+F6 square-off runs; strategy orders are
  // skipped and summed up in one message.
  AppGlobal::g_bAltF6SqrOff_glob = 1;
  AppGlobal::map_NonModStrategy["ALGO9"] = 1;
  grid.OnModify();
  ASSERT_EQ(Boxes().size(), 2u);
  EXPECT_EQ(Boxes()[0], "Could not modify SquareOff Order | Pending Orders");
  EXPECT_EQ(Boxes()[1].substr(0, 19), "Orders placed from ");
  EXPECT_EQ(AppOrderBook::vctModification, (std::vector<std::uint32_t>{1}));
  EXPECT_EQ(ModifyPosts(), 1u);

  // The GTD view does not modify.
  h.App().MessageBoxes().ClearShown();
  h.AddOrder(BookKind::GTD, 9);
  Shown(ViewVariant::GTD).OnModify();
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Modification is not allowed | ZARU Client"}));
}

TEST_F(ModifyCommand, a_shut_market_ends_the_command_without_asking_the_host) {
  constexpr std::int32_t kGold = 301000007;
  h.AddContract(kGold, "MCX", "GOLD", "F", 1, "%.2f");
  h.AddOrder(BookKind::Pending, 1, [&](OrderBookDetails& r) {
    r.lOurToken = kGold;
    r.pContract = h.Master().Find(kGold);
  });
  OrderBookGrid& grid = Shown();
  AppGlobal::iMCX_Status = 2;
  SelectRows(grid, 0, 0);
  grid.OnModify();
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0], " MCX Market/s  \nIt's Orders Wont get  Modified | Market Status");
  EXPECT_EQ(ModifyPosts(), 0u);
  EXPECT_TRUE(AppOrderBook::vctModification.empty());
}

}  // namespace
