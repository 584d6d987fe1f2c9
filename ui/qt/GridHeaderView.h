#pragma once
// The horizontal header of a grid view: column names, every sort mark the grid holds (several
// with multiple sort, numbered by rank) and the filter buttons of the columns that have one.
#include <QHeaderView>

#include <functional>

namespace orv::ui {

class GridTableModel;

class GridHeaderView final : public QHeaderView {
  Q_OBJECT

 public:
  static constexpr int kFilterButtonWidth = 14;

  GridHeaderView(GridTableModel& model, QWidget* parent = nullptr);

  // Whether a column (by id) holds a filter; its button is then drawn pressed.
  void SetFilteredColumnTest(std::function<bool(int columnId)> test) { m_isFiltered = std::move(test); }

  // The filter button of a model column in header coordinates; empty when it has none.
  QRect FilterButtonRect(int modelColumn) const;
  // Where the mouse last went down on the header (header coordinates).
  QPoint LastPressPosition() const { return m_pressPos; }

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QRect ButtonRectIn(const QRect& section) const;

  GridTableModel& m_model;
  std::function<bool(int)> m_isFiltered;
  QPoint m_pressPos;
};

}  // namespace orv::ui
