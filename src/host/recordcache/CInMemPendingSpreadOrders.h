#pragma once
// Spread orders still working (its own table named PendingOrders; joins clientmapper).
#include "host/recordcache/OrderTable.h"

class CInMemPendingSpreadOrders final : public OrderTable {
 public:
  // The one shared object of this table.
  static CInMemPendingSpreadOrders* getClass();

 private:
  CInMemPendingSpreadOrders();
};
