#include "filterbar/OrderBookFilter.h"

#include "filterbar/OrderBookFilterFrame.h"
#include "host/GeneralXmlSettings.h"
#include "view/OrderBookWnd.h"

OrderBookFilter::OrderBookFilter(ViewVariant variant) : m_pVariant(&DescriptionOf(variant)) {
  const auto& saved = variant == ViewVariant::Pending ? regGeneralXMLSettings.objPendingFilter
                                                      : regGeneralXMLSettings.objGTDFilter;
  m_chkSaveFilter.SetCheck(saved.bSaveFilter ? orv::platform::BST_CHECKED : orv::platform::BST_UNCHECKED);
}

OrderBookFilter::~OrderBookFilter() = default;

bool OrderBookFilter::Create(orv::platform::Window& frame) {
  if (!CreateNative(&frame)) return false;
  // TODO(filter bar): the fields, labels, lists and pickers of the bar's template.
  ShowWindow(true);
  return true;
}

void OrderBookFilter::ResetFilter(bool /*withStatus*/) {
  // TODO(filter bar): put every list and edit back to its default and clear the range texts.
}

void OrderBookFilter::Close() {
  auto* frame = dynamic_cast<OrderBookFilterFrame*>(GetParent());
  OrderBookWnd* wnd = frame ? frame->GetViewWnd() : nullptr;
  if (!wnd || !wnd->bFilterBarShown) return;
  CustomSplitterControl& splitter = wnd->GetSplitter();
  splitter.SetRowInfo(0, 0, 0);
  splitter.RecalcLayout();
  wnd->bFilterBarShown = false;
  wnd->SetFocus();
  wnd->PostMessage(orv::platform::WM_SIZE, 0, 0);
}
