#pragma once
// The drop-down list of a filter bar edit on screen: the entries the edit's model offers, shown
// under the edit without taking the keyboard from it. The edit's model stays the owner of the
// list: a click picks the entry in the model, the arrow keys move the model's highlight.
#include <QListWidget>

#include <functional>

class CustomAutoCompleteEdit;

namespace orv::ui {

class CompletionPopup final : public QListWidget {
  Q_OBJECT

 public:
  // `picked` runs after an entry was picked with the mouse (the screen then syncs).
  CompletionPopup(CustomAutoCompleteEdit& model, QWidget& anchor, std::function<void()> picked);

  // Shows the model's open list under the anchor, or hides the pop-up when the list is closed.
  void Follow();
  // Moves the model's highlight by `step` entries (clamped); false when no list is open.
  bool Step(int step);

 private:
  CustomAutoCompleteEdit& m_model;
  QWidget& m_anchor;
  std::function<void()> m_picked;
};

}  // namespace orv::ui
