#pragma once
// The control library's date-range filter dialog: From and Till of a time column, or all times.
// Modal; on IDOK the filter parameters passed in hold the range the user accepted.
#include "host/MultipleFilterParam.h"

namespace orv::platform {
class Window;
}

class FilterDateRange final {
 public:
  // `param` is read when the dialog opens and written when it is accepted (its all flag and its
  // two ends; the column, value list and owner stay).
  FilterDateRange(MULTIPLEFILTER_PARAM& param, orv::platform::Window* parent);

  // IDOK or IDCANCEL; IDCANCEL also without an Application to show the dialog in.
  int DoModal();

 private:
  MULTIPLEFILTER_PARAM& m_param;
  orv::platform::Window* m_pParent;
};
