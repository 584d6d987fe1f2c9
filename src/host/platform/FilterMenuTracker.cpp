#include "host/platform/FilterMenuTracker.h"

#include "host/platform/Application.h"
#include "host/platform/ScriptedAnswer.h"
#include "host/platform/Types.h"
#include "host/platform/Window.h"

#include <algorithm>

namespace orv::platform {

namespace {

bool Holds(const std::vector<std::string>& list, const std::string& text) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

}  // namespace

unsigned FilterMenuTracker::Track(const FilterMenu& menu, FilterColumnInfo& state) {
  FilterMenuAnswer answer = NextAnswer(m_scripted, m_chooser, menu, FilterMenuAnswer{});
  unsigned chosen = 0;
  if (answer.command != 0 && answer.command == menu.nApplyCommand) {
    chosen = answer.command;
    std::vector<std::string> ticked;
    for (std::string& value : answer.ticked) {
      if (!Holds(menu.values, value) && !Holds(menu.state.lstValues, value)) continue;
      if (!Holds(ticked, value)) ticked.push_back(std::move(value));
    }
    state.nCol = menu.nColumn;
    state.bAll = answer.bAll;
    state.lstValues = std::move(ticked);
  } else if (answer.command != 0) {
    const MenuItem* item = menu.commands.FindCommand(answer.command);
    if (item != nullptr && item->IsChoosable()) chosen = answer.command;
  }
  m_last = TrackedFilterMenu{menu, chosen, state};
  ++m_count;
  if (m_observer) {
    const TrackedFilterMenu record = *m_last;  // the observer may show another menu
    const Observer observer = m_observer;
    observer(record);
  }
  return chosen;
}

unsigned ShowFilterMenu(Window& owner, Menu commands, unsigned applyCommand, int column, FilterColumnInfo& state,
                        std::vector<std::string> values) {
  Application* app = owner.HasApp() ? &owner.App() : Application::Current();
  if (app == nullptr) return 0;
  FilterMenu menu;
  menu.commands = std::move(commands);
  menu.nApplyCommand = applyCommand;
  menu.nColumn = column;
  menu.values = std::move(values);
  menu.state = state;
  const unsigned chosen = app->FilterMenus().Track(menu, state);
  if (chosen != 0) owner.PostMessage(WM_COMMAND, chosen, 0);
  return chosen;
}

}  // namespace orv::platform
