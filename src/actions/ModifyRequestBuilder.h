#pragma once
// How a change the user made to one order carries over to another listed order: which orders it
// fits, the request built from the other order's record, the price limits of an IOB rule, and
// the fields taken from the changed packet. Offsets are bytes into the packets, little-endian.
#include "host/AppIOB.h"
#include "host/records/OrderBookDetails.h"
#include "host/records/OrderEntryPacket.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace ModifyRequestBuilder {

// The changed packet as bytes, as long as the longer (spread) packet and zero beyond what the
// host's packet held, so neither packet kind is ever read past its end.
struct ChangedPacket : PacketBytes<ORVEL_SPREAD_OE_REQUEST::kSize> {
  ChangedPacket(const unsigned char* packet, std::size_t size);
  std::int16_t side() const { return get<std::int16_t>(ORVEL_ORDER_ENTRY::kBuySell); }
  std::int32_t normalToken() const { return get<std::int32_t>(ORVEL_ORDER_ENTRY::kToken); }
  std::int32_t spreadToken() const { return get<std::int32_t>(ORVEL_SPREAD_OE_REQUEST::kToken); }
  std::int16_t attribute() const { return get<std::int16_t>(ORVEL_ORDER_ENTRY::kOrderAttribute); }
  double price() const { return get<double>(ORVEL_ORDER_ENTRY::kPrice); }
  double spreadPrice() const { return get<double>(ORVEL_SPREAD_OE_REQUEST::kPrice); }
  std::uint32_t ourOrderNo() const { return get<std::uint32_t>(ORVEL_ORDER_ENTRY::kOurOrderNo); }
};

// 1 for "BUY", 2 for "SELL", 0 for anything else.
std::int16_t SideOf(const OrderBookDetails& record);
// A spread order: one of the spread transaction codes, or a row of the spread kind.
bool IsSpreadOrder(const OrderBookDetails& record);
// Same side, same contract and the same order attribute (offset 94) as the changed packet.
bool FitsNormal(const OrderBookDetails& record, const ChangedPacket& changed);
bool FitsSpread(const OrderBookDetails& first, const ChangedPacket& changed);

// The other order's request with the change applied: the head of the packet (transaction code,
// dealer and the fields up to offset 36), price, trigger price, flags and quantity. A disclosed
// quantity above the new quantity comes down to it; exchanges that identify an order by their
// own id text get it cleared.
ORVEL_ORDER_ENTRY ApplyNormal(const ORVEL_ORDER_ENTRY& recordPacket, const ChangedPacket& changed);
// The spread request of a listed spread order from its (second) record: the record's packet,
// never more, with its token, IOB rule, pending and traded quantities from the record's fields;
// then the change applied.
ORVEL_SPREAD_OE_REQUEST BuildSpread(const OrderBookDetails& record);
void ApplySpread(ORVEL_SPREAD_OE_REQUEST& request, const ChangedPacket& changed);

// The text of a broken IOB price limit, or nothing when the new price keeps the rule's limits
// (or the rule skips them). `ourOrderNo` is the listed order's own number.
std::optional<std::string> NormalLimitError(const IOBRuleDetails& rule, std::int16_t side, double price,
                                            std::uint32_t ourOrderNo);
std::optional<std::string> SpreadLimitError(const IOBRuleDetails& rule, std::int16_t requestSide,
                                            double spreadPrice);

}  // namespace ModifyRequestBuilder
