#include "host/CustomDockingControlBar.h"

#include <algorithm>

void CustomDockingControlBar::ShowControlBar(bool show, bool, bool) { ShowWindow(show); }

void CustomDockingControlBar::SetClientSize(int cx, int cy) {
  // The size message carries 16 bits per side, so the stored size keeps within them too.
  m_clientCx = std::clamp(cx, 0, 0xFFFF);
  m_clientCy = std::clamp(cy, 0, 0xFFFF);
  if (GetSafeHwnd()) OnMessage(orv::platform::WM_SIZE, 0, MakeSizeLParam(m_clientCx, m_clientCy));
}

void CustomDockingControlBar::CloseDockingControlBar() {
  ++m_nCloseRequests;
  ShowControlBar(false, false, false);
}

bool CustomDockingControlBar::OpenFormProperties() {
  ++m_nFormPropertiesRequests;
  const bool changed = m_bNextFormPropertiesAnswer;
  m_bNextFormPropertiesAnswer = false;
  return changed;
}
