#pragma once
// The audit lines of cancels sent on another dealer's behalf, written to the "OrderRequest" log.
// Every text that comes from a packet or the contract master is appended as text, never used as
// a format.
#include "host/records/OrderEntryPacket.h"

#include <cstdint>
#include <string>
#include <string_view>

class CScriptDesc;

namespace CancelAuditLog {

inline constexpr const char* kSource = "OrderRequest";

// "[symbol instrument]" for equity and anything else, "[symbol instrument expiry]" for futures
// ("F") and "[symbol instrument expiry strike option]" for options ("O"); empty when there is no
// contract master or the token is not in it.
std::string ContractText(const CScriptDesc* master, std::int32_t token);

// The line of a normal order: the header, then client, side, contract, quantity, price, the
// exchange's order number and ours.
std::string OrderLine(std::string_view header, const ORVEL_ORDER_ENTRY& request, const CScriptDesc* master);

// The line of a spread order, header included.
std::string SpreadLine(const ORVEL_SPREAD_OE_REQUEST& request, std::string_view loggedInDealer,
                       const CScriptDesc* master);

}  // namespace CancelAuditLog
