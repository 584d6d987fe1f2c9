#pragma once
// Stands in for the host executable's order senders: registers "SendCOCOrderExeFn" and
// "SendToServerForOrvel_SpreadOrder_EntryExeFn" with the main executable's entry points and
// reports every call as a "send" event with the request's fields. Senders are plain function
// pointers, so one recorder is active at a time; a call while none is active is dropped.
#include "host/records/OrderEntryPacket.h"
#include "scenario/EventWriter.h"

#include <cstdint>
#include <map>

namespace orv::scenario {

class OrderSenderRecorder final {
 public:
  static constexpr const char* kNormalSender = "SendCOCOrderExeFn";
  static constexpr const char* kSpreadSender = "SendToServerForOrvel_SpreadOrder_EntryExeFn";

  // Registers the senders and becomes the active recorder. `beforeEach` runs before an event is
  // written (the host reports earlier posts first).
  OrderSenderRecorder(EventWriter& events, std::function<void()> beforeEach);
  // Unregisters the senders.
  ~OrderSenderRecorder();
  OrderSenderRecorder(const OrderSenderRecorder&) = delete;
  OrderSenderRecorder& operator=(const OrderSenderRecorder&) = delete;

  // While a modification is being answered, the normal requests sent are kept by own order
  // number, so the exchange's confirmation can carry their new prices and quantities into the store.
  void SetKeepingModifications(bool keep) { m_keepModifications = keep; }
  // The last modification request sent for an order; null when none was (or it was answered).
  const ORVEL_ORDER_ENTRY* LastModification(std::uint32_t ourOrderNo) const;
  void ForgetModification(std::uint32_t ourOrderNo) { m_modifications.erase(ourOrderNo); }

 private:
  static int SendNormal(void* request, double orderNumber);
  static int SendSpread(void* request, double price712, double price622);

  EventWriter& m_events;
  std::function<void()> m_beforeEach;
  bool m_keepModifications = false;
  std::map<std::uint32_t, ORVEL_ORDER_ENTRY> m_modifications;
};

}  // namespace orv::scenario
