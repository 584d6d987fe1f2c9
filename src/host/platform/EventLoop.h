#pragma once
// Deterministic event loop: per-window one-shot timers and posted messages, driven by a clock that
// is either advanced by hand (tests, the scenario driver) or follows real time (desktop apps).
#include "host/platform/Types.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

namespace orv::platform {

class Window;

class EventLoop {
 public:
  // Smallest interval a timer waits; 0 ms requests round up to it.
  static constexpr unsigned kMinimumTimerMs = 10;

  EventLoop();
  ~EventLoop();
  EventLoop(const EventLoop&) = delete;
  EventLoop& operator=(const EventLoop&) = delete;

  std::int64_t nowMs() const;

  // Arms (or re-arms, replacing a pending one with the same id) a timer of `window`.
  void setTimer(Window* window, UINT_PTR id, unsigned elapseMs);
  bool killTimer(Window* window, UINT_PTR id);
  bool hasTimer(const Window* window, UINT_PTR id) const;

  // Queues a message for `window`; delivered by the next advance()/runPending(), never inline.
  void postMessage(Window* window, unsigned msg, WPARAM wParam, LPARAM lParam);
  // Hears of every message posted to a window, when it is posted (a scenario reports them).
  using PostObserver = std::function<void(const Window* window, unsigned msg, WPARAM wParam, LPARAM lParam)>;
  void setPostObserver(PostObserver observer);

  // Drops every timer and message of a window that is going away.
  void forget(const Window* window);

  // Manual clock: moves time forward by `ms`, delivering due timers and posted messages in order
  // (due time, then the order they were armed or posted). Work queued by a handler runs in the same
  // call when it falls due within it, so a handler that posts on every delivery never lets it return.
  void advance(std::int64_t ms);
  // As advance(), but hands control back once `budgetMs` of real time went by, so a GUI can paint
  // between the deliveries of a long burst of work. True when work that is due was left queued.
  bool advanceWithin(std::int64_t ms, std::int64_t budgetMs);
  // Asks the advanceWithin() in progress to hand control back once the delivery that is running
  // returns, whatever is left of its budget: a handler that has just done a slice of a long piece
  // of work lets the GUI paint before the next slice. advance() and runPending() go on delivering,
  // so a host that drives the loop by hand still sees the work finish.
  void endPass();
  // Real milliseconds left of the budget of the advanceWithin() in progress (0 once spent), or -1
  // when no budgeted pass is running: a slice of long work sizes itself to what the pass has left.
  std::int64_t passTimeLeftMs() const;
  // Delivers the messages and timers already due, without moving the clock.
  void runPending();
  // Real clock: waits for and delivers work until `stop()` or until `maxMs` elapsed (negative: no limit).
  // The manual clock follows real time while it runs. At the limit, work already queued and due is
  // delivered; work its handlers queue then waits for the next run.
  void runRealTime(std::int64_t maxMs = -1);
  // Ends the running runRealTime() after the delivery in progress; may be called from any thread.
  // A stop while runRealTime() is not running is dropped.
  void stop();

  // Milliseconds until the next timer is due (-1 when nothing is armed); for GUI integration.
  // A posted message counts as due now (0), so a GUI that waits this long never strands it.
  std::int64_t msUntilNextTimer() const;
  // Timers armed plus messages not yet delivered.
  std::size_t pendingCount() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};

}  // namespace orv::platform
