#pragma once
// A record-cache table object whose database holds one order-shaped table.
#include "host/recordcache/RecordRows.h"
#include "host/recordcache/RecordTable.h"

#include <cstdint>
#include <string>

class OrderTable : public RecordTable {
 public:
  bool Insert(const OrderRecordRow& row);
  // Rows removed, or -1 on an error.
  long DeleteByOurOrderNo(std::int64_t lOurOrderNo);

 protected:
  OrderTable(recordcache::detail::Store store, std::string table);

 private:
  const std::string m_table;
};
