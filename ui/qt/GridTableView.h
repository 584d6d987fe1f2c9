#pragma once
// A QTableView that is the screen of a virtual grid of the toolkit stand-in. The grid model stays
// the truth: its selection, current cell, vertical scroll position and sort marks show here through
// its change listener, and the user's clicks, keys and header clicks go to the grid (and to the
// view's owner through a GridInputSink) instead of to Qt's own selection.
//
// Rows are of one height (a fixed section size, never measured per row), so a grid of a million
// rows costs what its visible rows cost.
#include "host/platform/GridChange.h"
#include "host/platform/GridCtrlModel.h"

#include "ui/qt/ShownCells.h"

#include <QTableView>
#include <QTimer>

#include <chrono>
#include <cstdint>

namespace orv::ui {

class GridHeaderView;
class GridInputSink;
class GridTableModel;

class GridTableView final : public QTableView {
  Q_OBJECT

 public:
  // Installs itself as the grid's change listener (one per grid) until it is destroyed; the grid
  // must outlive the view.
  explicit GridTableView(orv::platform::GridCtrlModel& grid, QWidget* parent = nullptr);
  ~GridTableView() override;

  orv::platform::GridCtrlModel& Grid() const { return m_grid; }
  GridTableModel& Model() const { return *m_model; }
  GridHeaderView& Header() const { return *m_header; }
  void SetInputSink(GridInputSink* sink) { m_sink = sink; }

  // Brings one kind of grid change onto the screen (the change listener calls it).
  void OnGridChange(orv::platform::GridChange change);
  // Everything at once: row count, columns, layout, selection, scroll.
  void SyncAll();

  // Rows of the current viewport (what the grid takes as its page).
  int ViewportRows() const;
  int RowPixels() const;

  // How long the scroll range may lag behind a row count change of less than one row in
  // kScrollRangeSlack.
  static constexpr int kScrollRangeDelayMs = 250;
  static constexpr int kScrollRangeSlack = 200;

  // CPU time spent painting the cells, and how many paints, since construction.
  std::chrono::nanoseconds PaintTime() const { return m_paintTime; }
  std::uint64_t PaintCount() const { return m_paints; }
  // CPU time spent bringing grid changes onto the screen (part of the ticks that make them).
  std::chrono::nanoseconds MirrorTime() const { return m_mirrorTime; }
  // Range and value changes of both scroll bars, and those that would have drawn the same pixels
  // and were not repainted.
  struct ScrollBarCounts {
    long long changes = 0;
    long long skipped = 0;
  };
  ScrollBarCounts ScrollBarChanges() const;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // Qt lays the items out again after every row count change and repaints the whole viewport
  // with it; a count change alone repaints only when the shown cells changed.
  void doItemsLayout() override;

 private:
  // Scoped: guards against feeding the grid's own changes back to it.
  struct Mirroring;

  // Grid changes that may leave the screen as it is are checked at once, so that what changed
  // shows in the same paint as the selection Qt updates by itself; after the first check of a
  // refresh the cells come from the grid's cache.
  void CheckShown();
  ShownArea Shown() const;
  void RepaintAll();
  void FollowRowCount();
  void FollowRowCountLater();
  void FollowRowCountInScrollRange();
  void MirrorSelection();
  void MirrorScroll();
  void ApplyLayout();
  void ApplyColumnWidths();
  void UpdatePageRows();
  void OnHeaderClicked(int modelColumn);
  void OnSectionResized(int modelColumn, int oldSize, int newSize);
  void SelectFromClick(const QModelIndex& index, Qt::KeyboardModifiers modifiers);
  // The grid control's own keys (arrows) for keys the module left alone.
  bool DefaultKey(int vk, bool shift, bool ctrl);
  void FocusGrid();
  void HoldModifiers(Qt::KeyboardModifiers modifiers, bool shift);
  void ReleaseModifiers();
  void AfterInput();

  orv::platform::GridCtrlModel& m_grid;
  GridTableModel* m_model;
  GridHeaderView* m_header;
  GridInputSink* m_sink = nullptr;
  QFont m_baseFont;
  int m_mirroring = 0;
  int m_scrollRangeRows = -1;
  bool m_rowsOnlyLayout = false;  // the pending item layout is for a row count change only
  ShownCells m_shown;
  QTimer m_scrollRangeLater;  // row count the scroll range was last computed for
  bool m_dragging = false;
  int m_dragColumn = -1;
  std::chrono::nanoseconds m_paintTime{0};
  std::chrono::nanoseconds m_mirrorTime{0};
  std::uint64_t m_paints = 0;
};

}  // namespace orv::ui
