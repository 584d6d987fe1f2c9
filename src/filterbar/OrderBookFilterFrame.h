#pragma once
// The frame that holds a view's filter bar in the upper pane of the window's splitter. It creates
// the bar and registers itself and the bar with the view window.
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
  // TODO(filter bar): the content size, the scroll ranges and positions, and the size, scroll and
  // mouse wheel handlers that scroll the bar sideways.
};
