// Tips of the header filter buttons, and the row callback the host's grid may ask.
#include "view/OrderBookGrid.h"

#include "host/OrvEnumsMethods.h"
#include "sortfilter/HeaderFilterColumns.h"
#include "view/CellValues.h"
#include "view/ColumnCatalogue.h"

#include <algorithm>
#include <array>

namespace {

// Columns the row callback answers for; every other column shows its rows.
constexpr std::array kCallbackColumns{COL_ExchCode,      COL_Order_Status, COL_Mkt_Seg,     COL_Symbol_ScriptID,
                                      COL_Ser_Exp_Group, COL_Strike,       COL_Option_Type, COL_Order_Type,
                                      COL_B_S,           COL_Pro_Client,   COL_Client,      COL_Prod_Type};

}  // namespace

bool OrderBookGrid::GetHeaderMenuButtonTooltip(int column, std::string& text) const {
  if (!IsFilterableColumn(column, Variant())) return false;
  text = "Filter by ";
  text += GetColumnName(column);
  return true;
}

std::string OrderBookGrid::GetCurFilterButtonDescription(int column) const {
  try {
    const MULTIPLEFILTER_PARAM* filter = FindFilter(column);
    if (filter == nullptr) return "Click to set new filter by this column";
    const HeaderFilterColumn* c = FindHeaderFilterColumn(column, Variant());
    if (c == nullptr || c->eKind != HeaderFilterKind::TextList) return {};
    if (filter->bAll) return "(Showing All)";
    if (filter->lstValues.empty()) return "(Showing None)";
    // Values are record texts: they are joined, never used as a format.
    std::string text = "Contains \"";
    for (std::size_t i = 0; i < filter->lstValues.size(); ++i) {
      if (i != 0) text += ", ";
      text += filter->lstValues[i];
    }
    text += '"';
    return text;
  } catch (...) {
    LogException("GetCurFilterButtonDescription");
    return {};
  }
}

bool OrderBookGrid::OnNeedTipText(int x, std::string& title, std::string& text) const {
  try {
    const int column = GetColumnsInfo().HitTestColumn(x);
    if (!GetHeaderMenuButtonTooltip(column, title)) return false;
    text = GetCurFilterButtonDescription(column);
    return true;
  } catch (...) {
    LogException("OnNeedTipText");
    return false;
  }
}

int OrderBookGrid::pfnFilterCallback(const OrderBookGrid* grid, int row, const MULTIPLEFILTER_PARAM* filter) {
  if (grid == nullptr || filter == nullptr || filter->bAll) return 0;
  try {
    OrderBookDetails* record = grid->RecordAtRow(row);
    if (record == nullptr || FindColumn(filter->nCol, grid->Variant()) == nullptr) return 0;
    if (std::find(kCallbackColumns.begin(), kCallbackColumns.end(), filter->nCol) == kCallbackColumns.end()) return 0;
    // The status column compares the status code's text, as the refresh's filter pass does.
    if (filter->nCol == COL_Order_Status)
      return filter->Contains(OrvEnumsMethods::GetOrderStatus(record->eOrderStatus)) ? 0 : 1;
    CellTextBuffer buffer;
    return filter->Contains(GetItemText(record, filter->nCol, grid->Variant(), buffer)) ? 0 : 1;
  } catch (...) {
    grid->LogException("pfnFilterCallback");
    return 0;
  }
}
