#pragma once
// Where the fuzzer's decisions come from: a seeded generator for the driver's runs, or the bytes
// libFuzzer hands over (read up front, zeros once they run out), so a finding replays from its
// seed or its input file alone.
#include <cstddef>
#include <cstdint>
#include <random>
#include <span>

namespace orv::fuzz {

class Choices final {
 public:
  explicit Choices(std::uint64_t seed) : m_rng(seed) {}
  explicit Choices(std::span<const std::uint8_t> bytes) : m_bytes(bytes), m_fromBytes(true) {}

  // A number in 0..n-1 (0 for n below 2).
  std::uint32_t Below(std::uint32_t n) {
    if (n < 2) return 0;
    if (!m_fromBytes) return static_cast<std::uint32_t>(m_rng() % n);
    std::uint32_t value = 0;
    for (int i = 0, width = n <= 256 ? 1 : 4; i < width; ++i)
      value = value << 8 | (m_pos < m_bytes.size() ? m_bytes[m_pos++] : 0u);
    return value % n;
  }
  bool Percent(std::uint32_t percent) { return Below(100) < percent; }
  template <typename T, std::size_t N>
  const T& Of(const T (&items)[N]) {
    return items[Below(static_cast<std::uint32_t>(N))];
  }
  // Only byte-driven choices run out: the libFuzzer entry stops there.
  bool Exhausted() const { return m_fromBytes && m_pos >= m_bytes.size(); }

 private:
  std::mt19937_64 m_rng;
  std::span<const std::uint8_t> m_bytes;
  std::size_t m_pos = 0;
  bool m_fromBytes = false;
};

}  // namespace orv::fuzz
