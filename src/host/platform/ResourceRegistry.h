#pragma once
// The resources loaded modules make available to the application: menu templates, dialog
// templates and image strips, each under a numeric id and (optionally) owned by the module that
// registered it, so that unloading the module takes them all away.
#include "host/platform/Menu.h"

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace orv::platform {

struct DialogControl {
  DialogControl() = default;
  DialogControl(int controlId, std::string controlKind, std::string caption = {}, unsigned bits = 0, bool shown = true)
      : id(controlId), kind(std::move(controlKind)), text(std::move(caption)), style(bits), visible(shown) {}

  int id = 0;        // -1 for labels (IDC_STATIC)
  std::string kind;  // "combo", "edit", "button", "check", "static", "datetime", ...
  std::string text;  // caption or label; empty for lists and edits
  unsigned style = 0;  // the control's own style bits (CBS_..., ES_..., DTS_...)
  bool visible = true;

  bool operator==(const DialogControl&) const = default;
};

struct DialogTemplate {
  std::string name;
  std::vector<DialogControl> controls;  // in tab order
  int widthDlu = 0;   // size in dialog units
  int heightDlu = 0;
};

struct ImageStrip {
  int imageWidth = 0;
  int imageHeight = 0;
  int imageCount = 0;
};

enum class ResourceKind { menu, dialog, imageStrip };

class ResourceRegistry final {
 public:
  // Registering fails (false, the existing entry kept) when the id is taken by another owner; the
  // same owner registering again replaces its entry. An empty owner is the application itself.
  bool RegisterMenu(unsigned id, Menu menuTemplate, const std::string& owner = {});
  bool UnregisterMenu(unsigned id);
  const Menu* FindMenu(unsigned id) const;

  bool RegisterDialog(unsigned id, DialogTemplate dialog, const std::string& owner = {});
  bool UnregisterDialog(unsigned id);
  const DialogTemplate* FindDialog(unsigned id) const;

  bool RegisterImageStrip(unsigned id, ImageStrip strip, const std::string& owner = {});
  bool UnregisterImageStrip(unsigned id);
  const ImageStrip* FindImageStrip(unsigned id) const;

  bool Contains(ResourceKind kind, unsigned id) const;

  // A module announces itself when it loads; false when it is already registered.
  bool RegisterModule(const std::string& name);
  // Removes the module and every resource it owns; returns how many resources went.
  std::size_t UnregisterModule(const std::string& name);
  bool IsModuleRegistered(const std::string& name) const { return m_modules.count(name) != 0; }

 private:
  template <typename T>
  struct Entry {
    T value;
    std::string owner;
  };
  template <typename T>
  static bool Put(std::map<unsigned, Entry<T>>& table, unsigned id, T value, const std::string& owner);
  template <typename T>
  static const T* Get(const std::map<unsigned, Entry<T>>& table, unsigned id);
  template <typename T>
  static std::size_t RemoveOwned(std::map<unsigned, Entry<T>>& table, const std::string& owner);

  std::map<unsigned, Entry<Menu>> m_menus;
  std::map<unsigned, Entry<DialogTemplate>> m_dialogs;
  std::map<unsigned, Entry<ImageStrip>> m_imageStrips;
  std::set<std::string> m_modules;
};

}  // namespace orv::platform
