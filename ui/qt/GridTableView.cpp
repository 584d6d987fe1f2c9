#include "ui/qt/GridTableView.h"

#include "host/platform/Application.h"
#include "host/platform/GridSelectMode.h"
#include "ui/qt/GridCellDelegate.h"
#include "ui/qt/GridHeaderView.h"
#include "ui/qt/GridInputSink.h"
#include "ui/qt/GridTableModel.h"
#include "ui/qt/KeyTranslation.h"
#include "ui/qt/LoadMeter.h"
#include "ui/qt/SteadyScrollBar.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orv::ui {

namespace pf = orv::platform;

struct GridTableView::Mirroring {
  explicit Mirroring(GridTableView& view) : m_view(view) { ++m_view.m_mirroring; }
  ~Mirroring() { --m_view.m_mirroring; }
  Mirroring(const Mirroring&) = delete;
  Mirroring& operator=(const Mirroring&) = delete;
  GridTableView& m_view;
};

GridTableView::GridTableView(pf::GridCtrlModel& grid, QWidget* parent)
    : QTableView(parent), m_grid(grid), m_model(new GridTableModel(grid, this)), m_header(new GridHeaderView(*m_model, this)) {
  setHorizontalHeader(m_header);
  // The view's own hooks on its bars (hover after a scroll, scroll actions) follow the new bars.
  setVerticalScrollBar(new SteadyScrollBar(Qt::Vertical, this));
  setHorizontalScrollBar(new SteadyScrollBar(Qt::Horizontal, this));
  connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, &GridTableView::verticalScrollbarAction,
          Qt::UniqueConnection);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &GridTableView::verticalScrollbarValueChanged,
          Qt::UniqueConnection);
  connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this, &GridTableView::horizontalScrollbarAction,
          Qt::UniqueConnection);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &GridTableView::horizontalScrollbarValueChanged,
          Qt::UniqueConnection);
  // Qt lays out the area's children again at every range change, raising the two bars in turn,
  // which repaints both: at every refresh that changed the row count. The layout only differs
  // when a bar comes or goes. (Qt's own connection stays where it cannot be found by name.)
  for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
    if (!disconnect(bar, SIGNAL(rangeChanged(int, int)), this, SLOT(_q_showOrHideScrollBars()))) continue;
    connect(
        bar, &QScrollBar::rangeChanged, this,
        [this, scrolls = bar->minimum() < bar->maximum()](int minimum, int maximum) mutable {
          if ((minimum < maximum) == scrolls) return;
          scrolls = minimum < maximum;
          QMetaObject::invokeMethod(this, "_q_showOrHideScrollBars");
        },
        Qt::QueuedConnection);
  }
  setModel(m_model);
  setItemDelegate(new GridCellDelegate(this));
  setSortingEnabled(false);
  // A press on the header is the grid's (a sort or the filter button), never Qt's column
  // selection, which a table without Qt's sorting makes of it (set up by setSortingEnabled).
  disconnect(m_header, &QHeaderView::sectionPressed, this, nullptr);
  disconnect(m_header, &QHeaderView::sectionEntered, this, nullptr);
  setAutoScroll(false);  // the grid decides what to scroll into view
  setTabKeyNavigation(true);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setFocusPolicy(Qt::StrongFocus);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->hide();
  m_header->setSectionResizeMode(QHeaderView::Interactive);
  m_header->setMinimumSectionSize(8);
  m_header->SetFilteredColumnTest([](int) { return false; });
  m_baseFont = font();

  connect(m_header, &QHeaderView::sectionClicked, this, &GridTableView::OnHeaderClicked);
  connect(m_header, &QHeaderView::sectionResized, this, &GridTableView::OnSectionResized);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
    if (m_mirroring) return;
    m_grid.SetScrollPos(pf::GridCtrlModel::SB_VERT, value * m_grid.GetRowHeight());
  });
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
    if (m_mirroring) return;
    const double scale = m_grid.GetScale() > 0 ? m_grid.GetScale() : 1.0;
    m_grid.SetScrollPos(pf::GridCtrlModel::SB_HORZ, static_cast<int>(std::lround(value / scale)));
  });
  m_scrollRangeLater.setSingleShot(true);
  m_scrollRangeLater.setInterval(kScrollRangeDelayMs);
  connect(&m_scrollRangeLater, &QTimer::timeout, this, &GridTableView::FollowRowCount);
  m_grid.SetChangeListener([this](pf::GridChange change) { OnGridChange(change); });
  SyncAll();
}

