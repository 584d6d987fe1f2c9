#pragma once
// Counts over one book of the order store, for tests, benchmarks and the demo apps' banners.
#include "host/OrderBookTypes.h"

#include <map>
#include <string>

namespace orv::demo {

struct BookSummary {
  std::map<std::string, int> byStatus;    // status text of eOrderStatus -> rows
  std::map<std::string, int> byExchange;  // contract exchange name, "(none)" without contract -> rows
  int rows = 0;
  int spreadOrders = 0;  // spread orders (their order rows; legs not counted)
};

// Walks the book's all-orders vector once; every row counts, leg rows included.
BookSummary Summarise(BookKind kind);

}  // namespace orv::demo
