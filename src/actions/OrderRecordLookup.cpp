#include "actions/OrderRecordLookup.h"

#include "host/recordcache/CInMemOrderInfo.h"
#include "host/recordcache/CInMemPendingOrders.h"
#include "host/recordcache/QueryScope.h"
#include "host/recordcache/SqlText.h"

namespace OrderRecordLookup {

int FindOrder(double orderNumber, ORVEL_ORDER_ENTRY* out, std::uint32_t lOurOrderNo, bool unconfirmedEntry,
              const LogLine& log) {
  if (!out) return 0;
  if (unconfirmedEntry) {
    CInMemOrderInfo& info = *CInMemOrderInfo::getClass();
    QueryScope scope(info);
    const std::string sql =
        lOurOrderNo != 0
            ? SqlText::Format("Select * from OrderInfo where dOrderNumber=%.0f and lOurOrderNo = %u", orderNumber,
                              lOurOrderNo)
            : SqlText::Format("Select * from OrderInfo where dOrderNumber=%.0f", orderNumber);
    if (info.ExecuteQuery(sql) <= 0) return 0;
    return info.GetFirstRow(out->data(), ORVEL_ORDER_ENTRY::kSize) ? 1 : 0;
  }

  CInMemPendingOrders& pending = *CInMemPendingOrders::getClass();
  QueryScope scope(pending);
  const std::string sql =
      lOurOrderNo != 0
          ? SqlText::Format(
                "Select * from PendingOrders where PendingOrders.dOrderNumber=%.0f and lOurOrderNo = %u and iNoofLegs < 1",
                orderNumber, lOurOrderNo)
          : SqlText::Format("Select * from PendingOrders where PendingOrders.dOrderNumber=%.0f and iNoofLegs < 1",
                            orderNumber);
  const long rows = pending.ExecuteQuery(sql);
  if (rows > 1) {
    if (log) log(kDuplicationSource, kDuplicationLine);
    return 0;
  }
  if (rows <= 0) return 0;
  return pending.GetFirstRow(out->data(), ORVEL_ORDER_ENTRY::kSize) ? 1 : 0;
}

int FindSpreadOrder(double orderNumber, ORVEL_SPREAD_OE_REQUEST* out) {
  if (!out) return 0;
  CInMemPendingOrders& pending = *CInMemPendingOrders::getClass();
  QueryScope scope(pending);
  const long rows = pending.ExecuteQuery(SqlText::Format(
      "Select * from PendingOrders where PendingOrders.dOrderNumber=%.0f and iNoofLegs > 0", orderNumber));
  if (rows <= 0) return 0;
  return pending.GetFirstRow(out->data(), ORVEL_SPREAD_OE_REQUEST::kSize) ? 1 : 0;
}

}  // namespace OrderRecordLookup
