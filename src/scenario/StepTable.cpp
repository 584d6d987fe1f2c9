#include "scenario/StepTable.h"

#include "scenario/StepGroups.h"

namespace orv::scenario {

const StepTable& StepTable::Standard() {
  static const StepTable table = [] {
    StepTable t;
    AddSettingsSteps(t);
    AddOrderSteps(t);
    AddViewSteps(t);
    AddInputSteps(t);
    AddHeaderFilterSteps(t);
    AddFileDialogSteps(t);
    AddCallStep(t);
    AddDumpStep(t);
    AddHostDataSteps(t);
    AddFilterBarSteps(t);
    AddModificationSteps(t);
    return t;
  }();
  return table;
}

void StepTable::Add(StepDefinition definition) {
  std::string name = definition.name;
  m_steps.insert_or_assign(std::move(name), std::move(definition));
}

const StepDefinition* StepTable::Find(std::string_view name) const {
  auto it = m_steps.find(name);
  return it == m_steps.end() ? nullptr : &it->second;
}

std::vector<std::string> StepTable::Names() const {
  std::vector<std::string> names;
  for (const auto& [name, definition] : m_steps) names.push_back(name);
  return names;
}

}  // namespace orv::scenario
