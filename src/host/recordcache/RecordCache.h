#pragma once
// Where the record-cache tables keep their rows, and where their SQL errors are reported.
//
// By default every table lives in a shared-cache in-memory database that exists while its
// connections are open. Open(folder) moves the tables to one SQLite file per table in that
// folder; Close() closes every connection and starts over with fresh, empty in-memory databases
// (files already written stay on disk).
#include "host/recordcache/RecordStore.h"

#include <filesystem>
#include <functional>
#include <string>

class RecordCache final {
 public:
  // Creates the folder when needed; false (and nothing changed) when it cannot be created.
  static bool Open(const std::filesystem::path& folder);
  static void Close();
  static bool IsInMemory();
  // The bytes SQLite holds for every record-cache database of the process (pages, statements).
  static std::size_t MemoryBytes();

  // Receives one text per SQL error; without a sink the texts go to standard error.
  using LogSink = std::function<void(const std::string& text)>;
  static void SetLogSink(LogSink sink);
  static void LogError(const std::string& text);

  static recordcache::detail::Location CurrentLocation();

 private:
  static void DisconnectAll();
};
