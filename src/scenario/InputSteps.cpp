// Steps that stand for the user's hand: selecting rows, keys, commands, clicks and context menus.
// Those that act on the grid first give it the focus as a click would, when it does not have it.
#include "host/platform/GridSelectMode.h"
#include "scenario/FilterBarInput.h"
#include "scenario/ScenarioHost.h"
#include "scenario/ScenarioNames.h"
#include "scenario/StepArgs.h"
#include "scenario/StepGroups.h"
#include "scenario/StepTable.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

#include <string>
#include <vector>

namespace orv::scenario {

namespace {

namespace pf = orv::platform;

enum class Target { Grid, Window, FilterBar };

Target TargetOf(const StepArgs& args) {
  const std::string target = args.Text("target", "grid");
  if (target == "grid") return Target::Grid;
  if (target == "window") return Target::Window;
  if (target == "filterbar") return Target::FilterBar;
  StepArgs::Fail("\"target\" is \"grid\", \"window\" or \"filterbar\", not \"" + target + "\"");
}

void FocusGrid(OrderBookWnd& wnd, OrderBookGrid& grid) {
  if (!grid.HasFocus()) wnd.OnSetFocus();
}

// Releases the modifier keys however the key's handling ends.
class HeldModifiers final {
 public:
  HeldModifiers(pf::KeyState& keys, bool shift, bool ctrl, bool alt) : m_keys(keys) {
    m_keys.SetShift(shift);
    m_keys.SetCtrl(ctrl);
    m_keys.SetAlt(alt);
  }
  ~HeldModifiers() { m_keys.ReleaseAll(); }
  HeldModifiers(const HeldModifiers&) = delete;
  HeldModifiers& operator=(const HeldModifiers&) = delete;

