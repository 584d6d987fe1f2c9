#include "host/recordcache/QueryResult.h"

#include <sqlite3.h>

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

QueryResult QueryResult::Failure(std::string error) {
  QueryResult r;
  r.m_ok = false;
  r.m_error = std::move(error);
  return r;
}

std::string_view QueryResult::ColumnName(int col) const {
  if (col < 0 || col >= ColumnCount()) return {};
  return m_columns[static_cast<std::size_t>(col)];
}

int QueryResult::ColumnIndex(std::string_view name) const {
  for (std::size_t i = 0; i < m_columns.size(); ++i) {
    const std::string& c = m_columns[i];
    if (c.size() == name.size() && strncasecmp(c.data(), name.data(), name.size()) == 0) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

const QueryResult::Cell* QueryResult::Find(long row, int col) const {
  if (row < 0 || row >= m_rowCount || col < 0 || col >= ColumnCount()) return nullptr;
  return &m_cells[static_cast<std::size_t>(row) * m_columns.size() + static_cast<std::size_t>(col)];
}

bool QueryResult::IsNull(long row, int col) const {
  const Cell* c = Find(row, col);
  return c == nullptr || c->type == CellType::Null;
}

std::int64_t QueryResult::GetInt64(long row, int col) const {
  const Cell* c = Find(row, col);
  return c == nullptr ? 0 : c->integer;
}

double QueryResult::GetDouble(long row, int col) const {
  const Cell* c = Find(row, col);
  return c == nullptr ? 0.0 : c->real;
}

std::string QueryResult::GetText(long row, int col) const {
  const Cell* c = Find(row, col);
  if (c == nullptr) return {};
  switch (c->type) {
    case CellType::Null:
      return {};
    case CellType::Integer:
      return std::to_string(c->integer);
    case CellType::Real: {
      char buf[64];
      std::snprintf(buf, sizeof buf, "%.15g", c->real);
      return buf;
    }
    case CellType::Text:
    case CellType::Blob:
      return c->bytes;
  }
  return {};
}

bool QueryResult::CopyPacket(long row, void* out, std::size_t size) const {
  if (out == nullptr || size == 0) return false;
  std::memset(out, 0, size);
  const Cell* c = Find(row, m_packetColumn);
  if (c == nullptr) return false;
  std::memcpy(out, c->bytes.data(), std::min(size, c->bytes.size()));
  return true;
}

void QueryResult::TakeColumns(sqlite3_stmt* stmt) {
  const int n = sqlite3_column_count(stmt);
  m_columns.clear();
  for (int i = 0; i < n; ++i) {
    const char* name = sqlite3_column_name(stmt, i);
    m_columns.emplace_back(name != nullptr ? name : "");
  }
  m_packetColumn = ColumnIndex("packet");
}

void QueryResult::AppendRow(sqlite3_stmt* stmt) {
  const int n = static_cast<int>(m_columns.size());
  for (int i = 0; i < n; ++i) {
    Cell cell;
    switch (sqlite3_column_type(stmt, i)) {
      case SQLITE_INTEGER:
        cell.type = CellType::Integer;
        cell.integer = sqlite3_column_int64(stmt, i);
        cell.real = static_cast<double>(cell.integer);
        break;
      case SQLITE_FLOAT:
        cell.type = CellType::Real;
        cell.real = sqlite3_column_double(stmt, i);
        cell.integer = sqlite3_column_int64(stmt, i);
        break;
      case SQLITE_TEXT: {
        cell.type = CellType::Text;
        // Numeric readings first: asking for the text afterwards keeps its pointer valid.
        cell.integer = sqlite3_column_int64(stmt, i);
        cell.real = sqlite3_column_double(stmt, i);
        const auto* text = sqlite3_column_text(stmt, i);
        const int bytes = sqlite3_column_bytes(stmt, i);
        if (text != nullptr) cell.bytes.assign(reinterpret_cast<const char*>(text), static_cast<std::size_t>(bytes));
        break;
      }
      case SQLITE_BLOB: {
        cell.type = CellType::Blob;
        const void* blob = sqlite3_column_blob(stmt, i);
        const int bytes = sqlite3_column_bytes(stmt, i);
        if (blob != nullptr) cell.bytes.assign(static_cast<const char*>(blob), static_cast<std::size_t>(bytes));
        break;
      }
      default:
        break;
    }
    m_cells.push_back(std::move(cell));
  }
  ++m_rowCount;
}

void QueryResult::Reset() {
  m_ok = true;
  m_error.clear();
  m_columns.clear();
  m_packetColumn = -1;
  m_rowCount = 0;
  m_cells.clear();
}
