#pragma once
#include "view/OrderBookGrid.h"

class OrvPendingOrdersGrid final : public OrderBookGridOf<ViewVariant::Pending> {};
