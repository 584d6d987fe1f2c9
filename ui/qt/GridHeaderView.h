#pragma once
// The horizontal header of a grid view: column names, every sort mark the grid holds (several
// with multiple sort, numbered by rank) and the filter buttons of the columns that have one.
// The marks sit at the section's right end, the name left of them: a name too long for what is
// left is cut at its end, never drawn under a mark.
#include <QHeaderView>

#include <functional>
#include <vector>

namespace orv::ui {

class GridTableModel;

class GridHeaderView final : public QHeaderView {
  Q_OBJECT

 public:
  static constexpr int kFilterButtonWidth = 14;

  // Where the parts of one section go, in the coordinates of the section's rectangle; a part the
  // section does not show is empty.
  struct SectionParts {
    QRect label;
    QRect rank;
    QRect arrow;
    QRect button;
  };

  GridHeaderView(GridTableModel& model, QWidget* parent = nullptr);

  // Whether a column (by id) holds a filter; its button is then drawn pressed.
  void SetFilteredColumnTest(std::function<bool(int columnId)> test) { m_isFiltered = std::move(test); }

  // The filter button of a model column in header coordinates; empty when it has none.
  QRect FilterButtonRect(int modelColumn) const;
  // Where the mouse last went down on the header (header coordinates).
  QPoint LastPressPosition() const { return m_pressPos; }

  SectionParts PartsOf(int modelColumn, const QRect& section) const;
  // The column's name as a label rectangle shows it.
  QString LabelText(int modelColumn, const QRect& label) const;
  // The width that shows the column's whole name beside a sort arrow, a one-digit rank and its
  // filter button.
  int WidthForName(int modelColumn) const;

  // True when the marks drawn on the sections (sort marks and ranks, filter buttons and whether
  // their columns are filtered) differ from the last call's; the module's redraw after every
  // refresh then repaints the header only when they do.
  bool MarksChanged();

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QRect ButtonRectIn(const QRect& section) const;
  QFont RankFont() const;

  GridTableModel& m_model;
  std::function<bool(int)> m_isFiltered;
  QPoint m_pressPos;
  std::vector<int> m_marks;  // per model column: id, sort state, button, filtered; then the sort order
  std::vector<int> m_marksNow;
};

}  // namespace orv::ui
