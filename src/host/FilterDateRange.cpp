#include "host/FilterDateRange.h"

#include "host/FilterDialogRun.h"
#include "host/platform/MessageBoxService.h"

using namespace orv::platform;

FilterDateRange::FilterDateRange(MULTIPLEFILTER_PARAM& param, Window* parent) : m_param(param), m_pParent(parent) {}

int FilterDateRange::DoModal() {
  FilterDialogState state;
  const int result = RunFilterDialog(m_pParent, FilterDialogKind::DateRange, m_param, {}, state);
  if (result == IDOK) {
    m_param.bAll = state.bAll;
    m_param.dtFrom = state.from;
    m_param.dtTill = state.till;
  }
  return result;
}
