#pragma once
// Gives a grid view's columns their first widths: wide enough for the column's name beside its
// marks and for the texts its first visible rows show. It only widens, and each column once:
// after that the width is the user's (a resize goes to the grid and stays there).
#include <QObject>

#include <map>

namespace orv::ui {

class GridTableView;

class ColumnFitter final : public QObject {
  Q_OBJECT

 public:
  // Widest a column grows for its values alone; a longer value is cut as before.
  static constexpr int kMaxValueWidth = 320;

  // A child of the view: fits at the view's first show and, when that view had no rows yet,
  // once more when its first rows arrive.
  explicit ColumnFitter(GridTableView& view);

  // Widens the columns that need it now; true when rows were there to measure.
  bool Fit();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FitLater();

  GridTableView& m_view;
  std::map<int, int> m_fitted;  // column id -> the grid's width as the fit left it
  bool m_done = false;
  bool m_pending = false;
};

}  // namespace orv::ui
