#pragma once
// The host a scenario plays: one toolkit application with a manual clock, the host's globals put
// back to a fresh terminal, a contract master, a login record, the order-book windows, and
// observers that turn everything the module does into events (message boxes, posts to the main
// window, window requests queued for the host, log lines, order senders called, files written).
//
// One ScenarioHost at a time per process: the host's globals are shared.
#include "host/ContractMaster.h"
#include "host/GeneralXmlSettings.h"
#include "host/LogWriter.h"
#include "host/platform/Application.h"
#include "host/records/LoginResponse.h"
#include "host/records/WindowPassing.h"
#include "scenario/EventWriter.h"
#include "view/ViewVariant.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>

class OrderBookWnd;
class OrderBookGrid;
struct GridExportProgress;

namespace orv::scenario {

class OrderSenderRecorder;

// A column id as events name it: the column's name, or the number when it has none.
nlohmann::json ColumnLabel(int column);
// A header filter menu as it was shown and answered.
nlohmann::json DescribeFilterMenu(const orv::platform::TrackedFilterMenu& tracked);

class ScenarioHost final {
 public:
  struct Options {
    // Where log files go; empty: log lines are only reported as events.
    std::filesystem::path logFolder;
  };

  explicit ScenarioHost(EventWriter& events);
  ScenarioHost(EventWriter& events, Options options);
  ~ScenarioHost();
  ScenarioHost(const ScenarioHost&) = delete;
  ScenarioHost& operator=(const ScenarioHost&) = delete;

  EventWriter& Events() { return m_events; }
  orv::platform::Application& App() { return m_app; }
  CScriptDesc& Master() { return m_master; }
  ORVEL5901& Login() { return m_login; }
  // The stand-ins of the host's order senders.
  OrderSenderRecorder& Senders() { return *m_senders; }
  // The application's data folder (a fresh temporary folder, removed at the end).
  const std::filesystem::path& DataFolder() const { return m_dataFolder; }

  // A `settingsfile` event: the outcome of loading or saving the general settings file, the data
  // folder named "data:" in the message.
  void ReportSettingsFile(const std::string& action, const GeneralXmlSettings::Result& result);

  // ---- Views. ----
  // Constructs and creates the variant's window (and with it its grid), hidden, as the host does.
  // Throws StepError when it is open already.
  void Open(ViewVariant variant);
  // Destroys the window as the host does when it closes it for good.
  void Close(ViewVariant variant);
  bool IsOpen(ViewVariant variant) const;
  // Null when the view is not open (or has no grid).
  OrderBookWnd* Window(ViewVariant variant) const;
  OrderBookGrid* Grid(ViewVariant variant) const;
  // Throw StepError naming the view when it is not open.
  OrderBookWnd& RequireWindow(ViewVariant variant) const;
  OrderBookGrid& RequireGrid(ViewVariant variant) const;

  // ---- Events. ----
  // Reports the messages posted to the main window since the last call.
  void FlushPosts();
  // What the host's message pump does between two steps: deliver the messages already posted
  // (the clock does not move), then report what happened.
  void AfterStep();
  // Every file the module wrote or failed to write (the FileWriteObserver): reports the path
  // (relative to the data folder when it lies inside it), the bytes and the outcome.
  void FileWritten(const std::filesystem::path& path, std::uintmax_t bytes = 0, bool ok = true,
                   const std::string& reason = {});
  // How a grid export goes (the GridExportObserver): an `export` event per report.
  void ExportProgressed(const GridExportProgress& progress);
  // A path as events show it: inside the data folder as "data:" and the path inside it.
  std::string ShownPath(const std::filesystem::path& path) const;
  // A message posted to one of the module's windows.
  void ReportWindowPost(const orv::platform::Window* target, unsigned msg, orv::platform::WPARAM wParam,
                        orv::platform::LPARAM lParam);

  // A stable name for a pointer the module hands out ("grid:pending", "wnd:gtd",
  // "AppGlobal::objWindowPassing"); null for a null pointer and "unknown" for anything else, so
  // events never show addresses.
  nlohmann::json NameOf(const void* pointer) const;
  nlohmann::json DescribeRequest(const WindowPassing& request) const;

 private:
  struct View;

  void ResetHostGlobals();
  void InstallObservers();
  void RemoveObservers();
  View& SlotOf(ViewVariant variant);
  const View& SlotOf(ViewVariant variant) const;

  EventWriter& m_events;
  Options m_options;
  std::filesystem::path m_dataFolder;
  // Declared before everything that binds windows to the application, so it outlives them.
  orv::platform::Application m_app;
  orv::platform::ApplicationScope m_scope{m_app};
  LogWriter m_log;
  int m_logObserver = 0;
  CScriptDesc m_master;
  ORVEL5901 m_login;
  std::unique_ptr<OrderSenderRecorder> m_senders;
  std::unique_ptr<View> m_pending;
  std::unique_ptr<View> m_gtd;
  std::size_t m_postsReported = 0;
};

}  // namespace orv::scenario
