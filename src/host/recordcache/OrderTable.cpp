#include "host/recordcache/OrderTable.h"

OrderTable::OrderTable(recordcache::detail::Store store, std::string table)
    : RecordTable(store), m_table(std::move(table)) {}

bool OrderTable::Insert(const OrderRecordRow& row) {
  return Write(
      [&](sqlite3* db, std::string& error) { return recordcache::detail::InsertOrderRow(db, m_table, row, error); });
}

long OrderTable::DeleteByOurOrderNo(std::int64_t lOurOrderNo) {
  return WriteCount("DELETE FROM main." + m_table + " WHERE lOurOrderNo = ?1", {lOurOrderNo});
}
