#pragma once
// The rows of one query, copied out of SQLite when the query ran: counting is exact, and reading
// them later needs neither the connection nor its lock.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3_stmt;

class QueryResult final {
 public:
  QueryResult() = default;
  static QueryResult Failure(std::string error);

  // False when the query did not run (SQL error, no database); Error() then says why.
  bool Ok() const { return m_ok; }
  const std::string& Error() const { return m_error; }

  long RowCount() const { return m_rowCount; }
  int ColumnCount() const { return static_cast<int>(m_columns.size()); }
  // Empty for a column out of range.
  std::string_view ColumnName(int col) const;
  // Case-insensitive; -1 when no column has that name.
  int ColumnIndex(std::string_view name) const;

  // Out-of-range cells read as null: 0, 0.0 and an empty text.
  bool IsNull(long row, int col) const;
  std::int64_t GetInt64(long row, int col) const;
  double GetDouble(long row, int col) const;
  std::string GetText(long row, int col) const;

  // Copies min(size, stored bytes) of the row's `packet` column into out and zero-fills the rest
  // of the caller's buffer. False (buffer zeroed) when the row or the packet column is missing.
  bool CopyPacket(long row, void* out, std::size_t size) const;

  // Builders used while stepping a statement.
  void TakeColumns(sqlite3_stmt* stmt);
  void AppendRow(sqlite3_stmt* stmt);
  void Reset();

 private:
  enum class CellType { Null, Integer, Real, Text, Blob };
  struct Cell {
    CellType type = CellType::Null;
    std::int64_t integer = 0;
    double real = 0.0;
    std::string bytes;
  };
  const Cell* Find(long row, int col) const;

  bool m_ok = true;
  std::string m_error;
  std::vector<std::string> m_columns;
  int m_packetColumn = -1;
  long m_rowCount = 0;
  std::vector<Cell> m_cells;  // row-major
};
