#pragma once
// The order-entry packets the host's order sender takes. Only the fields the order book reads or
// writes have named accessors; everything else travels untouched.
#include "host/records/PacketBytes.h"

#include <cstdint>
#include <string_view>

struct ORVEL_ORDER_ENTRY : PacketBytes<802> {
  // Byte offsets of the fields the order book uses.
  enum Offset : std::size_t {
    kTransactionCode = 0,    // 16-bit
    kField2 = 2,             // 32-bit
    kField6 = 6,             // 8-bit
    kDealerId = 7,           // text
    kField32 = 32,           // 32-bit
    kField34 = 34,           // 16-bit
    kBookType = 42,          // 8-bit
    kToken = 46,             // 32-bit
    kExchangeOrderNo = 64,   // double
    kOrderAttribute = 94,    // 16-bit
    kBuySell = 96,           // 16-bit, 1 buy, otherwise sell
    kQuantity98 = 98,        // 32-bit
    kQuantity102 = 102,      // 32-bit
    kQuantity106 = 106,      // 32-bit
    kQuantity = 110,         // 32-bit
    kPrice = 118,            // double
    kTriggerPrice = 126,     // double
    kLastModifiedTime = 146, // 32-bit
    kFlags = 150,            // 16-bit
    kField188 = 188,         // 32-bit
    kField220 = 220,         // 13 bytes
    kField234 = 234,         // 16-bit
    kField238 = 238,         // 8-bit
    kOurOrderNo = 502,       // unsigned 32-bit
    kExchangeOrderId = 538,  // text
    kIobRuleNo = 602,        // 32-bit
    kField640 = 640,         // 16-bit
    kField742 = 742,         // 16-bit
    kNumericClientId = 748,  // 32-bit
  };
  static constexpr std::size_t kDealerIdWidth = 25;         // up to offset 32
  static constexpr std::size_t kExchangeOrderIdWidth = 32;
  static constexpr std::size_t kField220Width = 13;

  std::int16_t transactionCode() const { return get<std::int16_t>(kTransactionCode); }
  void setTransactionCode(std::int16_t v) { set(kTransactionCode, v); }
  std::string_view dealerId() const { return text(kDealerId, kDealerIdWidth); }
  void setDealerId(std::string_view v) { setText(kDealerId, kDealerIdWidth, v); }
  std::int32_t token() const { return get<std::int32_t>(kToken); }
  void setToken(std::int32_t v) { set(kToken, v); }
  double exchangeOrderNo() const { return get<double>(kExchangeOrderNo); }
  void setExchangeOrderNo(double v) { set(kExchangeOrderNo, v); }
  std::int16_t buySell() const { return get<std::int16_t>(kBuySell); }
  void setBuySell(std::int16_t v) { set(kBuySell, v); }
  std::int32_t quantity() const { return get<std::int32_t>(kQuantity); }
  void setQuantity(std::int32_t v) { set(kQuantity, v); }
  double price() const { return get<double>(kPrice); }
  void setPrice(double v) { set(kPrice, v); }
  double triggerPrice() const { return get<double>(kTriggerPrice); }
  void setTriggerPrice(double v) { set(kTriggerPrice, v); }
  std::int32_t lastModifiedTime() const { return get<std::int32_t>(kLastModifiedTime); }
  void setLastModifiedTime(std::int32_t v) { set(kLastModifiedTime, v); }
  std::uint16_t flags() const { return get<std::uint16_t>(kFlags); }
  void setFlags(std::uint16_t v) { set(kFlags, v); }
  std::uint32_t ourOrderNo() const { return get<std::uint32_t>(kOurOrderNo); }
  void setOurOrderNo(std::uint32_t v) { set(kOurOrderNo, v); }
  std::string_view exchangeOrderId() const { return text(kExchangeOrderId, kExchangeOrderIdWidth); }
  void setExchangeOrderId(std::string_view v) { setText(kExchangeOrderId, kExchangeOrderIdWidth, v); }
  std::int32_t iobRuleNo() const { return get<std::int32_t>(kIobRuleNo); }
  void setIobRuleNo(std::int32_t v) { set(kIobRuleNo, v); }
};
static_assert(sizeof(ORVEL_ORDER_ENTRY) == 802);

// The packet as the host's older paths hand it over, with its texts already made.
struct ORVEL_ORDER_ENTRY_AND_IN_STRING {
  ORVEL_ORDER_ENTRY objOrderEntry;
  char cInString[256] = {};
};

struct ORVEL_SPREAD_OE_REQUEST : PacketBytes<926> {
  enum Offset : std::size_t {
    kTransactionCode = 0,   // 16-bit
    kDealerId = 7,          // text
    kToken = 52,            // 32-bit
    kBuySell = 96,          // 16-bit
    kPrice = 234,           // double
    kPendingQty = 520,      // 32-bit
    kField524 = 524,        // 32-bit
    kTradedQty = 528,       // 32-bit
    kDouble532 = 532,       // double
    kDouble622 = 622,       // double
    kDouble712 = 712,       // double
    kIobRuleNo = 878,       // 32-bit
  };
  static constexpr std::size_t kDealerIdWidth = 25;

  std::int16_t transactionCode() const { return get<std::int16_t>(kTransactionCode); }
  void setTransactionCode(std::int16_t v) { set(kTransactionCode, v); }
  std::string_view dealerId() const { return text(kDealerId, kDealerIdWidth); }
  void setDealerId(std::string_view v) { setText(kDealerId, kDealerIdWidth, v); }
  std::int32_t token() const { return get<std::int32_t>(kToken); }
  void setToken(std::int32_t v) { set(kToken, v); }
  std::int16_t buySell() const { return get<std::int16_t>(kBuySell); }
  void setBuySell(std::int16_t v) { set(kBuySell, v); }
  double price() const { return get<double>(kPrice); }
  void setPrice(double v) { set(kPrice, v); }
  std::int32_t iobRuleNo() const { return get<std::int32_t>(kIobRuleNo); }
  void setIobRuleNo(std::int32_t v) { set(kIobRuleNo, v); }
};
static_assert(sizeof(ORVEL_SPREAD_OE_REQUEST) == 926);
