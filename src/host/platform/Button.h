#pragma once
// Push button control: a caption and a click handler.
#include "host/platform/Control.h"

#include <string>
#include <string_view>

namespace orv::platform {

class Button final : public Control {
 public:
  explicit Button(std::string_view text = {}, int id = 0) : Control(id), m_text(text) {}

  const std::string& GetWindowText() const { return m_text; }
  void SetWindowText(std::string_view text) { m_text.assign(text); }

  void SetOnClick(Handler handler) { m_onClick = std::move(handler); }

  // The user clicks the button: the click handler runs. Ignored (false) while disabled or hidden.
  bool Click();

 private:
  std::string m_text;
  Handler m_onClick;
};

}  // namespace orv::platform
