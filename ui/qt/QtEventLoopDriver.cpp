#include "ui/qt/QtEventLoopDriver.h"

#include "ui/qt/LoadMeter.h"

#include <QAbstractEventDispatcher>
#include <QThread>

#include <algorithm>

namespace orv::ui {

namespace {

// The most loop time one pass hands over. A thread that falls behind (a slow machine, a long
// handler) lets the loop's clock lag real time instead of replaying every missed tick back to back,
// which would keep Qt from painting and fall further behind; late timers then fire once, as native
// timers do.
constexpr std::int64_t kMaxStepMs = 100;
// The longest stretch one pass delivers for: a burst of work (a cancel-all posting a message per
// order) is spread over passes, with Qt painting and reading input in between.
constexpr std::int64_t kPassBudgetMs = 40;

}  // namespace

QtEventLoopDriver::QtEventLoopDriver(orv::platform::EventLoop& loop, QObject* parent) : QObject(parent), m_loop(loop) {
  m_timer.setSingleShot(true);
  m_timer.setTimerType(Qt::PreciseTimer);
  connect(&m_timer, &QTimer::timeout, this, &QtEventLoopDriver::DeliverNow);
}

QtEventLoopDriver::~QtEventLoopDriver() { Stop(); }

void QtEventLoopDriver::Start() {
  if (m_running) return;
  m_running = true;
  m_clock.start();
  m_advancedMs = 0;
  // Before Qt waits, and whenever it processes events without waiting (a nested loop polling),
  // work posted since the last pass gets a timer.
  if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(thread())) {
    m_aboutToBlock = connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &QtEventLoopDriver::Reschedule);
    m_awake = connect(dispatcher, &QAbstractEventDispatcher::awake, this, &QtEventLoopDriver::Reschedule);
  }
  Reschedule();
}

void QtEventLoopDriver::Stop() {
  m_running = false;
  m_timer.stop();
  disconnect(m_aboutToBlock);
  disconnect(m_awake);
  m_aboutToBlock = m_awake = {};
}

void QtEventLoopDriver::DeliverNow() {
  if (!m_running) return;
  if (m_delivering) {
    // A handler opened a modal loop (a message box, a menu); the work waits until it returns.
    m_timer.start(static_cast<int>(orv::platform::EventLoop::kMinimumTimerMs));
    return;
  }
  const auto started = LoadSample::ThreadCpuNow();
  m_delivering = true;
  const std::int64_t real = m_clock.elapsed();
  const std::int64_t step = std::clamp<std::int64_t>(real - m_advancedMs, 0, kMaxStepMs);
  m_advancedMs += step;
  if (real - m_advancedMs > kMaxStepMs) m_advancedMs = real - kMaxStepMs;  // drop what cannot be caught up
  try {
    m_loop.advanceWithin(step, kPassBudgetMs);
  } catch (...) {
    // A handler that throws must not take Qt's loop down; the module logs its own failures.
  }
  m_delivering = false;
  m_busy += LoadSample::ThreadCpuNow() - started;
  ++m_passes;
  if (m_afterDelivery) m_afterDelivery();
  Reschedule();
}

void QtEventLoopDriver::Reschedule() {
  if (!m_running || m_delivering) return;
  const std::int64_t untilDue = m_loop.msUntilNextTimer();
  if (untilDue < 0) {
    m_timer.stop();
    return;
  }
  // The loop's clock trails real time by what has not been handed to it yet.
  const std::int64_t lag = m_clock.elapsed() - m_advancedMs;
  const int wait = static_cast<int>(std::clamp<std::int64_t>(untilDue - lag, 0, 24 * 3600 * 1000));
  if (m_timer.isActive() && m_timer.remainingTime() <= wait) return;
  m_timer.start(wait);
}

}  // namespace orv::ui
