#pragma once
// Which modifier keys are held, as the keyboard handlers ask for them. The GUI or the scenario
// driver sets the flags before it hands a key message to a window.
#include "host/platform/VirtualKeys.h"

namespace orv::platform {

enum class Key { Shift, Ctrl, Alt };

class KeyState final {
 public:
  bool IsPressed(Key key) const;
  void SetPressed(Key key, bool pressed);
  void SetShift(bool pressed) { m_shift = pressed; }
  void SetCtrl(bool pressed) { m_ctrl = pressed; }
  void SetAlt(bool pressed) { m_alt = pressed; }
  void ReleaseAll() { m_shift = m_ctrl = m_alt = false; }

  // The high bit (the value is negative) when the key is held; 0 for keys not tracked.
  short GetKeyState(int vk) const;

 private:
  bool m_shift = false;
  bool m_ctrl = false;
  bool m_alt = false;
};

// GetKeyState of the current thread's Application; 0 when there is none.
short GetKeyState(int vk);

}  // namespace orv::platform
