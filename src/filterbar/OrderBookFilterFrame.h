#pragma once
// The frame that holds a view's filter bar in the upper pane of the window's splitter. It creates
// the bar and registers itself and the bar with the view window. The bar is wider than most
// windows, so the frame scrolls it sideways: its horizontal range is the part of the bar that does
// not fit, and the mouse wheel scrolls it too.
#include "host/platform/Window.h"
#include "view/ViewVariant.h"

#include <memory>

class OrderBookFilter;
class OrderBookWnd;

class OrderBookFilterFrame : public orv::platform::Window {
 public:
  explicit OrderBookFilterFrame(ViewVariant variant);
  ~OrderBookFilterFrame() override;

  const VariantDescription& Variant() const { return *m_pVariant; }

  // Runs once the splitter has created the frame's native window: creates the variant's bar and,
  // when the frame sits in a splitter of a view window, registers the frame and the bar with it.
  // Returns 0, or -1 when the frame or the bar cannot be created.
  int OnCreate();

  // The view window that owns the splitter; null until creation found it.
  OrderBookWnd* GetViewWnd() const { return m_pWnd; }
  OrderBookFilter* GetFilterBar() const { return m_pFilterBar.get(); }

 private:
  const VariantDescription* m_pVariant;
  OrderBookWnd* m_pWnd = nullptr;
  std::unique_ptr<OrderBookFilter> m_pFilterBar;

 public:
  // Scroll codes of the scroll handlers.
  enum ScrollCode : unsigned {
    SB_LINELEFT = 0, SB_LINEUP = 0, SB_LINERIGHT = 1, SB_LINEDOWN = 1, SB_PAGELEFT = 2, SB_PAGEUP = 2,
    SB_PAGERIGHT = 3, SB_PAGEDOWN = 3, SB_THUMBPOSITION = 4, SB_THUMBTRACK = 5, SB_ENDSCROLL = 8
  };
  // Key flags of the wheel message.
  static constexpr unsigned MK_SHIFT = 0x0004;
  static constexpr unsigned MK_CONTROL = 0x0008;
  static constexpr int WHEEL_DELTA = 120;

  struct Size {
    int cx = 0;
    int cy = 0;
    bool operator==(const Size&) const = default;
  };
  // The horizontal scroll bar as the frame set it up.
  struct ScrollInfo {
    int nMin = 0;
    int nMax = 0;
    int nPage = 0;
    int nPos = 0;
  };

  // The frame's client area changed: a frame wider than the bar widens the bar to it (and makes it
  // 100 pixels taller than the frame), then the scroll bar follows.
  void OnSize(unsigned nType, int cx, int cy);
  void UpdateScrollBars();
  // `scrollBar` non-null: a child scroll-bar control's notification, left to that control.
  void OnHScroll(unsigned nSBCode, unsigned nPos, const void* scrollBar);
  void OnVScroll(unsigned nSBCode, unsigned nPos, const void* scrollBar);
  // False with Shift or Ctrl held (not handled here).
  bool OnMouseWheel(unsigned nFlags, short zDelta, int x, int y);

  Size ContentSize() const { return m_sizeContent; }
  Size ClientSize() const { return m_sizeClient; }
  Size BarSize() const { return m_sizeBar; }
  const ScrollInfo& HScrollInfo() const { return m_hScroll; }
  int HScrollRange() const { return m_nHScrollRange; }
  int VScrollRange() const { return m_nVScrollRange; }
  int HScrollPos() const { return m_nHScrollPos; }
  int VScrollPos() const { return m_nVScrollPos; }
  // Where the bar's content sits after scrolling (ScrollWindow moves it by minus the positions).
  int ContentOffsetX() const { return m_nContentX; }
  int ContentOffsetY() const { return m_nContentY; }
  // The frame was given the vertical-scroll style: the wheel then scrolls vertically.
  void SetVerticalScrollStyle(bool on) { m_bVScrollStyle = on; }

  // The bar's size in pixels from its template (dialog units at the dialog font's base units).
  static Size TemplatePixelSize();

 private:
  void ScrollWindow(int dx, int dy) {
    m_nContentX += dx;
    m_nContentY += dy;
  }
  // The change of position a scroll code asks for, 0 when it does nothing.
  static int ScrollDelta(unsigned code, unsigned thumb, int pos, int range);

  Size m_sizeContent;
  Size m_sizeClient;
  Size m_sizeBar;
  ScrollInfo m_hScroll;
  int m_nHScrollRange = 0;
  int m_nVScrollRange = 0;
  int m_nHScrollPos = 0;
  int m_nVScrollPos = 0;
  int m_nContentX = 0;
  int m_nContentY = 0;
  bool m_bVScrollStyle = false;
};
