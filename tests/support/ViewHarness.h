#pragma once
// A view as the host builds it: an application on this thread, a fresh host, a small contract
// master and both windows with their grids created and shown.
#include "host/ContractMaster.h"
#include "host/platform/Application.h"
#include "support/HostReset.h"
#include "view/GTDOrderBookGrid.h"
#include "view/GTDOrderBookWnd.h"
#include "view/OrvPendingOrdersGrid.h"
#include "view/OrvPendingOrdersWnd.h"

#include <cstring>
#include <memory>
#include <string>

class ViewHarness {
 public:
  static constexpr std::int32_t kNiftyFut = 102000001;   // NSE derivatives
  static constexpr std::int32_t kReliance = 101000002;   // NSE equity
  static constexpr std::int32_t kBseOfs = 206000003;     // BSE segment 6

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
    m_gtdGrid.reset();
    m_gtd.reset();
    m_pendingGrid.reset();
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
      m_pendingGrid = std::make_unique<OrvPendingOrdersGrid>();
      Build(*m_pending, *m_pendingGrid);
    }
    return *m_pendingGrid;
  }
  GTDOrderBookGrid& Gtd() {
    if (!m_gtd) {
      m_gtd = std::make_unique<GTDOrderBookWnd>();
      m_gtdGrid = std::make_unique<GTDOrderBookGrid>();
      Build(*m_gtd, *m_gtdGrid);
    }
    return *m_gtdGrid;
  }
  OrvPendingOrdersWnd& PendingWnd() { Pending(); return *m_pending; }
  GTDOrderBookWnd& GtdWnd() { Gtd(); return *m_gtd; }

  // Lets the event loop run: timers fire and the grids rebuild.
  void Run(int ms = 60) { m_app.Loop().advance(ms); }

  orv::platform::Application& App() { return m_app; }
  CScriptDesc& Master() { return m_master; }

 private:
  void Build(OrderBookWnd& wnd, OrderBookGrid& grid) {
    wnd.CreateNative(nullptr);
    unsigned panes[11] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    wnd.GetStatusBar()->SetIndicators(panes);
    grid.CreateNative(&wnd);
    grid.SetOwnerWnd(&wnd);
    grid.OnCreate();
    wnd.ShowControlBar(true);
  }

  orv::platform::Application m_app;
  orv::platform::ApplicationScope m_scope{m_app};
  ORVEL5901 m_login;
  CScriptDesc m_master;
  std::unique_ptr<OrvPendingOrdersWnd> m_pending;
  std::unique_ptr<OrvPendingOrdersGrid> m_pendingGrid;
  std::unique_ptr<GTDOrderBookWnd> m_gtd;
  std::unique_ptr<GTDOrderBookGrid> m_gtdGrid;
};
