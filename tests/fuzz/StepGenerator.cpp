#include "fuzz/StepGenerator.h"

#include "host/AppOrderBook.h"
#include "scenario/ScenarioHost.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

#include <cfloat>
#include <cstddef>

namespace orv::fuzz {

namespace {

using nlohmann::json;

// Contracts of every segment the views tell apart, and one token the master lacks.
constexpr std::int32_t kTokens[] = {101000002, 102000001, 102000002, 201000005, 401000007, 999000001};
// Working orders (pending, not yet confirmed) most of the time: those are the ones commands act on.
constexpr unsigned kStatuses[] = {1, 1, 1, 1, 0, 0, 2, 3, 4, 5};
constexpr std::int64_t kQuantities[] = {0, 1, 2, 75, 100000, INT32_MAX, -1, INT32_MIN};
constexpr double kPrices[] = {0.0, 0.05, 1390.0, 24150.5, -1.0, 1e15, DBL_MAX, -DBL_MAX, DBL_MIN};
constexpr const char* kSides[] = {"BUY", "SELL", "SELL", "buy", "", "B"};
constexpr const char* kOrderTypes[] = {"RL", "SL", "GTT", "IOC", "", "MKT"};
constexpr const char* kClients[] = {"C001", "C002", "", "%s%n", "A'B\"C", "1;DROP"};
constexpr const char* kDates[] = {"2026-12-15 09:15:02", "2026-12-15 15:29:59", "1899-12-30 00:00:00",
                                  "9999-12-31 23:59:59", "2026-12-14 10:00:00"};
constexpr const char* kKeys[] = {"Delete", "F1", "F2", "F3", "F4", "F5", "F6", "F8", "F12", "Escape",
                                 "Enter", "Tab", "PageUp", "PageDown", "Home", "End", "Up", "Down",
                                 "Left", "Right", "Num*", "[", "]", "Space", "Insert", "Backspace",
                                 "A", "C", "F", "H", "I", "P", "S", "T", "X", "0", "9"};
constexpr const char* kKeyTargets[] = {"grid", "grid", "grid", "window", "filterbar"};
// The grid's commands (menu 2001), the filter bar's and a few no control knows.
constexpr unsigned kCommands[] = {1057, 2002, 2004, 2008, 2009, 2011, 2012, 2013, 2014, 2015, 2016,
                                  2017, 2018, 2019, 2021, 2022, 2023, 2024, 2025, 2026, 2028, 2029,
                                  2030, 2031, 2032, 2033, 2034, 2035, 2036, 2037, 2038, 2039, 2041,
                                  2042, 2043, 2044, 2045, 2047, 2053, 2054, 2055, 2056, 2057, 2058,
                                  2059, 2060, 2062, 2063, 2064, 3110, 3134, 3135, 3136, 3137, 3138,
                                  3139, 3140, 3141, 32774, 32775, 32780, 32782, 32861, 32862, 32863,
                                  32866, 33030, 33031, 5001, 5010, 61550, 7333, 7365, 1, 65535};
enum class Kind { Edit, DropEdit, List, Check, Time, Button };
struct BarControl {
  const char* member;
  Kind kind;
};
constexpr BarControl kBarControls[] = {
    {"m_btnShowStatus", Kind::Button}, {"m_chkOpenWithSorting", Kind::Check}, {"m_chkOrdStatus", Kind::Check},
    {"m_chkSaveFilter", Kind::Check},  {"m_cmbBuySell", Kind::List},         {"m_cmbExchange", Kind::List},
    {"m_cmbInstType", Kind::List},     {"m_cmbOrderLeg", Kind::List},        {"m_cmbOrderStatus", Kind::List},
    {"m_cmbOrderStyle", Kind::List},   {"m_cmbOrderType", Kind::List},       {"m_cmbProClient", Kind::List},
    {"m_dtpTimeFrom", Kind::Time},     {"m_dtpTimeTill", Kind::Time},        {"m_edtClientCode", Kind::DropEdit},
    {"m_edtExpiry", Kind::Edit},       {"m_edtOptType", Kind::Edit},         {"m_edtProductType", Kind::DropEdit},
    {"m_edtStrategy", Kind::DropEdit}, {"m_edtStrike", Kind::Edit},          {"m_edtSymbol", Kind::Edit},
    {"m_edtUser", Kind::DropEdit},     {"m_edtOrderNo", Kind::Edit}};
constexpr const char* kBarTexts[] = {"", "a", "al", "ALL", "REL", "NIFTY", "29DEC2026", "CE", "24000",
                                     "C00", "%d%%", "x,y", "'; --", "ZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZ"};
constexpr const char* kFilterColumns[] = {"B_S", "Order_Status", "Symbol_ScriptID", "Order_Type",
                                          "Client", "Price", "Server_Entry_Time", "ExchCode", "Mkt_Seg"};
constexpr const char* kSettings[] = {"g_bLastOrderSelection", "g_bKeepUserScroll", "g_iEQNormalMarketStatus",
                                     "g_iFONormalMarketStatus", "bOrderSettings_OrderCancel",
                                     "g_bEnableStartEndTimeInF3F8", "bServerConnect",
                                     "bGeneralSettings_24HrTimeFormat", "bGeneralSettings_Disable_Misc_Ctrl"};

// Text fields of an order with what each holds, for texts at full capacity.
struct TextField {
  const char* name;
  std::size_t capacity;  // characters, the terminator not counted
};
#define ORV_FUZZ_TEXT(field) TextField{#field, sizeof(OrderBookDetails::field) - 1}
constexpr TextField kTextFields[] = {
    ORV_FUZZ_TEXT(Order_Type),  ORV_FUZZ_TEXT(B_S),      ORV_FUZZ_TEXT(Order_Status), ORV_FUZZ_TEXT(OrvelClientId),
    ORV_FUZZ_TEXT(Client),      ORV_FUZZ_TEXT(Client_Name), ORV_FUZZ_TEXT(ExchOrder_No), ORV_FUZZ_TEXT(Strategy),
    ORV_FUZZ_TEXT(Prod_Type),   ORV_FUZZ_TEXT(Order_Style), ORV_FUZZ_TEXT(Pro_Client),   ORV_FUZZ_TEXT(Remarks),
    ORV_FUZZ_TEXT(Error_Discriptions), ORV_FUZZ_TEXT(Validity), ORV_FUZZ_TEXT(Misc)};
#undef ORV_FUZZ_TEXT

std::string FullText(Choices& c, std::size_t capacity) {
  // Characters a format string, a CSV cell or an SQL text would take for their own.
  static constexpr char kAlphabet[] = "AZ09%s,\"';-\t ";
  std::string text(capacity, 'X');
  for (char& ch : text) ch = kAlphabet[c.Below(sizeof kAlphabet - 1)];
  return text;
}

json NewOrder(StepGenerator& g, const std::string& view, std::uint32_t refNo) {
  Choices& c = g.Pick();
  json order{{"RefNo", refNo}, {"B_S", c.Of(kSides)}, {"Order_Type", c.Of(kOrderTypes)},
             {"lOurToken", c.Of(kTokens)}, {"eOrderStatus", c.Of(kStatuses)}};
  const std::int64_t total = c.Of(kQuantities);
  order["Total_Qty"] = total;
  order["Pending_Qty"] = c.Percent(70) ? total : c.Of(kQuantities);
  order["Price"] = c.Of(kPrices);
  if (c.Percent(30)) order["Trig_Price"] = c.Of(kPrices);
  if (c.Percent(40)) order["Client"] = c.Of(kClients);
  if (c.Percent(20)) order["Strategy"] = c.Of(kClients);
  if (c.Percent(20)) order["Pro_Client"] = c.Percent(50) ? "PRO" : "CLI";
  if (c.Percent(10)) order["IOM_RuleNo"] = c.Below(3);
  if (c.Percent(10)) order["pContract"] = nullptr;
  if (c.Percent(15)) {
    const TextField& field = c.Of(kTextFields);
    order[field.name] = FullText(c, field.capacity);
  }
  if (c.Percent(60)) order["dtServerEntryTime"] = c.Percent(90) ? json(c.Of(kDates)) : json(nullptr);
  if (c.Percent(5)) order["dtServerEntryTime"] = "invalid";
  if (view == "gtd" || c.Percent(5)) {
    if (c.Percent(60)) order["iOrvelCode"] = 15512;  // GTT: the orders the GTD book cancels
    if (c.Percent(20)) order["GTDOrderNo"] = c.Percent(50) ? json(UINT64_MAX) : json(refNo + 4294967296ull);
    if (c.Percent(50)) order["dtOrderInitiateTime"] = c.Of(kDates);
  }
  return order;
}

json AddOrders(StepGenerator& g) {
  Choices& c = g.Pick();
  const std::string view = g.View();
  json orders = json::array();
  for (std::uint32_t n = 1 + c.Below(4); n > 0; --n) {
    const std::uint32_t refNo = c.Percent(5) ? g.KnownRefNo(view) : g.FreshRefNo();
    if (c.Percent(15)) {  // a spread order: its order row and leg rows share the RefNo
      json row = NewOrder(g, view, refNo);
      row["eOrderLeg"] = 1;
      row["iOrvelCode"] = 5724;
      row["Order_Status"] = "Spread Pending";
      orders.push_back(row);
      for (std::uint32_t legs = 1 + c.Below(2); legs > 0; --legs) {
        json leg = NewOrder(g, view, refNo);
        leg["eOrderLeg"] = 1;
        leg["iOrvelCode"] = 5724;
        leg["Order_Status"] = "Spread Pending Leg";
        orders.push_back(leg);
      }
    } else {
      orders.push_back(NewOrder(g, view, refNo));
    }
  }
  return {{"do", "orders"}, {"view", view}, {"add", orders}};
}

json Addressed(StepGenerator& g, const std::string& view) {
  const OrderBookDetails* order = g.KnownOrder(view);
  json who{{"RefNo", order ? order->RefNo : g.FreshRefNo()}};
  Choices& c = g.Pick();
  if (!order || order->eOrderLeg != eSpreadLeg) return who;
  switch (c.Below(4)) {
    case 0: who["leg"] = false; break;
    case 1: who["leg"] = true; break;
    case 2: who["legNo"] = 1; break;
    default: break;
  }
  return who;
}

json UpdateOrders(StepGenerator& g) {
  Choices& c = g.Pick();
  const std::string view = g.View();
  json change = Addressed(g, view);
  switch (c.Below(7)) {
    case 0: change["eOrderStatus"] = c.Of(kStatuses); break;
    case 1: change["Pending_Qty"] = c.Of(kQuantities); change["Traded_Qty"] = c.Of(kQuantities); break;
    case 2: change["Price"] = c.Of(kPrices); break;
    case 3: change["lOurToken"] = c.Of(kTokens); break;
    case 4: change["B_S"] = c.Of(kSides); break;
    case 5: change["Order_Type"] = c.Of(kOrderTypes); break;
    default: {
      const TextField& field = c.Of(kTextFields);
      change[field.name] = FullText(c, field.capacity);
    }
  }
  return {{"do", "orders"}, {"view", view}, {"update", change}};
}

json RemoveOrders(StepGenerator& g) {
  const std::string view = g.View();
  json gone = json::array({Addressed(g, view)});
  if (g.Pick().Percent(20)) gone.push_back(Addressed(g, view));
  return {{"do", "orders"}, {"view", view}, {"remove", gone}};
}

json Key(StepGenerator& g) {
  Choices& c = g.Pick();
  json step{{"do", "key"}, {"view", g.View()}, {"key", c.Of(kKeys)}, {"target", c.Of(kKeyTargets)}};
  if (c.Percent(30)) step["shift"] = true;
  if (c.Percent(20)) step["ctrl"] = true;
  if (c.Percent(5)) step["alt"] = true;
  return step;
}

// What the user does to orders: cancel, cancel all, modify, link, the window's own cancel-all and
// F3, with the question's answer queued first now and then.
json Action(StepGenerator& g) {
  Choices& c = g.Pick();
  const std::string view = g.View();
  if (c.Percent(40)) return {{"do", "answer"}, {"answers", json::array({c.Percent(80) ? "yes" : "no"})}};
  switch (c.Below(8)) {
    case 0: return {{"do", "key"}, {"view", view}, {"key", "Delete"}};
    case 1: return {{"do", "key"}, {"view", view}, {"key", "F1"}, {"shift", true}};
    case 2: return {{"do", "key"}, {"view", view}, {"key", "F2"}, {"shift", true}};
    case 3: return {{"do", "key"}, {"view", view}, {"key", "F3"}, {"shift", true}};
    case 4: return {{"do", "key"}, {"view", view}, {"key", "F3"}};
    case 5: return {{"do", "command"}, {"view", view}, {"id", 2064}};
    case 6: return {{"do", "command"}, {"view", view}, {"id", 2012}};
    default: return {{"do", "command"}, {"view", view}, {"id", 33031}};  // clear every filter
  }
}

json Command(StepGenerator& g) {
  Choices& c = g.Pick();
  static constexpr const char* kTargets[] = {"grid", "grid", "window", "filterbar"};
  return {{"do", "command"}, {"view", g.View()}, {"id", c.Of(kCommands)}, {"target", c.Of(kTargets)}};
}

json Menu(StepGenerator& g) {
  Choices& c = g.Pick();
  json step{{"do", "menu"}, {"view", g.View()}};
  if (c.Percent(80)) step["choose"] = c.Of(kCommands);
  if (c.Percent(20)) step["target"] = "filterbar";
  return step;
}

json Column(Choices& c, const std::string& view) {
  if (c.Percent(50)) return c.Of(kFilterColumns);
  return c.Below(view == "gtd" ? 73 : 69);
}

json Header(StepGenerator& g) {
  Choices& c = g.Pick();
  const std::string view = g.View();
  if (c.Percent(50)) return {{"do", "click"}, {"view", view}, {"column", Column(c, view)}};
  json step{{"do", "headermenu"}, {"view", view}, {"column", Column(c, view)}};
  switch (c.Below(4)) {
    case 0: step["ticked"] = json::array({c.Of(kSides), c.Of(kClients)}); break;
    case 1: step["all"] = true; break;
    case 2: {
      static constexpr unsigned kChoices[] = {32861, 32862, 32863, 1057, 32866, 7};
      step["choose"] = c.Of(kChoices);
      break;
    }
    default: break;
  }
  return step;
}

json FilterDialog(StepGenerator& g) {
  Choices& c = g.Pick();
  json step{{"do", "filterdialog"}, {"answer", c.Percent(80) ? "ok" : "cancel"}};
  switch (c.Below(3)) {
    case 0: step["values"] = json::array({c.Of(kSides), "NSE", c.Of(kClients)}); break;
    case 1: step["from"] = c.Of(kDates); step["till"] = c.Of(kDates); break;
    default: step["all"] = true;
  }
  return step;
}

json FilterBar(StepGenerator& g) {
  Choices& c = g.Pick();
  const std::string view = g.View();
  const OrderBookWnd* wnd = g.Host().Window(view == "gtd" ? ViewVariant::GTD : ViewVariant::Pending);
  if (wnd && !wnd->bFilterBarShown && c.Percent(60)) return {{"do", "key"}, {"view", view}, {"key", "S"}, {"shift", true}};
  const BarControl& control = c.Of(kBarControls);
  json step{{"do", "filterbar"}, {"view", view}, {"control", control.member}};
  switch (control.kind) {
    case Kind::DropEdit:
      if (c.Percent(30)) {
        step["dropdown"] = true;
        break;
      }
      [[fallthrough]];
    case Kind::Edit:
      if (c.Percent(20)) step["choose"] = c.Below(4);
      else step["text"] = c.Of(kBarTexts);
      break;
    case Kind::List: step["pick"] = c.Percent(70) ? json(c.Below(6)) : json(c.Of(kBarTexts)); break;
    case Kind::Time: step["time"] = c.Percent(50) ? "09:15:00" : "15:30:00"; break;
    case Kind::Check: step[c.Percent(50) ? "check" : "click"] = true; break;
    case Kind::Button: step["click"] = true; break;
  }
  if (c.Percent(40)) step["leave"] = true;
  return step;
}

json Select(StepGenerator& g) {
  Choices& c = g.Pick();
  const std::string view = g.View();
  const OrderBookGrid* grid = g.Host().Grid(view == "gtd" ? ViewVariant::GTD : ViewVariant::Pending);
  const int rows = grid ? grid->GetVirtualRowCount() : 0;
  json step{{"do", "select"}, {"view", view}};
  if (rows == 0 || c.Percent(10)) {
    step[c.Percent(50) ? "all" : "none"] = true;
    return step;
  }
  auto row = [&] { return static_cast<int>(c.Below(static_cast<std::uint32_t>(rows))); };
  switch (c.Below(4)) {
    case 0: step["row"] = row(); break;
    case 1: step["current"] = {{"row", row()}, {"column", Column(c, view)}}; break;
    default: {
      json ranges = json::array();
      for (std::uint32_t n = 1 + c.Below(3); n > 0; --n)
        ranges.push_back(c.Percent(50) ? json::array({row()}) : json::array({row(), row()}));
      step["ranges"] = ranges;
      if (c.Percent(50)) step["wholeRows"] = true;
    }
  }
  return step;
}

json Answer(StepGenerator& g) {
  static constexpr const char* kAnswers[] = {"yes", "yes", "no", "ok", "cancel"};
  Choices& c = g.Pick();
  if (c.Percent(5)) return {{"do", "answer"}, {"clear", true}};
  return {{"do", "answer"}, {"answers", json::array({c.Of(kAnswers), c.Of(kAnswers)})}};
}

json Run(StepGenerator& g) {
  static constexpr int kMs[] = {0, 1, 10, 50, 60, 60, 120, 1000};
  return {{"do", "run"}, {"ms", g.Pick().Of(kMs)}};
}

json Window(StepGenerator& g) {
  Choices& c = g.Pick();
  const std::string view = g.View();
  const bool open = g.Host().IsOpen(view == "gtd" ? ViewVariant::GTD : ViewVariant::Pending);
  if (!open) return {{"do", "open"}, {"view", view}, {"show", c.Percent(70)}};
  static constexpr const char* kActions[] = {"show", "show", "hide", "hide", "close"};
  return {{"do", c.Of(kActions)}, {"view", view}};
}

json Settings(StepGenerator& g) {
  Choices& c = g.Pick();
  return {{"do", "settings"}, {"set", {{c.Of(kSettings), c.Below(3)}}}};
}

json Exchange(StepGenerator& g) {
  Choices& c = g.Pick();
  const std::string view = g.View();
  return {{"do", "exchange"}, {"view", view}, {"RefNo", g.KnownRefNo(view)},
          {"request", c.Percent(70) ? "cancel" : "modify"}, {"answer", c.Percent(70) ? "confirm" : "reject"}};
}

json Modification(StepGenerator& g) {
  Choices& c = g.Pick();
  if (AppOrderBook::vctModification.empty() && c.Percent(90)) return Run(g);
  return {{"do", "modification"}, {"view", g.View()}, {"price", c.Of(kPrices)}, {"quantity", c.Of(kQuantities)}};
}

json Call(StepGenerator& g) {
  Choices& c = g.Pick();
  const std::string view = g.View();
  static constexpr const char* kPlain[] = {"GetCurSelectedOrders", "GetCurSelectedOrders", "OnCancel",
                                           "OnCancelAll", "OnF3KeyPress", "RefreshData", "FilterGridData",
                                           "FillGridMaster", "AssignOrderDataSourceByOrderStatus",
                                           "OnSavefilterInXML", "OnOrderBookSavefilter"};
  json step{{"do", "call"}, {"view", view}};
  switch (c.Below(4)) {
    case 0: step["name"] = view == "gtd" ? "GTDOrderBooksDeleteAllProcess" : "PendingOrdersDeleteAllProcess"; break;
    case 1:
      step["name"] = "SetFilterParam";
      step["args"] = json::array({Column(c, view), json::array({c.Of(kSides)}), c.Percent(30), true, c.Percent(50)});
      break;
    default: step["name"] = c.Of(kPlain);
  }
  return step;
}

json FileDialog(StepGenerator& g) {
  Choices& c = g.Pick();
  static constexpr const char* kPaths[] = {"orders.csv", "grid.xls", "bulk.txt", "/dev/full", "missing/dir/x.csv"};
  if (c.Percent(20)) return {{"do", "filedialog"}, {"answer", "cancel"}};
  return {{"do", "filedialog"}, {"answer", "ok"}, {"path", c.Of(kPaths)}};
}

// The frame the filter bar scrolls in, narrower or wider than the bar.
json FilterFrame(StepGenerator& g) {
  Choices& c = g.Pick();
  json step{{"do", "filterframe"}, {"view", g.View()}};
  static constexpr const char* kScrolls[] = {"lineleft", "lineright", "pageleft", "pageright", "thumb"};
  switch (c.Below(3)) {
    case 0: step["size"] = json::array({static_cast<int>(c.Below(2400)), static_cast<int>(c.Below(200))}); break;
    case 1:
      step["scroll"] = c.Of(kScrolls);
      if (step["scroll"] == "thumb") step["pos"] = c.Below(2000);
      break;
    default: step["wheel"] = static_cast<int>(c.Below(961)) - 480;
  }
  return step;
}

// A seeded demo book of some hundreds of orders, spreads and orders without contract among them.
json Generate(StepGenerator& g) {
  Choices& c = g.Pick();
  return {{"do", "generate"}, {"view", g.View()}, {"orders", 20 + c.Below(300)}, {"seed", c.Below(1000)},
          {"spreadShare", 0.1}, {"contractlessShare", 0.05}, {"firstRefNo", g.FreshRefNo() + 100000}};
}

struct StepMaker {
  std::uint32_t weight;
  json (*make)(StepGenerator&);
};

constexpr StepMaker kMakers[] = {
    {10, AddOrders}, {8, UpdateOrders}, {5, RemoveOrders}, {10, Key},          {6, Command},
    {4, Menu},       {5, Header},       {2, FilterDialog}, {7, FilterBar},     {9, Select},
    {6, Answer},     {10, Run},         {4, Window},       {2, Settings},      {3, Exchange},
    {2, Modification}, {4, Call},       {1, FileDialog},  {8, Action},      {2, FilterFrame},
    {1, Generate},
};

constexpr std::uint32_t TotalWeight() {
  std::uint32_t total = 0;
  for (const StepMaker& m : kMakers) total += m.weight;
  return total;
}

}  // namespace

std::vector<json> StepGenerator::Opening() {
  std::vector<json> steps;
  steps.push_back({{"do", "contracts"},
                   {"add",
                    json::array({
                        {{"token", 101000002}, {"cExchangeName", "NSE"}, {"Symbol_ScriptID", "RELIANCE"},
                         {"Mkt_Seg", "E"}, {"cPriceFormat", "%.2f"}},
                        {{"token", 102000001}, {"cExchangeName", "NSE"}, {"Symbol_ScriptID", "NIFTY"},
                         {"Mkt_Seg", "F"}, {"Inst_Name", "FUTIDX"}, {"cExpiry", "29DEC2026"}, {"lLotSize", 75},
                         {"cPriceFormat", "%.2f"}},
                        {{"token", 102000002}, {"cExchangeName", "NSE"}, {"Symbol_ScriptID", "NIFTY"},
                         {"Mkt_Seg", "O"}, {"Inst_Name", "OPTIDX"}, {"cExpiry", "29DEC2026"}, {"cStrike", "24000"},
                         {"cOptionType", "CE"}, {"lLotSize", 75}, {"cPriceFormat", "%.2f"}},
                        {{"token", 201000005}, {"cExchangeName", "BSE"}, {"Symbol_ScriptID", "RELAXO"},
                         {"Mkt_Seg", "E"}, {"cPriceFormat", "%.2f"}},
                        {{"token", 401000007}, {"cExchangeName", "MCX"}, {"Symbol_ScriptID", "GOLD"},
                         {"Mkt_Seg", "F"}, {"cExpiry", "05FEB2027"}, {"iPrecision", 0}, {"cPriceFormat", "%.0f"}},
                    })}});
  steps.push_back({{"do", "settings"},
                   {"set",
                    {{"g_bLastOrderSelection", m_choices.Below(2)}, {"g_iEQNormalMarketStatus", 1},
                     {"g_iFONormalMarketStatus", 1}, {"bServerConnect", 1}, {"bOrderSettings_OrderCancel", m_choices.Below(2)},
                     {"lTime", 1797322500}}}});
  steps.push_back({{"do", "open"}, {"view", "pending"}, {"show", true}});
  if (m_choices.Percent(50)) steps.push_back({{"do", "open"}, {"view", "gtd"}, {"show", m_choices.Percent(50)}});
  return steps;
}

json StepGenerator::Next() {
  std::uint32_t pick = m_choices.Below(TotalWeight());
  for (const StepMaker& m : kMakers) {
    if (pick < m.weight) return m.make(*this);
    pick -= m.weight;
  }
  return Run(*this);
}

std::string StepGenerator::View() {
  const bool pending = m_host.IsOpen(ViewVariant::Pending), gtd = m_host.IsOpen(ViewVariant::GTD);
  if (pending != gtd && m_choices.Percent(85)) return pending ? "pending" : "gtd";
  return m_choices.Percent(65) ? "pending" : "gtd";
}

std::uint32_t StepGenerator::KnownRefNo(const std::string& view) {
  const OrderBookDetails* order = KnownOrder(view);
  return order ? order->RefNo : m_lastRefNo + 1;
}

const OrderBookDetails* StepGenerator::KnownOrder(const std::string& view) {
  const ViewVariant variant = view == "gtd" ? ViewVariant::GTD : ViewVariant::Pending;
  if (const OrderBookGrid* grid = m_host.Grid(variant); grid && m_choices.Percent(40)) {
    if (const OrderBookDetails* current = grid->RecordAtRow(grid->GetCurSelItemID().m_nRow)) return current;
  }
  const auto& all = AppOrderBook::Book(variant == ViewVariant::GTD ? BookKind::GTD : BookKind::Pending).vctAll;
  if (all.empty()) return nullptr;
  return all[m_choices.Below(static_cast<std::uint32_t>(all.size()))];
}

}  // namespace orv::fuzz
