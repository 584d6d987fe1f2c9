#include "scenario/StepArgs.h"

#include <cmath>

namespace orv::scenario {

namespace {

std::string Quoted(std::string_view what) { return "\"" + std::string(what) + "\""; }

const char* TypeName(const nlohmann::json& value) { return value.type_name(); }

}  // namespace

StepArgs::StepArgs(int line, std::string name, const nlohmann::json& fields)
    : m_line(line), m_name(std::move(name)), m_fields(fields) {}

bool StepArgs::Has(std::string_view key) const { return Find(key) != nullptr; }

const nlohmann::json* StepArgs::Find(std::string_view key) const {
  if (!m_fields.is_object()) return nullptr;
  auto it = m_fields.find(key);
  return it == m_fields.end() ? nullptr : &*it;
}

const nlohmann::json& StepArgs::Require(std::string_view key) const {
  if (const nlohmann::json* v = Find(key)) return *v;
  Fail("step \"" + m_name + "\" needs the field " + Quoted(key));
}

std::int64_t StepArgs::Int(std::string_view key) const { return ToInt(Require(key), key); }

std::int64_t StepArgs::Int(std::string_view key, std::int64_t fallback) const {
  const nlohmann::json* v = Find(key);
  return v ? ToInt(*v, key) : fallback;
}

double StepArgs::Number(std::string_view key, double fallback) const {
  const nlohmann::json* v = Find(key);
  return v ? ToNumber(*v, key) : fallback;
}

bool StepArgs::Bool(std::string_view key, bool fallback) const {
  const nlohmann::json* v = Find(key);
  return v ? ToBool(*v, key) : fallback;
}

std::string StepArgs::Text(std::string_view key) const { return ToText(Require(key), key); }

std::string StepArgs::Text(std::string_view key, std::string_view fallback) const {
  const nlohmann::json* v = Find(key);
  return v ? ToText(*v, key) : std::string(fallback);
}

ViewVariant StepArgs::View() const {
  const nlohmann::json* v = Find("view");
  return v ? ToView(*v, "view") : ViewVariant::Pending;
}

std::int64_t StepArgs::ToInt(const nlohmann::json& value, std::string_view what) {
  if (value.is_boolean()) return value.get<bool>() ? 1 : 0;
  if (value.is_number_integer()) {
    if (value.is_number_unsigned() && value.get<std::uint64_t>() > static_cast<std::uint64_t>(INT64_MAX))
      OutOfRange(what);
    return value.get<std::int64_t>();
  }
  if (value.is_number_float()) {
    const double d = value.get<double>();
    if (std::isfinite(d) && d == std::trunc(d) && std::fabs(d) < 9.0e18) return static_cast<std::int64_t>(d);
  }
  Fail(Quoted(what) + " must be a whole number, not " + (value.is_number() ? value.dump() : TypeName(value)));
}

double StepArgs::ToNumber(const nlohmann::json& value, std::string_view what) {
  if (value.is_number()) return value.get<double>();
  Fail(Quoted(what) + " must be a number, not " + TypeName(value));
}

bool StepArgs::ToBool(const nlohmann::json& value, std::string_view what) {
  if (value.is_boolean()) return value.get<bool>();
  if (value.is_number_integer() && (value.get<std::int64_t>() == 0 || value.get<std::int64_t>() == 1))
    return value.get<std::int64_t>() == 1;
  Fail(Quoted(what) + " must be true or false, not " + (value.is_number() ? value.dump() : TypeName(value)));
}

std::string StepArgs::ToText(const nlohmann::json& value, std::string_view what) {
  if (value.is_string()) return value.get<std::string>();
  Fail(Quoted(what) + " must be a text, not " + TypeName(value));
}

ViewVariant StepArgs::ToView(const nlohmann::json& value, std::string_view what) {
  const std::string text = ToText(value, what);
  if (text == "pending") return ViewVariant::Pending;
  if (text == "gtd") return ViewVariant::GTD;
  Fail(Quoted(what) + " must be \"pending\" or \"gtd\", not \"" + text + "\"");
}

void StepArgs::Fail(std::string message) { throw StepError(std::move(message)); }

void StepArgs::OutOfRange(std::string_view what) { Fail(Quoted(what) + " is out of range"); }

std::string_view ViewName(ViewVariant variant) { return variant == ViewVariant::Pending ? "pending" : "gtd"; }

}  // namespace orv::scenario
