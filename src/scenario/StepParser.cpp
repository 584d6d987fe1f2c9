#include "scenario/StepParser.h"

namespace orv::scenario {

namespace {

ParsedStep Failed(ParsedStep step, std::string message) {
  step.kind = ParsedStep::Kind::Error;
  step.error = std::move(message);
  return step;
}

}  // namespace

ParsedStep StepParser::Parse(std::string_view text, int line) const {
  ParsedStep step;
  step.line = line;
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos || text[first] == '#') return step;

  try {
    step.fields = nlohmann::json::parse(text.begin(), text.end());
  } catch (const nlohmann::json::parse_error& e) {
    return Failed(std::move(step), "not valid JSON (column " + std::to_string(e.byte) + ")");
  }
  if (!step.fields.is_object()) return Failed(std::move(step), "a step must be a JSON object");
  auto doField = step.fields.find("do");
  if (doField == step.fields.end()) return Failed(std::move(step), "the step has no \"do\"");
  if (!doField->is_string()) return Failed(std::move(step), "\"do\" must be a text");
  step.name = doField->get<std::string>();
  step.definition = m_table.Find(step.name);
  if (!step.definition) return Failed(std::move(step), "unknown step \"" + step.name + "\"");
  for (const auto& [key, value] : step.fields.items()) {
    if (key == "do") continue;
    bool known = false;
    for (const std::string& field : step.definition->fields) known = known || field == key;
    if (!known) return Failed(std::move(step), "step \"" + step.name + "\" has no field \"" + key + "\"");
  }
  step.kind = ParsedStep::Kind::Step;
  return step;
}

}  // namespace orv::scenario
