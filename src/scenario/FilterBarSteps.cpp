// The "filterbar" step: the user's hand on one control of a view's filter bar. The control takes
// the focus first (the control that had it loses it, so leaving an edit completes and applies
// it), then the step types into an edit, picks a list entry, sets a picker's time or clicks a box
// or button, and may leave the control again.
#include "filterbar/OrderBookFilter.h"
#include "filterbar/OrderBookFilterFrame.h"
#include "scenario/FilterBarDump.h"
#include "scenario/FilterBarInput.h"
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
  return FindFilterBarControl(bar, value);
}

std::string NameOf(const filterbar::ControlSpec& spec) { return FilterBarControlName(spec); }

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

// The entry of an edit's open drop-down list a "choose" names: its text (exactly) or its index.
int ChosenIndex(const CustomAutoCompleteEdit& edit, const nlohmann::json& choose) {
  if (!edit.IsDroppedDown()) StepArgs::Fail("\"choose\": the edit's list is not open");
  const std::vector<std::string>& list = edit.DroppedList();
  if (choose.is_string()) {
    const std::string text = choose.get<std::string>();
    for (std::size_t i = 0; i < list.size(); ++i)
      if (list[i] == text) return static_cast<int>(i);
    StepArgs::Fail("\"choose\": the list offers no \"" + text + "\"");
  }
  const std::int64_t index = StepArgs::ToInt(choose, "choose");
  if (index < 0 || index >= static_cast<std::int64_t>(list.size()))
    StepArgs::Fail("\"choose\": entry " + std::to_string(index) + " does not exist (the list has " +
                   std::to_string(list.size()) + " entries)");
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

  OfferedListRecorder offered(bar);
  // Every field is read and checked before anything changes.
  const nlohmann::json* text = args.Find("text");
  const nlohmann::json* pick = args.Find("pick");
  const nlohmann::json* time = args.Find("time");
  const nlohmann::json* check = args.Find("check");
  const bool click = args.Bool("click", false);
  const nlohmann::json* choose = args.Find("choose");
  const bool dropdown = args.Bool("dropdown", false);
  const bool leave = args.Bool("leave", false);
  const bool focus = args.Bool("focus", false);
  const int actions = (text ? 1 : 0) + (pick ? 1 : 0) + (time ? 1 : 0) + (check ? 1 : 0) + (click ? 1 : 0) +
                      (choose ? 1 : 0) + (dropdown ? 1 : 0);
  if (actions > 1)
    StepArgs::Fail("\"text\", \"pick\", \"time\", \"check\", \"click\", \"choose\" and \"dropdown\" exclude each other");
  if (actions == 0 && !focus && !leave)
    StepArgs::Fail("step \"filterbar\" needs \"text\", \"pick\", \"time\", \"check\", \"click\", \"choose\", "
                   "\"dropdown\", \"focus\" or \"leave\"");
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
  int chosen = -1;
  if (choose) {
    RequireKind(spec, "choose", {ControlKind::Edit});
    chosen = ChosenIndex(static_cast<const CustomAutoCompleteEdit&>(control), *choose);
  }
  if (dropdown) {
    RequireKind(spec, "dropdown", {ControlKind::Edit});
    if (!static_cast<const CustomAutoCompleteEdit&>(control).HasDropDownButton())
      StepArgs::Fail("control " + NameOf(spec) + " has no drop-down button");
  }
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
    // Key by key, as the user types: each key is a change the edit asks its list for.
    edit.SetSel(0, -1);
    if (typed.empty()) edit.ReplaceSel("");
    for (char c : typed) edit.UserType(std::string(1, c));
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
  } else if (choose) {
    static_cast<CustomAutoCompleteEdit&>(control).PickEntry(chosen);
  } else if (dropdown) {
    static_cast<CustomAutoCompleteEdit&>(control).PressDropDownButton();
  }
  if (leave && control.HasFocus()) bar->KillControlFocus();

  host.FlushPosts();
  host.Events().Emit("filterbar", {{"control", DescribeFilterBarControl(*bar, spec.id)}});
  offered.Emit(host.Events());
}

unsigned ScrollCodeOf(const std::string& name) {
  using F = OrderBookFilterFrame;
  if (name == "lineleft") return F::SB_LINELEFT;
  if (name == "lineright") return F::SB_LINERIGHT;
  if (name == "pageleft") return F::SB_PAGELEFT;
  if (name == "pageright") return F::SB_PAGERIGHT;
  if (name == "thumb") return F::SB_THUMBTRACK;
  StepArgs::Fail("\"scroll\" is \"lineleft\", \"lineright\", \"pageleft\", \"pageright\" or \"thumb\", not \"" + name +
                 "\"");
}

nlohmann::json SizeJson(OrderBookFilterFrame::Size size) { return nlohmann::json::array({size.cx, size.cy}); }

// The frame around the bar: its client size (as the window's layout gives it), the horizontal
// scroll commands and the mouse wheel.
void FilterFrame(ScenarioHost& host, const StepArgs& args) {
  OrderBookWnd& wnd = host.RequireWindow(args.View());
  OrderBookFilterFrame* frame = wnd.GetFilterFrame();
  if (!frame) StepArgs::Fail("the view has no filter frame");
  const nlohmann::json* size = args.Find("size");
  const bool scroll = args.Has("scroll");
  const bool wheel = args.Has("wheel");
  if ((size ? 1 : 0) + (scroll ? 1 : 0) + (wheel ? 1 : 0) != 1)
    StepArgs::Fail("step \"filterframe\" needs exactly one of \"size\", \"scroll\" and \"wheel\"");
  nlohmann::json event;
  if (size) {
    if (!size->is_array() || size->size() != 2) StepArgs::Fail("\"size\" is [width, height]");
    const auto cx = StepArgs::ToIntIn<std::int16_t>((*size)[0], "size");
    const auto cy = StepArgs::ToIntIn<std::int16_t>((*size)[1], "size");
    frame->OnSize(0, cx, cy);
  } else if (scroll) {
    const unsigned code = ScrollCodeOf(args.Text("scroll"));
    const auto pos = args.Has("pos") ? StepArgs::ToIntIn<std::uint16_t>(args.Require("pos"), "pos") : 0;
    frame->OnHScroll(code, pos, nullptr);
  } else {
    const auto delta = StepArgs::ToIntIn<std::int16_t>(args.Require("wheel"), "wheel");
    unsigned flags = 0;
    if (args.Bool("shift", false)) flags |= OrderBookFilterFrame::MK_SHIFT;
    if (args.Bool("ctrl", false)) flags |= OrderBookFilterFrame::MK_CONTROL;
    event["handled"] = frame->OnMouseWheel(flags, delta, 0, 0);
  }
  event["content"] = SizeJson(frame->ContentSize());
  event["client"] = SizeJson(frame->ClientSize());
  event["bar"] = SizeJson(frame->BarSize());
  event["range"] = frame->HScrollRange();
  event["pos"] = frame->HScrollPos();
  host.Events().Emit("filterframe", std::move(event));
}

}  // namespace

void AddFilterBarSteps(StepTable& table) {
  table.Add({"filterframe", {"view", "size", "scroll", "pos", "wheel", "shift", "ctrl"}, &FilterFrame});
  table.Add({"filterbar", {"view", "control", "text", "pick", "time", "check", "click", "choose", "dropdown", "focus", "leave"}, &FilterBar});
}

}  // namespace orv::scenario
