#pragma once
// The databases behind the record-cache tables and how one connection reaches the others.
//
// Each table class owns one SQLite database with its own tables. Queries name tables without a
// database prefix, so a connection ATTACHes the databases whose tables its queries join or
// subselect: SQLite resolves an unqualified name in temp, then main, then the attached databases
// in the order they were attached.
#include "host/recordcache/RecordRows.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace recordcache::detail {

enum class Store {
  PendingOrders,
  PendingSpreadOrders,
  OrderInfo,
  SpreadOrderInfo,
  TradeInfo,
  RmsRejection,
  ClientMapper,
  ExchangeIobOrder,
};

// Where the databases live: shared-cache in-memory databases named by a generation number (a
// fresh generation starts empty), or one file per store in a folder.
struct Location {
  bool inMemory = true;
  std::filesystem::path folder;
  unsigned generation = 0;
};

std::string_view StoreName(Store store);
// The store's own table names (the tables it creates in its main database).
std::vector<std::string> StoreTables(Store store);

// Opens the store's connection, creates its tables and attaches what its queries reference.
// Null with error set when that fails.
sqlite3* OpenStore(Store store, const Location& where, std::string& error);

// Writes through bound parameters only; table is one of the store's own table names.
bool InsertOrderRow(sqlite3* db, std::string_view table, const OrderRecordRow& row, std::string& error);
bool InsertClientMapperRow(sqlite3* db, const ClientMapperRow& row, std::string& error);
// A bound value of a write: an integer or a text.
struct WriteParam {
  WriteParam(std::int64_t v) : isText(false), integer(v) {}  // NOLINT: implicit by design
  WriteParam(std::string_view v) : isText(true), text(v) {}  // NOLINT
  bool isText;
  std::int64_t integer = 0;
  std::string_view text;
};

// Binds the values to ?1, ?2, ... in order; false when the statement has fewer parameters.
bool BindParams(sqlite3_stmt* stmt, std::initializer_list<WriteParam> params);

// Runs one fixed statement with parameters ?1, ?2, ... bound in order; returns the number of
// rows changed, or -1 with error set.
long ExecuteWrite(sqlite3* db, const std::string& sql, std::initializer_list<WriteParam> params, std::string& error);

// sqlite3_step that waits out another connection's lock on a shared in-memory table (which the
// busy timeout does not cover) for a bounded time.
int StepWithRetry(sqlite3_stmt* stmt);

}  // namespace recordcache::detail
