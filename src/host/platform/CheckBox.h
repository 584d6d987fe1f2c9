#pragma once
// Check box control: a caption, a check state and a click handler.
#include "host/platform/Control.h"

#include <string>
#include <string_view>

namespace orv::platform {

inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;
inline constexpr int BST_INDETERMINATE = 2;

class CheckBox : public Control {
 public:
  explicit CheckBox(std::string_view text = {}, int id = 0, bool threeState = false);

  const std::string& GetWindowText() const { return m_text; }
  void SetWindowText(std::string_view text) { m_text.assign(text); }

  // States above what the box can show (BST_INDETERMINATE on a two-state box) become its top
  // state; negative values count as unchecked. Never notifies.
  void SetCheck(int state);
  int GetCheck() const { return m_state; }

  void SetOnClick(Handler handler) { m_onClick = std::move(handler); }

  // The user clicks the box: it steps to its next state and the click handler runs. Ignored
  // (returns false) while disabled.
  bool Click();

 private:
  int TopState() const { return m_threeState ? BST_INDETERMINATE : BST_CHECKED; }

  std::string m_text;
  bool m_threeState;
  int m_state = BST_UNCHECKED;
  Handler m_onClick;
};

}  // namespace orv::platform
