#pragma once
// Stands in for the host executable's order senders: registers "SendCOCOrderExeFn" and
// "SendToServerForOrvel_SpreadOrder_EntryExeFn" with the main executable's entry points and
// reports every call as a "send" event with the request's fields. Senders are plain function
// pointers, so one recorder is active at a time; a call while none is active is dropped.
#include "scenario/EventWriter.h"

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

 private:
  static int SendNormal(void* request, double orderNumber);
  static int SendSpread(void* request, double price712, double price622);

  EventWriter& m_events;
  std::function<void()> m_beforeEach;
};

}  // namespace orv::scenario
