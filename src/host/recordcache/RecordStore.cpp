#include "host/recordcache/RecordStore.h"

#include <sqlite3.h>

#include <array>
#include <chrono>
#include <thread>
#include <vector>

namespace recordcache::detail {
namespace {

// How long a step waits for another connection's table lock before giving up.
constexpr int kLockRetries = 2000;
constexpr std::chrono::milliseconds kLockPause{1};
constexpr int kBusyTimeoutMs = 5000;

struct Column {
  const char* name;
  const char* type;
};

// The order-shaped tables' columns, in the order InsertOrderRow binds them.
constexpr std::array<Column, 24> kOrderColumns{{
    {"lOurOrderNo", "INTEGER"},        {"dOrderNumber", "REAL"},      {"iOrvelCode", "INTEGER"},
    {"cOrvelClientId", "TEXT"},        {"cAccountnumber", "TEXT"},    {"cOrvelUserId", "TEXT"},
    {"lTotalVolRemaining", "INTEGER"}, {"lEntryDateTime", "INTEGER"}, {"iproclient", "INTEGER"},
    {"iOrderType", "INTEGER"},         {"iNoofLegs", "INTEGER"},      {"lLastModifiedTime", "INTEGER"},
    {"lIOMRuleNo", "INTEGER"},         {"iStrategyNo", "INTEGER"},    {"dSLPrice", "REAL"},
    {"dTargetPrice", "REAL"},          {"dSLTPrice", "REAL"},         {"lOurToken", "INTEGER"},
    {"lFillQuantity", "INTEGER"},      {"dFillPrice", "REAL"},        {"dResponseOrderNumber", "REAL"},
    {"iBuySell", "INTEGER"},           {"lSequenceNo", "INTEGER"},    {"packet", "BLOB"},
}};

constexpr std::array<Column, 5> kClientMapperColumns{{
    {"corveluserorinvestorid", "TEXT"},
    {"corvelclientid", "TEXT"},
    {"iOrderViewmodify", "INTEGER"},
    {"cInvestorName", "TEXT"},
    {"packet", "BLOB"},
}};

enum class Shape { Order, ClientMapper };

struct TableDef {
  const char* name;
  Shape shape;
};

struct StoreDef {
  Store store;
  const char* name;  // file stem and attach alias
  std::vector<TableDef> tables;
  std::vector<Store> attaches;
};

const std::vector<StoreDef>& Stores() {
  static const std::vector<StoreDef> defs{
      {Store::PendingOrders, "pendingorders", {{"PendingOrders", Shape::Order}}, {Store::ClientMapper}},
      {Store::PendingSpreadOrders, "pendingspreadorders", {{"PendingOrders", Shape::Order}}, {Store::ClientMapper}},
      {Store::OrderInfo, "orderinfo", {{"OrderInfo", Shape::Order}}, {Store::ClientMapper}},
      {Store::SpreadOrderInfo, "spreadorderinfo", {{"OrderInfo", Shape::Order}}, {Store::ClientMapper}},
      {Store::TradeInfo, "tradeinfo", {{"TradeInfo", Shape::Order}}, {Store::ClientMapper}},
      {Store::RmsRejection,
       "rmsrejection",
       {{"rmsrejection", Shape::Order}, {"rmsrejorderinfo", Shape::Order}},
       {Store::ClientMapper, Store::PendingOrders, Store::PendingSpreadOrders}},
      {Store::ClientMapper, "clientmapper", {{"clientmapper", Shape::ClientMapper}}, {}},
      {Store::ExchangeIobOrder, "exchangeioborder", {{"ExchangeIobOrder", Shape::Order}}, {}},
  };
  return defs;
}

const StoreDef& Def(Store store) {
  for (const StoreDef& d : Stores()) {
    if (d.store == store) return d;
  }
  return Stores().front();
}

class Statement final {
 public:
  Statement(sqlite3* db, const std::string& sql, std::string& error) {
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &m_stmt, nullptr) != SQLITE_OK) {
      error = sqlite3_errmsg(db);
      m_stmt = nullptr;
    }
  }
  ~Statement() { sqlite3_finalize(m_stmt); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  sqlite3_stmt* get() const { return m_stmt; }
  explicit operator bool() const { return m_stmt != nullptr; }

 private:
  sqlite3_stmt* m_stmt = nullptr;
};

bool Exec(sqlite3* db, const std::string& sql, std::string& error) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    error = message != nullptr ? message : sqlite3_errmsg(db);
    sqlite3_free(message);
    return false;
  }
  return true;
}

