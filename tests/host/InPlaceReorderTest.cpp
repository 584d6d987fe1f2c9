// The in-place reorder must give what erasing and inserting one by one gives, for any mix of
// removals and insertions, wherever they fall (runs shifting both ways, overlapping, at both ends).
#include "host/InPlaceReorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

TEST(InPlaceReorder, gives_what_erasing_and_inserting_one_by_one_gives) {
  std::mt19937 random(42);
  for (int round = 0; round < 2000; ++round) {
    const std::size_t size = random() % 40;
    std::vector<int> values(size);
    for (std::size_t i = 0; i < size; ++i) values[i] = static_cast<int>(i);

    std::vector<std::size_t> removed;
    for (std::size_t i = 0; i < size; ++i)
      if (random() % 4 == 0) removed.push_back(i);
    std::vector<int> expected;
    for (std::size_t i = 0; i < size; ++i)
      if (!std::binary_search(removed.begin(), removed.end(), i)) expected.push_back(values[i]);
    // Insert into the expected vector one by one, ascending, so each index is final.
    const std::size_t adds = random() % 6;
    std::vector<InPlaceReorder::Insertion<int>> inserted;
    for (std::size_t a = 0; a < adds; ++a) {
      const std::size_t at = random() % (expected.size() + 1);
      expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(at), 1000 + static_cast<int>(a));
      for (auto& earlier : inserted)
        if (earlier.at >= at) ++earlier.at;
      inserted.push_back({at, 1000 + static_cast<int>(a)});
    }
    std::sort(inserted.begin(), inserted.end(), [](const auto& a, const auto& b) { return a.at < b.at; });
    InPlaceReorder::Apply(values, removed, inserted);
    ASSERT_EQ(values, expected) << "round " << round;
  }
}

}  // namespace
