#pragma once
// What a window collects for its own cancel pass: one entry per grid row, with the order's entry
// packet as the window found it, and the order numbers it hands back to itself (message 102).
#include "host/platform/Types.h"
#include "host/records/OrderEntryPacket.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>

struct CancelOrdersList {
  std::int16_t iTransactionCode = 0;
  std::int32_t nRow = 0;
  double dOrderNumber = 0.0;
  ORVEL_ORDER_ENTRY objOrderEntry;
};

// The window posts this to itself once per collected order it hands back to the host's sender.
inline constexpr unsigned kCancelHandBackMessage = 102;

// Transaction codes of spread orders: their cancels go through the spread cancel.
inline bool IsSpreadTransactionCode(std::int32_t code) { return (code >= 5724 && code <= 5726) || code == 5736; }

// The message 102 of a window carries the address of an order number the window allocated. The
// window keeps owning it until the message is handled, so a message still queued when the window
// goes frees nothing twice and leaks nothing, and an address the window never gave out is ignored.
class CancelHandBacks final {
 public:
  // Allocates the order number of `entry`; the address goes into the message.
  orv::platform::WPARAM Hand(const CancelOrdersList& entry);
  // The entry of an address handed out and not yet taken; the value is freed.
  std::optional<CancelOrdersList> Take(orv::platform::WPARAM address);
  // The order number an address holds, null when the address is not one of ours.
  const double* Find(orv::platform::WPARAM address) const;
  std::size_t Size() const { return m_owned.size(); }

 private:
  struct Owned {
    std::unique_ptr<double> number;
    CancelOrdersList entry;
  };
  std::unordered_map<orv::platform::WPARAM, Owned> m_owned;
};
