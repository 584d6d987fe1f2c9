#include "actions/KeySet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>

TEST(KeySet, keeps_each_key_once_across_the_bitmap_and_the_table_as_both_grow) {
  KeySet keys;
  std::set<std::uint32_t> reference;
  // Key 0, keys either side of the bitmap's end and the largest key, mixed with a dense run.
  for (std::uint32_t key : {0u, 63u, 64u, (1u << 26) - 1, 1u << 26, 0xFFFFFFFFu, 0xFFFFFFFEu})
    EXPECT_EQ(keys.Insert(key), reference.insert(key).second) << key;
  for (std::uint32_t i = 0; i < 50000; ++i) {
    const std::uint32_t key = i % 3 == 0 ? i : 0x80000000u + i * 7919u;
    EXPECT_EQ(keys.Insert(key), reference.insert(key).second) << key;
  }
  EXPECT_EQ(keys.Size(), reference.size());
  for (std::uint32_t key : reference) EXPECT_TRUE(keys.Contains(key)) << key;
  EXPECT_FALSE(keys.Contains(1)) << "never inserted";
  EXPECT_FALSE(keys.Contains(0x80000001u)) << "never inserted";
  EXPECT_FALSE(KeySet().Contains(0xFFFFFFFFu)) << "an empty set holds nothing";
}
