// The frame scrolling the wide bar sideways, and the bar's context menu and command relays.
#include "filterbar/FilterBarFixture.h"
#include "filterbar/OrderBookFilterFrame.h"
#include "host/platform/Application.h"
#include "view/OrderBookWnd.h"

namespace {

namespace pf = orv::platform;
using Frame = OrderBookFilterFrame;

class FilterFrame : public FilterBarFixture {
 protected:
  Frame& FrameOf(ViewVariant variant = ViewVariant::Pending) {
    return *h.Wnd(variant).GetFilterFrame();
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

TEST_F(FilterFrame, relays_reach_the_grid_and_a_bar_without_one_takes_them_quietly) {
  OrderBookFilter& bar = ShownBar();
  const int fits = Grid().FitToSizeRequests();
  EXPECT_TRUE(bar.OnCommand(3140));
  EXPECT_EQ(Grid().FitToSizeRequests(), fits + 1);
  OrderBookFilter lone(ViewVariant::Pending);
  EXPECT_TRUE(lone.OnCommand(3140)) << "without a grid a relay does nothing";
}

}  // namespace
