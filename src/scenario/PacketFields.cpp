#include "scenario/PacketFields.h"

#include "scenario/StepArgs.h"

#include <cstdint>
#include <span>
#include <string>

namespace orv::scenario {

namespace {

enum class Kind { I8, I16, U16, I32, U32, F64, Text, Bytes };

struct Field {
  std::string_view name;
  std::size_t offset;
  Kind kind;
  std::size_t width = 0;  // texts and raw bytes
};

using OE = ORVEL_ORDER_ENTRY;
constexpr Field kOrderEntryFields[] = {
    {"transactionCode", OE::kTransactionCode, Kind::I16},
    {"field2", OE::kField2, Kind::I32},
    {"field6", OE::kField6, Kind::I8},
    {"dealerId", OE::kDealerId, Kind::Text, OE::kDealerIdWidth},
    {"field32", OE::kField32, Kind::I32},
    {"field34", OE::kField34, Kind::I16},
    {"bookType", OE::kBookType, Kind::I8},
    {"token", OE::kToken, Kind::I32},
    {"exchangeOrderNo", OE::kExchangeOrderNo, Kind::F64},
    {"orderAttribute", OE::kOrderAttribute, Kind::I16},
    {"buySell", OE::kBuySell, Kind::I16},
    {"quantity98", OE::kQuantity98, Kind::I32},
    {"quantity102", OE::kQuantity102, Kind::I32},
    {"quantity106", OE::kQuantity106, Kind::I32},
    {"quantity", OE::kQuantity, Kind::I32},
    {"price", OE::kPrice, Kind::F64},
    {"triggerPrice", OE::kTriggerPrice, Kind::F64},
    {"lastModifiedTime", OE::kLastModifiedTime, Kind::I32},
    {"flags", OE::kFlags, Kind::U16},
    {"field188", OE::kField188, Kind::I32},
    {"field220", OE::kField220, Kind::Bytes, OE::kField220Width},
    {"field234", OE::kField234, Kind::I16},
    {"field238", OE::kField238, Kind::I8},
    {"ourOrderNo", OE::kOurOrderNo, Kind::U32},
    {"exchangeOrderId", OE::kExchangeOrderId, Kind::Text, OE::kExchangeOrderIdWidth},
    {"iobRuleNo", OE::kIobRuleNo, Kind::I32},
    {"field640", OE::kField640, Kind::I16},
    {"field742", OE::kField742, Kind::I16},
    {"numericClientId", OE::kNumericClientId, Kind::I32},
};

using SR = ORVEL_SPREAD_OE_REQUEST;
constexpr Field kSpreadFields[] = {
    {"transactionCode", SR::kTransactionCode, Kind::I16},
    {"dealerId", SR::kDealerId, Kind::Text, SR::kDealerIdWidth},
    {"token", SR::kToken, Kind::I32},
    {"buySell", SR::kBuySell, Kind::I16},
    {"price", SR::kPrice, Kind::F64},
    {"pendingQty", SR::kPendingQty, Kind::I32},
    {"field524", SR::kField524, Kind::I32},
    {"tradedQty", SR::kTradedQty, Kind::I32},
    {"double532", SR::kDouble532, Kind::F64},
    {"double622", SR::kDouble622, Kind::F64},
    {"double712", SR::kDouble712, Kind::F64},
    {"iobRuleNo", SR::kIobRuleNo, Kind::I32},
};

template <std::size_t N>
nlohmann::json Describe(const PacketBytes<N>& packet, std::span<const Field> fields) {
  nlohmann::json out = nlohmann::json::object();
  for (const Field& f : fields) {
    nlohmann::json& v = out[std::string(f.name)];
    switch (f.kind) {
      case Kind::I8: v = packet.template get<std::uint8_t>(f.offset); break;
      case Kind::I16: v = packet.template get<std::int16_t>(f.offset); break;
      case Kind::U16: v = packet.template get<std::uint16_t>(f.offset); break;
      case Kind::I32: v = packet.template get<std::int32_t>(f.offset); break;
      case Kind::U32: v = packet.template get<std::uint32_t>(f.offset); break;
      case Kind::F64: v = packet.template get<double>(f.offset); break;
      case Kind::Text: v = std::string(packet.text(f.offset, f.width)); break;
      case Kind::Bytes: {
        static constexpr char kHex[] = "0123456789abcdef";
        std::string hex;
        for (std::size_t i = 0; i < f.width && f.offset + i < N; ++i) {
          const unsigned char b = packet.bytes[f.offset + i];
          hex += kHex[b >> 4];
          hex += kHex[b & 15];
        }
        v = hex;
        break;
      }
    }
  }
  return out;
}

}  // namespace

nlohmann::json DescribeOrderEntry(const ORVEL_ORDER_ENTRY& packet) { return Describe(packet, kOrderEntryFields); }

nlohmann::json DescribeSpreadRequest(const ORVEL_SPREAD_OE_REQUEST& packet) { return Describe(packet, kSpreadFields); }

void SetOrderEntryField(ORVEL_ORDER_ENTRY& packet, std::string_view name, const nlohmann::json& value) {
  const std::string what = "objOrderEntry." + std::string(name);
  for (const Field& f : kOrderEntryFields) {
    if (f.name != name) continue;
    switch (f.kind) {
      case Kind::I8: packet.set(f.offset, StepArgs::ToIntIn<std::uint8_t>(value, what)); return;
      case Kind::I16: packet.set(f.offset, StepArgs::ToIntIn<std::int16_t>(value, what)); return;
      case Kind::U16: packet.set(f.offset, StepArgs::ToIntIn<std::uint16_t>(value, what)); return;
      case Kind::I32: packet.set(f.offset, StepArgs::ToIntIn<std::int32_t>(value, what)); return;
      case Kind::U32: packet.set(f.offset, StepArgs::ToIntIn<std::uint32_t>(value, what)); return;
      case Kind::F64: packet.set(f.offset, StepArgs::ToNumber(value, what)); return;
      case Kind::Text: {
        const std::string text = StepArgs::ToText(value, what);
        if (text.size() >= f.width)
          StepArgs::Fail("\"" + what + "\" holds at most " + std::to_string(f.width - 1) + " characters");
        packet.setText(f.offset, f.width, text);
        return;
      }
      case Kind::Bytes:
        StepArgs::Fail("\"" + what + "\" cannot be set from a scenario");
    }
  }
  StepArgs::Fail("the order entry packet has no field \"" + std::string(name) + "\"");
}

}  // namespace orv::scenario
