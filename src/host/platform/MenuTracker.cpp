#include "host/platform/MenuTracker.h"

namespace orv::platform {

unsigned MenuTracker::Track(const Menu& menu, unsigned flags, int x, int y) {
  unsigned chosen = 0;
  if (m_chooser) {
    const Chooser chooser = m_chooser;  // it may replace itself while it runs
    const unsigned pick = chooser(menu);
    const MenuItem* item = pick == 0 ? nullptr : menu.FindCommand(pick);
    if (item != nullptr && item->IsChoosable()) chosen = pick;
  }
  m_last = TrackedMenu{menu, flags, x, y, chosen};
  ++m_count;
  if (m_observer) {
    const TrackedMenu record = *m_last;  // the observer may track another menu
    const Observer observer = m_observer;
    observer(record);
  }
  return chosen;
}

}  // namespace orv::platform
