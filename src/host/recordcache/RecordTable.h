#pragma once
// One record-cache table object: a SQLite connection to its own database, the result of the last
// query, and a lock that keeps a worker thread from tearing either apart.
//
// The module's sequence is ExecuteQuery (row count), GetFirstRow or the cell readers, CloseQuery,
// Release. Queries are read-only: a text that would change data, or holds a second statement, is
// refused. The lock guards memory only; a thread that needs a query and its rows together uses
// Query(), which hands back its own result.
#include "host/recordcache/QueryResult.h"
#include "host/recordcache/RecordStore.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

struct sqlite3;

class RecordTable {
 public:
  RecordTable(const RecordTable&) = delete;
  RecordTable& operator=(const RecordTable&) = delete;
  virtual ~RecordTable();

  // Runs one SELECT; the number of matching rows, or -1 (logged) on an SQL error.
  long ExecuteQuery(const std::string& sql);
  // Copies the first row's packet (min(size, stored bytes)) and zero-fills the rest of the buffer.
  bool GetFirstRow(void* packet, std::size_t size);
  long RowCount() const;
  int ColumnCount() const;
  int ColumnIndex(std::string_view name) const;
  std::int64_t GetInt64(long row, int col) const;
  double GetDouble(long row, int col) const;
  std::string GetText(long row, int col) const;
  void CloseQuery();
  // Ends the caller's use of the shared object: drops the last result. The object stays usable.
  void Release();

  // Runs one SELECT and returns its rows without touching the object's last result.
  QueryResult Query(const std::string& sql);
  // The same with values bound to ?1, ?2, ... in order, so no value ever becomes part of the SQL.
  QueryResult Query(const std::string& sql, std::initializer_list<recordcache::detail::WriteParam> params);

  // Deletes every row of this object's own tables.
  bool Clear();
  // The last SQL error of a query or write; empty after a success.
  std::string LastError() const;

  // Closes the connection (the record cache is closing or moving); the next use reopens it.
  void Disconnect();

 protected:
  explicit RecordTable(recordcache::detail::Store store);

  // Runs a write on the open connection under the lock; false (logged) when it fails.
  bool Write(const std::function<bool(sqlite3* db, std::string& error)>& write);
  long WriteCount(const std::string& sql, std::initializer_list<recordcache::detail::WriteParam> params);

 private:
  // Both need m_mutex held.
  sqlite3* Connection(std::string& error);
  QueryResult RunQuery(const std::string& sql, std::initializer_list<recordcache::detail::WriteParam> params = {});

  const recordcache::detail::Store m_store;
  mutable std::mutex m_mutex;
  sqlite3* m_db = nullptr;
  unsigned m_generation = 0;
  bool m_queryOnly = false;  // read by the authorizer while a query is prepared
  QueryResult m_last;
  std::string m_lastError;
};
