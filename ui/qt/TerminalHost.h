#pragma once
// The host side of the desktop terminal, without any screen: the data folder with the settings file
// and the logs, the login record, a seeded contract master and order books, both order-book
// windows created and shown as the host creates them, and the simulated exchange that keeps the
// books moving. It also decides what the host does with every message the module posts to the
// main window (cancellations go to the exchange, window requests become a small window or a line
// in the host's status bar); the main window only shows the answer.
#include "demo/OrderBookGenerator.h"
#include "demo/SimulatedExchange.h"
#include "host/ContractMaster.h"
#include "host/LogWriter.h"
#include "host/platform/Application.h"
#include "host/platform/MainWindowInbox.h"
#include "host/records/LoginResponse.h"
#include "host/records/WindowPassing.h"
#include "ui/qt/TerminalOptions.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

class OrderBookWnd;
class OrvPendingOrdersWnd;
class GTDOrderBookWnd;

namespace orv::ui {

// What the host does about one message or request.
struct HostAction {
  std::string statusLine;   // a line for the host's status bar; empty: none
  std::string windowTitle;  // a small window to open; empty: none
  std::string windowText;
  bool modificationWindow = false;  // the window is the host's modification window
};

// What the host's modification window shows and the user changes: the first listed order's values.
struct ModificationValues {
  double price = 0.0;
  double triggerPrice = 0.0;
  std::int32_t quantity = 0;
  std::int32_t disclosedQuantity = 0;
};

class TerminalHost final {
 public:
  // The Application must be current on this thread and outlive the host.
  TerminalHost(orv::platform::Application& app, TerminalOptions options);
  // Closes the windows (saving their filters), saves the settings, destroys the windows and
  // leaves the host's globals empty.
  ~TerminalHost();
  TerminalHost(const TerminalHost&) = delete;
  TerminalHost& operator=(const TerminalHost&) = delete;

  // Prepares the data folder, settings and logs, generates the books, creates and shows both
  // windows and starts the exchange. Throws std::runtime_error with a message a user can act on.
  // `progress` hears how far the books' generation has come.
  void Start(const orv::demo::GenerationProgress& progress = {});
  bool IsStarted() const { return m_started; }

  OrderBookWnd& Pending() const;
  OrderBookWnd& Gtd() const;
  orv::demo::SimulatedExchange& Exchange() const { return *m_exchange; }
  orv::platform::Application& App() const { return m_app; }
  const TerminalOptions& Options() const { return m_options; }
  const std::filesystem::path& DataFolder() const { return m_dataFolder; }
  std::filesystem::path SettingsFile() const { return m_dataFolder / "GeneralSettings.xml"; }
  const std::string& SettingsStatus() const { return m_settingsStatus; }
  LogWriter& Log() { return m_log; }
  double GenerationSeconds() const { return m_generationSeconds; }

  // A message the module posted to the main window.
  HostAction Handle(const orv::platform::PostedMessage& message);
  // A request the module queued for the host (the market pictures) or posted with 9898.
  HostAction HandleRequest(const WindowPassing& request) const;
  // Requests waiting in the host's window-passing queue, oldest first (the queue is emptied).
  std::vector<WindowPassing> TakeQueuedRequests();

  // The host's order sender: a cancel request a window built itself goes to the exchange.
  // 1 when the exchange took it.
  int SendOrderRequest(const void* request);
  std::uint64_t WindowCancelsSent() const { return m_windowCancelsSent; }
  std::uint64_t WindowCancelsRefused() const { return m_windowCancelsRefused; }

  // The values the modification window starts from: those of the first order of the Pending
  // modification list; false when the list names no order the store holds.
  bool ModificationStart(ModificationValues& out) const;
  // The user confirmed the modification window: the first listed order's request goes to the
  // exchange, the changed packet back to the Pending window (MultipleRowModifying), which sends
  // the same change for the other listed orders; the list is consumed.
  HostAction ApplyModification(const ModificationValues& values);
  std::uint64_t ModificationsSent() const { return m_modificationsSent; }

  // The host's F3 on a window (its title between all scrips and the selected contract): the host
  // first keeps the window's stored token at the selected row's contract, as its status-bar code
  // does. False when the window had no selected row (the module said so).
  bool HostF3(OrderBookWnd& wnd);

  // Writes the settings file; false (with the reason in the log) when it could not be written or
  // is left as it was because it could not be read at start.
  bool SaveSettings();
  // Whether a refresh brings the selected order back into view; kept in the settings file.
  static void SetFollowSelectedOrder(bool follow);
  static bool FollowsSelectedOrder();

  // Names the host gives requests and windows.
  static std::string RequestName(int requestId);
  static std::string WindowName(int identity);

 private:
  HostAction Cancel(BookKind kind);
  HostAction Modification() const;
  HostAction OrderHistory() const;
  std::string ContractText(std::int32_t token) const;
  std::string OrderLine(const OrderBookDetails& row) const;
  void OfferDemoExchanges();

  orv::platform::Application& m_app;
  std::uint64_t m_windowCancelsSent = 0;
  std::uint64_t m_windowCancelsRefused = 0;
  std::uint64_t m_modificationsSent = 0;
  // Set while the Pending window sends the requests of a modification: what the order sender gets
  // then are modifications, not cancels.
  bool m_modifying = false;
  // What this host asked of each order (its modifications), for the order history window.
  std::map<std::uint32_t, std::vector<std::string>> m_history;
  // Passes a modification request on to the exchange; true when it took it.
  bool SendModification(const ORVEL_ORDER_ENTRY& request);
  TerminalOptions m_options;
  std::filesystem::path m_dataFolder;
  std::string m_settingsStatus;
  LogWriter m_log;
  CScriptDesc m_master;
  ORVEL5901 m_login;
  std::vector<std::string> m_exchangeList;
  std::unique_ptr<OrvPendingOrdersWnd> m_pending;
  std::unique_ptr<GTDOrderBookWnd> m_gtd;
  std::unique_ptr<orv::demo::SimulatedExchange> m_exchange;
  double m_generationSeconds = 0.0;
  bool m_started = false;
};

}  // namespace orv::ui
