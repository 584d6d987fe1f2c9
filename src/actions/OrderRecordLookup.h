#pragma once
// Finding an order's entry packet in the record cache by its exchange order number: the pending
// order of a normal order (or, while the host handles an entry not yet confirmed, its order
// information), and the pending record of a spread order. Every query is closed and its table
// released before returning; failures throw and are the caller's to log.
#include "host/records/OrderEntryPacket.h"

#include <cstdint>
#include <functional>
#include <string>

namespace OrderRecordLookup {

// Writes one line to a log named by the source.
using LogLine = std::function<void(const char* source, const std::string& text)>;

inline constexpr const char* kDuplicationLine = "Duplication in Order Number - PendingOrders";
inline constexpr const char* kDuplicationSource = "ZARUClientGeneralLogs";

// 1 with `out` filled when the order was found. `lOurOrderNo` narrows the search (0: any).
// Pending orders must be unique: two rows answering one number are logged and found nowhere.
int FindOrder(double orderNumber, ORVEL_ORDER_ENTRY* out, std::uint32_t lOurOrderNo, bool unconfirmedEntry,
              const LogLine& log);

// 1 with `out` filled from the first pending spread row of the number.
int FindSpreadOrder(double orderNumber, ORVEL_SPREAD_OE_REQUEST* out);

}  // namespace OrderRecordLookup
