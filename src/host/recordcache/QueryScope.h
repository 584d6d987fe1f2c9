#pragma once
// Ends the caller's use of a shared record-cache table however the reading ends: the query is
// closed and the table released on every way out, exceptions included.
#include "host/recordcache/RecordTable.h"

class QueryScope final {
 public:
  explicit QueryScope(RecordTable& table) : m_table(table) {}
  ~QueryScope() {
    m_table.CloseQuery();
    m_table.Release();
  }
  QueryScope(const QueryScope&) = delete;
  QueryScope& operator=(const QueryScope&) = delete;

 private:
  RecordTable& m_table;
};
