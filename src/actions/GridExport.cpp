#include "actions/GridExport.h"

#include "actions/ActionSupport.h"
#include "host/platform/MessageBoxService.h"
#include "view/CellValues.h"
#include "view/OrderBookGrid.h"

#include <cstdio>

namespace {

// How much text gathers before it goes to the file: large writes, a bounded buffer.
constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

}  // namespace

GridExport::~GridExport() {
  if (IsOpen()) Close();
}

bool GridExport::Open(const OrderBookGrid& grid, const std::string& path) {
  if (IsOpen()) Close();
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
  m_rowCount = m_rows.size();
  m_nextRow = 0;
  if (!m_writer.Open(path)) {
    m_rows.clear();
    m_rowCount = 0;
    return false;
  }
  header += '\n';
  m_writer.Write(header);
  return true;
}

bool GridExport::WriteRows(const OrderBookGrid& grid, std::size_t maxRows) {
  if (!IsOpen() || !m_writer.Reason().empty()) return false;
  const std::size_t end = maxRows == 0 || m_rows.size() - m_nextRow < maxRows ? m_rows.size() : m_nextRow + maxRows;
  const OrderBookWnd* logTo = grid.GetOwnerWnd();
  CellTextBuffer buffer;
  m_text.clear();
  for (; m_nextRow < end; ++m_nextRow) {
    // The top row shows the last element of the row list.
    OrderBookDetails* record = m_rows[m_rows.size() - 1 - m_nextRow];
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
      if (i != 0) m_text += '\t';
      m_text += GetItemText(record, m_columns[i], *m_pVariant, buffer, logTo);
    }
    m_text += '\n';
    if (m_text.size() >= kBlockBytes) {
      if (!m_writer.Write(m_text)) return false;
      m_writer.StartWriteBack();
      m_text.clear();
    }
  }
  return m_writer.Write(m_text);
}

bool GridExport::Close() {
  if (!IsOpen()) return m_writer.Reason().empty();
  m_rows.clear();
  return m_writer.Commit();
}

void GridExport::Abandon() {
  m_writer.Abandon();
  m_rows.clear();
}

bool GridExport::WriteAll(const OrderBookGrid& grid, const std::string& path) {
  GridExport exporter;
  if (exporter.Open(grid, path)) {
    exporter.WriteRows(grid, 0);
    if (exporter.Close()) return true;
  }
  ReportWriteFailure(grid, path, exporter.FailureReason());
  return false;
}

void ReportWriteFailure(const OrderBookGrid& grid, const std::string& path, const std::string& reason) {
  const std::string text = SafeFileWriter::FailureText(path, reason);
  ActionSupport::Log(grid.GetOwnerWnd(), "ZARUClientGeneralLogs", text);
  grid.MessageBox(text, "Save File", orv::platform::MB_OK | orv::platform::MB_ICONEXCLAMATION);
}
