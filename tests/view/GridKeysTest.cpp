#include "support/ViewHarness.h"
#include "view/ColumnCatalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <map>
#include <ostream>

namespace {

namespace platform = orv::platform;
using platform::GridItemID;
using platform::GridRange;
using Strings = std::vector<std::string>;
constexpr int kVert = platform::GridCtrlModel::SB_VERT, kHorz = platform::GridCtrlModel::SB_HORZ;

enum Mods : unsigned { kPlain = 0, kShift = 1, kCtrl = 2, kAlt = 4 };

std::string KeyText(int vk) {
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::string(1, static_cast<char>(vk));
  return "vk" + std::to_string(vk);
}

struct KeyCase {
  int vk;
  unsigned mods;
  friend std::ostream& operator<<(std::ostream& os, const KeyCase& k) {
    return os << (k.mods & kCtrl ? "Ctrl+" : "") << (k.mods & kShift ? "Shift+" : "") << (k.mods & kAlt ? "Alt+" : "")
              << KeyText(k.vk);
  }
};

// Everything a key could change that a test can see.
struct Observed {
  std::map<int, std::pair<bool, Strings>> filters;
  double scale = 0;
  std::vector<GridRange> ranges;
  GridItemID current;
  int vscroll = 0, hscroll = 0;
  std::size_t posted = 0, boxes = 0, lastSelected = 0;
  bool titleBar = false, statusBar = false, visible = false, closedByEscape = false, multiRow = false;
  int columnProfile = 0, fitToSize = 0;
  long shiftF3Time = 0;
  int shiftF3Event = 0;

  bool operator==(const Observed&) const = default;
};

class GridKeys : public ::testing::Test {
 protected:
  // `orders` pending NIFTY orders plus one RELIANCE order, shown in the Pending grid, no filters left.
  OrderBookGrid& Grid(int orders = 6) {
    for (int i = 1; i <= orders; ++i) h.AddOrder(BookKind::Pending, static_cast<std::uint32_t>(i));
    ScriptDesc* reliance = h.Master().Find(ViewHarness::kReliance);
    h.AddOrder(BookKind::Pending, 100, [reliance](OrderBookDetails& r) {
      r.lOurToken = ViewHarness::kReliance;
      r.pContract = reliance;
    });
    auto& grid = h.Pending();
    grid.ClearFilter(-1);
    AppOrderBook::IsInsertPost = 1;
    h.Run();
    return grid;
  }

  bool Press(OrderBookGrid& grid, int vk, unsigned mods = kPlain, unsigned message = platform::WM_KEYDOWN) {
    platform::KeyState& keys = h.App().Keys();
    keys.SetShift((mods & kShift) != 0);
    keys.SetCtrl((mods & kCtrl) != 0);
    keys.SetAlt((mods & kAlt) != 0);
    platform::MSG msg{&grid, message, static_cast<platform::WPARAM>(vk), 0};
    const bool consumed = grid.PreTranslateMessage(&msg);
    keys.ReleaseAll();
    return consumed;
  }
  bool AltKey(OrderBookGrid& grid, int vk) { return Press(grid, vk, kAlt, platform::WM_SYSKEYDOWN); }

  Observed Observe(OrderBookGrid& grid) {
    Observed o;
    for (const auto& [col, f] : grid.Filters()) o.filters[col] = {f.bAll, f.lstValues};
    o.scale = grid.GetScale();
    o.ranges = grid.GetSelectionRanges();
    o.current = grid.GetCurSelItemID();
    o.vscroll = grid.GetScrollPos(kVert);
    o.hscroll = grid.GetScrollPos(kHorz);
    o.posted = h.App().MainWindow().Posted().size();
    o.boxes = h.App().MessageBoxes().Shown().size();
    o.lastSelected = AppOrderBook::LastSelectedRefNo.size();
    OrderBookWnd& wnd = *grid.GetOwnerWnd();
    o.titleBar = wnd.IsTitleBarShown();
    o.statusBar = wnd.IsStatusBarShown();
    o.visible = wnd.IsVisible();
    o.closedByEscape = wnd.bClosedByEscape;
    o.multiRow = wnd.bMultiRowSelected;
    o.columnProfile = grid.ColumnProfileRequests();
    o.fitToSize = grid.FitToSizeRequests();
    o.shiftF3Time = AppGlobal::g_lShiftF3ProcessEventTime;
    o.shiftF3Event = AppGlobal::g_iIsShiftF3ProcessEvent;
    return o;
  }

