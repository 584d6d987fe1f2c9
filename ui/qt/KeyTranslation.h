#pragma once
// Qt key presses as the virtual-key codes the module's key tables are written in.
#include <Qt>

namespace orv::ui {

// The virtual-key code of a Qt key (Qt::Key_...), or 0 for a key the module has no code for.
// Shifted symbols of a US keyboard map back to their key ('!' is '1'), so Shift+1 reads as the
// module expects it; with the keypad modifier, digits and operators are the keypad's keys.
int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace orv::ui
