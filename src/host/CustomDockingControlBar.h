#pragma once
// The host's dockable window base: a titled bar that can be shown, hidden, closed and docked.
#include "host/WindowRect.h"
#include "host/platform/Window.h"

#include <string>

class CustomDockingControlBar : public orv::platform::Window {
 public:
  CustomDockingControlBar() = default;

  void SetDockTitle(std::string title) { m_title = std::move(title); }
  const std::string& GetDockTitle() const { return m_title; }

  // Visible as a docking bar: created and shown.
  bool IsVisible() const { return IsWindowVisible(); }
  virtual void ShowControlBar(bool show, bool delay = false, bool activate = true);

  bool IsTitleBarShown() const { return m_titleBarShown; }
  void ShowTitleBar(bool show) { m_titleBarShown = show; }
  // The caption strip of the bar on or off.
  void ShowHideTitleBar(bool show) { ShowTitleBar(show); }
  bool IsStatusBarShown() const { return m_statusBarShown; }
  void SetStatusBarShown(bool show) { m_statusBarShown = show; }

  // ---- Client area. The host sizes the bar; a created bar hears of it at once through a size
  // message (WM_SIZE with the width and height packed into lParam), as a native resize sends one.
  WindowRect GetClientRect() const { return WindowRect::FromSize(0, 0, m_clientCx, m_clientCy); }
  void SetClientSize(int cx, int cy);

  // ---- Host behaviours the views call. ----
  // Closing goes through the host, which only hides the bar: the object lives on and is shown
  // again later.
  void CloseDockingControlBar();
  int CloseRequests() const { return m_nCloseRequests; }

  // Whether Escape closes the bar (a per-window setting of the host; on unless the user turned
  // it off).
  bool IsCloseOnEscape() const { return m_bCloseOnEscape; }
  void SetCloseOnEscape(bool close) { m_bCloseOnEscape = close; }

  // Hides the floating bars of the host's tabbed area; they have no screen here, so the requests
  // are counted.
  void HideAllFloatingBarForMDITab() { ++m_nHideFloatingBarRequests; }
  int HideFloatingBarRequests() const { return m_nHideFloatingBarRequests; }

  // The host's form properties dialog for this bar; true when the user changed something. The
  // dialog has no screen here: it gives the answer set beforehand (once), else "nothing changed".
  bool OpenFormProperties();
  void SetNextFormPropertiesAnswer(bool changed) { m_bNextFormPropertiesAnswer = changed; }
  int FormPropertiesRequests() const { return m_nFormPropertiesRequests; }

  // Name of the bar's form settings; the grid's column profile is kept under it.
  const std::string& GetFormSettingsName() const { return m_formSettingsName; }
  void SetFormSettingsName(std::string name) { m_formSettingsName = std::move(name); }

 private:
  std::string m_title;
  std::string m_formSettingsName;
  bool m_titleBarShown = true;
  bool m_statusBarShown = true;
  bool m_bCloseOnEscape = true;
  bool m_bNextFormPropertiesAnswer = false;
  int m_clientCx = 0;
  int m_clientCy = 0;
  int m_nCloseRequests = 0;
  int m_nHideFloatingBarRequests = 0;
  int m_nFormPropertiesRequests = 0;
};
