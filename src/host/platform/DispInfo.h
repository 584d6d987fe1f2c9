#pragma once
// A virtual-mode cell request: the grid fills `item`, the cell callback fills `value` and may colour
// the text. The grid reuses one object per cache slot, so filling it does not allocate in steady
// state (see CellValue).
#include "host/platform/CellValue.h"
#include "host/platform/Types.h"

namespace orv::platform {

// No colour chosen: the view draws the text in its default colour. Not a valid 0x00BBGGRR value.
inline constexpr COLORREF kDefaultTextColor = 0xFF000000u;

struct DispInfo {
  struct Item {
    int nRow = -1;
    int nCol = -1;
  } item;
  CellValue value;
  COLORREF clrText = kDefaultTextColor;
  bool hasTextColor = false;

  void SetTextColor(COLORREF colour) {
    clrText = colour;
    hasTextColor = true;
  }
  // True when the callback chose a colour, whether through SetTextColor or by writing clrText.
  bool HasTextColor() const { return hasTextColor || clrText != kDefaultTextColor; }

  // Prepares the object for a new request; keeps the value's text capacity.
  void Reset(int row, int col) {
    item.nRow = row;
    item.nCol = col;
    value.Clear();
    clrText = kDefaultTextColor;
    hasTextColor = false;
  }
};

using BCGPGRID_DISPINFO = DispInfo;

}  // namespace orv::platform
