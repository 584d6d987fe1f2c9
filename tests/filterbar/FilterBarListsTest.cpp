// The bar as it is created: its template, the lists filled from the host's exchanges and
// settings, the pickers, and the fillers the host may call.
#include "filterbar/FilterBarTemplate.h"
#include "host/GeneralXmlSettings.h"
#include "host/GlobalFunctions.h"
#include "host/platform/Application.h"
#include "host/recordcache/RecordCache.h"
#include "host/recordcache/RecordCacheTables.h"
#include "filterbar/FilterBarFixture.h"
#include "view/OrvPendingOrdersWnd.h"


namespace {

namespace pf = orv::platform;
using Strings = std::vector<std::string>;

class FilterBarLists : public FilterBarFixture {
 protected:
  std::vector<std::string> exchanges;
  void HostExchanges(Strings names) {
    exchanges = std::move(names);
    AppGlobal::m_pExchangeList = &exchanges;
  }
};

TEST_F(FilterBarLists, only_nse_enabled_offers_no_all_and_selects_nse) {
  AppGlobal::bNSE_Exchange = 1;
  AppGlobal::g_bNSEFO_Exchange = 1;  // one family however many of its flags
  HostExchanges({"NSE"});
  OrderBookFilter& bar = Bar();
  EXPECT_EQ(Items(bar.m_cmbExchange), Strings({"NSE"}));
  EXPECT_EQ(bar.m_cmbExchange.GetWindowText(), "NSE");
  EXPECT_EQ(Items(bar.m_cmbInstType), Strings({"All", "E", "F", "O", "SLBM", "OFS"}));
  std::int16_t nse = 0;
  ASSERT_TRUE(GlobalFunctions::GetExchangeCode("NSE", nse));
  EXPECT_EQ(bar.m_cmbExchange.GetItemData(0), static_cast<pf::UINT_PTR>(nse));
}

TEST_F(FilterBarLists, cme_alone_puts_all_and_cme_before_the_hosts_exchanges) {
  AppGlobal::g_bCME_Exchange = 1;
  HostExchanges({"XCME", "XCBT"});
  EXPECT_EQ(Items(Bar().m_cmbExchange), Strings({"All", "CME", "XCME", "XCBT"}));
  EXPECT_EQ(Bar().m_cmbExchange.GetCurSel(), 0);
}

TEST_F(FilterBarLists, an_exchange_listed_twice_is_listed_once_and_the_walk_goes_on) {
  AppGlobal::bNSE_Exchange = AppGlobal::bBSE_Exchange = 1;
  HostExchanges({"NSE", "BSE", "nse", "MCX"});
  EXPECT_EQ(Items(Bar().m_cmbExchange), Strings({"All", "NSE", "BSE", "MCX"}));
}

TEST_F(FilterBarLists, no_host_exchange_list_leaves_exchange_and_instrument_lists_empty) {
  AppGlobal::bNSE_Exchange = AppGlobal::bBSE_Exchange = 1;
  OrderBookFilter& bar = Bar();
  EXPECT_EQ(bar.m_cmbExchange.GetCount(), 0);
  EXPECT_EQ(bar.m_cmbInstType.GetCount(), 0);
}

TEST_F(FilterBarLists, instrument_types_follow_the_exchange_and_cme_and_ttfix_are_case_sensitive) {
  AppGlobal::bNSE_Exchange = AppGlobal::g_bMCX_Exchange = 1;
  HostExchanges({"nse", "cme", "ttfix", "MCX"});
  OrderBookFilter& bar = Bar();
  ASSERT_EQ(Items(bar.m_cmbExchange), Strings({"All", "nse", "cme", "ttfix", "MCX"}));
  auto typesAfter = [&](pf::ComboBox& exchanges, const std::string& exchange) {
    exchanges.SetCurSel(exchanges.FindStringExact(-1, exchange));
    bar.FillExchangeMarketTypes(&exchanges, &bar.m_cmbInstType);
    return Items(bar.m_cmbInstType);
  };
  EXPECT_EQ(typesAfter(bar.m_cmbExchange, "MCX"), Strings({"All", "E", "F", "O", "A"}));
  EXPECT_EQ(typesAfter(bar.m_cmbExchange, "cme"), Strings({"All", "E", "F", "O", "A"}));    // unchanged
  EXPECT_EQ(typesAfter(bar.m_cmbExchange, "ttfix"), Strings({"All", "E", "F", "O", "A"}));  // unchanged
  EXPECT_EQ(typesAfter(bar.m_cmbExchange, "nse"), Strings({"All", "E", "F", "O", "SLBM", "OFS"}));
  // The exact spellings.
  pf::ComboBox other(pf::CBS_DROPDOWNLIST);
  other.InsertString(-1, "CME");
  other.InsertString(-1, "TTFIX");
  other.InsertString(-1, "xcme");
  EXPECT_EQ(typesAfter(other, "CME"), Strings({"All", "F", "O"}));
  EXPECT_EQ(typesAfter(bar.m_cmbExchange, "MCX"), Strings({"All", "E", "F", "O", "A"}));
  EXPECT_EQ(typesAfter(other, "TTFIX"), Strings({"All", "F", "O"}));
  EXPECT_EQ(typesAfter(bar.m_cmbExchange, "MCX"), Strings({"All", "E", "F", "O", "A"}));
  EXPECT_EQ(typesAfter(other, "xcme"), Strings({"All", "F", "O"}));  // the others ignore case
  // A refill keeps the chosen type when the new list has it, else its first entry.
  bar.m_cmbInstType.SetCurSel(2);  // "O"
  EXPECT_EQ(typesAfter(bar.m_cmbExchange, "MCX"), Strings({"All", "E", "F", "O", "A"}));
  EXPECT_EQ(bar.m_cmbInstType.GetWindowText(), "O");
  bar.m_cmbInstType.SetCurSel(4);  // "A"
  typesAfter(other, "CME");
  EXPECT_EQ(bar.m_cmbInstType.GetCurSel(), 0);
}

TEST_F(FilterBarLists, a_new_bar_locks_its_pickers_without_start_and_end_times_and_hides_two_controls) {
  AppGlobal::bNSE_Exchange = AppGlobal::bBSE_Exchange = 1;
  HostExchanges({"NSE", "BSE"});
  OrderBookFilter& bar = Bar();
  EXPECT_EQ(Items(bar.m_cmbBuySell), Strings({"All", "BUY", "SELL"}));  // although the list is sorted
  EXPECT_TRUE(bar.m_edtUser.HasDropDownButton());
  EXPECT_FALSE(bar.m_edtSymbol.HasDropDownButton());
  // Today by the host's clock, 00:00:00 to 23:00:00.
  EXPECT_EQ(bar.m_dtpTimeFrom.GetTime().Format(), "2026-06-15 00:00:00");
  EXPECT_EQ(bar.m_dtpTimeTill.GetTime().Format(), "2026-06-15 23:00:00");
  EXPECT_FALSE(bar.m_dtpTimeFrom.IsWindowEnabled());
  EXPECT_FALSE(bar.m_dtpTimeTill.IsWindowEnabled());
  for (const auto& c : bar.TemplateControls()) {
    const bool hidden = c.spec->id == 7354 || c.spec->id == 7360;
    EXPECT_EQ(c.control->IsWindowVisible(), !hidden) << c.spec->id;
  }
}

TEST_F(FilterBarLists, client_settings_choose_order_type_market_type_and_the_check_boxes) {
  AppGlobal::bNSE_Exchange = 1;
  HostExchanges({"NSE"});
  AppGlobal::cGeneralSettings_OrderBook = "sl";
  AppGlobal::cOrderSettings_MarketType = "F";
  AppGlobal::g_bEnableStartEndTimeInF3F8 = 1;
  regGeneralXMLSettings.objGTDFilter.bSaveFilter = true;
  regGeneralXMLSettings.objPendingFilter.bOpenWithSorting = true;
  EXPECT_EQ(Bar().m_cmbOrderType.GetWindowText(), "SL");
  EXPECT_EQ(Bar().m_cmbInstType.GetWindowText(), "F");
  EXPECT_TRUE(Bar().m_dtpTimeFrom.IsWindowEnabled());
  EXPECT_FALSE(Bar().IsSaveFilterChecked());
  EXPECT_EQ(Bar().m_chkOpenWithSorting.GetCheck(), pf::BST_CHECKED);
  EXPECT_TRUE(Bar(ViewVariant::GTD).IsSaveFilterChecked());
  EXPECT_EQ(Bar(ViewVariant::GTD).m_chkOpenWithSorting.GetCheck(), pf::BST_UNCHECKED);
  // A setting no item starts with falls back to the first item.
  AppGlobal::cGeneralSettings_OrderBook = "XX";
  AppGlobal::cOrderSettings_MarketType = "Q";
  Bar().ApplyClientSettings();
  EXPECT_EQ(Bar().m_cmbOrderType.GetCurSel(), 0);
  EXPECT_EQ(Bar().m_cmbInstType.GetCurSel(), 0);
}

TEST_F(FilterBarLists, expiries_are_indexed_by_date_once_each) {
  OrderBookFilter& bar = Bar();
  EXPECT_EQ(bar.getIdxForSortingCmbExpiry("05MAR2025"), 0);
  EXPECT_EQ(bar.getIdxForSortingCmbExpiry("5FEB2025"), 0);     // earlier: goes first
  EXPECT_EQ(bar.getIdxForSortingCmbExpiry("27-MAR-2025"), 2);
  EXPECT_EQ(bar.getIdxForSortingCmbExpiry("5MAR2025"), -1);    // the same date again
  EXPECT_EQ(bar.getIdxForSortingCmbExpiry("MAR2025"), -1);     // no length that takes hyphens
  EXPECT_EQ(bar.getIdxForSortingCmbExpiry("05XYZ2025"), -1);   // not a date
  EXPECT_EQ(bar.m_cmbExpirySort.GetCount(), 3);
}

TEST_F(FilterBarLists, dealer_lists_keep_underscored_ids_whole_and_follow_the_user_type) {
  std::vector<std::string> retailers{"DLR_A_0_1", "ADMIN_0_0", "X_2_1", "DLR9_0_1", "BAD"};
  AppGlobal::g_pRetailerUserList = &retailers;
  AppGlobal::g_ObjUserInfoMap.items["DLR_A"] = {"Dealer", "DLR01", 0, 1};
  AppGlobal::g_ObjUserInfoMap.items["DLR9"] = {"Dealer", "OTHER", 0, 1};
  ORVEL5901 login;
  login.setUserId("DLR01");
  login.setUserType(1);  // administrator
  AppGlobal::g_pObjLoginResponse = &login;
  pf::ComboBox list(pf::CBS_DROPDOWNLIST | pf::CBS_SORT);
  Bar().AddAllOnlyDealerIdsInCombo(&list, true);
  // ADMIN needs no 1 at the end; an entry whose middle number is 2 is left out.
  EXPECT_EQ(Items(list), Strings({"DLR_A", "ADMIN", "DLR9"}));
  EXPECT_EQ(list.GetCurSel(), 0);
  login.setUserType(0);  // owned dealers only
  Bar().AddAllOnlyDealerIdsInCombo(&list, true);
  EXPECT_EQ(Items(list), Strings({"DLR_A"}));
  AppGlobal::g_ObjUserInfoMap.items["DLR_A"].iState = 2;  // left out without bAll
  Bar().AddAllOnlyDealerIdsInCombo(&list, false);
  EXPECT_EQ(Items(list), Strings({"DLR9"}));

  pf::ComboBox ibt(pf::CBS_DROPDOWNLIST | pf::CBS_SORT);
  Bar().AddAllIBTIdsInCombo(&ibt);
  EXPECT_EQ(Items(ibt), Strings({"DLR9", "DLR_A"}));
  AppGlobal::g_pObjLoginResponse = nullptr;
}

TEST_F(FilterBarLists, dealer_ids_from_trades_bind_the_user_id_as_a_value) {
  RecordCache::Close();
  ORVEL5901 login;
  login.setUserId("D'1");
  login.setAccountFlag(1);
  AppGlobal::g_pObjLoginResponse = &login;
  OrderRecordRow mine, other;
  mine.cOrvelClientId = "D'1";
  mine.cAccountnumber = "ACC";
  other.cOrvelClientId = "ZZ";
  other.cAccountnumber = "D'1";  // found through the account number
  ASSERT_TRUE(CInMemTradeInfo::getClass()->Insert(mine));
  ASSERT_TRUE(CInMemTradeInfo::getClass()->Insert(other));
  pf::ComboBox list(pf::CBS_DROPDOWNLIST | pf::CBS_SORT);
  Bar().AddDealerIdsInCombo(&list);
  EXPECT_EQ(Items(list), Strings({"D'1", "ZZ"}));
  AppGlobal::g_pObjLoginResponse = nullptr;
  RecordCache::Close();
}

TEST_F(FilterBarLists, the_windows_product_type_filler_skips_empty_and_already_started_types) {
  pf::ComboBox list(pf::CBS_DROPDOWNLIST | pf::CBS_SORT);
  OrderBookWnd& wnd = h.PendingWnd();
  wnd.FillProductTypeInCombo(&list, "MARGIN");
  wnd.FillProductTypeInCombo(&list, "");
  wnd.FillProductTypeInCombo(&list, "marg");  // a prefix of MARGIN: found, not added
  wnd.FillProductTypeInCombo(&list, "CNC");
  EXPECT_EQ(Items(list), Strings({"CNC", "MARGIN"}));
}

}  // namespace
