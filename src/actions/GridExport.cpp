#include "actions/GridExport.h"

#include "host/platform/CellValue.h"
#include "view/CellValues.h"
#include "view/OrderBookGrid.h"

#include <cstdio>

GridExport::~GridExport() {
  if (m_file) Close();
}

bool GridExport::Open(const OrderBookGrid& grid, const std::string& path) {
  if (m_file) Close();
  m_pVariant = &grid.Variant();
  m_columns.clear();
  std::string header;
  const int count = grid.GetColumnCount(true);
  for (int position = 0; position < count; ++position) {
    const int column = grid.OrderToIndex(position);
    if (column < 0 || !grid.GetColumnVisible(column)) continue;
    if (!m_columns.empty()) header += '\t';
    header += grid.GetColumnName(column);
    m_columns.push_back(column);
  }
  m_rows = grid.RowVector();
  m_nextRow = 0;
  m_bFailed = false;
  m_path = path;
  m_file = std::fopen(path.c_str(), "w");
  if (!m_file) {
    m_rows.clear();
    return false;
  }
  if (std::fwrite(header.data(), 1, header.size(), m_file) != header.size()) m_bFailed = true;
  return true;
}

bool GridExport::WriteRows(const OrderBookGrid& grid, std::size_t maxRows) {
  if (!m_file || m_bFailed) return false;
  const std::size_t end = maxRows == 0 || m_rows.size() - m_nextRow < maxRows ? m_rows.size() : m_nextRow + maxRows;
  orv::platform::CellValue value;
  std::string text;
  for (; m_nextRow < end; ++m_nextRow) {
    // The top row shows the last element of the row list.
    OrderBookDetails* record = m_rows[m_rows.size() - 1 - m_nextRow];
    m_line.assign(1, '\n');
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
      if (i != 0) m_line += '\t';
      GetItemValue(record, m_columns[i], *m_pVariant, value, grid.GetOwnerWnd());
      value.ToText(text);
      m_line += text;
    }
    if (std::fwrite(m_line.data(), 1, m_line.size(), m_file) != m_line.size()) {
      m_bFailed = true;
      return false;
    }
  }
  return true;
}

bool GridExport::Close() {
  if (!m_file) return !m_bFailed;
  const bool ok = std::ferror(m_file) == 0 && !m_bFailed;
  const bool closed = std::fclose(m_file) == 0;
  m_file = nullptr;
  m_rows.clear();
  if (ok && closed) return true;
  std::remove(m_path.c_str());
  return false;
}

void GridExport::Abandon() {
  if (!m_file) return;
  std::fclose(m_file);
  m_file = nullptr;
  m_rows.clear();
  std::remove(m_path.c_str());
}

bool GridExport::WriteAll(const OrderBookGrid& grid, const std::string& path) {
  GridExport exporter;
  if (!exporter.Open(grid, path)) return false;
  exporter.WriteRows(grid, 0);
  return exporter.Close();
}
