#include "host/platform/ResourceRegistry.h"

#include <utility>

namespace orv::platform {

template <typename T>
bool ResourceRegistry::Put(std::map<unsigned, Entry<T>>& table, unsigned id, T value,
                           const std::string& owner) {
  auto found = table.find(id);
  if (found == table.end()) {
    table.emplace(id, Entry<T>{std::move(value), owner});
    return true;
  }
  if (found->second.owner != owner) return false;
  found->second.value = std::move(value);
  return true;
}

template <typename T>
const T* ResourceRegistry::Get(const std::map<unsigned, Entry<T>>& table, unsigned id) {
  auto found = table.find(id);
  return found == table.end() ? nullptr : &found->second.value;
}

template <typename T>
std::size_t ResourceRegistry::RemoveOwned(std::map<unsigned, Entry<T>>& table, const std::string& owner) {
  return std::erase_if(table, [&owner](const auto& item) { return item.second.owner == owner; });
}

bool ResourceRegistry::RegisterMenu(unsigned id, Menu menuTemplate, const std::string& owner) {
  return Put(m_menus, id, std::move(menuTemplate), owner);
}
bool ResourceRegistry::UnregisterMenu(unsigned id) { return m_menus.erase(id) != 0; }
const Menu* ResourceRegistry::FindMenu(unsigned id) const { return Get(m_menus, id); }

bool ResourceRegistry::RegisterDialog(unsigned id, DialogTemplate dialog, const std::string& owner) {
  return Put(m_dialogs, id, std::move(dialog), owner);
}
bool ResourceRegistry::UnregisterDialog(unsigned id) { return m_dialogs.erase(id) != 0; }
const DialogTemplate* ResourceRegistry::FindDialog(unsigned id) const { return Get(m_dialogs, id); }

bool ResourceRegistry::RegisterImageStrip(unsigned id, ImageStrip strip, const std::string& owner) {
  return Put(m_imageStrips, id, strip, owner);
}
bool ResourceRegistry::UnregisterImageStrip(unsigned id) { return m_imageStrips.erase(id) != 0; }
const ImageStrip* ResourceRegistry::FindImageStrip(unsigned id) const { return Get(m_imageStrips, id); }

bool ResourceRegistry::Contains(ResourceKind kind, unsigned id) const {
  switch (kind) {
    case ResourceKind::menu:
      return m_menus.count(id) != 0;
    case ResourceKind::dialog:
      return m_dialogs.count(id) != 0;
    case ResourceKind::imageStrip:
      return m_imageStrips.count(id) != 0;
  }
  return false;
}

bool ResourceRegistry::RegisterModule(const std::string& name) {
  return !name.empty() && m_modules.insert(name).second;
}

std::size_t ResourceRegistry::UnregisterModule(const std::string& name) {
  m_modules.erase(name);
  // The application's own resources (empty owner) are not a module's to take away.
  if (name.empty()) return 0;
  return RemoveOwned(m_menus, name) + RemoveOwned(m_dialogs, name) + RemoveOwned(m_imageStrips, name);
}

}  // namespace orv::platform
