#include "demo/DemoRandom.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

using namespace orv::demo;

TEST(DemoRandom, follows_the_splitmix64_sequence_so_seeds_mean_the_same_everywhere) {
  DemoRandom rng(0);
  EXPECT_EQ(rng.Next(), 0xE220A8397B1DCDAFull);
  EXPECT_EQ(rng.Next(), 0x6E789E6AA1B965F4ull);
  EXPECT_EQ(rng.Next(), 0x06C45D188009454Full);
  EXPECT_NE(DemoRandom(7, 1).Next(), DemoRandom(7, 2).Next());
}

TEST(DemoRandom, draws_stay_within_their_bounds_and_skip_zero_weights) {
  DemoRandom rng(99);
  std::set<std::int64_t> seen;
  const std::array<int, 4> weights{0, 3, 0, 1};
  for (int i = 0; i < 5000; ++i) {
    const std::int64_t v = rng.Between(-2, 2);
    ASSERT_GE(v, -2);
    ASSERT_LE(v, 2);
    seen.insert(v);
    const double u = rng.Unit();
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
    const std::size_t w = rng.Weighted(weights);
    ASSERT_TRUE(w == 1 || w == 3);
    ASSERT_LT(rng.Below(7), 7u);
  }
  EXPECT_EQ(seen.size(), 5u);
  EXPECT_EQ(rng.Between(5, 5), 5);
  EXPECT_EQ(rng.Between(5, 1), 5);
  EXPECT_FALSE(rng.Chance(0.0));
  EXPECT_TRUE(rng.Chance(1.0));
}

}  // namespace
