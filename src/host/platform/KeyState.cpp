#include "host/platform/KeyState.h"

#include "host/platform/Application.h"

namespace orv::platform {

namespace {
constexpr short kPressedBit = static_cast<short>(0x8000);
}  // namespace

bool KeyState::IsPressed(Key key) const {
  switch (key) {
    case Key::Shift:
      return m_shift;
    case Key::Ctrl:
      return m_ctrl;
    case Key::Alt:
      return m_alt;
  }
  return false;
}

void KeyState::SetPressed(Key key, bool pressed) {
  switch (key) {
    case Key::Shift:
      m_shift = pressed;
      break;
    case Key::Ctrl:
      m_ctrl = pressed;
      break;
    case Key::Alt:
      m_alt = pressed;
      break;
  }
}

short KeyState::GetKeyState(int vk) const {
  switch (vk) {
    case VK_SHIFT:
      return m_shift ? kPressedBit : short{0};
    case VK_CONTROL:
      return m_ctrl ? kPressedBit : short{0};
    case VK_MENU:
      return m_alt ? kPressedBit : short{0};
    default:
      return 0;
  }
}

short GetKeyState(int vk) {
  Application* app = Application::Current();
  return app == nullptr ? short{0} : app->Keys().GetKeyState(vk);
}

}  // namespace orv::platform
