#include "host/CFilterListDlg.h"

#include "host/platform/Application.h"

using namespace orv::platform;

CFilterListDlg::CFilterListDlg(const std::vector<std::string>& values, MULTIPLEFILTER_PARAM& param, Window* parent)
    : m_values(values), m_param(param), m_pParent(parent) {}

int CFilterListDlg::DoModal() {
  Application* app = m_pParent != nullptr && m_pParent->HasApp() ? &m_pParent->App() : Application::Current();
  if (app == nullptr) return IDCANCEL;
  FilterDialogRequest request;
  request.kind = FilterDialogKind::ValueList;
  request.nColumn = m_param.nCol;
  request.offered = m_values;
  request.state.bAll = m_param.bAll;
  request.state.values = m_param.lstValues;
  request.state.from = m_param.dtFrom;
  request.state.till = m_param.dtTill;
  FilterDialogState state = request.state;
  const int result = app->FilterDialogs().DoModal(request, state);
  if (result == IDOK) {
    m_param.bAll = state.bAll;
    m_param.lstValues = std::move(state.values);
  }
  return result;
}
