#pragma once
// Draws a grid cell the short way: the selection background, the text in the colour the cell
// callback chose and the focus frame of the current cell. A styled delegate asks the style for
// every part of every cell, which over two grids refreshed twenty times a second costs more than
// the refresh itself.
#include <QAbstractItemDelegate>

namespace orv::ui {

class GridCellDelegate final : public QAbstractItemDelegate {
  Q_OBJECT

 public:
  static constexpr int kTextMargin = 3;

  using QAbstractItemDelegate::QAbstractItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace orv::ui
