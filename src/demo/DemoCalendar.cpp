#include "demo/DemoCalendar.h"

#include <array>
#include <cctype>

namespace orv::demo {

namespace {

constexpr std::array<const char*, 12> kUpperMonths{"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                   "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Days since 1970-01-01 of a proleptic Gregorian date.
constexpr std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

constexpr std::int64_t kOleEpoch = -DaysFromCivil(1899, 12, 30);  // 25569

void PutTwoDigits(char* out, int value) {
  out[0] = static_cast<char>('0' + value / 10 % 10);
  out[1] = static_cast<char>('0' + value % 10);
}

void PutYear(char* out, int year) {
  for (int i = 3; i >= 0; --i) {
    out[i] = static_cast<char>('0' + year % 10);
    year /= 10;
  }
}

}  // namespace

int DemoCalendar::DaysInMonth(int year, int month) {
  constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

bool DemoCalendar::IsValid(const DemoDate& date) {
  return date.year >= 1900 && date.year <= 9999 && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
         date.day <= DaysInMonth(date.year, date.month);
}

std::int64_t DemoCalendar::SerialDay(const DemoDate& date) {
  return DaysFromCivil(date.year, date.month, date.day) + kOleEpoch;
}

DemoDate DemoCalendar::FromSerialDay(std::int64_t serial) {
  std::int64_t z = serial - kOleEpoch + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0)), m, d};
}

DemoDate DemoCalendar::AddDays(const DemoDate& date, int days) { return FromSerialDay(SerialDay(date) + days); }

int DemoCalendar::DayOfWeek(const DemoDate& date) {
  // 1970-01-01 was a Thursday.
  const std::int64_t days = DaysFromCivil(date.year, date.month, date.day);
  return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

DemoDate DemoCalendar::AddMonths(int year, int month, int months) {
  const int index = year * 12 + (month - 1) + months;
  return {index / 12, index % 12 + 1, 1};
}

DemoDate DemoCalendar::LastWeekday(int year, int month, int weekday) {
  DemoDate last{year, month, DaysInMonth(year, month)};
  const int back = (DayOfWeek(last) - weekday + 7) % 7;
  last.day -= back;
  return last;
}

DemoDate DemoCalendar::NthWeekday(int year, int month, int weekday, int n) {
  DemoDate first{year, month, 1};
  const int ahead = (weekday - DayOfWeek(first) + 7) % 7;
  first.day += ahead + 7 * (n - 1);
  return first;
}

DemoDate DemoCalendar::WorkdayOnOrBefore(int year, int month, int day) {
  DemoDate date{year, month, day};
  const int dow = DayOfWeek(date);
  if (dow == 0) return AddDays(date, -2);
  if (dow == 6) return AddDays(date, -1);
  return date;
}

void DemoCalendar::FormatExpiry(const DemoDate& date, char* out) {
  PutTwoDigits(out, date.day);
  const char* month = kUpperMonths[static_cast<std::size_t>(date.month - 1)];
  out[2] = month[0];
  out[3] = month[1];
  out[4] = month[2];
  PutYear(out + 5, date.year);
  out[9] = '\0';
}

void DemoCalendar::FormatDayMonYear(const DemoDate& date, char* out) {
  PutTwoDigits(out, date.day);
  out[2] = '-';
  const char* month = kMonths[static_cast<std::size_t>(date.month - 1)];
  out[3] = month[0];
  out[4] = month[1];
  out[5] = month[2];
  out[6] = '-';
  PutYear(out + 7, date.year);
  out[11] = '\0';
}

bool DemoCalendar::ParseExpiry(std::string_view text, DemoDate& out) {
  if (text.size() != 9) return false;
  auto digit = [&](std::size_t i) { return std::isdigit(static_cast<unsigned char>(text[i])) != 0; };
  if (!digit(0) || !digit(1) || !digit(5) || !digit(6) || !digit(7) || !digit(8)) return false;
  DemoDate date;
  date.day = (text[0] - '0') * 10 + (text[1] - '0');
  date.month = 0;
  for (std::size_t m = 0; m < kUpperMonths.size(); ++m) {
    const char* name = kUpperMonths[m];
    bool same = true;
    for (std::size_t k = 0; k < 3; ++k) same = same && std::toupper(static_cast<unsigned char>(text[2 + k])) == name[k];
    if (same) date.month = static_cast<int>(m) + 1;
  }
  date.year = (text[5] - '0') * 1000 + (text[6] - '0') * 100 + (text[7] - '0') * 10 + (text[8] - '0');
  if (date.month == 0 || !IsValid(date)) return false;
  out = date;
  return true;
}

int DemoCalendar::MonthsBetween(const DemoDate& from, const DemoDate& to) {
  return (to.year * 12 + to.month) - (from.year * 12 + from.month);
}

}  // namespace orv::demo
