#pragma once
// The demo data's only source of chance: splitmix64 with integer-only reductions, so that one
// seed gives the same data on every compiler, library and platform (the standard distributions
// are free to differ between library versions).
#include <cstddef>
#include <cstdint>
#include <span>

namespace orv::demo {

// A probability that Chance can take: within 0 to 1 (false for NaN too).
inline bool IsShare(double share) { return share >= 0.0 && share <= 1.0; }

class DemoRandom final {
 public:
  // Different streams of one seed are unrelated, so the contract master and an order book made
  // from the same seed do not mirror each other.
  explicit DemoRandom(std::uint64_t seed, std::uint64_t stream = 0)
      : m_state(seed ^ (stream * 0xD1B54A32D192ED03ull)) {}

  std::uint64_t Next() {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // Uniform in [0, n); 0 when n is 0.
  std::uint32_t Below(std::uint32_t n) {
    return static_cast<std::uint32_t>(((Next() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
  }

  // Uniform in [lo, hi], both included; lo when hi < lo.
  std::int64_t Between(std::int64_t lo, std::int64_t hi) {
    if (hi <= lo) return lo;
    const std::uint64_t span = static_cast<std::uint64_t>(hi - lo) + 1;
    const std::uint64_t r = span <= 0xFFFFFFFFull ? Below(static_cast<std::uint32_t>(span)) : Next() % span;
    return lo + static_cast<std::int64_t>(r);
  }

  // Uniform in [0, 1) with 53 bits; exact, so comparisons with it are the same everywhere.
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  bool Chance(double p) { return Unit() < p; }

  // Index of a weight, chosen in proportion to the weights (non-negative, not all zero).
  std::size_t Weighted(std::span<const int> weights) {
    std::uint32_t total = 0;
    for (int w : weights) total += static_cast<std::uint32_t>(w > 0 ? w : 0);
    std::uint32_t r = Below(total);
    for (std::size_t i = 0; i < weights.size(); ++i) {
      const std::uint32_t w = static_cast<std::uint32_t>(weights[i] > 0 ? weights[i] : 0);
      if (r < w) return i;
      r -= w;
    }
    return weights.empty() ? 0 : weights.size() - 1;
  }

  template <typename T>
  const T& Pick(std::span<const T> items) {
    return items[Below(static_cast<std::uint32_t>(items.size()))];
  }

 private:
  std::uint64_t m_state;
};

}  // namespace orv::demo
