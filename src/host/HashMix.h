#pragma once
// Spreads the bits of a key over the whole word, so that the open-addressing tables keyed by order
// numbers (which come in runs) find their slots from the low bits without clustering.
#include <cstdint>

inline std::uint64_t HashMix(std::uint64_t key) {
  key ^= key >> 33;
  key *= 0xff51afd7ed558ccdULL;
  key ^= key >> 33;
  return key;
}
