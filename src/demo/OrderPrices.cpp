#include "demo/OrderPrices.h"

namespace orv::demo {

OrderPrices OrderPrices::Make(DemoRandom& rng, std::int64_t r, bool buy, std::string_view orderType, bool traded) {
  OrderPrices p;
  const std::int64_t band = AtLeastOneTick(r / 50);  // limits sit within 2% of the market
  const std::int64_t away = rng.Between(0, band);
  p.limit = AtLeastOneTick(buy ? r - away : r + away);

  if (orderType == "SL") {
    // A stop order waits on the far side of the market; its limit lies beyond the trigger.
    const std::int64_t toTrigger = rng.Between(1, AtLeastOneTick(r / 100));
    const std::int64_t beyond = rng.Between(0, AtLeastOneTick(r / 200));
    p.trigger = AtLeastOneTick(buy ? r + toTrigger : r - toTrigger);
    p.limit = AtLeastOneTick(buy ? p.trigger + beyond : p.trigger - beyond);
  } else if (orderType == "CO") {
    // The cover leg is a stop on the opposite side: its trigger lies between its limit and the
    // entry price.
    const std::int64_t d = rng.Between(1, band);
    if (buy) {
      p.stopLoss = AtLeastOneTick(p.limit - d);
      p.trigger = p.stopLoss + rng.Between(0, (p.limit - p.stopLoss) / 2);
    } else {
      p.stopLoss = p.limit + d;
      p.trigger = p.stopLoss - rng.Between(0, d / 2);
    }
  } else if (orderType == "BR" || orderType == "BL") {
    const std::int64_t t = rng.Between(1, 2 * band);
    const std::int64_t s = rng.Between(1, band);
    if (buy) {
      p.target = p.limit + t;
      p.stopLoss = AtLeastOneTick(p.limit - s);
      p.bracketTrigger = p.stopLoss + rng.Between(0, (p.limit - p.stopLoss) / 2);
    } else {
      p.target = AtLeastOneTick(p.limit - t);
      p.stopLoss = p.limit + s;
      p.bracketTrigger = p.stopLoss - rng.Between(0, s / 2);
    }
  }
  if (traded) {
    // A limit order fills at its limit or better.
    const std::int64_t better = rng.Between(0, 3);
    p.average = AtLeastOneTick(buy ? p.limit - better : p.limit + better);
  }
  return p;
}

}  // namespace orv::demo
