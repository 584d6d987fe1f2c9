#pragma once
// The grid export file: the grid as the user sees it, as tab-separated text. The first line holds
// the names of the visible columns in display order; each row follows on its own line, top row
// first, with the cells as the grid shows them. Every line ends with a line end, the last one too
// (tools that read lines drop a last line without one). There is no quoting: a cell's text goes
// in as it is.
//
// The columns and the row list are taken when the export is opened; the records are read on the
// user-interface thread as the rows are written, so a long export can be written in slices.
#include "host/SafeFileWriter.h"
#include "host/records/OrderBookDetails.h"
#include "view/ViewVariant.h"

#include <cstddef>
#include <string>
#include <vector>

class OrderBookGrid;

class GridExport final {
 public:
  GridExport() = default;
  ~GridExport();
  GridExport(const GridExport&) = delete;
  GridExport& operator=(const GridExport&) = delete;

  // Takes the grid's visible columns and a copy of its row list, starts the file (it replaces
  // the one at `path` only when finished) and writes the header line. False, with nothing open,
  // when the file cannot be created; FailureReason() says why.
  bool Open(const OrderBookGrid& grid, const std::string& path);
  bool IsOpen() const { return m_writer.IsOpen(); }

  // Writes up to `maxRows` further rows (0: all that are left). Cells that fail to read are
  // written empty and logged through the grid's window. True while the file is sound.
  // The rows go to the file in large blocks, so a call of a few thousand rows is a few writes.
  bool WriteRows(const OrderBookGrid& grid, std::size_t maxRows);
  bool AllRowsWritten() const { return m_nextRow >= m_rows.size(); }
  std::size_t RowsWritten() const { return m_nextRow; }
  // The rows of the export last opened, also once it is closed.
  std::size_t RowCount() const { return m_rowCount; }

  // Finishes the file. When some write failed nothing replaces what was at the path and the
  // answer is false: a cut-off export must not be left looking like a whole one.
  bool Close();
  // Drops a file that will not be finished.
  void Abandon();
  const std::string& Path() const { return m_writer.Path(); }
  const std::string& FailureReason() const { return m_writer.Reason(); }

  // Opens, writes every row and closes in one go. False when the file could not be created or a
  // write failed; the user is told which file and why.
  static bool WriteAll(const OrderBookGrid& grid, const std::string& path);

 private:
  SafeFileWriter m_writer;
  const VariantDescription* m_pVariant = nullptr;
  std::vector<int> m_columns;                 // column ids in display order
  std::vector<OrderBookDetails*> m_rows;      // the grid's row list as it was at Open
  std::size_t m_nextRow = 0;                  // rows written so far, counted from the top row
  std::size_t m_rowCount = 0;
  std::string m_text;                         // the rows of one call, written at once
};

// Tells the user (a message box over the grid) and the log that a file could not be written.
void ReportWriteFailure(const OrderBookGrid& grid, const std::string& path, const std::string& reason);
