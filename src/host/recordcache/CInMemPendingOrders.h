#pragma once
// Orders still working at an exchange (table PendingOrders; joins clientmapper).
#include "host/recordcache/OrderTable.h"

class CInMemPendingOrders final : public OrderTable {
 public:
  // The one shared object of this table.
  static CInMemPendingOrders* getClass();

 private:
  CInMemPendingOrders();
};
