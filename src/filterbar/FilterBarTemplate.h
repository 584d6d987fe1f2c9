#pragma once
// The filter bar's dialog template: its 44 controls in tab order, each label before its field,
// with the grid column each field filters. The bar builds its controls from this table and the
// module registers it as the dialog templates of both variants (same controls, ids and texts).
#include "host/platform/ResourceRegistry.h"

#include <array>
#include <string>
#include <string_view>

namespace filterbar {

enum class ControlKind { List, Edit, TimePicker, CheckBox, Button, Label, ScratchList };

struct ControlSpec {
  int id;
  ControlKind kind;
  std::string_view text;    // caption or label; empty for lists and edits
  std::string_view member;  // the bar's member bound to it; empty for labels and the hidden button
  int column;               // grid column the field filters, -1 for none
  unsigned style;
  bool visible;
};

inline constexpr int kDialogWidthDlu = 1051;
inline constexpr int kDialogHeightDlu = 39;
inline constexpr std::size_t kControlCount = 44;

const std::array<ControlSpec, kControlCount>& Controls();
// The spec of a control id (labels share -1 and are not found); null for an unknown id.
const ControlSpec* FindControl(int id);
// The spec of the control bound to a member name ("m_edtSymbol"); null when none is.
const ControlSpec* FindMember(std::string_view member);
// "list", "edit", "time", "check", "button", "label", "scratch".
std::string_view KindName(ControlKind kind);

// The template as the toolkit keeps it, under the variant's dialog name.
orv::platform::DialogTemplate MakeDialogTemplate(std::string name);

}  // namespace filterbar
