#include "scenario/RecordFields.h"

#include "host/platform/OleDateTime.h"
#include "scenario/StepArgs.h"

#include <cstdio>
#include <string>
#include <type_traits>

namespace orv::scenario {

namespace {

using orv::platform::OleDateTime;

template <std::size_t N>
void AssignText(char (&field)[N], const nlohmann::json& value, std::string_view what) {
  const std::string text = StepArgs::ToText(value, what);
  if (text.size() >= N)
    StepArgs::Fail("\"" + std::string(what) + "\" holds at most " + std::to_string(N - 1) + " characters");
  CopyText(field, text);
}

OleDateTime ParseDateTime(const nlohmann::json& value, std::string_view what) {
  // The views show something defined for both: a scenario must be able to set them.
  if (value.is_null()) return OleDateTime::Null();
  const std::string text = StepArgs::ToText(value, what);
  if (text == "invalid") return OleDateTime::Invalid();
  OleDateTime out;
  if (!out.ParseDateTime(text))
    StepArgs::Fail("\"" + std::string(what) + "\" must be a date-time \"YYYY-MM-DD HH:MM:SS\", not \"" + text + "\"");
  return out;
}

// "HH:MM:SS" (24-hour) gives both texts; an object may also give them one by one.
void AssignTimePair(TimeTextPair& pair, const nlohmann::json& value, std::string_view what) {
  if (value.is_object()) {
    for (const auto& [key, v] : value.items()) {
      const std::string inner = std::string(what) + "." + key;
      if (key == "c12Hr") AssignText(pair.c12Hr, v, inner);
      else if (key == "c24Hr") AssignText(pair.c24Hr, v, inner);
      else StepArgs::Fail("\"" + std::string(what) + "\" has no part \"" + key + "\"");
    }
    return;
  }
  const std::string text = StepArgs::ToText(value, what);
  int h = -1, m = -1, s = -1;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%2d:%2d:%2d%c", &h, &m, &s, &tail) != 3 || h < 0 || h > 23 || m < 0 || m > 59 ||
      s < 0 || s > 59)
    StepArgs::Fail("\"" + std::string(what) + "\" must be a time \"HH:MM:SS\", not \"" + text + "\"");
  std::snprintf(pair.c24Hr, sizeof pair.c24Hr, "%02d:%02d:%02d", h, m, s);
  std::snprintf(pair.c12Hr, sizeof pair.c12Hr, "%02d:%02d:%02d %s", h % 12 == 0 ? 12 : h % 12, m, s,
                h < 12 ? "AM" : "PM");
}

template <typename T>
void AssignValue(T& field, const nlohmann::json& value, std::string_view what) {
  if constexpr (std::is_array_v<T>) {
    AssignText(field, value, what);
  } else if constexpr (std::is_same_v<T, double>) {
    field = StepArgs::ToNumber(value, what);
  } else if constexpr (std::is_enum_v<T>) {
    // Only the values the enumeration names: the views index their texts with them.
    const auto v = StepArgs::ToIntIn<std::underlying_type_t<T>>(value, what);
    const int last = std::is_same_v<T, OrderStatusIdentifier> ? static_cast<int>(eCompleted) : static_cast<int>(eSpreadLeg);
    if (v < 0 || v > last)
      StepArgs::Fail("\"" + std::string(what) + "\" takes 0 to " + std::to_string(last) + ", not " + std::to_string(v));
    field = static_cast<T>(v);
  } else if constexpr (std::is_integral_v<T>) {
    field = StepArgs::ToIntIn<T>(value, what);
  } else if constexpr (std::is_same_v<T, OleDateTime>) {
    field = ParseDateTime(value, what);
  } else if constexpr (std::is_same_v<T, TimeTextPair>) {
    AssignTimePair(field, value, what);
  } else {
    static_assert(sizeof(T) == 0, "a field kind the scenarios cannot set");
  }
}

template <typename Record, auto Member>
void Assign(Record& record, const nlohmann::json& value, std::string_view what) {
  AssignValue(record.*Member, value, what);
}

template <typename Record>
struct FieldEntry {
  std::string_view name;
  void (*assign)(Record&, const nlohmann::json&, std::string_view);
};

#define ORV_RECORD_FIELD(name) FieldEntry<OrderBookDetails>{#name, &Assign<OrderBookDetails, &OrderBookDetails::name>}
constexpr FieldEntry<OrderBookDetails> kRecordFields[] = {
    ORV_RECORD_FIELD(eOrderLeg),        ORV_RECORD_FIELD(eOrderStatus),      ORV_RECORD_FIELD(RefNo),
    ORV_RECORD_FIELD(lOurToken),        ORV_RECORD_FIELD(iOrvelCode),        ORV_RECORD_FIELD(Order_Type),
    ORV_RECORD_FIELD(B_S),              ORV_RECORD_FIELD(Order_Status),      ORV_RECORD_FIELD(OrvelClientId),
    ORV_RECORD_FIELD(MemberID),         ORV_RECORD_FIELD(TraderID),          ORV_RECORD_FIELD(Pending_Qty),
    ORV_RECORD_FIELD(Price),            ORV_RECORD_FIELD(Total_Qty),         ORV_RECORD_FIELD(Pro_Client),
    ORV_RECORD_FIELD(Client),           ORV_RECORD_FIELD(Client_Name),       ORV_RECORD_FIELD(ParticipantID),
    ORV_RECORD_FIELD(Misc),             ORV_RECORD_FIELD(ExchOrder_No),      ORV_RECORD_FIELD(Status),
    ORV_RECORD_FIELD(Disclose_Qty),     ORV_RECORD_FIELD(Settlor),           ORV_RECORD_FIELD(Validity),
    ORV_RECORD_FIELD(TillDays_Dates),   ORV_RECORD_FIELD(MF_AON),            ORV_RECORD_FIELD(MF_Qty),
    ORV_RECORD_FIELD(Trig_Price),       ORV_RECORD_FIELD(CP_Brok_ID),        ORV_RECORD_FIELD(Auc_No),
    ORV_RECORD_FIELD(Last_Modified),    ORV_RECORD_FIELD(Traded_Qty),        ORV_RECORD_FIELD(Avg_Price),
    ORV_RECORD_FIELD(Reason),           ORV_RECORD_FIELD(Remarks),           ORV_RECORD_FIELD(Part_Type),
    ORV_RECORD_FIELD(Prod_Type),        ORV_RECORD_FIELD(iProductTypeCode),  ORV_RECORD_FIELD(Server_Entry_Time),
    ORV_RECORD_FIELD(AMO_OrderID),      ORV_RECORD_FIELD(Order_Style),       ORV_RECORD_FIELD(Strategy),
    ORV_RECORD_FIELD(ReqID),            ORV_RECORD_FIELD(OrderNo),           ORV_RECORD_FIELD(COL_Order),
    ORV_RECORD_FIELD(Exch_ClientId),    ORV_RECORD_FIELD(Record_Type),       ORV_RECORD_FIELD(Asset_Price),
    ORV_RECORD_FIELD(IOM_RuleNo),       ORV_RECORD_FIELD(Pan_Number),        ORV_RECORD_FIELD(Disclose_Lot),
    ORV_RECORD_FIELD(Error_Discriptions), ORV_RECORD_FIELD(Target_Price),    ORV_RECORD_FIELD(SL_Price),
    ORV_RECORD_FIELD(BR_TrigPrice),     ORV_RECORD_FIELD(TransType),         ORV_RECORD_FIELD(AlgoID),
    ORV_RECORD_FIELD(Variant),          ORV_RECORD_FIELD(NNFID),             ORV_RECORD_FIELD(dtServerEntryTime),
    ORV_RECORD_FIELD(dOrderNumber),     ORV_RECORD_FIELD(nNoOfLegs),         ORV_RECORD_FIELD(GTDOrderNo),
    ORV_RECORD_FIELD(LastTradedQty),    ORV_RECORD_FIELD(GTDOrderStatus),    ORV_RECORD_FIELD(dtOrderInitiateTime),
    ORV_RECORD_FIELD(Order_Initiate_Time),
};
#undef ORV_RECORD_FIELD

#define ORV_CONTRACT_FIELD(name) FieldEntry<ScriptDesc>{#name, &Assign<ScriptDesc, &ScriptDesc::name>}
constexpr FieldEntry<ScriptDesc> kContractFields[] = {
    ORV_CONTRACT_FIELD(lToken),      ORV_CONTRACT_FIELD(cExchangeName), ORV_CONTRACT_FIELD(nSegment),
    ORV_CONTRACT_FIELD(Code),        ORV_CONTRACT_FIELD(Symbol_ScriptID), ORV_CONTRACT_FIELD(Mkt_Seg),
    ORV_CONTRACT_FIELD(Inst_Name),   ORV_CONTRACT_FIELD(cExpiry),       ORV_CONTRACT_FIELD(cSeries),
    ORV_CONTRACT_FIELD(cStrike),     ORV_CONTRACT_FIELD(cOptionType),   ORV_CONTRACT_FIELD(cScripName),
    ORV_CONTRACT_FIELD(lLotSize),    ORV_CONTRACT_FIELD(cPriceFormat),  ORV_CONTRACT_FIELD(dMultiplier),
    ORV_CONTRACT_FIELD(iPrecision),
};
#undef ORV_CONTRACT_FIELD

template <typename Record, std::size_t N>
const FieldEntry<Record>* FindField(const FieldEntry<Record> (&table)[N], std::string_view name) {
  for (const FieldEntry<Record>& entry : table)
    if (entry.name == name) return &entry;
  return nullptr;
}

}  // namespace

void SetRecordField(OrderBookDetails& record, std::string_view name, const nlohmann::json& value) {
  const auto* entry = FindField(kRecordFields, name);
  if (!entry) StepArgs::Fail("an order record has no field \"" + std::string(name) + "\"");
  entry->assign(record, value, name);
}

bool IsRecordField(std::string_view name) { return FindField(kRecordFields, name) != nullptr; }

void SetContractField(ScriptDesc& contract, std::string_view name, const nlohmann::json& value) {
  const auto* entry = FindField(kContractFields, name == "token" ? std::string_view("lToken") : name);
  if (!entry) StepArgs::Fail("a contract has no field \"" + std::string(name) + "\"");
  entry->assign(contract, value, name);
}

}  // namespace orv::scenario
