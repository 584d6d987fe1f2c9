#pragma once
// One column filter of a grid: the accepted cell texts, or for a time column a date-time range,
// or "show all" (stored but skipped by the row filter).
#include "host/platform/OleDateTime.h"

#include <string>
#include <string_view>
#include <vector>

namespace orv::platform {
class Window;
}

struct MULTIPLEFILTER_PARAM {
  int nCol = -1;
  bool bAll = false;
  std::vector<std::string> lstValues;
  orv::platform::OleDateTime dtFrom = orv::platform::OleDateTime::Null();
  orv::platform::OleDateTime dtTill = orv::platform::OleDateTime::Null();
  orv::platform::Window* pOwner = nullptr;  // the view window the filter belongs to; not owned

  void Copy(const MULTIPLEFILTER_PARAM& other) { *this = other; }
  // Back to a fresh filter: no column, no values, null dates, no owner.
  void Clear();
  // Exact, case-sensitive, whole-text membership of lstValues; does not allocate.
  bool Contains(std::string_view text) const;
};
