#pragma once
// Names scenarios use for keys and grid columns.
#include "view/ViewVariant.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace orv::scenario {

// The virtual-key code of a key name: "A".."Z", "0".."9", "F1".."F12", "Delete", "Escape",
// "Enter", "Tab", "PageUp", "PageDown", "Home", "End", "Up", "Down", "Left", "Right", "Num*",
// "[", "]", "Space", "Insert", "Backspace". Throws StepError for any other name.
int KeyCode(std::string_view name);
std::vector<std::string> KeyNames();

// A column of the variant's grid by id (a number) or by name ("B_S", "Price"). Throws StepError
// for anything else.
int ColumnOf(const nlohmann::json& value, const VariantDescription& variant, std::string_view what);
// The column's name ("" outside the variant's catalogue).
std::string ColumnName(int column, const VariantDescription& variant);

}  // namespace orv::scenario
