#pragma once
// Binds the shared window to one variant's exported class name and host global.
#include "view/OrderBookWnd.h"

template <ViewVariant V, typename Self, Self*& HostGlobal>
class OrderBookWndOf : public OrderBookWnd {
 public:
  OrderBookWndOf() : OrderBookWnd(V) {}
  ~OrderBookWndOf() override {
    // Only this window's own slot: a second instance going away must not orphan the live one.
    if (static_cast<OrderBookWnd*>(HostGlobal) == this) HostGlobal = nullptr;
  }
  // Stores the address of the host's pointer variable; the views never write through it.
  void SetBackpointer(Self** backpointer) { SetBackpointerAddress(backpointer); }
};
