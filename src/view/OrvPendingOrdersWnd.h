#pragma once
#include "host/HostWindows.h"
#include "view/OrderBookWndOf.h"

class OrvPendingOrdersWnd final : public OrderBookWndOf<ViewVariant::Pending, OrvPendingOrdersWnd, m_wndPendingOrder> {
 public:
  // The host's delete-all entry of this window's book.
  orv::platform::LRESULT PendingOrdersDeleteAllProcess(orv::platform::WPARAM w, orv::platform::LPARAM l) {
    return DeleteAllProcess(w, l);
  }
};
