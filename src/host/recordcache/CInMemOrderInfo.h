#pragma once
// Every order-information message of normal orders (table OrderInfo).
#include "host/recordcache/OrderTable.h"

class CInMemOrderInfo final : public OrderTable {
 public:
  // The one shared object of this table.
  static CInMemOrderInfo* getClass();

 private:
  CInMemOrderInfo();
};
