#include "view/GTDOrderBookGrid.h"
#include "view/GTDOrderBookWnd.h"
#include "view/OrvPendingOrdersGrid.h"
#include "view/OrvPendingOrdersWnd.h"

#include "host/platform/Application.h"
#include "support/CommonLogLines.h"
#include "support/HostReset.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {


class OrderBookWndBinding : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetHostForTest();
    CommonLogLines().clear();
    EntryPointRegistry::Instance().Register(kCommonIncludeLibrary, "WriteInLogFile", &CaptureCommonLogLine);
    m_login.setUserId("DLR01");
    AppGlobal::g_pObjLoginResponse = &m_login;
  }
  void TearDown() override { ResetHostForTest(); }

  const std::vector<orv::platform::MessageBoxRecord>& Boxes() { return m_app.MessageBoxes().Shown(); }

  orv::platform::Application m_app;
  orv::platform::ApplicationScope m_scope{m_app};
  ORVEL5901 m_login;
};

TEST_F(OrderBookWndBinding, pending_window_joins_the_host_lists_and_sets_the_pending_flag) {
  {
    OrvPendingOrdersWnd wnd;
    m_wndPendingOrder = &wnd;
    EXPECT_TRUE(wnd.IsBindingComplete());
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(wnd.LoggedInUserId(), "DLR01");
    EXPECT_EQ(wnd.WindowTypeName(), "PendingOrder");
    ASSERT_EQ(GlobalFunctions::LogOffList().size(), 1u);
    EXPECT_EQ(GlobalFunctions::LogOffList()[0].cListName, "PendingOrders");
    EXPECT_EQ(GlobalFunctions::LogOffList()[0].nIdentity, 10005);
    ASSERT_EQ(GlobalFunctions::FocusList().size(), 1u);
    EXPECT_EQ(HostLibraries::LastPendingOrderFlag(), 1);
  }
  EXPECT_EQ(HostLibraries::LastPendingOrderFlag(), 0);
  EXPECT_TRUE(GlobalFunctions::LogOffList().empty());
  EXPECT_TRUE(GlobalFunctions::FocusList().empty());
  EXPECT_EQ(m_wndPendingOrder, nullptr);
}

TEST_F(OrderBookWndBinding, gtd_window_binds_three_entry_points_and_leaves_the_pending_flag_alone) {
  EntryPointRegistry::Instance().Unregister(kTradeBridgeLibrary, "SetPendingOrderFlag");
  {
    GTDOrderBookWnd wnd;
    m_wndGTDOrderBook = &wnd;
    EXPECT_TRUE(wnd.IsBindingComplete());
    EXPECT_TRUE(Boxes().empty());
    ASSERT_EQ(GlobalFunctions::LogOffList().size(), 1u);
    EXPECT_EQ(GlobalFunctions::LogOffList()[0].cListName, "GTDOrderBook");
    EXPECT_EQ(GlobalFunctions::LogOffList()[0].nIdentity, 50093);
  }
  EXPECT_EQ(HostLibraries::LastPendingOrderFlag(), -1);
  EXPECT_EQ(m_wndGTDOrderBook, nullptr);
}

TEST_F(OrderBookWndBinding, first_missing_entry_point_shows_exactly_one_error_and_the_window_still_opens) {
  struct Case {
    std::vector<const char*> missing;
    const char* text;
  };
  const Case cases[] = {
      {{"RemoveItem", "ItemCount"}, "Error on TradeBridgeDll's RemoveItem method"},
      {{"ItemCount"}, "Error on TradeBridgeDll's ItemCount method"},
      {{"RemovePendingAll", "SetPendingOrderFlag"}, "Error on TradeBridgeDll's RemovePendingAll method"},
      {{"SetPendingOrderFlag"}, "Error on TradeBridgeDll's SetPendingOrderFlag Method"},
  };
  for (const Case& c : cases) {
    ResetHostForTest();
    AppGlobal::g_pObjLoginResponse = &m_login;
    m_app.MessageBoxes().ClearShown();
    for (const char* name : c.missing) EntryPointRegistry::Instance().Unregister(kTradeBridgeLibrary, name);
    OrvPendingOrdersWnd wnd;
    ASSERT_EQ(Boxes().size(), 1u) << c.text;
    EXPECT_EQ(Boxes()[0].text, c.text);
    EXPECT_FALSE(wnd.IsBindingComplete());
    EXPECT_TRUE(GlobalFunctions::LogOffList().empty()) << "after a binding error the window is in no host list";
    EXPECT_TRUE(GlobalFunctions::FocusList().empty());
    EXPECT_EQ(HostLibraries::LastPendingOrderFlag(), -1);
    EXPECT_TRUE(wnd.CreateNative(nullptr)) << "the window is still usable";
  }
}

TEST_F(OrderBookWndBinding, destroying_a_second_window_keeps_the_live_ones_global) {
  OrvPendingOrdersWnd live;
  m_wndPendingOrder = &live;
  { OrvPendingOrdersWnd other; }
  EXPECT_EQ(m_wndPendingOrder, &live);
  m_wndPendingOrder = nullptr;
}

}  // namespace
