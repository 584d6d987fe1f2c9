#include "host/FilterDialogRun.h"

#include "host/platform/Application.h"

using namespace orv::platform;

int RunFilterDialog(Window* parent, FilterDialogKind kind, const MULTIPLEFILTER_PARAM& param,
                    const std::vector<std::string>& offered, FilterDialogState& state) {
  Application* app = parent != nullptr && parent->HasApp() ? &parent->App() : Application::Current();
  if (app == nullptr) return IDCANCEL;
  FilterDialogRequest request;
  request.kind = kind;
  request.nColumn = param.nCol;
  request.offered = offered;
  request.state.bAll = param.bAll;
  request.state.values = param.lstValues;
  request.state.from = param.dtFrom;
  request.state.till = param.dtTill;
  state = request.state;
  return app->FilterDialogs().DoModal(request, state);
}
