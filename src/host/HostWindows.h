#pragma once
// The host's globals that hold the order-book windows while they exist. The windows clear them
// when they are destroyed.
class OrvPendingOrdersWnd;
class GTDOrderBookWnd;

inline OrvPendingOrdersWnd* m_wndPendingOrder = nullptr;
inline GTDOrderBookWnd* m_wndGTDOrderBook = nullptr;
