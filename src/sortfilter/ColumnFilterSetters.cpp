// The single path that writes one column's filter, and the one-text shortcut every filter source
// uses.
#include "view/OrderBookGrid.h"

#include "host/AppGlobal.h"
#include "view/ColumnCatalogue.h"
#include "view/OrderBookWnd.h"

#include <strings.h>

void OrderBookGrid::SetFilterParam(int column, const std::vector<std::string>& values, bool bShowAll, bool bReplace,
                                   bool /*bSkipFilterBar*/) {
  try {
    if (!m_pWnd || column < 0 || column > GetColumnCount()) return;
    MULTIPLEFILTER_PARAM param;
    GetFilterDataByColumn(column, param);
    param.nCol = column;
    if (bReplace) param.lstValues.clear();
    param.lstValues.insert(param.lstValues.end(), values.begin(), values.end());
    param.bAll = bShowAll;
    param.pOwner = m_pWnd;
    if (bShowAll) ClearFilter(column);
    else AddFilter(column, param);
    FilterGridData();
    // TODO(filter bar, titles): mirror the first value into the filter bar and renew the title
    // once those exist.
  } catch (...) {
    LogException("SetFilterParam");
  }
}

void OrderBookGrid::SetDefaultDemoFilter(int column, const std::string& text, bool bShowAll, bool bReplace,
                                         bool bSkipFilterBar) {
  if (column == COL_lOurToken && ::strcasecmp(text.c_str(), "0") == 0) {
    if (AppGlobal::pWriteInLogFile) AppGlobal::pWriteInLogFile(Variant().cLegacyLogSource.data(), "TokenNo Zero in Filter");
    return;
  }
  // "All" (any case) or no text at all means the column is not filtered.
  if (text.empty() || ::strcasecmp(text.c_str(), "All") == 0) bShowAll = true;
  SetFilterParam(column, {text}, bShowAll, bReplace, bSkipFilterBar);
}
