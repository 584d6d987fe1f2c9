#include "actions/BulkOrderFiles.h"

#include "host/FileWriteObserver.h"
#include "host/SafeFileWriter.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// The first line of the text file, line end included.
std::string TextFileFirstLine(long time) {
  return std::string(BulkOrderFiles::kTextFileMark) + " : " + BulkOrderFiles::TimeText(time) + "\n";
}

// Finishes the file; on failure hands back why.
bool Finish(SafeFileWriter& writer, std::string* reason) {
  if (writer.Commit()) return true;
  if (reason) *reason = writer.Reason();
  return false;
}

}  // namespace

bool BulkOrderFiles::HasPendingOrder(Rows rows) {
  for (const OrderBookDetails* record : rows) {
    if (record && record->eOrderStatus == ePending) return true;
  }
  return false;
}

bool BulkOrderFiles::WriteCsv(const std::string& path, Rows rows, const BulkOrderFields::LogSink& log,
                              std::string* reason) {
  SafeFileWriter writer;
  if (!writer.Open(path)) return Finish(writer, reason);
  std::FILE* f = writer.Stream();
  std::fprintf(f, "%s\n", BulkOrderFields::CsvHeader().c_str());
  BulkOrderFields fields;
  for (const OrderBookDetails* record : rows) {
    if (!record || !IsWritten(*record)) continue;
    fields.Fill(*record, log);
    for (int i = 0; i < BulkOrderFields::kFieldCount - 1; ++i) {
      if (BulkOrderFields::IsNumber(i)) std::fprintf(f, "%ld,", fields.Number(i));
      else std::fprintf(f, "%s,", fields.Text(i).c_str());
    }
    std::fprintf(f, "%s\n", fields.Text(BulkOrderFields::kFieldCount - 1).c_str());
  }
  return Finish(writer, reason);
}

BulkOrderFiles::TextResult BulkOrderFiles::WriteText(const std::string& path, Rows rows, long time,
                                                     const BulkOrderFields::LogSink& log, std::string* reason) {
  // The same first line goes in twice, so the rewrite lands exactly on the second line.
  const std::string firstLine = TextFileFirstLine(time);
  SafeFileWriter writer;
  if (!writer.Open(path)) {
    Finish(writer, reason);
    return TextResult::NotCreated;
  }
  std::FILE* f = writer.Stream();
  std::fprintf(f, "%s", firstLine.c_str());
  std::fprintf(f, "%s", "            \n");
  long number = 1;
  BulkOrderFields fields;
  for (const OrderBookDetails* record : rows) {
    if (!record || !IsWritten(*record)) continue;
    fields.Fill(*record, log);
    for (long i = 0; i < BulkOrderFields::kFieldCount; ++i) {
      const int index = static_cast<int>(i);
      if (BulkOrderFields::IsNumber(index)) std::fprintf(f, "%ld|%ld|%ld|\n", number, i, fields.Number(index));
      else std::fprintf(f, "%ld|%ld|%s|\n", number, i, fields.Text(index).c_str());
    }
    ++number;
  }
  // The next order number goes over the blanks of the second line before the file is put in place.
  if (std::fflush(f) != 0 || std::ferror(f) != 0) {
    Finish(writer, reason);
    return TextResult::NotCreated;
  }
  const bool patched = std::fseek(f, 0, SEEK_SET) == 0 && std::fprintf(f, "%s%ld", firstLine.c_str(), number) > 0 &&
                       std::fseek(f, 0, SEEK_END) == 0;
  if (!patched) {
    // A file without its next number would misnumber the host's next orders: keep the old one.
    writer.Abandon();
    if (reason) *reason = "the next order number could not be set";
    FileWriteObserver::Notify(path, 0, false, "the next order number could not be set");
    return TextResult::NotUpdated;
  }
  return Finish(writer, reason) ? TextResult::Written : TextResult::NotCreated;
}

std::string BulkOrderFiles::TimeText(long time) {
  const std::time_t t = static_cast<std::time_t>(time);
  std::tm local{};
  if (!localtime_r(&t, &local)) return {};
  char text[64];
  const std::size_t n = std::strftime(text, sizeof text, "%d/%b/%Y : %H:%M:%S", &local);
  return std::string(text, n);
}

BulkOrderFiles::ExistingFile BulkOrderFiles::CheckExisting(const std::string& path) {
  // A directory or a device holds no bulk order file: writing there reports its own failure.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return ExistingFile::None;
  FilePtr file(std::fopen(path.c_str(), "r"));
  if (!file) return ExistingFile::None;
  char line[kFirstLineLimit + 1] = {};
  if (!std::fgets(line, sizeof line, file.get())) return ExistingFile::Other;
  return std::strstr(line, kTextFileMark) != nullptr ? ExistingFile::BulkText : ExistingFile::Other;
}
