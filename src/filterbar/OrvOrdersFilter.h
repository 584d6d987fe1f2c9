#pragma once
#include "filterbar/OrderBookFilter.h"

class OrvOrdersFilter final : public OrderBookFilter {
 public:
  OrvOrdersFilter() : OrderBookFilter(ViewVariant::Pending) {}
};
