#pragma once
// Walks over a whole book (a select-all, a cancel of every row) read a few fields of each record,
// and each record is a cache miss. Asking for the next records' lines some rows ahead lets those
// misses overlap instead of queuing behind the loop's branches on the fields just read.
#include "host/records/OrderBookDetails.h"

#include <cstddef>

namespace RecordPrefetch {

inline constexpr std::size_t kRowsAhead = 16;

// The lines of the status, the key, the transaction code and the status text.
inline void WalkFields(const OrderBookDetails* record) {
  if (!record) return;
  __builtin_prefetch(&record->eOrderStatus);
  __builtin_prefetch(&record->Order_Status);
}

// The two lines every refresh's filters read (the fields right after the order packet).
inline void FilterFields(const OrderBookDetails* record) {
  if (!record) return;
  __builtin_prefetch(&record->eOrderLeg);
  __builtin_prefetch(&record->Order_Type);
}

// The lines a cancel reads to build an order's entry: its order number text and the bracket
// fields of its entry packet.
inline void EntryFields(const OrderBookDetails* record) {
  if (!record) return;
  __builtin_prefetch(&record->ExchOrder_No);
  __builtin_prefetch(record->objOrderEntry.data() + ORVEL_ORDER_ENTRY::kIobRuleNo);
  __builtin_prefetch(record->objOrderEntry.data() + ORVEL_ORDER_ENTRY::kField640);
}

}  // namespace RecordPrefetch
