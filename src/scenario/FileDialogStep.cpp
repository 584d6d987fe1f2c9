// The `filedialog` step: queues the answer of the next open or save dialog. A relative path lands
// in the scenario's own data folder, so a scenario never writes anywhere else by accident and its
// events read the same on every machine. The `cancelexport` step: the Cancel of an export's
// progress window.
#include "host/platform/Application.h"
#include "view/OrderBookGrid.h"
#include "scenario/ScenarioHost.h"
#include "scenario/StepArgs.h"
#include "scenario/StepGroups.h"
#include "scenario/StepTable.h"

#include <filesystem>
#include <string>

namespace orv::scenario {

namespace {

namespace pf = orv::platform;

void FileDialog(ScenarioHost& host, const StepArgs& args) {
  pf::FileDialogAnswer answer;
  const std::string result = args.Text("answer", "ok");
  if (result != "ok" && result != "cancel") StepArgs::Fail("\"answer\" is \"ok\" or \"cancel\", not \"" + result + "\"");
  answer.result = result == "ok" ? pf::IDOK : pf::IDCANCEL;
  if (answer.result == pf::IDOK) {
    const std::filesystem::path path = args.Text("path");
    if (path.empty()) StepArgs::Fail("\"path\" names the file chosen");
    answer.path = (path.is_absolute() ? path : host.DataFolder() / path).string();
  }
  host.App().FileDialogs().QueueAnswer(std::move(answer));
}

void CancelExport(ScenarioHost& host, const StepArgs& args) {
  const ViewVariant variant = args.View();
  if (!host.RequireGrid(variant).CancelGridExport())
    StepArgs::Fail("no export is being written in the " + std::string(ViewName(variant)) + " view");
}

}  // namespace

void AddFileDialogSteps(StepTable& table) {
  table.Add({"filedialog", {"answer", "path"}, &FileDialog});
  table.Add({"cancelexport", {"view"}, &CancelExport});
}

}  // namespace orv::scenario
