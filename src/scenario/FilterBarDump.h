#pragma once
// The filter bar as a dump shows it: every control of its template in tab order (id, kind, the
// member it is bound to, text, list items and selection, check state, enabled, hidden, focus),
// then the bar's own state: the auto-fill flag, the time range last handed over and the texts
// last applied from the edits.
#include <nlohmann/json.hpp>

class OrderBookFilter;

namespace orv::scenario {

// Null for a view without a filter bar.
nlohmann::json DescribeFilterBar(const OrderBookFilter* bar);

// One control by its id or member name, as the filterbar step and its event name it.
nlohmann::json DescribeFilterBarControl(const OrderBookFilter& bar, int id);

}  // namespace orv::scenario
