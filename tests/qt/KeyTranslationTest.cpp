#include "host/platform/VirtualKeys.h"
#include "ui/qt/KeyTranslation.h"

#include <gtest/gtest.h>

namespace {

namespace pf = orv::platform;
using orv::ui::VirtualKeyOf;

TEST(KeyTranslation, letters_digits_and_function_keys_keep_their_codes) {
  EXPECT_EQ(VirtualKeyOf(Qt::Key_A, Qt::ControlModifier), 'A');
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Z, Qt::NoModifier), 'Z');
  EXPECT_EQ(VirtualKeyOf(Qt::Key_7, Qt::NoModifier), '7');
  EXPECT_EQ(VirtualKeyOf(Qt::Key_F1, Qt::NoModifier), pf::VK_F1);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_F8, Qt::ShiftModifier), pf::VK_F8);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_F12, Qt::NoModifier), pf::VK_F12);
}

TEST(KeyTranslation, navigation_and_editing_keys_map_to_their_virtual_keys) {
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Delete, Qt::NoModifier), pf::VK_DELETE);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Escape, Qt::NoModifier), pf::VK_ESCAPE);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Return, Qt::NoModifier), pf::VK_RETURN);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_PageUp, Qt::NoModifier), pf::VK_PRIOR);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_PageDown, Qt::NoModifier), pf::VK_NEXT);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Home, Qt::NoModifier), pf::VK_HOME);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Backtab, Qt::ShiftModifier), pf::VK_TAB);
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Up, Qt::NoModifier), pf::VK_UP);
}

}  // namespace
