#include "view/ModuleResources.h"

#include "host/platform/Application.h"
#include "host/platform/ExtensionModules.h"
#include "host/platform/Menu.h"

#include <gtest/gtest.h>

namespace {

using orv::platform::Application;
using orv::platform::ResourceKind;

TEST(ModuleResources, a_loaded_module_brings_its_menus_templates_and_images_to_every_application) {
  Application app;
  const auto& r = app.Resources();
  EXPECT_TRUE(orv::platform::IsExtensionModuleLoaded("orvbook"));
  for (unsigned id : {2001u, 2002u}) EXPECT_TRUE(r.Contains(ResourceKind::menu, id)) << id;
  for (unsigned id : {7350u, 61551u}) EXPECT_TRUE(r.Contains(ResourceKind::dialog, id)) << id;
  ASSERT_TRUE(r.Contains(ResourceKind::imageStrip, 169));
  EXPECT_EQ(r.FindImageStrip(169)->imageWidth, 12);
  EXPECT_FALSE(r.Contains(ResourceKind::menu, 166)) << "the host's own menu is not the module's";

  orv::platform::Menu menu;
  ASSERT_TRUE(menu.LoadMenu(r, 2001));
  orv::platform::Menu* popup = menu.GetSubMenu(0);
  ASSERT_NE(popup, nullptr);
  for (unsigned id : {2002u, 2063u, 2064u, 2013u, 2059u, 32780u, 5010u, 32775u, 32774u, 2008u})
    EXPECT_NE(popup->FindCommand(id), nullptr) << id;
  EXPECT_EQ(popup->FindCommand(2064)->text, "Cancel All\tShift+F3");
}

}  // namespace
