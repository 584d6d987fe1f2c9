// The single path that writes one column's filter, and the one-text shortcut every filter source
// uses.
#include "view/OrderBookGrid.h"

#include "host/AppGlobal.h"
#include "sortfilter/FilterBarMirror.h"
#include "sortfilter/HeaderFilterSupport.h"
#include "view/ColumnCatalogue.h"
#include "view/OrderBookWnd.h"

#include <cstdlib>
#include <strings.h>

namespace {

// The token number of a filter text, read the way the title has always read it: leading digits,
// 0 when there are none. Clamps instead of overflowing.
long TokenOf(const std::string& text) { return std::strtol(text.c_str(), nullptr, 10); }

}  // namespace

void OrderBookGrid::SetFilterParam(int column, const std::vector<std::string>& values, bool bShowAll, bool bReplace,
                                   bool bSkipFilterBar) {
  try {
    // An id equal to the column count names no column: a filter stored there would compare every
    // record's empty cell and hide all rows.
    if (!m_pWnd || column < 0 || column >= GetColumnCount()) return;
    MULTIPLEFILTER_PARAM param;
    GetFilterDataByColumn(column, param);
    param.nCol = column;
    if (bReplace) param.lstValues.clear();
    param.lstValues.insert(param.lstValues.end(), values.begin(), values.end());
    param.bAll = bShowAll;
    param.pOwner = m_pWnd;

    FilterBarMirror* bar = header_filter::FilterBarOf(*this);
    if (bShowAll) {
      ClearFilter(column);
      if (bar) bar->SetdataOnFilterbar(column, std::string(), true);
    } else {
      AddFilter(column, param);
    }
    FilterGridData();
    if (!bSkipFilterBar && bar) {
      bar->SetdataOnFilterbar(column, param.lstValues.empty() ? std::string() : param.lstValues.front(), bShowAll);
    }

    // The title names the contract of a token filter, and says whether spread orders are shown.
    if (column == COL_lOurToken) {
      SetDockTitleBylOurToken(values.empty() ? 0 : TokenOf(values.front()));
    } else if (column == COL_OrderLeg) {
      const MULTIPLEFILTER_PARAM* token = FindFilter(COL_lOurToken);
      const bool useToken = token != nullptr && !token->bAll && !token->lstValues.empty();
      SetDockTitleBylOurToken(useToken ? TokenOf(token->lstValues.front()) : 0);
    }
  } catch (...) {
    LogException("SetFilterParam");
  }
}

void OrderBookGrid::SetDefaultDemoFilter(int column, const std::string& text, bool bShowAll, bool bReplace,
                                         bool bSkipFilterBar) {
  try {
    if (column == COL_lOurToken && ::strcasecmp(text.c_str(), "0") == 0) {
      if (AppGlobal::pWriteInLogFile)
        AppGlobal::pWriteInLogFile(Variant().cLegacyLogSource.data(), "TokenNo Zero in Filter");
      return;
    }
    // "All" (any case) or no text at all means the column is not filtered.
    if (text.empty() || ::strcasecmp(text.c_str(), "All") == 0) bShowAll = true;
    SetFilterParam(column, {text}, bShowAll, bReplace, bSkipFilterBar);
  } catch (...) {
    LogException("SetDefaultDemoFilter");
  }
}
