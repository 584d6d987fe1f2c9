// The "dump" step: what a view shows and what the store holds, as one event. Every section can
// be asked for alone; without "what" all of them come.
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/platform/Menu.h"
#include "filterbar/OrderBookFilter.h"
#include "scenario/FilterBarDump.h"
#include "sortfilter/SavedFilterBlock.h"
#include "scenario/ScenarioHost.h"
#include "scenario/ScenarioNames.h"
#include "scenario/StepArgs.h"
#include "scenario/StepGroups.h"
#include "scenario/StepTable.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace orv::scenario {

namespace {

namespace pf = orv::platform;
using Json = nlohmann::json;

constexpr std::array<std::string_view, 15> kSections{"rows",   "status", "title", "window",     "filters",   "selection",
                                                     "memory", "store",  "menu",  "headermenu", "filterbar", "cancels",
                                                     "saved",  "globals", "refresh"};

// What the module itself writes of the host's globals: a "globals" section without names.
constexpr std::array<std::string_view, 7> kWrittenGlobals{
    "CurrentLOurTokenForApp", "g_iIsShiftF3ProcessEvent", "g_lShiftF3ProcessEventTime", "iTransactionCode",
    "lTotalQty",              "m_objSingleOrderDetail",   "objWindowPassing"};

Json ColorName(const pf::DispInfo& cell) {
  if (!cell.HasTextColor()) return "";
  if (cell.clrText == 0xFF0000) return "blue";
  if (cell.clrText == 0x0000FF) return "red";
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%06X", static_cast<unsigned>(cell.clrText));
  return hex;
}

Json RowsSection(OrderBookGrid& grid, const StepArgs& args) {
  const VariantDescription& variant = grid.Variant();
  std::vector<int> wanted;
  if (const Json* columns = args.Find("columns")) {
    if (!columns->is_array()) StepArgs::Fail("\"columns\" must be a list of column names or ids");
    for (const Json& c : *columns) wanted.push_back(ColumnOf(c, variant, "columns"));
  }
  // Display order, visible columns only; a list of columns narrows them.
  std::vector<int> columns;
  for (int id : grid.GetColumnOrderArray()) {
    if (!grid.GetColumnVisible(id)) continue;
    if (!wanted.empty() && std::find(wanted.begin(), wanted.end(), id) == wanted.end()) continue;
    columns.push_back(id);
  }
  const int count = grid.GetVirtualRowCount();
  int first = 0, last = count - 1;
  if (const Json* rows = args.Find("rows")) {
    if (rows->is_array()) {
      if (rows->size() != 2) StepArgs::Fail("\"rows\" is a count or [first, last]");
      // Clamped while still 64-bit, so a huge row number cannot wrap into a negative one.
      first = static_cast<int>(std::clamp<std::int64_t>(StepArgs::ToInt((*rows)[0], "rows"), 0, count));
      last = static_cast<int>(std::clamp<std::int64_t>(StepArgs::ToInt((*rows)[1], "rows"), -1, last));
    } else {
      const std::int64_t n = StepArgs::ToInt(*rows, "rows");
      if (n < 0) StepArgs::Fail("\"rows\" cannot be negative");
      last = static_cast<int>(std::min<std::int64_t>(last, n - 1));  // n - 1 >= -1: no wrap
    }
  }
  Json names = Json::array();
  for (int id : columns) names.push_back(ColumnName(id, variant));
  Json cells = Json::array(), colors = Json::array();
  std::string text;
  for (int row = first; row <= last; ++row) {
    Json line = Json::array();
    Json color = "";
    for (int id : columns) {
      const pf::DispInfo& cell = grid.RequestCell(row, id);
      cell.value.ToText(text);
      line.push_back(text);
      if (color == "") color = ColorName(cell);
    }
    cells.push_back(std::move(line));
    colors.push_back(std::move(color));
  }
  return {{"count", count}, {"first", first}, {"columns", std::move(names)}, {"cells", std::move(cells)},
          {"colors", std::move(colors)}};
}

Json StatusSection(OrderBookWnd& wnd) {
  Json panes = Json::array();
  pf::StatusBar& bar = *wnd.GetStatusBar();
  for (int i = 0; i < bar.GetCount(); ++i) panes.push_back(bar.GetPaneText(i));
  return panes;
}

Json WindowSection(OrderBookWnd& wnd, OrderBookGrid& grid) {
  Json sort = Json::array();
  for (int id : grid.GetSortColumns())
    sort.push_back({{"column", ColumnName(id, grid.Variant())}, {"ascending", grid.GetColumnState(id) > 0}});
  return {{"visible", wnd.IsVisible()},
          {"titleBar", wnd.IsTitleBarShown()},
          {"statusBar", wnd.IsStatusBarShown()},
          {"bFilterBarShown", wnd.bFilterBarShown},
          {"bMultiRowSelected", wnd.bMultiRowSelected},
          {"bClosedByEscape", wnd.bClosedByEscape},
          {"focus", grid.HasFocus()                                       ? "grid"
                    : wnd.GetFilterBar() && wnd.GetFilterBar()->HasFocus() ? "filterbar"
                    : wnd.HasFocus()                                       ? "window"
                                                                           : ""},
          {"refreshTimer", wnd.HasApp() && wnd.App().Loop().hasTimer(&grid, grid.Variant().nRefreshTimerId)},
          {"scale", grid.GetScale()},
          {"sort", std::move(sort)}};
}

// How the refreshes kept the rows: by the store's journal, by narrowing the rows shown, and
// whether the status bar's totals of the current row's contract are held from an earlier sum.
Json RefreshSection(OrderBookGrid& grid) {
  const pf::GridItemID current = grid.GetCurSelItemID();
  const OrderBookDetails* record = current.IsNull() ? nullptr : grid.RecordAtRow(current.m_nRow);
  return {{"patched", grid.PatchedRefreshes()},
          {"narrowed", grid.NarrowedRefreshes()},
          {"totalsKept", record != nullptr && grid.KeptTotals(record->lOurToken) != nullptr},
          {"totalsSummed", grid.TotalsSummed()}};
}

Json FiltersSection(OrderBookGrid& grid) {
  Json filters = Json::array();
  for (const auto& [column, param] : grid.Filters()) {
    Json f{{"column", ColumnName(column, grid.Variant())}, {"nCol", column}, {"bAll", param.bAll},
           {"lstValues", param.lstValues}};
    if (param.dtFrom.IsValid()) f["dtFrom"] = param.dtFrom.Format();
    if (param.dtTill.IsValid()) f["dtTill"] = param.dtTill.Format();
    filters.push_back(std::move(f));
  }
  return filters;
}

Json SelectionSection(OrderBookGrid& grid) {
  Json ranges = Json::array();
  for (const pf::GridRange& r : grid.GetSelectionRanges()) ranges.push_back({r.m_nTop, r.m_nBottom});
  const pf::GridItemID current = grid.GetCurSelItemID();
  Json cur = nullptr;
  if (!current.IsNull())
    cur = {{"row", current.m_nRow}, {"column", ColumnName(current.m_nColumn, grid.Variant())}};
  return {{"ranges", std::move(ranges)}, {"current", std::move(cur)}, {"wholeRows", grid.IsWholeRowSelection()}};
}

Json Remembered(const LastSelectedOrderData_map& entry) {
  return {{"RefNo", entry.RefNo}, {"iEndMarker", entry.iEndMarker}, {"bLegRow", entry.bLegRow}};
}

Json MemorySection(ViewVariant variant) {
  OrderBookRefs book = AppOrderBook::Book(DescriptionOf(variant).eBook);
  const bool pending = variant == ViewVariant::Pending;
  Json list = Json::array(), map = Json::array();
  for (const LastSelectedOrderData_map& entry : book.LastSelected) list.push_back(Remembered(entry));
  std::vector<std::uint32_t> keys;
  for (const auto& [key, entry] : book.mapLastSelected) keys.push_back(key);
  std::sort(keys.begin(), keys.end());  // the map has no order of its own
  for (std::uint32_t key : keys) map.push_back(Remembered(book.mapLastSelected.at(key)));
  return {{pending ? "LastSelectedRefNo" : "LastSelectedRefNoGTD", std::move(list)},
          {pending ? "map_LastSelectedRefNo" : "map_LastSelectedRefNoGTD", std::move(map)}};
}

Json StoreSection(ViewVariant variant) {
  OrderBookRefs book = AppOrderBook::Book(DescriptionOf(variant).eBook);
  const bool pending = variant == ViewVariant::Pending;
  Json store{{pending ? "vctAllOrderBook" : "vctAllGTDOrderBook", book.vctAll.size()},
             {pending ? "vctDisplayedOrderBook" : "vctDisplayedGTDOrderBook", book.vctDisplayed.size()},
             {pending ? "IsInsertPost" : "IsInsertPost_GTD", book.IsInsertPost},
             {pending ? "IsUpdatePost" : "IsUpdatePost_GTD", book.IsUpdatePost},
             {pending ? "IsSortData" : "IsSortData_GTD", book.IsSortData},
             {pending ? "vctModification" : "vctModificationGTD", book.vctModification},
             {pending ? "vctCancellation" : "vctCancellationGTD", book.vctCancellation}};
  if (pending) store["objOrderBook_IOBLinkOrder"] = AppOrderBook::objOrderBook_IOBLinkOrder;
  return store;
}

Json MenuItems(const pf::Menu& menu) {
  Json items = Json::array();
  for (const pf::MenuItem& item : menu.Items()) {
    if (item.separator) {
      items.push_back({{"separator", true}});
      continue;
    }
    Json entry{{"text", item.text}};
    if (item.IsPopup()) entry["items"] = MenuItems(*item.submenu);
    else entry["id"] = item.id;
    if (item.checked) entry["checked"] = true;
    if (item.grayed) entry["grayed"] = true;
    items.push_back(std::move(entry));
  }
  return items;
}

Json MenuSection(ScenarioHost& host) {
  const auto& last = host.App().PopupMenus().Last();
  if (!last) return nullptr;
  return {{"chosen", last->chosen}, {"items", MenuItems(last->menu)}};
}

// Numbers as numbers; the text settings are the ones that take a text that is not a number.
Json SettingValue(const std::string& name, const std::string& value) {
  if (AppGlobal::SetMemberByName(name, "not a number")) {
    AppGlobal::SetMemberByName(name, value);
    return value;
  }
  try {
    return std::stoll(value);
  } catch (...) {
    return value;
  }
}

// The record the history command fills, by the fields the host reads.
Json SingleOrderDetailOf(const SingleOrderDetail& d) {
  auto text = [&d](std::size_t offset, std::size_t width) { return std::string(d.text(offset, width)); };
  return {{"RefNo", d.get<std::uint32_t>(0)}, {"Symbol_ScriptID", text(4, 11)}, {"Ser_Exp_Group", text(16, 10)},
          {"Strike", text(27, 14)},           {"Option_Type", text(42, 3)},     {"ExchOrder_No", text(46, 49)},
          {"B_S", text(96, 4)}};
}

// The window's own cancel pass: what it collected and what it has sent.
Json CancelsSection(const OrderBookWnd& wnd) {
  Json collected = Json::array();
  for (const CancelOrdersList& e : wnd.CollectedOrders())
    collected.push_back({{"iTransactionCode", e.iTransactionCode}, {"nRow", e.nRow}, {"dOrderNumber", e.dOrderNumber},
                         {"lOurOrderNo", e.OurOrderNo(wnd.Variant().eBook)}});
  std::vector<std::int64_t> spread(wnd.CollectedSpreadOrders().begin(), wnd.CollectedSpreadOrders().end());
  std::sort(spread.begin(), spread.end());  // the set has no order of its own
  return {{"CancelOrdersList", std::move(collected)},
          {"collectedSpreadOrders", std::move(spread)},
          {"sentOrderCancels", wnd.SentOrderCancels().Size()},
          {"sentSpreadCancels", wnd.SentSpreadCancels().Size()},
          {"cancelAllMode", wnd.IsCancelAllMode()},
          {"handBacksQueued", wnd.HandBacksQueued()}};
}

// The view's saved filter block in the general settings: the flags, the column texts that are
// not empty (by column name) and the range texts.
Json SavedSection(ViewVariant variant) {
  const OrderBookFilterSettings& block = SavedFilterBlock(DescriptionOf(variant));
  Json texts = Json::object();
  for (const auto& slot : OrderBookFilterSettings::kColumnSlots)
    if (!(block.*slot.text).empty()) texts[ColumnName(slot.column, DescriptionOf(variant))] = block.*slot.text;
  return {{"bSaveFilter", block.bSaveFilter}, {"bOpenWithSorting", block.bOpenWithSorting},
          {"texts", std::move(texts)},        {"cRangeStart", block.cRangeStart},
          {"cRangeEnd", block.cRangeEnd}};
}

Json GlobalsSection(ScenarioHost& host, const StepArgs& args) {
  Json out = Json::object();
  const Json* given = args.Find("globals");
  Json written = Json::array();
  for (std::string_view name : kWrittenGlobals) written.push_back(std::string(name));
  const Json* names = given ? given : &written;
  if (!names->is_array()) StepArgs::Fail("\"globals\" must be a list of setting names");
  for (const Json& n : *names) {
    const std::string name = StepArgs::ToText(n, "globals");
    std::string value;
    if (name == "objWindowPassing") out[name] = host.DescribeRequest(AppGlobal::objWindowPassing);
    else if (name == "m_objSingleOrderDetail") out[name] = SingleOrderDetailOf(AppGlobal::m_objSingleOrderDetail);
    else if (name == "m_pExchangeList") out[name] = AppGlobal::m_pExchangeList ? Json(*AppGlobal::m_pExchangeList) : Json();
    else if (name == "map_NonModStrategy") out[name] = AppGlobal::map_NonModStrategy;
    else if (name == "login.userId") out[name] = std::string(host.Login().userId());
    else if (name == "login.userType") out[name] = host.Login().userType();
    else if (name == "login.allClients") out[name] = host.Login().allClients();
    else if (name == "login.accountFlag") out[name] = host.Login().accountFlag();
    else if (AppGlobal::GetMemberByName(name, value)) out[name] = SettingValue(name, value);
    else StepArgs::Fail("unknown setting \"" + name + "\"");
  }
  return out;
}

void Dump(ScenarioHost& host, const StepArgs& args) {
  const ViewVariant variant = args.View();
  std::vector<std::string> what;
  if (const Json* list = args.Find("what")) {
    if (!list->is_array()) StepArgs::Fail("\"what\" must be a list of sections");
    for (const Json& s : *list) {
      std::string section = StepArgs::ToText(s, "what");
      if (std::find(kSections.begin(), kSections.end(), section) == kSections.end())
        StepArgs::Fail("a dump has no section \"" + section + "\"");
      what.push_back(std::move(section));
    }
  } else {
    what.assign(kSections.begin(), kSections.end());
    if (!args.Has("globals")) std::erase(what, "globals");
    // Only when asked for: the older dumps stay as they were.
    std::erase(what, "cancels");
    std::erase(what, "saved");
    std::erase(what, "refresh");
  }
  auto wants = [&](std::string_view s) { return std::find(what.begin(), what.end(), s) != what.end(); };

  Json event{{"view", std::string(ViewName(variant))}, {"open", host.IsOpen(variant)}};
  if (const Json* label = args.Find("label")) event["label"] = StepArgs::ToText(*label, "label");
  OrderBookWnd* wnd = host.Window(variant);
  OrderBookGrid* grid = host.Grid(variant);
  if (wnd && grid) {
    if (wants("rows")) event["rows"] = RowsSection(*grid, args);
    if (wants("status")) event["status"] = StatusSection(*wnd);
    if (wants("title")) event["title"] = wnd->GetDockTitle();
    if (wants("window")) event["window"] = WindowSection(*wnd, *grid);
    if (wants("filters")) event["filters"] = FiltersSection(*grid);
    if (wants("refresh")) event["refresh"] = RefreshSection(*grid);
    if (wants("selection")) event["selection"] = SelectionSection(*grid);
    if (wants("filterbar")) event["filterbar"] = DescribeFilterBar(wnd->GetFilterBar());
    if (wants("cancels")) event["cancels"] = CancelsSection(*wnd);
  }
  if (wants("memory")) event["memory"] = MemorySection(variant);
  if (wants("store")) event["store"] = StoreSection(variant);
  if (wants("menu")) event["menu"] = MenuSection(host);
  if (wants("headermenu")) {
    const auto& last = host.App().FilterMenus().Last();
    event["headermenu"] = last ? DescribeFilterMenu(*last) : nullptr;
  }
  if (wants("saved")) event["saved"] = SavedSection(variant);
  if (wants("globals")) event["globals"] = GlobalsSection(host, args);
  host.FlushPosts();
  host.Events().Emit("dump", std::move(event));
}

}  // namespace

void AddDumpStep(StepTable& table) {
  table.Add({"dump", {"view", "what", "rows", "columns", "globals", "label"}, &Dump});
}

}  // namespace orv::scenario