bool CreateTable(sqlite3* db, const std::string& schema, const TableDef& table, std::string& error) {
  std::string sql = "CREATE TABLE IF NOT EXISTS " + schema + "." + table.name + " (";
  auto addColumns = [&sql](const auto& columns) {
    bool first = true;
    for (const Column& c : columns) {
      if (!first) sql += ", ";
      first = false;
      sql += std::string(c.name) + " " + c.type;
    }
  };
  if (table.shape == Shape::Order) {
    addColumns(kOrderColumns);
  } else {
    addColumns(kClientMapperColumns);
  }
  sql += ");";
  const std::string prefix = "CREATE INDEX IF NOT EXISTS " + schema + ".ix_" + table.name;
  if (table.shape == Shape::Order) {
    sql += prefix + "_ourorder ON " + table.name + " (lOurOrderNo);";
    sql += prefix + "_ordernumber ON " + table.name + " (dOrderNumber);";
  } else {
    sql += prefix + "_dealer ON " + table.name + " (corvelclientid);";
  }
  return Exec(db, sql, error);
}

bool CreateTables(sqlite3* db, const std::string& schema, const StoreDef& def, std::string& error) {
  for (const TableDef& t : def.tables) {
    if (!CreateTable(db, schema, t, error)) return false;
  }
  return true;
}

std::string DatabaseName(const StoreDef& def, const Location& where) {
  if (where.inMemory) {
    return "file:orvrc" + std::to_string(where.generation) + "-" + def.name + "?mode=memory&cache=shared";
  }
  return (where.folder / (std::string(def.name) + ".db")).string();
}

bool Attach(sqlite3* db, const StoreDef& other, const Location& where, std::string& error) {
  Statement attach(db, std::string("ATTACH DATABASE ?1 AS ") + other.name, error);
  if (!attach) return false;
  const std::string file = DatabaseName(other, where);
  sqlite3_bind_text(attach.get(), 1, file.c_str(), static_cast<int>(file.size()), SQLITE_TRANSIENT);
  if (StepWithRetry(attach.get()) != SQLITE_DONE) {
    error = sqlite3_errmsg(db);
    return false;
  }
  return CreateTables(db, other.name, other, error);
}

void BindText(sqlite3_stmt* stmt, int index, const std::string& text) {
  sqlite3_bind_text(stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void BindBlob(sqlite3_stmt* stmt, int index, const std::vector<unsigned char>& bytes) {
  // An empty packet is still a (zero-length) blob, so a copy of it zero-fills rather than fails.
  sqlite3_bind_blob(stmt, index, bytes.empty() ? "" : static_cast<const void*>(bytes.data()),
                    static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
}

template <std::size_t N>
std::string InsertSql(const std::string& table, const std::array<Column, N>& columns) {
  std::string names;
  std::string marks;
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0) {
      names += ", ";
      marks += ", ";
    }
    names += columns[i].name;
    marks += '?';
    marks += std::to_string(i + 1);
  }
  return "INSERT INTO main." + table + " (" + names + ") VALUES (" + marks + ")";
}

}  // namespace

std::string_view StoreName(Store store) { return Def(store).name; }

std::vector<std::string> StoreTables(Store store) {
  std::vector<std::string> names;
  for (const TableDef& t : Def(store).tables) names.emplace_back(t.name);
  return names;
}

int StepWithRetry(sqlite3_stmt* stmt) {
  int rc = sqlite3_step(stmt);
  for (int i = 0; i < kLockRetries && (rc == SQLITE_LOCKED || rc == SQLITE_BUSY); ++i) {
    sqlite3_reset(stmt);
    std::this_thread::sleep_for(kLockPause);
    rc = sqlite3_step(stmt);
  }
  return rc;
}

sqlite3* OpenStore(Store store, const Location& where, std::string& error) {
  const StoreDef& def = Def(store);
  if (!where.inMemory) {
    std::error_code ec;
    std::filesystem::create_directories(where.folder, ec);
    if (ec) {
      error = "cannot create " + where.folder.string() + ": " + ec.message();
      return nullptr;
    }
  }
  sqlite3* db = nullptr;
  const std::string name = DatabaseName(def, where);
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI | SQLITE_OPEN_FULLMUTEX;
  if (sqlite3_open_v2(name.c_str(), &db, flags, nullptr) != SQLITE_OK) {
    error = db != nullptr ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    return nullptr;
  }
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  bool ok = CreateTables(db, "main", def, error);
  for (const Store other : def.attaches) {
    ok = ok && Attach(db, Def(other), where, error);
  }
  if (ok && store == Store::RmsRejection) {
    // A rejection counts as pending while either pending table (normal or spread) holds its order.
    ok = Exec(db,
              "CREATE TEMP VIEW IF NOT EXISTS PendingOrders AS "
              "SELECT * FROM pendingorders.PendingOrders UNION ALL "
              "SELECT * FROM pendingspreadorders.PendingOrders",
              error);
  }
  if (!ok) {
    sqlite3_close(db);
    return nullptr;
  }
  return db;
}

