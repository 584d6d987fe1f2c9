#pragma once
#include "host/HostWindows.h"
#include "view/OrderBookWndOf.h"

class GTDOrderBookWnd final : public OrderBookWndOf<ViewVariant::GTD, GTDOrderBookWnd, m_wndGTDOrderBook> {};
