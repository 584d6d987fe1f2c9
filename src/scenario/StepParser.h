#pragma once
// Turns one line of a scenario into a step: valid JSON, an object, a known "do" and only the
// fields that step accepts. Blank lines and lines starting with '#' are not steps.
#include "scenario/StepTable.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace orv::scenario {

struct ParsedStep {
  enum class Kind { Step, Skip, Error };
  Kind kind = Kind::Skip;
  int line = 0;
  std::string name;          // the "do" text when there was one
  nlohmann::json fields;     // the whole object
  const StepDefinition* definition = nullptr;
  std::string error;         // for Kind::Error
};

class StepParser final {
 public:
  explicit StepParser(const StepTable& table) : m_table(table) {}

  ParsedStep Parse(std::string_view text, int line) const;

 private:
  const StepTable& m_table;
};

}  // namespace orv::scenario
