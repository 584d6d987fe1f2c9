#include "filterbar/OrderBookFilterFrame.h"

#include "filterbar/GTDOrderBookFilter.h"
#include "filterbar/OrvOrdersFilter.h"
#include "host/CustomSplitterControl.h"
#include "view/OrderBookWnd.h"

namespace {

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
  return 0;
}
