#include "ui/qt/GridTableModel.h"

#include "host/platform/GridColumn.h"

#include <QColor>

namespace orv::ui {

namespace pf = orv::platform;

GridTableModel::GridTableModel(pf::GridCtrlModel& grid, QObject* parent) : QAbstractTableModel(parent), m_grid(grid) {
  m_rows = grid.GetVirtualRowCount();
  m_columnIds = VisibleColumns();
  m_modelColumnOfId.assign(static_cast<std::size_t>(grid.GetColumnCount()), -1);
  for (std::size_t i = 0; i < m_columnIds.size(); ++i)
    m_modelColumnOfId[static_cast<std::size_t>(m_columnIds[i])] = static_cast<int>(i);
}

QString GridTableModel::FromGridText(std::string_view text) {
  QString out = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  // The host's texts are Windows-1252: its 0x80-0x9F are printable (curly quotes, dashes, the
  // euro), where Latin-1 has control codes.
  static constexpr char16_t kWindows1252[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  for (QChar& c : out)
    if (c.unicode() >= 0x80 && c.unicode() <= 0x9F) c = QChar(kWindows1252[c.unicode() - 0x80]);
  return out;
}

QColor GridTableModel::FromColorRef(std::uint32_t colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

std::vector<int> GridTableModel::VisibleColumns() const {
  std::vector<int> ids;
  for (int id : m_grid.GetColumnOrderArray())
    if (m_grid.GetColumnVisible(id)) ids.push_back(id);
  return ids;
}

int GridTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int GridTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_columnIds.size());
}

int GridTableModel::ColumnId(int modelColumn) const {
  return modelColumn >= 0 && modelColumn < static_cast<int>(m_columnIds.size())
             ? m_columnIds[static_cast<std::size_t>(modelColumn)]
             : -1;
}

int GridTableModel::ModelColumn(int columnId) const {
  return columnId >= 0 && columnId < static_cast<int>(m_modelColumnOfId.size())
             ? m_modelColumnOfId[static_cast<std::size_t>(columnId)]
             : -1;
}

namespace {

Qt::Alignment AlignmentOf(int align) {
  switch (align) {
    case pf::kAlignRight:
      return Qt::AlignRight | Qt::AlignVCenter;
    case pf::kAlignCenter:
      return Qt::AlignCenter;
    default:
      return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

}  // namespace

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
  QModelRoleData roleData(role);
  multiData(index, roleData);
  return roleData.data();
}

void GridTableModel::multiData(const QModelIndex& index, QModelRoleDataSpan roleDataSpan) const {
  for (QModelRoleData& roleData : roleDataSpan) roleData.clearData();
  if (!index.isValid() || index.row() >= m_rows) return;
  const int id = ColumnId(index.column());
  if (id < 0) return;
  bool wantsCell = false;
  for (const QModelRoleData& roleData : roleDataSpan)
    wantsCell |= roleData.role() == Qt::DisplayRole || roleData.role() == Qt::ForegroundRole ||
                 roleData.role() == Qt::ToolTipRole;
  const pf::DispInfo* cell = wantsCell ? &m_grid.RequestCell(index.row(), id) : nullptr;
  for (QModelRoleData& roleData : roleDataSpan) {
    switch (roleData.role()) {
      case Qt::DisplayRole:
      case Qt::ToolTipRole:
        cell->value.ToText(m_text);
        roleData.setData(FromGridText(m_text));
        break;
      case Qt::ForegroundRole:
        if (cell->HasTextColor()) roleData.setData(FromColorRef(cell->clrText));
        break;
      case Qt::TextAlignmentRole:
        roleData.setData(QVariant::fromValue(AlignmentOf(m_grid.GetColumnAlign(id))));
        break;
      default:
        break;
    }
  }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  const int id = ColumnId(section);
  if (id < 0) return {};
  switch (role) {
    case Qt::DisplayRole:
      return FromGridText(m_grid.GetColumnName(id));
    case Qt::ToolTipRole:
      return FromGridText(m_grid.GetColumnsInfo().GetColumnDescription(id));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(AlignmentOf(m_grid.GetColumnAlign(id)));
    default:
      return {};
  }
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void GridTableModel::SyncRowCount(bool shrink) {
  const int rows = m_grid.GetVirtualRowCount();
  if (rows > m_rows) {
    beginInsertRows(QModelIndex(), m_rows, rows - 1);
    m_rows = rows;
    endInsertRows();
  } else if (rows < m_rows && shrink) {
    beginRemoveRows(QModelIndex(), rows, m_rows - 1);
    m_rows = rows;
    endRemoveRows();
  }
}

void GridTableModel::SyncColumns() {
  std::vector<int> ids = VisibleColumns();
  const bool changed = ids != m_columnIds || static_cast<int>(m_modelColumnOfId.size()) != m_grid.GetColumnCount();
  if (changed) beginResetModel();
  m_columnIds = std::move(ids);
  m_modelColumnOfId.assign(static_cast<std::size_t>(m_grid.GetColumnCount()), -1);
  for (std::size_t i = 0; i < m_columnIds.size(); ++i)
    m_modelColumnOfId[static_cast<std::size_t>(m_columnIds[i])] = static_cast<int>(i);
  if (changed) {
    m_rows = m_grid.GetVirtualRowCount();  // a reset may take the row count along
    endResetModel();
  } else if (!m_columnIds.empty()) {
    emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(m_columnIds.size()) - 1);
  }
}

}  // namespace orv::ui
