// Choices in the bar becoming the grid's column filters: completion on leaving an edit, the
// cascades between fields, the time range, the check boxes and what the window asks of the bar.
#include "filterbar/FilterBarFixture.h"
#include "filterbar/OrvOrdersFilter.h"
#include "host/GeneralXmlSettings.h"
#include "host/platform/Application.h"
#include "host/platform/GridSelectMode.h"
#include "host/platform/KeyState.h"
#include "sortfilter/TimeRangeTexts.h"
#include "view/OrvPendingOrdersWnd.h"

namespace {

namespace pf = orv::platform;
using Strings = std::vector<std::string>;
using Refs = std::vector<std::uint32_t>;

pf::OleDateTime At(int day, int hour, int minute) { return pf::OleDateTime(2026, 6, day, hour, minute, 0); }

class FilterBarCascade : public FilterBarFixture {
 protected:
  FilterBarCascade() {
    AppGlobal::bNSE_Exchange = AppGlobal::bBSE_Exchange = 1;
    AppGlobal::m_pExchangeList = &m_exchanges;
    ScriptDesc* future = h.Master().Find(ViewHarness::kNiftyFut);
    CopyText(future->cExpiry, "25JUN2026");
    CopyText(future->cStrike, "0.00");
    // An equity contract that carries an expiry text all the same.
    CopyText(h.Master().Find(ViewHarness::kReliance)->cExpiry, "01JAN2026");
    Order(1, ViewHarness::kReliance, "BUY", "DLR01", "CLI", "C1", At(15, 9, 30));
    Order(2, kRelaxo, "SELL", "DLR02", "PRO", "", At(15, 11, 0));
    Order(3, ViewHarness::kNiftyFut, "BUY", "DLR01", "CLI", "C2", At(14, 10, 0));
    Order(4, kNiftyCall, "BUY", "DLR01", "CLI", "C1", At(15, 9, 45));
    Order(5, kNiftyPut, "SELL", "DLR03", "CLI", "C3", At(15, 12, 0));
  }

  void Order(std::uint32_t refNo, std::int32_t token, const char* side, const char* dealer, const char* proClient,
             const char* client, pf::OleDateTime entered) {
    h.AddOrder(BookKind::Pending, refNo, [&](OrderBookDetails& r) {
      r.lOurToken = token;
      r.pContract = h.Master().Find(token);
      CopyText(r.B_S, side);
      CopyText(r.OrvelClientId, dealer);
      CopyText(r.Pro_Client, proClient);
      CopyText(r.Client, client);
      r.dtServerEntryTime = entered;
    });
  }

  Strings FilterOf(int column) { return Values(Grid().FindFilter(column)); }

