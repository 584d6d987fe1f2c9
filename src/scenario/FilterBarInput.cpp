#include "scenario/FilterBarInput.h"

#include "filterbar/OrderBookFilter.h"
#include "scenario/StepArgs.h"

namespace orv::scenario {

namespace {

void RequireBar(const OrderBookFilter* bar) {
  if (!bar) StepArgs::Fail("the view has no filter bar");
}

}  // namespace

std::string SendKeyToFilterBar(OrderBookFilter* bar, const nlohmann::json* control, orv::platform::MSG& /*msg*/) {
  RequireBar(bar);
  if (control) StepArgs::ToInt(*control, "control");
  // TODO(filter bar keyboard): hand the key to the control's PreTranslateMessage.
  StepArgs::Fail("the filter bar takes no keys yet");
}

void SendCommandToFilterBar(OrderBookFilter* bar, unsigned /*id*/) {
  RequireBar(bar);
  // TODO(filter bar commands): route the id through the bar's command relays.
  StepArgs::Fail("the filter bar takes no commands yet");
}

void OpenFilterBarMenu(OrderBookFilter* bar, int /*x*/, int /*y*/) {
  RequireBar(bar);
  // TODO(filter bar commands): the bar's context menu (resource 2002).
  StepArgs::Fail("the filter bar has no context menu yet");
}

}  // namespace orv::scenario
