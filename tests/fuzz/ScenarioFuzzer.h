#pragma once
// The fuzzer's driver loop: episodes of generated steps, each against a fresh scenario host in
// this process, with the invariants checked after every step. A finding stops the run and keeps
// the episode's steps as a scenario that orvscript replays.
#include "fuzz/FuzzChoices.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace orv::fuzz {

struct FuzzOptions {
  std::uint64_t seed = 1;
  std::uint64_t steps = 10000;
  std::uint32_t episodeSteps = 400;  // steps against one host before a fresh one
  std::string findingFile;           // where the failing episode is written; empty: nowhere
};

struct FuzzResult {
  std::uint64_t steps = 0;
  std::uint64_t episodes = 0;
  std::uint64_t failedSteps = 0;  // steps the library refused (error events): expected, counted
  std::vector<std::string> findings;
  std::vector<std::string> episode;  // the lines of the episode with the finding
};

// Plays one episode of at most `steps` steps from `choices`; stops early when the choices run out
// or a finding turns up.
void PlayEpisode(Choices& choices, std::uint64_t steps, FuzzResult& result);
// Episodes until `options.steps` steps were played or a finding stopped the run.
FuzzResult RunFuzz(const FuzzOptions& options, std::ostream* progress);

}  // namespace orv::fuzz
