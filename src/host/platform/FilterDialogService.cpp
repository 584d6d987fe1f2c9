#include "host/platform/FilterDialogService.h"

#include "host/platform/MessageBoxService.h"

namespace orv::platform {

int FilterDialogService::DoModal(const FilterDialogRequest& request, FilterDialogState& state) {
  FilterDialogAnswer answer;
  answer.result = IDCANCEL;
  if (!m_scripted.empty()) {
    answer = std::move(m_scripted.front());
    m_scripted.pop_front();
  } else if (m_answerer) {
    const Answerer answerer = m_answerer;  // it may replace itself while it runs
    answer = answerer(request);
  }
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
