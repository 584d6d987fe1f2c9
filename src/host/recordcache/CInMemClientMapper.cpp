#include "host/recordcache/CInMemClientMapper.h"

CInMemClientMapper::CInMemClientMapper() : RecordTable(recordcache::detail::Store::ClientMapper) {}

CInMemClientMapper* CInMemClientMapper::getClass() {
  static CInMemClientMapper table;
  return &table;
}

bool CInMemClientMapper::Insert(const ClientMapperRow& row) {
  return Write(
      [&](sqlite3* db, std::string& error) { return recordcache::detail::InsertClientMapperRow(db, row, error); });
}

long CInMemClientMapper::DeleteMapping(std::string_view investorId, std::string_view dealerId) {
  return WriteCount("DELETE FROM main.clientmapper WHERE corveluserorinvestorid = ?1 AND corvelclientid = ?2",
                    {investorId, dealerId});
}
