// The host's side of a modification: its modification window changes the first listed order,
// sends that order's request itself and hands the changed packet back to the window
// (MultipleRowModifying), which carries the change to the other listed orders.
#include "actions/ModifyRequestBuilder.h"
#include "host/AppIOB.h"
#include "host/AppOrderBook.h"
#include "host/EntryPointRegistry.h"
#include "host/HostLibraries.h"
#include "scenario/OrderSenderRecorder.h"
#include "scenario/PacketFields.h"
#include "scenario/ScenarioHost.h"
#include "scenario/StepArgs.h"
#include "scenario/StepGroups.h"
#include "scenario/StepTable.h"
#include "view/OrderBookWnd.h"

namespace orv::scenario {

namespace {

using Json = nlohmann::json;

// The records filed under the first listed key: the order row, and the second leg when there is one.
std::pair<OrderBookDetails*, OrderBookDetails*> FirstListed(OrderBookRefs& book) {
  if (book.vctModification.empty()) StepArgs::Fail("the modification list is empty: run Modify (Shift+F2) first");
  const std::uint32_t key = book.vctModification.front();
  book.mapAll.Lock();
  const std::vector<OrderBookDetails*>* rows = book.mapAll.find(key);
  std::pair<OrderBookDetails*, OrderBookDetails*> out{nullptr, nullptr};
  if (rows && !rows->empty()) out = {rows->front(), rows->size() >= 2 ? (*rows)[1] : nullptr};
  book.mapAll.Unlock();
  if (!out.first) StepArgs::Fail("the listed order " + std::to_string(key) + " is not in the store");
  return out;
}

// Keeps the requests sent while the step runs, for the exchange's answer.
class KeptModifications final {
 public:
  explicit KeptModifications(OrderSenderRecorder& senders) : m_senders(senders) { m_senders.SetKeepingModifications(true); }
  ~KeptModifications() { m_senders.SetKeepingModifications(false); }
  KeptModifications(const KeptModifications&) = delete;
  KeptModifications& operator=(const KeptModifications&) = delete;

 private:
  OrderSenderRecorder& m_senders;
};

void Modification(ScenarioHost& host, const StepArgs& args) {
  const ViewVariant variant = args.View();
  OrderBookWnd& wnd = host.RequireWindow(variant);
  OrderBookRefs book = AppOrderBook::Book(DescriptionOf(variant).eBook);
  const auto [first, second] = FirstListed(book);
  const bool spread = ModifyRequestBuilder::IsSpreadOrder(*first);
  const Json* overrides = args.Find("packet");
  if (overrides && !overrides->is_object()) StepArgs::Fail("\"packet\" must be an object of packet fields");
  host.Events().Emit("modification", {{"view", ViewName(variant)},
                                      {"orders", book.vctModification},
                                      {"RefNo", first->RefNo},
                                      {"spread", spread}});
  KeptModifications keep(host.Senders());
  HMODULE main = GetMainModuleHandle();
  if (!spread) {
    ORVEL_ORDER_ENTRY changed = first->objOrderEntry;
    changed.setPrice(args.Number("price", changed.price()));
    changed.setTriggerPrice(args.Number("triggerPrice", changed.triggerPrice()));
    if (args.Has("quantity")) {
      const auto quantity = StepArgs::ToIntIn<std::int32_t>(args.Require("quantity"), "quantity");
      changed.set(ORVEL_ORDER_ENTRY::kQuantity106, quantity);
      changed.setQuantity(quantity);
    }
    if (args.Has("discloseQty")) {
      const auto disclosed = StepArgs::ToIntIn<std::int32_t>(args.Require("discloseQty"), "discloseQty");
      changed.set(ORVEL_ORDER_ENTRY::kQuantity98, disclosed);
      changed.set(ORVEL_ORDER_ENTRY::kQuantity102, disclosed);
    }
    // The window keeps the disclosed quantity within the order's quantity, as the module does.
    const std::int32_t quantity = changed.get<std::int32_t>(ORVEL_ORDER_ENTRY::kQuantity106);
    if (changed.get<std::int32_t>(ORVEL_ORDER_ENTRY::kQuantity98) > quantity) {
      changed.set(ORVEL_ORDER_ENTRY::kQuantity98, quantity);
      changed.set(ORVEL_ORDER_ENTRY::kQuantity102, quantity);
    }
    if (overrides)
      for (const auto& [name, value] : overrides->items()) SetOrderEntryField(changed, name, value);
    if (auto send = EntryPointRegistry::Resolve<SendCOCOrderExeFn>(main, OrderSenderRecorder::kNormalSender))
      send(&changed, first->dOrderNumber);
    wnd.MultipleRowModifying(&changed);
  } else {
    if (overrides) StepArgs::Fail("\"packet\" changes normal orders only");
    ORVEL_SPREAD_OE_REQUEST changed = ModifyRequestBuilder::BuildSpread(second ? *second : *first);
    changed.setToken(first->lOurToken);
    const double price = args.Number("price", first->Price);
    changed.setPrice(price);
    changed.set(ORVEL_ORDER_ENTRY::kPrice, price);
    if (auto send = EntryPointRegistry::Resolve<SendSpreadOrderExeFn>(main, OrderSenderRecorder::kSpreadSender))
      send(&changed, changed.get<double>(ORVEL_SPREAD_OE_REQUEST::kDouble712),
           changed.get<double>(ORVEL_SPREAD_OE_REQUEST::kDouble622));
    wnd.MultipleRowModifying(&changed);
  }
  host.FlushPosts();
}

// An IOB rule as the host's IOB keeps it: the limits a modified IOB order's price must keep.
void IobRule(ScenarioHost& host, const StepArgs& args) {
  const auto ruleNo = StepArgs::ToIntIn<std::int32_t>(args.Require("ruleNo"), "ruleNo");
  if (ruleNo <= 0) StepArgs::Fail("\"ruleNo\" must be above 0");
  IOBRuleDetails rule;
  rule.setExpectedPrice(args.Number("expectedPrice", 0.0));
  rule.setSoftLimitPrice(args.Number("softLimitPrice", 0.0));
  rule.setSkipPriceLimits(args.Bool("skipPriceLimits", false));
  AppIOB::SetRule(ruleNo, rule);
  host.Events().Emit("iobrule", {{"ruleNo", ruleNo},
                                 {"expectedPrice", rule.expectedPrice()},
                                 {"softLimitPrice", rule.softLimitPrice()},
                                 {"skipPriceLimits", rule.skipPriceLimits()}});
}

}  // namespace

void AddModificationSteps(StepTable& table) {
  table.Add({"modification", {"view", "price", "triggerPrice", "quantity", "discloseQty", "packet"}, &Modification});
  table.Add({"iobrule", {"ruleNo", "expectedPrice", "softLimitPrice", "skipPriceLimits"}, &IobRule});
}

}  // namespace orv::scenario
