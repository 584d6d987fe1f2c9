#include "host/recordcache/CInMemPendingSpreadOrders.h"

CInMemPendingSpreadOrders::CInMemPendingSpreadOrders()
    : OrderTable(recordcache::detail::Store::PendingSpreadOrders, "PendingOrders") {}

CInMemPendingSpreadOrders* CInMemPendingSpreadOrders::getClass() {
  static CInMemPendingSpreadOrders table;
  return &table;
}
