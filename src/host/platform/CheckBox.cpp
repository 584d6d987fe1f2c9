#include "host/platform/CheckBox.h"

#include <algorithm>

namespace orv::platform {

CheckBox::CheckBox(std::string_view text, int id, bool threeState)
    : Control(id), m_text(text), m_threeState(threeState) {}

void CheckBox::SetCheck(int state) { m_state = std::clamp(state, BST_UNCHECKED, TopState()); }

bool CheckBox::Click() {
  if (!IsWindowEnabled()) return false;
  m_state = m_state >= TopState() ? BST_UNCHECKED : m_state + 1;
  if (m_onClick) m_onClick();
  return true;
}

}  // namespace orv::platform
