#pragma once
// Order-information messages of spread orders (its own table named OrderInfo).
#include "host/recordcache/OrderTable.h"

class CInMemSpreadOrderInfo final : public OrderTable {
 public:
  // The one shared object of this table.
  static CInMemSpreadOrderInfo* getClass();

 private:
  CInMemSpreadOrderInfo();
};
