// orvscript: plays a scenario against the order-book module and prints its effects (see
// docs/scenarios.md).
#include "scenario/ScenarioPlayer.h"

#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
  orv::scenario::ScriptOptions options;
  std::string error;
  if (!orv::scenario::ParseScriptArguments(argc, argv, options, error)) {
    std::cerr << "orvscript: " << error << "\n" << orv::scenario::ScriptUsage();
    return 2;
  }
  if (options.help) {
    std::cout << orv::scenario::ScriptUsage();
    return 0;
  }
  if (options.input == "-") return orv::scenario::RunScenario(std::cin, std::cout, options);
  std::ifstream file(options.input);
  if (!file) {
    std::cerr << "orvscript: cannot open " << options.input << "\n";
    return 2;
  }
  return orv::scenario::RunScenario(file, std::cout, options);
}
