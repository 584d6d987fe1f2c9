#include "actions/SentCancels.h"

#include "host/HashMix.h"

#include <cmath>
#include <limits>
#include <utility>

namespace {

std::uint64_t HashOf(std::int64_t number, std::uint32_t ownNo) {
  return HashMix(static_cast<std::uint64_t>(number) * 0x9E3779B97F4A7C15ULL ^ ownNo);
}

constexpr std::size_t kFirstSlots = 16;

}  // namespace

std::int64_t SentCancels::IntegerPart(double exchangeOrderNo) {
  if (std::isnan(exchangeOrderNo)) return 0;
  // 2^63 as a double: the first value past the range.
  constexpr double kLimit = 9223372036854775808.0;
  if (exchangeOrderNo >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (exchangeOrderNo < -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(std::trunc(exchangeOrderNo));
}

std::size_t SentCancels::SlotOf(std::int64_t number, std::uint32_t ownNo) const {
  const std::size_t mask = m_slots.size() - 1;
  for (std::size_t i = HashOf(number, ownNo) & mask;; i = (i + 1) & mask) {
    const Slot& slot = m_slots[i];
    if (!slot.bUsed || (slot.nNumber == number && slot.lOurOrderNo == ownNo)) return i;
  }
}

std::size_t SentCancels::NumberSlotOf(std::int64_t number) const {
  const std::size_t mask = m_numbers.size() - 1;
  for (std::size_t i = HashMix(static_cast<std::uint64_t>(number)) & mask;; i = (i + 1) & mask)
    if (!m_numbers[i].bUsed || m_numbers[i].nNumber == number) return i;
}

bool SentCancels::Contains(double exchangeOrderNo, std::uint32_t lOurOrderNo) const {
  return m_size != 0 && m_slots[SlotOf(IntegerPart(exchangeOrderNo), lOurOrderNo)].bUsed;
}

bool SentCancels::ContainsNumber(double exchangeOrderNo) const {
  if (!m_bNumbersKept) {
    m_bNumbersKept = true;
    for (const Slot& slot : m_slots)
      if (slot.bUsed) AddNumber(slot.nNumber);
  }
  return m_numberCount != 0 && m_numbers[NumberSlotOf(IntegerPart(exchangeOrderNo))].bUsed;
}

void SentCancels::AddNumber(std::int64_t number) const {
  if ((m_numberCount + 1) * 2 > m_numbers.size()) GrowNumbers();
  NumberSlot& numbered = m_numbers[NumberSlotOf(number)];
  if (!numbered.bUsed) {
    numbered = NumberSlot{number, true};
    ++m_numberCount;
  }
}

void SentCancels::Record(double exchangeOrderNo, std::uint32_t lOurOrderNo, std::int16_t buySell) {
  const std::int64_t number = IntegerPart(exchangeOrderNo);
  if ((m_size + 1) * 2 > m_slots.size()) Grow();
  Slot& slot = m_slots[SlotOf(number, lOurOrderNo)];
  if (!slot.bUsed) {
    slot.bUsed = true;
    slot.nNumber = number;
    slot.lOurOrderNo = lOurOrderNo;
    ++m_size;
  }
  slot.nBuySell = buySell;
  if (m_bNumbersKept) AddNumber(number);
}

void SentCancels::Clear() {
  std::vector<Slot>().swap(m_slots);
  std::vector<NumberSlot>().swap(m_numbers);
  m_size = m_numberCount = 0;
  m_bNumbersKept = false;
}

void SentCancels::Grow() { Rehash(m_slots.empty() ? kFirstSlots : m_slots.size() * 2); }

void SentCancels::Reserve(std::size_t orders) {
  std::size_t slots = m_slots.empty() ? kFirstSlots : m_slots.size();
  while (orders * 2 > slots) slots *= 2;
  if (slots != m_slots.size()) Rehash(slots);
}

void SentCancels::Rehash(std::size_t slots) {
  std::vector<Slot> old(slots);
  old.swap(m_slots);
  for (const Slot& slot : old)
    if (slot.bUsed) m_slots[SlotOf(slot.nNumber, slot.lOurOrderNo)] = slot;
}

void SentCancels::GrowNumbers() const {
  std::vector<NumberSlot> old(m_numbers.empty() ? kFirstSlots : m_numbers.size() * 2);
  old.swap(m_numbers);
  for (const NumberSlot& slot : old)
    if (slot.bUsed) m_numbers[NumberSlotOf(slot.nNumber)] = slot;
}
