#include "fuzz/ScenarioFuzzer.h"

#include "fuzz/Invariants.h"
#include "fuzz/StepGenerator.h"
#include "scenario/EventWriter.h"
#include "scenario/ScenarioHost.h"
#include "scenario/ScenarioPlayer.h"

#include <fstream>
#include <ostream>

namespace orv::fuzz {

void PlayEpisode(Choices& choices, std::uint64_t steps, FuzzResult& result) {
  std::vector<nlohmann::json> events;
  scenario::EventWriter writer([&events](const nlohmann::json& e) { events.push_back(e); });
  scenario::ScenarioHost host(writer);
  scenario::ScenarioPlayer player(host);
  StepGenerator generator(choices, host);
  InvariantChecker checker(host);
  ++result.episodes;
  result.episode.clear();

  auto play = [&](const nlohmann::json& step) {
    const std::string line = step.dump();
    result.episode.push_back(line);
    events.clear();
    checker.BeforeStep();
    if (!player.PlayLine(line, static_cast<int>(result.episode.size()))) ++result.failedSteps;
    result.findings = checker.AfterStep(step, events);
    return result.findings.empty();
  };
  for (const nlohmann::json& step : generator.Opening())
    if (!play(step)) return;
  for (std::uint64_t i = 0; i < steps && !choices.Exhausted(); ++i) {
    ++result.steps;
    if (!play(generator.Next())) return;
  }
  // The windows close as the host closes them at exit; that must hold too.
  events.clear();
  host.Close(ViewVariant::GTD);
  host.Close(ViewVariant::Pending);
  host.AfterStep();
  result.findings = checker.AfterStep(nlohmann::json::object(), events);
}

FuzzResult RunFuzz(const FuzzOptions& options, std::ostream* progress) {
  FuzzResult result;
  Choices choices(options.seed);
  std::uint64_t reported = 0;
  while (result.steps < options.steps) {
    PlayEpisode(choices, std::min<std::uint64_t>(options.episodeSteps, options.steps - result.steps), result);
    if (!result.findings.empty()) {
      if (!options.findingFile.empty()) {
        std::ofstream out(options.findingFile);
        for (const std::string& line : result.episode) out << line << '\n';
      }
      break;
    }
    if (progress && result.steps - reported >= 100000) {
      reported = result.steps;
      *progress << "orv_fuzz: " << result.steps << " steps, " << result.episodes << " episodes\n" << std::flush;
    }
  }
  return result;
}

}  // namespace orv::fuzz
