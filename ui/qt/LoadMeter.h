#pragma once
// How much of the user-interface thread the terminal uses, over a measured stretch of time: the
// refresh ticks (everything the event loop delivers except the simulated exchange's own work),
// the grid paints, the exchange, and the thread's whole CPU time. Shares are CPU time of the
// thread over wall time, so a busy machine that keeps the thread waiting does not inflate them.
#include <chrono>
#include <cstdint>
#include <string>

namespace orv::ui {

struct LoadSample {
  std::chrono::nanoseconds wall{0};
  std::chrono::nanoseconds threadCpu{0};
  std::chrono::nanoseconds delivering{0};  // inside the event loop's deliveries
  std::chrono::nanoseconds exchange{0};    // the simulated exchange's share of them
  std::chrono::nanoseconds painting{0};    // grid paints
  std::chrono::nanoseconds mirroring{0};   // grid changes brought onto the screen (inside the ticks)
  std::uint64_t passes = 0;
  std::uint64_t paints = 0;
  std::uint64_t storeChanges = 0;
  std::uint64_t scrollBarChanges = 0;
  std::uint64_t scrollBarSkips = 0;  // changes that would have drawn the same pixels

  // The thread's CPU time now (CLOCK_THREAD_CPUTIME_ID) and a steady wall clock reading.
  static std::chrono::nanoseconds ThreadCpuNow();
  static std::chrono::nanoseconds WallNow();
};

struct LoadReport {
  double seconds = 0;
  double tickShare = 0;   // of one core
  double paintShare = 0;
  double exchangeShare = 0;
  double threadShare = 0;
  double mirrorShare = 0;  // the Qt adapter's part of the ticks
  double changesPerSecond = 0;
  std::uint64_t passes = 0;
  std::uint64_t paints = 0;
  std::uint64_t scrollBarChanges = 0;
  std::uint64_t scrollBarSkips = 0;

  double UiShare() const { return tickShare + paintShare; }
  std::string Text() const;
};

LoadReport Compare(const LoadSample& from, const LoadSample& to);

}  // namespace orv::ui
