// Steps that put the host's data in place or act for the host's other parts: rows of the record
// cache, the general settings file, and the exchange's answer to a request the module sent.
#include "host/AppOrderBook.h"
#include "host/GeneralXmlSettings.h"
#include "host/OrvEnumsMethods.h"
#include "host/recordcache/RecordCacheTables.h"
#include "scenario/OrderLookup.h"
#include "scenario/PacketFields.h"
#include "scenario/OrderSenderRecorder.h"
#include "scenario/ScenarioHost.h"
#include "scenario/ScenarioNames.h"
#include "scenario/StepArgs.h"
#include "scenario/StepGroups.h"
#include "scenario/StepTable.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace orv::scenario {

namespace {

using Json = nlohmann::json;

OrderTable& TableNamed(const std::string& name) {
  if (name == "PendingOrders") return *CInMemPendingOrders::getClass();
  if (name == "PendingSpreadOrders") return *CInMemPendingSpreadOrders::getClass();
  if (name == "OrderInfo") return *CInMemOrderInfo::getClass();
  if (name == "SpreadOrderInfo") return *CInMemSpreadOrderInfo::getClass();
  if (name == "TradeInfo") return *CInMemTradeInfo::getClass();
  if (name == "ExchangeIobOrder") return *CInMemExchangeIobOrder::getClass();
  StepArgs::Fail("no record table \"" + name +
                 "\" (PendingOrders, PendingSpreadOrders, OrderInfo, SpreadOrderInfo, TradeInfo, ExchangeIobOrder)");
}

bool IsSpreadTable(const std::string& name) { return name == "PendingSpreadOrders" || name == "SpreadOrderInfo"; }

// The columns of a record row by name; "packet" sets the order-entry fields of the row's packet.
OrderRecordRow RowOf(const Json& item, bool spread) {
  if (!item.is_object()) StepArgs::Fail("each record must be an object");
  OrderRecordRow row;
  ORVEL_ORDER_ENTRY packet;
  using IntSetter = std::function<void(std::int64_t)>;
  const std::pair<const char*, IntSetter> ints[] = {
      {"lOurOrderNo", [&](std::int64_t v) { row.lOurOrderNo = v; }},
      {"iOrvelCode", [&](std::int64_t v) { row.iOrvelCode = static_cast<int>(v); }},
      {"lTotalVolRemaining", [&](std::int64_t v) { row.lTotalVolRemaining = v; }},
      {"lEntryDateTime", [&](std::int64_t v) { row.lEntryDateTime = v; }},
      {"iproclient", [&](std::int64_t v) { row.iproclient = static_cast<int>(v); }},
      {"iOrderType", [&](std::int64_t v) { row.iOrderType = static_cast<int>(v); }},
      {"iNoofLegs", [&](std::int64_t v) { row.iNoofLegs = static_cast<int>(v); }},
      {"lLastModifiedTime", [&](std::int64_t v) { row.lLastModifiedTime = v; }},
      {"lIOMRuleNo", [&](std::int64_t v) { row.lIOMRuleNo = v; }},
      {"iStrategyNo", [&](std::int64_t v) { row.iStrategyNo = static_cast<int>(v); }},
      {"lOurToken", [&](std::int64_t v) { row.lOurToken = v; }},
      {"lFillQuantity", [&](std::int64_t v) { row.lFillQuantity = v; }},
      {"iBuySell", [&](std::int64_t v) { row.iBuySell = static_cast<int>(v); }},
      {"lSequenceNo", [&](std::int64_t v) { row.lSequenceNo = v; }},
  };
  const std::pair<const char*, double*> reals[] = {
      {"dOrderNumber", &row.dOrderNumber}, {"dSLPrice", &row.dSLPrice},     {"dTargetPrice", &row.dTargetPrice},
      {"dSLTPrice", &row.dSLTPrice},       {"dFillPrice", &row.dFillPrice}, {"dResponseOrderNumber", &row.dResponseOrderNumber}};
  const std::pair<const char*, std::string*> texts[] = {
      {"cOrvelClientId", &row.cOrvelClientId}, {"cAccountnumber", &row.cAccountnumber}, {"cOrvelUserId", &row.cOrvelUserId}};
  for (const auto& [name, value] : item.items()) {
    bool known = false;
    for (const auto& [column, set] : ints)
      if (name == column) set(StepArgs::ToInt(value, name)), known = true;
    for (const auto& [column, field] : reals)
      if (name == column) *field = StepArgs::ToNumber(value, name), known = true;
    for (const auto& [column, field] : texts)
      if (name == column) *field = StepArgs::ToText(value, name), known = true;
    if (name == "packet") {
      if (!value.is_object()) StepArgs::Fail("\"packet\" is an object of order-entry fields");
      for (const auto& [field, v] : value.items()) SetOrderEntryField(packet, field, v);
      known = true;
    }
    if (!known) StepArgs::Fail("a record row has no column \"" + name + "\"");
  }
  // What a host stores in the packet follows the columns unless the packet says otherwise.
  const Json* given = item.contains("packet") ? &item["packet"] : nullptr;
  auto unset = [&](const char* field) { return !given || !given->contains(field); };
  if (unset("ourOrderNo")) packet.setOurOrderNo(static_cast<std::uint32_t>(row.lOurOrderNo));
  if (unset("exchangeOrderNo")) packet.setExchangeOrderNo(row.dOrderNumber);
  if (unset("transactionCode")) packet.setTransactionCode(static_cast<std::int16_t>(row.iOrvelCode));
  if (unset("lastModifiedTime")) packet.setLastModifiedTime(static_cast<std::int32_t>(row.lLastModifiedTime));
  if (unset("dealerId") && !row.cOrvelClientId.empty()) packet.setDealerId(row.cOrvelClientId);
  row.packet.assign(packet.bytes.begin(), packet.bytes.end());
  if (spread) row.packet.resize(ORVEL_SPREAD_OE_REQUEST::kSize);
  return row;
}

void Records(ScenarioHost&, const StepArgs& args) {
  const std::string name = args.Text("table");
  OrderTable& table = TableNamed(name);
  const Json& add = args.Require("add");
  std::vector<OrderRecordRow> rows;
  if (add.is_array()) {
    for (const Json& item : add) rows.push_back(RowOf(item, IsSpreadTable(name)));
  } else {
    rows.push_back(RowOf(add, IsSpreadTable(name)));
  }
  for (const OrderRecordRow& row : rows)
    if (!table.Insert(row)) StepArgs::Fail("the " + name + " table refused a row: " + table.LastError());
}

std::filesystem::path PathIn(ScenarioHost& host, const StepArgs& args) {
  std::filesystem::path path = args.Text("path", "GeneralSettings.xml");
  return path.is_absolute() ? path : host.DataFolder() / path;
}

// Loads or saves the general settings file, as the host does at start and at exit.
void SettingsFile(ScenarioHost& host, const StepArgs& args) {
  const std::string action = args.Text("action");
  const std::filesystem::path path = PathIn(host, args);
  GeneralXmlSettings::Result result;
  if (action == "load") {
    result = regGeneralXMLSettings.Load(path);
  } else if (action == "save") {
    result = regGeneralXMLSettings.Save(path);  // the writer reports the file
  } else {
    StepArgs::Fail("\"action\" is \"load\" or \"save\", not \"" + action + "\"");
  }
  host.ReportSettingsFile(action, result);
}

// The new price, trigger price and quantities of a confirmed modification, in the record and in
// the packet it keeps for later requests.
void ApplyConfirmedModification(OrderBookDetails& row, const ORVEL_ORDER_ENTRY& sent) {
  row.Price = sent.price();
  row.Trig_Price = sent.triggerPrice();
  row.Total_Qty = sent.quantity();
  row.Pending_Qty = std::max(0, sent.quantity() - row.Traded_Qty);
  row.Disclose_Qty = sent.get<std::int32_t>(ORVEL_ORDER_ENTRY::kQuantity98);
  ORVEL_ORDER_ENTRY& packet = row.objOrderEntry;
  for (std::size_t offset : {ORVEL_ORDER_ENTRY::kPrice, ORVEL_ORDER_ENTRY::kTriggerPrice})
    packet.set(offset, sent.get<double>(offset));
  for (std::size_t offset : {ORVEL_ORDER_ENTRY::kQuantity98, ORVEL_ORDER_ENTRY::kQuantity102,
                             ORVEL_ORDER_ENTRY::kQuantity106, ORVEL_ORDER_ENTRY::kQuantity})
    packet.set(offset, sent.get<std::int32_t>(offset));
}

// The exchange's answer to a cancel or a modification the module sent for an order.
void Exchange(ScenarioHost& host, const StepArgs& args) {
  const BookKind kind = DescriptionOf(args.View()).eBook;
  const std::string answer = args.Text("answer");
  const std::string request = args.Text("request", "cancel");
  if (answer != "confirm" && answer != "reject") StepArgs::Fail("\"answer\" is \"confirm\" or \"reject\"");
  if (request != "cancel" && request != "modify") StepArgs::Fail("\"request\" is \"cancel\" or \"modify\"");
  Json which{{"RefNo", args.Int("RefNo")}};
  std::vector<OrderBookDetails*> rows = FindOrders(kind, which);
  for (OrderBookDetails* row : rows) {
    if (answer == "reject") {
      CopyText(row->Error_Discriptions, request == "cancel" ? "Cancel rejected by the exchange"
                                                            : "Modification rejected by the exchange");
    } else if (request == "cancel") {
      row->eOrderStatus = eCancelled;
      CopyText(row->Order_Status, row->IsLegRow() ? "Cancelled Spread Leg" : OrvEnumsMethods::GetOrderStatus(eCancelled));
      CopyText(row->TransType, "OC");
    } else {
      CopyText(row->TransType, "OM");
      if (!row->IsLegRow()) CopyText(row->Order_Status, "Modified");
      // A modification the module or the host's window sent: the order now works at its values.
      if (const ORVEL_ORDER_ENTRY* sent = host.Senders().LastModification(row->RefNo); sent && !row->IsLegRow())
        ApplyConfirmedModification(*row, *sent);
    }
  }
  if (answer == "confirm" && request == "modify")
    for (const OrderBookDetails* row : rows) host.Senders().ForgetModification(row->RefNo);
  AppOrderBook::MarkUpdated(kind, rows);
  host.Events().Emit("exchange", {{"RefNo", which["RefNo"]}, {"request", request}, {"answer", answer}});
}

}  // namespace

void AddHostDataSteps(StepTable& table) {
  table.Add({"records", {"table", "add"}, &Records});
  table.Add({"settingsfile", {"action", "path"}, &SettingsFile});
  table.Add({"exchange", {"view", "RefNo", "request", "answer"}, &Exchange});
}

}  // namespace orv::scenario
