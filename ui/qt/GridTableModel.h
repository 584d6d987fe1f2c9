#pragma once
// A Qt table model over a virtual grid of the toolkit stand-in. The row count is the grid's;
// cells come from GridCtrlModel::RequestCell only when Qt asks for them, which a view does for the
// cells it paints. Model columns are the grid's visible columns in display order.
//
// The model never asks the grid for anything per row: a row count change is told to Qt as rows
// appended or removed at the end (every row's content changes with a rebuild anyway), so a view
// over a million rows does no work for rows it does not show.
#include "host/platform/GridCtrlModel.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

namespace orv::ui {

class GridTableModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit GridTableModel(orv::platform::GridCtrlModel& grid, QObject* parent = nullptr);

  orv::platform::GridCtrlModel& Grid() const { return m_grid; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  // The grid has fewer rows than the model still shows.
  bool ShrinkPending() const { return m_grid.GetVirtualRowCount() < m_rows; }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // One cell request fills every role a delegate asks for at once.
  void multiData(const QModelIndex& index, QModelRoleDataSpan roleDataSpan) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Grid column id of a model column (-1 when out of range), and back (-1 for a hidden or unknown id).
  int ColumnId(int modelColumn) const;
  int ModelColumn(int columnId) const;

  // Follow the grid. SyncRowCount announces the grid's new row count (what to repaint is the
  // view's to decide); with `shrink` false a smaller count waits, the rows past the grid's end
  // showing empty until then. SyncColumns rebuilds the column mapping (a reset only when the
  // visible columns changed, else a header change).
  void SyncRowCount(bool shrink = true);
  void SyncColumns();

  // A text of the grid (8-bit, each byte one character) as Qt shows it.
  static QString FromGridText(std::string_view text);
  // A 0x00BBGGRR colour as Qt's.
  static QColor FromColorRef(std::uint32_t colour);

 private:
  std::vector<int> VisibleColumns() const;

  orv::platform::GridCtrlModel& m_grid;
  int m_rows = 0;
  std::vector<int> m_columnIds;
  std::vector<int> m_modelColumnOfId;
  mutable std::string m_text;  // reused for every cell text
};

}  // namespace orv::ui
