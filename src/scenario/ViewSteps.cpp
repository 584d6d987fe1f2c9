// Steps that drive a view's life as the host does (open, show, hide, close) and the clock.
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
  table.Add({"run", {"ms"}, &Run});
}

}  // namespace orv::scenario
