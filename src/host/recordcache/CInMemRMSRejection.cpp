#include "host/recordcache/CInMemRMSRejection.h"

CInMemRMSRejection::CInMemRMSRejection() : RecordTable(recordcache::detail::Store::RmsRejection) {}

CInMemRMSRejection* CInMemRMSRejection::getClass() {
  static CInMemRMSRejection table;
  return &table;
}

bool CInMemRMSRejection::InsertRejection(const OrderRecordRow& row) {
  return Write([&](sqlite3* db, std::string& error) {
    return recordcache::detail::InsertOrderRow(db, "rmsrejection", row, error);
  });
}

bool CInMemRMSRejection::InsertRejectedOrderInfo(const OrderRecordRow& row) {
  return Write([&](sqlite3* db, std::string& error) {
    return recordcache::detail::InsertOrderRow(db, "rmsrejorderinfo", row, error);
  });
}

long CInMemRMSRejection::DeleteByOurOrderNo(std::int64_t lOurOrderNo) {
  const long a = WriteCount("DELETE FROM main.rmsrejection WHERE lOurOrderNo = ?1", {lOurOrderNo});
  const long b = WriteCount("DELETE FROM main.rmsrejorderinfo WHERE lOurOrderNo = ?1", {lOurOrderNo});
  return a < 0 || b < 0 ? -1 : a + b;
}
