#pragma once
// Texts of the store's enumerations, as the views show and filter them.
#include "host/records/OrderBookDetails.h"

#include <string_view>

class OrvEnumsMethods final {
 public:
  // "Pending", "UnConfirmed", "Cancelled", "Rejected", "Completed", "AMOUnconfirmed"; "" for an
  // unknown code.
  static std::string_view GetOrderStatus(OrderStatusIdentifier status);
  // Case-insensitive; false when the text names no status.
  static bool GetOrderStatusByName(std::string_view name, OrderStatusIdentifier& out);
  // "S" for a spread order, "N" for everything else.
  static std::string_view GetOrderLegByEnum(OrderLegType leg);
};
