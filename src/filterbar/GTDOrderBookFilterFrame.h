#pragma once
#include "filterbar/OrderBookFilterFrame.h"

class GTDOrderBookFilterFrame final : public OrderBookFilterFrame {
 public:
  GTDOrderBookFilterFrame() : OrderBookFilterFrame(ViewVariant::GTD) {}
};