  Strings FilterValues(OrderBookGrid& grid, int column) {
    const MULTIPLEFILTER_PARAM* f = grid.FindFilter(column);
    return f && !f->bAll ? f->lstValues : Strings{};
  }
  void SetTwoFilters(OrderBookGrid& grid) {
    grid.SetDefaultDemoFilter(COL_B_S, "BUY", false, true, false);
    grid.SetDefaultDemoFilter(COL_Mkt_Seg, "F", false, true, false);
  }

  // The request record a 9898 post points at, read back byte by byte as the host would.
  struct Request {
    std::int32_t from, id, param1, param2;
    void* wnd;
    std::uint64_t reserved;
    double dParam;
  };
  Request LastRequest() {
    const auto& posted = h.App().MainWindow().Posted();
    EXPECT_FALSE(posted.empty());
    EXPECT_EQ(posted.back().msg, 9898u);
    EXPECT_EQ(posted.back().lParam, 0);
    EXPECT_EQ(posted.back().wParam, reinterpret_cast<platform::WPARAM>(&AppGlobal::objWindowPassing));
    const auto* bytes = reinterpret_cast<const unsigned char*>(posted.back().wParam);
    Request r{};
    auto at = [bytes](void* field, int offset, std::size_t size) { std::memcpy(field, bytes + offset, size); };
    at(&r.from, 0, 4), at(&r.wnd, 4, 8), at(&r.id, 12, 4), at(&r.param1, 16, 4), at(&r.param2, 20, 4);
    at(&r.reserved, 24, 8), at(&r.dParam, 32, 8);
    return r;
  }

