#pragma once
// What a grid view's viewport shows, folded into one number: the row count, the rows and columns
// in view, and each visible cell's text and colour. A refresh that leaves the number alone needs no
// repaint: at a thousand store changes a second over a million rows, most refreshes touch no row
// on screen, and a repaint of a grid costs about as much as the module's whole refresh.
#include "host/platform/GridCtrlModel.h"

#include <cstdint>
#include <string>

namespace orv::ui {

class GridTableModel;

// The part of the grid a viewport shows: rows [firstRow, firstRow + rows), model columns
// [firstColumn, lastColumn].
struct ShownArea {
  int firstRow = 0;
  int rows = 0;
  int firstColumn = 0;
  int lastColumn = -1;
};

class ShownCells final {
 public:
  // The fingerprint of `area` as the grid would paint it now (asks the grid only for those cells,
  // which fills its cell cache for the paint that may follow).
  std::uint64_t Fingerprint(const GridTableModel& model, const ShownArea& area);

  // True when the viewport shows something else than at the last call that returned true (or at
  // the first call): the caller repaints.
  bool Changed(const GridTableModel& model, const ShownArea& area);
  // The next Changed answers true whatever it finds (after a repaint for another reason the old
  // fingerprint says nothing).
  void Forget() { m_known = false; }

 private:
  std::uint64_t m_last = 0;
  bool m_known = false;
  std::string m_text;  // reused for every cell
};

}  // namespace orv::ui
