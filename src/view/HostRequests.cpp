#include "view/HostRequests.h"

#include "host/AppGlobal.h"
#include "host/platform/Application.h"
#include "view/OrderBookGrid.h"

void PostWindowPassing(OrderBookGrid& grid, int requestFrom, int requestId, int p1, int p2, double d) {
  WindowPassing& request = AppGlobal::objWindowPassing;
  // The host reads every field, so nothing of an earlier request may survive into this one.
  request.Clear();
  request.nRequestFrom = requestFrom;
  request.pRequestWnd = &grid;
  request.nRequestId = requestId;
  request.nParam1 = p1;
  request.nParam2 = p2;
  request.dParam = d;
  if (!grid.HasApp()) return;
  grid.App().MainWindow().Post(kMsgWindowPassing, reinterpret_cast<orv::platform::WPARAM>(&request), 0);
}
