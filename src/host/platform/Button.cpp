#include "host/platform/Button.h"

namespace orv::platform {

bool Button::Click() {
  if (!IsWindowEnabled() || !IsWindowVisible()) return false;
  if (m_onClick) m_onClick();
  return true;
}

}  // namespace orv::platform
