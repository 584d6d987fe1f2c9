#pragma once
// Small helpers the column filter code shares: the filter bar of a grid's view and the times its
// From and Till pickers show.
#include "host/platform/OleDateTime.h"

class FilterBarMirror;
class OrderBookGrid;

namespace header_filter {

// The filter bar of the grid's view, null when the view has none (yet).
FilterBarMirror* FilterBarOf(const OrderBookGrid& grid);

// Today (the host's clock, AppGlobal::lTime, or the system clock while the host has not set it)
// at the given time of day.
orv::platform::OleDateTime TodayAt(int hour, int minute, int second);
// Today at the time of day of `value`; `fallback` when `value` is not a valid date-time.
orv::platform::OleDateTime TodayWithTimeOf(const orv::platform::OleDateTime& value,
                                           const orv::platform::OleDateTime& fallback);

// The pickers' range when the time filter is cleared: today 00:00:00 to today 23:00:00.
inline constexpr int kClearedTillHour = 23;
orv::platform::OleDateTime ClearedFrom();
orv::platform::OleDateTime ClearedTill();

// Sets the bar's pickers after a time filter changed: the given times of day on today's date; an
// end that is null or not a valid date-time shows the cleared range's end. Nothing without a bar.
void ShowTimeRange(const OrderBookGrid& grid, const orv::platform::OleDateTime* from,
                   const orv::platform::OleDateTime* till);

}  // namespace header_filter
