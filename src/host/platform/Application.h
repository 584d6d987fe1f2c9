#pragma once
// Per-thread toolkit state, as a window finds it: the event loop, the main window's inbox, message
// boxes, popup menus, the grid's filter menus and dialogs, the file dialogs, the keyboard state,
// the focus, the wait cursor and the registered resources.
// One Application is current per thread (made current by ApplicationScope); a window binds to the
// one current when it is constructed.
#include "host/platform/EventLoop.h"
#include "host/platform/FileDialogService.h"
#include "host/platform/FilterDialogService.h"
#include "host/platform/FilterMenuTracker.h"
#include "host/platform/KeyState.h"
#include "host/platform/MainWindowInbox.h"
#include "host/platform/MenuTracker.h"
#include "host/platform/MessageBoxService.h"
#include "host/platform/ResourceRegistry.h"

#include <unordered_set>

namespace orv::platform {

class Window;

class Application {
 public:
  Application();
  // Windows still bound to the Application are unbound (they then refuse timers and messages).
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static Application* Current();

  EventLoop& Loop() { return m_loop; }
  MainWindowInbox& MainWindow() { return m_mainWindow; }
  MessageBoxService& MessageBoxes() { return m_messageBoxes; }
  MenuTracker& PopupMenus() { return m_popupMenus; }
  FilterMenuTracker& FilterMenus() { return m_filterMenus; }
  FilterDialogService& FilterDialogs() { return m_filterDialogs; }
  FileDialogService& FileDialogs() { return m_fileDialogs; }
  KeyState& Keys() { return m_keys; }
  ResourceRegistry& Resources() { return m_resources; }

  Window* FocusWindow() const { return m_focus; }
  void SetFocusWindow(Window* w) { m_focus = w; }
  void ForgetWindow(const Window* w);

  // Wait cursor depth (BeginWaitCursor/EndWaitCursor pairs).
  void BeginWaitCursor() { ++m_waitCursor; }
  void EndWaitCursor() { if (m_waitCursor > 0) --m_waitCursor; }
  int WaitCursorDepth() const { return m_waitCursor; }

 private:
  friend class Window;
  void AttachWindow(Window* w) { m_windows.insert(w); }
  void DetachWindow(const Window* w) { m_windows.erase(const_cast<Window*>(w)); }

  // Declared first so that it outlives every member that binds windows to this Application.
  std::unordered_set<Window*> m_windows;
  EventLoop m_loop;
  MainWindowInbox m_mainWindow;
  MessageBoxService m_messageBoxes;
  MenuTracker m_popupMenus;
  FilterMenuTracker m_filterMenus;
  FilterDialogService m_filterDialogs;
  FileDialogService m_fileDialogs;
  KeyState m_keys;
  ResourceRegistry m_resources;
  Window* m_focus = nullptr;
  int m_waitCursor = 0;
};

// Makes an Application current on this thread for its lifetime (restores the previous one).
class ApplicationScope {
 public:
  explicit ApplicationScope(Application& app);
  ~ApplicationScope();
  ApplicationScope(const ApplicationScope&) = delete;
  ApplicationScope& operator=(const ApplicationScope&) = delete;

 private:
  Application* m_previous;
};

}  // namespace orv::platform
