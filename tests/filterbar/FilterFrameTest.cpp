// The frame scrolling the wide bar sideways, and the bar's context menu and command relays.
#include "filterbar/FilterBarFixture.h"
#include "filterbar/OrderBookFilterFrame.h"
#include "host/platform/Application.h"
#include "host/platform/Menu.h"
#include "view/ModuleResources.h"
#include "view/OrderBookWnd.h"

namespace {

namespace pf = orv::platform;
using Frame = OrderBookFilterFrame;

class FilterFrame : public FilterBarFixture {
 protected:
  Frame& FrameOf(ViewVariant variant = ViewVariant::Pending) {
    OrderBookWnd& wnd = variant == ViewVariant::Pending ? static_cast<OrderBookWnd&>(h.PendingWnd())
                                                        : static_cast<OrderBookWnd&>(h.GtdWnd());
    return *wnd.GetFilterFrame();
  }
  const pf::Menu& OpenMenu(OrderBookFilter& bar, unsigned choose = 0) {
    h.App().PopupMenus().SetChooser([choose](const pf::Menu&) { return choose; });
    bar.OnContextMenu(&bar, 10, 20);
    h.Run();
    return h.App().PopupMenus().Last()->menu;
  }
  static std::string State(const pf::Menu& menu, unsigned id) {
    const pf::MenuItem* item = menu.FindCommand(id);
    if (!item) return "missing";
    return std::string(item->checked ? "ticked" : "") + (item->checked && item->grayed ? " " : "") +
           (item->grayed ? "greyed" : "");
  }
};

TEST_F(FilterFrame, a_narrow_frame_scrolls_the_bar_by_tenths_pages_and_the_wheel) {
  ShownBar();
  Frame& frame = FrameOf();
  const Frame::Size content = frame.ContentSize();
  ASSERT_GT(content.cx, 1000);
  frame.OnSize(0, content.cx - 500, 40);
  EXPECT_EQ(frame.HScrollRange(), 500);
  EXPECT_EQ(frame.BarSize(), content) << "a narrower frame leaves the bar at its size";
  EXPECT_EQ(frame.HScrollInfo().nMax, content.cx);
  EXPECT_EQ(frame.HScrollInfo().nPage, content.cx - 500);

  frame.OnHScroll(Frame::SB_LINELEFT, 0, nullptr);
  EXPECT_EQ(frame.HScrollPos(), 0) << "nothing left of the start";
  frame.OnHScroll(Frame::SB_LINERIGHT, 0, nullptr);
  EXPECT_EQ(frame.HScrollPos(), 50);
  EXPECT_EQ(frame.ContentOffsetX(), -50);
  frame.OnHScroll(Frame::SB_PAGERIGHT, 0, nullptr);
  EXPECT_EQ(frame.HScrollPos(), 500) << "a page is the whole range, held at the end";
  frame.OnHScroll(Frame::SB_LINERIGHT, 0, nullptr);
  EXPECT_EQ(frame.HScrollPos(), 500);
  frame.OnHScroll(Frame::SB_THUMBTRACK, 120, nullptr);
  EXPECT_EQ(frame.HScrollPos(), 120);
  int other = 0;
  frame.OnHScroll(Frame::SB_PAGELEFT, 0, &other);
  EXPECT_EQ(frame.HScrollPos(), 120) << "a child scroll bar's notification is its own";

  // Towards the user: right by one line per notch; with Shift or Ctrl the frame leaves it.
  EXPECT_TRUE(frame.OnMouseWheel(0, -240, 0, 0));
  EXPECT_EQ(frame.HScrollPos(), 220);
  EXPECT_TRUE(frame.OnMouseWheel(0, 30, 0, 0));
  EXPECT_EQ(frame.HScrollPos(), 170) << "a small turn is still one step";
  EXPECT_FALSE(frame.OnMouseWheel(Frame::MK_CONTROL, -120, 0, 0));
  EXPECT_FALSE(frame.OnMouseWheel(Frame::MK_SHIFT, -120, 0, 0));
  EXPECT_EQ(frame.HScrollPos(), 170);

  // A tiny range still scrolls a pixel a line.
  frame.OnSize(0, content.cx - 5, 40);
  EXPECT_EQ(frame.HScrollPos(), 5) << "held within the new range";
  frame.OnHScroll(Frame::SB_LINELEFT, 0, nullptr);
  EXPECT_EQ(frame.HScrollPos(), 4);
  EXPECT_EQ(frame.ContentOffsetX(), -4);
}

TEST_F(FilterFrame, a_wide_frame_widens_the_bar_and_offers_no_range) {
  ShownBar();
  Frame& frame = FrameOf();
  const Frame::Size content = frame.ContentSize();
  frame.OnSize(0, content.cx + 300, 50);
  EXPECT_EQ(frame.BarSize(), (Frame::Size{content.cx + 300, 150}));
  EXPECT_EQ(frame.ContentSize(), content) << "measured once";
  EXPECT_EQ(frame.HScrollRange(), 0);
  EXPECT_EQ(frame.HScrollInfo().nMax, 0);
  frame.OnHScroll(Frame::SB_PAGERIGHT, 0, nullptr);
  EXPECT_EQ(frame.HScrollPos(), 0);
}

TEST_F(FilterFrame, close_hides_the_bar_once_and_the_menu_ticks_the_bars_and_order_style) {
  OrderBookFilter& bar = ShownBar();
  OrderBookWnd& wnd = *Grid().GetOwnerWnd();
  const pf::Menu& menu = OpenMenu(bar);
  EXPECT_EQ(State(menu, 2009), wnd.IsTitleBarShown() ? "ticked" : "");
  EXPECT_EQ(State(menu, 2056), "ticked greyed");
  EXPECT_EQ(State(menu, 2058), "");

  Grid().OnQuickFilter(2058);  // Manual
  const pf::Menu& manual = OpenMenu(bar);
  EXPECT_EQ(State(manual, 2058), "ticked greyed");
  EXPECT_EQ(State(manual, 2056), "");
  EXPECT_EQ(State(manual, 2057), "");
  // "All" from the bar's menu removes the order-style filter.
  OpenMenu(bar, 2056);
  EXPECT_FALSE(Grid().IsFilterExist(COL_Order_Style));

  OpenMenu(bar, 2008);
  EXPECT_FALSE(wnd.bFilterBarShown);
  EXPECT_TRUE(wnd.HasFocus());
  EXPECT_TRUE(bar.OnCommand(2008)) << "a second Close does nothing";
  EXPECT_FALSE(wnd.bFilterBarShown);
}

TEST_F(FilterFrame, relays_reach_the_grid_and_the_gtd_bar_refuses_modify_and_cancel_all) {
  OrderBookFilter& bar = ShownBar();
  const int fits = Grid().FitToSizeRequests();
  EXPECT_TRUE(bar.OnCommand(3140));
  EXPECT_EQ(Grid().FitToSizeRequests(), fits + 1);
  EXPECT_FALSE(bar.OnCommand(2059)) << "Users has no handler in the bar";
  EXPECT_TRUE(bar.OnCommand(2004));

  h.ShowAllRows(ViewVariant::GTD);
  OrderBookFilter& gtd = Bar(ViewVariant::GTD);
  EXPECT_TRUE(gtd.OnCommand(2002));
  EXPECT_TRUE(gtd.OnCommand(2064));
  const auto& shown = h.App().MessageBoxes().Shown();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, "Modification is not allowed");
  EXPECT_EQ(shown[1].text, "Cancellation is not allowed");
  EXPECT_EQ(shown[1].caption, "ZARU Client");

  OrderBookFilter lone(ViewVariant::Pending);
  EXPECT_TRUE(lone.OnCommand(3140)) << "without a grid a relay does nothing";
}

}  // namespace