  std::vector<std::string> m_exchanges{"NSE", "BSE"};
};

TEST_F(FilterBarCascade, an_entry_no_displayed_order_has_is_kept_in_upper_case_and_shows_no_rows) {
  OrderBookFilter& bar = ShownBar();
  Type(bar.m_edtSymbol, "zz9");
  Leave();
  EXPECT_EQ(bar.m_edtSymbol.GetWindowText(), "ZZ9");
  EXPECT_EQ(FilterOf(COL_Symbol_ScriptID), Strings({"ZZ9"}));
  EXPECT_EQ(ShownRefNos(), Refs{});
}

TEST_F(FilterBarCascade, leaving_an_edit_unchanged_does_nothing_even_after_another_filter_source) {
  OrderBookFilter& bar = ShownBar();
  Type(bar.m_edtSymbol, "relaxo");
  Leave();
  // A header filter moves the column elsewhere without touching the bar's text.
  Grid().SetDefaultDemoFilter(COL_Symbol_ScriptID, "RELIANCE", false, true, true);
  ASSERT_TRUE(bar.GotoDlgCtrl(&bar.m_edtSymbol));
  Leave();
  EXPECT_EQ(FilterOf(COL_Symbol_ScriptID), Strings({"RELIANCE"}));
  // Written in another letter case it is still the same text.
  Type(bar.m_edtSymbol, "Relaxo");
  Leave();
  EXPECT_EQ(FilterOf(COL_Symbol_ScriptID), Strings({"RELIANCE"}));
}

TEST_F(FilterBarCascade, clearing_an_edit_writes_all_and_clears_its_filter_but_not_the_order_numbers) {
  OrderBookFilter& bar = ShownBar();
  Type(bar.m_edtUser, "dlr02");
  Leave();
  ASSERT_EQ(FilterOf(COL_OrvelClientId), Strings({"DLR02"}));
  Type(bar.m_edtUser, "");
  Leave();
  EXPECT_TRUE(filterbar::IsAllText(bar.m_edtUser.GetWindowText()));
  EXPECT_EQ(Grid().FindFilter(COL_OrvelClientId), nullptr);
  EXPECT_EQ(ShownRefNos().size(), 5u);

  // The order number is applied by stepping only: leaving it writes "All" and nothing more.
  Grid().SetDefaultDemoFilter(COL_OrderNo, "77", false, true, true);
  bar.m_edtOrderNo.EnableWindow(true);
  Type(bar.m_edtOrderNo, "");
  Leave();
  EXPECT_TRUE(filterbar::IsAllText(bar.m_edtOrderNo.GetWindowText()));
  EXPECT_EQ(FilterOf(COL_OrderNo), Strings({"77"}));
}

TEST_F(FilterBarCascade, equity_and_future_instrument_types_reset_and_lock_the_derivative_fields) {
  OrderBookFilter& bar = ShownBar();
  for (int column : {COL_Ser_Exp_Group, COL_Strike, COL_Option_Type})
    Grid().SetDefaultDemoFilter(column, "X", false, true, true);
  bar.m_edtStrike.SetWindowText("24000");
  Pick(bar.m_cmbInstType, "E");
  EXPECT_EQ(FilterOf(COL_Mkt_Seg), Strings({"E"}));
  for (int column : {COL_Ser_Exp_Group, COL_Strike, COL_Option_Type}) EXPECT_EQ(Grid().FindFilter(column), nullptr);
  for (auto* edit : {&bar.m_edtExpiry, &bar.m_edtStrike, &bar.m_edtOptType}) {
    EXPECT_TRUE(filterbar::IsAllText(edit->GetWindowText()));
    EXPECT_FALSE(edit->IsWindowEnabled());
  }
  Pick(bar.m_cmbInstType, "F");
  EXPECT_TRUE(bar.m_edtExpiry.IsWindowEnabled());
  EXPECT_FALSE(bar.m_edtStrike.IsWindowEnabled());
  EXPECT_FALSE(bar.m_edtOptType.IsWindowEnabled());
  Pick(bar.m_cmbInstType, "O");
  EXPECT_TRUE(bar.m_edtStrike.IsWindowEnabled());
}

TEST_F(FilterBarCascade, other_lists_relock_the_derivative_fields_without_touching_their_filters) {
  OrderBookFilter& bar = ShownBar();
  Pick(bar.m_cmbInstType, "E");
  Leave();
  // The expiry filter comes from elsewhere and shows in the bar; the window unlocks the fields.
  Grid().SetDefaultDemoFilter(COL_Ser_Exp_Group, "25JUN2026", false, true, false);
  bar.EnableTokenChangeControls();
  ASSERT_EQ(bar.m_edtExpiry.GetWindowText(), "25JUN2026");
  Pick(bar.m_cmbBuySell, "BUY");
  EXPECT_FALSE(bar.m_edtExpiry.IsWindowEnabled());
  EXPECT_FALSE(bar.m_edtStrike.IsWindowEnabled());
  EXPECT_EQ(bar.m_edtExpiry.GetWindowText(), "25JUN2026");
  EXPECT_EQ(FilterOf(COL_Ser_Exp_Group), Strings({"25JUN2026"}));
  EXPECT_EQ(FilterOf(COL_B_S), Strings({"BUY"}));
}

TEST_F(FilterBarCascade, spread_leg_shows_futures_in_the_instrument_type_without_filtering_it) {
  OrderBookFilter& bar = ShownBar();
  Pick(bar.m_cmbOrderLeg, "S");
  Leave();
  EXPECT_EQ(bar.m_cmbInstType.GetWindowText(), "F");
  EXPECT_EQ(FilterOf(COL_OrderLeg), Strings({"S"}));
  EXPECT_EQ(Grid().FindFilter(COL_Mkt_Seg), nullptr);
  Pick(bar.m_cmbOrderLeg, "A");
  EXPECT_EQ(Grid().FindFilter(COL_OrderLeg), nullptr);
}

TEST_F(FilterBarCascade, completion_offers_no_equity_expiry_and_only_option_strikes) {
  OrderBookFilter& bar = ShownBar();
  Type(bar.m_edtExpiry, "0");  // only the equity contract's expiry begins with 0
  Leave();
  EXPECT_EQ(bar.m_edtExpiry.GetWindowText(), "0");
  Type(bar.m_edtExpiry, "2");
  Leave();
  EXPECT_EQ(bar.m_edtExpiry.GetWindowText(), "25JUN2026");
  Type(bar.m_edtStrike, "0");  // the future's strike text is not an option's
  Leave();
  EXPECT_EQ(bar.m_edtStrike.GetWindowText(), "0");
  Type(bar.m_edtStrike, "2");
  Leave();
  EXPECT_EQ(bar.m_edtStrike.GetWindowText(), "23500");
  // Client codes of PRO orders are not offered; an all text stays all.
  Type(bar.m_edtClientCode, "all");
  Leave();
  EXPECT_EQ(bar.m_edtClientCode.GetWindowText(), "ALL");
  EXPECT_EQ(Grid().FindFilter(COL_Client), nullptr);
}

TEST_F(FilterBarCascade, without_start_and_end_times_a_range_is_the_whole_of_today) {
  OrderBookFilter& bar = ShownBar();
  bar.OnKillfocusDatetimePenFrom(nullptr, nullptr);
  EXPECT_EQ(bar.m_strTimeFrom, "00:00:00");
  EXPECT_EQ(bar.m_strTimeTill, "23:59:59");
  EXPECT_EQ(bar.m_dtTimeTill.Format(), "2026-06-15 23:59:59");
  EXPECT_EQ(ShownRefNos(), Refs({5, 4, 2, 1}));
}

TEST_F(FilterBarCascade, with_no_displayed_orders_an_entry_is_kept_and_still_applied) {
  AppOrderBook::Clear();
  OrderBookFilter& bar = ShownBar();
  Type(bar.m_edtStrategy, "momo");
  Leave();
  EXPECT_EQ(bar.m_edtStrategy.GetWindowText(), "MOMO");
  EXPECT_EQ(FilterOf(COL_Strategy), Strings({"MOMO"}));
}

TEST_F(FilterBarCascade, texts_too_long_for_the_column_are_cut_and_odd_characters_stay_one_value) {
  OrderBookFilter& bar = ShownBar();
  const std::string longText(60, 'Q');
  Type(bar.m_edtSymbol, longText);
  EXPECT_EQ(bar.m_edtSymbol.GetWindowTextLength(), 31);  // the symbol field's length
  bar.m_edtSymbol.SetWindowText(longText);               // a host's write is not limited
  Leave();
  EXPECT_EQ(FilterOf(COL_Symbol_ScriptID), Strings({std::string(31, 'Q')}));
  EXPECT_EQ(bar.m_edtSymbol.GetWindowText(), std::string(31, 'Q'));
  Type(bar.m_edtStrategy, "a'%s,\"b");
  Leave();
  EXPECT_EQ(FilterOf(COL_Strategy), Strings({"A'%S,\"B"}));
}

TEST_F(FilterBarCascade, a_bar_without_a_grid_changes_its_own_texts_and_hands_nothing_over) {
  OrvOrdersFilter bar;
  bar.OnInitDialog();
  ASSERT_EQ(bar.GetGrid(), nullptr);
  ASSERT_TRUE(bar.m_cmbBuySell.UserSelect(2));
  bar.m_edtUser.SetWindowText("dlr01");
  bar.OnKillfocusUser();
  bar.OnSelchangeInstrType();
  bar.OnKillfocusDatetimePenFrom(nullptr, nullptr);
  bar.OnSymbol();
  bar.SetdataOnFilterbar(COL_B_S, "BUY", false);  // no view window: nothing
  EXPECT_EQ(bar.m_cmbBuySell.GetWindowText(), "SELL");
  EXPECT_EQ(bar.m_edtUser.GetWindowText(), "DLR01");
  EXPECT_EQ(bar.m_strTimeFrom, "");
  EXPECT_EQ(Grid().FindFilter(COL_B_S), nullptr);
}

TEST_F(FilterBarCascade, the_gtd_bar_completes_from_the_gtd_book) {
  h.AddOrder(BookKind::GTD, 9, [&](OrderBookDetails& r) {
    r.lOurToken = kRelaxo;
    r.pContract = h.Master().Find(kRelaxo);
  });
  h.Gtd().OnPendingorderFilterbar();
  OrderBookFilter& bar = Bar(ViewVariant::GTD);
  bar.EnableTokenChangeControls();
  ASSERT_TRUE(bar.GotoDlgCtrl(&bar.m_edtSymbol));
  bar.m_edtSymbol.SetSel(0, -1);
  bar.m_edtSymbol.UserType("reli");
  bar.KillControlFocus();
  // RELIANCE is in the Pending book only.
  EXPECT_EQ(bar.m_edtSymbol.GetWindowText(), "RELI");
  EXPECT_EQ(Values(h.Gtd().FindFilter(COL_Symbol_ScriptID)), Strings({"RELI"}));
}

TEST_F(FilterBarCascade, tab_from_the_grid_and_the_token_filter_reach_the_bars_controls) {
  OrderBookFilter& bar = ShownBar();
  pf::MSG tab;
  tab.message = pf::WM_KEYDOWN;
  tab.wParam = pf::VK_TAB;
  Grid().SetFocus();
  ASSERT_TRUE(Grid().PreTranslateMessage(&tab));
  EXPECT_TRUE(bar.m_cmbExchange.HasFocus());
  bar.m_cmbExchange.EnableWindow(false);
  bar.m_cmbInstType.EnableWindow(false);
  Grid().SetFocus();  // the bar's control loses the focus with the bar
  EXPECT_EQ(bar.GetFocusControl(), nullptr);
  ASSERT_TRUE(Grid().PreTranslateMessage(&tab));
  EXPECT_TRUE(bar.m_edtSymbol.HasFocus());
  h.App().Keys().SetShift(true);
  ASSERT_TRUE(Grid().PreTranslateMessage(&tab));
  h.App().Keys().ReleaseAll();
  EXPECT_TRUE(bar.m_btnShowStatus.HasFocus());
  EXPECT_FALSE(bar.m_edtSymbol.HasFocus());

  // F3 on a row narrows to its contract and locks the contract fields; F3 again unlocks them.
  bar.m_cmbExchange.EnableWindow(true);
  bar.m_cmbInstType.EnableWindow(true);
  Grid().SetCurSel({0, 0}, pf::kSelSingleItem);
  AppGlobal::CurrentLOurTokenForApp = ViewHarness::kReliance;
  pf::MSG f3;
  f3.message = pf::WM_KEYDOWN;
  f3.wParam = pf::VK_F3;
  ASSERT_TRUE(Grid().PreTranslateMessage(&f3));
  EXPECT_FALSE(bar.m_cmbExchange.IsWindowEnabled());
  EXPECT_FALSE(bar.m_edtSymbol.IsWindowEnabled());
  EXPECT_FALSE(bar.m_cmbInstType.IsWindowEnabled());
  ASSERT_TRUE(Grid().PreTranslateMessage(&f3));
  EXPECT_TRUE(bar.m_cmbExchange.IsWindowEnabled());
  EXPECT_TRUE(bar.m_edtSymbol.IsWindowEnabled());
}

TEST_F(FilterBarCascade, header_menu_clears_and_the_ord_status_box_reach_the_bars_controls) {
  OrderBookFilter& bar = ShownBar();
  Pick(bar.m_cmbBuySell, "SELL");
  Pick(bar.m_cmbProClient, "PRO");
  Grid().PrepareHeaderMenuColumn(COL_B_S);
  Grid().OnFilterClear();
  EXPECT_EQ(bar.m_cmbBuySell.GetWindowText(), "All");
  Grid().PrepareHeaderMenuColumn(COL_Pro_Client);
  Grid().OnFilterClear();
  EXPECT_EQ(bar.m_cmbProClient.GetWindowText(), "All");
  EXPECT_TRUE(bar.m_edtClientCode.IsWindowEnabled());

  // "Ord Status" hands the chosen status over again after another source changed it.
  Pick(bar.m_cmbOrderStatus, "Rejected");
  Grid().SetDefaultDemoFilter(COL_Order_Status, "Pending", false, true, true);
  ASSERT_TRUE(bar.m_chkOrdStatus.Click());
  EXPECT_EQ(FilterOf(COL_Order_Status), Strings({"Rejected"}));
  EXPECT_TRUE(bar.m_chkOrdStatus.HasFocus());
  EXPECT_TRUE(bar.m_chkOrdStatus.IsWindowEnabled());
}

TEST_F(FilterBarCascade, the_setting_boxes_flip_the_variants_flags) {
  OrderBookFilter& bar = ShownBar();
  ASSERT_TRUE(bar.m_chkOpenWithSorting.Click());
  EXPECT_TRUE(regGeneralXMLSettings.objPendingFilter.bOpenWithSorting);
  EXPECT_FALSE(regGeneralXMLSettings.objGTDFilter.bOpenWithSorting);
  ASSERT_TRUE(bar.m_chkSaveFilter.Click());
  EXPECT_TRUE(regGeneralXMLSettings.objPendingFilter.bSaveFilter);
  EXPECT_TRUE(bar.IsSaveFilterChecked());
  ASSERT_TRUE(bar.m_chkSaveFilter.Click());
  EXPECT_FALSE(regGeneralXMLSettings.objPendingFilter.bSaveFilter);
  EXPECT_FALSE(bar.IsSaveFilterChecked());
}

TEST_F(FilterBarCascade, the_filter_bar_command_shows_the_bar_once_and_focuses_it) {
  AppGlobal::bGeneralSettings_Disable_Misc_Ctrl = 1;
  OrderBookGrid& grid = h.ShowAllRows();
  OrderBookWnd& wnd = h.PendingWnd();
  OrderBookFilter& bar = Bar();
  ASSERT_FALSE(wnd.bFilterBarShown);
  grid.OnPendingorderFilterbar();
  EXPECT_TRUE(wnd.bFilterBarShown);
  EXPECT_FALSE(bar.m_cmbOrderStyle.IsWindowEnabled());
  EXPECT_FALSE(bar.m_btnShowStatus.IsWindowEnabled());
  EXPECT_TRUE(bar.m_cmbExchange.HasFocus());
  h.Run();
  EXPECT_EQ(wnd.GetGridRect().top, 60);
  grid.OnPendingorderFilterbar();  // shown already: it stays shown
  EXPECT_TRUE(wnd.bFilterBarShown);
  bar.Close();
  EXPECT_FALSE(wnd.bFilterBarShown);
}

TEST(FilterBarTimeRange, time_only_texts_are_read_on_the_hosts_current_date) {
  AppGlobal::lTime = static_cast<long>(HostToday());
  EXPECT_EQ(time_range::ParseRangeEnd("09:15:00").Format(), "2026-06-15 09:15:00");
  EXPECT_EQ(time_range::ParseRangeEnd("2026-01-02 09:15:00").Format(), "2026-01-02 09:15:00");
  EXPECT_FALSE(time_range::ParseRangeEnd("nine").IsValid());
  EXPECT_TRUE(time_range::SameRangeEnd(pf::OleDateTime(1.0), pf::OleDateTime(1.0 + 1.0 / 200000)));
  EXPECT_FALSE(time_range::SameRangeEnd(pf::OleDateTime(1.0), pf::OleDateTime(1.0 + 1.0 / 100000)));
  EXPECT_TRUE(time_range::SameRangeEnd(pf::OleDateTime::Null(), pf::OleDateTime::Null()));
  EXPECT_FALSE(time_range::SameRangeEnd(pf::OleDateTime::Null(), pf::OleDateTime::Invalid()));
  AppGlobal::lTime = 0;
}

}  // namespace
