#pragma once
// Small records shared between the order store and the views.
#include <cstdint>

// One remembered selected row: the order, which end of a selected range it marks (1 the end
// holding the current item, 2 the other end, 0 a one-row range) and whether it is a leg row.
struct LastSelectedOrderData_map {
  std::uint32_t RefNo = 0;
  std::int32_t iEndMarker = 0;
  bool bLegRow = false;

  friend bool operator==(const LastSelectedOrderData_map&, const LastSelectedOrderData_map&) = default;
};

// One column of a sort request.
struct SortColState {
  std::int32_t nColumn = 0;
  bool bAscending = true;

  friend bool operator==(const SortColState&, const SortColState&) = default;
};

// The two books the store keeps.
enum class BookKind { Pending, GTD };
