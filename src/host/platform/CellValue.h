#pragma once
// The value a virtual grid cell shows: nothing, a whole number, a double or a text.
//
// Unlike a std::variant, switching kinds keeps the text buffer: a cell request object that is
// reused for every cell allocates only while its text capacity grows, never in steady state.
#include <cstdint>
#include <string>
#include <string_view>

namespace orv::platform {

class CellValue {
 public:
  enum class Kind : std::uint8_t { Empty, Integer, Double, Text };

  void Clear() {
    m_kind = Kind::Empty;
    m_text.clear();
  }
  void SetInteger(long long v) {
    m_kind = Kind::Integer;
    m_integer = v;
  }
  void SetDouble(double v) {
    m_kind = Kind::Double;
    m_double = v;
  }
  void SetText(std::string_view text) {
    m_kind = Kind::Text;
    m_text.assign(text.data(), text.size());
  }

  Kind GetKind() const { return m_kind; }
  bool IsEmpty() const { return m_kind == Kind::Empty; }
  bool IsNumber() const { return m_kind == Kind::Integer || m_kind == Kind::Double; }

  // Raw accessors: meaningful only for the matching kind (0 / empty otherwise).
  long long Integer() const { return m_kind == Kind::Integer ? m_integer : 0; }
  double Double() const { return m_kind == Kind::Double ? m_double : 0.0; }
  std::string_view Text() const { return m_kind == Kind::Text ? std::string_view(m_text) : std::string_view(); }

  // Numeric reading of any kind: a text is parsed as far as it is a number (0 when it is not),
  // empty is 0.
  double ToDouble() const;
  // Text form of any kind into `out`, replacing its content and reusing its capacity. Doubles get up
  // to 15 significant digits without trailing zeros ("9.5", "10", "0.3"); empty gives "".
  void ToText(std::string& out) const;
  std::string ToText() const;

  friend bool operator==(const CellValue& a, const CellValue& b);

 private:
  Kind m_kind = Kind::Empty;
  long long m_integer = 0;
  double m_double = 0.0;
  std::string m_text;
};

}  // namespace orv::platform
