#pragma once
// The host's dockable window base: a titled bar that can be shown, hidden and docked.
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
  bool IsStatusBarShown() const { return m_statusBarShown; }
  void SetStatusBarShown(bool show) { m_statusBarShown = show; }

 private:
  std::string m_title;
  bool m_titleBarShown = true;
  bool m_statusBarShown = true;
};
