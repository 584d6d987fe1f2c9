#pragma once
// What every control of the toolkit stand-in has in common: a dialog id, the enabled and
// visible states, and the focus notifications a dialog wires its handlers to.
//
// Controls are plain objects, not native windows: the code that owns them drives them directly,
// and the Notify... members stand in for the user moving the focus.
#include <functional>
#include <utility>

namespace orv::platform {

class Control {
 public:
  using Handler = std::function<void()>;

  explicit Control(int id = 0) : m_id(id) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  int GetDlgCtrlID() const { return m_id; }
  void SetDlgCtrlID(int id) { m_id = id; }

  // Returns true when the control was disabled before the call, like the toolkit's call.
  bool EnableWindow(bool enable = true);
  bool IsWindowEnabled() const { return m_enabled; }

  void ShowWindow(bool show) { m_visible = show; }
  bool IsWindowVisible() const { return m_visible; }

  void SetOnSetFocus(Handler handler) { m_onSetFocus = std::move(handler); }
  void SetOnKillFocus(Handler handler) { m_onKillFocus = std::move(handler); }
  bool HasFocus() const { return m_focused; }
  // The focus arrives at or leaves the control. A disabled control cannot take the focus.
  bool NotifySetFocus();
  void NotifyKillFocus();

 private:
  int m_id;
  bool m_enabled = true;
  bool m_visible = true;
  bool m_focused = false;
  Handler m_onSetFocus;
  Handler m_onKillFocus;
};

}  // namespace orv::platform
