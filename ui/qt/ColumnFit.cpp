#include "ui/qt/ColumnFit.h"

#include "ui/qt/GridCellDelegate.h"
#include "ui/qt/GridHeaderView.h"
#include "ui/qt/GridTableModel.h"
#include "ui/qt/GridTableView.h"

#include <QEvent>
#include <QFontMetrics>
#include <QTimer>

#include <algorithm>

namespace orv::ui {

namespace {

// Rows measured at most: a first screen's worth.
constexpr int kMeasuredRows = 80;

}  // namespace

ColumnFitter::ColumnFitter(GridTableView& view) : QObject(&view), m_view(view) {
  view.installEventFilter(this);
  GridTableModel& model = view.Model();
  connect(&model, &QAbstractItemModel::rowsInserted, this, &ColumnFitter::FitLater);
  connect(&model, &QAbstractItemModel::modelReset, this, &ColumnFitter::FitLater);
}

bool ColumnFitter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &m_view && event->type() == QEvent::Show) FitLater();
  return QObject::eventFilter(watched, event);
}

void ColumnFitter::FitLater() {
  // Qt lays a view out after it is shown and new rows after the signal; measure once it has.
  if (m_done || m_pending || !m_view.isVisible()) return;
  m_pending = true;
  QTimer::singleShot(0, this, [this] {
    m_pending = false;
    if (!m_done && m_view.isVisible()) m_done = Fit();
  });
}

bool ColumnFitter::Fit() {
  const GridTableModel& model = m_view.Model();
  GridHeaderView& header = m_view.Header();
  const QFontMetrics cells(m_view.font());
  const int top = model.rowCount() > 0 ? std::max(0, m_view.rowAt(0)) : -1;
  int bottom = top < 0 ? -1 : m_view.rowAt(std::max(0, m_view.viewport()->height() - 1));
  if (top >= 0 && bottom < 0) bottom = model.rowCount() - 1;
  bottom = std::min(bottom, top + kMeasuredRows - 1);

  for (int c = 0; c < model.columnCount(); ++c) {
    const int id = model.ColumnId(c);
    // A width someone else gave the column since the last fit is theirs.
    if (const auto it = m_fitted.find(id); it != m_fitted.end() && m_view.Grid().GetColumnWidth(id) != it->second)
      continue;
    int need = header.WidthForName(c);
    for (int r = top; r >= 0 && r <= bottom; ++r) {
      const int text = cells.horizontalAdvance(model.data(model.index(r, c)).toString());
      need = std::max(need, std::min(kMaxValueWidth, text + 2 * GridCellDelegate::kTextMargin + 2));
    }
    // Resized as by the user's hand, so the grid keeps the width.
    if (need > header.sectionSize(c)) header.resizeSection(c, need);
    m_fitted[id] = m_view.Grid().GetColumnWidth(id);
  }
  return top >= 0;
}

}  // namespace orv::ui
