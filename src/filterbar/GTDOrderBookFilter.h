#pragma once
#include "filterbar/OrderBookFilter.h"

class GTDOrderBookFilter final : public OrderBookFilter {
 public:
  GTDOrderBookFilter() : OrderBookFilter(ViewVariant::GTD) {}
};
