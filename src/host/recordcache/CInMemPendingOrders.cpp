#include "host/recordcache/CInMemPendingOrders.h"

CInMemPendingOrders::CInMemPendingOrders() : OrderTable(recordcache::detail::Store::PendingOrders, "PendingOrders") {}

CInMemPendingOrders* CInMemPendingOrders::getClass() {
  static CInMemPendingOrders table;
  return &table;
}