 private:
  pf::KeyState& m_keys;
};

void Key(ScenarioHost& host, const StepArgs& args) {
  const ViewVariant variant = args.View();
  const std::string name = args.Text("key");
  const int code = KeyCode(name);
  const bool shift = args.Bool("shift", false), ctrl = args.Bool("ctrl", false), alt = args.Bool("alt", false);
  const Target target = TargetOf(args);
  if (args.Has("control") && target != Target::FilterBar)
    StepArgs::Fail("\"control\" names a filter bar control; use it with \"target\": \"filterbar\"");
  OrderBookWnd& wnd = host.RequireWindow(variant);
  OrderBookGrid& grid = host.RequireGrid(variant);

  pf::MSG msg;
  msg.message = alt ? pf::WM_SYSKEYDOWN : pf::WM_KEYDOWN;
  msg.wParam = static_cast<pf::WPARAM>(code);
  std::string consumedBy;
  if (target == Target::Grid) FocusGrid(wnd, grid);
  OfferedListRecorder offered(wnd.GetFilterBar());
  {
    HeldModifiers held(host.App().Keys(), shift, ctrl, alt);
    if (target == Target::FilterBar) {
      consumedBy = SendKeyToFilterBar(wnd.GetFilterBar(), args.Find("control"), msg);
    } else if (target == Target::Grid) {
      // As the message loop does: the window with the focus first, then its parents.
      msg.hwnd = &grid;
      if (grid.PreTranslateMessage(&msg)) consumedBy = "grid";
      else if (wnd.PreTranslateMessage(&msg)) consumedBy = "window";
    } else {
      msg.hwnd = &wnd;
      if (wnd.PreTranslateMessage(&msg)) consumedBy = "window";
    }
  }
  nlohmann::json event{{"key", name}, {"consumed", consumedBy.empty() ? nlohmann::json(false) : nlohmann::json(consumedBy)}};
  if (shift) event["shift"] = true;
  if (ctrl) event["ctrl"] = true;
  if (alt) event["alt"] = true;
  host.FlushPosts();
  host.Events().Emit("key", std::move(event));
  offered.Emit(host.Events());
}

void Command(ScenarioHost& host, const StepArgs& args) {
  const ViewVariant variant = args.View();
  const auto id = StepArgs::ToIntIn<std::uint16_t>(args.Require("id"), "id");
  const Target target = TargetOf(args);
  OrderBookWnd& wnd = host.RequireWindow(variant);
  nlohmann::json event{{"id", id}};
  switch (target) {
    case Target::Grid:
      event["target"] = "grid";
      event["handled"] = host.RequireGrid(variant).OnCommand(id);
      break;
    case Target::Window:
      event["target"] = "window";
      wnd.OnMessage(pf::WM_COMMAND, id, 0);
      break;
    case Target::FilterBar:
      event["target"] = "filterbar";
      event["handled"] = SendCommandToFilterBar(wnd.GetFilterBar(), id);
      break;
  }
  host.FlushPosts();
  host.Events().Emit("command", std::move(event));
}

// Selects whole rows when asked, cells of one column otherwise.
struct SelectionPlan {
  std::vector<std::pair<int, int>> ranges;  // anchor row, end row
  int column = -1;
  std::uint32_t whole = 0;
};

void CheckRow(const OrderBookGrid& grid, std::int64_t row, std::string_view what) {
  if (row < 0 || row >= grid.GetVirtualRowCount())
    StepArgs::Fail("\"" + std::string(what) + "\": row " + std::to_string(row) + " does not exist (the grid has " +
                   std::to_string(grid.GetVirtualRowCount()) + " rows)");
}

void Select(ScenarioHost& host, const StepArgs& args) {
  const ViewVariant variant = args.View();
  OrderBookWnd& wnd = host.RequireWindow(variant);
  OrderBookGrid& grid = host.RequireGrid(variant);
  const bool all = args.Bool("all", false), none = args.Bool("none", false);
  SelectionPlan plan;
  plan.whole = args.Bool("wholeRows", false) ? pf::SM_ROW : 0;
  plan.column = args.Has("column") ? ColumnOf(args.Require("column"), grid.Variant(), "column")
                                   : grid.GetFirstVisibleColumn();
  if (const nlohmann::json* row = args.Find("row")) {
    const std::int64_t r = StepArgs::ToInt(*row, "row");
    CheckRow(grid, r, "row");
    plan.ranges.emplace_back(static_cast<int>(r), static_cast<int>(r));
  }
  if (const nlohmann::json* ranges = args.Find("ranges")) {
    if (!ranges->is_array()) StepArgs::Fail("\"ranges\" must be a list of [first, last] rows");
    for (const nlohmann::json& range : *ranges) {
      const bool single = range.is_number_integer();
      if (!single && (!range.is_array() || range.empty() || range.size() > 2))
        StepArgs::Fail("each range is a row or [first, last] rows");
      const std::int64_t from = StepArgs::ToInt(single ? range : range[0], "ranges");
      const std::int64_t to = single || range.size() == 1 ? from : StepArgs::ToInt(range[1], "ranges");
      CheckRow(grid, from, "ranges");
      CheckRow(grid, to, "ranges");
      plan.ranges.emplace_back(static_cast<int>(from), static_cast<int>(to));
    }
  }
  pf::GridItemID current;
  if (const nlohmann::json* cur = args.Find("current")) {
    if (!cur->is_object() || !cur->contains("row")) StepArgs::Fail("\"current\" is {\"row\": n, \"column\": c}");
    const std::int64_t r = StepArgs::ToInt((*cur)["row"], "current.row");
    CheckRow(grid, r, "current");
    current.m_nRow = static_cast<int>(r);
    current.m_nColumn = cur->contains("column") ? ColumnOf((*cur)["column"], grid.Variant(), "current.column")
                                                : plan.column;
  }
  if (static_cast<int>(all) + static_cast<int>(none) + static_cast<int>(!plan.ranges.empty()) > 1)
    StepArgs::Fail("\"all\", \"none\" and rows exclude each other");
  if (!all && !none && plan.ranges.empty() && current.IsNull())
    StepArgs::Fail("step \"select\" needs \"row\", \"ranges\", \"all\", \"none\" or \"current\"");

  FocusGrid(wnd, grid);
  if (none) grid.SetCurSel({-1, -1});
  if (all) grid.SelectAll();
  bool first = true;
  for (const auto& [from, to] : plan.ranges) {
    // The first range replaces the selection (a click), later ones are added (Ctrl+click); the
    // range is stretched from its first row to its last (Shift+click), which becomes current.
    const std::uint32_t start = (first ? pf::kSelSingleItem : pf::SM_ADD_SEL_GROUP) | plan.whole;
    grid.SetCurSel({from, plan.column}, start);
    if (to != from) grid.SetCurSel({to, plan.column}, pf::kSelRangeEnd | plan.whole);
    first = false;
  }
  if (!current.IsNull()) grid.SetCurSel(current, pf::SM_SET_ACTIVE_ITEM);
}

void Click(ScenarioHost& host, const StepArgs& args) {
  const ViewVariant variant = args.View();
  OrderBookWnd& wnd = host.RequireWindow(variant);
  OrderBookGrid& grid = host.RequireGrid(variant);
  const bool twice = args.Bool("double", false);
  if (const nlohmann::json* row = args.Find("row")) {
    const std::int64_t r = StepArgs::ToInt(*row, "row");
    CheckRow(grid, r, "row");
    const int column = args.Has("column") ? ColumnOf(args.Require("column"), grid.Variant(), "column")
                                          : grid.GetFirstVisibleColumn();
    FocusGrid(wnd, grid);
    grid.SetCurSel({static_cast<int>(r), column}, pf::kSelSingleItem);
    grid.OnLButtonDown();
    if (twice) grid.OnLButtonDblClk();
    return;
  }
  if (!args.Has("column")) StepArgs::Fail("step \"click\" needs a header \"column\" or a \"row\"");
  if (twice) StepArgs::Fail("a header takes single clicks only");
  grid.ToggleSortColumn(ColumnOf(args.Require("column"), grid.Variant(), "column"));
}

void ContextMenu(ScenarioHost& host, const StepArgs& args) {
  const ViewVariant variant = args.View();
  const Target target = TargetOf(args);
  const unsigned choose = args.Has("choose") ? StepArgs::ToIntIn<std::uint16_t>(args.Require("choose"), "choose") : 0;
  const int x = static_cast<int>(args.Int("x", 100)), y = static_cast<int>(args.Int("y", 100));
  OrderBookWnd& wnd = host.RequireWindow(variant);
  if (target == Target::Window) StepArgs::Fail("the window has no context menu of its own; use the grid");
  OrderBookGrid& grid = host.RequireGrid(variant);
  auto& menus = host.App().PopupMenus();
  menus.SetChooser([choose](const pf::Menu&) { return choose; });
  struct ResetChooser {
    pf::MenuTracker& menus;
    ~ResetChooser() { menus.SetChooser({}); }
  } reset{menus};
  if (target == Target::FilterBar) {
    OpenFilterBarMenu(wnd.GetFilterBar(), x, y);
    return;
  }
  FocusGrid(wnd, grid);
  grid.OnContextMenu(x, y);
}

}  // namespace

void AddInputSteps(StepTable& table) {
  table.Add({"select", {"view", "row", "ranges", "column", "current", "all", "none", "wholeRows"}, &Select});
  table.Add({"key", {"view", "key", "shift", "ctrl", "alt", "target", "control"}, &Key});
  table.Add({"command", {"view", "id", "target"}, &Command});
  table.Add({"click", {"view", "column", "row", "double"}, &Click});
  table.Add({"menu", {"view", "target", "choose", "x", "y"}, &ContextMenu});
}

}  // namespace orv::scenario
