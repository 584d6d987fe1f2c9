#include "sortfilter/DistinctTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(DistinctTexts, keeps_each_text_once_sorted_by_unsigned_bytes_after_growing) {
  DistinctTexts distinct;
  std::vector<std::string> expected;
  for (int i = 0; i < 3000; ++i) expected.push_back("C" + std::to_string(10000 + i));
  for (int round = 0; round < 3; ++round)
    for (auto it = expected.rbegin(); it != expected.rend(); ++it) distinct.Add(*it);
  distinct.Add("");
  distinct.Add("\xE9");
  distinct.Add(std::string_view("a\0b", 3));
  distinct.Add("a");
  EXPECT_EQ(distinct.Size(), 3004u);

  std::vector<std::string> out{"first"};
  distinct.MoveSortedInto(out);
  expected.insert(expected.begin(), "");
  expected.insert(expected.begin(), "first");
  expected.push_back("a");
  expected.push_back(std::string("a\0b", 3));
  expected.push_back("\xE9");
  EXPECT_EQ(out, expected);
  EXPECT_EQ(distinct.Size(), 0u);

  distinct.Add("again");
  out.clear();
  distinct.MoveSortedInto(out);
  EXPECT_EQ(out, std::vector<std::string>{"again"}) << "usable after being emptied";
}

}  // namespace
