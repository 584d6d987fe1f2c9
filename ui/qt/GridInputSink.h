#pragma once
// What the owner of a grid does with the user's input beyond what the grid control does itself
// (selection, scrolling, header clicks): the order-book view's focus, key table, mouse handlers
// and context menu.
#include "host/platform/VirtualKeys.h"

#include <QPoint>

namespace orv::ui {

class GridInputSink {
 public:
  virtual ~GridInputSink() = default;

  // The grid takes the focus (a click or a key in it, or a tab into it).
  virtual void FocusGrid() {}
  // A key went down in the grid; true when the module consumed it. The keyboard state of the
  // grid's Application holds the modifiers while this runs.
  virtual bool KeyDown(orv::platform::MSG& /*msg*/) { return false; }
  // After the grid control selected the clicked cell.
  virtual void LeftButtonDown() {}
  virtual void LeftButtonDoubleClick() {}
  // A context menu asked for at a screen position (the clicked row is selected already).
  virtual void ContextMenu(const QPoint& /*globalPos*/) {}
  // Where the next popup menu should open (a header filter button).
  virtual void PreparePopup(const QPoint& /*globalPos*/) {}
  // After every handled input: the owner brings what the module changed onto the screen.
  virtual void AfterInput() {}
};

}  // namespace orv::ui
