#pragma once
// OLE automation date-time: days since 30 December 1899 as a double, with a validity status.
//
// Values before the epoch keep the OLE encoding: the integer part counts days back from
// 1899-12-30 and the fraction is the time of day as a positive amount, so -1.25 is
// 1899-12-29 06:00 (and -0.25 is the same instant as 0.25). Every accessor, the comparisons and
// Format decode that encoding; the supported range is 0100-01-01 to 9999-12-31.
// Times are resolved to the nearest whole second whenever a value is split into fields.
#include <cmath>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace orv::platform {

class OleDateTime {
 public:
  enum class Status { valid, invalid, null };

  OleDateTime() = default;  // valid, 0.0 = 1899-12-30 00:00:00
  // Invalid when days is not finite or lies outside the supported range.
  explicit OleDateTime(double days);
  // Invalid when any field is out of range (month 1-12, day within the month, hour < 24, ...).
  OleDateTime(int year, int month, int day, int hour, int minute, int second);

  static OleDateTime Invalid();
  static OleDateTime Null();
  // Local time of a host time stamp (seconds since the Unix epoch, the host's `lTime`).
  static OleDateTime FromLocalTime(std::time_t t);
  static OleDateTime CurrentTime();

  // Parses "HH:mm:ss" (date part 1899-12-30), "YYYY-MM-DD HH:MM:SS", "YYYY-MM-DD",
  // "DD-Mon-YYYY HH:MM:SS", "DD/MM/YYYY HH:MM:SS" and the same without seconds; each date form
  // may also stand alone, and a time may end in " AM" or " PM" (hour 1-12). Leading and
  // trailing blanks are ignored. Returns false (and leaves the status invalid) when the text
  // is not a date-time.
  bool ParseDateTime(std::string_view text);

  Status GetStatus() const { return m_status; }
  bool IsValid() const { return m_status == Status::valid; }
  double Days() const { return m_days; }

  // Fields of a valid value; -1 when the value is not valid.
  int GetYear() const;
  int GetMonth() const;
  int GetDay() const;
  int GetHour() const;
  int GetMinute() const;
  int GetSecond() const;
  int GetDayOfWeek() const;  // 1 = Sunday ... 7 = Saturday

  // strftime-like subset: %Y %m %d %H %M %S %I %p %b %y %%. Any other character after % is
  // copied as it stands. A value that is not valid formats as an empty text.
  std::string Format(std::string_view pattern = "%Y-%m-%d %H:%M:%S") const;

  // English three-letter month name ("Jan" ... "Dec"); empty for a month outside 1-12.
  static std::string_view MonthAbbreviation(int month);
  // English month name ("January" ... "December"); empty for a month outside 1-12.
  static std::string_view MonthName(int month);

  friend bool operator==(const OleDateTime& a, const OleDateTime& b) {
    return a.m_status == b.m_status && a.m_days == b.m_days;
  }
  // Chronological order of the instants; only meaningful when both sides are valid.
  friend bool operator<(const OleDateTime& a, const OleDateTime& b) { return a.Linear() < b.Linear(); }
  friend bool operator>(const OleDateTime& a, const OleDateTime& b) { return b < a; }
  friend bool operator<=(const OleDateTime& a, const OleDateTime& b) { return !(b < a); }
  friend bool operator>=(const OleDateTime& a, const OleDateTime& b) { return !(a < b); }

 private:
  struct Fields {
    int year, month, day, hour, minute, second;
  };
  // Days on a continuous axis (the OLE encoding folds the time of day of negative values).
  double Linear() const {
    if (m_days >= 0.0) return m_days;
    const double whole = std::trunc(m_days);
    return whole + (whole - m_days);
  }
  bool Split(Fields& out) const;
  int Field(int Fields::*member) const;

  double m_days = 0.0;
  Status m_status = Status::valid;
};

}  // namespace orv::platform
