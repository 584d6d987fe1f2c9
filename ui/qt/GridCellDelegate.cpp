#include "ui/qt/GridCellDelegate.h"

#include <QAbstractItemModel>
#include <QPainter>

#include <array>

namespace orv::ui {

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  std::array<QModelRoleData, 3> roles{QModelRoleData(Qt::DisplayRole), QModelRoleData(Qt::ForegroundRole),
                                      QModelRoleData(Qt::TextAlignmentRole)};
  index.multiData(roles);
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  const QPalette::ColorGroup group = option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
  if (selected) painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));

  QColor colour = option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
  // Side colours stay readable on the selection: a coloured cell keeps its colour, lightened.
  if (const QVariant& foreground = roles[1].data(); foreground.isValid()) {
    const QColor chosen = foreground.value<QColor>();
    colour = selected ? chosen.lighter(260) : chosen;
  }
  const QVariant& align = roles[2].data();
  const int flags = align.isValid() ? align.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter);
  painter->setPen(colour);
  const QRect text = option.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
  painter->drawText(text, flags | Qt::TextSingleLine, roles[0].data().toString());

  if (option.state.testFlag(QStyle::State_HasFocus)) {
    QPen pen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    pen.setStyle(Qt::DotLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
  }
}

QSize GridCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QString text = index.data(Qt::DisplayRole).toString();
  return QSize(option.fontMetrics.horizontalAdvance(text) + 2 * kTextMargin, option.fontMetrics.height() + 2);
}

}  // namespace orv::ui
