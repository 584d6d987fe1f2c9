#pragma once
// The host's scrolling dialog base: a child dialog that owns no controls itself but knows the ones
// its subclass binds, moves the keyboard focus between them, and brings a control to the user's
// attention inside its scrolled area.
//
// Focus within the dialog follows the toolkit: the control that takes the focus hears of it
// (its set-focus handler) after the one that had it hears of the loss (its kill-focus handler);
// when the focus leaves the dialog for another window, the dialog's focused control loses it too.
#include "host/platform/Control.h"
#include "host/platform/VirtualKeys.h"
#include "host/platform/Window.h"

#include <functional>
#include <vector>

class CustomScrollingDialog : public orv::platform::Window {
 public:
  explicit CustomScrollingDialog(int templateId) : m_templateId(templateId) {}
  ~CustomScrollingDialog() override;

  int GetTemplateId() const { return m_templateId; }

  // Runs once after the dialog's native window exists; TRUE (true) lets the toolkit set the
  // first focus. The base does nothing else.
  virtual bool OnInitDialog() { return true; }
  // Enter and Escape end a modal dialog; a child dialog overrides them.
  virtual void OnOK() {}
  virtual void OnCancel() {}
  // Keys before the focused control sees them; true when consumed. The base consumes none.
  virtual bool PreTranslateMessage(orv::platform::MSG* /*pMsg*/) { return false; }

  // Binds a control to the dialog under its id (DoDataExchange); binding an id again rebinds it.
  void BindControl(orv::platform::Control& control);
  // The bound control with `id`, or null.
  orv::platform::Control* GetDlgItem(int id) const;
  // Bound controls in binding order.
  const std::vector<orv::platform::Control*>& BoundControls() const { return m_controls; }

  // Moves the focus to `control` (a bound one): the dialog takes the window focus, the control
  // that had the focus loses it, then `control` gets it. False when the control refuses (it is
  // disabled or hidden) — the focus then stays where it was.
  bool GotoDlgCtrl(orv::platform::Control* control);
  // The bound control that has the focus, or null.
  orv::platform::Control* GetFocusControl() const;
  // The focused control loses the focus and the dialog keeps it (a click on the dialog's own
  // background).
  void KillControlFocus();

  // Brings a control to the user's attention: the dialog scrolls it into view. Here the request
  // is remembered and reported to the observer (a screen scrolls its area); the keyboard focus is
  // not moved.
  void SetCustomFocus(orv::platform::Control* control);
  orv::platform::Control* GetCustomFocus() const { return m_pCustomFocus; }
  void SetCustomFocusObserver(std::function<void(orv::platform::Control&)> observer) {
    m_customFocusObserver = std::move(observer);
  }

  void OnKillFocus() override;

 private:
  int m_templateId;
  std::vector<orv::platform::Control*> m_controls;
  orv::platform::Control* m_pCustomFocus = nullptr;
  std::function<void(orv::platform::Control&)> m_customFocusObserver;
};
