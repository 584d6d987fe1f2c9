#include "host/platform/Menu.h"

#include "TestWindows.h"
#include "host/platform/Application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv::platform {
namespace {

using testing::RecordingWindow;

// A cut-down grid context menu: one popup holding commands, a separator and a quick-filter submenu.
Menu GridMenuTemplate() {
  Menu root;
  Menu& popup = root.AppendPopup("Grid");
  popup.AppendMenu(MF_STRING, 2002, "Modify\tShift+F2");
  popup.AppendMenu(MF_STRING, 2063, "Cancel\tShift+F1/<delete>");
  popup.AppendMenu(MF_SEPARATOR);
  Menu& exchange = popup.AppendPopup("Exchange");
  exchange.AppendMenu(MF_STRING, 2020, "ALL");
  exchange.AppendMenu(MF_STRING, 2021, "NSE");
  exchange.AppendMenu(MF_STRING, 2022, "BSE");
  popup.AppendMenu(MF_STRING, 32780, "Save Filter");
  popup.AppendMenu(MF_STRING, 2010, "StatusBar\tCtrl+U");
  return root;
}

class MenuTest : public ::testing::Test {
 protected:
  Application app;
  ApplicationScope scope{app};
  std::vector<std::string> log;

  void SetUp() override { app.Resources().RegisterMenu(2001, GridMenuTemplate(), "orvbook"); }
};

TEST_F(MenuTest, a_loaded_menu_is_a_copy_that_leaves_the_template_untouched) {
  Menu menu;
  ASSERT_TRUE(menu.LoadMenu(2001));
  menu.GetSubMenu(0)->RemoveMenu(32780, MF_BYCOMMAND);
  menu.CheckMenuItem(2021, MF_BYCOMMAND | MF_CHECKED);

  Menu again;
  ASSERT_TRUE(again.LoadMenu(2001));
  EXPECT_NE(again.FindCommand(32780), nullptr);
  EXPECT_EQ(again.GetMenuState(2021, MF_BYCOMMAND), MF_UNCHECKED);
}

TEST_F(MenuTest, checks_and_greys_reach_commands_inside_submenus) {
  Menu menu;
  menu.LoadMenu(2001);

  EXPECT_EQ(menu.CheckMenuItem(2021, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED);
  EXPECT_EQ(menu.EnableMenuItem(2021, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
  EXPECT_EQ(menu.CheckMenuItem(4242, MF_BYCOMMAND | MF_CHECKED), kMenuNotFound);

  EXPECT_EQ(menu.GetMenuState(2021, MF_BYCOMMAND), MF_CHECKED | MF_GRAYED);
  EXPECT_EQ(menu.GetMenuState(2022, MF_BYCOMMAND), 0u);
  EXPECT_TRUE(menu.SetEnabled(2021, true));
  EXPECT_EQ(menu.GetMenuState(2021, MF_BYCOMMAND), MF_CHECKED);
}

TEST_F(MenuTest, removing_by_command_finds_the_item_anywhere_and_reports_a_missing_one) {
  Menu menu;
  menu.LoadMenu(2001);
  const int before = menu.GetSubMenu(0)->GetMenuItemCount();

  EXPECT_TRUE(menu.RemoveMenu(32780, MF_BYCOMMAND));
  EXPECT_TRUE(menu.DeleteMenu(2022, MF_BYCOMMAND));
  EXPECT_FALSE(menu.RemoveMenu(32780, MF_BYCOMMAND));

  EXPECT_EQ(menu.GetSubMenu(0)->GetMenuItemCount(), before - 1);
  EXPECT_EQ(menu.FindCommand(2022), nullptr);
}

TEST_F(MenuTest, a_chosen_command_is_posted_to_the_owner_and_reaches_it_on_the_next_loop_pass) {
  RecordingWindow grid("grid", log);
  grid.CreateNative(nullptr);
  app.PopupMenus().SetChooser([](const Menu&) { return 2063u; });
  Menu menu;
  menu.LoadMenu(2001);

  const unsigned chosen = menu.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 10, 20, &grid);

  EXPECT_EQ(chosen, 2063u);
  EXPECT_TRUE(log.empty());
  app.Loop().runPending();
  EXPECT_EQ(log, (std::vector<std::string>{"grid msg " + std::to_string(WM_COMMAND) + "/2063 @0"}));
}

TEST_F(MenuTest, choosing_a_greyed_or_unknown_item_or_having_no_chooser_dismisses_the_menu) {
  RecordingWindow grid("grid", log);
  grid.CreateNative(nullptr);
  Menu menu;
  menu.LoadMenu(2001);
  menu.EnableMenuItem(2002, MF_BYCOMMAND | MF_GRAYED);

  EXPECT_EQ(menu.TrackPopupMenu(0, 0, 0, &grid), 0u);
  app.PopupMenus().SetChooser([](const Menu&) { return 2002u; });
  EXPECT_EQ(menu.TrackPopupMenu(0, 0, 0, &grid), 0u);
  app.PopupMenus().SetChooser([](const Menu&) { return 31337u; });
  EXPECT_EQ(menu.TrackPopupMenu(0, 0, 0, &grid), 0u);

  app.Loop().runPending();
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(app.PopupMenus().TrackedCount(), 3u);
}

}  // namespace
}  // namespace orv::platform
