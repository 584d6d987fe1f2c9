// The header menu's filter commands: set a filter through a dialog, clear the column's filter,
// clear every filter.
#include "view/OrderBookGrid.h"

#include "filterbar/OrderBookFilter.h"
#include "host/CFilterListDlg.h"
#include "host/FilterDateRange.h"
#include "host/platform/MessageBoxService.h"
#include "sortfilter/FilterBarMirror.h"
#include "sortfilter/HeaderFilterColumns.h"
#include "sortfilter/HeaderFilterSupport.h"
#include "view/ColumnCatalogue.h"
#include "view/OrderBookWnd.h"

#include <algorithm>
#include <array>

namespace {

// Columns whose filter-bar control goes back to "All" when the header menu clears their filter.
constexpr std::array kMirroredColumns{
    // Lists.
    COL_ExchCode, COL_Mkt_Seg, COL_Order_Type, COL_B_S, COL_Pro_Client, COL_Order_Style,
    // Edits.
    COL_OrvelClientId, COL_Symbol_ScriptID, COL_Ser_Exp_Group, COL_Strike, COL_Option_Type, COL_Client,
    COL_Prod_Type, COL_Strategy, COL_OrderNo,
};

bool IsTimeRangeColumn(int column, const VariantDescription& variant) {
  return column == COL_Server_Entry_Time || (variant.bHasOrderInitiateTime && column == COL_Order_Initiate_Time);
}

}  // namespace

void OrderBookGrid::OnFilterSet() {
  try {
    const int col = nHeaderMenuColumn;
    if (col < 0) return;
    const HeaderFilterColumn* column = FindHeaderFilterColumn(col, Variant());
    if (column == nullptr) return;
    std::vector<std::string> values;
    GetStringList(values, col);
    MULTIPLEFILTER_PARAM param;
    GetFilterDataByColumn(col, param);
    param.pOwner = m_pWnd;

    if (column->eKind == HeaderFilterKind::TextList) {
      CFilterListDlg dialog(values, param, this);
      if (dialog.DoModal() != orv::platform::IDOK) return;
      if (param.bAll) ClearFilter(col);
      else AddFilter(col, param);
      FilterGridData();
      return;
    }

    FilterDateRange dialog(param, this);
    if (dialog.DoModal() != orv::platform::IDOK) return;
    if (param.bAll) {
      ClearFilter(col);
      header_filter::ShowTimeRange(*this, nullptr, nullptr);
    } else {
      AddFilter(col, param);
      header_filter::ShowTimeRange(*this, &param.dtFrom, &param.dtTill);
    }
    FilterGridData();
  } catch (...) {
    LogException("OnFilterSet");
  }
}

void OrderBookGrid::OnFilterClear() {
  try {
    const int col = m_FilterColumnInfo.nCol;
    if (col < 0) return;
    ClearFilter(col);
    FilterGridData();
    FilterBarMirror* bar = header_filter::FilterBarOf(*this);
    if (bar == nullptr) return;
    if (IsTimeRangeColumn(col, Variant())) {
      header_filter::ShowTimeRange(*this, nullptr, nullptr);
    } else if (std::find(kMirroredColumns.begin(), kMirroredColumns.end(), col) != kMirroredColumns.end()) {
      bar->ResetColumnControl(col);
    }
  } catch (...) {
    LogException("OnFilterClear");
  }
}

void OrderBookGrid::OnClearAllFilter() {
  try {
    ClearFilter(-1);
    FilterGridData();
    SetDockTitleBylOurToken(0);
    if (m_pWnd && m_pWnd->GetFilterBar()) m_pWnd->GetFilterBar()->ResetFilter(true);
  } catch (...) {
    LogException("OnClearAllFilter");
  }
}

bool OrderBookGrid::OnUpdateClearAllFilter() { return IsFilterExist(-1); }
