#include "actions/SentCancels.h"

#include <cmath>
#include <limits>

std::int64_t SentCancels::IntegerPart(double exchangeOrderNo) {
  if (std::isnan(exchangeOrderNo)) return 0;
  // 2^63 as a double: the first value past the range.
  constexpr double kLimit = 9223372036854775808.0;
  if (exchangeOrderNo >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (exchangeOrderNo < -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(std::trunc(exchangeOrderNo));
}

bool SentCancels::Contains(double exchangeOrderNo, std::uint32_t lOurOrderNo) const {
  return m_sent.count({IntegerPart(exchangeOrderNo), lOurOrderNo}) != 0;
}

void SentCancels::Record(double exchangeOrderNo, std::uint32_t lOurOrderNo, std::int16_t buySell) {
  m_sent[{IntegerPart(exchangeOrderNo), lOurOrderNo}] = Entry{lOurOrderNo, buySell};
}

bool SentCancels::ContainsNumber(double exchangeOrderNo) const {
  const std::int64_t number = IntegerPart(exchangeOrderNo);
  const auto it = m_sent.lower_bound({number, 0});
  return it != m_sent.end() && it->first.first == number;
}
