#pragma once
// The native window our toolkit stand-in gives every module window: a parent, a visibility, focus,
// timers and posted messages routed through the thread's event loop.
#include "host/platform/Types.h"

#include <string>
#include <vector>

namespace orv::platform {

class Application;

class Window {
 public:
  // Binds to the Application current on this thread, if any. Without one the window still works
  // as a plain object, but refuses timers and messages.
  Window();
  // Binds to a given Application (for windows the Application itself owns).
  explicit Window(Application& app);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Creating gives the window its native state; until then timers and messages are refused.
  // Fails when the window already exists.
  bool CreateNative(Window* parent);
  // Destroys the native state of the window and of its children (children first), dropping their
  // timers and messages. The objects themselves stay alive and may be created again.
  void DestroyNative();
  bool GetSafeHwnd() const { return m_created; }

  Window* GetParent() const { return m_parent; }
  bool IsWindowVisible() const { return m_created && m_visible; }
  // Ignored before CreateNative(); OnShowChanged() is called only when the visibility changes.
  void ShowWindow(bool show);

  bool HasFocus() const;
  // Moves the Application's focus here; the window that had it hears of the loss first
  // (OnKillFocus), as a native focus change tells the window that loses it.
  void SetFocus();

  // Returns `id` when armed, 0 when refused (not created, no Application, or id 0).
  UINT_PTR SetTimer(UINT_PTR id, unsigned elapseMs);
  bool KillTimer(UINT_PTR id);
  bool PostMessage(unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // A message box of the window's Application (the thread's current one for an unbound window);
  // returns the answer, 0 when there is no Application at all.
  int MessageBox(std::string text, std::string caption, unsigned flags) const;

  // Delivery points of the event loop.
  virtual void OnTimer(UINT_PTR /*id*/) {}
  virtual LRESULT OnMessage(unsigned /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/) { return 0; }
  virtual void OnShowChanged(bool /*visible*/) {}
  // The focus moved from this window to another one.
  virtual void OnKillFocus() {}

  // Throws std::logic_error when the window has no Application (see HasApp()).
  Application& App() const;
  bool HasApp() const { return m_app != nullptr; }

 private:
  friend class Application;
  // Called by an Application that ends before its windows: they keep working, unbound.
  void DetachFromApplication() { m_app = nullptr; }
  void RemoveChild(const Window* child);

  Application* m_app;
  Window* m_parent = nullptr;
  std::vector<Window*> m_children;  // created children, so destroying the parent reaches them
  bool m_created = false;
  bool m_visible = false;
};

}  // namespace orv::platform
