#pragma once
// The two bulk order files the grid rewrites its orders into: comma-separated values, and the
// host's own field-per-line text whose second line holds the number the next order would get.
// Values go in as they are, without quoting or escaping, because the host's bulk order entry
// reads them that way.
#include "actions/BulkOrderFields.h"
#include "host/records/OrderBookDetails.h"

#include <span>
#include <string>

class BulkOrderFiles final {
 public:
  using Rows = std::span<OrderBookDetails* const>;

  // What starts the first line of every bulk text file.
  static constexpr const char* kTextFileMark = "BulkOrderEntry Last Modified";
  // How much of an existing file's first line is read to recognise it.
  static constexpr int kFirstLineLimit = 205;

  // The files are written only when a row is pending (status 1), spread rows included.
  static bool HasPendingOrder(Rows rows);
  // Spread orders never go into the files.
  static bool IsWritten(const OrderBookDetails& record) { return record.eOrderLeg != eSpreadLeg; }

  // Writes the comma-separated file: the header line, then one line per order in row-list order.
  // False (with the reason) when the file cannot be created or a write fails; a failed file never
  // replaces the one at the path.
  static bool WriteCsv(const std::string& path, Rows rows, const BulkOrderFields::LogSink& log,
                       std::string* reason = nullptr);

  enum class TextResult { Written, NotCreated, NotUpdated };
  // Writes the text file: the time line, a line of twelve blanks, 34 lines per order numbered from
  // 1, then puts the next order number over the blanks. NotCreated (with the reason) when the
  // file cannot be created or a write fails; NotUpdated when the next number could not be set.
  static TextResult WriteText(const std::string& path, Rows rows, long time, const BulkOrderFields::LogSink& log,
                              std::string* reason = nullptr);
  // The first line's time text: `time` (seconds since 1970) in local time as "04/Dec/2026 : 22:58:39".
  static std::string TimeText(long time);

  enum class ExistingFile { None, BulkText, Other };
  // Whether `path` names an existing regular file and, if so, whether its first line (at most
  // kFirstLineLimit characters of it) carries kTextFileMark.
  static ExistingFile CheckExisting(const std::string& path);
};
