// Steps that change the order store as the host does: add, update and remove records, or fill a
// book with a seeded demo book.
#include "demo/ContractMasterGenerator.h"
#include "demo/OrderBookGenerator.h"
#include "host/AppOrderBook.h"
#include "host/OrvEnumsMethods.h"
#include "scenario/OrderLookup.h"
#include "scenario/PacketFields.h"
#include "scenario/RecordFields.h"
#include "scenario/ScenarioHost.h"
#include "scenario/StepArgs.h"
#include "scenario/StepGroups.h"
#include "scenario/StepTable.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace orv::scenario {

namespace {

BookKind BookOf(ViewVariant variant) { return DescriptionOf(variant).eBook; }

std::vector<const nlohmann::json*> Items(const nlohmann::json& list, std::string_view what) {
  std::vector<const nlohmann::json*> items;
  if (list.is_array()) {
    for (const nlohmann::json& item : list) items.push_back(&item);
  } else {
    items.push_back(&list);
  }
  for (const nlohmann::json* item : items)
    if (!item->is_object()) StepArgs::Fail("each record of \"" + std::string(what) + "\" must be an object");
  return items;
}

bool Given(const nlohmann::json& item, const char* name) { return item.contains(name); }

// The packet at the head of the record carries the order as the order sender takes it; a host
// keeps it in step with the display fields, so the fields a step gives are copied into it.
void MirrorIntoPacket(OrderBookDetails& r, const nlohmann::json& item, bool all) {
  ORVEL_ORDER_ENTRY& p = r.objOrderEntry;
  auto changed = [&](const char* name) { return all || Given(item, name); };
  if (changed("iOrvelCode")) p.setTransactionCode(static_cast<std::int16_t>(r.iOrvelCode));
  if (changed("OrvelClientId")) p.setDealerId(r.OrvelClientId);
  if (changed("lOurToken")) p.setToken(r.lOurToken);
  if (changed("B_S")) p.setBuySell(std::string_view(r.B_S) == "BUY" ? 1 : 2);
  if (changed("Total_Qty")) p.setQuantity(r.Total_Qty);
  if (changed("Price")) p.setPrice(r.Price);
  if (changed("Trig_Price")) p.setTriggerPrice(r.Trig_Price);
  if (changed("dOrderNumber")) p.setExchangeOrderNo(r.dOrderNumber);
  if (changed("ExchOrder_No")) p.setExchangeOrderId(r.ExchOrder_No);
  if (changed("IOM_RuleNo")) p.setIobRuleNo(r.IOM_RuleNo);
  if (all) p.setOurOrderNo(r.RefNo);
  if (const auto it = item.find("objOrderEntry"); it != item.end()) {
    if (!it->is_object()) StepArgs::Fail("\"objOrderEntry\" must be an object of packet fields");
    for (const auto& [name, value] : it->items()) SetOrderEntryField(p, name, value);
  }
}

void TimeTextsOf(const orv::platform::OleDateTime& when, TimeTextPair& out) {
  CopyText(out.c24Hr, when.Format("%H:%M:%S"));
  CopyText(out.c12Hr, when.Format("%I:%M:%S %p"));
}

// Writes the item's fields into `r`; `adding` fills what a host derives for a new record.
void ApplyFields(ScenarioHost& host, OrderBookDetails& r, const nlohmann::json& item, bool adding) {
  bool noContract = false;
  for (const auto& [name, value] : item.items()) {
    if (name == "objOrderEntry" || (!adding && (name == "RefNo" || name == "leg" || name == "legNo"))) continue;
    if (name == "pContract") {
      if (!value.is_null()) StepArgs::Fail("\"pContract\" can only be null: the contract comes from lOurToken");
      noContract = true;
      continue;
    }
    if (!adding && name == "GTDOrderNo")
      StepArgs::Fail("\"GTDOrderNo\" files the order in the store; remove it and add it again to change it");
    SetRecordField(r, name, value);
  }
  if (noContract) r.pContract = nullptr;
  else if (adding || Given(item, "lOurToken")) r.pContract = host.Master().Find(r.lOurToken);
  if (!Given(item, "Order_Status") && (adding || (Given(item, "eOrderStatus") && !r.IsLegRow())))
    CopyText(r.Order_Status, OrvEnumsMethods::GetOrderStatus(r.eOrderStatus));
  if (Given(item, "dtServerEntryTime") && !Given(item, "Server_Entry_Time"))
    TimeTextsOf(r.dtServerEntryTime, r.Server_Entry_Time);
  if (Given(item, "dtOrderInitiateTime") && !Given(item, "Order_Initiate_Time"))
    TimeTextsOf(r.dtOrderInitiateTime, r.Order_Initiate_Time);
  if (adding && !Given(item, "GTDOrderNo")) r.GTDOrderNo = r.RefNo;
  MirrorIntoPacket(r, item, adding);
}

void Orders(ScenarioHost& host, const StepArgs& args) {
  const BookKind kind = BookOf(args.View());
  if (!args.Has("add") && !args.Has("update") && !args.Has("remove"))
    StepArgs::Fail("step \"orders\" needs \"add\", \"update\" or \"remove\"");

  // Read everything first, so a bad record leaves the store as it was.
  std::vector<OrderBookDetails> added;
  if (const nlohmann::json* add = args.Find("add")) {
    for (const nlohmann::json* item : Items(*add, "add")) {
      if (!item->contains("RefNo")) StepArgs::Fail("a new order needs its \"RefNo\"");
      OrderBookDetails r;
      ApplyFields(host, r, *item, true);
      // Only the rows of one spread order share a key; two orders under one would be one.
      for (const OrderBookDetails& other : added)
        if (AppOrderBook::KeyOf(kind, other) == AppOrderBook::KeyOf(kind, r) &&
            (other.eOrderLeg != eSpreadLeg || r.eOrderLeg != eSpreadLeg))
          StepArgs::Fail("two orders with RefNo " + std::to_string(r.RefNo) +
                         " in one step: only the rows of one spread order (eOrderLeg 1) share it");
      added.push_back(r);
    }
  }
  std::vector<std::pair<OrderBookDetails*, OrderBookDetails>> updated;
  if (const nlohmann::json* update = args.Find("update")) {
    for (const nlohmann::json* item : Items(*update, "update")) {
      for (OrderBookDetails* row : FindOrders(kind, *item)) {
        // Two items on one row build on each other, as two updates in a row would.
        auto it = std::find_if(updated.begin(), updated.end(), [row](const auto& u) { return u.first == row; });
        if (it == updated.end()) it = updated.insert(updated.end(), std::make_pair(row, *row));
        ApplyFields(host, it->second, *item, false);
      }
    }
  }
  std::vector<OrderBookDetails*> removed;
  if (const nlohmann::json* remove = args.Find("remove")) {
    for (const nlohmann::json* item : Items(*remove, "remove")) {
      for (const auto& [name, value] : item->items())
        if (name != "RefNo" && name != "leg" && name != "legNo")
          StepArgs::Fail("a removed order is named by \"RefNo\", \"leg\" and \"legNo\" only, not \"" + name + "\"");
      for (OrderBookDetails* row : FindOrders(kind, *item)) removed.push_back(row);
    }
  }

  for (const OrderBookDetails& r : added) AppOrderBook::AddOrder(kind, r);
  std::vector<OrderBookDetails*> changed;
  for (auto& [row, copy] : updated) {
    copy.nDisplayedIndex = row->nDisplayedIndex;  // the store's bookkeeping, not the step's
    *row = copy;
    changed.push_back(row);
  }
  if (!changed.empty()) AppOrderBook::MarkUpdated(kind, changed);
  for (OrderBookDetails* row : removed) AppOrderBook::RemoveOrder(kind, row);
}

std::vector<std::string> TextList(const StepArgs& args, std::string_view key) {
  std::vector<std::string> out;
  if (const nlohmann::json* list = args.Find(key)) {
    if (!list->is_array()) StepArgs::Fail("\"" + std::string(key) + "\" must be a list of texts");
    for (const nlohmann::json& v : *list) out.push_back(StepArgs::ToText(v, key));
  }
  return out;
}

void Generate(ScenarioHost& host, const StepArgs& args) {
  constexpr std::int64_t kMaxOrders = 5000000;
  orv::demo::OrderBookSpec book;
  book.kind = BookOf(args.View());
  const std::int64_t orders = args.Int("orders");
  if (orders < 0 || orders > kMaxOrders) StepArgs::Fail("\"orders\" takes 0 to 5000000");
  book.orders = static_cast<int>(orders);
  if (const nlohmann::json* seed = args.Find("seed")) book.seed = StepArgs::ToIntIn<std::uint32_t>(*seed, "seed");
  book.spreadShare = args.Number("spreadShare", 0.0);
  book.contractlessShare = args.Number("contractlessShare", 0.0);
  book.unfilledLookupShare = args.Number("unfilledLookupShare", 0.0);
  if (const nlohmann::json* first = args.Find("firstRefNo"))
    book.firstRefNo = StepArgs::ToIntIn<std::uint32_t>(*first, "firstRefNo");
  book.dealers = TextList(args, "dealers");
  book.clients = TextList(args, "clients");
  const std::int64_t contracts = args.Int("contracts", 400);
  if (contracts < 0 || contracts > orv::demo::ContractMasterGenerator::kMaxContracts)
    StepArgs::Fail("\"contracts\" takes 0 to " + std::to_string(orv::demo::ContractMasterGenerator::kMaxContracts));
  try {
    // A book needs contracts: an empty master gets a demo one from the same seed.
    if (args.Has("contracts") || host.Master().Count() == 0)
      orv::demo::GenerateContracts(host.Master(), book.seed, static_cast<int>(contracts));
    orv::demo::GenerateOrders(book, host.Master());
    if (book.unfilledLookupShare > 0) orv::demo::RegisterClientNames(book);
  } catch (const std::invalid_argument& e) {
    StepArgs::Fail(std::string("the demo book was refused: ") + e.what());
  }
}

}  // namespace

void AddOrderSteps(StepTable& table) {
  table.Add({"orders", {"view", "add", "update", "remove"}, &Orders});
  table.Add({"generate",
             {"view", "orders", "seed", "contracts", "spreadShare", "contractlessShare", "unfilledLookupShare",
              "firstRefNo", "dealers", "clients"},
             &Generate});
}

}  // namespace orv::scenario
