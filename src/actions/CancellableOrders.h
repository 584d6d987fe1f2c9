#pragma once
// Which orders a cancel may take, for the grid's commands and the window's own: working orders
// (pending, or not yet confirmed), GTT orders only in the book that cancels them, and on the
// Pending book none of a strategy the host bars from this terminal.
#include "host/AppGlobal.h"
#include "host/records/OrderBookDetails.h"

#include <cstdint>
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

}  // namespace CancellableOrders
