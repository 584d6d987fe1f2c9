#include "host/recordcache/CInMemSpreadOrderInfo.h"

CInMemSpreadOrderInfo::CInMemSpreadOrderInfo() : OrderTable(recordcache::detail::Store::SpreadOrderInfo, "OrderInfo") {}

CInMemSpreadOrderInfo* CInMemSpreadOrderInfo::getClass() {
  static CInMemSpreadOrderInfo table;
  return &table;
}