GridTableView::~GridTableView() { m_grid.SetChangeListener({}); }

int GridTableView::RowPixels() const {
  return std::max(1, static_cast<int>(std::lround(m_grid.GetRowHeight() * m_grid.GetScale())));
}

int GridTableView::ViewportRows() const { return std::max(1, viewport()->height() / RowPixels()); }

void GridTableView::SyncAll() {
  Mirroring guard(*this);
  m_model->SyncColumns();
  m_model->SyncRowCount();
  ApplyLayout();
  MirrorSelection();
  MirrorScroll();
  RepaintAll();
}

void GridTableView::RepaintAll() {
  m_rowsOnlyLayout = false;
  m_shown.Forget();
  viewport()->update();
  m_header->viewport()->update();
}

GridTableView::ScrollBarCounts GridTableView::ScrollBarChanges() const {
  ScrollBarCounts counts;
  for (const QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
    if (const auto* steady = dynamic_cast<const SteadyScrollBar*>(bar)) {
      counts.changes += steady->Changes();
      counts.skipped += steady->Skipped();
    }
  }
  return counts;
}

ShownArea GridTableView::Shown() const {
  ShownArea area;
  area.firstRow = std::max(0, verticalScrollBar()->value());
  area.rows = ViewportRows() + 1;  // a part row at the bottom shows too
  const int columns = m_model->columnCount();
  area.firstColumn = std::max(0, columnAt(0));
  const int last = columnAt(viewport()->width() - 1);
  area.lastColumn = last < 0 ? columns - 1 : last;
  return area;
}

void GridTableView::CheckShown() {
  if (m_shown.Changed(*m_model, Shown())) viewport()->update();
}

void GridTableView::FollowRowCountLater() {
  if (!m_scrollRangeLater.isActive()) m_scrollRangeLater.start();
}

void GridTableView::doItemsLayout() {
  if (!m_rowsOnlyLayout) {
    QTableView::doItemsLayout();
    m_scrollRangeRows = m_model->rowCount();
    return;
  }
  // Rows came or went: the cells check decides about a repaint. A new scroll range repaints the
  // scroll bar, whose slider a few rows more or less among many do not move: such a change is
  // followed a little later, a larger one at once.
  const auto started = LoadSample::ThreadCpuNow();
  m_rowsOnlyLayout = false;
  if (!verticalHeader()->updatesEnabled()) verticalHeader()->setUpdatesEnabled(true);
  const long long known = m_scrollRangeRows;
  const long long rows = m_model->rowCount();
  if (known < 0 || std::llabs(rows - known) * kScrollRangeSlack > known) FollowRowCount();
  else FollowRowCountLater();
  CheckShown();
  m_mirrorTime += LoadSample::ThreadCpuNow() - started;
}

void GridTableView::FollowRowCount() {
  Mirroring guard(*this);
  if (m_model->ShrinkPending()) {
    m_rowsOnlyLayout = true;
    m_model->SyncRowCount();
  }
  if (m_scrollRangeRows == m_model->rowCount()) return;
  FollowRowCountInScrollRange();
  MirrorScroll();
}

void GridTableView::FollowRowCountInScrollRange() {
  // The range Qt's updateGeometries gives rows of one height, without its new layout of the whole
  // area (it sets the viewport margins again, which raises both bars and so repaints them).
  const int rows = m_model->rowCount();
  const int page = ViewportRows();
  verticalScrollBar()->setPageStep(std::max(1, std::min(rows, page)));
  verticalScrollBar()->setRange(0, std::max(0, rows - page));
  m_scrollRangeRows = rows;
}

