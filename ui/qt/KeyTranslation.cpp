#include "ui/qt/KeyTranslation.h"

#include "host/platform/VirtualKeys.h"

namespace orv::ui {

namespace pf = orv::platform;

namespace {

int KeypadKey(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return pf::VK_NUMPAD0 + (qtKey - Qt::Key_0);
  switch (qtKey) {
    case Qt::Key_Asterisk:
      return pf::VK_MULTIPLY;
    case Qt::Key_Plus:
      return pf::VK_ADD;
    case Qt::Key_Minus:
      return pf::VK_SUBTRACT;
    case Qt::Key_Period:
    case Qt::Key_Comma:
      return pf::VK_DECIMAL;
    case Qt::Key_Slash:
      return pf::VK_DIVIDE;
    case Qt::Key_Enter:
      return pf::VK_RETURN;
    default:
      return 0;
  }
}

// The unshifted key of a symbol on a US keyboard.
int SymbolKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_Asterisk: return '8';
    case Qt::Key_ParenLeft: return '9';
    case Qt::Key_ParenRight: return '0';
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return pf::VK_OEM_4;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return pf::VK_OEM_6;
    case Qt::Key_Equal:
    case Qt::Key_Plus: return pf::VK_OEM_PLUS;
    case Qt::Key_Comma:
    case Qt::Key_Less: return pf::VK_OEM_COMMA;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return pf::VK_OEM_MINUS;
    case Qt::Key_Period:
    case Qt::Key_Greater: return pf::VK_OEM_PERIOD;
    default: return 0;
  }
}

}  // namespace

int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (modifiers.testFlag(Qt::KeypadModifier)) {
    if (const int vk = KeypadKey(qtKey)) return vk;
  }
  // Letters and digits are their upper-case ASCII codes in both numberings.
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return pf::VK_F1 + (qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Backspace: return pf::VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return pf::VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return pf::VK_RETURN;
    case Qt::Key_Shift: return pf::VK_SHIFT;
    case Qt::Key_Control: return pf::VK_CONTROL;
    case Qt::Key_Alt: return pf::VK_MENU;
    case Qt::Key_Escape: return pf::VK_ESCAPE;
    case Qt::Key_Space: return pf::VK_SPACE;
    case Qt::Key_PageUp: return pf::VK_PRIOR;
    case Qt::Key_PageDown: return pf::VK_NEXT;
    case Qt::Key_End: return pf::VK_END;
    case Qt::Key_Home: return pf::VK_HOME;
    case Qt::Key_Left: return pf::VK_LEFT;
    case Qt::Key_Up: return pf::VK_UP;
    case Qt::Key_Right: return pf::VK_RIGHT;
    case Qt::Key_Down: return pf::VK_DOWN;
    case Qt::Key_Insert: return pf::VK_INSERT;
    case Qt::Key_Delete: return pf::VK_DELETE;
    default: return SymbolKey(qtKey);
  }
}

}  // namespace orv::ui
