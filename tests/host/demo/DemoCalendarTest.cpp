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

}  // namespace
