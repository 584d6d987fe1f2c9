#include "scenario/OrderSenderRecorder.h"

#include "host/EntryPointRegistry.h"
#include "host/HostLibraries.h"
#include "scenario/PacketFields.h"

namespace orv::scenario {

namespace {

OrderSenderRecorder* g_active = nullptr;

}  // namespace

OrderSenderRecorder::OrderSenderRecorder(EventWriter& events, std::function<void()> beforeEach)
    : m_events(events), m_beforeEach(std::move(beforeEach)) {
  SendCOCOrderExeFn normal = &OrderSenderRecorder::SendNormal;
  SendSpreadOrderExeFn spread = &OrderSenderRecorder::SendSpread;
  EntryPointRegistry::Instance().Register(kMainExecutable, kNormalSender, normal);
  EntryPointRegistry::Instance().Register(kMainExecutable, kSpreadSender, spread);
  g_active = this;
}

OrderSenderRecorder::~OrderSenderRecorder() {
  if (g_active == this) g_active = nullptr;
  EntryPointRegistry::Instance().Unregister(kMainExecutable, kNormalSender);
  EntryPointRegistry::Instance().Unregister(kMainExecutable, kSpreadSender);
}

int OrderSenderRecorder::SendNormal(void* request, double orderNumber) {
  OrderSenderRecorder* self = g_active;
  if (!self) return 0;
  if (self->m_beforeEach) self->m_beforeEach();
  nlohmann::json event{{"function", kNormalSender}, {"orderNumber", orderNumber}};
  event["request"] = request ? DescribeOrderEntry(*static_cast<const ORVEL_ORDER_ENTRY*>(request)) : nullptr;
  self->m_events.Emit("send", std::move(event));
  if (request && self->m_keepModifications) {
    const auto& packet = *static_cast<const ORVEL_ORDER_ENTRY*>(request);
    self->m_modifications.insert_or_assign(packet.ourOrderNo(), packet);
  }
  return 1;
}

const ORVEL_ORDER_ENTRY* OrderSenderRecorder::LastModification(std::uint32_t ourOrderNo) const {
  const auto it = m_modifications.find(ourOrderNo);
  return it == m_modifications.end() ? nullptr : &it->second;
}

int OrderSenderRecorder::SendSpread(void* request, double price712, double price622) {
  OrderSenderRecorder* self = g_active;
  if (!self) return 0;
  if (self->m_beforeEach) self->m_beforeEach();
  nlohmann::json event{{"function", kSpreadSender}, {"price712", price712}, {"price622", price622}};
  event["request"] = request ? DescribeSpreadRequest(*static_cast<const ORVEL_SPREAD_OE_REQUEST*>(request)) : nullptr;
  self->m_events.Emit("send", std::move(event));
  return 1;
}

}  // namespace orv::scenario
