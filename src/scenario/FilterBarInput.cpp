#include "scenario/FilterBarInput.h"

#include "filterbar/OrderBookFilter.h"
#include "scenario/EventWriter.h"
#include "scenario/StepArgs.h"

namespace orv::scenario {

namespace {

namespace pf = orv::platform;
using filterbar::ControlKind;

void RequireBar(const OrderBookFilter* bar) {
  if (!bar) StepArgs::Fail("the view has no filter bar");
}

}  // namespace

const OrderBookFilter::TemplateControl& FindFilterBarControl(const OrderBookFilter& bar, const nlohmann::json& value) {
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

std::string FilterBarControlName(const filterbar::ControlSpec& spec) {
  return std::to_string(spec.id) + (spec.member.empty() ? std::string() : " (" + std::string(spec.member) + ")");
}

std::string SendKeyToFilterBar(OrderBookFilter* bar, const nlohmann::json* control, pf::MSG& msg) {
  RequireBar(bar);
  pf::Control* target = nullptr;
  if (control) {
    const OrderBookFilter::TemplateControl& entry = FindFilterBarControl(*bar, *control);
    target = entry.control;
    if (!target->IsWindowVisible()) StepArgs::Fail("control " + FilterBarControlName(*entry.spec) + " is hidden");
    if (!target->IsWindowEnabled()) StepArgs::Fail("control " + FilterBarControlName(*entry.spec) + " is disabled");
    if (!target->HasFocus()) bar->GotoDlgCtrl(target);
  }
  msg.hwnd = bar;
  if (bar->PreTranslateMessage(&msg)) return "filterbar";
  // The key reaches the focused control; the bar's edits pass their key-downs on to the bar.
  pf::Control* focus = bar->GetFocusControl();
  if (msg.message == pf::WM_KEYDOWN && focus && bar->EditOfId(focus->GetDlgCtrlID()) == focus)
    bar->OnKeyDown(static_cast<unsigned>(msg.wParam), 1, 0);
  return "";
}

OfferedListRecorder::OfferedListRecorder(OrderBookFilter* bar) : m_bar(bar) {
  if (!m_bar) return;
  for (const auto& entry : m_bar->TemplateControls()) {
    if (entry.spec->kind != ControlKind::Edit) continue;
    auto* edit = static_cast<CustomAutoCompleteEdit*>(entry.control);
    const std::string name = FilterBarControlName(*entry.spec);
    edit->SetOnListChanged([this, edit, name] {
      std::vector<std::string> offered = edit->IsDroppedDown() ? edit->DroppedList() : std::vector<std::string>{};
      // A keystroke that leaves the list as it was shows nothing new.
      for (auto it = m_offers.rbegin(); it != m_offers.rend(); ++it) {
        if (it->control != name) continue;
        if (it->offered == offered) return;
        break;
      }
      m_offers.push_back({name, std::move(offered)});
    });
  }
}

OfferedListRecorder::~OfferedListRecorder() {
  if (!m_bar) return;
  for (const auto& entry : m_bar->TemplateControls())
    if (entry.spec->kind == ControlKind::Edit) static_cast<CustomAutoCompleteEdit*>(entry.control)->SetOnListChanged({});
}

void OfferedListRecorder::Emit(EventWriter& events) {
  for (Offer& offer : m_offers) events.Emit("autocomplete", {{"control", offer.control}, {"offered", offer.offered}});
  m_offers.clear();
}

bool SendCommandToFilterBar(OrderBookFilter* bar, unsigned id) {
  RequireBar(bar);
  return bar->OnCommand(id);
}

void OpenFilterBarMenu(OrderBookFilter* bar, int x, int y) {
  RequireBar(bar);
  bar->OnContextMenu(bar, x, y);
}

}  // namespace orv::scenario
