#pragma once
// Single-line edit control: text, styles (upper case, read-only), a selection, a length limit,
// the modified flag and a change handler.
//
// As with the toolkit, the change handler runs for every change of the text, whether typed
// (UserType) or written by code (SetWindowText, ReplaceSel); the modified flag is set only by
// changes other than SetWindowText.
#include "host/platform/Control.h"

#include <string>
#include <string_view>

namespace orv::platform {

inline constexpr unsigned ES_UPPERCASE = 0x0008;
inline constexpr unsigned ES_LOWERCASE = 0x0010;
inline constexpr unsigned ES_AUTOHSCROLL = 0x0080;
inline constexpr unsigned ES_READONLY = 0x0800;

class Edit : public Control {
 public:
  // Length limit of an edit nobody limited.
  static constexpr int kDefaultLimit = 30000;

  explicit Edit(unsigned style = ES_AUTOHSCROLL, int id = 0);

  unsigned GetStyle() const { return m_style; }
  bool IsUpperCase() const { return (m_style & ES_UPPERCASE) != 0; }
  bool IsReadOnly() const { return (m_style & ES_READONLY) != 0; }
  void SetReadOnly(bool readOnly = true);

  // Replaces the whole text (converted to the edit's letter case), clears the modified flag
  // and puts the caret at the end. Not held to the length limit.
  void SetWindowText(std::string_view text);
  const std::string& GetWindowText() const { return m_text; }
  int GetWindowTextLength() const { return static_cast<int>(m_text.size()); }

  // nStart -1 removes the selection (the caret stays where it is); nEnd -1 means the end of the
  // text; positions are clipped to the text. The caret goes to nEnd, so SetSel(len, 0) selects
  // everything with the caret at the start.
  void SetSel(int start, int end);
  // The selection as (low, high).
  void GetSel(int& start, int& end) const;
  int GetCaretPos() const { return m_caret; }
  std::string GetSelText() const;

  // Replaces the selection (converted to the edit's letter case), cut short to the length
  // limit; the caret follows the new text. Returns false when nothing could be inserted and
  // nothing was selected to remove.
  bool ReplaceSel(std::string_view text);

  // 0 restores the default limit. A shorter limit does not cut the current text.
  void LimitText(int maxChars);
  int GetLimitText() const { return m_limit; }

  bool GetModify() const { return m_modified; }
  void SetModify(bool modified = true) { m_modified = modified; }

  void SetOnChange(Handler handler) { m_onChange = std::move(handler); }

  // The user types text over the selection; refused while disabled or read-only.
  bool UserType(std::string_view text);

 private:
  std::string ApplyCase(std::string_view text) const;
  void NotifyChange();

  unsigned m_style;
  std::string m_text;
  int m_anchor = 0;
  int m_caret = 0;
  int m_limit = kDefaultLimit;
  bool m_modified = false;
  Handler m_onChange;
};

}  // namespace orv::platform
