#include "ui/qt/TerminalHost.h"

#include "demo/DemoBooks.h"
#include "demo/DemoCatalogue.h"
#include "demo/DemoText.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/EntryPointRegistry.h"
#include "host/GeneralXmlSettings.h"
#include "host/HostLibraries.h"
#include "host/HostMenus.h"
#include "host/HostWindowRegistry.h"
#include "host/OrvEnumsMethods.h"
#include "host/records/OrderEntryPacket.h"
#include "view/GTDOrderBookWnd.h"
#include "view/OrderBookGrid.h"
#include "view/OrvPendingOrdersWnd.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <cstdio>
#include <stdexcept>
#include <system_error>

namespace orv::ui {

namespace pf = orv::platform;
using orv::demo::FieldView;

namespace {

// The client size a window is created with before the dock gives it its own.
constexpr int kCreationWidth = 1000;
constexpr int kCreationHeight = 400;
constexpr int kContracts = 400;

void Build(OrderBookWnd& wnd) {
  wnd.SetClientSize(kCreationWidth, kCreationHeight);
  if (wnd.OnCreate() != 0 || !wnd.GetGrid()) throw std::runtime_error("the order-book window could not be created");
  wnd.SetClientSize(kCreationWidth, kCreationHeight);
  wnd.ShowControlBar(true);
}

// The host whose exchange receives the cancel requests the windows send themselves.
TerminalHost* g_senderHost = nullptr;

int SendCOCOrderToExchange(void* request, double /*exchangeOrderNo*/) {
  return g_senderHost && request ? g_senderHost->SendOrderRequest(request) : 0;
}

std::string Text(const char* format, auto... values) {
  char line[256];
  std::snprintf(line, sizeof line, format, values...);
  return line;
}

}  // namespace

TerminalHost::TerminalHost(pf::Application& app, TerminalOptions options) : m_app(app), m_options(std::move(options)) {}

TerminalHost::~TerminalHost() {
  if (g_senderHost == this) {
    EntryPointRegistry::Instance().Unregister(kMainExecutable, "SendCOCOrderExeFn");
    g_senderHost = nullptr;
  }
  if (m_exchange) m_exchange->Stop();
  if (m_started) {
    // The windows close as the host closes them at exit: each saves its filters when Save Filter
    // is on, or clears what it had saved.
    m_pending->ResetFilterOnClose();
    m_gtd->ResetFilterOnClose();
    SaveSettings();
  }
  m_app.MainWindow().SetHandler({});
  m_gtd.reset();
  m_pending.reset();
  m_exchange.reset();
  AppGlobal::SetLogWriter(nullptr);
  AppGlobal::g_pObjLoginResponse = nullptr;
  if (AppGlobal::m_pExchangeList == &m_exchangeList) AppGlobal::m_pExchangeList = nullptr;
  AppOrderBook::Clear();
  for (BookKind kind : {BookKind::Pending, BookKind::GTD}) AppOrderBook::SetChangeJournal(kind, false);
  InstallContractMaster(nullptr);
}

OrderBookWnd& TerminalHost::Pending() const { return *m_pending; }
OrderBookWnd& TerminalHost::Gtd() const { return *m_gtd; }

void TerminalHost::Start(const orv::demo::GenerationProgress& progress) {
  if (m_started) return;
  m_dataFolder = std::filesystem::absolute(m_options.dataFolder);
  std::error_code ec;
  std::filesystem::create_directories(m_dataFolder / "Logs", ec);
  if (ec) throw std::runtime_error("cannot create the data folder " + m_dataFolder.string() + ": " + ec.message());
  OrvStorageEnvironment::CustomAppPath = m_dataFolder.string();
  m_log.SetFolder(m_dataFolder / "Logs");
  AppGlobal::SetLogWriter(&m_log);
  HostLibraries::RegisterDefaults();
  g_senderHost = this;
  EntryPointRegistry::Instance().Register(kMainExecutable, "SendCOCOrderExeFn", &SendCOCOrderToExchange);
  // The grid's header filter menu is the host's own resource.
  HostMenus::RegisterHostMenus(m_app.Resources());

  const GeneralXmlSettings::Result loaded = regGeneralXMLSettings.Load(SettingsFile());
  switch (loaded.status) {
    case GeneralXmlSettings::Status::Ok:
      m_settingsStatus = "settings read from " + SettingsFile().string();
      break;
    case GeneralXmlSettings::Status::Missing:
      m_settingsStatus = "new settings file " + SettingsFile().string();
      break;
    default:
      // The defaults are in force; the unreadable file was kept aside by the loader.
      m_settingsStatus = "settings file unreadable (" + loaded.message + "); defaults in use";
      m_log.Write("ZARUClientGeneralLogs", m_settingsStatus);
      break;
  }

  m_login.setUserId("DLR01");
  m_login.setAllClients(1);
  AppGlobal::g_pObjLoginResponse = &m_login;
  AppGlobal::cOrderSettings_MarketType = "All";
  AppGlobal::cGeneralSettings_OrderBook = "All";
  // The selection follows the orders through every refresh, but the view goes where the user
  // scrolls unless they asked it to follow the selected order; cancels ask first.
  AppGlobal::g_bLastOrderSelection = 1;
  AppGlobal::g_bKeepUserScroll = regGeneralXMLSettings.iFollowSelectedOrder == 1 ? 0 : 1;
  AppGlobal::bOrderSettings_OrderCancel = 1;
  AppGlobal::bServerConnect = 1;
  OfferDemoExchanges();

  // A live terminal trades today: the orders carry today's date, as the filter bar's time range
  // (built on the host's date) and the header date filters expect.
  const auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  const orv::demo::DemoDate today{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};

  const auto started = std::chrono::steady_clock::now();
  orv::demo::GenerateDemoBooks(m_master, m_options.seed, m_options.orders, kContracts, progress, today);
  // The exchange names every record it changes, so the grids re-check only those.
  for (BookKind kind : {BookKind::Pending, BookKind::GTD}) AppOrderBook::SetChangeJournal(kind, true);
  m_generationSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

  m_pending = std::make_unique<OrvPendingOrdersWnd>();
  m_wndPendingOrder = m_pending.get();
  m_gtd = std::make_unique<GTDOrderBookWnd>();
  m_wndGTDOrderBook = m_gtd.get();
  Build(*m_pending);
  Build(*m_gtd);

  orv::demo::ExchangeFlowSpec flow;
  flow.changesPerSecond = m_options.rate;
  flow.seed = m_options.seed;
  flow.tradingDay = today;
  flow.startSecondOfDay = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
  m_exchange = std::make_unique<orv::demo::SimulatedExchange>(m_master, flow);
  if (!m_exchange->Start()) throw std::runtime_error("the simulated exchange could not start its timer");
  m_started = true;
}

void TerminalHost::SetFollowSelectedOrder(bool follow) {
  AppGlobal::g_bKeepUserScroll = follow ? 0 : 1;
  regGeneralXMLSettings.iFollowSelectedOrder = follow ? 1 : 0;
}

void TerminalHost::OfferDemoExchanges() {
  // The user may trade every exchange the demo markets list, in the catalogue's order; the filter
  // bars offer them, and their time ranges can be chosen.
  m_exchangeList.clear();
  for (const orv::demo::MarketInfo& market : orv::demo::DemoCatalogue::Markets()) {
    const std::string name(market.exchangeName);
    if (std::find(m_exchangeList.begin(), m_exchangeList.end(), name) == m_exchangeList.end())
      m_exchangeList.push_back(name);
  }
  AppGlobal::m_pExchangeList = &m_exchangeList;
  AppGlobal::bNSE_Exchange = AppGlobal::g_bNSEFO_Exchange = AppGlobal::bBSE_Exchange = AppGlobal::g_bBSE_FO_Exchange = 1;
  AppGlobal::g_bMCX_Exchange = AppGlobal::bNCDEX_Exchange = AppGlobal::m_bNSECurrency_Exchange = 1;
  AppGlobal::g_bCME_Exchange = AppGlobal::g_bMCXSX_EQ_EXCHANGE = AppGlobal::g_bMCXSX_FO_EXCHANGE = 1;
  AppGlobal::g_bEnableStartEndTimeInF3F8 = 1;
}

bool TerminalHost::FollowsSelectedOrder() { return AppGlobal::g_bKeepUserScroll == 0; }

bool TerminalHost::HostF3(OrderBookWnd& wnd) {
  OrderBookGrid* grid = wnd.GetGrid();
  const pf::GridItemID current = grid ? grid->GetCurSelItemID() : pf::GridItemID{};
  if (const OrderBookDetails* record = grid && !current.IsNull() ? grid->RecordAtRow(current.m_nRow) : nullptr)
    wnd.BuySellTotals().SetStoredToken(std::to_string(record->lOurToken));
  return wnd.OnF3KeyPress();
}

bool TerminalHost::SaveSettings() {
  // To the file read at start, and not at all when it could not be read: the user's settings in
  // it would be lost.
  const GeneralXmlSettings::Result saved = regGeneralXMLSettings.SaveGeneralSettings();
  if (!saved.ok()) m_log.Write("ZARUClientGeneralLogs", "settings not saved: " + saved.message);
  return saved.ok();
}

std::string TerminalHost::RequestName(int requestId) {
  switch (requestId) {
    case 5902: return "Log Off";
    case 10001: return "Market Picture (By Price)";
    case 10002: return "Market Picture (By Order)";
    case 10050: return "Spread Market Picture";
    case 10023: return "Trades";
    case 10059: return "Market By Aggregate";
    case 20001: return "Link To IOB";
    default: return "Request " + std::to_string(requestId);
  }
}

std::string TerminalHost::WindowName(int identity) {
  switch (identity) {
    case 10005: return "Pending Orders";
    case 50093: return "GTD Order Book";
    default: return identity == 0 ? "the terminal" : "window " + std::to_string(identity);
  }
}

std::string TerminalHost::ContractText(std::int32_t token) const {
  const ScriptDesc* c = m_master.Find(token);
  if (!c) return token == 0 ? std::string("-") : "token " + std::to_string(token);
  std::string text(FieldView(c->cExchangeName));
  for (std::string_view part : {FieldView(c->Symbol_ScriptID), FieldView(c->Inst_Name), FieldView(c->cExpiry),
                                FieldView(c->cStrike), FieldView(c->cOptionType)}) {
    if (part.empty()) continue;
    text += ' ';
    text += part;
  }
  return text + " (" + std::to_string(token) + ")";
}

std::string TerminalHost::OrderLine(const OrderBookDetails& row) const {
  return Text("%u  %s %d @ %.2f  %s  %s", row.RefNo, row.B_S, row.Total_Qty, row.Price,
              ContractText(row.lOurToken).c_str(), row.Order_Status);
}

HostAction TerminalHost::HandleRequest(const WindowPassing& request) const {
  HostAction action;
  const std::string name = RequestName(request.nRequestId);
  const std::string from = WindowName(request.nRequestFrom);
  if (request.nRequestId == 5902) {
    action.statusLine = "Log off requested from " + from;
    return action;
  }
  action.statusLine = name + " requested from " + from;
  action.windowTitle = name;
  action.windowText = name + "\nRequested from " + from + "\n";
  switch (request.nRequestId) {
    case 10001:
    case 10002:
    case 10059:
      action.windowText += "Contract: " + ContractText(request.nParam1) + "\n";
      break;
    case 10050:
      action.windowText += "Near leg: " + ContractText(request.nParam1) + "\nFar leg: " + ContractText(request.nParam2) + "\n";
      break;
    case 20001: {
      action.windowText += Text("Orders to link: %zu, total quantity %ld\n", AppOrderBook::objOrderBook_IOBLinkOrder.size(),
                                AppGlobal::lTotalQty);
      for (std::uint32_t key : AppOrderBook::objOrderBook_IOBLinkOrder)
        if (const auto* rows = AppOrderBook::m_mapAllOrders.find(key); rows && !rows->empty())
          action.windowText += OrderLine(*rows->front()) + "\n";
      break;
    }
    case 10023: {
      // The request names no order: the host reads the requesting grid's current row.
      const OrderBookDetails* row = nullptr;
      for (const OrderBookWnd* wnd : {static_cast<const OrderBookWnd*>(m_pending.get()),
                                      static_cast<const OrderBookWnd*>(m_gtd.get())}) {
        const OrderBookGrid* grid = wnd ? wnd->GetGrid() : nullptr;
        if (grid && static_cast<const void*>(grid) == request.pRequestWnd)
          row = grid->RecordAtRow(grid->GetCurSelItemID().m_nRow);
      }
      if (!row) {
        action.windowText += "No order selected\n";
        break;
      }
      action.windowText += OrderLine(*row) + "\n";
      action.windowText += row->Traded_Qty > 0 ? Text("Traded %d of %d at an average of %.2f\n", row->Traded_Qty,
                                                      row->Total_Qty, row->Avg_Price)
                                               : std::string("No trades yet\n");
      break;
    }
    default:
      action.windowText += Text("Parameters: %d, %d, %.2f\n", request.nParam1, request.nParam2, request.dParam);
      break;
  }
  return action;
}

HostAction TerminalHost::Cancel(BookKind kind) {
  std::vector<std::uint32_t>& list = AppOrderBook::Book(kind).vctCancellation;
  const std::vector<std::uint32_t> keys = list;
  // The host has read the list; what the module collects next starts afresh.
  list.clear();
  HostAction action;
  if (keys.empty()) return action;
  const int accepted = m_exchange ? m_exchange->RequestCancel(kind, keys) : 0;
  const std::string book = kind == BookKind::Pending ? "Pending" : "GTD";
  action.statusLine = Text("%s: cancellation sent for %d order(s)", book.c_str(), accepted);
  if (accepted < static_cast<int>(keys.size()))
    action.statusLine += Text(", %d refused (no longer open)", static_cast<int>(keys.size()) - accepted);
  m_log.Write("OrderRequest", action.statusLine);
  return action;
}

int TerminalHost::SendOrderRequest(const void* request) {
  ORVEL_ORDER_ENTRY entry;
  if (m_modifying) {
    // The window sends modifications as order-entry packets only (spread orders go to the spread
    // sender, which this host does not offer).
    std::memcpy(entry.data(), request, ORVEL_ORDER_ENTRY::kSize);
    return SendModification(entry) ? 1 : 0;
  }
  // Both packets a window sends (order entry and spread request) carry our order number at the
  // same place, and both are longer than that: read no further.
  std::memcpy(entry.data(), request, ORVEL_ORDER_ENTRY::kOurOrderNo + sizeof(std::uint32_t));
  const std::uint32_t key = entry.ourOrderNo();
  const BookKind kind = AppOrderBook::m_mapAllOrders.find(key) ? BookKind::Pending : BookKind::GTD;
  const int accepted = m_exchange ? m_exchange->RequestCancel(kind, {key}) : 0;
  ++m_windowCancelsSent;
  if (!accepted) ++m_windowCancelsRefused;
  return accepted;
}

bool TerminalHost::SendModification(const ORVEL_ORDER_ENTRY& request) {
  orv::demo::SimulatedExchange::ModifyRequest change;
  change.price = request.price();
  change.triggerPrice = request.triggerPrice();
  change.quantity = request.quantity();
  change.disclosedQuantity = request.get<std::int32_t>(ORVEL_ORDER_ENTRY::kQuantity98);
  const bool taken = m_exchange && m_exchange->RequestModify(BookKind::Pending, request.ourOrderNo(), change);
  if (taken) ++m_modificationsSent;
  m_history[request.ourOrderNo()].push_back(Text("Modification %s: price %.2f, trigger %.2f, quantity %d, disclosed %d",
                                                 taken ? "sent" : "refused (order not open)", change.price,
                                                 change.triggerPrice, change.quantity, change.disclosedQuantity));
  return taken;
}

bool TerminalHost::ModificationStart(ModificationValues& out) const {
  const auto& keys = AppOrderBook::vctModification;
  if (keys.empty()) return false;
  const auto* rows = AppOrderBook::m_mapAllOrders.find(keys.front());
  if (!rows || rows->empty()) return false;
  const OrderBookDetails& r = *rows->front();
  out = {r.Price, r.Trig_Price, r.Total_Qty, r.Disclose_Qty};
  return true;
}

HostAction TerminalHost::ApplyModification(const ModificationValues& values) {
  HostAction action;
  std::vector<std::uint32_t>& list = AppOrderBook::vctModification;
  const auto* rows = list.empty() ? nullptr : AppOrderBook::m_mapAllOrders.find(list.front());
  if (!rows || rows->empty()) {
    action.statusLine = "Nothing to modify";
    return action;
  }
  const OrderBookDetails& first = *rows->front();
  ORVEL_ORDER_ENTRY changed = first.objOrderEntry;
  changed.setOurOrderNo(first.RefNo);
  changed.setPrice(values.price);
  changed.setTriggerPrice(values.triggerPrice);
  changed.set(ORVEL_ORDER_ENTRY::kQuantity106, values.quantity);
  changed.setQuantity(values.quantity);
  const std::int32_t disclosed = std::min(values.disclosedQuantity, values.quantity);
  changed.set(ORVEL_ORDER_ENTRY::kQuantity98, disclosed);
  changed.set(ORVEL_ORDER_ENTRY::kQuantity102, disclosed);
  const std::uint64_t before = m_modificationsSent;
  const std::size_t listed = list.size();
  SendModification(changed);
  m_modifying = true;
  try {
    m_pending->MultipleRowModifying(&changed);
  } catch (...) {
    // The window swallows its own errors; this only keeps the flag honest.
  }
  m_modifying = false;
  list.clear();  // consumed: the next Modify lists afresh
  const auto sent = static_cast<std::size_t>(m_modificationsSent - before);
  action.statusLine = Text("Modification sent for %zu of %zu order(s)", sent, listed);
  m_log.Write("OrderRequest", action.statusLine);
  return action;
}

HostAction TerminalHost::Modification() const {
  HostAction action;
  action.modificationWindow = true;
  const auto& keys = AppOrderBook::vctModification;
  action.statusLine = Text("Modification requested for %zu order(s)", keys.size());
  action.windowTitle = "Modify Order";
  action.windowText = Text("Orders to modify: %zu\n", keys.size());
  for (std::uint32_t key : keys)
    if (const auto* rows = AppOrderBook::m_mapAllOrders.find(key); rows && !rows->empty())
      action.windowText += OrderLine(*rows->front()) + "\n";
  return action;
}

HostAction TerminalHost::OrderHistory() const {
  const SingleOrderDetail& d = AppGlobal::m_objSingleOrderDetail;
  const std::uint32_t refNo = d.get<std::uint32_t>(0);
  HostAction action;
  action.statusLine = Text("Order history requested for order %u", refNo);
  action.windowTitle = "Order History";
  auto field = [&](std::size_t offset, std::size_t width) { return std::string(d.text(offset, width + 1)); };
  action.windowText = Text("Order %u\n", refNo) + "Symbol: " + field(4, 11) + "  " + field(16, 10) + "  " +
                      field(27, 14) + "  " + field(42, 3) + "\nExchange order: " + field(46, 49) +
                      "\nSide: " + field(96, 4) + "\n";
  if (const auto* rows = AppOrderBook::m_mapAllOrders.find(refNo); rows && !rows->empty()) {
    const OrderBookDetails& r = *rows->front();
    action.windowText += Text("Status: %s, traded %d of %d, last change %s\n", r.Order_Status, r.Traded_Qty,
                              r.Total_Qty, r.Last_Modified.c24Hr);
  }
  if (const auto it = m_history.find(refNo); it != m_history.end())
    for (const std::string& line : it->second) action.windowText += line + "\n";
  return action;
}

HostAction TerminalHost::Handle(const pf::PostedMessage& message) {
  switch (message.msg) {
    case kMsgPendingCancel:
      return Cancel(BookKind::Pending);
    case kMsgGtdCancel:
      return Cancel(BookKind::GTD);
    case kMsgWindowPassing: {
      // wParam carries the address of the host's request record; it is read at once, before the
      // module can reuse the record for its next request.
      const auto* record = reinterpret_cast<const WindowPassing*>(message.wParam);
      return HandleRequest(record ? *record : AppGlobal::objWindowPassing);
    }
    case kMsgModificationRequest:
      return Modification();
    case kMsgSingleOrderHistory:
      return OrderHistory();
    default:
      return {};
  }
}

std::vector<WindowPassing> TerminalHost::TakeQueuedRequests() {
  std::vector<WindowPassing> requests;
  WindowPassing request;
  while (OrvInMemory::m_orvWindowPassingQueue.TakeNext(request)) requests.push_back(request);
  return requests;
}

}  // namespace orv::ui
