#pragma once
// A view as the host builds it: an application on this thread, a fresh host, a small contract
// master and both windows created (each creates its grid) and shown.
#include "host/ContractMaster.h"
#include "host/platform/Application.h"
#include "support/HostReset.h"
#include "view/GTDOrderBookGrid.h"
#include "view/GTDOrderBookWnd.h"
#include "view/OrvPendingOrdersGrid.h"
#include "view/OrvPendingOrdersWnd.h"

#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class ViewHarness {
 public:
  static constexpr std::int32_t kNiftyFut = 102000001;   // NSE derivatives
  static constexpr std::int32_t kReliance = 101000002;   // NSE equity
  static constexpr std::int32_t kBseOfs = 206000003;     // BSE segment 6
  // The client size the host gives each window before creating it.
  static constexpr int kClientWidth = 1000;
  static constexpr int kClientHeight = 400;

  ViewHarness() {
    ResetHostForTest();
    m_login.setUserId("DLR01");
    m_login.setAllClients(1);
    AppGlobal::g_pObjLoginResponse = &m_login;
    AppGlobal::cOrderSettings_MarketType = "All";
    AppGlobal::cGeneralSettings_OrderBook = "All";
    AddContract(kNiftyFut, "NSE", "NIFTY", "F", 75, "%.2f");
    AddContract(kReliance, "NSE", "RELIANCE", "E", 1, "%.2f");
    ScriptDesc* ofs = AddContract(kBseOfs, "BSE", "OFSCO", "E", 1, "%.2f");
    ofs->nSegment = 6;
    InstallContractMaster(&m_master);
  }
  ~ViewHarness() {
    m_gtd.reset();
    m_pending.reset();
    ResetHostForTest();
    InstallContractMaster(nullptr);
  }

  ScriptDesc* AddContract(std::int32_t token, const char* exchange, const char* symbol, const char* segment, int lot,
                          const char* format) {
    ScriptDesc d;
    d.lToken = token;
    CopyText(d.cExchangeName, exchange);
    CopyText(d.Symbol_ScriptID, symbol);
    CopyText(d.Mkt_Seg, segment);
    d.lLotSize = lot;
    CopyText(d.cPriceFormat, format);
    return m_master.Add(d);
  }

  // A pending buy order on NIFTY futures unless changed by `edit`.
  template <typename Edit>
  OrderBookDetails* AddOrder(BookKind kind, std::uint32_t refNo, Edit edit) {
    OrderBookDetails r;
    r.RefNo = refNo;
    r.GTDOrderNo = refNo;
    r.eOrderStatus = ePending;
    CopyText(r.Order_Status, "Pending");
    CopyText(r.B_S, "BUY");
    CopyText(r.Order_Type, "RL");
    r.lOurToken = kNiftyFut;
    r.pContract = m_master.Find(kNiftyFut);
    r.Total_Qty = r.Pending_Qty = 75;
    r.Price = 100.0 + refNo;
    edit(r);
    return AppOrderBook::AddOrder(kind, r);
  }
  OrderBookDetails* AddOrder(BookKind kind, std::uint32_t refNo) {
    return AddOrder(kind, refNo, [](OrderBookDetails&) {});
  }

  OrvPendingOrdersGrid& Pending() {
    if (!m_pending) {
      m_pending = std::make_unique<OrvPendingOrdersWnd>();
      Build(*m_pending);
    }
    return static_cast<OrvPendingOrdersGrid&>(*m_pending->GetGrid());
  }
  GTDOrderBookGrid& Gtd() {
    if (!m_gtd) {
      m_gtd = std::make_unique<GTDOrderBookWnd>();
      Build(*m_gtd);
    }
    return static_cast<GTDOrderBookGrid&>(*m_gtd->GetGrid());
  }
  OrvPendingOrdersWnd& PendingWnd() { Pending(); return *m_pending; }
  // Closes a variant's window as the user does (its filters saved or cleared first); the next
  // Pending() or Gtd() opens a new one against the same settings.
  void CloseWindow(ViewVariant variant) {
    std::unique_ptr<OrderBookWnd> wnd;
    if (variant == ViewVariant::Pending) wnd = std::move(m_pending);
    else wnd = std::move(m_gtd);
    if (wnd) wnd->ResetFilterOnClose();
  }
  GTDOrderBookWnd& GtdWnd() { Gtd(); return *m_gtd; }
  OrderBookWnd& Wnd(ViewVariant variant) {
    return variant == ViewVariant::Pending ? static_cast<OrderBookWnd&>(PendingWnd()) : GtdWnd();
  }

  // The variant's grid with every row shown (no filter, newest on top) and no box recorded yet.
  OrderBookGrid& ShowAllRows(ViewVariant variant = ViewVariant::Pending) {
    OrderBookGrid& grid = variant == ViewVariant::Pending ? static_cast<OrderBookGrid&>(Pending())
                                                          : static_cast<OrderBookGrid&>(Gtd());
    grid.ClearFilter(-1);
    grid.FilterGridData();
    Run();
    m_app.MessageBoxes().ClearShown();
    return grid;
  }

  // Replaces the selection with rows top to bottom, as a click and a Shift+click do.
  static void SelectRows(OrderBookGrid& grid, int top, int bottom) {
    grid.SetCurSel({top, 0}, orv::platform::kSelSingleRow, false);
    grid.SetCurSel({bottom, 0}, orv::platform::kSelRowRangeEnd, true);
  }
  // The RefNos of the rows a grid shows, top row first.
  static std::vector<std::uint32_t> RowRefNos(const OrderBookGrid& grid) {
    std::vector<std::uint32_t> out;
    for (int r = 0; r < grid.GetVirtualRowCount(); ++r) out.push_back(grid.RecordAtRow(r)->RefNo);
    return out;
  }
  // Every message box shown so far, as "text | caption".
  std::vector<std::string> BoxesShown() {
    std::vector<std::string> out;
    for (const auto& b : m_app.MessageBoxes().Shown()) out.push_back(b.text + " | " + b.caption);
    return out;
  }

  // Lets the event loop run: timers fire and the grids rebuild.
  void Run(int ms = 60) { m_app.Loop().advance(ms); }

  orv::platform::Application& App() { return m_app; }
  CScriptDesc& Master() { return m_master; }

 private:
  // The host creates the bar with its size, sends the size message that ends a native creation,
  // and shows the bar.
  void Build(OrderBookWnd& wnd) {
    wnd.SetClientSize(kClientWidth, kClientHeight);
    if (wnd.OnCreate() != 0 || !wnd.GetGrid()) throw std::runtime_error("the view window was not created");
    wnd.SetClientSize(kClientWidth, kClientHeight);
    wnd.ShowControlBar(true);
  }

  orv::platform::Application m_app;
  orv::platform::ApplicationScope m_scope{m_app};
  ORVEL5901 m_login;
  CScriptDesc m_master;
  std::unique_ptr<OrvPendingOrdersWnd> m_pending;
  std::unique_ptr<GTDOrderBookWnd> m_gtd;
};
