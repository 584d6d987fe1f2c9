#include "host/platform/ComboBox.h"

#include <algorithm>
#include <cctype>

namespace orv::platform {

namespace {

int FoldCase(char c) { return std::tolower(static_cast<unsigned char>(c)); }

// Negative, zero or positive like strcmp, ignoring letter case.
int CompareNoCase(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int diff = FoldCase(a[i]) - FoldCase(b[i]);
    if (diff != 0) return diff;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && CompareNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

}  // namespace

ComboBox::ComboBox(unsigned style, int id) : Control(id), m_style(style) {}

int ComboBox::AddString(std::string_view text) {
  if (!IsSorted()) return InsertString(-1, text);
  const auto pos = std::find_if(m_items.begin(), m_items.end(),
                                [text](const Item& item) { return CompareNoCase(item.text, text) > 0; });
  return InsertString(static_cast<int>(pos - m_items.begin()), text);
}

int ComboBox::InsertString(int index, std::string_view text) {
  if (index == -1) index = GetCount();
  if (index < 0 || index > GetCount()) return CB_ERR;
  m_items.insert(m_items.begin() + index, Item{std::string(text), 0});
  ++m_listRevision;
  // The selection stays on the item it was on.
  if (m_curSel != CB_ERR && index <= m_curSel) ++m_curSel;
  return index;
}

int ComboBox::DeleteString(int index) {
  if (!ValidIndex(index)) return CB_ERR;
  m_items.erase(m_items.begin() + index);
  ++m_listRevision;
  if (index == m_curSel) {
    m_curSel = CB_ERR;
  } else if (m_curSel != CB_ERR && index < m_curSel) {
    --m_curSel;
  }
  return GetCount();
}

void ComboBox::ResetContent() {
  if (!m_items.empty()) ++m_listRevision;
  m_items.clear();
  m_curSel = CB_ERR;
  m_editText.clear();
}

int ComboBox::InitStorage(int items, int /*bytes*/) {
  if (items > 0) m_items.reserve(m_items.size() + static_cast<std::size_t>(items));
  return static_cast<int>(m_items.capacity());
}

std::string ComboBox::GetLBText(int index) const {
  return ValidIndex(index) ? m_items[static_cast<std::size_t>(index)].text : std::string();
}

int ComboBox::GetLBTextLen(int index) const {
  return ValidIndex(index) ? static_cast<int>(m_items[static_cast<std::size_t>(index)].text.size()) : CB_ERR;
}

int ComboBox::SetItemData(int index, UINT_PTR data) {
  if (!ValidIndex(index)) return CB_ERR;
  m_items[static_cast<std::size_t>(index)].data = data;
  return 0;
}

UINT_PTR ComboBox::GetItemData(int index) const {
  return ValidIndex(index) ? m_items[static_cast<std::size_t>(index)].data : static_cast<UINT_PTR>(CB_ERR);
}

int ComboBox::SetCurSel(int index) {
  if (!ValidIndex(index)) {
    m_curSel = CB_ERR;
    m_editText.clear();
    return CB_ERR;
  }
  m_curSel = index;
  m_editText = m_items[static_cast<std::size_t>(index)].text;
  return index;
}

int ComboBox::FirstSearched(int startAfter) const { return ValidIndex(startAfter) ? startAfter + 1 : 0; }

int ComboBox::FindStringExact(int startAfter, std::string_view text) const {
  const int count = GetCount();
  const int first = FirstSearched(startAfter);
  for (int n = 0; n < count; ++n) {
    const int i = (first + n) % count;
    if (CompareNoCase(m_items[static_cast<std::size_t>(i)].text, text) == 0) return i;
  }
  return CB_ERR;
}

int ComboBox::FindString(int startAfter, std::string_view prefix) const {
  const int count = GetCount();
  const int first = FirstSearched(startAfter);
  for (int n = 0; n < count; ++n) {
    const int i = (first + n) % count;
    if (StartsWithNoCase(m_items[static_cast<std::size_t>(i)].text, prefix)) return i;
  }
  return CB_ERR;
}

int ComboBox::SelectString(int startAfter, std::string_view prefix) {
  const int found = FindString(startAfter, prefix);
  return found == CB_ERR ? CB_ERR : SetCurSel(found);
}

std::string ComboBox::GetWindowText() const {
  if (HasEdit()) return m_editText;
  return GetLBText(m_curSel);
}

bool ComboBox::SetWindowText(std::string_view text) {
  if (!HasEdit()) return false;
  m_editText.assign(text);
  return true;
}

bool ComboBox::UserSelect(int index) {
  if (!IsWindowEnabled() || !ValidIndex(index)) return false;
  SetCurSel(index);
  if (m_onSelChange) m_onSelChange();
  return true;
}

bool ComboBox::UserType(std::string_view text) {
  if (!IsWindowEnabled()) return false;
  if (!HasEdit()) {
    // Typing into a drop-down list jumps to the first item starting with the keys typed.
    const int found = FindString(-1, text);
    return found != CB_ERR && UserSelect(found);
  }
  m_editText.assign(text);
  if (m_onEditChange) m_onEditChange();
  return true;
}

}  // namespace orv::platform
