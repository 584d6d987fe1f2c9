#include "host/CFilterListDlg.h"

#include "host/FilterDialogRun.h"
#include "host/platform/MessageBoxService.h"

using namespace orv::platform;

CFilterListDlg::CFilterListDlg(const std::vector<std::string>& values, MULTIPLEFILTER_PARAM& param, Window* parent)
    : m_values(values), m_param(param), m_pParent(parent) {}

int CFilterListDlg::DoModal() {
  FilterDialogState state;
  const int result = RunFilterDialog(m_pParent, FilterDialogKind::ValueList, m_param, m_values, state);
  if (result == IDOK) {
    m_param.bAll = state.bAll;
    m_param.lstValues = std::move(state.values);
  }
  return result;
}
