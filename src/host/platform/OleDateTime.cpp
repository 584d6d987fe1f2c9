#include "host/platform/OleDateTime.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

namespace orv::platform {

namespace {

constexpr long long kSecondsPerDay = 86400;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's civil-date algorithm).
constexpr long long DaysFromCivil(long long y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

struct Civil {
  int year, month, day;
};

constexpr Civil CivilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0)), m, d};
}

// Serial day numbers: 0 is 1899-12-30.
constexpr long long kEpochOffset = -DaysFromCivil(1899, 12, 30);
constexpr long long kFirstDay = DaysFromCivil(100, 1, 1) + kEpochOffset;
constexpr long long kEndDay = DaysFromCivil(10000, 1, 1) + kEpochOffset;  // exclusive
static_assert(kEpochOffset == 25569);

constexpr bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

constexpr int DaysInMonth(int y, int m) {
  constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeapYear(y) ? 29 : kDays[static_cast<std::size_t>(m - 1)];
}

bool FieldsInRange(int year, int month, int day, int hour, int minute, int second) {
  return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month) && hour >= 0 && hour < 24 && minute >= 0 && minute < 60 &&
         second >= 0 && second < 60;
}

constexpr std::array<std::string_view, 12> kMonthAbbreviations{
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// A cursor over the text being parsed; every reader leaves the position alone when it fails.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : m_text(text) {}

  bool AtEnd() const { return m_pos == m_text.size(); }
  std::size_t Position() const { return m_pos; }
  void Rewind(std::size_t pos) { m_pos = pos; }

  bool Eat(char c) {
    if (AtEnd() || m_text[m_pos] != c) return false;
    ++m_pos;
    return true;
  }

  bool SkipBlanks() {
    const std::size_t start = m_pos;
    while (!AtEnd() && m_text[m_pos] == ' ') ++m_pos;
    return m_pos > start;
  }

  // Reads minDigits to maxDigits decimal digits (no sign).
  bool Number(int minDigits, int maxDigits, int& out) {
    std::size_t end = m_pos;
    int value = 0;
    while (end < m_text.size() && end - m_pos < static_cast<std::size_t>(maxDigits) &&
           std::isdigit(static_cast<unsigned char>(m_text[end]))) {
      value = value * 10 + (m_text[end] - '0');
      ++end;
    }
    const std::size_t count = end - m_pos;
    if (count < static_cast<std::size_t>(minDigits)) return false;
    // A longer run of digits than allowed is not this field.
    if (end < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[end]))) return false;
    m_pos = end;
    out = value;
    return true;
  }

  std::string_view Letters() {
    const std::size_t start = m_pos;
    while (!AtEnd() && std::isalpha(static_cast<unsigned char>(m_text[m_pos]))) ++m_pos;
    return m_text.substr(start, m_pos - start);
  }

 private:
  std::string_view m_text;
  std::size_t m_pos = 0;
};

int MonthFromName(std::string_view name) {
  for (std::size_t i = 0; i < kMonthNames.size(); ++i) {
    if (EqualsIgnoreCase(name, kMonthAbbreviations[i]) || EqualsIgnoreCase(name, kMonthNames[i])) {
      return static_cast<int>(i) + 1;
    }
  }
  return 0;
}

struct ParsedTime {
  int hour = 0, minute = 0, second = 0;
};

// H:MM[:SS][ AM|PM]
bool ParseTime(Scanner& in, ParsedTime& out) {
  const std::size_t start = in.Position();
  ParsedTime t;
  if (!in.Number(1, 2, t.hour) || !in.Eat(':') || !in.Number(2, 2, t.minute)) {
    in.Rewind(start);
    return false;
  }
  if (in.Eat(':') && !in.Number(2, 2, t.second)) {
    in.Rewind(start);
    return false;
  }
  const std::size_t beforeSuffix = in.Position();
  in.SkipBlanks();
  const std::string_view suffix = in.Letters();
  const bool am = EqualsIgnoreCase(suffix, "AM");
  const bool pm = EqualsIgnoreCase(suffix, "PM");
  if (am || pm) {
    if (t.hour < 1 || t.hour > 12) {
      in.Rewind(start);
      return false;
    }
    t.hour = t.hour % 12 + (pm ? 12 : 0);
  } else {
    in.Rewind(beforeSuffix);
  }
  out = t;
  return true;
}

struct ParsedDate {
  int year = 0, month = 0, day = 0;
};

// YYYY-MM-DD, DD-Mon-YYYY or DD/MM/YYYY.
bool ParseDate(Scanner& in, ParsedDate& out) {
  const std::size_t start = in.Position();
  ParsedDate d;
  if (in.Number(4, 4, d.year)) {
    if (in.Eat('-') && in.Number(1, 2, d.month) && in.Eat('-') && in.Number(1, 2, d.day)) {
      out = d;
      return true;
    }
    in.Rewind(start);
    return false;
  }
  if (!in.Number(1, 2, d.day)) return false;
  if (in.Eat('-')) {
    d.month = MonthFromName(in.Letters());
    if (d.month != 0 && in.Eat('-') && in.Number(4, 4, d.year)) {
      out = d;
      return true;
    }
  } else if (in.Eat('/')) {
    if (in.Number(1, 2, d.month) && in.Eat('/') && in.Number(4, 4, d.year)) {
      out = d;
      return true;
    }
  }
  in.Rewind(start);
  return false;
}

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

void AppendTwoDigits(std::string& out, int value) {
  out.push_back(static_cast<char>('0' + value / 10 % 10));
  out.push_back(static_cast<char>('0' + value % 10));
}

}  // namespace

