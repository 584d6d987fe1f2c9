#pragma once
// Keys and commands a scenario sends to the filter bar, and the bar's controls as steps name them.
#include "host/platform/VirtualKeys.h"

#include <nlohmann/json.hpp>

#include <string>

#include "filterbar/OrderBookFilter.h"

#include <vector>

namespace orv::scenario {
class EventWriter;
}

namespace orv::scenario {

// The control a step names by id or member name; throws StepError when the bar has none.
const OrderBookFilter::TemplateControl& FindFilterBarControl(const OrderBookFilter& bar, const nlohmann::json& value);
// "7355 (m_edtSymbol)".
std::string FilterBarControlName(const filterbar::ControlSpec& spec);

// `control` (null: the control that has the focus) names a control of the bar, which takes the
// focus first. The bar's PreTranslateMessage sees the key; a key it leaves reaches the focused
// edit, which passes End and Down on to the bar (OnKeyDown). Returns who consumed the key
// ("filterbar", or "" for nobody); throws StepError when the bar cannot take it.
std::string SendKeyToFilterBar(OrderBookFilter* bar, const nlohmann::json* control, orv::platform::MSG& msg);
// Watches the drop-down lists of the bar's edits during a step: every list that opens, changes or
// closes becomes an "autocomplete" event (`control`, `offered`: the entries, empty when closed),
// emitted in order by Emit. The watch ends with the object.
class OfferedListRecorder final {
 public:
  explicit OfferedListRecorder(OrderBookFilter* bar);
  ~OfferedListRecorder();
  OfferedListRecorder(const OfferedListRecorder&) = delete;
  OfferedListRecorder& operator=(const OfferedListRecorder&) = delete;
  void Emit(EventWriter& events);

 private:
  struct Offer {
    std::string control;
    std::vector<std::string> offered;
  };
  OrderBookFilter* m_bar;
  std::vector<Offer> m_offers;
};

// Whether the bar has a handler for the command; throws StepError when there is no bar.
bool SendCommandToFilterBar(OrderBookFilter* bar, unsigned id);
// Opens the bar's context menu (the chosen item comes back as a posted command); throws StepError
// when there is no bar.
void OpenFilterBarMenu(OrderBookFilter* bar, int x, int y);

}  // namespace orv::scenario
