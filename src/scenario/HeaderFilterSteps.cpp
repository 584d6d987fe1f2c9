// Steps for the grid's column header filters: the header menu of a column (its check list and
// commands) and the answers of the set-filter dialogs.
#include "host/platform/Application.h"
#include "scenario/ScenarioHost.h"
#include "scenario/ScenarioNames.h"
#include "scenario/StepArgs.h"
#include "scenario/StepGroups.h"
#include "scenario/StepTable.h"
#include "view/OrderBookGrid.h"

#include <string>
#include <vector>

namespace orv::scenario {

namespace {

namespace pf = orv::platform;

std::vector<std::string> Texts(const StepArgs& args, std::string_view key) {
  std::vector<std::string> out;
  if (const nlohmann::json* list = args.Find(key)) {
    if (!list->is_array()) StepArgs::Fail("\"" + std::string(key) + "\" must be a list of texts");
    for (const nlohmann::json& v : *list) out.push_back(StepArgs::ToText(v, key));
  }
  return out;
}

pf::OleDateTime DateTime(const StepArgs& args, std::string_view key) {
  const nlohmann::json* v = args.Find(key);
  if (!v || v->is_null()) return pf::OleDateTime::Null();
  const std::string text = StepArgs::ToText(*v, key);
  pf::OleDateTime out;
  if (!out.ParseDateTime(text))
    StepArgs::Fail("\"" + std::string(key) + "\" must be a date-time \"YYYY-MM-DD HH:MM:SS\", not \"" + text + "\"");
  return out;
}

// Clicks the column's filter button and answers the menu it opens: the ticks (applied by the
// menu's apply command), one of the menu's commands, or nothing (dismissed).
void HeaderMenu(ScenarioHost& host, const StepArgs& args) {
  const ViewVariant variant = args.View();
  host.RequireWindow(variant);
  OrderBookGrid& grid = host.RequireGrid(variant);
  const int column = ColumnOf(args.Require("column"), grid.Variant(), "column");
  const std::vector<std::string> ticked = Texts(args, "ticked");
  const bool all = args.Bool("all", false);
  const bool apply = args.Has("ticked") || all;
  const unsigned choose = args.Has("choose") ? StepArgs::ToIntIn<std::uint16_t>(args.Require("choose"), "choose") : 0;
  if (apply && choose) StepArgs::Fail("a header menu is answered with ticks or with \"choose\", not both");

  auto& menus = host.App().FilterMenus();
  menus.SetChooser([=](const pf::FilterMenu& menu) {
    pf::FilterMenuAnswer answer;
    answer.command = apply ? menu.nApplyCommand : choose;
    answer.bAll = all;
    answer.ticked = ticked;
    return answer;
  });
  struct ResetChooser {
    pf::FilterMenuTracker& menus;
    ~ResetChooser() { menus.SetChooser({}); }
  } reset{menus};
  grid.OnHeaderMenuButtonClick(column);
}

// Queues the answer of the next set-filter dialog (value list or date range).
void FilterDialog(ScenarioHost& host, const StepArgs& args) {
  pf::FilterDialogAnswer answer;
  const std::string result = args.Text("answer", "ok");
  if (result != "ok" && result != "cancel") StepArgs::Fail("\"answer\" is \"ok\" or \"cancel\", not \"" + result + "\"");
  answer.result = result == "ok" ? pf::IDOK : pf::IDCANCEL;
  answer.state.bAll = args.Bool("all", false);
  answer.state.values = Texts(args, "values");
  answer.state.from = DateTime(args, "from");
  answer.state.till = DateTime(args, "till");
  host.App().FilterDialogs().QueueAnswer(std::move(answer));
}

}  // namespace

void AddHeaderFilterSteps(StepTable& table) {
  table.Add({"headermenu", {"view", "column", "ticked", "all", "choose"}, &HeaderMenu});
  table.Add({"filterdialog", {"answer", "all", "values", "from", "till"}, &FilterDialog});
}

}  // namespace orv::scenario
