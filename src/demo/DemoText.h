#pragma once
// Allocation-free writers for the record texts the demo generators fill: numbers and the
// 12-hour / 24-hour time pair of one second of the day.
#include "host/records/RecordText.h"
#include "host/records/OrderBookDetails.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace orv::demo {

using ::FieldView;

template <std::size_t N>
inline void WriteNumber(char (&field)[N], std::int64_t value) {
  auto res = std::to_chars(field, field + N - 1, value);
  if (res.ec != std::errc{}) res.ptr = field;  // does not fit: leave the field empty
  *res.ptr = '\0';
}

// A prefix followed by a number ("AMO" 123 -> "AMO123").
template <std::size_t N>
inline void WritePrefixedNumber(char (&field)[N], std::string_view prefix, std::int64_t value) {
  std::size_t n = prefix.size() < N - 1 ? prefix.size() : N - 1;
  for (std::size_t i = 0; i < n; ++i) field[i] = prefix[i];
  auto res = std::to_chars(field + n, field + N - 1, value);
  if (res.ec != std::errc{}) res.ptr = field + n;
  *res.ptr = '\0';
}

// "hh:mm:ss AM" and "HH:mm:ss" of a second of the day (0 to 86399).
inline void WriteTimePair(int secondOfDay, TimeTextPair& out) {
  const int h = secondOfDay / 3600, m = secondOfDay / 60 % 60, s = secondOfDay % 60;
  const int h12 = h % 12 == 0 ? 12 : h % 12;
  auto two = [](char* p, int v) {
    p[0] = static_cast<char>('0' + v / 10);
    p[1] = static_cast<char>('0' + v % 10);
  };
  char* p = out.c24Hr;
  two(p, h);
  p[2] = ':';
  two(p + 3, m);
  p[5] = ':';
  two(p + 6, s);
  p[8] = '\0';
  p = out.c12Hr;
  two(p, h12);
  p[2] = ':';
  two(p + 3, m);
  p[5] = ':';
  two(p + 6, s);
  p[8] = ' ';
  p[9] = h < 12 ? 'A' : 'P';
  p[10] = 'M';
  p[11] = '\0';
}

}  // namespace orv::demo
