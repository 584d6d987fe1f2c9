#pragma once
// The cancels a window has already handed to the order sender, so that one order never gets a
// second cancel request. An order is known by the integer part of its exchange order number
// together with its own order number: orders not yet confirmed all carry exchange number 0 and
// would otherwise shadow one another.
#include <cstddef>
#include <cstdint>
#include <map>
#include <utility>

class SentCancels final {
 public:
  struct Entry {
    std::uint32_t lOurOrderNo = 0;
    std::int16_t nBuySell = 0;
  };

  bool Contains(double exchangeOrderNo, std::uint32_t lOurOrderNo) const;
  // Whether any own order number was sent under this exchange order number.
  bool ContainsNumber(double exchangeOrderNo) const;
  void Record(double exchangeOrderNo, std::uint32_t lOurOrderNo, std::int16_t buySell);
  void Clear() { m_sent.clear(); }
  std::size_t Size() const { return m_sent.size(); }
  bool Empty() const { return m_sent.empty(); }

  // The integer part of an exchange order number; numbers that fit no 64-bit integer (NaN, the
  // infinities) map to the nearest bound rather than to undefined behaviour.
  static std::int64_t IntegerPart(double exchangeOrderNo);

 private:
  using Key = std::pair<std::int64_t, std::uint32_t>;
  std::map<Key, Entry> m_sent;
};
