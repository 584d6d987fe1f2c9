#pragma once
// Risk-management rejections (table rmsrejection) and the order details of the rejected orders
// (table rmsrejorderinfo), matched on lSequenceNo. Its queries subselect PendingOrders, which here
// means the orders of both pending tables, normal and spread.
#include "host/recordcache/RecordRows.h"
#include "host/recordcache/RecordTable.h"

#include <cstdint>

class CInMemRMSRejection final : public RecordTable {
 public:
  static CInMemRMSRejection* getClass();

  bool InsertRejection(const OrderRecordRow& row);
  bool InsertRejectedOrderInfo(const OrderRecordRow& row);
  // Rows removed from both tables, or -1 on an error.
  long DeleteByOurOrderNo(std::int64_t lOurOrderNo);

 private:
  CInMemRMSRejection();
};
