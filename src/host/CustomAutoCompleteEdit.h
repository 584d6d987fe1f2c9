#pragma once
// The host's autocomplete edit: an edit that asks its parent for the values matching what was
// typed and offers them in a drop-down list under itself. Some edits also carry a drop-down
// button; those tell the parent through the auto-fill flag it registered whether the text was
// written by the parent (which must then not pop a list up).
#include "host/platform/Edit.h"

#include <functional>
#include <string>
#include <vector>

// The text list the parent fills with candidates.
using CStringList = std::vector<std::string>;

class CustomAutoCompleteEdit final : public orv::platform::Edit {
 public:
  // The parent's answer to a list request (the registered fill-list message): the edit's control
  // id and an empty list to fill.
  using ListSource = std::function<void(int id, CStringList* list)>;

  explicit CustomAutoCompleteEdit(unsigned style = orv::platform::ES_AUTOHSCROLL, int id = 0) : Edit(style, id) {
    SetOnChange([this] { OnTextChanged(); });
  }

  void SetListSource(ListSource source) { m_listSource = std::move(source); }
  // Observers of the list (a screen or a scenario): called whenever it opens, changes or closes.
  void SetOnListChanged(std::function<void()> observer) { m_onListChanged = std::move(observer); }

  // Gives the edit a drop-down button (or takes it away) and the parent's auto-fill flag.
  void EnableDropDown(bool enable, bool* pAutoFill) {
    m_bDropDownButton = enable;
    m_pAutoFill = enable ? pAutoFill : nullptr;
  }
  bool HasDropDownButton() const { return m_bDropDownButton; }
  bool* AutoFillFlag() const { return m_pAutoFill; }

  // While set, the edit wants its whole list rather than the values matching its text: its
  // button opened the list, and typing clears it again.
  bool m_bDropDown = false;

  // The drop-down button: the whole list, whatever was typed. The request is answered even after
  // a write of the parent, which is what the button means. False without a button.
  bool PressDropDownButton() {
    if (!m_bDropDownButton || !IsWindowEnabled()) return false;
    m_bDropDown = true;
    if (m_pAutoFill) *m_pAutoFill = false;
    RequestList();
    return true;
  }

  // The list under the edit: open with these entries, or closed.
  bool IsDroppedDown() const { return m_bListOpen; }
  const std::vector<std::string>& DroppedList() const { return m_list; }
  // The highlighted entry of the open list, or -1.
  int GetSelItem() const { return m_bListOpen ? m_nHighlight : -1; }
  bool Highlight(int index) {
    if (!m_bListOpen || index < -1 || index >= static_cast<int>(m_list.size())) return false;
    m_nHighlight = index;
    return true;
  }
  void ShowList(std::vector<std::string> entries) {
    m_list = std::move(entries);
    m_bListOpen = !m_list.empty();
    m_nHighlight = -1;
    if (m_onListChanged) m_onListChanged();
  }
  void CloseList() {
    const bool wasOpen = m_bListOpen;
    m_list.clear();
    m_bListOpen = false;
    m_nHighlight = -1;
    m_bDropDown = false;
    if (wasOpen && m_onListChanged) m_onListChanged();
  }
  // The user picks an entry of the open list: the edit writes it into itself and the list
  // closes. False when no list is open or the index is outside it.
  bool PickEntry(int index) {
    if (!m_bListOpen || index < 0 || index >= static_cast<int>(m_list.size())) return false;
    const std::string entry = m_list[static_cast<std::size_t>(index)];
    CloseList();
    m_bPicking = true;
    SetWindowText(entry);
    SetModify(true);
    m_bPicking = false;
    return true;
  }

 private:
  void OnTextChanged() {
    if (m_bPicking) return;
    // A typed change narrows the list again; a written one (SetWindowText) leaves the state.
    if (GetModify()) m_bDropDown = false;
    RequestList();
  }
  void RequestList() {
    CStringList list;
    if (m_listSource) m_listSource(GetDlgCtrlID(), &list);
    if (list.empty()) CloseList();
    else ShowList(std::move(list));
  }

  bool m_bDropDownButton = false;
  bool* m_pAutoFill = nullptr;
  bool m_bListOpen = false;
  int m_nHighlight = -1;
  bool m_bPicking = false;
  std::vector<std::string> m_list;
  ListSource m_listSource;
  std::function<void()> m_onListChanged;
};
