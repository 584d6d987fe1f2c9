#pragma once
// The fields of one scenario step with typed access. A missing required field or a value of the
// wrong type throws StepError with a message that names the field, so a step fails before it has
// changed anything when it reads its fields first.
#include "view/ViewVariant.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

namespace orv::scenario {

class StepError final : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class StepArgs final {
 public:
  StepArgs(int line, std::string name, const nlohmann::json& fields);

  int Line() const { return m_line; }
  const std::string& Name() const { return m_name; }
  const nlohmann::json& Json() const { return m_fields; }

  bool Has(std::string_view key) const;
  // Null when the field is missing.
  const nlohmann::json* Find(std::string_view key) const;
  const nlohmann::json& Require(std::string_view key) const;

  std::int64_t Int(std::string_view key) const;
  std::int64_t Int(std::string_view key, std::int64_t fallback) const;
  double Number(std::string_view key, double fallback) const;
  bool Bool(std::string_view key, bool fallback) const;
  std::string Text(std::string_view key) const;
  std::string Text(std::string_view key, std::string_view fallback) const;
  // "view": "pending" (the default) or "gtd".
  ViewVariant View() const;

  // Conversions of any value, `what` naming it in the message.
  static std::int64_t ToInt(const nlohmann::json& value, std::string_view what);
  // Whole numbers (and true/false as 1/0) that fit T.
  template <typename T>
  static T ToIntIn(const nlohmann::json& value, std::string_view what) {
    static_assert(std::is_integral_v<T>);
    if constexpr (std::is_same_v<T, std::uint64_t>) {
      if (value.is_number_unsigned()) return value.get<std::uint64_t>();
    }
    const std::int64_t v = ToInt(value, what);
    if constexpr (std::is_unsigned_v<T>) {
      if (v < 0 || static_cast<std::uint64_t>(v) > std::numeric_limits<T>::max()) OutOfRange(what);
    } else {
      if (v < static_cast<std::int64_t>(std::numeric_limits<T>::min()) ||
          v > static_cast<std::int64_t>(std::numeric_limits<T>::max()))
        OutOfRange(what);
    }
    return static_cast<T>(v);
  }
  static double ToNumber(const nlohmann::json& value, std::string_view what);
  static bool ToBool(const nlohmann::json& value, std::string_view what);
  static std::string ToText(const nlohmann::json& value, std::string_view what);
  static ViewVariant ToView(const nlohmann::json& value, std::string_view what);

  [[noreturn]] static void Fail(std::string message);
  [[noreturn]] static void OutOfRange(std::string_view what);

 private:
  int m_line;
  std::string m_name;
  const nlohmann::json& m_fields;
};

// "pending" or "gtd", as scenarios and events name a view.
std::string_view ViewName(ViewVariant variant);

}  // namespace orv::scenario
