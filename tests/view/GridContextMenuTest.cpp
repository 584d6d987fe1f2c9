#include "support/ViewHarness.h"
#include "view/ColumnCatalogue.h"
#include "view/ModuleResources.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>

namespace {

using orv::platform::Menu;
using orv::platform::MenuItem;

class GridContextMenu : public ::testing::Test {
 protected:
  // Opens the context menu of `grid` and returns the menu as it was shown.
  const Menu& Open(OrderBookGrid& grid) {
    const std::size_t before = h.App().PopupMenus().TrackedCount();
    grid.OnContextMenu(40, 50);
    EXPECT_EQ(h.App().PopupMenus().TrackedCount(), before + 1) << "the menu was shown";
    return h.App().PopupMenus().Last()->menu;
  }
  static const MenuItem& Item(const Menu& menu, unsigned id) {
    const MenuItem* item = menu.FindCommand(id);
    if (item == nullptr) throw std::runtime_error("no menu item " + std::to_string(id));
    return *item;
  }
  static bool Ticked(const Menu& menu, unsigned id) { return Item(menu, id).checked; }
  // "ticked", "greyed", "ticked greyed" or "" for an item, so a failure names what is wrong.
  static std::string State(const Menu& menu, unsigned id) {
    const MenuItem& item = Item(menu, id);
    return std::string(item.checked ? "ticked" : "") + (item.checked && item.grayed ? " " : "") +
           (item.grayed ? "greyed" : "");
  }
  void ExpectStates(const Menu& menu, std::initializer_list<unsigned> ids, const std::string& state) {
    for (unsigned id : ids) EXPECT_EQ(State(menu, id), state) << "item " << id;
  }

  ViewHarness h;
};

TEST_F(GridContextMenu, several_exchanges_are_ticked_and_usable_and_the_cme_submenu_never_ticks) {
  auto& grid = h.Pending();
  grid.SetFilterParam(COL_ExchCode, {"BSE", "MSEI CD"}, false, true, false);
  ExpectStates(Open(grid), {2015, 2017}, "ticked");
  ExpectStates(h.App().PopupMenus().Last()->menu, {2013, 2014}, "");

  grid.SetFilterParam(COL_ExchCode, {"MSEI", "CME"}, false, true, false);
  const Menu& menu = Open(grid);
  EXPECT_TRUE(Ticked(menu, 32782));
  EXPECT_FALSE(Ticked(menu, 2017)) << "MSEI CD is another exchange";
  EXPECT_FALSE(Ticked(menu, 2028)) << "the CME submenu's ALL adds CME; it shows no state";
}

TEST_F(GridContextMenu, the_default_status_filter_ticks_pending_and_unconfirmed_and_without_it_all_is_ticked) {
  auto& grid = h.Pending();
  const Menu& byDefault = Open(grid);
  ExpectStates(byDefault, {2042, 2043}, "ticked");
  ExpectStates(byDefault, {2041, 2044}, "");

  grid.OnQuickFilter(2041);  // clears the default status filter
  const Menu& menu = Open(grid);
  ExpectStates(menu, {2013, 2029, 2034, 2053, 2037, 2041, 2056}, "ticked greyed");  // every group's All
  for (unsigned value : {2042u, 2043u, 2044u, 2045u, 2035u, 2036u}) EXPECT_FALSE(Ticked(menu, value)) << value;
}

TEST_F(GridContextMenu, bulk_items_follow_the_setting_on_pending_and_are_always_grey_on_gtd) {
  auto& grid = h.Pending();
  EXPECT_EQ(Item(Open(grid), 2004).text, "&Filter Bar..\tShift+S");
  ExpectStates(h.App().PopupMenus().Last()->menu, {32775, 32774}, "greyed");
  AppGlobal::g_bPendingOrdersOnBulkWindow = 1;
  EXPECT_EQ(Item(Open(grid), 2004).text, "Filter Bar..\tShift+S");
  ExpectStates(h.App().PopupMenus().Last()->menu, {32775, 32774}, "");
  ExpectStates(Open(h.Gtd()), {32775, 32774}, "greyed");
}

}  // namespace
