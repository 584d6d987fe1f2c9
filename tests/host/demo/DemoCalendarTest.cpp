#include "demo/DemoCalendar.h"
#include "host/platform/OleDateTime.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace orv::demo;

TEST(DemoCalendar, finds_the_expiry_days_of_the_exchanges) {
  EXPECT_EQ(DemoCalendar::LastWeekday(2026, 12, 4), (DemoDate{2026, 12, 31}));         // last Thursday
  EXPECT_EQ(DemoCalendar::LastWeekday(2027, 2, 2), (DemoDate{2027, 2, 23}));           // last Tuesday
  EXPECT_EQ(DemoCalendar::NthWeekday(2026, 12, 5, 3), (DemoDate{2026, 12, 18}));       // third Friday
  EXPECT_EQ(DemoCalendar::WorkdayOnOrBefore(2026, 12, 20), (DemoDate{2026, 12, 18}));  // a Sunday
  EXPECT_EQ(DemoCalendar::WorkdayOnOrBefore(2026, 12, 21), (DemoDate{2026, 12, 21}));
  EXPECT_EQ(DemoCalendar::AddMonths(2026, 12, 2), (DemoDate{2027, 2, 1}));
}

TEST(DemoCalendar, writes_and_reads_the_expiry_and_validity_texts) {
  char expiry[16];
  DemoCalendar::FormatExpiry({2026, 12, 3}, expiry);
  EXPECT_EQ(std::string(expiry), "03DEC2026");
  char day[12];
  DemoCalendar::FormatDayMonYear({2027, 1, 5}, day);
  EXPECT_EQ(std::string(day), "05-Jan-2027");

  DemoDate parsed;
  ASSERT_TRUE(DemoCalendar::ParseExpiry("28jan2027", parsed));
  EXPECT_EQ(parsed, (DemoDate{2027, 1, 28}));
  for (const char* bad : {"", "31FEB2027", "1DEC2026", "31XYZ2026", "31DEC20261", "3XDEC2026"})
    EXPECT_FALSE(DemoCalendar::ParseExpiry(bad, parsed)) << bad;
  EXPECT_EQ(DemoCalendar::MonthsBetween({2026, 12, 15}, {2027, 2, 25}), 2);
}

}  // namespace
