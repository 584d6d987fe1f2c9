#include "sortfilter/HeaderFilterSupport.h"

#include "filterbar/OrderBookFilter.h"
#include "host/AppGlobal.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

#include <ctime>

using orv::platform::OleDateTime;

namespace header_filter {

FilterBarMirror* FilterBarOf(const OrderBookGrid& grid) {
  const OrderBookWnd* wnd = grid.GetOwnerWnd();
  return wnd != nullptr ? wnd->GetFilterBar() : nullptr;
}

OleDateTime TodayAt(int hour, int minute, int second) {
  const std::time_t now = AppGlobal::lTime != 0 ? static_cast<std::time_t>(AppGlobal::lTime) : std::time(nullptr);
  const OleDateTime today = OleDateTime::FromLocalTime(now);
  return OleDateTime(today.GetYear(), today.GetMonth(), today.GetDay(), hour, minute, second);
}

OleDateTime TodayWithTimeOf(const OleDateTime& value, const OleDateTime& fallback) {
  if (!value.IsValid()) return fallback;
  return TodayAt(value.GetHour(), value.GetMinute(), value.GetSecond());
}

OleDateTime ClearedFrom() { return TodayAt(0, 0, 0); }

// Not 23:59:59: the pickers have always offered 23:00:00 as the end of a cleared range.
OleDateTime ClearedTill() { return TodayAt(kClearedTillHour, 0, 0); }

void ShowTimeRange(const OrderBookGrid& grid, const OleDateTime* from, const OleDateTime* till) {
  FilterBarMirror* bar = FilterBarOf(grid);
  if (bar == nullptr) return;
  const OleDateTime clearedFrom = ClearedFrom();
  const OleDateTime clearedTill = ClearedTill();
  bar->SetTimeRange(from ? TodayWithTimeOf(*from, clearedFrom) : clearedFrom,
                    till ? TodayWithTimeOf(*till, clearedTill) : clearedTill);
}

}  // namespace header_filter
