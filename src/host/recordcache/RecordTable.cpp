#include "host/recordcache/RecordTable.h"

#include "host/recordcache/RecordCache.h"

#include <sqlite3.h>

#include <chrono>
#include <exception>
#include <thread>

namespace {

constexpr int kLockRetries = 2000;
constexpr std::chrono::milliseconds kLockPause{1};

// While a query is being prepared only reading is allowed: a text that would write, attach,
// or change a setting fails to prepare instead of running.
int AuthorizeQuery(void* queryOnly, int action, const char*, const char*, const char*, const char*) {
  if (!*static_cast<const bool*>(queryOnly)) return SQLITE_OK;
  switch (action) {
    case SQLITE_SELECT:
    case SQLITE_READ:
    case SQLITE_FUNCTION:
    case SQLITE_RECURSIVE:
      return SQLITE_OK;
    default:
      return SQLITE_DENY;
  }
}

class PreparedQuery final {
 public:
  ~PreparedQuery() { sqlite3_finalize(m_stmt); }
  sqlite3_stmt** out() { return &m_stmt; }
  sqlite3_stmt* get() const { return m_stmt; }

 private:
  sqlite3_stmt* m_stmt = nullptr;
};

std::string Describe(const std::string& error, const std::string& sql) {
  return "RecordCache: SQL error: " + error + "; query: " + sql;
}

}  // namespace

RecordTable::RecordTable(recordcache::detail::Store store) : m_store(store) {}

RecordTable::~RecordTable() { sqlite3_close_v2(m_db); }

sqlite3* RecordTable::Connection(std::string& error) {
  const recordcache::detail::Location where = RecordCache::CurrentLocation();
  if (m_db != nullptr && m_generation == where.generation) return m_db;
  sqlite3_close_v2(m_db);
  m_db = recordcache::detail::OpenStore(m_store, where, error);
  if (m_db == nullptr) return nullptr;
  m_generation = where.generation;
  sqlite3_set_authorizer(m_db, AuthorizeQuery, &m_queryOnly);
  return m_db;
}

QueryResult RecordTable::RunQuery(const std::string& sql,
                                  std::initializer_list<recordcache::detail::WriteParam> params) {
  std::string error;
  sqlite3* db = Connection(error);
  if (db == nullptr) return QueryResult::Failure("cannot open the table: " + error);

  PreparedQuery query;
  const char* tail = nullptr;
  m_queryOnly = true;
  int rc = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), query.out(), &tail);
  bool single = true;
  if (rc == SQLITE_OK && tail != nullptr && *tail != '\0') {
    // Whatever follows the first statement must be nothing but blanks, semicolons and comments.
    PreparedQuery rest;
    const int restRc = sqlite3_prepare_v2(db, tail, -1, rest.out(), nullptr);
    single = restRc == SQLITE_OK && rest.get() == nullptr;
  }
  m_queryOnly = false;
  if (rc != SQLITE_OK) return QueryResult::Failure(sqlite3_errmsg(db));
  if (query.get() == nullptr) return QueryResult::Failure("empty query");
  if (!single) return QueryResult::Failure("only one statement may be run");
  if (!sqlite3_stmt_readonly(query.get())) return QueryResult::Failure("only queries may be run");
  if (!recordcache::detail::BindParams(query.get(), params)) return QueryResult::Failure(sqlite3_errmsg(db));

  QueryResult result;
  result.TakeColumns(query.get());
  for (int retries = 0;;) {
    rc = sqlite3_step(query.get());
    if (rc == SQLITE_ROW) {
      result.AppendRow(query.get());
    } else if (rc == SQLITE_DONE) {
      return result;
    } else if ((rc == SQLITE_LOCKED || rc == SQLITE_BUSY) && ++retries < kLockRetries) {
      // Another connection holds a shared in-memory table: start over once it lets go.
      sqlite3_reset(query.get());
      result.Reset();
      result.TakeColumns(query.get());
      std::this_thread::sleep_for(kLockPause);
    } else {
      return QueryResult::Failure(sqlite3_errmsg(db));
    }
  }
}

