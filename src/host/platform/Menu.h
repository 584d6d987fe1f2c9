#pragma once
// A popup menu tree: command items with a text, a check mark and a greyed state, separators and
// submenus. Loaded as a copy of a registered template, edited by the module before it is shown, and
// shown through the Application's MenuTracker (a script or the GUI picks the command).
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace orv::platform {

class Menu;
class ResourceRegistry;
class Window;

// How an item is addressed (combine with the state flags).
inline constexpr unsigned MF_BYCOMMAND = 0x0000;  // by command id, searched through submenus
inline constexpr unsigned MF_BYPOSITION = 0x0400;  // by position in this menu
// Item kinds and states.
inline constexpr unsigned MF_STRING = 0x0000;
inline constexpr unsigned MF_ENABLED = 0x0000;
inline constexpr unsigned MF_GRAYED = 0x0001;
inline constexpr unsigned MF_DISABLED = 0x0002;  // kept as greyed: an item here is usable or not
inline constexpr unsigned MF_UNCHECKED = 0x0000;
inline constexpr unsigned MF_CHECKED = 0x0008;
inline constexpr unsigned MF_POPUP = 0x0010;
inline constexpr unsigned MF_SEPARATOR = 0x0800;
// Returned by state queries and GetMenuItemID when there is no such item (or it is a submenu).
inline constexpr unsigned kMenuNotFound = 0xFFFFFFFF;

// Tracking flags.
inline constexpr unsigned TPM_LEFTALIGN = 0x0000;
inline constexpr unsigned TPM_LEFTBUTTON = 0x0000;
inline constexpr unsigned TPM_RIGHTBUTTON = 0x0002;
inline constexpr unsigned TPM_NONOTIFY = 0x0080;
inline constexpr unsigned TPM_RETURNCMD = 0x0100;  // return the command instead of sending it

struct MenuItem {
  unsigned id = 0;
  std::string text;
  bool checked = false;
  bool grayed = false;
  bool separator = false;
  std::unique_ptr<Menu> submenu;  // set for popup items

  MenuItem();
  ~MenuItem();
  MenuItem(const MenuItem& other);
  MenuItem& operator=(const MenuItem& other);
  MenuItem(MenuItem&&) noexcept;
  MenuItem& operator=(MenuItem&&) noexcept;

  bool IsPopup() const { return submenu != nullptr; }
  // A command a user can choose: not a separator, not a submenu, not greyed.
  bool IsChoosable() const { return !separator && !submenu && !grayed && id != 0; }
  // MF_CHECKED, MF_GRAYED, MF_SEPARATOR and MF_POPUP as they apply.
  unsigned State() const;
};

class Menu final {
 public:
  Menu();
  ~Menu();
  Menu(const Menu& other);
  Menu& operator=(const Menu& other);
  Menu(Menu&&) noexcept;
  Menu& operator=(Menu&&) noexcept;

  // Replaces the contents with a copy of a registered menu template; false (menu left empty) when
  // none is registered under the id. The one-argument form uses the current thread's Application.
  bool LoadMenu(const ResourceRegistry& resources, unsigned resourceId);
  bool LoadMenu(unsigned resourceId);
  void DestroyMenu() { m_items.clear(); }

  int GetMenuItemCount() const { return static_cast<int>(m_items.size()); }
  // The command id at a position: 0 for a separator, kMenuNotFound for a submenu or a bad position.
  unsigned GetMenuItemID(int pos) const;
  Menu* GetSubMenu(int pos);
  const Menu* GetSubMenu(int pos) const;
  const std::vector<MenuItem>& Items() const { return m_items; }

  // Anywhere in the tree; null when no command item has the id.
  MenuItem* FindCommand(unsigned id);
  const MenuItem* FindCommand(unsigned id) const;

  unsigned GetMenuState(unsigned idOrPos, unsigned flags) const;  // kMenuNotFound when missing
  std::string GetMenuString(unsigned idOrPos, unsigned flags) const;

  // Set the check mark (MF_CHECKED/MF_UNCHECKED) or the greyed state (MF_ENABLED/MF_GRAYED) and
  // return the previous one, or kMenuNotFound.
  unsigned CheckMenuItem(unsigned idOrPos, unsigned flags);
  unsigned EnableMenuItem(unsigned idOrPos, unsigned flags);
  // Same by command id, for code that holds a flag rather than MF_ bits; false when missing.
  bool SetChecked(unsigned id, bool checked);
  bool SetEnabled(unsigned id, bool enabled);

  // Replaces the item's id, text and state (from `flags`); a submenu stays attached.
  bool ModifyMenu(unsigned idOrPos, unsigned flags, unsigned newId, std::string text);
  // Inserts before the addressed item; by position, kMenuNotFound or a position past the end appends.
  // With MF_POPUP the new item carries an empty submenu (fill it through GetSubMenu).
  bool InsertMenu(unsigned idOrPos, unsigned flags, unsigned id, std::string text);
  bool AppendMenu(unsigned flags, unsigned id = 0, std::string text = {});
  // Appends a submenu item and returns its (stored) submenu.
  Menu& AppendPopup(std::string text, Menu submenu = {});
  // Both take the item out (with any submenu it carries); false when it does not exist.
  bool RemoveMenu(unsigned idOrPos, unsigned flags);
  bool DeleteMenu(unsigned idOrPos, unsigned flags) { return RemoveMenu(idOrPos, flags); }

  // Shows the menu through the MenuTracker of the owner's Application (else the current one) and
  // returns the chosen command, 0 when none was chosen. Without TPM_RETURNCMD a chosen command also
  // reaches the owner as a posted WM_COMMAND.
  unsigned TrackPopupMenu(unsigned flags, int x, int y, Window* owner);

 private:
  struct Location {
    Menu* menu = nullptr;
    std::size_t index = 0;
  };
  Location Locate(unsigned idOrPos, unsigned flags);
  const MenuItem* Find(unsigned idOrPos, unsigned flags) const;

  std::vector<MenuItem> m_items;
};

}  // namespace orv::platform
