#include "actions/BulkOrderFiles.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Closes the file and tells whether everything written reached it.
bool CloseChecked(FilePtr& file) {
  const bool ok = std::ferror(file.get()) == 0;
  return std::fclose(file.release()) == 0 && ok;
}

// The first line of the text file, line end included.
std::string TextFileFirstLine(long time) {
  return std::string(BulkOrderFiles::kTextFileMark) + " : " + BulkOrderFiles::TimeText(time) + "\n";
}

}  // namespace

bool BulkOrderFiles::HasPendingOrder(Rows rows) {
  for (const OrderBookDetails* record : rows) {
    if (record && record->eOrderStatus == ePending) return true;
  }
  return false;
}

bool BulkOrderFiles::WriteCsv(const std::string& path, Rows rows, const BulkOrderFields::LogSink& log) {
  FilePtr file(std::fopen(path.c_str(), "w"));
  if (!file) return false;
  std::FILE* f = file.get();
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
  return CloseChecked(file);
}

BulkOrderFiles::TextResult BulkOrderFiles::WriteText(const std::string& path, Rows rows, long time,
                                                     const BulkOrderFields::LogSink& log) {
  // The same first line goes in twice, so the rewrite lands exactly on the second line.
  const std::string firstLine = TextFileFirstLine(time);
  long number = 1;
  {
    FilePtr file(std::fopen(path.c_str(), "w"));
    if (!file) return TextResult::NotCreated;
    std::FILE* f = file.get();
    std::fprintf(f, "%s", firstLine.c_str());
    std::fprintf(f, "%s", "            \n");
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
    if (!CloseChecked(file)) return TextResult::NotCreated;
  }
  FilePtr file(std::fopen(path.c_str(), "r+"));
  if (!file) return TextResult::NotUpdated;
  std::fseek(file.get(), 0, SEEK_SET);
  std::fprintf(file.get(), "%s%ld", firstLine.c_str(), number);
  return CloseChecked(file) ? TextResult::Written : TextResult::NotUpdated;
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
  FilePtr file(std::fopen(path.c_str(), "r"));
  if (!file) return ExistingFile::None;
  char line[kFirstLineLimit + 1] = {};
  if (!std::fgets(line, sizeof line, file.get())) return ExistingFile::Other;
  return std::strstr(line, kTextFileMark) != nullptr ? ExistingFile::BulkText : ExistingFile::Other;
}
