#pragma once
// A set of 32-bit store keys for passes over a whole book. Order numbers are handed out in
// sequence, so keys below 2^26 go into a bitmap (at most 8 MiB, grown as keys arrive) that stays
// in cache for a million orders; larger keys go into a flat open-addressing table. Neither costs
// an allocation per key: a node-based set spent most of a cancel-all's time in the allocator.
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

class KeySet final {
 public:
  KeySet() = default;

  // True when the key was not there yet.
  bool Insert(std::uint32_t key) {
    if (key < kDenseLimit) {
      const std::size_t word = key >> 6;
      if (word >= m_bits.size()) m_bits.resize(std::max<std::size_t>(word + 1, m_bits.size() * 2), 0);
      const std::uint64_t bit = std::uint64_t{1} << (key & 63);
      if (m_bits[word] & bit) return false;
      m_bits[word] |= bit;
    } else {
      if ((m_sparseCount + 1) * 2 > m_slots.size()) Grow();
      std::uint64_t& slot = m_slots[IndexOf(key)];
      if (slot != 0) return false;
      slot = Stored(key);
      ++m_sparseCount;
    }
    ++m_count;
    return true;
  }
  bool Contains(std::uint32_t key) const {
    if (key < kDenseLimit) return (key >> 6) < m_bits.size() && (m_bits[key >> 6] >> (key & 63) & 1) != 0;
    return !m_slots.empty() && m_slots[IndexOf(key)] != 0;
  }
  std::size_t Size() const { return m_count; }

 private:
  static constexpr std::uint32_t kDenseLimit = 1u << 26;
  static std::uint64_t Stored(std::uint32_t key) { return std::uint64_t{key} + 1; }  // 0 marks a free slot

  // The key's slot, or the free slot where it would go.
  std::size_t IndexOf(std::uint32_t key) const {
    const std::uint64_t mask = m_slots.size() - 1;
    for (std::uint64_t i = (std::uint64_t{key} * 0x9E3779B97F4A7C15ull) >> 32 & mask;; i = (i + 1) & mask)
      if (m_slots[i] == 0 || m_slots[i] == Stored(key)) return static_cast<std::size_t>(i);
  }

  // At most half full, so probes stay short.
  void Grow() {
    std::vector<std::uint64_t> old(std::max<std::size_t>(16, m_slots.size() * 2), 0);
    old.swap(m_slots);
    for (std::uint64_t stored : old)
      if (stored != 0) m_slots[IndexOf(static_cast<std::uint32_t>(stored - 1))] = stored;
  }

  std::vector<std::uint64_t> m_bits;
  std::vector<std::uint64_t> m_slots;
  std::size_t m_sparseCount = 0;
  std::size_t m_count = 0;
};
