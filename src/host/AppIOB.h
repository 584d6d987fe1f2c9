#pragma once
// The host's interactive order book (IOB) rules, by rule number.
#include "host/records/PacketBytes.h"

#include <cstdint>
#include <unordered_map>

struct IOBRuleDetails : PacketBytes<1064> {
  enum Offset : std::size_t {
    kExpectedPrice = 118,   // double
    kSoftLimitPrice = 880,  // double
    kSkipPriceLimits = 1056 // 8-bit: nonzero skips the price limits
  };
  double expectedPrice() const { return get<double>(kExpectedPrice); }
  void setExpectedPrice(double v) { set(kExpectedPrice, v); }
  double softLimitPrice() const { return get<double>(kSoftLimitPrice); }
  void setSoftLimitPrice(double v) { set(kSoftLimitPrice, v); }
  bool skipPriceLimits() const { return get<std::uint8_t>(kSkipPriceLimits) != 0; }
  void setSkipPriceLimits(bool v) { set<std::uint8_t>(kSkipPriceLimits, v ? 1 : 0); }
};

class AppIOB final {
 public:
  // The rule record of an IOB rule number, or null.
  static IOBRuleDetails* GetIOBOrderPacketBylOurOrderNo(std::int32_t ruleNo);
  static void SetRule(std::int32_t ruleNo, const IOBRuleDetails& rule);
  static void Clear();

 private:
  static inline std::unordered_map<std::int32_t, IOBRuleDetails> m_rules;
};
