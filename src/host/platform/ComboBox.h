#pragma once
// Combo box control: a list of texts with item data, an optional sorted style, a current
// selection and the text of its edit part.
//
// Programmatic calls never notify, as with the toolkit: the selection-change handler runs only
// for a selection the user makes (UserSelect), and the edit-change handler only for typing
// (UserType). Code that fills a list therefore never re-enters its own handlers.
#include "host/platform/Control.h"
#include "host/platform/Types.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv::platform {

inline constexpr int CB_ERR = -1;

inline constexpr unsigned CBS_SIMPLE = 0x0001;
inline constexpr unsigned CBS_DROPDOWN = 0x0002;
inline constexpr unsigned CBS_DROPDOWNLIST = 0x0003;
inline constexpr unsigned CBS_SORT = 0x0100;

class ComboBox : public Control {
 public:
  explicit ComboBox(unsigned style = CBS_DROPDOWNLIST, int id = 0);

  unsigned GetStyle() const { return m_style; }
  bool IsSorted() const { return (m_style & CBS_SORT) != 0; }
  // A drop-down list has no edit part: its text is the selected item's.
  bool HasEdit() const { return (m_style & 0x3U) != CBS_DROPDOWNLIST; }

  // Sorted style: the item goes after every item that is not greater than it (case-insensitive);
  // otherwise it is appended. Returns its index.
  int AddString(std::string_view text);
  // Inserts at index, never sorting; -1 appends. CB_ERR for an index beyond the end.
  int InsertString(int index, std::string_view text);
  // Returns the number of items left, or CB_ERR for a bad index.
  int DeleteString(int index);
  void ResetContent();
  // Reserves room for items more items; returns the number of items that fit without growing.
  int InitStorage(int items, int bytes);

  int GetCount() const { return static_cast<int>(m_items.size()); }
  // Counts the changes of the list's items (not of the selection): a mirror of the list compares
  // this instead of every item's text.
  std::uint64_t ListRevision() const { return m_listRevision; }
  std::string GetLBText(int index) const;  // empty for a bad index
  int GetLBTextLen(int index) const;       // CB_ERR for a bad index

  int SetItemData(int index, UINT_PTR data);  // CB_ERR for a bad index, else 0
  UINT_PTR GetItemData(int index) const;      // static_cast<UINT_PTR>(CB_ERR) for a bad index

  int GetCurSel() const { return m_curSel; }
  // Selects index and shows its text; -1 or an index outside the list clears the selection and
  // returns CB_ERR.
  int SetCurSel(int index);

  // Searches start after startAfter and wrap round to it; -1 (or an index outside the list)
  // searches the whole list from the top. Both ignore case. CB_ERR when nothing matches.
  int FindStringExact(int startAfter, std::string_view text) const;
  int FindString(int startAfter, std::string_view prefix) const;
  // Selects the item FindString finds; CB_ERR (selection unchanged) when there is none.
  int SelectString(int startAfter, std::string_view prefix);

  std::string GetWindowText() const;
  int GetWindowTextLength() const { return static_cast<int>(GetWindowText().size()); }
  // Writes the edit part; a drop-down list has none and refuses (returns false).
  bool SetWindowText(std::string_view text);

  void ShowDropDown(bool show = true) { m_droppedDown = show; }
  bool GetDroppedState() const { return m_droppedDown; }

  void SetOnSelChange(Handler handler) { m_onSelChange = std::move(handler); }
  void SetOnEditChange(Handler handler) { m_onEditChange = std::move(handler); }

  // The user picks an item from the list (ignored while disabled or for a bad index); the
  // selection-change handler runs even when the item was already selected.
  bool UserSelect(int index);
  // The user types into the edit part (ignored while disabled or without an edit part).
  bool UserType(std::string_view text);

 private:
  struct Item {
    std::string text;
    UINT_PTR data = 0;
  };
  bool ValidIndex(int index) const { return index >= 0 && index < GetCount(); }
  int FirstSearched(int startAfter) const;

  unsigned m_style;
  std::vector<Item> m_items;
  std::uint64_t m_listRevision = 0;
  int m_curSel = CB_ERR;
  std::string m_editText;
  bool m_droppedDown = false;
  Handler m_onSelChange;
  Handler m_onEditChange;
};

}  // namespace orv::platform
