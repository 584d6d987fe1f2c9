#pragma once
// Bucket hash of the per-token totals: the Park-Miller minimal standard step 16807 x token
// mod (2^31 - 1). The container takes the result modulo its bucket count.
#include <cstddef>
#include <cstdint>

struct ParkMillerTokenHash {
  static constexpr std::int64_t kMultiplier = 16807;
  static constexpr std::int64_t kModulus = 2147483647;            // 2^31 - 1
  static constexpr std::int64_t kQuotient = kModulus / kMultiplier;  // 127773
  static constexpr std::int64_t kRemainder = kModulus % kMultiplier; // 2836

  // Schrage's method keeps every intermediate inside 32 bits, as the host's own tables do, so
  // tokens land in the same buckets there and here. A token outside 0..2^31-2 (negative, or the
  // modulus itself) is first brought into that range by its unsigned value modulo 2^31 - 1.
  static constexpr std::uint32_t Value(std::int32_t token) noexcept {
    const std::int64_t x = static_cast<std::int64_t>(static_cast<std::uint32_t>(token) % kModulus);
    const std::int64_t hi = x / kQuotient;
    const std::int64_t lo = x % kQuotient;
    std::int64_t t = kMultiplier * lo - kRemainder * hi;
    if (t < 0) t += kModulus;
    return static_cast<std::uint32_t>(t);
  }

  std::size_t operator()(std::int32_t token) const noexcept { return Value(token); }
};
