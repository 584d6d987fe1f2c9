#pragma once
#include "view/OrderBookGrid.h"

class GTDOrderBookGrid final : public OrderBookGridOf<ViewVariant::GTD> {};
