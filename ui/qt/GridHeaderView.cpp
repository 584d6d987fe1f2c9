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
// Room left and right of a column's name.
constexpr int kLabelPadding = 3;

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

GridHeaderView::SectionParts GridHeaderView::PartsOf(int modelColumn, const QRect& section) const {
  SectionParts parts;
  const auto& grid = m_model.Grid();
  const int id = m_model.ColumnId(modelColumn);
  if (id < 0) return parts;
  int right = section.right();
  if (grid.IsColumnFilterButton(id)) {
    parts.button = ButtonRectIn(section);
    right -= kFilterButtonWidth;
  }
  if (grid.GetColumnState(id) != 0) {
    parts.arrow = QRect(right - kSortMarkWidth + 2, section.top(), kSortMarkWidth - 4, section.height());
    right -= kSortMarkWidth;
    const auto& sorted = grid.GetSortColumns();
    if (sorted.size() > 1) {
      const auto rank = std::find(sorted.begin(), sorted.end(), id) - sorted.begin() + 1;
      const int width = QFontMetrics(RankFont()).horizontalAdvance(QString::number(rank)) + 2;
      parts.rank = QRect(right - width + 1, section.top(), width, section.height() / 2 + 2);
      right -= width;
    }
  }
  const int left = section.left() + kLabelPadding;
  parts.label = QRect(left, section.top(), std::max(0, right - kLabelPadding - left + 1), section.height());
  return parts;
}

QString GridHeaderView::LabelText(int modelColumn, const QRect& label) const {
  const QString name = m_model.headerData(modelColumn, Qt::Horizontal).toString();
  return fontMetrics().elidedText(name, Qt::ElideRight, label.width());
}

int GridHeaderView::WidthForName(int modelColumn) const {
  const int id = m_model.ColumnId(modelColumn);
  if (id < 0) return 0;
  const QString name = m_model.headerData(modelColumn, Qt::Horizontal).toString();
  const int marks = kSortMarkWidth + QFontMetrics(RankFont()).horizontalAdvance(QLatin1Char('9')) + 2 +
                    (m_model.Grid().IsColumnFilterButton(id) ? kFilterButtonWidth : 0);
  return 2 * kLabelPadding + fontMetrics().horizontalAdvance(name) + marks + 1;
}

QFont GridHeaderView::RankFont() const {
  QFont small = font();
  small.setPointSizeF(std::max(5.0, small.pointSizeF() * 0.7));
  return small;
}

bool GridHeaderView::MarksChanged() {
  std::vector<int>& marks = m_marksNow;  // asked after every refresh: the buffers are kept
  marks.clear();
  const auto& grid = m_model.Grid();
  marks.reserve(4 * static_cast<std::size_t>(m_model.columnCount()) + grid.GetSortColumns().size());
  for (int c = 0; c < m_model.columnCount(); ++c) {
    const int id = m_model.ColumnId(c);
    const bool button = id >= 0 && grid.IsColumnFilterButton(id);
    marks.push_back(id);
    marks.push_back(id >= 0 ? grid.GetColumnState(id) : 0);
    marks.push_back(button ? 1 : 0);
    marks.push_back(button && m_isFiltered && m_isFiltered(id) ? 1 : 0);
  }
  marks.insert(marks.end(), grid.GetSortColumns().begin(), grid.GetSortColumns().end());
  if (marks == m_marks) return false;
  m_marks.swap(marks);
  return true;
}

void GridHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  if (!rect.isValid()) return;
  const int id = m_model.ColumnId(logicalIndex);
  const int state = id >= 0 ? m_model.Grid().GetColumnState(id) : 0;
  const bool button = id >= 0 && m_model.Grid().IsColumnFilterButton(id);
  const SectionParts parts = PartsOf(logicalIndex, rect);

  QStyleOptionHeader opt;
  initStyleOptionForIndex(&opt, logicalIndex);
  opt.rect = rect;
  opt.sortIndicator = QStyleOptionHeader::None;
  painter->save();
  style()->drawControl(QStyle::CE_HeaderSection, &opt, painter, this);

  if (state != 0) {
    // Qt draws ascending as a "down" indicator; follow it so marks look as elsewhere on the desktop.
    QStyleOptionHeader arrow = opt;
    arrow.sortIndicator = state > 0 ? QStyleOptionHeader::SortDown : QStyleOptionHeader::SortUp;
    arrow.rect = parts.arrow;
    style()->drawPrimitive(QStyle::PE_IndicatorHeaderArrow, &arrow, painter, this);
    if (!parts.rank.isEmpty()) {
      const auto& sorted = m_model.Grid().GetSortColumns();
      const auto rank = std::find(sorted.begin(), sorted.end(), id) - sorted.begin() + 1;
      painter->setFont(RankFont());
      painter->drawText(parts.rank, Qt::AlignRight | Qt::AlignTop, QString::number(rank));
      painter->setFont(font());
    }
  }
  if (!parts.label.isEmpty()) {
    QStyleOptionHeader label = opt;
    label.rect = parts.label;
    label.text = LabelText(logicalIndex, parts.label);
    style()->drawControl(QStyle::CE_HeaderLabel, &label, painter, this);
  }

  if (button) {
    const QRect b = parts.button;
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
