#include "scenario/CallTable.h"

#include "filterbar/OrderBookFilter.h"
#include "host/AppOrderBook.h"
#include "scenario/OrderLookup.h"
#include "scenario/ScenarioHost.h"
#include "scenario/ScenarioNames.h"
#include "scenario/StepArgs.h"
#include "view/OrderBookGrid.h"
#include "view/ColumnCatalogue.h"
#include "view/OrderBookWnd.h"

#include <algorithm>
#include <array>

namespace orv::scenario {

CallArgs::CallArgs(std::string_view entry, const nlohmann::json& list, std::vector<std::string> names)
    : m_entry(entry), m_list(list), m_names(std::move(names)) {
  if (!m_list.is_array()) StepArgs::Fail("\"args\" must be a list");
  if (m_list.size() != m_names.size()) {
    std::string expected;
    for (const std::string& n : m_names) expected += (expected.empty() ? "" : ", ") + n;
    StepArgs::Fail(m_entry + " takes " + std::to_string(m_names.size()) + " argument" +
                   (m_names.size() == 1 ? "" : "s") + (expected.empty() ? "" : " (" + expected + ")") + ", not " +
                   std::to_string(m_list.size()));
  }
}

const nlohmann::json& CallArgs::At(std::size_t index) const { return m_list.at(index); }

std::int64_t CallArgs::Int(std::size_t index) const {
  return StepArgs::ToInt(At(index), m_entry + " argument " + m_names[index]);
}

bool CallArgs::Bool(std::size_t index) const {
  return StepArgs::ToBool(At(index), m_entry + " argument " + m_names[index]);
}

std::string CallArgs::Text(std::size_t index) const {
  return StepArgs::ToText(At(index), m_entry + " argument " + m_names[index]);
}

std::vector<std::string> CallArgs::TextList(std::size_t index) const {
  const nlohmann::json& list = At(index);
  const std::string what = m_entry + " argument " + m_names[index];
  if (!list.is_array()) StepArgs::Fail("\"" + what + "\" must be a list of texts");
  std::vector<std::string> out;
  for (const nlohmann::json& v : list) out.push_back(StepArgs::ToText(v, what));
  return out;
}

namespace {

using Result = nlohmann::json;

int Column(CallContext& c, const CallArgs& a, std::size_t index) {
  return ColumnOf(a.At(index), c.grid.Variant(), "column");
}

OrderBookDetails* Record(CallContext& c, const CallArgs& a, std::size_t index) {
  const nlohmann::json& item = a.At(index);
  if (!item.is_object()) StepArgs::Fail("a record argument is {\"RefNo\": n} with an optional \"leg\"");
  return FindOrders(DescriptionOf(c.variant).eBook, item).front();
}

template <typename T>
T Narrow(std::int64_t v, std::string_view what) {
  return StepArgs::ToIntIn<T>(nlohmann::json(v), what);
}

// The delete-all entry is exported by one window class each.
Result DeleteAll(CallContext& c, ViewVariant owner) {
  if (c.variant != owner)
    StepArgs::Fail(std::string(DescriptionOf(owner).cWndClass) + "'s delete-all entry is not on this window");
  return c.wnd.DeleteAllProcess(0, 0);
}

// Rows of the table; keep them in alphabetical order of name.
const std::array<CallEntry, 46> kEntries{{
    {"AdjustLayout", {}, [](CallContext& c, const CallArgs&) -> Result { c.wnd.AdjustLayout(); return nullptr; }},
    {"ApplyFilterOnOpen", {}, [](CallContext& c, const CallArgs&) -> Result { c.grid.ApplyFilterOnOpen(); return nullptr; }},
    {"AssignOrderDataSourceByOrderStatus", {},
     [](CallContext& c, const CallArgs&) -> Result { c.grid.AssignOrderDataSourceByOrderStatus(); return nullptr; }},
    {"CalculateBuySellQty", {"token"},
     [](CallContext& c, const CallArgs& a) -> Result {
       c.wnd.CalculateBuySellQty(Narrow<std::int32_t>(a.Int(0), "token"), nullptr, nullptr);
       return nullptr;
     }},
    {"CancelSpreadOrderLogic", {"orderNumber"},
     [](CallContext& c, const CallArgs& a) -> Result {
       return c.wnd.CancelSpreadOrderLogic(StepArgs::ToNumber(a.At(0), "CancelSpreadOrderLogic argument orderNumber"));
     }},
    {"CheckRecordAddForFilter", {"record"},
     [](CallContext& c, const CallArgs& a) -> Result { return c.grid.CheckRecordAddForFilter(Record(c, a, 0)); }},
    {"CollectOrderForCancellation", {"row", "orderNumber"},
     [](CallContext& c, const CallArgs& a) -> Result {
       c.wnd.CollectOrderForCancellation(Narrow<std::int32_t>(a.Int(0), "row"),
                                         StepArgs::ToNumber(a.At(1), "CollectOrderForCancellation argument orderNumber"));
       return nullptr;
     }},
    {"FillGridMaster", {}, [](CallContext& c, const CallArgs&) -> Result { c.grid.FillGridMaster(); return nullptr; }},
    {"FillSpreadRow", {"kind"},
     [](CallContext& c, const CallArgs& a) -> Result {
       const int written = c.wnd.FillSpreadRow(Narrow<int>(a.Int(0), "kind"), nullptr, nullptr);
       Result rows = Result::array();
       for (const CBCGPGridRow& row : c.wnd.SpreadRows()) {
         Result cells = Result::object();
         for (int col : {COL_RefNo, COL_Order_Status, COL_ExchCode, COL_Symbol_ScriptID, COL_B_S, COL_Total_Lot})
           cells[ColumnLabel(col).get<std::string>()] = row.GetItem(col) ? row.GetItem(col)->GetValue().ToText() : "";
         rows.push_back(std::move(cells));
       }
       return {{"written", written}, {"rows", std::move(rows)}};
     }},
    {"FillVirutalRows", {}, [](CallContext& c, const CallArgs&) -> Result { c.grid.FillVirutalRows(); return nullptr; }},
    {"FilterGridData", {}, [](CallContext& c, const CallArgs&) -> Result { c.grid.FilterGridData(); return nullptr; }},
    {"FiltersCombination", {"criteria"},
     [](CallContext& c, const CallArgs& a) -> Result {
       const std::vector<std::string> given = a.TextList(0);
       if (given.size() > OrderBookWnd::kCriteriaCount)
         StepArgs::Fail("FiltersCombination takes at most " + std::to_string(OrderBookWnd::kCriteriaCount) + " criteria");
       std::array<std::string, OrderBookWnd::kCriteriaCount> criteria;
       criteria.fill("All");
       std::copy(given.begin(), given.end(), criteria.begin());
       c.wnd.FiltersCombination(criteria);
       Result keys = Result::array();
       for (const auto& [key, row] : c.wnd.CombinedOrders()) keys.push_back(key);
       return keys;
     }},
    {"GetCurSelectedOrders", {},
     [](CallContext& c, const CallArgs&) -> Result {
       std::vector<OrderBookDetails*> orders;
       c.grid.GetCurSelectedOrders(orders);
       Result list = Result::array();
       for (const OrderBookDetails* r : orders) list.push_back(DescribeRow(*r));
       return list;
     }},
    // The filter bar's host helpers: the smallest known client code a text begins, and writing a
    // client code into the bar's client-code edit (only a known one when bCheck).
    {"GetAutoCompleteClientCode", {"text"},
     [](CallContext& c, const CallArgs& a) -> Result {
       OrderBookFilter* bar = c.wnd.GetFilterBar();
       if (!bar) StepArgs::Fail("the view has no filter bar");
       return bar->GetAutoCompleteClientCode(a.Text(0));
     }},
    {"GetOrderTypeInfo", {"refNo"},
     [](CallContext& c, const CallArgs& a) -> Result {
       return static_cast<std::int64_t>(c.grid.GetOrderTypeInfo(Narrow<std::uint32_t>(a.Int(0), "refNo")));
     }},
    {"getOrderRecord", {"orderNumber", "lOurOrderNo"},
     [](CallContext& c, const CallArgs& a) -> Result {
       ORVEL_ORDER_ENTRY packet;
       return c.wnd.getOrderRecord(StepArgs::ToNumber(a.At(0), "getOrderRecord argument orderNumber"), &packet,
                                   Narrow<unsigned>(a.Int(1), "lOurOrderNo"));
     }},
    {"getSpreadOrderRecord", {"orderNumber"},
     [](CallContext& c, const CallArgs& a) -> Result {
       ORVEL_SPREAD_OE_REQUEST packet;
       return c.wnd.getSpreadOrderRecord(StepArgs::ToNumber(a.At(0), "getSpreadOrderRecord argument orderNumber"),
                                         &packet);
     }},
    {"GiveRequestColor", {}, [](CallContext& c, const CallArgs&) -> Result { return c.wnd.GiveRequestColor(0, 0); }},
    {"GTDOrderBooksDeleteAllProcess", {},
     [](CallContext& c, const CallArgs&) -> Result { return DeleteAll(c, ViewVariant::GTD); }},
    {"IsOrderLinked", {"RefNo"},
     [](CallContext& c, const CallArgs& a) -> Result {
       const auto key = Narrow<std::uint32_t>(a.Int(0), "RefNo");
       return c.grid.IsOrderLinked(key);
     }},
    {"OnCancel", {}, [](CallContext& c, const CallArgs&) -> Result { c.wnd.OnCancel(); return nullptr; }},
    {"OnCancelAll", {}, [](CallContext& c, const CallArgs&) -> Result { c.wnd.OnCancelAll(); return nullptr; }},
    {"OnCustomize", {}, [](CallContext& c, const CallArgs&) -> Result { c.grid.OnCustomize(); return nullptr; }},
    {"OnF3KeyPress", {}, [](CallContext& c, const CallArgs&) -> Result { return c.wnd.OnF3KeyPress(); }},
    {"OnLogoff", {}, [](CallContext& c, const CallArgs&) -> Result { c.grid.OnLogoff(); return nullptr; }},
    {"OnOrderBookSavefilter", {},
     [](CallContext& c, const CallArgs&) -> Result { c.grid.OnOrderBookSavefilter(); return nullptr; }},
    {"OnSavefilterInXML", {}, [](CallContext& c, const CallArgs&) -> Result { c.grid.OnSavefilterInXML(); return nullptr; }},
    {"OnSQuareOff_CancelPendOrders", {},
     [](CallContext& c, const CallArgs&) -> Result { return c.wnd.OnSQuareOff_CancelPendOrders(0, 0); }},
    {"OnTimeFormat", {}, [](CallContext& c, const CallArgs&) -> Result { return c.wnd.OnTimeFormat(0, 0); }},
    {"OnTomufilepath", {}, [](CallContext& c, const CallArgs&) -> Result { c.grid.OnTomufilepath(); return nullptr; }},
    {"OrderCancellation", {"record", "bNoQuestion"},
     [](CallContext& c, const CallArgs& a) -> Result {
       c.wnd.OrderCancellation(*Record(c, a, 0), a.Bool(1));
       return nullptr;
     }},
    {"PendingOrdersDeleteAllProcess", {},
     [](CallContext& c, const CallArgs&) -> Result { return DeleteAll(c, ViewVariant::Pending); }},
    {"PreparesFilterText", {"token"},
     [](CallContext& c, const CallArgs& a) -> Result { return c.grid.PreparesFilterText(Narrow<long>(a.Int(0), "token")); }},
    {"RefreshData", {}, [](CallContext& c, const CallArgs&) -> Result { c.grid.RefreshData(); return nullptr; }},
    {"ResetFilterOnClose", {},
     [](CallContext& c, const CallArgs&) -> Result { c.wnd.ResetFilterOnClose(); return nullptr; }},
    {"SetClientCode", {"text", "bCheck"},
     [](CallContext& c, const CallArgs& a) -> Result {
       OrderBookFilter* bar = c.wnd.GetFilterBar();
       if (!bar) StepArgs::Fail("the view has no filter bar");
       bar->SetClientCode(&bar->m_edtClientCode, a.Text(0), a.Bool(1));
       return bar->m_edtClientCode.GetWindowText();
     }},
    {"SetDefaultDemoFilter", {"column", "text", "bShowAll", "bReplace", "bSkipFilterBar"},
     [](CallContext& c, const CallArgs& a) -> Result {
       c.grid.SetDefaultDemoFilter(Column(c, a, 0), a.Text(1), a.Bool(2), a.Bool(3), a.Bool(4));
       return nullptr;
     }},
    {"SetDockTitleBylOurToken", {"token"},
     [](CallContext& c, const CallArgs& a) -> Result {
       c.grid.SetDockTitleBylOurToken(Narrow<long>(a.Int(0), "token"));
       return nullptr;
     }},
    {"SetFilterOnOpen", {"column", "text"},
     [](CallContext& c, const CallArgs& a) -> Result {
       c.grid.SetFilterOnOpen(Column(c, a, 0), a.Text(1));
       return nullptr;
     }},
    {"SetFilterParam", {"column", "values", "bShowAll", "bReplace", "bSkipFilterBar"},
     [](CallContext& c, const CallArgs& a) -> Result {
       c.grid.SetFilterParam(Column(c, a, 0), a.TextList(1), a.Bool(2), a.Bool(3), a.Bool(4));
       return nullptr;
     }},
    {"SetOrderViewModify", {},
     [](CallContext& c, const CallArgs&) -> Result {
       c.wnd.SetOrderViewModify();
       return c.wnd.bOrderViewModify;
     }},
    {"SetStatusbarValues", {"token", "symbol", "exchange"},
     [](CallContext& c, const CallArgs& a) -> Result {
       c.grid.SetStatusbarValues(Narrow<std::int32_t>(a.Int(0), "token"), a.Text(1), a.Text(2));
       return nullptr;
     }},
    {"ShowControlBar", {"bShow"},
     [](CallContext& c, const CallArgs& a) -> Result { c.wnd.ShowControlBar(a.Bool(0)); return nullptr; }},
    {"StartStopProcess", {"bStart", "nElapse"},
     [](CallContext& c, const CallArgs& a) -> Result {
       c.grid.StartStopProcess(Narrow<int>(a.Int(0), "bStart"), Narrow<unsigned>(a.Int(1), "nElapse"));
       return nullptr;
     }},
    {"UpdateToCancelOrderStatus", {},
     [](CallContext& c, const CallArgs&) -> Result { return c.wnd.UpdateToCancelOrderStatus(0, 0); }},
    {"UpdateVirutalRow", {}, [](CallContext& c, const CallArgs&) -> Result { c.grid.UpdateVirutalRow(); return nullptr; }},
}};

}  // namespace

const CallEntry* FindCallEntry(std::string_view name) {
  for (const CallEntry& entry : kEntries)
    if (entry.name == name) return &entry;
  return nullptr;
}

std::vector<std::string> CallEntryNames() {
  std::vector<std::string> names;
  for (const CallEntry& entry : kEntries) names.emplace_back(entry.name);
  return names;
}

}  // namespace orv::scenario
