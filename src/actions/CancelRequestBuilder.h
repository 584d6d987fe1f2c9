#pragma once
// The cancel requests a window hands to the host's order sender: the order-entry packet of a
// normal order turned into its cancel request, the spread order's request likewise, and the
// header of the audit line written when a dealer cancels another dealer's order.
#include "host/records/OrderEntryPacket.h"

#include <cstdint>
#include <string>
#include <string_view>

// Who sends the cancel: the logged-in user's type (0 dealer, 1 administrator, 3 mini
// administrator; -1 without a login) and dealer id.
struct CancelRequester {
  std::int16_t nUserType = -1;
  std::string cDealerId;

  // From the host's login response; an empty requester when there is none.
  static CancelRequester FromLogin();
  bool IsDealer() const { return nUserType == 0; }
};

namespace CancelRequestBuilder {

inline constexpr std::int16_t kCancelCode = 5508;
inline constexpr std::int16_t kUnconfirmedCancelCode = 5529;
inline constexpr std::int16_t kSpreadCancelCode = 5706;
inline constexpr std::int32_t kUnconfirmedEntryCode = 5520;

inline constexpr std::uint16_t kFlagAlways = 0x0200;
inline constexpr std::uint16_t kFlagMarketNotOpen = 0x2000;
inline constexpr std::uint16_t kFlagZeroPrice = 0x0040;

// Exchange code (token / 100,000,000) and market code (token / 1,000,000) of a token.
inline std::int32_t ExchangeOf(std::int32_t token) { return token / 100000000; }
inline std::int32_t MarketCodeOf(std::int32_t token) { return token / 1000000; }

// The cancel request of an order, built from the order-entry packet its record starts with.
// `unconfirmedEntry`: the order's entry is not yet confirmed (the host's current transaction code
// is 5520), which asks for the un-confirmed cancel code. The market states are read from the host.
ORVEL_ORDER_ENTRY BuildCancelRequest(const ORVEL_ORDER_ENTRY& order, const CancelRequester& requester,
                                     bool unconfirmedEntry);

// The audit header of a built request: set only when a dealer cancels a client order (field 234
// reads 1) of another dealer; empty otherwise.
std::string AuditHeader(const ORVEL_ORDER_ENTRY& request, const CancelRequester& requester);

struct SpreadCancel {
  ORVEL_SPREAD_OE_REQUEST request;
  bool bOnOtherDealersBehalf = false;  // the audit line is due
};
// The spread order's cancel request from the spread record. A dealer keeps the record's dealer id
// when it names another dealer (and the audit line becomes due); everyone else sends under their
// own id.
SpreadCancel BuildSpreadCancelRequest(const ORVEL_SPREAD_OE_REQUEST& record, const CancelRequester& requester);

// What the user is told when a spread order may not be cancelled now; empty when it may.
// Negotiated-trade orders (book type 4) never may; NSE equity, derivative and OFS orders only
// while the normal market is open.
std::string SpreadCancelRefusal(const ORVEL_SPREAD_OE_REQUEST& record, double orderNumber);

}  // namespace CancelRequestBuilder
