#include "host/platform/OleDateTime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv::platform {
namespace {

struct Expected {
  int year, month, day, hour, minute, second;
};

void ExpectFields(const OleDateTime& t, const Expected& e) {
  ASSERT_TRUE(t.IsValid());
  EXPECT_EQ(t.GetYear(), e.year);
  EXPECT_EQ(t.GetMonth(), e.month);
  EXPECT_EQ(t.GetDay(), e.day);
  EXPECT_EQ(t.GetHour(), e.hour);
  EXPECT_EQ(t.GetMinute(), e.minute);
  EXPECT_EQ(t.GetSecond(), e.second);
}

TEST(OleDateTime, counts_days_from_the_1899_12_30_epoch) {
  EXPECT_EQ(OleDateTime(1899, 12, 30, 0, 0, 0).Days(), 0.0);
  EXPECT_EQ(OleDateTime(1899, 12, 31, 0, 0, 0).Days(), 1.0);
  EXPECT_EQ(OleDateTime(1900, 1, 1, 0, 0, 0).Days(), 2.0);
  EXPECT_EQ(OleDateTime(1900, 3, 1, 0, 0, 0).Days(), 61.0);  // 1900 was not a leap year
  EXPECT_EQ(OleDateTime(1970, 1, 1, 0, 0, 0).Days(), 25569.0);
  EXPECT_EQ(OleDateTime(2000, 1, 1, 0, 0, 0).Days(), 36526.0);
  EXPECT_DOUBLE_EQ(OleDateTime(2024, 2, 29, 18, 0, 0).Days(), 45351.75);
  ExpectFields(OleDateTime(0.5), {1899, 12, 30, 12, 0, 0});
}

TEST(OleDateTime, walks_across_leap_days_and_year_ends) {
  const std::vector<Expected> dates{{1900, 2, 28, 0, 0, 0}, {1900, 3, 1, 0, 0, 0},  {2000, 2, 29, 0, 0, 0},
                                    {2000, 3, 1, 0, 0, 0},  {2023, 12, 31, 0, 0, 0}, {2024, 1, 1, 0, 0, 0},
                                    {2024, 2, 29, 0, 0, 0}, {2024, 3, 1, 0, 0, 0},  {2100, 3, 1, 0, 0, 0}};
  for (const Expected& e : dates) {
    const OleDateTime t(e.year, e.month, e.day, 0, 0, 0);
    ExpectFields(t, e);
    ExpectFields(OleDateTime(t.Days()), e);
  }
  // Consecutive calendar days are one serial day apart.
  EXPECT_EQ(OleDateTime(2000, 3, 1, 0, 0, 0).Days() - OleDateTime(2000, 2, 29, 0, 0, 0).Days(), 1.0);
  EXPECT_EQ(OleDateTime(1900, 3, 1, 0, 0, 0).Days() - OleDateTime(1900, 2, 28, 0, 0, 0).Days(), 1.0);
  EXPECT_EQ(OleDateTime(2025, 1, 1, 0, 0, 0).Days() - OleDateTime(2024, 1, 1, 0, 0, 0).Days(), 366.0);
}

TEST(OleDateTime, rejects_fields_out_of_range) {
  EXPECT_FALSE(OleDateTime(2023, 2, 29, 0, 0, 0).IsValid());
  EXPECT_FALSE(OleDateTime(1900, 2, 29, 0, 0, 0).IsValid());
  EXPECT_FALSE(OleDateTime(2024, 13, 1, 0, 0, 0).IsValid());
  EXPECT_FALSE(OleDateTime(2024, 0, 1, 0, 0, 0).IsValid());
  EXPECT_FALSE(OleDateTime(2024, 4, 31, 0, 0, 0).IsValid());
  EXPECT_FALSE(OleDateTime(2024, 1, 1, 24, 0, 0).IsValid());
  EXPECT_FALSE(OleDateTime(2024, 1, 1, 0, 60, 0).IsValid());
  EXPECT_FALSE(OleDateTime(2024, 1, 1, 0, 0, 60).IsValid());
  EXPECT_FALSE(OleDateTime(2024, 1, 1, -1, 0, 0).IsValid());
  EXPECT_FALSE(OleDateTime(99, 12, 31, 0, 0, 0).IsValid());
  EXPECT_FALSE(OleDateTime(10000, 1, 1, 0, 0, 0).IsValid());
  EXPECT_EQ(OleDateTime(2024, 2, 30, 0, 0, 0).GetStatus(), OleDateTime::Status::invalid);
}

TEST(OleDateTime, rounds_to_the_nearest_second_when_splitting) {
  const double secondLength = 1.0 / 86400.0;
  const double midnight = OleDateTime(2024, 3, 1, 0, 0, 0).Days();
  ExpectFields(OleDateTime(midnight - 0.001 * secondLength), {2024, 3, 1, 0, 0, 0});
  ExpectFields(OleDateTime(midnight - 0.6 * secondLength), {2024, 2, 29, 23, 59, 59});
  ExpectFields(OleDateTime(midnight + 0.4 * secondLength), {2024, 3, 1, 0, 0, 0});
  // A time of day built from thirds of a day is not exact in binary.
  ExpectFields(OleDateTime(45000.0 + 2.0 / 3.0), {2023, 3, 15, 16, 0, 0});
  EXPECT_EQ(OleDateTime(midnight - 1e-9).Format(), "2024-03-01 00:00:00");
}

TEST(OleDateTime, round_trips_each_accepted_form_through_format) {
  struct Case {
    const char* text;
    const char* pattern;
  };
  const std::vector<Case> cases{
      {"2024-02-29 13:45:30", "%Y-%m-%d %H:%M:%S"}, {"2024-02-29 13:45", "%Y-%m-%d %H:%M"},
      {"2024-02-29", "%Y-%m-%d"},                   {"29-Feb-2024 13:45:30", "%d-%b-%Y %H:%M:%S"},
      {"29-Feb-2024 13:45", "%d-%b-%Y %H:%M"},      {"29-Feb-2024", "%d-%b-%Y"},
      {"29/02/2024 13:45:30", "%d/%m/%Y %H:%M:%S"}, {"29/02/2024 13:45", "%d/%m/%Y %H:%M"},
      {"29/02/2024", "%d/%m/%Y"},                   {"13:45:30", "%H:%M:%S"},
      {"13:45", "%H:%M"},                           {"01:05:09 PM", "%I:%M:%S %p"},
  };
  for (const Case& c : cases) {
    OleDateTime t;
    ASSERT_TRUE(t.ParseDateTime(c.text)) << c.text;
    EXPECT_EQ(t.Format(c.pattern), c.text);
  }
}

TEST(OleDateTime, refuses_texts_that_are_not_date_times) {
  const std::vector<std::string> texts{
      "",           "   ",          "garbage",          "31-Feb-2024",         "29-Feb-2023",
      "2024-02-30", "31/04/2024",   "2024-13-01",       "00/01/2024",          "25:00:00",
      "24:00",      "12:60",        "10:30:60",         "13:00 PM",            "00:10 AM",
      "10:5",       "10:30:5",      "10:30:00 XM",      "2024-02-29 10",       "2024-02-29T10:00:00",
      "29-Fbr-2024", "29-Feb-24",   "2024/02/29",       "12345-01-01",         "2024-01-01 10:00 x",
      "-1:00",      "1:00:00:00",   "29 Feb 2024",
      // Hostile: a NUL inside, bytes above 0x7F, digits beyond any int, a megabyte of digits.
      std::string("10:00\0:00", 9), "10:\xB9\xB9", "4294967306:00", "2024-01-01 99999999999:00",
      std::string(1 << 20, '9'), "10:00:00" + std::string(1 << 20, ' ') + "x",
  };
  for (const std::string& text : texts) {
    OleDateTime t(2020, 1, 1, 0, 0, 0);
    EXPECT_FALSE(t.ParseDateTime(text)) << '"' << text << '"';
    EXPECT_EQ(t.GetStatus(), OleDateTime::Status::invalid) << '"' << text << '"';
  }
}

TEST(OleDateTime, takes_the_local_time_of_a_host_time_stamp) {
  std::tm local{};
  local.tm_year = 2024 - 1900;
  local.tm_mon = 1;
  local.tm_mday = 29;
  local.tm_hour = 13;
  local.tm_min = 45;
  local.tm_sec = 30;
  local.tm_isdst = -1;
  const std::time_t stamp = std::mktime(&local);
  ExpectFields(OleDateTime::FromLocalTime(stamp), {2024, 2, 29, 13, 45, 30});
  EXPECT_TRUE(OleDateTime::CurrentTime().IsValid());
  EXPECT_GE(OleDateTime::CurrentTime().GetYear(), 2024);
}

}  // namespace
}  // namespace orv::platform
