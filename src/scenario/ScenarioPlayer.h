#pragma once
// Plays a scenario line by line against a ScenarioHost: parses each line, runs its step, lets the
// host deliver what was posted, and reports a failed step as an "error" event naming the line.
// Nothing a line holds stops the scenario: the next line is played.
#include "scenario/ScenarioHost.h"
#include "scenario/StepParser.h"
#include "scenario/StepTable.h"

#include <iosfwd>
#include <string_view>

namespace orv::scenario {

class ScenarioPlayer final {
 public:
  explicit ScenarioPlayer(ScenarioHost& host, const StepTable& table = StepTable::Standard());

  // False when the line is a step that failed (a blank or comment line is not a step).
  bool PlayLine(std::string_view text, int line);
  // Plays every line, then closes the views as the host does at exit and writes the "end" event.
  // Returns 0 when every step succeeded, 1 otherwise.
  int PlayAll(std::istream& in);

  int Steps() const { return m_steps; }
  int Failed() const { return m_failed; }

 private:
  ScenarioHost& m_host;
  StepParser m_parser;
  int m_steps = 0;
  int m_failed = 0;
};

// What orvscript is asked to do.
struct ScriptOptions {
  std::string input;         // a file, or "-" for standard input
  std::string logFolder;     // empty: log lines only as events
  bool help = false;
};

// Parses orvscript's arguments; false (with `error` set) for bad usage.
bool ParseScriptArguments(int argc, const char* const* argv, ScriptOptions& options, std::string& error);
const char* ScriptUsage();

// Plays `in` with a fresh host, writing events to `out`; returns the exit status (0 or 1).
int RunScenario(std::istream& in, std::ostream& out, const ScriptOptions& options);

}  // namespace orv::scenario
