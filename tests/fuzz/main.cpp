// orv_fuzz: the scenario fuzzer's command line (docs/reliability.md).
//   orv_fuzz [--seed N] [--steps N] [--episode N] [--finding FILE]
// Exit status 0: no finding; 1: a finding (printed, its episode written to FILE); 2: bad usage.
#include "fuzz/ScenarioFuzzer.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
  orv::fuzz::FuzzOptions options;
  options.findingFile = "orv-fuzz-finding.jsonl";
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    char* end = nullptr;
    auto number = [&]() -> unsigned long long {
      if (!value) return 0;
      ++i;
      const unsigned long long n = std::strtoull(value, &end, 10);
      return *value && end && *end == 0 ? n : 0;
    };
    if (arg == "--seed") options.seed = number();
    else if (arg == "--steps") options.steps = number();
    else if (arg == "--episode") options.episodeSteps = static_cast<std::uint32_t>(number());
    else if (arg == "--finding" && value) options.findingFile = argv[++i];
    else {
      std::cerr << "usage: orv_fuzz [--seed N] [--steps N] [--episode N] [--finding FILE]\n";
      return 2;
    }
    if (options.steps == 0 || options.episodeSteps == 0) {
      std::cerr << "orv_fuzz: " << arg << " needs a whole number above 0\n";
      return 2;
    }
  }
  const orv::fuzz::FuzzResult result = orv::fuzz::RunFuzz(options, &std::cerr);
  std::cout << "orv_fuzz: seed " << options.seed << ", " << result.steps << " steps in " << result.episodes
            << " episodes (" << result.failedSteps << " steps refused by the library)\n";
  if (result.findings.empty()) {
    std::cout << "orv_fuzz: no finding\n";
    return 0;
  }
  for (const std::string& finding : result.findings) std::cout << "FINDING: " << finding << '\n';
  std::cout << "orv_fuzz: step " << result.episode.size() << " of episode " << result.episodes
            << "; replay with: orvscript " << options.findingFile << '\n';
  return 1;
}
