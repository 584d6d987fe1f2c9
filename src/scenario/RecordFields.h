#pragma once
// The fields of an order record and of a contract entry by their names, as scenarios set them:
// texts as texts (refused when longer than the field holds), numbers as numbers (refused when
// they do not fit), enumerations as numbers, date-times as "YYYY-MM-DD HH:MM:SS" and time texts
// as "HH:MM:SS" (the 12-hour text is made from it).
#include "host/records/OrderBookDetails.h"
#include "host/records/ScriptDesc.h"

#include <nlohmann/json.hpp>

#include <string_view>

namespace orv::scenario {

// Throws StepError for an unknown name or a value that does not fit. "pContract" and
// "objOrderEntry" are not plain fields: the order steps handle them.
void SetRecordField(OrderBookDetails& record, std::string_view name, const nlohmann::json& value);
bool IsRecordField(std::string_view name);

// "token" is accepted for lToken.
void SetContractField(ScriptDesc& contract, std::string_view name, const nlohmann::json& value);

}  // namespace orv::scenario