void GridTableView::OnGridChange(pf::GridChange change) {
  const auto started = LoadSample::ThreadCpuNow();
  Mirroring guard(*this);
  switch (change) {
    case pf::GridChange::RowCount: {
      // Qt's vertical header walks all its sections on every removal of rows, so a grid that
      // lost a few rows out of view keeps them (empty) a little longer.
      const int rows = m_grid.GetVirtualRowCount();
      const ShownArea shown = Shown();
      const bool shrinkNow = shown.firstRow + shown.rows > rows ||
                             static_cast<long long>(m_model->rowCount() - rows) * kScrollRangeSlack > rows;
      m_rowsOnlyLayout = true;
      m_model->SyncRowCount(shrinkNow);
      if (m_model->ShrinkPending()) FollowRowCountLater();
      MirrorScroll();
      CheckShown();
      break;
    }
    case pf::GridChange::Cells:
      CheckShown();
      break;
    case pf::GridChange::Selection:
      MirrorSelection();
      break;
    case pf::GridChange::SortMarks:
      m_header->viewport()->update();
      break;
    case pf::GridChange::Columns:
      m_model->SyncColumns();
      ApplyColumnWidths();
      RepaintAll();
      break;
    case pf::GridChange::Scroll:
      MirrorScroll();
      break;
    case pf::GridChange::Layout:
      // What a new layout changes (font, row height, widths) Qt repaints by itself.
      ApplyLayout();
      CheckShown();
      break;
    case pf::GridChange::Repaint:
      // The module asks for one after every refresh; the same cells and marks drawn again would
      // show the same pixels.
      if (m_header->MarksChanged()) m_header->viewport()->update();
      CheckShown();
      break;
  }
  m_mirrorTime += LoadSample::ThreadCpuNow() - started;
}

void GridTableView::ApplyLayout() {
  const double scale = m_grid.GetScale() > 0 ? m_grid.GetScale() : 1.0;
  QFont scaled = m_baseFont;
  if (m_baseFont.pointSizeF() > 0) scaled.setPointSizeF(m_baseFont.pointSizeF() * scale);
  if (scaled != font()) {
    setFont(scaled);
    m_header->setFont(scaled);
  }
  const int rowPixels = RowPixels();
  if (verticalHeader()->defaultSectionSize() != rowPixels) verticalHeader()->setDefaultSectionSize(rowPixels);
  m_header->setVisible(m_grid.IsHeaderEnabled());
  ApplyColumnWidths();
  UpdatePageRows();
}

void GridTableView::ApplyColumnWidths() {
  Mirroring guard(*this);
  const double scale = m_grid.GetScale() > 0 ? m_grid.GetScale() : 1.0;
  for (int c = 0; c < m_model->columnCount(); ++c) {
    const int width = static_cast<int>(std::lround(m_grid.GetColumnWidth(m_model->ColumnId(c)) * scale));
    if (m_header->sectionSize(c) != width) m_header->resizeSection(c, width);
  }
}

void GridTableView::UpdatePageRows() {
  const int rows = ViewportRows();
  if (rows != m_grid.GetPageRows()) m_grid.SetPageRows(rows);
}

