#pragma once
// The market check that cancellation and modification run before they hand orders on: orders of
// a shut market are dropped from the cancellation list (or only reported, for modification) and
// the user is told which markets are shut. Orders not yet confirmed (status 0 and 4) pass
// whatever the market.
class OrderBookWnd;

namespace MarketStatusCheck {

inline constexpr short kCancellation = 1;
inline constexpr short kModification = 2;

// 1 to go on, 0 to stop; see OrderBookWnd::CheckMarketStatus.
int Run(OrderBookWnd& wnd, short mode, bool allRows);

}  // namespace MarketStatusCheck
