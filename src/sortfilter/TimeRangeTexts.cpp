#include "sortfilter/TimeRangeTexts.h"

#include "sortfilter/HeaderFilterSupport.h"

#include <cmath>

using orv::platform::OleDateTime;

namespace time_range {

namespace {

// Half a second in days.
constexpr double kSameEndDays = 1.0 / 172800.0;

}  // namespace

OleDateTime ParseRangeEnd(std::string_view text) {
  OleDateTime parsed;
  if (!parsed.ParseDateTime(text)) return OleDateTime::Invalid();
  // Every date form of the parse has a '-' or a '/'; without one the text was a time of day.
  const bool timeOnly = text.find_first_of("-/") == std::string_view::npos;
  if (!timeOnly) return parsed;
  return header_filter::TodayAt(parsed.GetHour(), parsed.GetMinute(), parsed.GetSecond());
}

bool SameRangeEnd(const OleDateTime& a, const OleDateTime& b) {
  if (a.GetStatus() != b.GetStatus()) return false;
  if (!a.IsValid()) return true;
  return std::fabs(a.Days() - b.Days()) < kSameEndDays;
}

}  // namespace time_range