bool InsertOrderRow(sqlite3* db, std::string_view table, const OrderRecordRow& row, std::string& error) {
  Statement insert(db, InsertSql(std::string(table), kOrderColumns), error);
  if (!insert) return false;
  sqlite3_stmt* s = insert.get();
  int i = 0;
  sqlite3_bind_int64(s, ++i, row.lOurOrderNo);
  sqlite3_bind_double(s, ++i, row.dOrderNumber);
  sqlite3_bind_int(s, ++i, row.iOrvelCode);
  BindText(s, ++i, row.cOrvelClientId);
  BindText(s, ++i, row.cAccountnumber);
  BindText(s, ++i, row.cOrvelUserId);
  sqlite3_bind_int64(s, ++i, row.lTotalVolRemaining);
  sqlite3_bind_int64(s, ++i, row.lEntryDateTime);
  sqlite3_bind_int(s, ++i, row.iproclient);
  sqlite3_bind_int(s, ++i, row.iOrderType);
  sqlite3_bind_int(s, ++i, row.iNoofLegs);
  sqlite3_bind_int64(s, ++i, row.lLastModifiedTime);
  sqlite3_bind_int64(s, ++i, row.lIOMRuleNo);
  sqlite3_bind_int(s, ++i, row.iStrategyNo);
  sqlite3_bind_double(s, ++i, row.dSLPrice);
  sqlite3_bind_double(s, ++i, row.dTargetPrice);
  sqlite3_bind_double(s, ++i, row.dSLTPrice);
  sqlite3_bind_int64(s, ++i, row.lOurToken);
  sqlite3_bind_int64(s, ++i, row.lFillQuantity);
  sqlite3_bind_double(s, ++i, row.dFillPrice);
  sqlite3_bind_double(s, ++i, row.dResponseOrderNumber);
  sqlite3_bind_int(s, ++i, row.iBuySell);
  sqlite3_bind_int64(s, ++i, row.lSequenceNo);
  BindBlob(s, ++i, row.packet);
  if (static_cast<std::size_t>(i) != kOrderColumns.size()) {
    error = "order columns and bindings disagree";
    return false;
  }
  if (StepWithRetry(s) != SQLITE_DONE) {
    error = sqlite3_errmsg(db);
    return false;
  }
  return true;
}

bool InsertClientMapperRow(sqlite3* db, const ClientMapperRow& row, std::string& error) {
  Statement insert(db, InsertSql("clientmapper", kClientMapperColumns), error);
  if (!insert) return false;
  sqlite3_stmt* s = insert.get();
  BindText(s, 1, row.corveluserorinvestorid);
  BindText(s, 2, row.corvelclientid);
  sqlite3_bind_int(s, 3, row.iOrderViewmodify);
  BindText(s, 4, row.cInvestorName);
  BindBlob(s, 5, row.packet);
  if (StepWithRetry(s) != SQLITE_DONE) {
    error = sqlite3_errmsg(db);
    return false;
  }
  return true;
}

bool BindParams(sqlite3_stmt* stmt, std::initializer_list<WriteParam> params) {
  int index = 0;
  for (const WriteParam& p : params) {
    ++index;
    const int rc = p.isText ? sqlite3_bind_text(stmt, index, p.text.data(), static_cast<int>(p.text.size()),
                                                SQLITE_TRANSIENT)
                            : sqlite3_bind_int64(stmt, index, p.integer);
    if (rc != SQLITE_OK) return false;
  }
  return true;
}

long ExecuteWrite(sqlite3* db, const std::string& sql, std::initializer_list<WriteParam> params, std::string& error) {
  Statement write(db, sql, error);
  if (!write) return -1;
  if (!BindParams(write.get(), params)) {
    error = sqlite3_errmsg(db);
    return -1;
  }
  if (StepWithRetry(write.get()) != SQLITE_DONE) {
    error = sqlite3_errmsg(db);
    return -1;
  }
  return sqlite3_changes(db);
}

}  // namespace recordcache::detail
