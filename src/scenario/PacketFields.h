#pragma once
// The order-entry packets' fields by name, for the send events and for the "objOrderEntry" part
// of an order record in a scenario. Names are the packets' own offset names ("dealerId",
// "exchangeOrderNo", "quantity106", ...).
#include "host/records/OrderEntryPacket.h"

#include <nlohmann/json.hpp>

#include <string_view>

namespace orv::scenario {

// Every named field with its value; texts as texts, 8-bit fields as numbers, raw byte fields as
// hexadecimal texts.
nlohmann::json DescribeOrderEntry(const ORVEL_ORDER_ENTRY& packet);
nlohmann::json DescribeSpreadRequest(const ORVEL_SPREAD_OE_REQUEST& packet);

// Sets one named field; throws StepError for an unknown name or a value that does not fit.
void SetOrderEntryField(ORVEL_ORDER_ENTRY& packet, std::string_view name, const nlohmann::json& value);

}  // namespace orv::scenario
