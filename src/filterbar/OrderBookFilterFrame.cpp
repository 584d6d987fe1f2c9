#include "filterbar/OrderBookFilterFrame.h"

#include "filterbar/FilterBarTemplate.h"
#include "filterbar/GTDOrderBookFilter.h"
#include "filterbar/OrvOrdersFilter.h"
#include "host/CustomSplitterControl.h"
#include "view/OrderBookWnd.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The dialog font's base units: 4 horizontal and 8 vertical dialog units make one character cell.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;
// The bar is made this much taller than a frame it is widened to.
constexpr int kExtraBarHeight = 100;

std::unique_ptr<OrderBookFilter> MakeFilterBar(ViewVariant variant) {
  if (variant == ViewVariant::Pending) return std::make_unique<OrvOrdersFilter>();
  return std::make_unique<GTDOrderBookFilter>();
}

}  // namespace

OrderBookFilterFrame::OrderBookFilterFrame(ViewVariant variant) : m_pVariant(&DescriptionOf(variant)) {}

OrderBookFilterFrame::~OrderBookFilterFrame() = default;

int OrderBookFilterFrame::OnCreate() {
  if (!GetSafeHwnd()) return -1;
  if (!m_pFilterBar) {
    auto bar = MakeFilterBar(Variant().eVariant);
    if (!bar->Create(*this)) return -1;
    m_pFilterBar = std::move(bar);
  }
  auto* splitter = dynamic_cast<CustomSplitterControl*>(GetParent());
  if (splitter) {
    if (auto* wnd = dynamic_cast<OrderBookWnd*>(splitter->GetParent())) {
      m_pWnd = wnd;
      wnd->SetFilterFrame(this, m_pFilterBar.get());
    }
  }
  // Measured once: later resizes of the bar do not change what the frame scrolls over.
  m_sizeBar = TemplatePixelSize();
  m_sizeContent = m_sizeBar;
  return 0;
}

OrderBookFilterFrame::Size OrderBookFilterFrame::TemplatePixelSize() {
  return {filterbar::kDialogWidthDlu * kBaseUnitX / 4, filterbar::kDialogHeightDlu * kBaseUnitY / 8};
}

void OrderBookFilterFrame::OnSize(unsigned /*nType*/, int cx, int cy) {
  m_sizeClient = {std::max(cx, 0), std::max(cy, 0)};
  if (m_pWnd && m_pWnd->bFilterBarShown && m_sizeClient.cx > m_sizeBar.cx)
    m_sizeBar = {m_sizeClient.cx, m_sizeClient.cy + kExtraBarHeight};
  UpdateScrollBars();
}

void OrderBookFilterFrame::UpdateScrollBars() {
  m_nHScrollRange = std::max(m_sizeContent.cx - m_sizeClient.cx, 0);
  m_nVScrollRange = std::max(m_sizeContent.cy - m_sizeClient.cy, 0);
  m_hScroll.nMin = 0;
  m_hScroll.nMax = m_nHScrollRange > 0 ? m_sizeContent.cx : 0;
  m_hScroll.nPage = m_sizeClient.cx;
  // Held within what can still be scrolled: a wider frame must not leave the bar scrolled past
  // its end.
  const int pos = std::clamp(m_nHScrollPos, 0, m_nHScrollRange);
  m_hScroll.nPos = pos;
  ScrollWindow(m_nHScrollPos - pos, 0);
  m_nHScrollPos = pos;
}

int OrderBookFilterFrame::ScrollDelta(unsigned code, unsigned thumb, int pos, int range) {
  const int line = std::max(range / 10, 1);
  const int page = std::max(range, 1);
  switch (code) {
    case SB_LINELEFT: return pos > 0 ? -std::min(line, pos) : 0;
    case SB_LINERIGHT: return pos < range ? std::min(line, range - pos) : 0;
    case SB_PAGELEFT: return pos > 0 ? -std::min(page, pos) : 0;
    case SB_PAGERIGHT: return pos < range ? std::min(page, range - pos) : 0;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: return static_cast<int>(thumb) - pos;
    default: return 0;
  }
}

void OrderBookFilterFrame::OnHScroll(unsigned nSBCode, unsigned nPos, const void* scrollBar) {
  if (scrollBar != nullptr) return;
  const int delta = ScrollDelta(nSBCode, nPos, m_nHScrollPos, m_nHScrollRange);
  if (delta == 0) return;
  m_nHScrollPos += delta;
  m_hScroll.nPos = m_nHScrollPos;
  ScrollWindow(-delta, 0);
}

void OrderBookFilterFrame::OnVScroll(unsigned nSBCode, unsigned nPos, const void* scrollBar) {
  if (scrollBar != nullptr) return;
  const int delta = ScrollDelta(nSBCode, nPos, m_nVScrollPos, m_nVScrollRange);
  if (delta == 0) return;
  m_nVScrollPos += delta;
  ScrollWindow(0, -delta);
}

bool OrderBookFilterFrame::OnMouseWheel(unsigned nFlags, short zDelta, int /*x*/, int /*y*/) {
  if ((nFlags & (MK_SHIFT | MK_CONTROL)) != 0) return false;
  const int steps = std::max(std::abs(static_cast<int>(zDelta)) / WHEEL_DELTA, 1);
  // Turning the wheel towards the user (a negative delta) scrolls down, or right.
  const bool forward = zDelta < 0;
  for (int i = 0; i < steps; ++i) {
    if (m_bVScrollStyle) OnVScroll(forward ? SB_LINEDOWN : SB_LINEUP, 0, nullptr);
    else OnHScroll(forward ? SB_LINERIGHT : SB_LINELEFT, 0, nullptr);
  }
  return true;
}
