#include "host/GlobalFunctions.h"

#include "host/AppGlobal.h"
#include "host/ContractMaster.h"
#include "support/HostReset.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class GlobalFunctionsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetHostForTest(); }
};

TEST_F(GlobalFunctionsTest, prints_prices_like_printf_for_valid_formats) {
  struct Case {
    double value;
    const char* format;
  };
  const Case cases[] = {{1234.5, "%.2f"},   {0.0025, "%.4f"},  {-12.345, "%.2f"}, {99.995, "%.2f"},
                        {7.0, "% 0.2f"},    {-7.0, "% 0.2f"},  {3.14159, "%10.3f"}, {3.14159, "%-10.3f"},
                        {-3.5, "%08.2f"},   {42.0, "%+.1f"},   {1e9, "%.0f"},     {2.5, "%.0f"},
                        {0.125, "%.2lf"},   {5.0, "%f"}};
  for (const Case& c : cases) {
    std::string format = c.format;
    char expected[64];
    std::snprintf(expected, sizeof expected, format.c_str(), c.value);
    EXPECT_EQ(GlobalFunctions::DoubleToString(c.value, format.c_str()), expected) << format << " " << c.value;
  }
}

TEST_F(GlobalFunctionsTest, never_hands_a_data_format_text_to_printf) {
  // A contract's price format comes from data: anything that is not one number conversion
  // prints with two decimals instead of reaching printf.
  for (const char* hostile : {"%s", "%n", "%.2f%s", "%d", "abc", "", "%.2f %.2f", "%*.*f", "%99999.2f", "%.2"}) {
    EXPECT_EQ(GlobalFunctions::DoubleToString(1.5, hostile), "1.50") << hostile;
  }
  EXPECT_EQ(GlobalFunctions::DoubleToString(1.5, static_cast<const char*>(nullptr)), "1.50");
}

TEST_F(GlobalFunctionsTest, writes_into_a_small_buffer_without_overflow) {
  char small[6];
  std::size_t n = GlobalFunctions::DoubleToString(123456.789, "%.3f", small, sizeof small);
  EXPECT_EQ(n, 5u);
  EXPECT_STREQ(small, "12345");
  EXPECT_EQ(GlobalFunctions::DoubleToString(2.0, 3), "2.000");
  EXPECT_EQ(GlobalFunctions::DoubleToString(2.0, -4), "2");
}

TEST_F(GlobalFunctionsTest, numeric_client_id_takes_the_digits_and_refuses_overflow) {
  EXPECT_EQ(GlobalFunctions::GetNumericClientID("DLR0042"), 42);
  EXPECT_EQ(GlobalFunctions::GetNumericClientID("ABC"), 0);
  EXPECT_EQ(GlobalFunctions::GetNumericClientID("99999999999"), 0);
}

}  // namespace
