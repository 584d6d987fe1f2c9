#include "host/platform/CellValue.h"

#include <charconv>
#include <cstdlib>

namespace orv::platform {

double CellValue::ToDouble() const {
  switch (m_kind) {
    case Kind::Integer:
      return static_cast<double>(m_integer);
    case Kind::Double:
      return m_double;
    case Kind::Text: {
      // strtod skips leading blanks and stops at the first character that is not part of a number,
      // which is the lenient reading a text column needs; m_text is always NUL-terminated.
      return std::strtod(m_text.c_str(), nullptr);
    }
    case Kind::Empty:
      break;
  }
  return 0.0;
}

void CellValue::ToText(std::string& out) const {
  char buffer[32];
  std::to_chars_result result{buffer, std::errc()};
  switch (m_kind) {
    case Kind::Empty:
      out.clear();
      return;
    case Kind::Text:
      out.assign(m_text);
      return;
    case Kind::Integer:
      result = std::to_chars(buffer, buffer + sizeof buffer, m_integer);
      break;
    case Kind::Double:
      // 15 significant digits hide the binary noise of sums such as 0.1 + 0.2.
      result = std::to_chars(buffer, buffer + sizeof buffer, m_double, std::chars_format::general, 15);
      break;
  }
  out.assign(buffer, result.ptr);
}

std::string CellValue::ToText() const {
  std::string out;
  ToText(out);
  return out;
}

bool operator==(const CellValue& a, const CellValue& b) {
  if (a.m_kind != b.m_kind) return false;
  switch (a.m_kind) {
    case CellValue::Kind::Empty:
      return true;
    case CellValue::Kind::Integer:
      return a.m_integer == b.m_integer;
    case CellValue::Kind::Double:
      return a.m_double == b.m_double;
    case CellValue::Kind::Text:
      return a.m_text == b.m_text;
  }
  return false;
}

}  // namespace orv::platform
