#include "view/LegacyFormatting.h"

#include "host/ContractMaster.h"
#include "host/GridRow.h"
#include "host/platform/Application.h"
#include "host/recordcache/RecordCacheTables.h"
#include "support/CommonLogLines.h"
#include "support/HostReset.h"
#include "view/ColumnCatalogue.h"
#include "view/OrvPendingOrdersWnd.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {


// Seconds of the day -> clock time; the date part is not shown by the views.
int SplitSecondsOfDay(long time, char* dateOut, int dateSize, int* hour, int* minute, int* second) {
  if (time < 0) return 0;
  if (dateOut && dateSize > 0) std::snprintf(dateOut, static_cast<std::size_t>(dateSize), "01-Jan-2025");
  *hour = static_cast<int>(time / 3600);
  *minute = static_cast<int>(time / 60 % 60);
  *second = static_cast<int>(time % 60);
  return 1;
}

class LegacyFormattingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetHostForTest();
    RecordCache::Close();
    CommonLogLines().clear();
    auto& registry = EntryPointRegistry::Instance();
    registry.Register(kCommonIncludeLibrary, "WriteInLogFile", &CaptureCommonLogLine);
    registry.Register(kCommonIncludeLibrary, "ConvertTime", &SplitSecondsOfDay);
    m_login.setUserId("D1");
    AppGlobal::g_pObjLoginResponse = &m_login;
    ScriptDesc equity;  // four decimals, for the average price
    equity.lToken = 101000500;
    equity.iPrecision = 4;
    m_master.Add(equity);
    InstallContractMaster(&m_master);
  }
  void TearDown() override {
    InstallContractMaster(nullptr);
    RecordCache::Close();
    ResetHostForTest();
  }

  static std::string Cell(const CBCGPGridRow& row, int col) { return row.GetItem(col)->GetValue().ToText(); }

  orv::platform::Application m_app;
  orv::platform::ApplicationScope m_scope{m_app};
  ORVEL5901 m_login;
  CScriptDesc m_master;
};

TEST_F(LegacyFormattingTest, entry_times_show_am_and_pm_or_hours_by_the_setting) {
  OrvPendingOrdersWnd wnd;
  CBCGPGridRow row(kPendingColumnCount);
  struct Case {
    int hour;
    const char* twelve;
  };
  for (const Case& c : {Case{0, "00:05:09 AM"}, Case{11, "11:05:09 AM"}, Case{12, "12:05:09 PM"},
                        Case{13, "01:05:09 PM"}, Case{23, "11:05:09 PM"}}) {
    const long time = c.hour * 3600L + 5 * 60 + 9;
    AppGlobal::bGeneralSettings_24HrTimeFormat = 0;
    wnd.ConvertTimeAsPerSettings(&row, 0, time);
    EXPECT_EQ(Cell(row, COL_Server_Entry_Time), c.twelve);
    AppGlobal::bGeneralSettings_24HrTimeFormat = 1;
    wnd.ConvertTimeAsPerSettings(&row, 0, time);
    char hrs[16];
    std::snprintf(hrs, sizeof hrs, "%02d:05:09 Hrs", c.hour);
    EXPECT_EQ(Cell(row, COL_Server_Entry_Time), hrs);
  }
  EXPECT_TRUE(CommonLogLines().empty());
}

TEST_F(LegacyFormattingTest, traded_quantity_sums_the_fills_of_one_order_and_token_with_their_average) {
  auto fill = [](double orderNumber, std::int64_t token, std::int64_t qty, double price) {
    OrderRecordRow t;
    t.lOurOrderNo = 1;
    t.dResponseOrderNumber = orderNumber;
    t.lOurToken = token;
    t.lFillQuantity = qty;
    t.dFillPrice = price;
    ASSERT_TRUE(CInMemTradeInfo::getClass()->Insert(t));
  };
  fill(5001.0, 101000500, 10, 100.5);
  fill(5001.0, 101000500, 30, 101.5);
  fill(5001.0, 102000600, 99, 1.0);  // another token
  fill(5002.0, 101000500, 99, 1.0);  // another order

  OrvPendingOrdersWnd wnd;
  char average[32] = "untouched";
  EXPECT_EQ(wnd.GetTradedQty(5001.0, 101000500, average), "40");
  EXPECT_STREQ(average, "101.2500") << "(10 x 100.5 + 30 x 101.5) / 40 in the token's four decimals";
  EXPECT_EQ(wnd.GetTradedQty(5001.0, 101000500, nullptr), "40");

  char small[5] = "????";
  wnd.GetTradedQty(5001.0, 101000500, small, sizeof small);
  EXPECT_STREQ(small, "101.") << "cut to the room given, always terminated";

  char none[8] = "keep";
  EXPECT_EQ(wnd.GetTradedQty(7777.0, 101000500, none), "0");
  EXPECT_STREQ(none, "keep") << "nothing filled: no average";
}

TEST_F(LegacyFormattingTest, bracket_prices_are_read_for_the_logged_in_dealer_only) {
  OrderRecordRow bracket;
  bracket.lOurOrderNo = 201;
  bracket.iOrvelCode = 5520;
  bracket.cOrvelClientId = "D1";
  bracket.lIOMRuleNo = 9;
  bracket.iStrategyNo = 2;
  bracket.dSLPrice = 95.5;
  bracket.dTargetPrice = 120.25;
  bracket.dSLTPrice = 96.0;
  ASSERT_TRUE(CInMemOrderInfo::getClass()->Insert(bracket));

  OrvPendingOrdersWnd wnd;
  double sl = -1, target = -1, trigger = -1;
  EXPECT_TRUE(wnd.getBracketOrderInfo(9, 201, sl, target, trigger));
  EXPECT_EQ(sl, 95.5);
  EXPECT_EQ(target, 120.25);
  EXPECT_EQ(trigger, 96.0);

  double untouched = -1;
  EXPECT_FALSE(wnd.getBracketOrderInfo(8, 201, untouched, untouched, untouched));
  EXPECT_EQ(untouched, -1);

  m_login.setUserId("D2' or '1'='1");
  OrvPendingOrdersWnd injected;
  EXPECT_FALSE(injected.getBracketOrderInfo(9, 201, untouched, untouched, untouched))
      << "a quote in the dealer id stays inside the literal";
  EXPECT_TRUE(CommonLogLines().empty());
}

}  // namespace
