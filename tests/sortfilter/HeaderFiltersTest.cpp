#include "sortfilter/HeaderFilterFixture.h"

#include "sortfilter/QuickFilters.h"

namespace {

using orv::platform::FilterDialogAnswer;
using orv::platform::FilterMenuAnswer;
using orv::platform::IDCANCEL;
using orv::platform::IDOK;
using orv::platform::OleDateTime;

class HeaderFilters : public HeaderFilterFixture {
 protected:
  // Opens the header menu of `col` and answers it with `answer`; the chosen command arrives once
  // the event loop runs.
  void Answer(OrderBookGrid& grid, int col, FilterMenuAnswer answer) {
    Menus().QueueAnswer(std::move(answer));
    grid.OnHeaderMenuButtonClick(col);
    h.Run();
  }
  static FilterMenuAnswer Apply(std::vector<std::string> ticked, bool all = false) {
    return {HostMenus::kApplyFilter, all, std::move(ticked)};
  }
};

TEST_F(HeaderFilters, header_menu_opens_with_the_stored_filter_ticked_and_without_the_removed_items) {
  OrderBookGrid& grid = View();
  grid.SetFilterParam(COL_B_S, {"SELL"}, false, true, false);
  grid.OnHeaderMenuButtonClick(COL_B_S);

  const auto& state = grid.HeaderMenuState();
  EXPECT_EQ(state.nCol, COL_B_S);
  EXPECT_FALSE(state.bAll);
  EXPECT_EQ(state.lstValues, std::vector<std::string>{"SELL"});
  EXPECT_EQ(grid.nHeaderMenuColumn, COL_B_S);
  const auto& shown = Menus().Last();
  ASSERT_TRUE(shown.has_value());
  EXPECT_EQ(shown->menu.values, (std::vector<std::string>{"BUY", "SELL"}));
  EXPECT_EQ(shown->menu.nApplyCommand, HostMenus::kApplyFilter);
  EXPECT_EQ(shown->menu.commands.FindCommand(HostMenus::kGroupByColumn), nullptr);
  EXPECT_EQ(shown->menu.commands.FindCommand(HostMenus::kFilterRow), nullptr);
  EXPECT_NE(shown->menu.commands.FindCommand(HostMenus::kClearFilter), nullptr);

  grid.OnHeaderMenuButtonClick(COL_Pro_Client);
  EXPECT_TRUE(grid.HeaderMenuState().bAll) << "no filter on the column: the all entry is ticked";
  EXPECT_TRUE(grid.HeaderMenuState().lstValues.empty());

  for (int col : {COL_Price, COL_lOurToken}) grid.OnHeaderMenuButtonClick(col);
  EXPECT_EQ(Menus().TrackedCount(), 2u) << "a column without filter button opens no menu";
  EXPECT_EQ(grid.nHeaderMenuColumn, COL_Pro_Client) << "and keeps the menu column";
  EXPECT_EQ(grid.HeaderMenuState().nCol, COL_Pro_Client);
}

TEST_F(HeaderFilters, apply_stores_the_ticked_values_and_clear_and_clear_all_take_them_away) {
  OrderBookGrid& grid = View();
  AddOn(1, ViewHarness::kNiftyFut);
  h.AddOrder(BookKind::Pending, 2, [](OrderBookDetails& r) { CopyText(r.B_S, "SELL"); });

  Answer(grid, COL_B_S, Apply({"SELL", "NOT OFFERED"}));
  EXPECT_EQ(Values(grid, COL_B_S), std::vector<std::string>{"SELL"}) << "a value the list cannot show is dropped";
  EXPECT_EQ(Shown(grid), std::set<std::uint32_t>{2});
  EXPECT_EQ(Bar().mirrored.back(), (RecordingFilterBar::Mirrored{COL_B_S, "SELL", false}));

  Answer(grid, COL_B_S, {HostMenus::kClearFilter, false, {}});
  EXPECT_FALSE(grid.IsFilterExist(COL_B_S));
  EXPECT_EQ(Bar().resets, std::vector<int>{COL_B_S});
  EXPECT_EQ(Shown(grid), (std::set<std::uint32_t>{1, 2}));

  Answer(grid, COL_B_S, Apply({"BUY"}));
  ASSERT_TRUE(grid.OnUpdateClearAllFilter());
  grid.OnCommand(33031);
  EXPECT_FALSE(grid.IsFilterExist(-1)) << "the default status filter goes as well";
  EXPECT_FALSE(grid.OnUpdateClearAllFilter());
  EXPECT_FALSE(h.PendingWnd().OnUpdateFilterClear());
}

TEST_F(HeaderFilters, apply_with_the_all_entry_clears_the_column_and_empties_its_filter_bar_control) {
  OrderBookGrid& grid = View();
  grid.SetFilterParam(COL_B_S, {"BUY"}, false, true, false);
  Answer(grid, COL_B_S, Apply({"BUY"}, true));
  EXPECT_FALSE(grid.IsFilterExist(COL_B_S));
  EXPECT_EQ(Bar().mirrored.back(), (RecordingFilterBar::Mirrored{COL_B_S, "BUY", true}));
  EXPECT_NE(std::find(Bar().mirrored.begin(), Bar().mirrored.end(), RecordingFilterBar::Mirrored{COL_B_S, "", true}),
            Bar().mirrored.end());
}

TEST_F(HeaderFilters, status_filters_compare_the_status_code_text_not_the_cell) {
  OrderBookGrid& grid = View();
  h.AddOrder(BookKind::Pending, 1, [](OrderBookDetails& r) { CopyText(r.Order_Status, "Pending Leg"); });
  h.AddOrder(BookKind::Pending, 2, [](OrderBookDetails& r) {
    r.eOrderStatus = eCancelled;
    CopyText(r.Order_Status, "Pending");
  });
  h.AddOrder(BookKind::Pending, 3, [](OrderBookDetails& r) {
    r.eOrderStatus = eUnConfirmed;
    CopyText(r.Order_Status, "UnConfirmed");
  });
  Answer(grid, COL_Order_Status, Apply({"Pending"}));
  EXPECT_EQ(Shown(grid), std::set<std::uint32_t>{1});
  const std::vector<std::string> statuses{"Pending", "Cancelled", "UnConfirmed", "Rejected", "Completed", "AMOUnconfirmed"};
  EXPECT_EQ(Menus().Last()->menu.values, statuses);

  grid.OnQuickFilter(2041);  // Order Status All
  grid.OnQuickFilter(2043);  // "Un-Confirmed"
  EXPECT_EQ(Shown(grid), std::set<std::uint32_t>{3});
}

TEST_F(HeaderFilters, offered_values_come_from_every_displayed_record_sorted_bytewise_once_each) {
  OrderBookGrid& grid = View();
  h.AddContract(301, "NSE", "alpha", "E", 1, "%.2f");
  h.AddContract(302, "NSE", "\xC3\xA9tat", "E", 1, "%.2f");  // a byte above 0x7F sorts last
  AddOn(1, ViewHarness::kNiftyFut);
  AddOn(2, kBseEq);
  AddOn(3, ViewHarness::kNiftyFut);
  AddOn(4, 301);
  AddOn(5, 302);
  AddOn(6, ViewHarness::kReliance);
  grid.OnQuickFilter(2015);  // BSE only: NIFTY and the others are hidden
  ASSERT_EQ(Shown(grid), std::set<std::uint32_t>{2});

  std::vector<std::string> values{"kept"};
  grid.GetStringList(values, COL_Symbol_ScriptID);
  EXPECT_EQ(values, (std::vector<std::string>{"kept", "NIFTY", "RELIANCE", "TATA", "alpha", "\xC3\xA9tat"}));
}

TEST_F(HeaderFilters, tips_describe_the_filter_without_using_its_values_as_a_format) {
  OrderBookGrid& grid = View();
  std::string title;
  ASSERT_TRUE(grid.GetHeaderMenuButtonTooltip(COL_B_S, title));
  EXPECT_EQ(title, "Filter by B_S");
  EXPECT_FALSE(grid.GetHeaderMenuButtonTooltip(COL_Price, title));

  EXPECT_EQ(grid.GetCurFilterButtonDescription(COL_B_S), "Click to set new filter by this column");
  grid.SetFilterParam(COL_B_S, {"BUY", "SELL"}, false, true, false);
  EXPECT_EQ(grid.GetCurFilterButtonDescription(COL_B_S), "Contains \"BUY, SELL\"");
  grid.SetFilterParam(COL_Client, {"%s%n%d"}, false, true, false);
  EXPECT_EQ(grid.GetCurFilterButtonDescription(COL_Client), "Contains \"%s%n%d\"");

  MULTIPLEFILTER_PARAM none;
  grid.AddFilter(COL_Strategy, none);
  EXPECT_EQ(grid.GetCurFilterButtonDescription(COL_Strategy), "(Showing None)");
  MULTIPLEFILTER_PARAM all;
  all.bAll = true;
  grid.AddFilter(COL_Validity, all);
  EXPECT_EQ(grid.GetCurFilterButtonDescription(COL_Validity), "(Showing All)");
  MULTIPLEFILTER_PARAM range;
  range.dtFrom = OleDateTime(2024, 1, 1, 9, 0, 0);
  grid.AddFilter(COL_Server_Entry_Time, range);
  EXPECT_EQ(grid.GetCurFilterButtonDescription(COL_Server_Entry_Time), "");

  std::string text;
  const int x = grid.GetColumnWidth(0) * COL_B_S + 1;  // every column starts 80 wide, in id order
  ASSERT_TRUE(grid.OnNeedTipText(x, title, text));
  EXPECT_EQ(title, "Filter by B_S");
  EXPECT_EQ(text, "Contains \"BUY, SELL\"");
}

TEST_F(HeaderFilters, set_filter_param_refuses_columns_outside_the_grid) {
  OrderBookGrid& pending = View();
  OrderBookGrid& gtd = View(ViewVariant::GTD);
  const auto before = pending.Filters().size();
  pending.SetFilterParam(-1, {"x"}, false, true, false);
  pending.SetFilterParam(kPendingColumnCount, {"x"}, false, true, false);
  EXPECT_EQ(pending.Filters().size(), before);
  pending.SetFilterParam(COL_NNFID, {"7"}, false, true, false);
  EXPECT_TRUE(pending.IsFilterExist(COL_NNFID));

  gtd.SetFilterParam(kGtdColumnCount, {"x"}, false, true, false);
  EXPECT_FALSE(gtd.IsFilterExist(kGtdColumnCount));
  gtd.SetFilterParam(COL_Order_Initiate_Time, {"x"}, false, true, false);
  EXPECT_TRUE(gtd.IsFilterExist(COL_Order_Initiate_Time));

  OrvPendingOrdersGrid loose;  // no window: nothing to filter for
  loose.SetFilterParam(COL_B_S, {"BUY"}, false, true, false);
  EXPECT_FALSE(loose.IsFilterExist(-1));
}

}  // namespace
