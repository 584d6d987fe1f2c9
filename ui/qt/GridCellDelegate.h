#pragma once
// Draws a grid cell the short way: the selection background, the text in the colour the cell
// callback chose and the focus frame of the current cell. A styled delegate asks the style for
// every part of every cell, which over two grids refreshed twenty times a second costs more than
// the refresh itself.
#include <QAbstractItemDelegate>
#include <QFont>
#include <QHash>
#include <QStaticText>

namespace orv::ui {

class GridCellDelegate final : public QAbstractItemDelegate {
  Q_OBJECT

 public:
  static constexpr int kTextMargin = 3;

  using QAbstractItemDelegate::QAbstractItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // Texts shaped once and kept: a grid shows the same few thousand texts (prices, symbols,
  // statuses) over and over, and shaping a text is most of what drawing it costs.
  static constexpr int kShapedTextLimit = 8192;

 private:
  const QStaticText& Shaped(const QString& text, const QFont& font) const;

  mutable QHash<QString, QStaticText> m_shaped;
  mutable QFont m_shapedFont;
};

}  // namespace orv::ui
