#include "scenario/ScenarioPlayer.h"

#include "scenario/StepArgs.h"

#include <exception>
#include <istream>
#include <ostream>
#include <string>

namespace orv::scenario {

ScenarioPlayer::ScenarioPlayer(ScenarioHost& host, const StepTable& table) : m_host(host), m_parser(table) {}

bool ScenarioPlayer::PlayLine(std::string_view text, int line) {
  ParsedStep parsed = m_parser.Parse(text, line);
  if (parsed.kind == ParsedStep::Kind::Skip) return true;
  ++m_steps;
  EventWriter& events = m_host.Events();
  events.SetLine(line);
  struct LineEnd {
    EventWriter& events;
    ~LineEnd() { events.SetLine(0); }
  } lineEnd{events};
  if (parsed.kind == ParsedStep::Kind::Error) {
    ++m_failed;
    events.Error(line, parsed.name, parsed.error);
    return false;
  }
  std::string failure;
  try {
    const StepArgs args(line, parsed.name, parsed.fields);
    parsed.definition->run(m_host, args);
  } catch (const StepError& e) {
    failure = e.what();
  } catch (const std::exception& e) {
    failure = std::string("the step failed inside: ") + e.what();
  } catch (...) {
    failure = "the step failed inside";
  }
  // What the step posted is reported (and delivered) whether or not it completed.
  try {
    m_host.AfterStep();
  } catch (...) {
    if (failure.empty()) failure = "delivering posted messages failed";
  }
  if (failure.empty()) return true;
  ++m_failed;
  events.Error(line, parsed.name, failure);
  return false;
}

int ScenarioPlayer::PlayAll(std::istream& in) {
  std::string text;
  int line = 0;
  while (std::getline(in, text)) PlayLine(text, ++line);
  if (in.bad()) {
    ++m_failed;
    m_host.Events().Error(line, "", "reading the scenario failed");
  }
  m_host.Close(ViewVariant::GTD);
  m_host.Close(ViewVariant::Pending);
  m_host.FlushPosts();
  m_host.Events().Emit("end", {{"steps", m_steps}, {"failed", m_failed}});
  return m_failed == 0 ? 0 : 1;
}

const char* ScriptUsage() {
  return "usage: orvscript [--logs FOLDER] [SCENARIO.jsonl | -]\n"
         "Plays a scenario (JSON Lines, one step per line; standard input when no file or \"-\" is given)\n"
         "and writes every effect of the order-book module as JSON Lines on standard output.\n"
         "  --logs FOLDER  also write the module's log files into FOLDER\n"
         "Exit status: 0 every step succeeded, 1 some step failed, 2 bad usage.\n";
}

bool ParseScriptArguments(int argc, const char* const* argv, ScriptOptions& options, std::string& error) {
  bool haveInput = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--logs") {
      if (i + 1 >= argc) {
        error = "--logs needs a folder";
        return false;
      }
      options.logFolder = argv[++i];
    } else if (arg.size() > 1 && arg[0] == '-') {
      error = "unknown option " + arg;
      return false;
    } else if (haveInput) {
      error = "one scenario at a time (got " + options.input + " and " + arg + ")";
      return false;
    } else {
      options.input = arg;
      haveInput = true;
    }
  }
  if (!haveInput) options.input = "-";
  return true;
}

int RunScenario(std::istream& in, std::ostream& out, const ScriptOptions& options) {
  EventWriter events(out);
  ScenarioHost::Options hostOptions;
  hostOptions.logFolder = options.logFolder;
  ScenarioHost host(events, hostOptions);
  ScenarioPlayer player(host);
  return player.PlayAll(in);
}

}  // namespace orv::scenario