void GridTableView::MirrorSelection() {
  Mirroring guard(*this);
  QItemSelectionModel* selection = selectionModel();
  const int rows = m_model->rowCount();
  const int lastColumn = m_model->columnCount() - 1;
  QItemSelection shown;
  if (rows > 0 && lastColumn >= 0) {
    // Selected rows show as whole rows: every order action works on rows, whatever cells were hit.
    for (const pf::GridRange& range : m_grid.GetSelectionRanges()) {
      if (range.IsEmpty() || range.m_nTop >= rows) continue;
      shown.select(m_model->index(std::max(range.m_nTop, 0), 0),
                   m_model->index(std::min(range.m_nBottom, rows - 1), lastColumn));
    }
  }
  selection->select(shown, QItemSelectionModel::ClearAndSelect);
  const pf::GridItemID current = m_grid.GetCurSelItemID();
  QModelIndex index;
  if (!current.IsNull() && current.m_nRow < rows && lastColumn >= 0)
    index = m_model->index(current.m_nRow, std::max(0, m_model->ModelColumn(current.m_nColumn)));
  selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

void GridTableView::MirrorScroll() {
  Mirroring guard(*this);
  // The scroll range follows the row count only at Qt's next layout; bring it up to date first
  // when the count changed since and the top row lies beyond the old range (a layout asks every
  // header for its size, so it is not done on every refresh).
  const int top = m_grid.GetTopVisibleRow();
  if (m_scrollRangeRows != m_model->rowCount() && top > verticalScrollBar()->maximum())
    FollowRowCountInScrollRange();
  verticalScrollBar()->setValue(top);
  const double scale = m_grid.GetScale() > 0 ? m_grid.GetScale() : 1.0;
  horizontalScrollBar()->setValue(
      static_cast<int>(std::lround(m_grid.GetScrollPos(pf::GridCtrlModel::SB_HORZ) * scale)));
}

void GridTableView::OnHeaderClicked(int modelColumn) {
  const int id = m_model->ColumnId(modelColumn);
  if (id < 0) return;
  FocusGrid();
  if (m_header->FilterButtonRect(modelColumn).contains(m_header->LastPressPosition())) {
    const QRect button = m_header->FilterButtonRect(modelColumn);
    if (m_sink) m_sink->PreparePopup(m_header->mapToGlobal(button.bottomLeft()));
    m_grid.OnHeaderMenuButtonClick(id);
  } else {
    m_grid.ToggleSortColumn(id);
  }
  AfterInput();
}

void GridTableView::OnSectionResized(int modelColumn, int /*oldSize*/, int newSize) {
  if (m_mirroring) return;
  const int id = m_model->ColumnId(modelColumn);
  if (id < 0) return;
  const double scale = m_grid.GetScale() > 0 ? m_grid.GetScale() : 1.0;
  Mirroring guard(*this);
  m_grid.SetColumnWidth(id, static_cast<int>(std::lround(newSize / scale)));
}

void GridTableView::FocusGrid() {
  if (m_sink) m_sink->FocusGrid();
  else if (m_grid.HasApp() && m_grid.GetSafeHwnd()) m_grid.SetFocus();
}

void GridTableView::HoldModifiers(Qt::KeyboardModifiers modifiers, bool shift) {
  if (!m_grid.HasApp()) return;
  pf::KeyState& keys = m_grid.App().Keys();
  keys.SetShift(shift || modifiers.testFlag(Qt::ShiftModifier));
  keys.SetCtrl(modifiers.testFlag(Qt::ControlModifier));
  keys.SetAlt(modifiers.testFlag(Qt::AltModifier));
}

void GridTableView::ReleaseModifiers() {
  if (m_grid.HasApp()) m_grid.App().Keys().ReleaseAll();
}

void GridTableView::AfterInput() {
  if (m_sink) m_sink->AfterInput();
}

void GridTableView::SelectFromClick(const QModelIndex& index, Qt::KeyboardModifiers modifiers) {
  const int id = m_model->ColumnId(index.column());
  // Ctrl+click adds a group, Shift+click stretches the last one, a plain click starts over.
  std::uint32_t mode = pf::kSelSingleItem;
  if (modifiers.testFlag(Qt::ControlModifier)) mode = pf::kSelRangeStart;
  else if (modifiers.testFlag(Qt::ShiftModifier)) mode = pf::kSelRangeEnd;
  m_grid.SetCurSel({index.row(), id}, mode);
}

void GridTableView::mousePressEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  FocusGrid();
  HoldModifiers(event->modifiers(), false);
  if (index.isValid()) {
    if (event->button() == Qt::LeftButton) {
      SelectFromClick(index, event->modifiers());
      m_dragging = true;
      m_dragColumn = m_model->ColumnId(index.column());
      if (m_sink) m_sink->LeftButtonDown();
    } else if (event->button() == Qt::RightButton && !m_grid.IsRowSelected(index.row())) {
      // A right click on a row outside the selection selects it, so the menu acts on what was hit.
      m_grid.SetCurSel({index.row(), m_model->ColumnId(index.column())}, pf::kSelSingleItem);
    }
  }
  ReleaseModifiers();
  event->accept();
  AfterInput();
}

