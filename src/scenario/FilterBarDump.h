#pragma once
// The filter bar's controls as a dump shows them: one object per control with its id, kind,
// text and state. The bar's own work adds its controls here as they arrive.
#include <nlohmann/json.hpp>

class OrderBookFilter;

namespace orv::scenario {

// An empty list for a view without a filter bar.
nlohmann::json DescribeFilterBar(OrderBookFilter* bar);

}  // namespace orv::scenario
