#include "host/recordcache/CInMemOrderInfo.h"

CInMemOrderInfo::CInMemOrderInfo() : OrderTable(recordcache::detail::Store::OrderInfo, "OrderInfo") {}

CInMemOrderInfo* CInMemOrderInfo::getClass() {
  static CInMemOrderInfo table;
  return &table;
}
