#pragma once
// The cancels a window has already handed to the order sender, so that one order never gets a
// second cancel request. An order is known by the integer part of its exchange order number
// together with its own order number: orders not yet confirmed all carry exchange number 0 and
// would otherwise shadow one another.
//
// The entries live in flat open-addressing tables rather than in a node per order: a cancel-all
// of a million orders records a million of them, and a node each cost the hand-backs a good part
// of their time and left the allocator a million small blocks to merge when the map was cleared.
#include <cstddef>
#include <cstdint>
#include <vector>

class SentCancels final {
 public:
  bool Contains(double exchangeOrderNo, std::uint32_t lOurOrderNo) const;
  // Whether any own order number was sent under this exchange order number.
  bool ContainsNumber(double exchangeOrderNo) const;
  void Record(double exchangeOrderNo, std::uint32_t lOurOrderNo, std::int16_t buySell);
  // Forgets every order and gives the tables' memory back.
  void Clear();
  // Makes room for `orders` orders in all, so that recording them never stops to grow the table:
  // growing a table of half a million orders takes one delivery tens of milliseconds.
  void Reserve(std::size_t orders);
  std::size_t Size() const { return m_size; }
  bool Empty() const { return m_size == 0; }

  // The integer part of an exchange order number; numbers that fit no 64-bit integer (NaN, the
  // infinities) map to the nearest bound rather than to undefined behaviour.
  static std::int64_t IntegerPart(double exchangeOrderNo);

 private:
  struct Slot {
    std::int64_t nNumber = 0;
    std::uint32_t lOurOrderNo = 0;
    std::int16_t nBuySell = 0;
    bool bUsed = false;
  };
  struct NumberSlot {
    std::int64_t nNumber = 0;
    bool bUsed = false;
  };

  // The slot of (number, own number), or the free slot where it would go.
  std::size_t SlotOf(std::int64_t number, std::uint32_t ownNo) const;
  std::size_t NumberSlotOf(std::int64_t number) const;
  void Grow();
  void Rehash(std::size_t slots);
  void GrowNumbers() const;

  void AddNumber(std::int64_t number) const;

  std::vector<Slot> m_slots;  // by (number, own number); at most half full
  std::size_t m_size = 0;
  // Each number once, at most half full: made on the first ContainsNumber and kept from then on,
  // so a window's normal cancels, which never ask, do not pay for it.
  mutable std::vector<NumberSlot> m_numbers;
  mutable std::size_t m_numberCount = 0;
  mutable bool m_bNumbersKept = false;
};
