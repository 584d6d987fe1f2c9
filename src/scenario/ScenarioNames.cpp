#include "scenario/ScenarioNames.h"

#include "host/platform/VirtualKeys.h"
#include "scenario/StepArgs.h"
#include "view/ColumnCatalogue.h"

#include <array>

namespace orv::scenario {

namespace {

namespace vk = orv::platform;

struct NamedKey {
  std::string_view name;
  int code;
};

constexpr std::array<NamedKey, 17> kNamedKeys{{
    {"Delete", vk::VK_DELETE},   {"Escape", vk::VK_ESCAPE}, {"Enter", vk::VK_RETURN}, {"Tab", vk::VK_TAB},
    {"PageUp", vk::VK_PRIOR},    {"PageDown", vk::VK_NEXT}, {"Home", vk::VK_HOME},    {"End", vk::VK_END},
    {"Up", vk::VK_UP},           {"Down", vk::VK_DOWN},     {"Left", vk::VK_LEFT},    {"Right", vk::VK_RIGHT},
    {"Num*", vk::VK_MULTIPLY},   {"[", vk::VK_OEM_4},       {"]", vk::VK_OEM_6},      {"Space", vk::VK_SPACE},
    {"Insert", vk::VK_INSERT},
}};

}  // namespace

int KeyCode(std::string_view name) {
  if (name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) return name[0];
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
    int n = 0;
    for (char c : name.substr(1)) n = (c >= '0' && c <= '9') ? n * 10 + (c - '0') : -100;
    if (n >= 1 && n <= 12) return vk::VK_F1 + n - 1;
  }
  if (name == "Backspace") return vk::VK_BACK;
  for (const NamedKey& key : kNamedKeys)
    if (key.name == name) return key.code;
  StepArgs::Fail("unknown key \"" + std::string(name) + "\"");
}

std::vector<std::string> KeyNames() {
  std::vector<std::string> names;
  for (char c = 'A'; c <= 'Z'; ++c) names.emplace_back(1, c);
  for (char c = '0'; c <= '9'; ++c) names.emplace_back(1, c);
  for (int n = 1; n <= 12; ++n) names.push_back("F" + std::to_string(n));
  for (const NamedKey& key : kNamedKeys) names.emplace_back(key.name);
  names.emplace_back("Backspace");
  return names;
}

int ColumnOf(const nlohmann::json& value, const VariantDescription& variant, std::string_view what) {
  if (value.is_string()) {
    const std::string name = value.get<std::string>();
    for (const ColumnDefinition& column : ColumnsOf(variant))
      if (column.cName == name) return column.nId;
    StepArgs::Fail("the " + std::string(ViewName(variant.eVariant)) + " grid has no column \"" + name + "\"");
  }
  const std::int64_t id = StepArgs::ToInt(value, what);
  if (id < 0 || id >= variant.nColumnCount)
    StepArgs::Fail("the " + std::string(ViewName(variant.eVariant)) + " grid has no column " + std::to_string(id));
  return static_cast<int>(id);
}

std::string ColumnName(int column, const VariantDescription& variant) {
  const ColumnDefinition* definition = FindColumn(column, variant);
  return definition ? std::string(definition->cName) : std::string();
}

}  // namespace orv::scenario
