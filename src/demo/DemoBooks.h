#pragma once
// The books the demo programs open with: a seeded contract master (installed in the host), a
// Pending book with a few spread orders and a few orders on tokens the master does not know, and
// a GTD book a tenth of its size.
#include "demo/OrderBookGenerator.h"
#include "host/ContractMaster.h"

#include <cstdint>

namespace orv::demo {

// `progress` counts the orders of both books together.
// The contracts expire, and the orders are entered, on or after `tradingDay`.
void GenerateDemoBooks(CScriptDesc& master, std::uint32_t seed, int pendingOrders, int contracts = 400,
                       const GenerationProgress& progress = {}, DemoDate tradingDay = DemoCatalogue::kTradingDay);

}  // namespace orv::demo
