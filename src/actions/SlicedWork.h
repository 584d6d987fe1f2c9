#pragma once
// Runs a long piece of user-interface work in slices, one slice per pass of the event loop, so the
// window paints and takes input between them. The first slice runs at once, inside the call that
// starts the work: work that fits one slice (a book of ordinary size) is over before that call
// returns, just as if it had never been sliced. Every further slice is a message the runner posts
// to itself, so it queues behind whatever the previous slice posted, and a host that drives the
// loop by hand (the tests, the scenario driver) sees the work end as soon as it lets the loop run.
//
// A slice ends after kRowsPerSlice rows or once it has run for kSliceBudgetMs, whichever comes
// first; the step counts its rows on the SliceBudget it is handed. Slices end the loop's pass
// (EventLoop::endPass), so the terminal paints between two of them however much time its pass had
// left, and a slice takes no more than what the pass has left: one that finds the pass nearly
// spent (by the work queued before it, such as the previous slice's messages) waits for the next.
//
// The runner is a small native child of its owner: destroying the owner drops the queued slice
// with it, and work that cannot post (no native window) runs to its end at once.
#include "host/platform/Window.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>

class SliceBudget final {
 public:
  using Clock = std::chrono::steady_clock;

  // `rows` rows at most; with `timeBound`, also no further than `budget` from now.
  SliceBudget(std::size_t rows, bool timeBound, std::chrono::milliseconds budget);
  // Unbounded: the rest of the work in one go.
  static SliceBudget Unbounded();

  // Takes one row of the slice; false once the slice is spent, and from then on.
  bool Take() {
    if (m_left == 0) return false;
    --m_left;
    // Reading the clock costs more than a row: look every few.
    if (m_timeBound && (++m_taken & (kRowsPerClockCheck - 1)) == 0 && Clock::now() >= m_deadline) m_left = 0;
    return true;
  }
  bool Spent() const { return m_left == 0; }
  // Counts work done in one go as `rows` rows (and looks at the clock).
  void Charge(std::size_t rows) {
    m_left = rows >= m_left ? 0 : m_left - rows;
    if (m_timeBound && Clock::now() >= m_deadline) m_left = 0;
  }

 private:
  static constexpr std::size_t kRowsPerClockCheck = 256;

  std::size_t m_left;
  std::size_t m_taken = 0;
  bool m_timeBound;
  Clock::time_point m_deadline;
};

class SlicedWork final : public orv::platform::Window {
 public:
  // One slice of the work: true when the work is done.
  using Step = std::function<bool(SliceBudget&)>;

  static constexpr unsigned kContinueMessage = 0x0400 + 0x66;  // to the runner itself only
  static constexpr std::size_t kRowsPerSlice = 65536;
  static constexpr int kSliceBudgetMs = 20;
  // Less than this left of the pass, and the slice waits for the next pass.
  static constexpr int kShortestSliceMs = 5;

  // Whether slices also end at kSliceBudgetMs (the default). A host that drives the loop by hand
  // and needs the same slices on every machine (the scenario driver, the tests) turns it off.
  static void SetTimeBoundSlices(bool bounded) { s_timeBound = bounded; }
  // Rows a slice takes at most (kRowsPerSlice unless changed; 0 restores it). Tests make slices of
  // a few rows to put changes between them.
  static void SetRowsPerSlice(std::size_t rows) { s_rowsPerSlice = rows == 0 ? kRowsPerSlice : rows; }

  explicit SlicedWork(orv::platform::Window& owner);
  ~SlicedWork() override;

  // Starts `step` and runs its first slice now. Work still running is finished first.
  void Start(Step step);
  // Runs what is left of the work now, in one go. Nothing while a slice is running (a slice that
  // reaches this through a nested call goes on where it is).
  void Finish();
  // Drops the work; its step is not called again.
  void Stop();
  bool IsRunning() const { return static_cast<bool>(m_step); }
  bool IsInSlice() const { return m_inSlice; }

  orv::platform::LRESULT OnMessage(unsigned msg, orv::platform::WPARAM wParam, orv::platform::LPARAM lParam) override;

 private:
  bool EnsureNative();
  // Runs one slice; true when the work is over (done, stopped or replaced).
  bool RunSlice(SliceBudget budget);
  void Continue();

  static inline bool s_timeBound = true;
  static inline std::size_t s_rowsPerSlice = kRowsPerSlice;

  orv::platform::Window& m_owner;
  Step m_step;
  // Numbers each start, so a slice message queued for work that was finished or replaced since is
  // known for stale.
  std::uint64_t m_generation = 0;
  bool m_inSlice = false;
  bool m_deferred = false;  // the last slice message found its pass spent and waited
};
