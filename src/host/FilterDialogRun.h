#pragma once
// Shows a set-filter dialog through the filter-dialog service of the parent's application (or the
// thread's) for a column's current filter parameters; the service answers from a script or the GUI.
#include "host/MultipleFilterParam.h"
#include "host/platform/FilterDialogService.h"

#include <string>
#include <vector>

namespace orv::platform {
class Window;
}

// IDOK with `state` holding the edited parameters, IDCANCEL otherwise (also without an application).
int RunFilterDialog(orv::platform::Window* parent, orv::platform::FilterDialogKind kind,
                    const MULTIPLEFILTER_PARAM& param, const std::vector<std::string>& offered,
                    orv::platform::FilterDialogState& state);
