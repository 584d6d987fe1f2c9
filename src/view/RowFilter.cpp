#include "view/RowFilter.h"

#include "host/OrvEnumsMethods.h"
#include "view/CellValues.h"
#include "view/ColumnCatalogue.h"

namespace {

constexpr int kUnknownStatusSlot = 7;

int StatusSlot(OrderStatusIdentifier status) {
  return status >= 0 && status < kUnknownStatusSlot ? static_cast<int>(status) : kUnknownStatusSlot;
}

bool OutsideRange(const orv::platform::OleDateTime& value, const MULTIPLEFILTER_PARAM& filter) {
  // A comparison with an invalid side never removes the record.
  if (!value.IsValid()) return false;
  if (filter.dtFrom.IsValid() && value < filter.dtFrom) return true;
  if (filter.dtTill.IsValid() && value > filter.dtTill) return true;
  return false;
}

}  // namespace

RowFilter::RowFilter(const std::map<int, MULTIPLEFILTER_PARAM>& filters, const VariantDescription& variant)
    : m_variant(variant) {
  for (const auto& [col, param] : filters) {
    if (param.bAll) continue;
    Column c;
    c.nCol = col;
    c.pParam = &param;
    for (const std::string& v : param.lstValues) c.values.emplace_back(v);
    if (col == COL_Order_Status) {
      c.eKind = Kind::Status;
      for (int code = 0; code <= kUnknownStatusSlot; ++code) {
        std::string_view text = code < kUnknownStatusSlot
                                    ? OrvEnumsMethods::GetOrderStatus(static_cast<OrderStatusIdentifier>(code))
                                    : std::string_view();
        c.statusAccepted[code] = AcceptText(c, text);
      }
    } else if (col == COL_Server_Entry_Time || (variant.bHasOrderInitiateTime && col == COL_Order_Initiate_Time)) {
      c.eKind = Kind::DateTime;
    }
    m_columns.push_back(std::move(c));
  }
}

bool RowFilter::AcceptText(const Column& column, std::string_view text) const {
  for (std::string_view v : column.values)
    if (v == text) return true;
  return false;
}

bool RowFilter::Accept(OrderBookDetails* record) const {
  if (m_columns.empty()) return true;
  if (!m_variant.bAlwaysDropContractless && (!record || !record->pContract)) return false;
  if (!record) return false;
  CellTextBuffer buffer;
  for (const Column& c : m_columns) {
    switch (c.eKind) {
      case Kind::Status:
        if (!c.statusAccepted[StatusSlot(record->eOrderStatus)]) return false;
        break;
      case Kind::DateTime: {
        const auto& value = c.nCol == COL_Server_Entry_Time ? record->dtServerEntryTime : record->dtOrderInitiateTime;
        if (OutsideRange(value, *c.pParam)) return false;
        break;
      }
      case Kind::Text:
        if (!AcceptText(c, GetItemText(record, c.nCol, m_variant, buffer))) return false;
        break;
    }
  }
  return true;
}
