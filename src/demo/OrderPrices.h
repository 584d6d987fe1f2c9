#pragma once
// The prices of one demo order, in ticks of its contract: limit, trigger, bracket and cover legs
// and the average traded price, placed on the right side of the market for the order's side and
// type.
#include "demo/DemoRandom.h"

#include <cstdint>
#include <string_view>

namespace orv::demo {

// Prices stay at least a tick above zero.
inline std::int64_t AtLeastOneTick(std::int64_t ticks) { return ticks < 1 ? 1 : ticks; }

struct OrderPrices {
  std::int64_t limit = 0;
  std::int64_t trigger = 0;         // SL and CO orders
  std::int64_t target = 0;          // bracket orders
  std::int64_t stopLoss = 0;        // bracket and cover orders
  std::int64_t bracketTrigger = 0;  // bracket orders
  std::int64_t average = 0;         // when something traded

  // referenceTicks is the contract's fair price; orderType one of "RL", "SL", "CA", "CB", "AU",
  // "BR", "BL", "CO".
  static OrderPrices Make(DemoRandom& rng, std::int64_t referenceTicks, bool buy, std::string_view orderType,
                          bool traded);
};

}  // namespace orv::demo
