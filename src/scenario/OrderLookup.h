#pragma once
// Finding the store's rows a scenario names: by "RefNo", with "leg": false for the order row
// only, "leg": true for the leg rows only and "legNo": n for the n-th leg row (spread orders keep
// one RefNo on all their rows).
#include "host/OrderBookTypes.h"
#include "host/records/OrderBookDetails.h"

#include <nlohmann/json.hpp>

#include <vector>

namespace orv::scenario {

// The rows of the book's all-orders vector, in store order; throws StepError when none matches.
std::vector<OrderBookDetails*> FindOrders(BookKind kind, const nlohmann::json& item);

// How events name a row: {"RefNo": n} and "leg": true for a leg row.
nlohmann::json DescribeRow(const OrderBookDetails& record);

}  // namespace orv::scenario
