#include "demo/BookSummary.h"

#include "demo/DemoText.h"
#include "host/AppOrderBook.h"
#include "host/OrvEnumsMethods.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace orv::demo {

BookSummary Summarise(BookKind kind) {
  // Count into small tables first, so a million rows cost no string work per row.
  constexpr std::size_t kStatuses = 6;
  std::array<int, kStatuses + 1> statusCounts{};  // the last slot: a code outside the enumeration
  std::vector<std::pair<std::string_view, int>> exchangeCounts;
  int contractless = 0;

  BookSummary summary;
  for (const OrderBookDetails* row : AppOrderBook::Book(kind).vctAll) {
    if (!row) continue;
    ++summary.rows;
    const auto code = static_cast<std::size_t>(row->eOrderStatus);
    ++statusCounts[code < kStatuses ? code : kStatuses];
    if (row->eOrderLeg == eSpreadLeg && !row->IsLegRow()) ++summary.spreadOrders;
    if (!row->pContract) {
      ++contractless;
      continue;
    }
    const std::string_view exchange = FieldView(row->pContract->cExchangeName);
    auto it = exchangeCounts.begin();
    while (it != exchangeCounts.end() && it->first != exchange) ++it;
    if (it == exchangeCounts.end())
      exchangeCounts.emplace_back(exchange, 1);
    else
      ++it->second;
  }

  for (std::size_t code = 0; code <= kStatuses; ++code) {
    if (statusCounts[code] == 0) continue;
    const std::string_view text =
        code < kStatuses ? OrvEnumsMethods::GetOrderStatus(static_cast<OrderStatusIdentifier>(code)) : "";
    summary.byStatus[std::string(text)] += statusCounts[code];
  }
  for (const auto& [exchange, count] : exchangeCounts) summary.byExchange[std::string(exchange)] += count;
  if (contractless) summary.byExchange["(none)"] += contractless;
  return summary;
}

}  // namespace orv::demo
