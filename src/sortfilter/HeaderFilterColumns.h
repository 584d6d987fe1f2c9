#pragma once
// The columns that carry a filter button in their header, what kind of filter each takes and which
// values its header menu offers. Every other column has no button.
#include "view/ViewVariant.h"

#include <span>

enum class HeaderFilterKind {
  TextList,   // a list of accepted cell texts
  DateRange,  // a From and Till date-time (the range dialog)
};

enum class OfferedValues {
  None,      // nothing is offered (the user types or picks a range)
  Distinct,  // the distinct texts of every displayed record
  Fixed,     // the column's fixed list
  Statuses,  // the module's order-status list
};

struct HeaderFilterColumn {
  int nCol;
  HeaderFilterKind eKind;
  OfferedValues eOffered;
  bool bGtdOnly;
};

// Every filterable column of the larger (GTD) grid, in id order.
std::span<const HeaderFilterColumn> HeaderFilterColumns();
// Null when the column has no filter button in the variant's grid.
const HeaderFilterColumn* FindHeaderFilterColumn(int column, const VariantDescription& variant);
inline bool IsFilterableColumn(int column, const VariantDescription& variant) {
  return FindHeaderFilterColumn(column, variant) != nullptr;
}
