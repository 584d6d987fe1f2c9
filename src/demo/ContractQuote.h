#pragma once
// A contract as the order book generator prices it: its tick, a reference price in ticks and the
// underlying's price, worked out once per contract from the demo catalogue (or, for contracts the
// catalogue does not know, from the contract's own precision and token).
#include "demo/DemoCatalogue.h"
#include "host/records/ScriptDesc.h"

#include <cstdint>

namespace orv::demo {

struct ContractQuote {
  ScriptDesc* contract = nullptr;
  std::int32_t token = 0;
  int exchangeCode = 0;
  const MarketInfo* market = nullptr;  // null for a market the demo does not list
  TickSize tick;
  std::int64_t referenceTicks = 1;   // a fair price of the contract, in ticks
  std::int64_t underlyingTicks = 0;  // the underlying's price for derivatives, else 0
  std::int32_t lotSize = 1;          // at least 1
  bool equity = false;               // market segment "E"

  // ticks x tick as one correctly rounded division.
  double Price(std::int64_t ticks) const { return PriceOf(ticks, tick); }
  static double PriceOf(std::int64_t ticks, const TickSize& tick) {
    return static_cast<double>(ticks * tick.num) / static_cast<double>(tick.den);
  }

  static ContractQuote Of(ScriptDesc& contract, const DemoDate& tradingDay);
};

}  // namespace orv::demo
