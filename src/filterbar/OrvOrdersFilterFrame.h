#pragma once
#include "filterbar/OrderBookFilterFrame.h"

class OrvOrdersFilterFrame final : public OrderBookFilterFrame {
 public:
  OrvOrdersFilterFrame() : OrderBookFilterFrame(ViewVariant::Pending) {}
};
