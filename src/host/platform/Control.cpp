#include "host/platform/Control.h"

namespace orv::platform {

bool Control::EnableWindow(bool enable) {
  const bool wasDisabled = !m_enabled;
  m_enabled = enable;
  // A control that is switched off while it has the focus loses it.
  if (!enable && m_focused) NotifyKillFocus();
  return wasDisabled;
}

bool Control::NotifySetFocus() {
  if (!m_enabled || m_focused) return m_focused;
  m_focused = true;
  if (m_onSetFocus) m_onSetFocus();
  return true;
}

void Control::NotifyKillFocus() {
  if (!m_focused) return;
  m_focused = false;
  if (m_onKillFocus) m_onKillFocus();
}

}  // namespace orv::platform
