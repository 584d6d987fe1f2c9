#include "actions/ModifyRequestBuilder.h"

#include "host/records/RecordText.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace ModifyRequestBuilder {

namespace {

constexpr double kPriceEpsilon = 0.00009;
constexpr std::size_t kHeadBytes = 32;
constexpr std::size_t kField32 = 32;
constexpr std::size_t kSpreadDoubles[] = {ORVEL_SPREAD_OE_REQUEST::kDouble532, ORVEL_SPREAD_OE_REQUEST::kDouble622,
                                          ORVEL_SPREAD_OE_REQUEST::kDouble712};

template <std::size_t N, std::size_t M>
void CopyBytes(PacketBytes<N>& to, const PacketBytes<M>& from, std::size_t offset, std::size_t width) {
  static_assert(N <= M, "the changed packet is at least as long as the request");
  if (offset + width <= N) std::memcpy(to.data() + offset, from.data() + offset, width);
}

// Exchanges that take a modification by their own order id text drop the old text.
bool ClearsExchangeOrderId(std::int32_t token) {
  switch (token / 100000000) {
    case 1:
    case 5:
    case 16:
    case 19: return true;
    default: return false;
  }
}

std::string Format(const char* pattern, std::uint32_t ourOrderNo, double price) {
  char text[160];
  std::snprintf(text, sizeof text, pattern, static_cast<int>(ourOrderNo), price);
  return text;
}

}  // namespace

ChangedPacket::ChangedPacket(const unsigned char* packet, std::size_t size) {
  if (packet) std::memcpy(data(), packet, std::min(size, kSize));
}

std::int16_t SideOf(const OrderBookDetails& record) {
  const std::string_view side = FieldView(record.B_S);
  return side == "BUY" ? 1 : side == "SELL" ? 2 : 0;
}

bool IsSpreadOrder(const OrderBookDetails& record) {
  switch (record.iOrvelCode) {
    case 5724:
    case 5725:
    case 5726:
    case 5736: return true;
    default: return record.eOrderLeg == eSpreadLeg;
  }
}

bool FitsNormal(const OrderBookDetails& record, const ChangedPacket& changed) {
  return SideOf(record) == changed.side() && record.lOurToken == changed.normalToken() &&
         record.objOrderEntry.get<std::int16_t>(ORVEL_ORDER_ENTRY::kOrderAttribute) == changed.attribute();
}

bool FitsSpread(const OrderBookDetails& first, const ChangedPacket& changed) {
  return SideOf(first) == changed.side() && first.lOurToken == changed.spreadToken() &&
         first.objOrderEntry.get<std::int16_t>(ORVEL_ORDER_ENTRY::kOrderAttribute) == changed.attribute();
}

ORVEL_ORDER_ENTRY ApplyNormal(const ORVEL_ORDER_ENTRY& recordPacket, const ChangedPacket& changed) {
  ORVEL_ORDER_ENTRY request = recordPacket;
  CopyBytes(request, changed, 0, kHeadBytes);
  CopyBytes(request, changed, kField32, 4);
  CopyBytes(request, changed, ORVEL_ORDER_ENTRY::kPrice, 8);
  CopyBytes(request, changed, ORVEL_ORDER_ENTRY::kFlags, 2);
  CopyBytes(request, changed, ORVEL_ORDER_ENTRY::kTriggerPrice, 8);
  CopyBytes(request, changed, ORVEL_ORDER_ENTRY::kQuantity106, 4);
  const std::int32_t quantity = request.get<std::int32_t>(ORVEL_ORDER_ENTRY::kQuantity106);
  request.set(ORVEL_ORDER_ENTRY::kQuantity, quantity);
  if (request.get<std::int32_t>(ORVEL_ORDER_ENTRY::kQuantity98) > quantity) {
    request.set(ORVEL_ORDER_ENTRY::kQuantity98, quantity);
    request.set(ORVEL_ORDER_ENTRY::kQuantity102, quantity);
  }
  if (ClearsExchangeOrderId(request.token()))
    request.zero(ORVEL_ORDER_ENTRY::kExchangeOrderId, ORVEL_ORDER_ENTRY::kExchangeOrderIdWidth);
  return request;
}

