// The "filterbar" step: the user's hand on one control of a view's filter bar. The control takes
// the focus first (the control that had it loses it, so leaving an edit completes and applies
// it), then the step types into an edit, picks a list entry, sets a picker's time or clicks a box
// or button, and may leave the control again.
#include "filterbar/OrderBookFilter.h"
#include "scenario/FilterBarDump.h"
#include "scenario/ScenarioHost.h"
#include "scenario/StepArgs.h"
#include "scenario/StepGroups.h"
#include "scenario/StepTable.h"
#include "view/OrderBookWnd.h"

#include <optional>
#include <string>

namespace orv::scenario {

namespace {

namespace pf = orv::platform;
using filterbar::ControlKind;

const OrderBookFilter::TemplateControl& FindControl(const OrderBookFilter& bar, const nlohmann::json& value) {
  if (value.is_string()) {
    const std::string member = value.get<std::string>();
    if (const filterbar::ControlSpec* spec = filterbar::FindMember(member)) {
      for (const auto& entry : bar.TemplateControls())
        if (entry.spec == spec) return entry;
    }
    StepArgs::Fail("\"control\": the filter bar has no control \"" + member + "\"");
  }
  const std::int64_t id = StepArgs::ToInt(value, "control");
  for (const auto& entry : bar.TemplateControls())
    if (entry.spec->id == id && entry.spec->kind != ControlKind::Label) return entry;
  StepArgs::Fail("\"control\": the filter bar has no control " + std::to_string(id));
}

std::string NameOf(const filterbar::ControlSpec& spec) {
  return std::to_string(spec.id) + (spec.member.empty() ? std::string() : " (" + std::string(spec.member) + ")");
}

void RequireKind(const filterbar::ControlSpec& spec, std::string_view field, std::initializer_list<ControlKind> kinds) {
  for (ControlKind k : kinds)
    if (spec.kind == k) return;
  StepArgs::Fail("\"" + std::string(field) + "\" does not apply to control " + NameOf(spec) + ", a " +
                 std::string(filterbar::KindName(spec.kind)));
}

// The list entry a "pick" names: its text (ignoring case, as the list finds it) or its index.
int PickedIndex(const pf::ComboBox& combo, const nlohmann::json& pick) {
  if (pick.is_string()) {
    const int index = combo.FindStringExact(-1, pick.get<std::string>());
    if (index == pf::CB_ERR) StepArgs::Fail("\"pick\": the list has no entry \"" + pick.get<std::string>() + "\"");
    return index;
  }
  const std::int64_t index = StepArgs::ToInt(pick, "pick");
  if (index < 0 || index >= combo.GetCount())
    StepArgs::Fail("\"pick\": entry " + std::to_string(index) + " does not exist (the list has " +
                   std::to_string(combo.GetCount()) + " entries)");
  return static_cast<int>(index);
}

// "HH:MM:SS" on the picker's own date.
pf::OleDateTime PickedTime(const pf::TimePicker& picker, const nlohmann::json& value) {
  const std::string text = StepArgs::ToText(value, "time");
  pf::OleDateTime parsed;
  if (text.find_first_of("-/") != std::string::npos || !parsed.ParseDateTime(text))
    StepArgs::Fail("\"time\" must be a time of day \"HH:MM:SS\", not \"" + text + "\"");
  const pf::OleDateTime shown = picker.GetTime();
  return pf::OleDateTime(shown.GetYear(), shown.GetMonth(), shown.GetDay(), parsed.GetHour(), parsed.GetMinute(),
                         parsed.GetSecond());
}

void FilterBar(ScenarioHost& host, const StepArgs& args) {
  OrderBookWnd& wnd = host.RequireWindow(args.View());
  OrderBookFilter* bar = wnd.GetFilterBar();
  if (!bar) StepArgs::Fail("the view has no filter bar");
  const OrderBookFilter::TemplateControl& entry = FindControl(*bar, args.Require("control"));
  const filterbar::ControlSpec& spec = *entry.spec;
  pf::Control& control = *entry.control;

  // Every field is read and checked before anything changes.
  const nlohmann::json* text = args.Find("text");
  const nlohmann::json* pick = args.Find("pick");
  const nlohmann::json* time = args.Find("time");
  const nlohmann::json* check = args.Find("check");
  const bool click = args.Bool("click", false);
  const bool leave = args.Bool("leave", false);
  const bool focus = args.Bool("focus", false);
  const int actions = (text ? 1 : 0) + (pick ? 1 : 0) + (time ? 1 : 0) + (check ? 1 : 0) + (click ? 1 : 0);
  if (actions > 1) StepArgs::Fail("\"text\", \"pick\", \"time\", \"check\" and \"click\" exclude each other");
  if (actions == 0 && !focus && !leave)
    StepArgs::Fail("step \"filterbar\" needs \"text\", \"pick\", \"time\", \"check\", \"click\", \"focus\" or \"leave\"");
  std::string typed;
  if (text) {
    RequireKind(spec, "text", {ControlKind::Edit});
    typed = StepArgs::ToText(*text, "text");
  }
  std::optional<int> picked;
  if (pick) {
    RequireKind(spec, "pick", {ControlKind::List});
    picked = PickedIndex(static_cast<pf::ComboBox&>(control), *pick);
  }
  pf::OleDateTime newTime;
  if (time) {
    RequireKind(spec, "time", {ControlKind::TimePicker});
    newTime = PickedTime(static_cast<pf::TimePicker&>(control), *time);
  }
  bool wantChecked = false;
  if (check) {
    RequireKind(spec, "check", {ControlKind::CheckBox});
    wantChecked = StepArgs::ToBool(*check, "check");
  }
  if (click) RequireKind(spec, "click", {ControlKind::CheckBox, ControlKind::Button});
  const bool touches = actions > 0 || focus;
  if (touches) {
    if (!wnd.bFilterBarShown) StepArgs::Fail("the filter bar is hidden (Shift+S shows it)");
    if (!control.IsWindowVisible()) StepArgs::Fail("control " + NameOf(spec) + " is hidden");
    if (!control.IsWindowEnabled()) StepArgs::Fail("control " + NameOf(spec) + " is disabled");
  } else if (!control.HasFocus()) {
    StepArgs::Fail("control " + NameOf(spec) + " does not have the focus");
  }

  if (touches && !control.HasFocus()) bar->GotoDlgCtrl(&control);
  if (text) {
    // The edit selected its whole text on taking the focus: typing replaces it.
    auto& edit = static_cast<pf::Edit&>(control);
    edit.SetSel(0, -1);
    if (typed.empty()) edit.ReplaceSel("");
    else edit.UserType(typed);
  } else if (picked) {
    static_cast<pf::ComboBox&>(control).UserSelect(*picked);
  } else if (time) {
    static_cast<pf::TimePicker&>(control).UserSetTime(newTime);
  } else if (check) {
    auto& box = static_cast<pf::CheckBox&>(control);
    if ((box.GetCheck() == pf::BST_CHECKED) != wantChecked) box.Click();
  } else if (click) {
    if (spec.kind == ControlKind::CheckBox) static_cast<pf::CheckBox&>(control).Click();
    else static_cast<pf::Button&>(control).Click();
  }
  if (leave && control.HasFocus()) bar->KillControlFocus();

  host.FlushPosts();
  host.Events().Emit("filterbar", {{"control", DescribeFilterBarControl(*bar, spec.id)}});
}

}  // namespace

void AddFilterBarSteps(StepTable& table) {
  table.Add({"filterbar", {"view", "control", "text", "pick", "time", "check", "click", "focus", "leave"}, &FilterBar});
}

}  // namespace orv::scenario
