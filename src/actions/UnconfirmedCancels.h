#pragma once
// Cancelling orders the exchange has not confirmed yet: the host still holds their entries in the
// order-information tables, so the cancel is raised locally from that entry, unless the exchange
// has answered for the order since (then the exchange's own flow decides and a line is logged).
// Every value reaches SQLite as a bound parameter.
#include "actions/OrderRecordLookup.h"
#include "host/HostLibraries.h"
#include "host/records/OrderBookDetails.h"

#include <cstdint>
#include <string>
#include <vector>

namespace UnconfirmedCancels {

inline constexpr const char* kProcessedLine = "Order is processed by Exchange";
inline constexpr const char* kProcessedSource = "ZARUClientGeneralLogs";

// Who asks: user type 0 (a dealer) sees only its own entries, or those of its account number.
struct Requester {
  std::int16_t nUserType = -1;
  std::string cDealerId;
  bool bAccountNumber = false;
  static Requester FromLogin();
};

// Raises the local cancel of every un-confirmed order among `rows` (each own order number once);
// returns how many cancels went to `send`. Without a sender nothing is sent.
int Run(const std::vector<const OrderBookDetails*>& rows, const Requester& requester, SendCOCOrderExeFn send,
        const OrderRecordLookup::LogLine& log);

}  // namespace UnconfirmedCancels
