#pragma once
// The host's clock in the tests that read dates off it: 2026-06-15 10:00 local time.
#include <ctime>

inline std::time_t HostToday() {
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 5;
  t.tm_mday = 15;
  t.tm_hour = 10;
  t.tm_isdst = -1;
  return std::mktime(&t);
}
