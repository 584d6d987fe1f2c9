#pragma once
// Time-range filters built from time texts ("09:15:00"), as the filter bar's pickers show them and
// the saved filters keep them.
//
// A time-only text parses as that time on 30 December 1899, while every record carries its full
// date-time: compared as it stands, such a bound would put every dated order after the range's
// end. The pickers show the host's current date with the chosen time, so a time-only text is read
// as that time on the host's current date (AppGlobal::lTime). A text with a date keeps its date.
#include "host/platform/OleDateTime.h"

#include <string_view>

namespace time_range {

// The date-time a range end text stands for; invalid when the text is not a date-time.
orv::platform::OleDateTime ParseRangeEnd(std::string_view text);

// Two range ends are the same end (and the range then filters nothing) when they have the same
// validity and, both valid, lie less than half a second apart; two null values are the same too.
bool SameRangeEnd(const orv::platform::OleDateTime& a, const orv::platform::OleDateTime& b);

}  // namespace time_range
