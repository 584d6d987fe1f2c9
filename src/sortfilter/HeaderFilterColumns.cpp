#include "sortfilter/HeaderFilterColumns.h"

#include "view/ColumnCatalogue.h"

#include <algorithm>
#include <array>

namespace {

using K = HeaderFilterKind;
using O = OfferedValues;

constexpr std::array kColumns{
    HeaderFilterColumn{COL_OrvelClientId, K::TextList, O::Distinct, false},
    HeaderFilterColumn{COL_RefNo, K::TextList, O::None, false},
    HeaderFilterColumn{COL_ExchCode, K::TextList, O::Distinct, false},
    HeaderFilterColumn{COL_Order_Status, K::TextList, O::Statuses, false},
    HeaderFilterColumn{COL_Mkt_Seg, K::TextList, O::Fixed, false},
    HeaderFilterColumn{COL_Symbol_ScriptID, K::TextList, O::Distinct, false},
    HeaderFilterColumn{COL_Ser_Exp_Group, K::TextList, O::Distinct, false},
    HeaderFilterColumn{COL_Strike, K::TextList, O::Distinct, false},
    HeaderFilterColumn{COL_Option_Type, K::TextList, O::Fixed, false},
    HeaderFilterColumn{COL_Scrip_Name, K::TextList, O::Distinct, false},
    HeaderFilterColumn{COL_Order_Type, K::TextList, O::Fixed, false},
    HeaderFilterColumn{COL_B_S, K::TextList, O::Fixed, false},
    HeaderFilterColumn{COL_Pro_Client, K::TextList, O::Fixed, false},
    HeaderFilterColumn{COL_Client, K::TextList, O::Distinct, false},
    HeaderFilterColumn{COL_ExchOrder_No, K::TextList, O::Distinct, false},
    HeaderFilterColumn{COL_Validity, K::TextList, O::Distinct, false},
    HeaderFilterColumn{COL_Prod_Type, K::TextList, O::Distinct, false},
    HeaderFilterColumn{COL_Server_Entry_Time, K::DateRange, O::None, false},
    HeaderFilterColumn{COL_Order_Style, K::TextList, O::Fixed, false},
    HeaderFilterColumn{COL_Strategy, K::TextList, O::Distinct, false},
    HeaderFilterColumn{COL_OrderLeg, K::TextList, O::Fixed, false},
    HeaderFilterColumn{COL_GTDOrderStatus, K::TextList, O::None, true},
    HeaderFilterColumn{COL_GTDOrderNo, K::TextList, O::None, true},
    HeaderFilterColumn{COL_Order_Initiate_Time, K::DateRange, O::None, true},
};

}  // namespace

std::span<const HeaderFilterColumn> HeaderFilterColumns() { return kColumns; }

const HeaderFilterColumn* FindHeaderFilterColumn(int column, const VariantDescription& variant) {
  if (FindColumn(column, variant) == nullptr) return nullptr;
  const auto it = std::find_if(kColumns.begin(), kColumns.end(),
                               [column](const HeaderFilterColumn& c) { return c.nCol == column; });
  if (it == kColumns.end()) return nullptr;
  if (it->bGtdOnly && variant.eVariant != ViewVariant::GTD) return nullptr;
  return &*it;
}
