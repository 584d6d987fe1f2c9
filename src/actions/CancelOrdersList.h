#pragma once
// What a window collects for its own cancel pass: one entry per grid row, and the order numbers it
// hands back to itself (message 102). An entry the host adds through CollectOrderForCancellation
// carries the packet the host's records gave; an entry taken from the shown rows names the store's
// record instead and reads its packet when the cancel is built, so a cancel-all over a million rows
// does not copy a million packets.
#include "host/OrderBookTypes.h"
#include "host/records/OrderBookDetails.h"
#include "host/platform/Types.h"
#include "host/records/OrderEntryPacket.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <map>
#include <vector>

struct CancelOrdersList {
  std::int16_t iTransactionCode = 0;
  std::int32_t nRow = 0;
  double dOrderNumber = 0.0;
  std::shared_ptr<const ORVEL_ORDER_ENTRY> pOrderEntry;  // null: read from the store's record
  const OrderBookDetails* pStoreRecord = nullptr;         // the shown row's record
  std::uint32_t lStoreKey = 0;                            // its key in the store
  bool bStopLossLegOfBracket = false;

  // The packet to cancel with; empty when the store no longer holds the record.
  std::optional<ORVEL_ORDER_ENTRY> EntryPacket(BookKind kind) const;
  std::uint32_t OurOrderNo(BookKind kind) const;
};

// The window posts this to itself once per collected order it hands back to the host's sender.
inline constexpr unsigned kCancelHandBackMessage = 102;

// Transaction codes of spread orders: their cancels go through the spread cancel.
inline bool IsSpreadTransactionCode(std::int32_t code) { return (code >= 5724 && code <= 5726) || code == 5736; }

// The message 102 of a window carries the address of an order number the window allocated. The
// window keeps owning it until the message is handled, so a message still queued when the window
// goes frees nothing twice and leaks nothing, and an address the window never gave out is ignored.
// The numbers live in blocks of slots, so handing back a million orders makes no allocation each.
class CancelHandBacks final {
 public:
  CancelHandBacks() = default;
  CancelHandBacks(const CancelHandBacks&) = delete;
  CancelHandBacks& operator=(const CancelHandBacks&) = delete;

  // Allocates the order number of `entry`; the address goes into the message.
  orv::platform::WPARAM Hand(const CancelOrdersList& entry);
  // The entry of an address handed out and not yet taken; the value is freed.
  std::optional<CancelOrdersList> Take(orv::platform::WPARAM address);
  // The order number an address holds, null when the address is not one of ours.
  const double* Find(orv::platform::WPARAM address) const;
  std::size_t Size() const { return m_live; }

 private:
  struct Slot {
    double number = 0.0;  // first, so the slot's address is the number's
    bool live = false;
    CancelOrdersList entry;
  };
  static constexpr std::size_t kBlockSlots = 4096;

  Slot* SlotAt(orv::platform::WPARAM address) const;

  std::vector<std::unique_ptr<Slot[]>> m_blocks;
  std::map<std::uintptr_t, std::size_t> m_blockByStart;  // block start address -> index
  std::vector<Slot*> m_free;
  std::size_t m_live = 0;
};
