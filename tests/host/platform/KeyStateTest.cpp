#include "host/platform/KeyState.h"

#include "host/platform/Application.h"

#include <gtest/gtest.h>

namespace orv::platform {
namespace {

TEST(KeyState, reports_held_modifiers_with_the_high_bit_and_others_as_released) {
  Application app;
  ApplicationScope scope(app);
  app.Keys().SetShift(true);
  app.Keys().SetPressed(Key::Ctrl, true);

  EXPECT_LT(GetKeyState(VK_SHIFT), 0);
  EXPECT_LT(GetKeyState(VK_CONTROL), 0);
  EXPECT_EQ(GetKeyState(VK_MENU), 0);
  EXPECT_EQ(GetKeyState('A'), 0);

  app.Keys().ReleaseAll();
  EXPECT_EQ(GetKeyState(VK_SHIFT), 0);
  EXPECT_FALSE(app.Keys().IsPressed(Key::Ctrl));
}

}  // namespace
}  // namespace orv::platform
