#include "ui/qt/GridHeaderView.h"

#include "ui/qt/GridTableModel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionHeader>

#include <algorithm>

namespace orv::ui {

namespace {

constexpr int kSortMarkWidth = 16;

}  // namespace

GridHeaderView::GridHeaderView(GridTableModel& model, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), m_model(model) {
  setSectionsClickable(true);
  setSectionsMovable(false);
  setHighlightSections(false);
  setSortIndicatorShown(false);
  setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QRect GridHeaderView::ButtonRectIn(const QRect& section) const {
  const int width = std::min(kFilterButtonWidth, section.width() / 2);
  return QRect(section.right() - width, section.top() + 2, width - 1, section.height() - 4);
}

QRect GridHeaderView::FilterButtonRect(int modelColumn) const {
  const int id = m_model.ColumnId(modelColumn);
  if (id < 0 || !m_model.Grid().IsColumnFilterButton(id) || isSectionHidden(modelColumn)) return {};
  const QRect section(sectionViewportPosition(modelColumn), 0, sectionSize(modelColumn), height());
  return ButtonRectIn(section);
}

void GridHeaderView::mousePressEvent(QMouseEvent* event) {
  m_pressPos = event->position().toPoint();
  QHeaderView::mousePressEvent(event);
}

void GridHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  if (!rect.isValid()) return;
  const auto& grid = m_model.Grid();
  const int id = m_model.ColumnId(logicalIndex);
  const int state = id >= 0 ? grid.GetColumnState(id) : 0;
  const bool button = id >= 0 && grid.IsColumnFilterButton(id);

  QStyleOptionHeader opt;
  initStyleOptionForIndex(&opt, logicalIndex);
  opt.rect = rect;
  opt.sortIndicator = QStyleOptionHeader::None;
  painter->save();
  style()->drawControl(QStyle::CE_HeaderSection, &opt, painter, this);

  QRect content = rect.adjusted(0, 0, button ? -kFilterButtonWidth : 0, 0);
  if (state != 0) {
    // Qt draws ascending as a "down" indicator; follow it so marks look as elsewhere on the desktop.
    QStyleOptionHeader arrow = opt;
    arrow.sortIndicator = state > 0 ? QStyleOptionHeader::SortDown : QStyleOptionHeader::SortUp;
    arrow.rect = QRect(content.right() - kSortMarkWidth + 2, rect.top(), kSortMarkWidth - 4, rect.height());
    style()->drawPrimitive(QStyle::PE_IndicatorHeaderArrow, &arrow, painter, this);
    const auto& sorted = grid.GetSortColumns();
    if (sorted.size() > 1) {
      const auto rank = std::find(sorted.begin(), sorted.end(), id) - sorted.begin() + 1;
      QFont small = painter->font();
      small.setPointSizeF(std::max(5.0, small.pointSizeF() * 0.7));
      painter->setFont(small);
      painter->drawText(QRect(content.right() - kSortMarkWidth - 8, rect.top(), 10, rect.height() / 2 + 2),
                        Qt::AlignRight | Qt::AlignTop, QString::number(rank));
      painter->setFont(font());
    }
    content.setRight(content.right() - kSortMarkWidth);
  }
  QStyleOptionHeader label = opt;
  label.rect = content.adjusted(3, 0, 0, 0);
  style()->drawControl(QStyle::CE_HeaderLabel, &label, painter, this);

  if (button) {
    const QRect b = ButtonRectIn(rect);
    const bool filtered = m_isFiltered && m_isFiltered(id);
    painter->setPen(palette().color(QPalette::Mid));
    painter->setBrush(filtered ? palette().color(QPalette::Highlight) : palette().color(QPalette::Button));
    painter->drawRect(b);
    QPainterPath triangle;
    const QPointF c = QRectF(b).center();
    triangle.moveTo(c.x() - 3.5, c.y() - 2);
    triangle.lineTo(c.x() + 3.5, c.y() - 2);
    triangle.lineTo(c.x(), c.y() + 2.5);
    triangle.closeSubpath();
    painter->setPen(Qt::NoPen);
    painter->setBrush(filtered ? palette().color(QPalette::HighlightedText) : palette().color(QPalette::ButtonText));
    painter->drawPath(triangle);
  }
  painter->restore();
}

}  // namespace orv::ui
