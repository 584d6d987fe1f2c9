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
  const QString value = roles[0].data().toString();
  if (!value.isEmpty()) {
    const QRect area = option.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    const QStaticText& shaped = Shaped(value, painter->font());
    const QSizeF size = shaped.size();
    qreal x = area.left();
    if (flags & Qt::AlignRight) x = area.right() + 1 - size.width();
    else if (flags & Qt::AlignHCenter) x = area.left() + (area.width() - size.width()) / 2;
    const qreal y = area.top() + (area.height() - size.height()) / 2;
    // Only a text wider than its cell needs the clip.
    const bool clip = size.width() > area.width();
    if (clip) {
      painter->save();
      painter->setClipRect(area, Qt::IntersectClip);
    }
    painter->drawStaticText(QPointF(x, y), shaped);
    if (clip) painter->restore();
  }

  if (option.state.testFlag(QStyle::State_HasFocus)) {
    QPen pen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    pen.setStyle(Qt::DotLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
  }
}

const QStaticText& GridCellDelegate::Shaped(const QString& text, const QFont& font) const {
  if (font != m_shapedFont || m_shaped.size() >= kShapedTextLimit) {
    m_shaped.clear();
    m_shapedFont = font;
  }
  auto it = m_shaped.find(text);
  if (it == m_shaped.end()) {
    QStaticText shaped(text);
    shaped.setTextFormat(Qt::PlainText);
    shaped.prepare(QTransform(), font);
    it = m_shaped.insert(text, shaped);
  }
  return it.value();
}

QSize GridCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QString text = index.data(Qt::DisplayRole).toString();
  return QSize(option.fontMetrics.horizontalAdvance(text) + 2 * kTextMargin, option.fontMetrics.height() + 2);
}

}  // namespace orv::ui
