#pragma once
// The control library's value-list filter dialog: a check list of a column's values with an all
// entry. Modal; on IDOK the filter parameters passed in hold what the user left ticked.
#include "host/MultipleFilterParam.h"

#include <string>
#include <vector>

namespace orv::platform {
class Window;
}

class CFilterListDlg final {
 public:
  // `values` are the values the list offers; `param` is read when the dialog opens and written
  // when it is accepted (its all flag and value list; the column, dates and owner stay).
  CFilterListDlg(const std::vector<std::string>& values, MULTIPLEFILTER_PARAM& param, orv::platform::Window* parent);

  // IDOK or IDCANCEL; IDCANCEL also without an Application to show the dialog in.
  int DoModal();

 private:
  const std::vector<std::string>& m_values;
  MULTIPLEFILTER_PARAM& m_param;
  orv::platform::Window* m_pParent;
};