void GridTableView::mouseMoveEvent(QMouseEvent* event) {
  if (!m_dragging || !(event->buttons() & Qt::LeftButton)) return;
  const QModelIndex index = indexAt(event->position().toPoint());
  if (!index.isValid()) return;
  const pf::GridItemID current = m_grid.GetCurSelItemID();
  if (current.m_nRow == index.row()) return;
  m_grid.SetCurSel({index.row(), m_dragColumn}, pf::kSelRangeEnd);
  m_grid.EnsureVisible(index.row());
  AfterInput();
}

void GridTableView::mouseReleaseEvent(QMouseEvent* event) {
  m_dragging = false;
  event->accept();
}

void GridTableView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid() && m_sink) {
    m_sink->LeftButtonDoubleClick();
    AfterInput();
  }
  event->accept();
}

void GridTableView::keyPressEvent(QKeyEvent* event) {
  const int vk = VirtualKeyOf(event->key(), event->modifiers());
  if (vk == 0) {
    event->ignore();
    return;
  }
  const bool backtab = event->key() == Qt::Key_Backtab;
  const bool shift = backtab || event->modifiers().testFlag(Qt::ShiftModifier);
  const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  const bool alt = event->modifiers().testFlag(Qt::AltModifier);
  FocusGrid();
  HoldModifiers(event->modifiers(), backtab);
  pf::MSG msg;
  msg.hwnd = &m_grid;
  msg.message = alt ? pf::WM_SYSKEYDOWN : pf::WM_KEYDOWN;
  msg.wParam = static_cast<pf::WPARAM>(vk);
  bool consumed = m_sink && m_sink->KeyDown(msg);
  if (!consumed) consumed = DefaultKey(vk, shift, ctrl);
  ReleaseModifiers();
  // Tab and Shift+Tab the grid did not take move the focus on.
  if (!consumed && vk == pf::VK_TAB) event->ignore();
  else event->accept();
  AfterInput();
}

bool GridTableView::DefaultKey(int vk, bool shift, bool ctrl) {
  const int rows = m_grid.GetVirtualRowCount();
  if (rows == 0 || ctrl) return false;
  pf::GridItemID current = m_grid.GetCurSelItemID();
  int column = current.m_nColumn >= 0 ? current.m_nColumn : m_grid.GetFirstVisibleColumn();
  int row = std::max(current.m_nRow, 0);
  switch (vk) {
    case pf::VK_UP:
      row = current.IsNull() ? 0 : std::max(0, row - 1);
      break;
    case pf::VK_DOWN:
      row = current.IsNull() ? 0 : std::min(rows - 1, row + 1);
      break;
    case pf::VK_LEFT:
    case pf::VK_RIGHT: {
      const int modelColumn = m_model->ModelColumn(column);
      const int next = std::clamp(modelColumn + (vk == pf::VK_LEFT ? -1 : 1), 0, m_model->columnCount() - 1);
      column = m_model->ColumnId(next);
      scrollTo(m_model->index(row, next), QAbstractItemView::EnsureVisible);
      break;
    }
    default:
      return false;
  }
  m_grid.SetCurSel({row, column}, shift ? pf::kSelRangeEnd : pf::kSelSingleItem);
  m_grid.EnsureVisible(row);
  return true;
}

void GridTableView::contextMenuEvent(QContextMenuEvent* event) {
  const QModelIndex index = indexAt(event->pos());
  FocusGrid();
  if (index.isValid() && !m_grid.IsRowSelected(index.row()))
    m_grid.SetCurSel({index.row(), m_model->ColumnId(index.column())}, pf::kSelSingleItem);
  if (m_sink) m_sink->ContextMenu(event->globalPos());
  event->accept();
  AfterInput();
}

void GridTableView::focusInEvent(QFocusEvent* event) {
  // Not QAbstractItemView's: it would move Qt's current cell on its own.
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
  if (event->reason() != Qt::MouseFocusReason) FocusGrid();
}

void GridTableView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  Mirroring guard(*this);
  m_scrollRangeRows = -1;  // the page changed, so did the range
  UpdatePageRows();
  MirrorScroll();
}

void GridTableView::paintEvent(QPaintEvent* event) {
  const auto started = LoadSample::ThreadCpuNow();
  QTableView::paintEvent(event);
  m_paintTime += LoadSample::ThreadCpuNow() - started;
  ++m_paints;
}

}  // namespace orv::ui
