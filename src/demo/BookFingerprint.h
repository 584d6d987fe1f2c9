#pragma once
// A 64-bit digest of every field of every row of a book, in store order, so that two books can
// be compared in one number ("same seed, same book"). Padding bytes never take part, and a
// contract counts by its token, not by its address.
#include "host/OrderBookTypes.h"
#include "host/records/OrderBookDetails.h"

#include <cstdint>

namespace orv::demo {

std::uint64_t FingerprintRow(const OrderBookDetails& row);
std::uint64_t FingerprintBook(BookKind kind);

}  // namespace orv::demo
