#pragma once
// Calendar arithmetic for the demo data: expiry dates, the trading day and the texts made from
// them. Whole days only, in integers, so the results never depend on the floating-point unit.
#include <cstdint>
#include <string_view>

namespace orv::demo {

struct DemoDate {
  int year = 2026;
  int month = 12;
  int day = 15;

  friend bool operator==(const DemoDate&, const DemoDate&) = default;
};

class DemoCalendar final {
 public:
  // The serial day of 1970-01-01, where the host's time stamps start.
  static constexpr std::int64_t kUnixEpochSerial = 25569;

  // False for a month outside 1-12 or a day outside the month.
  static bool IsValid(const DemoDate& date);
  // Days since 1899-12-30, the OLE automation serial of the date at midnight.
  static std::int64_t SerialDay(const DemoDate& date);
  static DemoDate FromSerialDay(std::int64_t serial);
  static DemoDate AddDays(const DemoDate& date, int days);
  // 0 = Sunday ... 6 = Saturday.
  static int DayOfWeek(const DemoDate& date);
  static int DaysInMonth(int year, int month);
  static DemoDate AddMonths(int year, int month, int months);  // day 1 of that month

  // The last given weekday of the month.
  static DemoDate LastWeekday(int year, int month, int weekday);
  // The n-th (1-based) given weekday of the month.
  static DemoDate NthWeekday(int year, int month, int weekday, int n);
  // The day of the month, moved back to the Friday before when it falls on a weekend.
  static DemoDate WorkdayOnOrBefore(int year, int month, int day);

  // "31DEC2026"; out holds at least 10 bytes.
  static void FormatExpiry(const DemoDate& date, char* out);
  // "31-Dec-2026"; out holds at least 12 bytes.
  static void FormatDayMonYear(const DemoDate& date, char* out);
  // Reads "31DEC2026" (month letters in any case); false for anything else.
  static bool ParseExpiry(std::string_view text, DemoDate& out);
  // Whole months from the month of `from` to the month of `to` (0 for the same month).
  static int MonthsBetween(const DemoDate& from, const DemoDate& to);
};

}  // namespace orv::demo
