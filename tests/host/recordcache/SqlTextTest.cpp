#include "host/recordcache/SqlText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>

TEST(SqlText, fills_every_conversion_the_queries_use) {
  const std::uint32_t ourOrderNo = 4000000000u;
  const long refNo = 77;
  EXPECT_EQ(SqlText::Format("a=%d b=%ld c=%u d=%lu e=%lld", -5, refNo, ourOrderNo, 9ul, -1ll),
            "a=-5 b=77 c=4000000000 d=9 e=-1");
  EXPECT_EQ(SqlText::Format("x=%.2f y=%.0f z=%f", 1234.5, 20000001.4, 0.5), "x=1234.50 y=20000001 z=0.500000");
  EXPECT_EQ(SqlText::Format("100%% of '%s'", "D1"), "100% of 'D1'");
  EXPECT_EQ(SqlText::Format("no conversions"), "no conversions");
}

TEST(SqlText, prints_the_whole_value_whatever_the_length_modifier_says) {
  const std::int64_t big = 5000000000LL;
  EXPECT_EQ(SqlText::Format("%d", big), "5000000000");
  EXPECT_EQ(SqlText::Format("%u", ULLONG_MAX), "18446744073709551615");
  EXPECT_EQ(SqlText::Format("%hd", static_cast<short>(-3)), "-3");
}

TEST(SqlText, doubles_quotes_inside_text_arguments) {
  EXPECT_EQ(SqlText::Format("id = '%s'", "x' or '1'='1"), "id = 'x'' or ''1''=''1'");
  EXPECT_EQ(SqlText::Format("'%s'", std::string("O'Neil")), "'O''Neil'");
  EXPECT_EQ(SqlText::Format("'%s'", std::string_view("''")), "''''''");
}

TEST(SqlText, reads_unterminated_char_arrays_only_to_their_end) {
  char field[4] = {'A', 'B', 'C', 'D'};  // a packet field filled to the brim, no terminator
  EXPECT_EQ(SqlText::Format("'%s'", field), "'ABCD'");
  char shorter[8] = "AB";
  EXPECT_EQ(SqlText::Format("'%s'", shorter), "'AB'");
}

TEST(SqlText, refuses_arguments_that_do_not_match_their_conversion_or_their_count) {
  const char* nullText = nullptr;
  EXPECT_THROW(SqlText::Format("%d", "12"), std::invalid_argument);
  EXPECT_THROW(SqlText::Format("%s", 12), std::invalid_argument);
  EXPECT_THROW(SqlText::Format("%f", 12), std::invalid_argument);
  EXPECT_THROW(SqlText::Format("%d", 1.5), std::invalid_argument);
  EXPECT_THROW(SqlText::Format("%u", -1), std::invalid_argument);
  EXPECT_THROW(SqlText::Format("%s", nullText), std::invalid_argument);
  EXPECT_THROW(SqlText::Format("%d and %d", 1), std::invalid_argument);
  EXPECT_THROW(SqlText::Format("%d", 1, 2), std::invalid_argument);
  EXPECT_THROW(SqlText::Format("plain", 1), std::invalid_argument);
}