  ViewHarness h;
};

// --- Which messages the map looks at. ---------------------------------------------------------

TEST_F(GridKeys, only_key_downs_reach_the_map_and_system_ones_carry_only_alt_f3_and_alt_f4) {
  auto& grid = Grid();
  for (unsigned message : {platform::WM_KEYUP, platform::WM_CHAR, 0x0200u}) {
    platform::MSG msg{&grid, message, platform::VK_F5, 0};
    EXPECT_FALSE(grid.PreTranslateMessage(&msg)) << message;
  }
  EXPECT_FALSE(grid.PreTranslateMessage(nullptr));
  EXPECT_FALSE(grid.IsKeyboardEvent()) << "no key went down yet";
  EXPECT_FALSE(Press(grid, 'Q'));
  EXPECT_TRUE(grid.IsKeyboardEvent()) << "a key the map passes on still marks the flag";
  grid.SetKeyboardEvent(false);

  const Observed before = Observe(grid);
  for (int vk : {platform::VK_F5, platform::VK_F8, platform::VK_DELETE, static_cast<int>('E'), platform::VK_F1})
    EXPECT_FALSE(AltKey(grid, vk)) << KeyText(vk);
  EXPECT_TRUE(grid.IsKeyboardEvent()) << "system key-downs count too";
  EXPECT_EQ(Observe(grid), before);
  EXPECT_TRUE(AltKey(grid, platform::VK_F3));
  EXPECT_EQ(FilterValues(grid, COL_OrderLeg), Strings{"S"});
}

TEST_F(GridKeys, unlisted_keys_and_listed_keys_with_the_wrong_modifiers_go_to_the_grid_base_untouched) {
  auto& grid = Grid();
  grid.SetCurSel({2, 3}, platform::kSelSingleItem);
  const KeyCase keys[] = {
      // Not in the map at all.
      {'Q', kPlain}, {'Z', kCtrl}, {'2', kShift}, {platform::VK_SPACE, kPlain}, {platform::VK_INSERT, kPlain},
      {platform::VK_BACK, kPlain}, {platform::VK_F7, kPlain}, {platform::VK_F9, kShift}, {platform::VK_F12, kCtrl},
      // Listed keys whose modifiers do not fit.
      {platform::VK_TAB, kPlain}, {platform::VK_TAB, kShift}, {platform::VK_RETURN, kCtrl}, {'1', kPlain},
      {'1', kCtrl | kShift}, {'A', kPlain}, {'A', kShift}, {'B', kPlain}, {'B', kCtrl | kShift}, {'O', kPlain},
      {'O', kCtrl | kShift}, {'S', kPlain}, {'H', kPlain}, {'H', kShift}, {'H', kCtrl | kShift}, {'X', kPlain},
      {'X', kShift}, {platform::VK_F4, kPlain}, {platform::VK_F4, kShift}, {platform::VK_HOME, kCtrl},
      {platform::VK_END, kCtrl}, {platform::VK_UP, kPlain}, {platform::VK_DOWN, kShift}, {platform::VK_LEFT, kPlain},
      {platform::VK_RIGHT, kShift}, {platform::VK_LEFT, kCtrl | kShift}};
  const Observed before = Observe(grid);
  for (const KeyCase& k : keys) {
    EXPECT_FALSE(Press(grid, k.vk, k.mods)) << k;
    EXPECT_EQ(Observe(grid), before) << k;
  }
}

// --- Filters. ---------------------------------------------------------------------------------

TEST_F(GridKeys, f3_does_nothing_without_a_token_or_a_current_row_and_treats_show_all_as_no_filter) {
  auto& grid = Grid();
  grid.SetCurSel({0, 0}, platform::kSelSingleItem);
  AppGlobal::CurrentLOurTokenForApp = 0;
  const Observed before = Observe(grid);
  EXPECT_TRUE(Press(grid, platform::VK_F3));
  EXPECT_EQ(Observe(grid), before) << "token 0";

  AppGlobal::CurrentLOurTokenForApp = ViewHarness::kReliance;
  grid.ClearSelection();
  const Observed unselected = Observe(grid);
  EXPECT_TRUE(Press(grid, platform::VK_F3));
  EXPECT_EQ(Observe(grid), unselected) << "no current row";

  grid.SetCurSel({0, 0}, platform::kSelSingleItem);
  MULTIPLEFILTER_PARAM all;
  all.bAll = true;
  grid.AddFilter(COL_lOurToken, all);
  EXPECT_TRUE(Press(grid, platform::VK_F3));
  EXPECT_EQ(FilterValues(grid, COL_lOurToken), Strings{"101000002"});
}

TEST_F(GridKeys, alt_f3_shows_spread_orders_and_again_widens_them_to_every_token) {
  auto& grid = Grid();
  grid.SetDefaultDemoFilter(COL_lOurToken, "102000001", false, true, false);
  EXPECT_TRUE(AltKey(grid, platform::VK_F3));
  EXPECT_EQ(FilterValues(grid, COL_OrderLeg), Strings{"S"});
  EXPECT_TRUE(grid.IsFilterExist(COL_lOurToken)) << "the first press leaves the token filter";

  EXPECT_TRUE(Press(grid, platform::VK_F3, kAlt));
  EXPECT_EQ(FilterValues(grid, COL_OrderLeg), Strings{"S"});
  EXPECT_FALSE(grid.IsFilterExist(COL_lOurToken));
}

TEST_F(GridKeys, ctrl_x_runs_the_header_menus_clear_for_the_current_column_and_ctrl_shift_x_clears_all) {
  auto& grid = Grid();
  SetTwoFilters(grid);
  h.Run();
  grid.OnHeaderMenuButtonClick(COL_Mkt_Seg);  // another column's menu was open before
  grid.SetCurSel({1, COL_B_S}, platform::kSelSingleItem);
  EXPECT_TRUE(Press(grid, 'X', kCtrl));
  EXPECT_EQ(grid.nHeaderMenuColumn, COL_B_S) << "the current column becomes the header menu's column";
  EXPECT_FALSE(grid.IsFilterExist(COL_B_S)) << "the current column's filter goes";
  EXPECT_EQ(FilterValues(grid, COL_Mkt_Seg), Strings{"F"}) << "other columns keep theirs";

  // Without a current item Ctrl+X clears every filter, as Ctrl+Shift+X always does.
  for (unsigned mods : {unsigned{kCtrl}, kCtrl | kShift}) {
    SetTwoFilters(grid);
    h.Run();
    if (mods == kCtrl) {
      grid.ClearSelection();
    } else {
      grid.SetCurSel({1, COL_B_S}, platform::kSelSingleItem);
    }
    EXPECT_TRUE(Press(grid, 'X', mods));
    EXPECT_FALSE(grid.IsFilterExist(-1)) << KeyCase{'X', mods};
    EXPECT_EQ(AppOrderBook::IsInsertPost, 1) << "a rebuild is asked for";
  }
}

// --- Requests to the host. --------------------------------------------------------------------

TEST_F(GridKeys, ctrl_shift_s_and_ctrl_h_post_their_requests_with_a_cleared_record) {
  for (auto& grid : {std::ref<OrderBookGrid>(h.Pending()), std::ref<OrderBookGrid>(h.Gtd())}) {
    AppGlobal::objWindowPassing.nParam1 = 7;
    AppGlobal::objWindowPassing.dParam = 2.5;
    AppGlobal::objWindowPassing.nReserved = 9;
    EXPECT_TRUE(Press(grid, 'S', kCtrl | kShift));
    Request r = LastRequest();
    EXPECT_EQ(r.from, 0) << "Ctrl+Shift+S leaves the sender number 0";
    EXPECT_EQ(r.id, 26);
    EXPECT_EQ(r.param1, 0);
    EXPECT_EQ(r.param2, 0);
    EXPECT_EQ(r.reserved, 0u);
    EXPECT_EQ(r.dParam, 0.0);

    AppGlobal::objWindowPassing.nParam2 = 3;
    EXPECT_TRUE(Press(grid, 'H', kCtrl));
    r = LastRequest();
    EXPECT_EQ(r.from, grid.get().Variant().nWindowIdentity);
    EXPECT_EQ(r.wnd, static_cast<void*>(&grid.get()));
    EXPECT_EQ(r.id, 10124);
    EXPECT_EQ(r.param2, 0);
  }
  EXPECT_EQ(h.App().MainWindow().Posted().size(), 4u);
}

// --- Cancel, modify and the order windows. ----------------------------------------------------

TEST_F(GridKeys, shift_f3_stamps_the_host_time_or_the_clock_and_the_flag_before_cancelling_all) {
  auto& grid = Grid();
  AppGlobal::lTime = 0;
  const long before = static_cast<long>(std::time(nullptr));
  EXPECT_TRUE(Press(grid, platform::VK_F3, kShift));
  EXPECT_GE(AppGlobal::g_lShiftF3ProcessEventTime, before) << "the clock when the host has no time";
  EXPECT_LE(AppGlobal::g_lShiftF3ProcessEventTime, static_cast<long>(std::time(nullptr)));

  AppGlobal::lTime = 1700000000;
  AppGlobal::g_iIsShiftF3ProcessEvent = 3;
  EXPECT_TRUE(Press(grid, platform::VK_F3, kShift));
  EXPECT_EQ(AppGlobal::g_lShiftF3ProcessEventTime, 1700000000);
  EXPECT_EQ(AppGlobal::g_iIsShiftF3ProcessEvent, 1);
  EXPECT_FALSE(grid.GetOwnerWnd()->bMultiRowSelected) << "the multi-row mode is only held during the run";
  EXPECT_TRUE(grid.HasFocus());
}

// --- Selection. -------------------------------------------------------------------------------

class GridKeysNavigation : public GridKeys {
 protected:
  // 60 rows, 25 to a page; the current item on row `row`, column 3, scrolled to the top.
  OrderBookGrid& Tall() { return Place(Grid(59), 10, 0); }
  OrderBookGrid& Place(OrderBookGrid& grid, int row, int hscroll) {
    grid.SetCurSel({row, 3}, platform::kSelSingleItem);
    grid.SetScrollPos(kVert, 0);
    grid.EnsureVisible(row);
    grid.SetScrollPos(kHorz, hscroll);
    return grid;
  }
  static std::pair<int, int> Rows(const OrderBookGrid& grid) {
    const auto& r = grid.GetSelectionRanges();
    return r.size() == 1 ? std::pair{r[0].m_nTop, r[0].m_nBottom} : std::pair{-1, -1};
  }
};

TEST_F(GridKeysNavigation, home_and_end_move_the_current_row_and_shift_extends_from_the_anchor) {
  auto& grid = Tall();
  EXPECT_TRUE(Press(grid, platform::VK_END));
  EXPECT_EQ(grid.GetCurSelItemID(), (GridItemID{59, 3}));
  EXPECT_EQ(Rows(grid), (std::pair{59, 59}));
  EXPECT_EQ(grid.GetTopVisibleRow(), 35) << "the last row is brought into view";

  EXPECT_TRUE(Press(grid, platform::VK_HOME, kShift));
  EXPECT_EQ(grid.GetCurSelItemID(), (GridItemID{0, 3}));
  EXPECT_EQ(Rows(grid), (std::pair{0, 59})) << "Shift stretches from the anchor";
  EXPECT_EQ(grid.GetTopVisibleRow(), 0);
  EXPECT_EQ(grid.GetScrollPos(kHorz), 0) << "plain Home/End leave the columns";
}

TEST_F(GridKeysNavigation, page_keys_move_a_page_and_shift_extends) {
  auto& grid = Tall();
  EXPECT_TRUE(Press(grid, platform::VK_NEXT));
  EXPECT_EQ(grid.GetCurSelItemID(), (GridItemID{35, 3}));
  EXPECT_EQ(grid.GetTopVisibleRow(), 25) << "the view moves a page with the row";
  EXPECT_TRUE(Press(grid, platform::VK_NEXT, kShift));
  EXPECT_EQ(Rows(grid), (std::pair{35, 59})) << "clamped to the last row";
  EXPECT_TRUE(Press(grid, platform::VK_PRIOR));
  EXPECT_EQ(grid.GetCurSelItemID(), (GridItemID{34, 3}));
  EXPECT_EQ(Rows(grid), (std::pair{34, 34}));
  EXPECT_TRUE(grid.GetTopVisibleRow() <= 34 && 34 < grid.GetTopVisibleRow() + 25);
}

}  // namespace
