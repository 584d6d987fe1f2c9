#include "host/CustomScrollingDialog.h"

#include <algorithm>

using orv::platform::Control;

CustomScrollingDialog::~CustomScrollingDialog() = default;

void CustomScrollingDialog::BindControl(Control& control) {
  auto same = std::find_if(m_controls.begin(), m_controls.end(),
                           [&](const Control* c) { return c->GetDlgCtrlID() == control.GetDlgCtrlID(); });
  if (same != m_controls.end()) *same = &control;
  else m_controls.push_back(&control);
}

Control* CustomScrollingDialog::GetDlgItem(int id) const {
  for (Control* c : m_controls)
    if (c->GetDlgCtrlID() == id) return c;
  return nullptr;
}

Control* CustomScrollingDialog::GetFocusControl() const {
  for (Control* c : m_controls)
    if (c->HasFocus()) return c;
  return nullptr;
}

bool CustomScrollingDialog::GotoDlgCtrl(Control* control) {
  if (control == nullptr || !control->IsWindowEnabled() || !control->IsWindowVisible()) return false;
  SetFocus();
  // A kill-focus handler may move the focus itself; each control that still has it loses it.
  for (Control* c : m_controls)
    if (c != control && c->HasFocus()) c->NotifyKillFocus();
  return control->NotifySetFocus();
}

void CustomScrollingDialog::KillControlFocus() {
  for (Control* c : m_controls)
    if (c->HasFocus()) c->NotifyKillFocus();
}

void CustomScrollingDialog::SetCustomFocus(Control* control) {
  if (control == nullptr) return;
  m_pCustomFocus = control;
  if (m_customFocusObserver) m_customFocusObserver(*control);
}

void CustomScrollingDialog::OnKillFocus() { KillControlFocus(); }
