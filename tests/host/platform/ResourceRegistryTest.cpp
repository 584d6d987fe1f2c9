#include "host/platform/ResourceRegistry.h"

#include <gtest/gtest.h>

namespace orv::platform {
namespace {

Menu OneItemMenu(const char* text) {
  Menu menu;
  menu.AppendPopup("popup").AppendMenu(MF_STRING, 1, text);
  return menu;
}

class ResourceRegistryTest : public ::testing::Test {
 protected:
  ResourceRegistry resources;

  void LoadModule() {
    ASSERT_TRUE(resources.RegisterModule("orvbook"));
    resources.RegisterMenu(2001, OneItemMenu("grid"), "orvbook");
    resources.RegisterMenu(2002, OneItemMenu("bar"), "orvbook");
    resources.RegisterDialog(7350, DialogTemplate{"Pending filter bar", {{1001, "combo"}, {1002, "edit"}}},
                             "orvbook");
    resources.RegisterImageStrip(169, ImageStrip{12, 12, 6}, "orvbook");
  }
};

TEST_F(ResourceRegistryTest, unloading_a_module_removes_every_resource_it_registered_and_nothing_else) {
  LoadModule();
  resources.RegisterMenu(166, OneItemMenu("header"));  // the application's own

  EXPECT_EQ(resources.UnregisterModule("orvbook"), 4u);

  EXPECT_FALSE(resources.Contains(ResourceKind::menu, 2001));
  EXPECT_FALSE(resources.Contains(ResourceKind::menu, 2002));
  EXPECT_FALSE(resources.Contains(ResourceKind::dialog, 7350));
  EXPECT_FALSE(resources.Contains(ResourceKind::imageStrip, 169));
  EXPECT_TRUE(resources.Contains(ResourceKind::menu, 166));
  EXPECT_FALSE(resources.IsModuleRegistered("orvbook"));
}

TEST_F(ResourceRegistryTest, an_id_taken_by_another_owner_is_refused_and_the_first_entry_kept) {
  LoadModule();

  EXPECT_FALSE(resources.RegisterMenu(2001, OneItemMenu("intruder"), "other"));
  EXPECT_FALSE(resources.RegisterMenu(2001, OneItemMenu("intruder")));
  EXPECT_TRUE(resources.RegisterMenu(2001, OneItemMenu("grid v2"), "orvbook"));

  EXPECT_EQ(resources.FindMenu(2001)->GetMenuString(1, MF_BYCOMMAND), "grid v2");
  EXPECT_EQ(resources.UnregisterModule("other"), 0u);
}

TEST_F(ResourceRegistryTest, kinds_have_separate_id_spaces) {
  LoadModule();

  EXPECT_TRUE(resources.UnregisterImageStrip(169));

  EXPECT_FALSE(resources.Contains(ResourceKind::imageStrip, 169));
  EXPECT_EQ(resources.FindImageStrip(169), nullptr);
  EXPECT_FALSE(resources.Contains(ResourceKind::menu, 7350));
  EXPECT_FALSE(resources.UnregisterDialog(2001));
}

}  // namespace
}  // namespace orv::platform
