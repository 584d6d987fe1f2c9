#pragma once
// A docking window of the order-book module on the desktop: a QDockWidget whose title bar, status
// bar (the window's eleven panes), splitter (the filter frame row above the grid) and visibility
// follow the module's window, with the grid shown by a GridTableView. User input reaches the
// module's own handlers: the grid's key table and then the window's, the mouse handlers, the
// context menu and the focus.
//
// The toolkit stand-in announces grid changes but not window changes (pane texts, the title and
// status bar toggles, the filter bar, closing), so SyncFromWindow pulls them after every input and
// every pass of the event loop; it touches the screen only where something changed.
#include "ui/qt/GridInputSink.h"

#include <QDockWidget>

#include <functional>
#include <string>
#include <vector>

class OrderBookGrid;
class OrderBookWnd;
class QFrame;
class QLabel;
class QSplitter;
class QStatusBar;

namespace orv::ui {

class FilterBarWidget;
class GridTableView;
class QtPopups;

class OrderBookDock final : public QDockWidget, private GridInputSink {
  Q_OBJECT

 public:
  // The window must be created (OnCreate) and outlive the dock. `popups` may be null (menus then
  // open at the mouse pointer).
  OrderBookDock(OrderBookWnd& wnd, QtPopups* popups, QWidget* parent = nullptr);
  ~OrderBookDock() override;

  OrderBookWnd& Window() const { return m_wnd; }
  OrderBookGrid& Grid() const;
  GridTableView& View() const { return *m_view; }
  QStatusBar& PaneBar() const { return *m_paneBar; }
  QFrame& FilterFrame() const { return *m_filterFrame; }
  // The filter bar's widgets; null for a window without a filter bar.
  FilterBarWidget* FilterBar() const { return m_filterBar; }
  // The title the dock shows: the window's dock title, else the view's name.
  QString Title() const;

  void SyncFromWindow();
  // The host shows or closes the window (the View menu, the dock's close button).
  void ShowFromHost(bool show);
  // Shows the filter bar as the window's filter bar command does, or hides it as the bar's Close.
  void ShowFilterBar(bool show);
  // Runs after every handled input, once the dock is in step (the host drains its queues).
  void SetAfterInput(std::function<void()> callback) { m_afterInput = std::move(callback); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // GridInputSink.
  void FocusGrid() override;
  bool KeyDown(orv::platform::MSG& msg) override;
  void LeftButtonDown() override;
  void LeftButtonDoubleClick() override;
  void ContextMenu(const QPoint& globalPos) override;
  void PreparePopup(const QPoint& globalPos) override;
  void AfterInput() override;

  void BuildPanes();
  void SyncPanes();
  void SyncFilterFrame();

  OrderBookWnd& m_wnd;
  QtPopups* m_popups;
  QWidget* m_content;
  QSplitter* m_splitter;
  QFrame* m_filterFrame;
  FilterBarWidget* m_filterBar = nullptr;
  GridTableView* m_view;
  QStatusBar* m_paneBar;
  QWidget* m_hiddenTitle;
  std::vector<QLabel*> m_paneLabels;
  std::vector<bool> m_paneStretches;  // per pane: it takes the bar's spare width
  std::vector<std::string> m_paneTexts;
  std::string m_title;
  bool m_syncing = false;
  std::function<void()> m_afterInput;
};

}  // namespace orv::ui
