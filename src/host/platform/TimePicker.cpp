#include "host/platform/TimePicker.h"

#include <array>

namespace orv::platform {

namespace {

constexpr std::array<std::string_view, 7> kDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                    "Thursday", "Friday", "Saturday"};

// The picker's own earliest date.
constexpr int kFirstYear = 1601;

void AppendNumber(std::string& out, int value, bool twoDigits) {
  if (twoDigits && value < 10) out.push_back('0');
  out += std::to_string(value);
}

// Appends the field a run of `count` letters `letter` stands for.
void AppendField(std::string& out, const OleDateTime& t, char letter, std::size_t count) {
  const bool two = count >= 2;
  switch (letter) {
    case 'd':
      if (count <= 2) {
        AppendNumber(out, t.GetDay(), two);
      } else {
        const std::string_view name = kDayNames[static_cast<std::size_t>(t.GetDayOfWeek() - 1)];
        out += count == 3 ? name.substr(0, 3) : name;
      }
      break;
    case 'M':
      if (count <= 2) {
        AppendNumber(out, t.GetMonth(), two);
      } else {
        out += count == 3 ? OleDateTime::MonthAbbreviation(t.GetMonth())
                          : OleDateTime::MonthName(t.GetMonth());
      }
      break;
    case 'y':
      if (count == 1) {
        AppendNumber(out, t.GetYear() % 10, false);
      } else if (count == 2) {
        AppendNumber(out, t.GetYear() % 100, true);
      } else {
        out += t.Format("%Y");
      }
      break;
    case 'h': {
      const int hour = t.GetHour() % 12;
      AppendNumber(out, hour == 0 ? 12 : hour, two);
      break;
    }
    case 'H':
      AppendNumber(out, t.GetHour(), two);
      break;
    case 'm':
      AppendNumber(out, t.GetMinute(), two);
      break;
    case 's':
      AppendNumber(out, t.GetSecond(), two);
      break;
    case 't': {
      const std::string_view marker = t.GetHour() < 12 ? "AM" : "PM";
      out += count == 1 ? marker.substr(0, 1) : marker;
      break;
    }
    default:
      out.append(count, letter);
      break;
  }
}

bool IsFieldLetter(char c) {
  return c == 'd' || c == 'M' || c == 'y' || c == 'h' || c == 'H' || c == 'm' || c == 's' || c == 't';
}

}  // namespace

TimePicker::TimePicker(unsigned style, int id)
    : Control(id), m_style(style), m_time(OleDateTime::CurrentTime()) {
  // Without a usable clock the picker starts at the epoch rather than at an invalid value.
  if (!m_time.IsValid()) m_time = OleDateTime();
  SetFormat({});
}

void TimePicker::SetFormat(std::string_view format) {
  if (format.empty()) {
    m_format = (m_style & DTS_TIMEFORMAT) == DTS_TIMEFORMAT ? "HH:mm:ss" : "dd/MM/yyyy";
  } else {
    m_format.assign(format);
  }
}

bool TimePicker::SetTime(const OleDateTime& time) {
  if (time.GetStatus() == OleDateTime::Status::null) {
    if ((m_style & DTS_SHOWNONE) == 0) return false;
    m_checked = false;
    return true;
  }
  if (!time.IsValid() || time.GetYear() < kFirstYear) return false;
  // The picker keeps whole seconds.
  m_time = OleDateTime(time.GetYear(), time.GetMonth(), time.GetDay(), time.GetHour(), time.GetMinute(),
                       time.GetSecond());
  m_checked = true;
  return true;
}

int TimePicker::GetTime(OleDateTime& time) const {
  if (!IsChecked()) {
    time = OleDateTime::Null();
    return GDT_NONE;
  }
  time = m_time;
  return GDT_VALID;
}

OleDateTime TimePicker::GetTime() const {
  OleDateTime time;
  GetTime(time);
  return time;
}

std::string TimePicker::GetWindowText() const {
  std::string out;
  const std::string_view format = m_format;
  std::size_t i = 0;
  while (i < format.size()) {
    const char c = format[i];
    if (c == '\'') {
      // Quoted text; '' inside stands for one quote.
      ++i;
      while (i < format.size()) {
        if (format[i] == '\'') {
          if (i + 1 < format.size() && format[i + 1] == '\'') {
            out.push_back('\'');
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        out.push_back(format[i++]);
      }
      continue;
    }
    if (!IsFieldLetter(c)) {
      out.push_back(c);
      ++i;
      continue;
    }
    std::size_t run = 1;
    while (i + run < format.size() && format[i + run] == c) ++run;
    AppendField(out, m_time, c, run);
    i += run;
  }
  return out;
}

bool TimePicker::UserSetTime(const OleDateTime& time) {
  if (!IsWindowEnabled() || !SetTime(time)) return false;
  if (m_onChange) m_onChange();
  return true;
}

bool TimePicker::UserSetChecked(bool checked) {
  if (!IsWindowEnabled() || (m_style & DTS_SHOWNONE) == 0) return false;
  m_checked = checked;
  if (m_onChange) m_onChange();
  return true;
}

}  // namespace orv::platform
