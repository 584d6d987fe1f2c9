#include "host/OrvEnumsMethods.h"

#include <array>
#include <strings.h>
#include <utility>

namespace {
constexpr std::array<std::pair<OrderStatusIdentifier, std::string_view>, 6> kStatusTexts{{
    {eUnConfirmed, "UnConfirmed"},
    {ePending, "Pending"},
    {eCancelled, "Cancelled"},
    {eRejected, "Rejected"},
    {eAMOUnconfirmed, "AMOUnconfirmed"},
    {eCompleted, "Completed"},
}};
}  // namespace

std::string_view OrvEnumsMethods::GetOrderStatus(OrderStatusIdentifier status) {
  for (const auto& [code, text] : kStatusTexts)
    if (code == status) return text;
  return {};
}

bool OrvEnumsMethods::GetOrderStatusByName(std::string_view name, OrderStatusIdentifier& out) {
  for (const auto& [code, text] : kStatusTexts) {
    if (text.size() == name.size() && ::strncasecmp(text.data(), name.data(), name.size()) == 0) {
      out = code;
      return true;
    }
  }
  return false;
}

std::string_view OrvEnumsMethods::GetOrderLegByEnum(OrderLegType leg) {
  return leg == eSpreadLeg ? "S" : "N";
}
