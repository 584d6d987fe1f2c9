#include "host/platform/FilterDialogService.h"

#include "host/platform/MessageBoxService.h"

#include <gtest/gtest.h>

namespace orv::platform {
namespace {

FilterDialogState Opening() {
  FilterDialogState state;
  state.values = {"BUY"};
  state.from = OleDateTime(2024, 6, 10, 9, 0, 0);
  state.till = OleDateTime(2024, 6, 10, 15, 0, 0);
  return state;
}

TEST(FilterDialogService, an_unanswered_or_cancelled_dialog_leaves_the_parameters_alone) {
  FilterDialogService dialogs;
  FilterDialogRequest request{FilterDialogKind::ValueList, 15, {"BUY", "SELL"}, Opening()};
  FilterDialogState state = Opening();
  EXPECT_EQ(dialogs.DoModal(request, state), IDCANCEL);
  dialogs.QueueAnswer({IDCANCEL, {true, {"SELL"}, {}, {}}});
  dialogs.QueueAnswer({IDYES, {true, {"SELL"}, {}, {}}});  // the dialog has no such button
  EXPECT_EQ(dialogs.DoModal(request, state), IDCANCEL);
  EXPECT_EQ(dialogs.DoModal(request, state), IDCANCEL);
  EXPECT_EQ(state.values, std::vector<std::string>{"BUY"});
  EXPECT_FALSE(state.bAll);
  EXPECT_EQ(dialogs.Shown().size(), 3u);
}

TEST(FilterDialogService, each_dialog_takes_only_the_fields_it_edits) {
  FilterDialogService dialogs;
  const FilterDialogState answer{true, {"SELL"}, OleDateTime(2024, 1, 1, 0, 0, 0), OleDateTime(2024, 1, 2, 0, 0, 0)};
  dialogs.SetAnswerer([&](const FilterDialogRequest&) { return FilterDialogAnswer{IDOK, answer}; });

  FilterDialogState list = Opening();
  EXPECT_EQ(dialogs.DoModal({FilterDialogKind::ValueList, 15, {}, list}, list), IDOK);
  EXPECT_TRUE(list.bAll);
  EXPECT_EQ(list.values, std::vector<std::string>{"SELL"});
  EXPECT_EQ(list.from, Opening().from);

  FilterDialogState range = Opening();
  EXPECT_EQ(dialogs.DoModal({FilterDialogKind::DateRange, 42, {}, range}, range), IDOK);
  EXPECT_EQ(range.values, std::vector<std::string>{"BUY"});
  EXPECT_EQ(range.from, answer.from);
  EXPECT_EQ(range.till, answer.till);
  EXPECT_EQ(dialogs.Shown().back().state.till, answer.till);
}

}  // namespace
}  // namespace orv::platform