ORVEL_SPREAD_OE_REQUEST BuildSpread(const OrderBookDetails& record) {
  ORVEL_SPREAD_OE_REQUEST request;
  // The record keeps the 802-byte order packet; the spread request's tail stays zero rather than
  // taking whatever lies behind the packet in the record.
  std::memcpy(request.data(), record.objOrderEntry.data(), ORVEL_ORDER_ENTRY::kSize);
  // What the spread layout keeps elsewhere comes from the record's own fields.
  request.setToken(record.lOurToken);
  request.setIobRuleNo(record.IOM_RuleNo);
  request.set<std::int32_t>(ORVEL_SPREAD_OE_REQUEST::kPendingQty, record.Pending_Qty);
  request.set<std::int32_t>(ORVEL_SPREAD_OE_REQUEST::kField524, record.Pending_Qty);
  request.set<std::int32_t>(ORVEL_SPREAD_OE_REQUEST::kTradedQty, record.Traded_Qty);
  return request;
}

void ApplySpread(ORVEL_SPREAD_OE_REQUEST& request, const ChangedPacket& changed) {
  CopyBytes(request, changed, 0, kHeadBytes);
  CopyBytes(request, changed, kField32, 4);
  CopyBytes(request, changed, ORVEL_ORDER_ENTRY::kPrice, 8);
  CopyBytes(request, changed, ORVEL_SPREAD_OE_REQUEST::kPrice, 8);
  CopyBytes(request, changed, ORVEL_ORDER_ENTRY::kFlags, 2);
  for (std::size_t offset : kSpreadDoubles) CopyBytes(request, changed, offset, 8);
  CopyBytes(request, changed, ORVEL_ORDER_ENTRY::kQuantity106, 4);
  request.set(ORVEL_ORDER_ENTRY::kQuantity, request.get<std::int32_t>(ORVEL_ORDER_ENTRY::kQuantity106));
}

std::optional<std::string> NormalLimitError(const IOBRuleDetails& rule, std::int16_t side, double price,
                                            std::uint32_t ourOrderNo) {
  if (rule.skipPriceLimits()) return std::nullopt;
  const double expected = rule.expectedPrice();
  if (expected > kPriceEpsilon) {
    if (side == 1 && (price == 0.0 || price > expected))
      return Format("Order No : %d : Order price exceeded with expected price %.2f for IOB modify order", ourOrderNo,
                    expected);
    if (side == 2 && (price == 0.0 || price < expected))
      return Format("Order No : %d :Order price exceeded with expected price %.2f for IOB modify order", ourOrderNo,
                    expected);
  }
  const double softLimit = rule.softLimitPrice();
  if (softLimit > kPriceEpsilon) {
    if (side == 1 && (price == 0.0 || price > softLimit))
      return Format("Order No : %d : Order price exceeded with Soft Limit price %.2f for IO release 0rder", ourOrderNo,
                    softLimit);
    if (side == 2 && (price == 0.0 || price < softLimit))
      return Format("Order : %d : Order price exceeded with Soft Limit price %.2f for IO release order", ourOrderNo,
                    softLimit);
  }
  return std::nullopt;
}

std::optional<std::string> SpreadLimitError(const IOBRuleDetails& rule, std::int16_t requestSide, double spreadPrice) {
  if (rule.skipPriceLimits()) return std::nullopt;
  const double expected = rule.expectedPrice();
  if (expected <= kPriceEpsilon) return std::nullopt;
  const bool broken = requestSide == 2 ? spreadPrice > expected : expected > spreadPrice;
  if (!broken) return std::nullopt;
  char text[128];
  std::snprintf(text, sizeof text, "Order price exceeded with expected price %.2f for IO release order", expected);
  return std::string(text);
}

}  // namespace ModifyRequestBuilder
