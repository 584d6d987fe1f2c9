// Headless demo: builds a terminal's host around the order-book module, fills both books with a
// seeded demo book, constructs both windows and prints what they are working with.
#include "demo/BookSummary.h"
#include "demo/DemoBooks.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/ContractMaster.h"
#include "host/GlobalFunctions.h"
#include "host/HostLibraries.h"
#include "host/LogWriter.h"
#include "host/platform/Application.h"
#include "view/GTDOrderBookGrid.h"
#include "view/GTDOrderBookWnd.h"
#include "view/OrvPendingOrdersGrid.h"
#include "view/OrvPendingOrdersWnd.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

struct Options {
  int orders = 20000;
  std::uint32_t seed = 7;
  std::string logFolder = "out/logs";
};

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto next = [&](const char* what) -> const char* {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "orvdemo: %s needs a value\n", what);
        return nullptr;
      }
      return argv[++i];
    };
    if (arg == "--orders") {
      const char* v = next("--orders");
      if (!v) return false;
      options.orders = std::atoi(v);
      if (options.orders < 0 || options.orders > 5000000) {
        std::fprintf(stderr, "orvdemo: --orders takes 0 to 5000000\n");
        return false;
      }
    } else if (arg == "--seed") {
      const char* v = next("--seed");
      if (!v) return false;
      options.seed = static_cast<std::uint32_t>(std::strtoul(v, nullptr, 10));
    } else if (arg == "--logs") {
      const char* v = next("--logs");
      if (!v) return false;
      options.logFolder = v;
    } else if (arg == "--help" || arg == "-h") {
      std::printf("usage: orvdemo [--orders N] [--seed S] [--logs FOLDER]\n");
      std::exit(0);
    } else {
      std::fprintf(stderr, "orvdemo: unknown option %s (try --help)\n", arg.c_str());
      return false;
    }
  }
  return true;
}

void PrintSummary(const char* title, BookKind kind) {
  orv::demo::BookSummary s = orv::demo::Summarise(kind);
  std::printf("%s: %d rows, %d spread orders\n", title, s.rows, s.spreadOrders);
  std::printf("  by status:  ");
  for (const auto& [status, count] : s.byStatus) std::printf(" %s=%d", status.c_str(), count);
  std::printf("\n  by exchange:");
  for (const auto& [exchange, count] : s.byExchange) std::printf(" %s=%d", exchange.c_str(), count);
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) return 2;

  orv::platform::Application app;
  orv::platform::ApplicationScope scope(app);
  std::filesystem::create_directories(options.logFolder);
  LogWriter log(options.logFolder);
  AppGlobal::SetLogWriter(&log);
  HostLibraries::RegisterDefaults();

  ORVEL5901 login;
  login.setUserId("DLR01");
  login.setAllClients(1);
  AppGlobal::g_pObjLoginResponse = &login;
  AppGlobal::cOrderSettings_MarketType = "All";
  AppGlobal::cGeneralSettings_OrderBook = "All";

  auto started = std::chrono::steady_clock::now();
  CScriptDesc master;
  orv::demo::GenerateDemoBooks(master, options.seed, options.orders);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

  std::printf("orvbook headless demo: seed %u, %zu contracts, books generated in %.2f s\n", options.seed,
              master.Count(), seconds);
  PrintSummary("Pending Orders", BookKind::Pending);
  PrintSummary("GTD Order Book", BookKind::GTD);

  auto* pendingWnd = new OrvPendingOrdersWnd;
  m_wndPendingOrder = pendingWnd;
  auto* gtdWnd = new GTDOrderBookWnd;
  m_wndGTDOrderBook = gtdWnd;
  pendingWnd->CreateNative(nullptr);
  gtdWnd->CreateNative(nullptr);
  OrvPendingOrdersGrid pendingGrid;
  GTDOrderBookGrid gtdGrid;
  pendingGrid.SetOwnerWnd(pendingWnd);
  gtdGrid.SetOwnerWnd(gtdWnd);

  std::printf("windows: %s (identity %d, grid %d, binding %s), %s (identity %d, grid %d, binding %s)\n",
              pendingWnd->Variant().cWndClass.data(), pendingWnd->Variant().nWindowIdentity, pendingGrid.GetGridId(),
              pendingWnd->IsBindingComplete() ? "complete" : "failed", gtdWnd->Variant().cWndClass.data(),
              gtdWnd->Variant().nWindowIdentity, gtdGrid.GetGridId(), gtdWnd->IsBindingComplete() ? "complete" : "failed");
  std::printf("host lists: %zu in log-off list, %zu in focus list; TradeBridge pending flag %d\n",
              GlobalFunctions::LogOffList().size(), GlobalFunctions::FocusList().size(),
              HostLibraries::LastPendingOrderFlag());
  std::printf("module resources: menus 2001 %s, 2002 %s; filter bar templates 7350 %s, 61551 %s; images 169 %s\n",
              app.Resources().FindMenu(2001) ? "yes" : "no", app.Resources().FindMenu(2002) ? "yes" : "no",
              app.Resources().FindDialog(7350) ? "yes" : "no", app.Resources().FindDialog(61551) ? "yes" : "no",
              app.Resources().FindImageStrip(169) ? "yes" : "no");

  delete gtdWnd;
  delete pendingWnd;
  std::printf("after closing: %zu in log-off list, pending flag %d, globals %s\n", GlobalFunctions::LogOffList().size(),
              HostLibraries::LastPendingOrderFlag(),
              (m_wndPendingOrder == nullptr && m_wndGTDOrderBook == nullptr) ? "cleared" : "still set");
  AppGlobal::SetLogWriter(nullptr);
  AppOrderBook::Clear();
  InstallContractMaster(nullptr);
  return 0;
}
