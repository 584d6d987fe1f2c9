#pragma once
// Runs the toolkit stand-in's event loop inside Qt's: timers and posted messages are delivered by
// EventLoop::advance with the real time that passed, so they keep the manual clock's semantics
// (due order, one-shot timers, posts delivered later, never inline). A thread that falls more than
// a step behind lets the loop's clock lag rather than replay every missed tick. A single-shot QTimer is armed
// for the next due work, and re-armed whenever Qt is about to wait or wakes up, so work posted by
// any handler (a key, a menu choice) is delivered before Qt sleeps.
#include "host/platform/EventLoop.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <functional>

namespace orv::ui {

class QtEventLoopDriver final : public QObject {
  Q_OBJECT

 public:
  explicit QtEventLoopDriver(orv::platform::EventLoop& loop, QObject* parent = nullptr);
  ~QtEventLoopDriver() override;

  // From now on the loop's clock follows real time.
  void Start();
  void Stop();
  bool IsRunning() const { return m_running; }

  // Called after every pass that delivered work (the host brings window state onto the screen).
  void SetAfterDelivery(std::function<void()> callback) { m_afterDelivery = std::move(callback); }

  // Delivers what is due now (also used by tests instead of waiting for the timer).
  void DeliverNow();

  // CPU time of this thread spent delivering, and how many passes, since construction.
  std::chrono::nanoseconds BusyTime() const { return m_busy; }
  std::uint64_t Passes() const { return m_passes; }

 private:
  void Reschedule();

  orv::platform::EventLoop& m_loop;
  QTimer m_timer;
  QElapsedTimer m_clock;
  std::int64_t m_advancedMs = 0;  // real milliseconds already handed to the loop
  bool m_running = false;
  bool m_delivering = false;
  std::function<void()> m_afterDelivery;
  std::chrono::nanoseconds m_busy{0};
  std::uint64_t m_passes = 0;
  QMetaObject::Connection m_aboutToBlock;
  QMetaObject::Connection m_awake;
};

}  // namespace orv::ui
