#pragma once
// The steps a scenario may use: name, the fields it accepts and what it does. Each group of steps
// adds itself (see StepGroups.h), so new steps are new entries, not new branches.
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace orv::scenario {

class ScenarioHost;
class StepArgs;

using StepHandler = std::function<void(ScenarioHost& host, const StepArgs& args)>;

struct StepDefinition {
  std::string name;
  // Fields besides "do"; any other field is refused before the step runs (a misspelt option
  // would otherwise be ignored silently).
  std::vector<std::string> fields;
  StepHandler run;
};

class StepTable final {
 public:
  // Every step the driver knows.
  static const StepTable& Standard();

  // Replaces a step of the same name.
  void Add(StepDefinition definition);
  // Null for an unknown name.
  const StepDefinition* Find(std::string_view name) const;
  std::vector<std::string> Names() const;

 private:
  std::map<std::string, StepDefinition, std::less<>> m_steps;
};

}  // namespace orv::scenario
