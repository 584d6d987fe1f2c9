#include "host/platform/Menu.h"

#include "host/platform/Application.h"
#include "host/platform/ResourceRegistry.h"
#include "host/platform/Window.h"

#include <utility>

namespace orv::platform {

namespace {

void ApplyStateFlags(MenuItem& item, unsigned flags) {
  item.checked = (flags & MF_CHECKED) != 0;
  item.grayed = (flags & (MF_GRAYED | MF_DISABLED)) != 0;
  item.separator = (flags & MF_SEPARATOR) != 0;
}

MenuItem MakeItem(unsigned flags, unsigned id, std::string text) {
  MenuItem item;
  ApplyStateFlags(item, flags);
  if (item.separator) return item;
  item.text = std::move(text);
  if ((flags & MF_POPUP) != 0) {
    item.submenu = std::make_unique<Menu>();
  } else {
    item.id = id;
  }
  return item;
}

}  // namespace

MenuItem::MenuItem() = default;
MenuItem::~MenuItem() = default;
MenuItem::MenuItem(MenuItem&&) noexcept = default;
MenuItem& MenuItem::operator=(MenuItem&&) noexcept = default;

MenuItem::MenuItem(const MenuItem& other)
    : id(other.id),
      text(other.text),
      checked(other.checked),
      grayed(other.grayed),
      separator(other.separator),
      submenu(other.submenu ? std::make_unique<Menu>(*other.submenu) : nullptr) {}

MenuItem& MenuItem::operator=(const MenuItem& other) {
  if (this != &other) *this = MenuItem(other);
  return *this;
}

unsigned MenuItem::State() const {
  unsigned state = 0;
  if (checked) state |= MF_CHECKED;
  if (grayed) state |= MF_GRAYED;
  if (separator) state |= MF_SEPARATOR;
  if (submenu) state |= MF_POPUP;
  return state;
}

Menu::Menu() = default;
Menu::~Menu() = default;
Menu::Menu(const Menu& other) = default;
Menu& Menu::operator=(const Menu& other) = default;
Menu::Menu(Menu&&) noexcept = default;
Menu& Menu::operator=(Menu&&) noexcept = default;

bool Menu::LoadMenu(const ResourceRegistry& resources, unsigned resourceId) {
  const Menu* found = resources.FindMenu(resourceId);
  if (found == nullptr) {
    m_items.clear();
    return false;
  }
  if (found != this) *this = *found;
  return true;
}

bool Menu::LoadMenu(unsigned resourceId) {
  Application* app = Application::Current();
  if (app == nullptr) {
    m_items.clear();
    return false;
  }
  return LoadMenu(app->Resources(), resourceId);
}

unsigned Menu::GetMenuItemID(int pos) const {
  if (pos < 0 || pos >= GetMenuItemCount()) return kMenuNotFound;
  const MenuItem& item = m_items[static_cast<std::size_t>(pos)];
  return item.IsPopup() ? kMenuNotFound : item.id;
}

Menu* Menu::GetSubMenu(int pos) {
  if (pos < 0 || pos >= GetMenuItemCount()) return nullptr;
  return m_items[static_cast<std::size_t>(pos)].submenu.get();
}

const Menu* Menu::GetSubMenu(int pos) const { return const_cast<Menu*>(this)->GetSubMenu(pos); }

MenuItem* Menu::FindCommand(unsigned id) {
  for (MenuItem& item : m_items) {
    if (item.submenu) {
      if (MenuItem* inner = item.submenu->FindCommand(id)) return inner;
    } else if (!item.separator && item.id == id) {
      return &item;
    }
  }
  return nullptr;
}

const MenuItem* Menu::FindCommand(unsigned id) const { return const_cast<Menu*>(this)->FindCommand(id); }

Menu::Location Menu::Locate(unsigned idOrPos, unsigned flags) {
  if ((flags & MF_BYPOSITION) != 0) {
    if (idOrPos >= m_items.size()) return {};
    return {this, idOrPos};
  }
  for (std::size_t i = 0; i < m_items.size(); ++i) {
    MenuItem& item = m_items[i];
    if (item.submenu) {
      const Location inner = item.submenu->Locate(idOrPos, flags);
      if (inner.menu != nullptr) return inner;
    } else if (!item.separator && item.id == idOrPos) {
      return {this, i};
    }
  }
  return {};
}

const MenuItem* Menu::Find(unsigned idOrPos, unsigned flags) const {
  const Location at = const_cast<Menu*>(this)->Locate(idOrPos, flags);
  return at.menu == nullptr ? nullptr : &at.menu->m_items[at.index];
}

unsigned Menu::GetMenuState(unsigned idOrPos, unsigned flags) const {
  const MenuItem* item = Find(idOrPos, flags);
  return item == nullptr ? kMenuNotFound : item->State();
}

std::string Menu::GetMenuString(unsigned idOrPos, unsigned flags) const {
  const MenuItem* item = Find(idOrPos, flags);
  return item == nullptr ? std::string() : item->text;
}

unsigned Menu::CheckMenuItem(unsigned idOrPos, unsigned flags) {
  const Location at = Locate(idOrPos, flags);
  if (at.menu == nullptr) return kMenuNotFound;
  MenuItem& item = at.menu->m_items[at.index];
  const unsigned previous = item.checked ? MF_CHECKED : MF_UNCHECKED;
  item.checked = (flags & MF_CHECKED) != 0;
  return previous;
}

unsigned Menu::EnableMenuItem(unsigned idOrPos, unsigned flags) {
  const Location at = Locate(idOrPos, flags);
  if (at.menu == nullptr) return kMenuNotFound;
  MenuItem& item = at.menu->m_items[at.index];
  const unsigned previous = item.grayed ? MF_GRAYED : MF_ENABLED;
  item.grayed = (flags & (MF_GRAYED | MF_DISABLED)) != 0;
  return previous;
}

bool Menu::SetChecked(unsigned id, bool checked) {
  return CheckMenuItem(id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED)) != kMenuNotFound;
}

