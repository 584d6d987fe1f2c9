#include "host/MultipleFilterParam.h"

#include <algorithm>

void MULTIPLEFILTER_PARAM::Clear() {
  nCol = -1;
  bAll = false;
  lstValues.clear();
  dtFrom = orv::platform::OleDateTime::Null();
  dtTill = orv::platform::OleDateTime::Null();
  pOwner = nullptr;
}

bool MULTIPLEFILTER_PARAM::Contains(std::string_view text) const {
  return std::any_of(lstValues.begin(), lstValues.end(),
                     [text](const std::string& value) { return value == text; });
}