OleDateTime::OleDateTime(double days) : m_days(days) {
  Fields unused{};
  if (!std::isfinite(days) || !Split(unused)) *this = Invalid();
}

OleDateTime::OleDateTime(int year, int month, int day, int hour, int minute, int second) {
  if (!FieldsInRange(year, month, day, hour, minute, second)) {
    *this = Invalid();
    return;
  }
  const long long serial = DaysFromCivil(year, month, day) + kEpochOffset;
  const double fraction = static_cast<double>(hour * 3600 + minute * 60 + second) / kSecondsPerDay;
  m_days = serial >= 0 ? static_cast<double>(serial) + fraction : static_cast<double>(serial) - fraction;
}

OleDateTime OleDateTime::Invalid() {
  OleDateTime result;
  result.m_status = Status::invalid;
  return result;
}

OleDateTime OleDateTime::Null() {
  OleDateTime result;
  result.m_status = Status::null;
  return result;
}

OleDateTime OleDateTime::FromLocalTime(std::time_t t) {
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr) return Invalid();
  // A leap second is shown as the last second of its minute.
  return OleDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                     std::min(local.tm_sec, 59));
}

OleDateTime OleDateTime::CurrentTime() { return FromLocalTime(std::time(nullptr)); }

bool OleDateTime::ParseDateTime(std::string_view text) {
  *this = Invalid();
  Scanner in(Trim(text));
  ParsedDate date{1899, 12, 30};
  ParsedTime time;
  if (ParseTime(in, time)) {
    if (!in.AtEnd()) return false;
  } else {
    if (!ParseDate(in, date)) return false;
    if (!in.AtEnd() && !(in.SkipBlanks() && ParseTime(in, time) && in.AtEnd())) return false;
  }
  const OleDateTime parsed(date.year, date.month, date.day, time.hour, time.minute, time.second);
  if (!parsed.IsValid()) return false;
  *this = parsed;
  return true;
}

bool OleDateTime::Split(Fields& out) const {
  if (!IsValid()) return false;
  const double linear = Linear();
  // Reject far-off values before converting, so the rounding below cannot overflow.
  if (!(linear > static_cast<double>(kFirstDay) - 1.0 && linear < static_cast<double>(kEndDay) + 1.0)) {
    return false;
  }
  const long long seconds = std::llround(linear * static_cast<double>(kSecondsPerDay));
  if (seconds < kFirstDay * kSecondsPerDay || seconds >= kEndDay * kSecondsPerDay) return false;
  long long day = seconds / kSecondsPerDay;
  long long secondOfDay = seconds % kSecondsPerDay;
  if (secondOfDay < 0) {
    secondOfDay += kSecondsPerDay;
    --day;
  }
  const Civil civil = CivilFromDays(day - kEpochOffset);
  const int sod = static_cast<int>(secondOfDay);
  out = {civil.year, civil.month, civil.day, sod / 3600, sod / 60 % 60, sod % 60};
  return true;
}

int OleDateTime::Field(int Fields::*member) const {
  Fields fields{};
  return Split(fields) ? fields.*member : -1;
}

int OleDateTime::GetYear() const { return Field(&Fields::year); }
int OleDateTime::GetMonth() const { return Field(&Fields::month); }
int OleDateTime::GetDay() const { return Field(&Fields::day); }
int OleDateTime::GetHour() const { return Field(&Fields::hour); }
int OleDateTime::GetMinute() const { return Field(&Fields::minute); }
int OleDateTime::GetSecond() const { return Field(&Fields::second); }

int OleDateTime::GetDayOfWeek() const {
  Fields fields{};
  if (!Split(fields)) return -1;
  const long long serial = DaysFromCivil(fields.year, fields.month, fields.day) + kEpochOffset;
  // Serial day 0 was a Saturday.
  return static_cast<int>(((serial + 6) % 7 + 7) % 7) + 1;
}

std::string_view OleDateTime::MonthAbbreviation(int month) {
  if (month < 1 || month > 12) return {};
  return kMonthAbbreviations[static_cast<std::size_t>(month - 1)];
}

std::string_view OleDateTime::MonthName(int month) {
  if (month < 1 || month > 12) return {};
  return kMonthNames[static_cast<std::size_t>(month - 1)];
}

std::string OleDateTime::Format(std::string_view pattern) const {
  Fields f{};
  if (!Split(f)) return {};
  std::string out;
  out.reserve(pattern.size() + 16);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%' || i + 1 == pattern.size()) {
      out.push_back(pattern[i]);
      continue;
    }
    const char spec = pattern[++i];
    switch (spec) {
      case 'Y':
        AppendTwoDigits(out, f.year / 100);
        AppendTwoDigits(out, f.year % 100);
        break;
      case 'y':
        AppendTwoDigits(out, f.year % 100);
        break;
      case 'm':
        AppendTwoDigits(out, f.month);
        break;
      case 'd':
        AppendTwoDigits(out, f.day);
        break;
      case 'H':
        AppendTwoDigits(out, f.hour);
        break;
      case 'I':
        AppendTwoDigits(out, f.hour % 12 == 0 ? 12 : f.hour % 12);
        break;
      case 'M':
        AppendTwoDigits(out, f.minute);
        break;
      case 'S':
        AppendTwoDigits(out, f.second);
        break;
      case 'p':
        out += f.hour < 12 ? "AM" : "PM";
        break;
      case 'b':
        out += MonthAbbreviation(f.month);
        break;
      case '%':
        out.push_back('%');
        break;
      default:
        out.push_back('%');
        out.push_back(spec);
        break;
    }
  }
  return out;
}

}  // namespace orv::platform
