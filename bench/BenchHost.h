#pragma once
// What the benchmarks here start from: a fresh host with a logged-in dealer and a seeded contract
// master, and a Pending view built and shown over the store's book.
#include "demo/ContractMasterGenerator.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/ContractMaster.h"
#include "host/GeneralXmlSettings.h"
#include "host/HostLibraries.h"
#include "view/OrvPendingOrdersGrid.h"
#include "view/OrvPendingOrdersWnd.h"

#include <memory>

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

}  // namespace bench
