#pragma once
// The grid's header filter menu without a screen: the header menu's own commands plus a check list
// of the column's values with an all entry. Each shown menu is kept for observers; the answer comes
// from a queue of scripted answers, else from a chooser (the GUI), else the menu is dismissed.
#include "host/platform/Menu.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orv::platform {

class Window;

// What the header menu of one column shows ticked: the all entry and the ticked values.
struct FilterColumnInfo {
  int nCol = -1;
  bool bAll = false;
  std::vector<std::string> lstValues;

  void Clear() {
    nCol = -1;
    bAll = false;
    lstValues.clear();
  }
};

struct FilterMenu {
  Menu commands;               // the header menu's items (sorting, set and clear filter, ...)
  unsigned nApplyCommand = 0;  // sent when the user confirms the ticks
  int nColumn = -1;
  std::vector<std::string> values;  // the check list, in the order shown
  FilterColumnInfo state;           // the ticks as the menu opened
};

struct FilterMenuAnswer {
  // 0 dismisses the menu; the menu's apply command confirms `bAll` and `ticked`; any other value
  // must be a usable command of the menu's items.
  unsigned command = 0;
  bool bAll = false;
  std::vector<std::string> ticked;
};

struct TrackedFilterMenu {
  FilterMenu menu;
  unsigned chosen = 0;  // 0: dismissed
  FilterColumnInfo result;  // the ticks after the answer
};

class FilterMenuTracker final {
 public:
  using Chooser = std::function<FilterMenuAnswer(const FilterMenu& menu)>;
  using Observer = std::function<void(const TrackedFilterMenu&)>;

  // Scripted answers, used first come, first served, one per menu.
  void QueueAnswer(FilterMenuAnswer answer) { m_scripted.push_back(std::move(answer)); }
  std::size_t QueuedAnswers() const { return m_scripted.size(); }
  void ClearAnswers() { m_scripted.clear(); }
  void SetChooser(Chooser chooser) { m_chooser = std::move(chooser); }
  void SetObserver(Observer observer) { m_observer = std::move(observer); }

  // Records the menu and returns the command chosen (0: dismissed). When the apply command is
  // chosen, `state` takes the answer's all entry and ticks; a tick that names neither an offered
  // value nor one already ticked is dropped, since the check list cannot show it. An answer that is
  // neither the apply command nor a usable command of the menu dismisses it.
  unsigned Track(const FilterMenu& menu, FilterColumnInfo& state);

  const std::optional<TrackedFilterMenu>& Last() const { return m_last; }
  std::size_t TrackedCount() const { return m_count; }

 private:
  std::deque<FilterMenuAnswer> m_scripted;
  Chooser m_chooser;
  Observer m_observer;
  std::optional<TrackedFilterMenu> m_last;
  std::size_t m_count = 0;
};

// Shows the filter menu of `column` through the tracker of the owner's Application (else the
// current one). A chosen command reaches the owner as a posted WM_COMMAND, as a popup menu's
// would; the apply command also leaves the new ticks in `state` first. Returns the command, 0 when
// none was chosen or there is no Application.
unsigned ShowFilterMenu(Window& owner, Menu commands, unsigned applyCommand, int column, FilterColumnInfo& state,
                        std::vector<std::string> values);

}  // namespace orv::platform
