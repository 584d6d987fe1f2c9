#pragma once
// What the benchmarks here start from: a fresh host with a logged-in dealer and a seeded contract
// master, and a Pending view built and shown over the store's book.
#include "demo/ContractMasterGenerator.h"
#include "demo/OrderBookGenerator.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/ContractMaster.h"
#include "host/GeneralXmlSettings.h"
#include "host/HostLibraries.h"
#include "host/platform/Application.h"
#include "view/OrvPendingOrdersGrid.h"
#include "view/OrvPendingOrdersWnd.h"

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace bench {

// One book at a time (the store is global): built on first use, rebuilt when the arguments change.
template <typename Book>
Book& Cached(int orders, bool shuffled) {
  static std::unique_ptr<Book> book;
  static int lastOrders = -1;
  static bool lastShuffled = false;
  if (!book || lastOrders != orders || lastShuffled != shuffled) {
    book.reset();
    book = std::make_unique<Book>(orders, shuffled);
    lastOrders = orders;
    lastShuffled = shuffled;
  }
  return *book;
}

// A generated Pending book in the store (seed 11); `shuffled` leaves the pointers in the order a
// previous sort would, so every record read is a cache miss.
inline void GeneratePendingBook(CScriptDesc& master, int orders, bool shuffled, std::vector<std::string> clients = {}) {
  orv::demo::OrderBookSpec spec;
  spec.orders = orders;
  spec.seed = 11;
  spec.kind = BookKind::Pending;
  spec.clients = std::move(clients);
  orv::demo::GenerateOrders(spec, master);
  auto& displayed = AppOrderBook::vctDisplayedOrderBook;
  if (shuffled) std::shuffle(displayed.begin(), displayed.end(), std::mt19937_64(5));
}

inline void StartHost(ORVEL5901& login, CScriptDesc& master) {
  AppGlobal::ResetForTests();
  AppOrderBook::Clear();
  regGeneralXMLSettings.ResetToDefaults();
  HostLibraries::RegisterDefaults();
  login.setUserId("DLR01");
  AppGlobal::g_pObjLoginResponse = &login;
  orv::demo::GenerateContracts(master, 11, 400);
  InstallContractMaster(&master);
}

inline void ShowPendingView(OrvPendingOrdersWnd& wnd, OrvPendingOrdersGrid& grid) {
  wnd.CreateNative(nullptr);
  unsigned panes[11] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  wnd.GetStatusBar()->SetIndicators(panes);
  grid.CreateNative(&wnd);
  grid.SetOwnerWnd(&wnd);
  grid.OnCreate();
  wnd.ShowControlBar(true);
}

inline void StopHost(OrvPendingOrdersGrid* grid) {
  if (grid) grid->KillTimer(10150);
  AppOrderBook::Clear();
  InstallContractMaster(nullptr);
  AppGlobal::g_pObjLoginResponse = nullptr;
}

// A fresh host with a logged-in dealer and the seeded master, and a Pending view to show over the
// book once it is generated; stopped and emptied when it goes.
class PendingViewHost {
 public:
  PendingViewHost() { StartHost(m_login, m_master); }
  ~PendingViewHost() { StopHost(&m_grid); }
  PendingViewHost(const PendingViewHost&) = delete;
  PendingViewHost& operator=(const PendingViewHost&) = delete;

  void Show() { ShowPendingView(m_wnd, m_grid); }
  CScriptDesc& Master() { return m_master; }
  OrvPendingOrdersGrid& Grid() { return m_grid; }

 private:
  orv::platform::Application m_app;
  orv::platform::ApplicationScope m_scope{m_app};
  ORVEL5901 m_login;
  CScriptDesc m_master;
  OrvPendingOrdersWnd m_wnd;
  OrvPendingOrdersGrid m_grid;
};

}  // namespace bench
