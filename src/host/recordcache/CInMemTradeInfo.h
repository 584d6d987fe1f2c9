#pragma once
// Trades (table TradeInfo; joins clientmapper).
#include "host/recordcache/OrderTable.h"

class CInMemTradeInfo final : public OrderTable {
 public:
  // The one shared object of this table.
  static CInMemTradeInfo* getClass();

 private:
  CInMemTradeInfo();
};
