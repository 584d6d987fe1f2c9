#include "sortfilter/HeaderFilterFixture.h"

namespace {

using orv::platform::FilterDialogAnswer;
using orv::platform::FilterDialogKind;
using orv::platform::FilterDialogState;
using orv::platform::IDCANCEL;
using orv::platform::IDOK;
using orv::platform::OleDateTime;

class HeaderFilterDialogs : public HeaderFilterFixture {
 protected:
  static constexpr long kNow = 1718000000;  // a June 2024 afternoon

  HeaderFilterDialogs() { AppGlobal::lTime = kNow; }

  // Opens the set-filter dialog of `col` through its header menu and answers it.
  void SetFilter(OrderBookGrid& grid, int col, FilterDialogAnswer answer) {
    Dialogs().QueueAnswer(std::move(answer));
    grid.OnHeaderMenuButtonClick(col);
    grid.OnCommand(HostMenus::kSetFilter);
  }
  static FilterDialogAnswer Range(OleDateTime from, OleDateTime till, bool all = false) {
    FilterDialogAnswer answer;
    answer.result = IDOK;
    answer.state.bAll = all;
    answer.state.from = from;
    answer.state.till = till;
    return answer;
  }
  void AddAt(std::uint32_t refNo, OleDateTime when) {
    h.AddOrder(BookKind::Pending, refNo, [when](OrderBookDetails& r) { r.dtServerEntryTime = when; });
  }
  static void ExpectToday(const OleDateTime& value, int hour, int minute, int second) {
    const OleDateTime today = OleDateTime::FromLocalTime(kNow);
    EXPECT_EQ(value.GetYear(), today.GetYear());
    EXPECT_EQ(value.GetMonth(), today.GetMonth());
    EXPECT_EQ(value.GetDay(), today.GetDay());
    EXPECT_EQ(value.GetHour(), hour);
    EXPECT_EQ(value.GetMinute(), minute);
    EXPECT_EQ(value.GetSecond(), second);
  }
};

TEST_F(HeaderFilterDialogs, value_list_dialog_offers_the_columns_values_and_stores_what_was_accepted) {
  OrderBookGrid& grid = View();
  h.AddOrder(BookKind::Pending, 1, [](OrderBookDetails& r) { CopyText(r.Client, "C9"); });
  h.AddOrder(BookKind::Pending, 2, [](OrderBookDetails& r) { CopyText(r.Client, "C1"); });
  FilterDialogAnswer answer;
  answer.result = IDOK;
  answer.state.values = {"C1"};
  SetFilter(grid, COL_Client, answer);

  ASSERT_EQ(Dialogs().Shown().size(), 1u);
  const auto& request = Dialogs().Shown()[0].request;
  EXPECT_EQ(request.kind, FilterDialogKind::ValueList);
  EXPECT_EQ(request.offered, (std::vector<std::string>{"C1", "C9"}));
  EXPECT_TRUE(request.state.values.empty());
  EXPECT_EQ(Values(grid, COL_Client), std::vector<std::string>{"C1"});
  EXPECT_EQ(Shown(grid), std::set<std::uint32_t>{2});
}

TEST_F(HeaderFilterDialogs, a_cancelled_dialog_leaves_the_filter_and_an_accepted_show_all_clears_it) {
  OrderBookGrid& grid = View();
  grid.SetFilterParam(COL_B_S, {"BUY"}, false, true, false);
  FilterDialogAnswer cancel;
  cancel.result = IDCANCEL;
  cancel.state.values = {"SELL"};
  SetFilter(grid, COL_B_S, cancel);
  EXPECT_EQ(Values(grid, COL_B_S), std::vector<std::string>{"BUY"});
  SetFilter(grid, COL_B_S, FilterDialogAnswer{42, {}});  // no such button: cancelled
  EXPECT_EQ(Values(grid, COL_B_S), std::vector<std::string>{"BUY"});
  EXPECT_EQ(Dialogs().Shown().back().result, IDCANCEL);

  FilterDialogAnswer all;
  all.result = IDOK;
  all.state.bAll = true;
  SetFilter(grid, COL_B_S, all);
  EXPECT_FALSE(grid.IsFilterExist(COL_B_S));
}

TEST_F(HeaderFilterDialogs, a_time_range_keeps_the_rows_inside_it_and_moves_the_pickers_to_today) {
  OrderBookGrid& grid = View();
  AddAt(1, OleDateTime(2024, 6, 10, 9, 15, 0));
  AddAt(2, OleDateTime(2024, 6, 10, 11, 0, 0));
  AddAt(3, OleDateTime::Invalid());
  SetFilter(grid, COL_Server_Entry_Time,
            Range(OleDateTime(2024, 6, 10, 10, 0, 0), OleDateTime(2024, 6, 10, 12, 30, 5)));

  EXPECT_EQ(Dialogs().Shown().back().request.kind, FilterDialogKind::DateRange);
  EXPECT_EQ(Shown(grid), (std::set<std::uint32_t>{2, 3})) << "a record without a valid time stays";
  ASSERT_EQ(Bar().ranges.size(), 1u);
  ExpectToday(Bar().ranges[0].first, 10, 0, 0);
  ExpectToday(Bar().ranges[0].second, 12, 30, 5);
}

TEST_F(HeaderFilterDialogs, clearing_the_time_filter_sets_the_till_picker_to_23_00_00) {
  OrderBookGrid& grid = View();
  AddAt(1, OleDateTime(2024, 6, 10, 9, 15, 0));
  SetFilter(grid, COL_Server_Entry_Time, Range(OleDateTime(2024, 6, 10, 10, 0, 0), OleDateTime(2024, 6, 10, 12, 0, 0)));
  ASSERT_TRUE(Shown(grid).empty());

  grid.OnCommand(HostMenus::kClearFilter);
  EXPECT_FALSE(grid.IsFilterExist(COL_Server_Entry_Time));
  EXPECT_EQ(Shown(grid), std::set<std::uint32_t>{1});
  ASSERT_EQ(Bar().ranges.size(), 2u);
  ExpectToday(Bar().ranges[1].first, 0, 0, 0);
  ExpectToday(Bar().ranges[1].second, 23, 0, 0);
  EXPECT_TRUE(Bar().resets.empty()) << "the pickers are the time column's controls";

  SetFilter(grid, COL_Server_Entry_Time, Range(OleDateTime::Null(), OleDateTime::Null(), true));
  ASSERT_EQ(Bar().ranges.size(), 3u);
  ExpectToday(Bar().ranges[2].second, 23, 0, 0);
}

}  // namespace
