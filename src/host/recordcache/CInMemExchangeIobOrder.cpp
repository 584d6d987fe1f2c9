#include "host/recordcache/CInMemExchangeIobOrder.h"

CInMemExchangeIobOrder::CInMemExchangeIobOrder()
    : OrderTable(recordcache::detail::Store::ExchangeIobOrder, "ExchangeIobOrder") {}

CInMemExchangeIobOrder* CInMemExchangeIobOrder::getClass() {
  static CInMemExchangeIobOrder table;
  return &table;
}
