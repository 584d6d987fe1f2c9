#pragma once
// Which investors' orders a dealer may view or modify (table clientmapper), joined by the
// pending-order and trade queries.
#include "host/recordcache/RecordRows.h"
#include "host/recordcache/RecordTable.h"

#include <string_view>

class CInMemClientMapper final : public RecordTable {
 public:
  static CInMemClientMapper* getClass();

  bool Insert(const ClientMapperRow& row);
  // Rows removed, or -1 on an error.
  long DeleteMapping(std::string_view investorId, std::string_view dealerId);

 private:
  CInMemClientMapper();
};
