#include "host/platform/EventLoop.h"

#include "host/platform/Window.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <deque>
#include <limits>
#include <map>
#include <thread>
#include <utility>

namespace orv::platform {

namespace {

// Queue order: due time first, then the order work was armed or posted, so equal due times are
// delivered first come, first served whatever their kind.
using QueueKey = std::pair<std::int64_t, std::uint64_t>;
using TimerKey = std::pair<const Window*, UINT_PTR>;

struct Work {
  Window* window = nullptr;
  bool isTimer = false;
  UINT_PTR timerId = 0;
  unsigned msg = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

}  // namespace

struct EventLoop::Impl {
  std::int64_t now = 0;
  std::uint64_t nextSeq = 0;
  std::map<QueueKey, Work> timerQueue;
  // Posted messages are due when posted and the clock never runs back, so they arrive in queue
  // order: a plain FIFO keeps a burst of a million posts free of per-message tree nodes.
  std::deque<std::pair<QueueKey, Work>> posted;
  std::map<TimerKey, QueueKey> timers;  // where each armed timer sits in `timerQueue`
  std::atomic<bool> stopRequested{false};
  bool passEndRequested = false;
  bool inBudgetedPass = false;
  std::chrono::steady_clock::time_point passDeadline;
  PostObserver postObserver;

  void enqueue(std::int64_t due, const Work& work) {
    const QueueKey key{due, nextSeq++};
    if (!work.isTimer) {
      posted.emplace_back(key, work);
      return;
    }
    timerQueue.emplace(key, work);
    timers[{work.window, work.timerId}] = key;
  }

  const QueueKey* earliestKey() const {
    const QueueKey* timer = timerQueue.empty() ? nullptr : &timerQueue.begin()->first;
    const QueueKey* message = posted.empty() ? nullptr : &posted.front().first;
    if (!timer) return message;
    if (!message) return timer;
    return *message < *timer ? message : timer;
  }

  // Removes the first item due at or before `limit` and delivers it; false when none is due. The item
  // leaves the queue before its handler runs, so a handler may arm, kill, post, forget or even
  // destroy windows freely.
  // With `seqBound`, only work queued before that sequence number is eligible.
  bool deliverNext(std::int64_t limit, std::uint64_t seqBound = std::numeric_limits<std::uint64_t>::max()) {
    auto timer = timerQueue.begin();
    if (timer != timerQueue.end() && (timer->first.first > limit || timer->first.second >= seqBound)) {
      // Skip later work that is due first; rare (only the final pass of runRealTime), so a scan is fine.
      timer = std::find_if(timerQueue.begin(), timerQueue.end(), [&](const auto& item) {
        return item.first.first <= limit && item.first.second < seqBound;
      });
    }
    const bool messageDue =
        !posted.empty() && posted.front().first.first <= limit && posted.front().first.second < seqBound;
    const bool timerDue = timer != timerQueue.end();
    if (!messageDue && !timerDue) return false;
    Work work;
    if (messageDue && (!timerDue || posted.front().first < timer->first)) {
      now = std::max(now, posted.front().first.first);
      work = posted.front().second;
      posted.pop_front();
    } else {
      now = std::max(now, timer->first.first);
      work = timer->second;
      timerQueue.erase(timer);
      timers.erase({work.window, work.timerId});
    }
    if (work.isTimer) {
      work.window->OnTimer(work.timerId);
    } else {
      work.window->OnMessage(work.msg, work.wParam, work.lParam);
    }
    return true;
  }
};

EventLoop::EventLoop() : m_impl(std::make_unique<Impl>()) {}
EventLoop::~EventLoop() = default;

std::int64_t EventLoop::nowMs() const { return m_impl->now; }

void EventLoop::setTimer(Window* window, UINT_PTR id, unsigned elapseMs) {
  if (window == nullptr) return;
  killTimer(window, id);
  const unsigned wait = std::max(elapseMs, kMinimumTimerMs);
  Work work;
  work.window = window;
  work.isTimer = true;
  work.timerId = id;
  m_impl->enqueue(m_impl->now + static_cast<std::int64_t>(wait), work);
}

bool EventLoop::killTimer(Window* window, UINT_PTR id) {
  auto found = m_impl->timers.find({window, id});
  if (found == m_impl->timers.end()) return false;
  m_impl->timerQueue.erase(found->second);
  m_impl->timers.erase(found);
  return true;
}

bool EventLoop::hasTimer(const Window* window, UINT_PTR id) const {
  return m_impl->timers.count({window, id}) != 0;
}

void EventLoop::setPostObserver(PostObserver observer) { m_impl->postObserver = std::move(observer); }

void EventLoop::postMessage(Window* window, unsigned msg, WPARAM wParam, LPARAM lParam) {
  if (window == nullptr) return;
  if (m_impl->postObserver) m_impl->postObserver(window, msg, wParam, lParam);
  Work work;
  work.window = window;
  work.msg = msg;
  work.wParam = wParam;
  work.lParam = lParam;
  m_impl->enqueue(m_impl->now, work);
}

void EventLoop::forget(const Window* window) {
  if (window == nullptr) return;
  auto& timers = m_impl->timers;
  timers.erase(timers.lower_bound({window, 0}),
               timers.upper_bound({window, std::numeric_limits<UINT_PTR>::max()}));
  std::erase_if(m_impl->timerQueue, [window](const auto& item) { return item.second.window == window; });
  std::erase_if(m_impl->posted, [window](const auto& item) { return item.second.window == window; });
}

void EventLoop::advance(std::int64_t ms) {
  // The clock never runs backwards; a negative step only delivers what is already due.
  const std::int64_t target = m_impl->now + std::max<std::int64_t>(ms, 0);
  while (m_impl->deliverNext(target)) {
  }
  m_impl->now = std::max(m_impl->now, target);
}

bool EventLoop::advanceWithin(std::int64_t ms, std::int64_t budgetMs) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(std::max<std::int64_t>(budgetMs, 0));
  const std::int64_t target = m_impl->now + std::max<std::int64_t>(ms, 0);
  bool left = false;
  m_impl->passEndRequested = false;
  // A nested call (a handler's modal loop) keeps the outer pass's deadline when it returns.
  struct PassScope {
    Impl& impl;
    bool wasIn;
    Clock::time_point wasDeadline;
    ~PassScope() {
      impl.inBudgetedPass = wasIn;
      impl.passDeadline = wasDeadline;
    }
  } scope{*m_impl, m_impl->inBudgetedPass, m_impl->passDeadline};
  m_impl->inBudgetedPass = true;
  m_impl->passDeadline = deadline;
  for (unsigned delivered = 1; m_impl->deliverNext(target); ++delivered) {
    if (m_impl->passEndRequested) {
      m_impl->passEndRequested = false;
      left = true;
      break;
    }
    // Reading the clock costs more than most deliveries: look every few.
    if (delivered % 16 == 0 && Clock::now() >= deadline) {
      left = true;
      break;
    }
  }
  // What is left stays due at the clock's new time and goes first on the next call.
  m_impl->now = std::max(m_impl->now, target);
  return left && msUntilNextTimer() == 0;
}

void EventLoop::endPass() { m_impl->passEndRequested = true; }

std::int64_t EventLoop::passTimeLeftMs() const {
  if (!m_impl->inBudgetedPass) return -1;
  const auto left = m_impl->passDeadline - std::chrono::steady_clock::now();
  return std::max<std::int64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(left).count(), 0);
}

