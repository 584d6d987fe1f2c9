#pragma once
// Popup menus without a screen: each tracked menu is kept (a copy, checks and greys included) for
// observers, and the command comes from a chooser (a script or the GUI); without one the menu is
// dismissed.
#include "host/platform/Menu.h"

#include <cstddef>
#include <functional>
#include <optional>

namespace orv::platform {

struct TrackedMenu {
  Menu menu;
  unsigned flags = 0;
  int x = 0;
  int y = 0;
  unsigned chosen = 0;  // 0: dismissed
};

class MenuTracker final {
 public:
  // Returns the chosen command id, 0 to dismiss the menu.
  using Chooser = std::function<unsigned(const Menu& menu)>;
  using Observer = std::function<void(const TrackedMenu&)>;

  void SetChooser(Chooser chooser) { m_chooser = std::move(chooser); }
  void SetObserver(Observer observer) { m_observer = std::move(observer); }

  // Records the menu and returns the command chosen. A choice that is not a usable command of this
  // menu (unknown, greyed, a separator or a submenu) dismisses the menu instead.
  unsigned Track(const Menu& menu, unsigned flags, int x, int y);

  const std::optional<TrackedMenu>& Last() const { return m_last; }
  std::size_t TrackedCount() const { return m_count; }
  void Clear() {
    m_last.reset();
    m_count = 0;
  }

 private:
  Chooser m_chooser;
  Observer m_observer;
  std::optional<TrackedMenu> m_last;
  std::size_t m_count = 0;
};

}  // namespace orv::platform
