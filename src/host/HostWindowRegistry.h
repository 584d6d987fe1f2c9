#pragma once
// Host registries a view window joins: the focus control, the interactive router and the queue of
// window requests the host works through.
#include "host/records/WindowPassing.h"

#include <deque>
#include <functional>
#include <vector>

// The host's list of windows that can take the keyboard focus, most recent last.
class OrvFocusCtrl final {
 public:
  void AddFocus_New(void* window);
  // Gives the focus back to the most recent window of the list (what the host does after a
  // dialog); returns that window, or null.
  void* SetFocus_New();
  void Remove(void* window);
  const std::vector<void*>& Windows() const { return m_windows; }
  void Clear() { m_windows.clear(); }

 private:
  std::vector<void*> m_windows;
};

struct InteractiveWindowInfo {
  void* pWindow = nullptr;
  void* hWnd = nullptr;
  int nIdentity = 0;
};

struct InteractiveRouterMap {
  std::vector<InteractiveWindowInfo> entries;
};

class CInteractiveRouterManipulation final {
 public:
  static void SetInteractiveWindowInfo(InteractiveRouterMap* map, const InteractiveWindowInfo& info);
  static void RemoveInteractiveWindowInfo(InteractiveRouterMap* map, void* window);
};

// Queue of window requests the host serves in order.
class OrvWindowPassingKey final {
 public:
  void InsertInQueue(const WindowPassing& request);
  bool TakeNext(WindowPassing& out);
  std::size_t Size() const { return m_queue.size(); }
  void Clear() { m_queue.clear(); }
  // Called after every insert (the scenario driver reports queued requests).
  void SetObserver(std::function<void(const WindowPassing&)> observer) { m_observer = std::move(observer); }

 private:
  std::deque<WindowPassing> m_queue;
  std::function<void(const WindowPassing&)> m_observer;
};

namespace OrvInMemory {
inline OrvWindowPassingKey m_orvWindowPassingQueue;
}  // namespace OrvInMemory
