#include "host/platform/FilterDialogService.h"

#include "host/platform/MessageBoxService.h"
#include "host/platform/ScriptedAnswer.h"

namespace orv::platform {

int FilterDialogService::DoModal(const FilterDialogRequest& request, FilterDialogState& state) {
  FilterDialogAnswer cancelled;
  cancelled.result = IDCANCEL;
  FilterDialogAnswer answer = NextAnswer(m_scripted, m_answerer, request, cancelled);
  const int result = answer.result == IDOK ? IDOK : IDCANCEL;
  if (result == IDOK) {
    state.bAll = answer.state.bAll;
    if (request.kind == FilterDialogKind::ValueList) {
      state.values = std::move(answer.state.values);
    } else {
      state.from = answer.state.from;
      state.till = answer.state.till;
    }
  }
  m_shown.push_back(FilterDialogRecord{request, result, state});
  if (m_observer) {
    const FilterDialogRecord record = m_shown.back();  // the observer may show another dialog
    const Observer observer = m_observer;
    observer(record);
  }
  return result;
}

}  // namespace orv::platform
