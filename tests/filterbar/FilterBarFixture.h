#pragma once
// A view whose filter bar is driven as the user drives it: a control takes the focus, text is
// typed or an entry picked, and the focus moves on.
#include "filterbar/OrderBookFilter.h"
#include "support/HostToday.h"
#include "support/ViewHarness.h"
#include "view/ColumnCatalogue.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

class FilterBarFixture : public ::testing::Test {
 protected:
  static constexpr std::int32_t kRelaxo = 101000010;
  static constexpr std::int32_t kNiftyCall = 102000011;
  static constexpr std::int32_t kNiftyPut = 102000012;

  FilterBarFixture() {
    AppGlobal::lTime = static_cast<long>(HostToday());
    h.AddContract(kRelaxo, "NSE", "RELAXO", "E", 1, "%.2f");
    Option(kNiftyCall, "24000", "CE");
    Option(kNiftyPut, "23500", "PE");
  }

  void Option(std::int32_t token, const char* strike, const char* type) {
    ScriptDesc* o = h.AddContract(token, "NSE", "NIFTY", "O", 75, "%.2f");
    CopyText(o->cStrike, strike);
    CopyText(o->cOptionType, type);
    CopyText(o->cExpiry, "30JUN2026");
  }

  OrderBookFilter& Bar(ViewVariant variant = ViewVariant::Pending) {
    return *h.Wnd(variant).GetFilterBar();
  }
  OrderBookGrid& Grid() { return h.Pending(); }
  // The bar shown by the window's command, with the contract fields unlocked (the symbol edit
  // starts disabled) and every row of the book shown.
  OrderBookFilter& ShownBar() {
    OrderBookGrid& grid = h.ShowAllRows();
    grid.OnPendingorderFilterbar();
    Bar().EnableTokenChangeControls();
    h.Run();
    return Bar();
  }

  static std::vector<std::string> Items(const orv::platform::ComboBox& combo) {
    std::vector<std::string> items;
    for (int i = 0; i < combo.GetCount(); ++i) items.push_back(combo.GetLBText(i));
    return items;
  }
  static std::vector<std::string> Values(const MULTIPLEFILTER_PARAM* filter) {
    return filter && !filter->bAll ? filter->lstValues : std::vector<std::string>{};
  }

  // The user types into an edit (it takes the focus and selects its text first).
  void Type(orv::platform::Edit& edit, const std::string& text) {
    ASSERT_TRUE(Bar().GotoDlgCtrl(&edit));
    edit.SetSel(0, -1);
    if (text.empty()) edit.ReplaceSel("");
    else edit.UserType(text);
  }
  void Pick(orv::platform::ComboBox& combo, const std::string& text) {
    ASSERT_TRUE(Bar().GotoDlgCtrl(&combo));
    ASSERT_TRUE(combo.UserSelect(combo.FindStringExact(-1, text)));
  }
  // The focus leaves the bar's control for the bar's background.
  void Leave() { Bar().KillControlFocus(); }
  // The rows the grid shows after the next refresh, by RefNo, top row first.
  std::vector<std::uint32_t> ShownRefNos() {
    h.Run();
    return ViewHarness::RowRefNos(Grid());
  }

  ViewHarness h;
};
