#pragma once
// The host's autocomplete edit: an edit that asks its parent for the values matching what was
// typed and offers them in a drop-down list under itself. Some edits also carry a drop-down
// button; those tell the parent through the auto-fill flag it registered whether the text was
// written by the parent (which must then not pop a list up).
#include "host/platform/Edit.h"

#include <string>
#include <vector>

class CustomAutoCompleteEdit final : public orv::platform::Edit {
 public:
  explicit CustomAutoCompleteEdit(unsigned style = orv::platform::ES_AUTOHSCROLL, int id = 0) : Edit(style, id) {}

  // Gives the edit a drop-down button (or takes it away) and the parent's auto-fill flag.
  void EnableDropDown(bool enable, bool* pAutoFill) {
    m_bDropDownButton = enable;
    m_pAutoFill = enable ? pAutoFill : nullptr;
  }
  bool HasDropDownButton() const { return m_bDropDownButton; }
  bool* AutoFillFlag() const { return m_pAutoFill; }

  // While set, the edit wants its whole list rather than the values matching its text (its
  // button opened the list).
  bool m_bDropDown = false;

  // The list under the edit: open with these entries, or closed.
  bool IsDroppedDown() const { return m_bListOpen; }
  const std::vector<std::string>& DroppedList() const { return m_list; }
  void ShowList(std::vector<std::string> entries) {
    m_list = std::move(entries);
    m_bListOpen = !m_list.empty();
  }
  void CloseList() {
    m_list.clear();
    m_bListOpen = false;
  }

 private:
  bool m_bDropDownButton = false;
  bool* m_pAutoFill = nullptr;
  bool m_bListOpen = false;
  std::vector<std::string> m_list;
};
