// Whether an order is a spread (multi-leg) order, asked of the record cache once per order.
#include "view/OrderBookGrid.h"

#include "host/AppGlobal.h"
#include "host/recordcache/CInMemPendingSpreadOrders.h"
#include "host/recordcache/CInMemSpreadOrderInfo.h"
#include "host/recordcache/CInMemTradeInfo.h"
#include "view/ExceptionLog.h"

#include <stdexcept>

namespace {

// Transaction codes of the spread and multi-leg entries of the spread order table.
constexpr const char* kSpreadOrderQuery =
    "Select * From OrderInfo Where lOurOrderNo = ?1 and iOrvelcode in (5700,5701,5724,5718,5719,5736,5706,5707,"
    "5730,5754,5727,5733,5526,5702,5703,5725,5731,5755,5741,5704,5705,5726,5732,5756,5523,5524)";
constexpr const char* kPendingSpreadQuery =
    "Select * From PendingOrders Where iOrvelcode in (5724,5736,5725,5726) and lOurOrderNo = ?1";

// Rows of a bound query; throws when it did not run, so that no kind is decided on a failure.
long RowsOf(RecordTable* table, const char* sql, std::int64_t refNo) {
  if (!table) throw std::runtime_error("no record table");
  const QueryResult answer = table->Query(sql, {refNo});
  if (!answer.Ok()) throw std::runtime_error(answer.Error());
  return answer.RowCount();
}

}  // namespace

std::int16_t OrderBookGrid::GetOrderTypeInfo(std::uint32_t refNo) {
  try {
    if (const auto cached = m_mapOrderKind.find(refNo); cached != m_mapOrderKind.end()) return cached->second;
    const std::int64_t key = refNo;
    std::int16_t kind = 0;
    const long sides = RowsOf(CInMemTradeInfo::getClass(), "Select distinct(iBuySell) From TradeInfo Where lOurOrderNo = ?1", key);
    if (sides >= 2) kind = 1;
    else if (sides == 0)
      kind = RowsOf(CInMemSpreadOrderInfo::getClass(), kSpreadOrderQuery, key) > 0 ||
                     RowsOf(CInMemPendingSpreadOrders::getClass(), kPendingSpreadQuery, key) > 0
                 ? 1
                 : 0;
    m_mapOrderKind.emplace(refNo, kind);
    return kind;
  } catch (...) {
    // Not cached: the next call asks again.
    if (AppGlobal::pWriteInLogFile)
      AppGlobal::pWriteInLogFile(kExceptionLogSource, "Exception in GetOrderTypeInfo - PendingOrders");
    return 0;
  }
}
