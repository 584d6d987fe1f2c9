#include "host/platform/Edit.h"

#include <algorithm>
#include <cctype>

namespace orv::platform {

Edit::Edit(unsigned style, int id) : Control(id), m_style(style) {}

void Edit::SetReadOnly(bool readOnly) {
  m_style = readOnly ? (m_style | ES_READONLY) : (m_style & ~ES_READONLY);
}

std::string Edit::ApplyCase(std::string_view text) const {
  std::string out(text);
  if (IsUpperCase()) {
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  } else if ((m_style & ES_LOWERCASE) != 0) {
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

void Edit::NotifyChange() {
  if (m_onChange) m_onChange();
}

void Edit::SetWindowText(std::string_view text) {
  m_text = ApplyCase(text);
  m_anchor = m_caret = GetWindowTextLength();
  m_modified = false;
  NotifyChange();
}

void Edit::SetSel(int start, int end) {
  const int length = GetWindowTextLength();
  if (start == -1) {
    m_anchor = m_caret;
    return;
  }
  const auto clip = [length](int pos) { return pos < 0 ? length : std::min(pos, length); };
  m_anchor = clip(start);
  m_caret = clip(end);
}

void Edit::GetSel(int& start, int& end) const {
  start = std::min(m_anchor, m_caret);
  end = std::max(m_anchor, m_caret);
}

std::string Edit::GetSelText() const {
  int start = 0;
  int end = 0;
  GetSel(start, end);
  return m_text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

bool Edit::ReplaceSel(std::string_view text) {
  int start = 0;
  int end = 0;
  GetSel(start, end);
  const int kept = GetWindowTextLength() - (end - start);
  const int room = std::max(m_limit - kept, 0);
  const std::string inserted = ApplyCase(text.substr(0, std::min(text.size(), static_cast<std::size_t>(room))));
  if (inserted.empty() && start == end) return false;
  m_text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), inserted);
  m_anchor = m_caret = start + static_cast<int>(inserted.size());
  m_modified = true;
  NotifyChange();
  return true;
}

void Edit::LimitText(int maxChars) { m_limit = maxChars <= 0 ? kDefaultLimit : maxChars; }

bool Edit::UserType(std::string_view text) {
  if (!IsWindowEnabled() || IsReadOnly()) return false;
  return ReplaceSel(text);
}

}  // namespace orv::platform
