#pragma once
// Static text control: a label beside or above another control. It takes no input and no focus.
#include "host/platform/Control.h"

#include <string>
#include <string_view>

namespace orv::platform {

// The id every label of a dialog template shares.
inline constexpr int IDC_STATIC = -1;

class Static final : public Control {
 public:
  explicit Static(std::string_view text = {}, int id = IDC_STATIC) : Control(id), m_text(text) {}

  const std::string& GetWindowText() const { return m_text; }
  void SetWindowText(std::string_view text) { m_text.assign(text); }

 private:
  std::string m_text;
};

}  // namespace orv::platform
