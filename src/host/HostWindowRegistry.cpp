#include "host/HostWindowRegistry.h"

#include <algorithm>

void OrvFocusCtrl::AddFocus_New(void* window) {
  Remove(window);
  m_windows.push_back(window);
}

void* OrvFocusCtrl::SetFocus_New() { return m_windows.empty() ? nullptr : m_windows.back(); }

void OrvFocusCtrl::Remove(void* window) { std::erase(m_windows, window); }

void CInteractiveRouterManipulation::SetInteractiveWindowInfo(InteractiveRouterMap* map,
                                                             const InteractiveWindowInfo& info) {
  if (!map) return;
  RemoveInteractiveWindowInfo(map, info.pWindow);
  map->entries.push_back(info);
}

void CInteractiveRouterManipulation::RemoveInteractiveWindowInfo(InteractiveRouterMap* map, void* window) {
  if (!map) return;
  std::erase_if(map->entries, [window](const InteractiveWindowInfo& e) { return e.pWindow == window; });
}

void OrvWindowPassingKey::InsertInQueue(const WindowPassing& request) {
  m_queue.push_back(request);
  if (m_observer) m_observer(request);
}

bool OrvWindowPassingKey::TakeNext(WindowPassing& out) {
  if (m_queue.empty()) return false;
  out = m_queue.front();
  m_queue.pop_front();
  return true;
}