long RecordTable::ExecuteQuery(const std::string& sql) {
  std::string failure;
  long count = -1;
  {
    std::lock_guard lock(m_mutex);
    try {
      m_last = RunQuery(sql);
    } catch (const std::exception& e) {
      m_last = QueryResult::Failure(e.what());
    }
    if (m_last.Ok()) {
      m_lastError.clear();
      count = m_last.RowCount();
    } else {
      m_lastError = m_last.Error();
      failure = Describe(m_lastError, sql);
    }
  }
  if (!failure.empty()) RecordCache::LogError(failure);
  return count;
}

QueryResult RecordTable::Query(const std::string& sql) { return Query(sql, {}); }

QueryResult RecordTable::Query(const std::string& sql, std::initializer_list<recordcache::detail::WriteParam> params) {
  QueryResult result;
  {
    std::lock_guard lock(m_mutex);
    try {
      result = RunQuery(sql, params);
    } catch (const std::exception& e) {
      result = QueryResult::Failure(e.what());
    }
    m_lastError = result.Ok() ? std::string() : result.Error();
  }
  if (!result.Ok()) RecordCache::LogError(Describe(result.Error(), sql));
  return result;
}

bool RecordTable::GetFirstRow(void* packet, std::size_t size) {
  std::lock_guard lock(m_mutex);
  return m_last.CopyPacket(0, packet, size);
}

long RecordTable::RowCount() const {
  std::lock_guard lock(m_mutex);
  return m_last.RowCount();
}

int RecordTable::ColumnCount() const {
  std::lock_guard lock(m_mutex);
  return m_last.ColumnCount();
}

int RecordTable::ColumnIndex(std::string_view name) const {
  std::lock_guard lock(m_mutex);
  return m_last.ColumnIndex(name);
}

std::int64_t RecordTable::GetInt64(long row, int col) const {
  std::lock_guard lock(m_mutex);
  return m_last.GetInt64(row, col);
}

double RecordTable::GetDouble(long row, int col) const {
  std::lock_guard lock(m_mutex);
  return m_last.GetDouble(row, col);
}

std::string RecordTable::GetText(long row, int col) const {
  std::lock_guard lock(m_mutex);
  return m_last.GetText(row, col);
}

void RecordTable::CloseQuery() {
  std::lock_guard lock(m_mutex);
  m_last.Reset();
}

void RecordTable::Release() {
  std::lock_guard lock(m_mutex);
  m_last = QueryResult();
}

std::string RecordTable::LastError() const {
  std::lock_guard lock(m_mutex);
  return m_lastError;
}

void RecordTable::Disconnect() {
  std::lock_guard lock(m_mutex);
  m_last = QueryResult();
  sqlite3_close_v2(m_db);
  m_db = nullptr;
}

bool RecordTable::Write(const std::function<bool(sqlite3* db, std::string& error)>& write) {
  std::string error;
  bool ok = false;
  {
    std::lock_guard lock(m_mutex);
    try {
      sqlite3* db = Connection(error);
      ok = db != nullptr && write(db, error);
    } catch (const std::exception& e) {
      error = e.what();
      ok = false;
    }
    m_lastError = ok ? std::string() : error;
  }
  if (!ok) {
    RecordCache::LogError("RecordCache: write to " + std::string(recordcache::detail::StoreName(m_store)) +
                          " failed: " + error);
  }
  return ok;
}

long RecordTable::WriteCount(const std::string& sql, std::initializer_list<recordcache::detail::WriteParam> params) {
  long changed = -1;
  Write([&](sqlite3* db, std::string& error) {
    changed = recordcache::detail::ExecuteWrite(db, sql, params, error);
    return changed >= 0;
  });
  return changed;
}

bool RecordTable::Clear() {
  bool ok = true;
  for (const std::string& table : recordcache::detail::StoreTables(m_store)) {
    ok = WriteCount("DELETE FROM main." + table, {}) >= 0 && ok;
  }
  return ok;
}
