#include "host/recordcache/CInMemTradeInfo.h"

CInMemTradeInfo::CInMemTradeInfo() : OrderTable(recordcache::detail::Store::TradeInfo, "TradeInfo") {}

CInMemTradeInfo* CInMemTradeInfo::getClass() {
  static CInMemTradeInfo table;
  return &table;
}
