#pragma once
// Builds SQL texts from printf-style patterns without letting an argument change the statement.
//
// Every argument is checked at run time against its conversion; a mismatch, a missing or a
// surplus argument throws std::invalid_argument instead of reading garbage. Text arguments are
// escaped for a single-quoted SQL literal (quotes doubled, cut at the first NUL byte), so a
// dealer id such as "x' or '1'='1" stays one literal. The patterns put every %s inside quotes;
// a %s outside quotes is not made safe by this escaping.
//
// Conversions: %d %i %u %f %F %s and %%, with the flags "-+ #0", a width, a precision and the
// length modifiers hh h l ll L z j t (the length never narrows a value: 5000000000 with %d
// prints 5000000000). %d and %u take any integral value, %u refuses negative ones; %f takes
// floating values only; %s takes texts (std::string, std::string_view, char arrays, non-null
// char pointers).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

class SqlText final {
 public:
  // One argument, classified once; texts refer to the caller's storage for the call's duration.
  class Arg final {
   public:
    enum class Kind { Signed, Unsigned, Floating, Text, NullText };

    Kind kind() const { return m_kind; }
    std::int64_t signedValue() const { return m_signed; }
    std::uint64_t unsignedValue() const { return m_unsigned; }
    double floatingValue() const { return m_floating; }
    std::string_view text() const { return m_text; }

    template <typename T>
    static Arg From(const T& value) {
      using U = std::remove_cv_t<T>;
      Arg a;
      if constexpr (std::is_array_v<U>) {
        static_assert(std::is_same_v<std::remove_cv_t<std::remove_extent_t<U>>, char>,
                      "only char arrays format as text");
        // Fixed-size fields of packets need not be terminated: never read past the array.
        a.m_kind = Kind::Text;
        a.m_text = std::string_view(value, strnlen(value, std::extent_v<U>));
      } else if constexpr (std::is_same_v<U, const char*> || std::is_same_v<U, char*>) {
        if (value == nullptr) {
          a.m_kind = Kind::NullText;
        } else {
          a.m_kind = Kind::Text;
          a.m_text = std::string_view(value);
        }
      } else if constexpr (std::is_same_v<U, std::string> || std::is_same_v<U, std::string_view>) {
        a.m_kind = Kind::Text;
        a.m_text = std::string_view(value);
      } else if constexpr (std::is_enum_v<U>) {
        return From(static_cast<std::underlying_type_t<U>>(value));
      } else if constexpr (std::is_integral_v<U> && std::is_signed_v<U>) {
        a.m_kind = Kind::Signed;
        a.m_signed = static_cast<std::int64_t>(value);
      } else if constexpr (std::is_integral_v<U>) {
        a.m_kind = Kind::Unsigned;
        a.m_unsigned = static_cast<std::uint64_t>(value);
      } else if constexpr (std::is_floating_point_v<U>) {
        a.m_kind = Kind::Floating;
        a.m_floating = static_cast<double>(value);
      } else {
        static_assert(sizeof(U) == 0, "SqlText::Format: unsupported argument type");
      }
      return a;
    }

   private:
    Kind m_kind = Kind::Signed;
    std::int64_t m_signed = 0;
    std::uint64_t m_unsigned = 0;
    double m_floating = 0.0;
    std::string_view m_text;
  };

  template <typename... Args>
  static std::string Format(std::string_view fmt, Args&&... args) {
    if constexpr (sizeof...(Args) == 0) {
      return FormatList(fmt, {});
    } else {
      const Arg list[] = {Arg::From(args)...};
      return FormatList(fmt, std::span<const Arg>(list, sizeof...(Args)));
    }
  }

  static std::string FormatList(std::string_view fmt, std::span<const Arg> args);

  // The text as the inside of a single-quoted SQL literal: quotes doubled, cut at the first NUL.
  static std::string EscapeLiteral(std::string_view text);
};
