#pragma once
// The filter bar of a view on the desktop: real widgets for the bar's controls, in its template's
// order with its labels above the fields (drop-down lists, upper-casing edits, "HH:mm:ss" time
// pickers, check boxes, the Show Status button), inside an area that scrolls sideways when the
// dock is narrower than the bar.
//
// The widgets are bound to the bar's control models: what the user does reaches the model as the
// user's own action (a pick, typing, a time set, a click, the focus arriving or leaving), so the
// bar's handlers run and hand the choice to the grid; Sync() brings the models' state (texts,
// lists, selections, checks, enabled states, the focus) back onto the widgets.
#include <QScrollArea>

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

class OrderBookFilter;
class QGridLayout;
class QKeyEvent;

namespace orv::platform {
class Control;
}

namespace orv::ui {

class CompletionPopup;

class FilterBarWidget final : public QScrollArea {
  Q_OBJECT

 public:
  // `afterInput` runs after every input handled (the dock brings the module's changes on screen).
  FilterBarWidget(OrderBookFilter& bar, std::function<void()> afterInput, QWidget* parent = nullptr);
  ~FilterBarWidget() override;

  void Sync();
  // The widget standing for a control id (null for an id the bar shows no widget for).
  QWidget* WidgetOf(int controlId) const;
  // The height the bar needs, its sideways scroll bar included.
  int NeededHeight() const;
  // The completion pop-up of an edit's control id (null for other controls).
  CompletionPopup* PopupOf(int controlId) const;
  // Runs before the bar's context menu opens, with the click's global position.
  void SetBeforeMenu(std::function<void(const QPoint&)> before) { m_beforeMenu = std::move(before); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  struct Binding {
    int id;
    int kind;  // filterbar::ControlKind
    orv::platform::Control* control;
    QWidget* widget;
    // A list's items as last copied to its widget: copied again only when the model's change.
    mutable std::uint64_t shownListRevision = UINT64_MAX;
  };

  void Build();
  QWidget* MakeWidget(const Binding& binding);
  const Binding* BindingOf(const QObject* widget) const;
  const Binding* BindingOf(const orv::platform::Control* control) const;
  // The control takes the focus in the model before the user's action on it.
  void FocusModel(const Binding& binding);
  void AfterInput();
  void SyncOne(const Binding& binding);
  bool HoldsFocus() const;
  // A key pressed in one of the bar's widgets; true when it was taken.
  bool KeyPressed(const Binding& binding, const QKeyEvent& event);
  void FollowPopups();

  OrderBookFilter& m_bar;
  std::function<void()> m_afterInput;
  QWidget* m_content;
  QGridLayout* m_layout;
  std::vector<Binding> m_bindings;
  bool m_syncing = false;
  std::map<int, CompletionPopup*> m_popups;
  std::function<void(const QPoint&)> m_beforeMenu;
};

}  // namespace orv::ui
