#include "scenario/ScenarioHost.h"

#include "actions/GridExportJob.h"
#include "actions/SlicedWork.h"
#include "actions/GridExportProgress.h"
#include "host/AppGlobal.h"
#include "host/AppIOB.h"
#include "host/AppOrderBook.h"
#include "host/EntryPointRegistry.h"
#include "host/GeneralXmlSettings.h"
#include "host/GlobalFunctions.h"
#include "host/HostLibraries.h"
#include "host/HostMenus.h"
#include "host/FileWriteObserver.h"
#include "host/HostWindowRegistry.h"
#include "scenario/OrderSenderRecorder.h"
#include "scenario/ScenarioNames.h"
#include "scenario/StepArgs.h"
#include "view/GTDOrderBookGrid.h"
#include "view/GTDOrderBookWnd.h"
#include "view/OrvPendingOrdersGrid.h"
#include "view/OrvPendingOrdersWnd.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>
#include <thread>

namespace orv::scenario {

namespace {

std::filesystem::path MakeDataFolder() {
  std::error_code ec;
  std::filesystem::path base = std::filesystem::temp_directory_path(ec);
  if (ec) base = "/tmp";
  std::string pattern = (base / "orvscript-XXXXXX").string();
  if (::mkdtemp(pattern.data())) return pattern;
  return {};
}

nlohmann::json AnswerName(int answer) {
  switch (answer) {
    case orv::platform::IDOK: return "ok";
    case orv::platform::IDCANCEL: return "cancel";
    case orv::platform::IDYES: return "yes";
    case orv::platform::IDNO: return "no";
    default: return answer;
  }
}

// The size the host docks a view at: wide enough for a page of rows under the bars.
constexpr int kClientWidth = 1200;
constexpr int kClientHeight = 600;

// The host's main thread; observers called from elsewhere (a worker writing a file) only report.
std::thread::id g_mainThread;

const char* StatusName(GeneralXmlSettings::Status status) {
  switch (status) {
    case GeneralXmlSettings::Status::Ok: return "ok";
    case GeneralXmlSettings::Status::Missing: return "missing";
    case GeneralXmlSettings::Status::Corrupt: return "corrupt";
    case GeneralXmlSettings::Status::IoError: return "ioerror";
  }
  return "?";
}

}  // namespace

void ScenarioHost::ReportSettingsFile(const std::string& action, const GeneralXmlSettings::Result& result) {
  nlohmann::json event{{"action", action}, {"status", StatusName(result.status)}};
  if (!result.message.empty()) {
    // The data folder differs from run to run: name it as the other events do.
    std::string message = result.message;
    const std::string folder = DataFolder().string() + "/";
    for (std::size_t at; !DataFolder().empty() && (at = message.find(folder)) != std::string::npos;)
      message.replace(at, folder.size(), "data:");
    event["message"] = message;
  }
  m_events.Emit("settingsfile", std::move(event));
}

struct ScenarioHost::View {
  std::unique_ptr<OrderBookWnd> wnd;
};

ScenarioHost::ScenarioHost(EventWriter& events) : ScenarioHost(events, Options{}) {}

ScenarioHost::ScenarioHost(EventWriter& events, Options options)
    : m_events(events), m_options(std::move(options)), m_log(m_options.logFolder),
      m_pending(std::make_unique<View>()), m_gtd(std::make_unique<View>()) {
  g_mainThread = std::this_thread::get_id();
  ResetHostGlobals();
  // Order steps name the records they change, so the views follow the store's journal.
  for (BookKind kind : {BookKind::Pending, BookKind::GTD}) AppOrderBook::SetChangeJournal(kind, true);
  m_dataFolder = MakeDataFolder();
  OrvStorageEnvironment::CustomAppPath = m_dataFolder.string();
  regGeneralXMLSettings.SetPath(m_dataFolder / "GeneralSettings.xml");

  // The host brings some menus of its own (the header filter menu), which the module finds
  // through the application's resources.
  HostMenus::RegisterHostMenus(m_app.Resources());
  AppGlobal::SetLogWriter(&m_log);
  m_login.setUserId("DLR01");
  m_login.setAllClients(1);
  AppGlobal::g_pObjLoginResponse = &m_login;
  AppGlobal::cOrderSettings_MarketType = "All";
  AppGlobal::cGeneralSettings_OrderBook = "All";
  InstallContractMaster(&m_master);
  m_senders = std::make_unique<OrderSenderRecorder>(m_events, [this] { FlushPosts(); });
  InstallObservers();
}

ScenarioHost::~ScenarioHost() {
  // Windows first: their teardown still talks to the host's lists and log writer.
  Close(ViewVariant::GTD);
  Close(ViewVariant::Pending);
  RemoveObservers();
  m_senders.reset();
  ResetHostGlobals();
  for (BookKind kind : {BookKind::Pending, BookKind::GTD}) AppOrderBook::SetChangeJournal(kind, false);
  InstallContractMaster(nullptr);
  if (!m_dataFolder.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(m_dataFolder, ec);
    OrvStorageEnvironment::CustomAppPath.clear();
  }
  regGeneralXMLSettings.SetPath({});
}

void ScenarioHost::ResetHostGlobals() {
  AppGlobal::ResetForTests();
  AppOrderBook::Clear();
  AppIOB::Clear();
  regGeneralXMLSettings.ResetToDefaults();
  GlobalFunctions::ResetForTests();
  OrvInMemory::m_orvWindowPassingQueue.Clear();
  auto& registry = EntryPointRegistry::Instance();
  registry.RemoveLibrary(kTradeBridgeLibrary);
  registry.RemoveLibrary(kCommonIncludeLibrary);
  HostLibraries::RegisterDefaults();
  HostLibraries::ResetPendingOrderFlag();
  m_wndPendingOrder = nullptr;
  m_wndGTDOrderBook = nullptr;
}

void ScenarioHost::InstallObservers() {
  m_app.MessageBoxes().SetObserver([this](const orv::platform::MessageBoxRecord& box) {
    FlushPosts();
    m_events.Emit("messagebox", {{"text", box.text},
                                 {"caption", box.caption},
                                 {"flags", box.flags},
                                 {"answer", AnswerName(box.answer)}});
  });
  m_app.PopupMenus().SetObserver([this](const orv::platform::TrackedMenu& menu) {
    FlushPosts();
    m_events.Emit("menu", {{"chosen", menu.chosen}, {"items", menu.menu.GetMenuItemCount()}});
  });
  m_app.FilterMenus().SetObserver([this](const orv::platform::TrackedFilterMenu& tracked) {
    FlushPosts();
    m_events.Emit("headermenu", DescribeFilterMenu(tracked));
  });
  m_app.FilterDialogs().SetObserver([this](const orv::platform::FilterDialogRecord& dialog) {
    FlushPosts();
    const bool list = dialog.request.kind == orv::platform::FilterDialogKind::ValueList;
    nlohmann::json event{{"kind", list ? "list" : "range"},
                         {"column", ColumnLabel(dialog.request.nColumn)},
                         {"answer", AnswerName(dialog.result)},
                         {"bAll", dialog.state.bAll}};
    if (list) {
      event["offered"] = dialog.request.offered;
      event["values"] = dialog.state.values;
    } else {
      event["from"] = dialog.state.from.Format();
      event["till"] = dialog.state.till.Format();
    }
    m_events.Emit("filterdialog", std::move(event));
  });
  m_app.FileDialogs().SetObserver([this](const orv::platform::FileDialogRecord& dialog) {
    FlushPosts();
    // Paths inside the data folder are shown relative to it: the folder differs from run to run.
    std::string path = dialog.path;
    const std::string folder = m_dataFolder.string() + "/";
    if (path.rfind(folder, 0) == 0) path.erase(0, folder.size());
    m_events.Emit("filedialog", {{"title", dialog.request.title},
                                 {"defaultExtension", dialog.request.defaultExtension},
                                 {"fileName", dialog.request.fileName},
                                 {"answer", AnswerName(dialog.result)},
                                 {"path", path}});
  });
  m_logObserver = m_log.AddObserver([this](const std::string& source, const std::string& text) {
    if (std::this_thread::get_id() == g_mainThread) FlushPosts();
    m_events.Emit("log", {{"source", source}, {"text", text}});
  });
  OrvInMemory::m_orvWindowPassingQueue.SetObserver([this](const WindowPassing& request) {
    FlushPosts();
    m_events.Emit("queue", {{"request", DescribeRequest(request)}});
  });
  // Posts to the module's own windows; the main window's come through FlushPosts.
  m_app.Loop().setPostObserver([this](const orv::platform::Window* target, unsigned msg, orv::platform::WPARAM wParam,
                                      orv::platform::LPARAM lParam) { ReportWindowPost(target, msg, wParam, lParam); });
  FileWriteObserver::SetListener([this](const std::string& path, std::uintmax_t bytes, bool ok,
                                        const std::string& reason) { FileWritten(path, bytes, ok, reason); });
  GridExportObserver::SetListener([this](const GridExportProgress& progress) { ExportProgressed(progress); });
  // The clock is the scenario's: slices of so many rows, however fast the machine.
  GridExportJob::SetTimeBoundSlices(false);
  SlicedWork::SetTimeBoundSlices(false);
}

void ScenarioHost::ReportWindowPost(const orv::platform::Window* target, unsigned msg, orv::platform::WPARAM wParam,
                                    orv::platform::LPARAM lParam) {
  const nlohmann::json name = NameOf(target);
  if (!name.is_string() || name == "unknown") return;  // the host's own windows
  FlushPosts();
  nlohmann::json event{{"target", name}, {"message", msg}, {"time", m_app.Loop().nowMs()}, {"lParam", lParam}};
  event["wParam"] = wParam;
  // Message 102 carries the address of an order number the window owns: show the number.
  if (msg == kCancelHandBackMessage) {
    for (ViewVariant variant : {ViewVariant::Pending, ViewVariant::GTD}) {
      const OrderBookWnd* wnd = Window(variant);
      if (wnd && static_cast<const orv::platform::Window*>(wnd) == target) {
        const double* number = wnd->HandedBackOrderNumber(wParam);
        event["wParam"] = "order number";
        event["orderNumber"] = number ? nlohmann::json(*number) : nlohmann::json();
      }
    }
  }
  m_events.Emit("post", std::move(event));
}

void ScenarioHost::RemoveObservers() {
  m_app.MessageBoxes().SetObserver({});
  m_app.PopupMenus().SetObserver({});
  m_app.PopupMenus().SetChooser({});
  m_app.FilterMenus().SetObserver({});
  m_app.FilterMenus().SetChooser({});
  m_app.FilterDialogs().SetObserver({});
  m_app.FileDialogs().SetObserver({});
  m_log.RemoveObserver(m_logObserver);
  OrvInMemory::m_orvWindowPassingQueue.SetObserver({});
  m_app.Loop().setPostObserver({});
  FileWriteObserver::SetListener({});
  GridExportObserver::SetListener({});
  GridExportJob::SetTimeBoundSlices(true);
  SlicedWork::SetTimeBoundSlices(true);
}

ScenarioHost::View& ScenarioHost::SlotOf(ViewVariant variant) {
  return variant == ViewVariant::Pending ? *m_pending : *m_gtd;
}

const ScenarioHost::View& ScenarioHost::SlotOf(ViewVariant variant) const {
  return variant == ViewVariant::Pending ? *m_pending : *m_gtd;
}

void ScenarioHost::Open(ViewVariant variant) {
  View& view = SlotOf(variant);
  if (view.wnd) StepArgs::Fail("the " + std::string(ViewName(variant)) + " window is open already");
  if (variant == ViewVariant::Pending) {
    auto wnd = std::make_unique<OrvPendingOrdersWnd>();
    m_wndPendingOrder = wnd.get();
    view.wnd = std::move(wnd);
  } else {
    auto wnd = std::make_unique<GTDOrderBookWnd>();
    m_wndGTDOrderBook = wnd.get();
    view.wnd = std::move(wnd);
  }
  // The host docks the bar at a fixed size, creates it (the window makes its grid and filter
  // frame) and sends the size message that ends a native creation.
  view.wnd->SetClientSize(kClientWidth, kClientHeight);
  if (view.wnd->OnCreate() != 0 || !view.wnd->GetGrid()) {
    view.wnd.reset();
    StepArgs::Fail("the " + std::string(ViewName(variant)) + " window could not be created");
  }
  view.wnd->SetClientSize(kClientWidth, kClientHeight);
}

void ScenarioHost::Close(ViewVariant variant) {
  View& view = SlotOf(variant);
  if (!view.wnd) return;
  view.wnd->OnNcDestroy();
  view.wnd.reset();
}

bool ScenarioHost::IsOpen(ViewVariant variant) const { return SlotOf(variant).wnd != nullptr; }

OrderBookWnd* ScenarioHost::Window(ViewVariant variant) const { return SlotOf(variant).wnd.get(); }

OrderBookGrid* ScenarioHost::Grid(ViewVariant variant) const {
  const View& view = SlotOf(variant);
  return view.wnd ? view.wnd->GetGrid() : nullptr;
}

OrderBookWnd& ScenarioHost::RequireWindow(ViewVariant variant) const {
  if (OrderBookWnd* wnd = Window(variant)) return *wnd;
  StepArgs::Fail("the " + std::string(ViewName(variant)) + " window is not open");
}

OrderBookGrid& ScenarioHost::RequireGrid(ViewVariant variant) const {
  RequireWindow(variant);
  if (OrderBookGrid* grid = Grid(variant)) return *grid;
  StepArgs::Fail("the " + std::string(ViewName(variant)) + " window has no grid");
}

void ScenarioHost::FlushPosts() {
  const auto& posted = m_app.MainWindow().Posted();
  if (m_postsReported > posted.size()) m_postsReported = 0;  // the record was cleared
  while (m_postsReported < posted.size()) {
    // Copied: reporting may not grow the vector, but a copy keeps that a non-issue.
    const orv::platform::PostedMessage message = posted[m_postsReported++];
    nlohmann::json event{{"target", "main"}, {"message", message.msg}, {"time", message.timeMs}};
    const void* wAsPointer = reinterpret_cast<const void*>(message.wParam);
    nlohmann::json wName = NameOf(wAsPointer);
    event["wParam"] = (wName.is_string() && wName != "unknown") ? wName : nlohmann::json(message.wParam);
    event["lParam"] = message.lParam;
    if (message.msg == kMsgWindowPassing && wAsPointer == &AppGlobal::objWindowPassing)
      event["request"] = DescribeRequest(AppGlobal::objWindowPassing);
    m_events.Emit("post", std::move(event));
  }
}

void ScenarioHost::AfterStep() {
  FlushPosts();
  m_app.Loop().runPending();
  FlushPosts();
}

void ScenarioHost::FileWritten(const std::filesystem::path& path, std::uintmax_t bytes, bool ok,
                               const std::string& reason) {
  if (std::this_thread::get_id() == g_mainThread) FlushPosts();
  nlohmann::json event{{"path", ShownPath(path)}, {"bytes", bytes}, {"ok", ok}};
  if (!ok) event["reason"] = reason;
  m_events.Emit("file", std::move(event));
}

std::string ScenarioHost::ShownPath(const std::filesystem::path& path) const {
  std::string shown = path.string();
  if (!m_dataFolder.empty()) {
    std::error_code ec;
    const std::filesystem::path relative = std::filesystem::relative(path, m_dataFolder, ec);
    if (!ec && !relative.empty() && *relative.begin() != "..") shown = "data:" + relative.generic_string();
  }
  return shown;
}

void ScenarioHost::ExportProgressed(const GridExportProgress& progress) {
  FlushPosts();
  static constexpr const char* kStages[] = {"writing", "written", "cancelled", "failed"};
  GridExportProgress shown = progress;
  shown.path = ShownPath(progress.path);
  nlohmann::json event{{"grid", NameOf(progress.grid)},
                       {"stage", kStages[static_cast<int>(progress.stage)]},
                       {"path", shown.path},
                       {"rows", progress.rowsWritten},
                       {"total", progress.rowsTotal}};
  if (progress.Ended()) event["text"] = shown.StatusText();
  m_events.Emit("export", std::move(event));
}

nlohmann::json ScenarioHost::NameOf(const void* pointer) const {
  if (!pointer) return nullptr;
  if (pointer == &AppGlobal::objWindowPassing) return "AppGlobal::objWindowPassing";
  for (ViewVariant variant : {ViewVariant::Pending, ViewVariant::GTD}) {
    const std::string view(ViewName(variant));
    if (const OrderBookWnd* wnd = Window(variant)) {
      if (pointer == static_cast<const void*>(wnd) ||
          pointer == static_cast<const void*>(static_cast<const orv::platform::Window*>(wnd)))
        return "wnd:" + view;
    }
    if (const OrderBookGrid* grid = Grid(variant)) {
      if (pointer == static_cast<const void*>(grid) ||
          pointer == static_cast<const void*>(static_cast<const orv::platform::Window*>(grid)))
        return "grid:" + view;
    }
  }
  return "unknown";
}

nlohmann::json ColumnLabel(int column) {
  // Both variants share the names of the ids they share; the GTD catalogue has them all.
  const std::string name = ColumnName(column, DescriptionOf(ViewVariant::GTD));
  return name.empty() ? nlohmann::json(column) : nlohmann::json(name);
}

nlohmann::json DescribeFilterMenu(const orv::platform::TrackedFilterMenu& tracked) {
  return {{"column", ColumnLabel(tracked.menu.nColumn)},
          {"offered", tracked.menu.values},
          {"chosen", tracked.chosen},
          {"bAll", tracked.result.bAll},
          {"ticked", tracked.result.lstValues}};
}

nlohmann::json ScenarioHost::DescribeRequest(const WindowPassing& request) const {
  WindowPassing copy;
  std::memcpy(&copy, &request, sizeof copy);  // the record is packed: read its fields from a copy
  const void* wnd = copy.pRequestWnd;
  return {{"nRequestFrom", copy.nRequestFrom}, {"pRequestWnd", NameOf(wnd)},  {"nRequestId", copy.nRequestId},
          {"nParam1", copy.nParam1},           {"nParam2", copy.nParam2},      {"dParam", copy.dParam}};
}

}  // namespace orv::scenario
