#include "scenario/OrderLookup.h"

#include "host/AppOrderBook.h"
#include "scenario/StepArgs.h"

#include <string>

namespace orv::scenario {

std::vector<OrderBookDetails*> FindOrders(BookKind kind, const nlohmann::json& item) {
  const auto refIt = item.find("RefNo");
  if (refIt == item.end()) StepArgs::Fail("an order is addressed by its \"RefNo\"");
  const auto refNo = StepArgs::ToIntIn<std::uint32_t>(*refIt, "RefNo");
  int leg = -1;
  if (const auto it = item.find("leg"); it != item.end()) leg = StepArgs::ToBool(*it, "leg") ? 1 : 0;
  std::int64_t legNo = 0;
  if (const auto it = item.find("legNo"); it != item.end()) {
    legNo = StepArgs::ToInt(*it, "legNo");
    if (legNo < 1) StepArgs::Fail("\"legNo\" counts leg rows from 1");
    leg = 1;
  }
  std::vector<OrderBookDetails*> rows;
  std::int64_t legsSeen = 0;
  for (OrderBookDetails* r : AppOrderBook::Book(kind).vctAll) {
    if (r->RefNo != refNo) continue;
    if (leg >= 0 && r->IsLegRow() != (leg == 1)) continue;
    if (legNo > 0 && ++legsSeen != legNo) continue;
    rows.push_back(r);
  }
  if (rows.empty()) {
    std::string which = leg < 0 ? "" : leg == 0 ? " (order row)" : " (leg row)";
    if (legNo > 0) which = " (leg row " + std::to_string(legNo) + ")";
    StepArgs::Fail("no order with RefNo " + std::to_string(refNo) + which + " in the book");
  }
  return rows;
}

nlohmann::json DescribeRow(const OrderBookDetails& record) {
  nlohmann::json row{{"RefNo", record.RefNo}};
  if (record.IsLegRow()) row["leg"] = true;
  return row;
}

}  // namespace orv::scenario
