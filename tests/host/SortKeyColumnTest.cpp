#include "host/SortKeyColumn.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(SortKeyColumn, numbers_order_as_numbers_with_nan_first_and_both_zeros_equal) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  const std::vector<double> ascending{std::nan(""), -inf, -1e300, -2.5, -1e-300, 0.0, 1e-300, 9.5, 10.0, 1e300, inf};
  SortKeyColumn keys;
  keys.Reset(SortKeyColumn::Kind::Number, ascending.size());
  for (std::size_t i = 0; i < ascending.size(); ++i) keys.SetNumber(i, ascending[i]);
  for (std::size_t i = 0; i + 1 < ascending.size(); ++i) {
    EXPECT_LT(keys.Compare(i, i + 1), 0) << ascending[i] << " before " << ascending[i + 1];
    EXPECT_GT(keys.Compare(i + 1, i), 0);
  }
  EXPECT_EQ(SortKeyColumn::OrderOfNumber(-0.0), SortKeyColumn::OrderOfNumber(0.0));
  EXPECT_EQ(SortKeyColumn::OrderOfNumber(std::nan("")), SortKeyColumn::OrderOfNumber(-std::nan("")));
}

TEST(SortKeyColumn, texts_order_byte_wise_unsigned_like_strcmp_for_any_bytes_and_lengths) {
  // Short and long texts over a small alphabet (so that prefixes collide), with NUL and bytes
  // above 127 inside.
  const char alphabet[] = {'\0', '1', 'A', 'a', '\x7f', '\x80', '\xff'};
  std::mt19937 random(7);
  std::vector<std::string> texts;
  for (int i = 0; i < 600; ++i) {
    std::string t(random() % 13, ' ');
    for (char& c : t) c = alphabet[random() % sizeof alphabet];
    texts.push_back(t);
  }
  texts.push_back("");
  SortKeyColumn keys;
  keys.Reset(SortKeyColumn::Kind::Text, texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) keys.SetText(i, texts[i]);
  for (std::size_t a = 0; a < texts.size(); ++a)
    for (std::size_t b = 0; b < texts.size(); ++b)
      ASSERT_EQ(keys.Compare(a, b), Sign(std::string_view(texts[a]).compare(texts[b])))
          << "texts " << a << " and " << b;
}

TEST(SortKeyColumn, copied_texts_outlive_their_source_and_the_memory_is_reused_by_the_next_sort) {
  SortKeyColumn keys;
  constexpr std::size_t rows = 20000;  // several chunks of copies
  keys.Reset(SortKeyColumn::Kind::Text, rows);
  for (std::size_t i = 0; i < rows; ++i) {
    std::string formatted = "price " + std::to_string(i) + ".50";
    keys.SetTextCopy(i, formatted);
  }
  for (std::size_t i = 0; i < rows; i += 997) EXPECT_EQ(keys.Text(i), "price " + std::to_string(i) + ".50");

  const char* first = keys.Text(0).data();
  keys.Reset(SortKeyColumn::Kind::Text, 2);
  keys.SetTextCopy(0, "again");
  EXPECT_EQ(keys.Text(0).data(), first) << "the first chunk is filled again";
  EXPECT_EQ(keys.Text(1), "") << "a reset row is the empty text";
  EXPECT_LT(keys.Compare(1, 0), 0);
}

}  // namespace
