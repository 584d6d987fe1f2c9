#pragma once
// Keys and commands a scenario sends to the filter bar. The bar's keyboard and command relays
// land here as they are built; until then a step that needs them fails with a clear message.
#include "host/platform/VirtualKeys.h"

#include <nlohmann/json.hpp>

#include <string>

class OrderBookFilter;

namespace orv::scenario {

// `control` (null: the bar itself) is a control id. Returns who consumed the key ("" for nobody);
// throws StepError when the bar cannot take it.
std::string SendKeyToFilterBar(OrderBookFilter* bar, const nlohmann::json* control, orv::platform::MSG& msg);
// Throws StepError when the bar cannot take the command.
void SendCommandToFilterBar(OrderBookFilter* bar, unsigned id);
// Opens the bar's context menu; throws StepError when it has none.
void OpenFilterBarMenu(OrderBookFilter* bar, int x, int y);

}  // namespace orv::scenario
