// The libFuzzer entry of the scenario fuzzer: the input's bytes are the episode's choices, so
// libFuzzer's mutations steer the steps and a crash or finding replays from its input file.
#include "fuzz/ScenarioFuzzer.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orv::fuzz::Choices choices({data, size});
  orv::fuzz::FuzzResult result;
  orv::fuzz::PlayEpisode(choices, 300, result);
  if (result.findings.empty()) return 0;
  for (const std::string& finding : result.findings) std::fprintf(stderr, "FINDING: %s\n", finding.c_str());
  for (const std::string& line : result.episode) std::fprintf(stderr, "%s\n", line.c_str());
  std::abort();
}
