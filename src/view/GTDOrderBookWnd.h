#pragma once
#include "host/HostWindows.h"
#include "view/OrderBookWndOf.h"

class GTDOrderBookWnd final : public OrderBookWndOf<ViewVariant::GTD, GTDOrderBookWnd, m_wndGTDOrderBook> {
 public:
  // The host's delete-all entry of this window's book.
  orv::platform::LRESULT GTDOrderBooksDeleteAllProcess(orv::platform::WPARAM w, orv::platform::LPARAM l) {
    return DeleteAllProcess(w, l);
  }
};
