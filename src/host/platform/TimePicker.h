#pragma once
// Date-time picker control: one date-time shown through a display format, and with the
// show-none style a check box that turns the value off.
#include "host/platform/Control.h"
#include "host/platform/OleDateTime.h"

#include <string>
#include <string_view>

namespace orv::platform {

inline constexpr unsigned DTS_UPDOWN = 0x0001;
inline constexpr unsigned DTS_SHOWNONE = 0x0002;
inline constexpr unsigned DTS_TIMEFORMAT = 0x0009;  // includes DTS_UPDOWN
inline constexpr unsigned DTS_RIGHTALIGN = 0x0020;

inline constexpr int GDT_ERROR = -1;
inline constexpr int GDT_VALID = 0;
inline constexpr int GDT_NONE = 1;

class TimePicker final : public Control {
 public:
  // Starts at the current local time, checked.
  explicit TimePicker(unsigned style = DTS_TIMEFORMAT, int id = 0);

  unsigned GetStyle() const { return m_style; }

  // Display format in the picker's notation: d dd ddd dddd, M MM MMM MMMM, y yy yyyy, h hh (12-hour),
  // H HH, m mm, s ss, t tt (A/P, AM/PM), 'quoted text'; anything else shows as it stands. An
  // empty format restores the default ("HH:mm:ss" with the time style, else "dd/MM/yyyy").
  void SetFormat(std::string_view format);
  const std::string& GetFormat() const { return m_format; }

  // A valid value is shown (to the second) and checks the box; a null value unchecks it, which
  // only a show-none picker accepts. Invalid values and dates before 1601 are refused (false).
  bool SetTime(const OleDateTime& time);
  // GDT_VALID with the value, or GDT_NONE with a null value when unchecked.
  int GetTime(OleDateTime& time) const;
  OleDateTime GetTime() const;
  bool IsChecked() const { return m_checked || (m_style & DTS_SHOWNONE) == 0; }

  // The text the picker shows (also while unchecked, greyed).
  std::string GetWindowText() const;

  void SetOnChange(Handler handler) { m_onChange = std::move(handler); }

  // The user changes the value or ticks the show-none box; refused while disabled. The change
  // handler runs when something was accepted.
  bool UserSetTime(const OleDateTime& time);
  bool UserSetChecked(bool checked);

 private:
  unsigned m_style;
  std::string m_format;
  OleDateTime m_time;
  bool m_checked = true;
  Handler m_onChange;
};

}  // namespace orv::platform
