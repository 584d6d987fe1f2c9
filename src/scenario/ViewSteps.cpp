// Steps that drive a view's life as the host does (open, show, hide, close) and the clock.
#include "host/GeneralXmlSettings.h"
#include "scenario/ScenarioHost.h"
#include "scenario/StepArgs.h"
#include "scenario/StepGroups.h"
#include "scenario/StepTable.h"
#include "view/OrderBookWnd.h"

namespace orv::scenario {

namespace {

constexpr std::int64_t kMaxRunMs = 24LL * 60 * 60 * 1000;

void Open(ScenarioHost& host, const StepArgs& args) {
  const ViewVariant variant = args.View();
  const bool show = args.Bool("show", false);
  host.Open(variant);
  if (show) host.RequireWindow(variant).ShowControlBar(true);
}

void Show(ScenarioHost& host, const StepArgs& args) { host.RequireWindow(args.View()).ShowControlBar(true); }

void Hide(ScenarioHost& host, const StepArgs& args) { host.RequireWindow(args.View()).ShowControlBar(false); }

void Close(ScenarioHost& host, const StepArgs& args) {
  const ViewVariant variant = args.View();
  host.RequireWindow(variant);
  host.Close(variant);
}

// The terminal quits and starts again around one view: the window closes as the host closes it
// (its filters saved or cleared), the settings file is read again as at start, and a new window
// is created, shown again when it was shown (or as "show" says).
void Restart(ScenarioHost& host, const StepArgs& args) {
  const ViewVariant variant = args.View();
  OrderBookWnd& wnd = host.RequireWindow(variant);
  const bool show = args.Bool("show", wnd.IsVisible());
  wnd.ResetFilterOnClose();
  host.Close(variant);
  regGeneralXMLSettings.ResetToDefaults();
  host.ReportSettingsFile("load", regGeneralXMLSettings.Load(regGeneralXMLSettings.Path()));
  host.Open(variant);
  if (show) host.RequireWindow(variant).ShowControlBar(true);
}

void Run(ScenarioHost& host, const StepArgs& args) {
  const std::int64_t ms = args.Int("ms");
  if (ms < 0 || ms > kMaxRunMs) StepArgs::Fail("\"ms\" takes 0 to 86400000 (one day)");
  host.App().Loop().advance(ms);
}

}  // namespace

void AddViewSteps(StepTable& table) {
  table.Add({"open", {"view", "show"}, &Open});
  table.Add({"show", {"view"}, &Show});
  table.Add({"hide", {"view"}, &Hide});
  table.Add({"close", {"view"}, &Close});
  table.Add({"restart", {"view", "show"}, &Restart});
  table.Add({"run", {"ms"}, &Run});
}

}  // namespace orv::scenario
