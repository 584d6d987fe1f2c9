#pragma once
// Orders linked to the interactive order book (table ExchangeIobOrder).
#include "host/recordcache/OrderTable.h"

class CInMemExchangeIobOrder final : public OrderTable {
 public:
  // The one shared object of this table.
  static CInMemExchangeIobOrder* getClass();

 private:
  CInMemExchangeIobOrder();
};
