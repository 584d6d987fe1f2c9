#pragma once
#include "host/HostWindows.h"
#include "view/OrderBookWndOf.h"

class OrvPendingOrdersWnd final : public OrderBookWndOf<ViewVariant::Pending, OrvPendingOrdersWnd, m_wndPendingOrder> {};
