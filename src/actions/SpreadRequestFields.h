#pragma once
// The fields of a spread order request that cancellation reads and sets beyond those the packet
// type names. The head of the spread packet follows the order-entry packet (book-type letter,
// exchange order number, quantity, flags, client text and own order number at the same offsets);
// the second leg keeps its token, side and open/close marker further on. Offsets are bytes into
// the 926-byte packet, little-endian.
#include "host/records/OrderEntryPacket.h"

#include <cstdint>
#include <string_view>

namespace SpreadRequestFields {

inline constexpr std::size_t kBookTypeLetter = 42;    // 8-bit, 'B'
inline constexpr std::size_t kExchangeOrderNo = 64;   // double
inline constexpr std::size_t kBookType = 100;         // 16-bit: 1 regular lot ... 4 negotiated (NT)
inline constexpr std::size_t kQuantity = 110;         // 32-bit
inline constexpr std::size_t kFlags = 150;            // 16-bit
inline constexpr std::size_t kClientId = 220;         // text
inline constexpr std::size_t kClientIdWidth = 13;
inline constexpr std::size_t kLeg1OpenClose = 250;    // 8-bit, 'O'
inline constexpr std::size_t kLeg2Token = 300;        // 32-bit
inline constexpr std::size_t kLeg2BuySell = 344;      // 16-bit, 1 buy, otherwise sell
inline constexpr std::size_t kLeg2OpenClose = 350;    // 8-bit, 'O'
inline constexpr std::size_t kOurOrderNo = 502;       // unsigned 32-bit

inline double ExchangeOrderNo(const ORVEL_SPREAD_OE_REQUEST& r) { return r.get<double>(kExchangeOrderNo); }
inline std::int16_t BookType(const ORVEL_SPREAD_OE_REQUEST& r) { return r.get<std::int16_t>(kBookType); }
inline std::int32_t Quantity(const ORVEL_SPREAD_OE_REQUEST& r) { return r.get<std::int32_t>(kQuantity); }
inline std::uint16_t Flags(const ORVEL_SPREAD_OE_REQUEST& r) { return r.get<std::uint16_t>(kFlags); }
inline std::string_view ClientId(const ORVEL_SPREAD_OE_REQUEST& r) { return r.text(kClientId, kClientIdWidth); }
inline std::int32_t Leg2Token(const ORVEL_SPREAD_OE_REQUEST& r) { return r.get<std::int32_t>(kLeg2Token); }
inline std::int16_t Leg2BuySell(const ORVEL_SPREAD_OE_REQUEST& r) { return r.get<std::int16_t>(kLeg2BuySell); }
inline std::uint32_t OurOrderNo(const ORVEL_SPREAD_OE_REQUEST& r) { return r.get<std::uint32_t>(kOurOrderNo); }

}  // namespace SpreadRequestFields