bool Menu::SetEnabled(unsigned id, bool enabled) {
  return EnableMenuItem(id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED)) != kMenuNotFound;
}

bool Menu::ModifyMenu(unsigned idOrPos, unsigned flags, unsigned newId, std::string text) {
  const Location at = Locate(idOrPos, flags);
  if (at.menu == nullptr) return false;
  MenuItem& item = at.menu->m_items[at.index];
  ApplyStateFlags(item, flags);
  if (item.separator) {
    item.id = 0;
    item.text.clear();
    item.submenu.reset();
    return true;
  }
  if (!item.submenu) item.id = newId;
  item.text = std::move(text);
  return true;
}

bool Menu::InsertMenu(unsigned idOrPos, unsigned flags, unsigned id, std::string text) {
  MenuItem item = MakeItem(flags, id, std::move(text));
  if ((flags & MF_BYPOSITION) != 0) {
    const std::size_t at = idOrPos >= m_items.size() ? m_items.size() : idOrPos;
    m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    return true;
  }
  const Location at = Locate(idOrPos, flags);
  if (at.menu == nullptr) return false;
  auto& items = at.menu->m_items;
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(at.index), std::move(item));
  return true;
}

bool Menu::AppendMenu(unsigned flags, unsigned id, std::string text) {
  m_items.push_back(MakeItem(flags & ~MF_BYPOSITION, id, std::move(text)));
  return true;
}

Menu& Menu::AppendPopup(std::string text, Menu submenu) {
  MenuItem item;
  item.text = std::move(text);
  item.submenu = std::make_unique<Menu>(std::move(submenu));
  m_items.push_back(std::move(item));
  return *m_items.back().submenu;
}

bool Menu::RemoveMenu(unsigned idOrPos, unsigned flags) {
  const Location at = Locate(idOrPos, flags);
  if (at.menu == nullptr) return false;
  auto& items = at.menu->m_items;
  items.erase(items.begin() + static_cast<std::ptrdiff_t>(at.index));
  return true;
}

unsigned Menu::TrackPopupMenu(unsigned flags, int x, int y, Window* owner) {
  Application* app = owner != nullptr && owner->HasApp() ? &owner->App() : Application::Current();
  if (app == nullptr) return 0;
  const unsigned chosen = app->PopupMenus().Track(*this, flags, x, y);
  if (chosen != 0 && (flags & TPM_RETURNCMD) == 0 && owner != nullptr) {
    owner->PostMessage(WM_COMMAND, chosen, 0);
  }
  return chosen;
}

}  // namespace orv::platform
