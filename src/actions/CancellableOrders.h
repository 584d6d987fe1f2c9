#pragma once
// Which orders a cancel may take, for the grid's commands and the window's own: working orders
// (pending, or not yet confirmed), GTT orders only in the book that cancels them, and on the
// Pending book none of a strategy the host bars from this terminal.
#include "host/AppGlobal.h"
#include "host/records/OrderBookDetails.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace CancellableOrders {

inline constexpr std::int32_t kGttCode = 15512;

inline bool IsCancellable(const OrderBookDetails& record) {
  return record.eOrderStatus == eUnConfirmed || record.eOrderStatus == ePending ||
         record.eOrderStatus == eAMOUnconfirmed;
}

inline bool IsNonModStrategy(const OrderBookDetails& record) {
  return AppGlobal::map_NonModStrategy.count(std::string(FieldView(record.Strategy))) != 0;
}

// Whether a pass has to look at strategies at all: with none barred, a million rows need not each
// make a text of their strategy.
inline bool AnyNonModStrategy() { return !AppGlobal::map_NonModStrategy.empty(); }

// The leg row a spread order shows under its order row; the window cancels it only in multi-row
// mode. The first letter is looked at first, since nearly every row fails there.
inline bool IsSpreadPendingLeg(const OrderBookDetails& record) {
  return record.Order_Status[0] == 'S' && std::strcmp(record.Order_Status, "Spread Pending Leg") == 0;
}

}  // namespace CancellableOrders