void EventLoop::runPending() {
  while (m_impl->deliverNext(m_impl->now)) {
  }
}

void EventLoop::runRealTime(std::int64_t maxMs) {
  using Clock = std::chrono::steady_clock;
  m_impl->stopRequested = false;
  const auto start = Clock::now();
  const std::int64_t base = m_impl->now;
  while (!m_impl->stopRequested) {
    const std::int64_t elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    const bool timeUp = maxMs >= 0 && elapsed >= maxMs;
    const std::int64_t realNow = base + (timeUp ? maxMs : elapsed);
    // The clock follows real time before delivering, so work posted by a handler is due at the real
    // time and cannot starve a timer that fell due earlier.
    m_impl->now = std::max(m_impl->now, realNow);
    if (timeUp) {
      // A last pass over the work already queued: what handlers queue now waits for the next run,
      // so the limit holds even when they keep posting.
      const std::uint64_t bound = m_impl->nextSeq;
      while (!m_impl->stopRequested && m_impl->deliverNext(m_impl->now, bound)) {
      }
      break;
    }
    // One delivery at a time, so stop() is honoured even when handlers keep posting new work.
    if (m_impl->deliverNext(m_impl->now)) continue;
    // Sleep in short slices so a stop() from another thread is noticed promptly.
    std::int64_t wait = kMinimumTimerMs;
    const std::int64_t next = msUntilNextTimer();
    if (next >= 0) wait = std::min(wait, next);
    if (maxMs >= 0) wait = std::min(wait, maxMs - elapsed);
    std::this_thread::sleep_for(std::chrono::milliseconds(std::max<std::int64_t>(wait, 1)));
  }
  m_impl->stopRequested = false;
}

void EventLoop::stop() { m_impl->stopRequested = true; }

std::int64_t EventLoop::msUntilNextTimer() const {
  const QueueKey* first = m_impl->earliestKey();
  if (!first) return -1;
  return std::max<std::int64_t>(first->first - m_impl->now, 0);
}

std::size_t EventLoop::pendingCount() const { return m_impl->timerQueue.size() + m_impl->posted.size(); }

}  // namespace orv::platform
