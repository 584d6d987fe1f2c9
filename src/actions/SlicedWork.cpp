#include "actions/SlicedWork.h"

#include "host/platform/Application.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace pf = orv::platform;

SliceBudget::SliceBudget(std::size_t rows, bool timeBound, std::chrono::milliseconds budget)
    : m_left(rows), m_timeBound(timeBound), m_deadline(Clock::now() + budget) {}

SliceBudget SliceBudget::Unbounded() {
  return SliceBudget(std::numeric_limits<std::size_t>::max(), false, std::chrono::milliseconds(0));
}

SlicedWork::SlicedWork(pf::Window& owner) : Window(), m_owner(owner) {}

SlicedWork::~SlicedWork() = default;

bool SlicedWork::EnsureNative() {
  if (GetSafeHwnd()) return true;
  return m_owner.GetSafeHwnd() && CreateNative(&m_owner);
}

void SlicedWork::Start(Step step) {
  if (m_inSlice) return;  // a slice's own nested call: the work under way goes on
  Finish();
  m_step = std::move(step);
  ++m_generation;
  if (RunSlice(SliceBudget(s_rowsPerSlice, s_timeBound, std::chrono::milliseconds(kSliceBudgetMs)))) return;
  Continue();
}

void SlicedWork::Finish() {
  if (m_inSlice) return;
  while (m_step) RunSlice(SliceBudget::Unbounded());
}

void SlicedWork::Stop() {
  ++m_generation;
  // The step may be the caller: it is let go of once it returns.
  if (!m_inSlice) m_step = nullptr;
}

bool SlicedWork::RunSlice(SliceBudget budget) {
  const std::uint64_t generation = m_generation;
  bool done = true;
  m_inSlice = true;
  try {
    done = m_step(budget);
  } catch (...) {
    done = true;  // the step reports its own failures; a step that throws is over
  }
  m_inSlice = false;
  if (done || generation != m_generation) {
    if (generation == m_generation) ++m_generation;
    m_step = nullptr;
    return true;
  }
  return false;
}

void SlicedWork::Continue() {
  if (!EnsureNative() || !PostMessage(kContinueMessage, static_cast<pf::WPARAM>(m_generation), 0)) {
    Finish();
    return;
  }
  App().Loop().endPass();
}

pf::LRESULT SlicedWork::OnMessage(unsigned msg, pf::WPARAM wParam, pf::LPARAM lParam) {
  if (msg != kContinueMessage) return Window::OnMessage(msg, wParam, lParam);
  if (!m_step || wParam != static_cast<pf::WPARAM>(m_generation)) return 0;  // finished or replaced since
  std::int64_t budgetMs = kSliceBudgetMs;
  if (s_timeBound) {
    if (const std::int64_t left = App().Loop().passTimeLeftMs(); left >= 0) {
      // The pass is spent: the next one starts with this slice. Once only, so that work goes on
      // however short the passes are.
      if (left < kShortestSliceMs && !m_deferred) {
        m_deferred = true;
        Continue();
        return 0;
      }
      budgetMs = std::clamp<std::int64_t>(left, kShortestSliceMs, kSliceBudgetMs);
    }
  }
  m_deferred = false;
  if (!RunSlice(SliceBudget(s_rowsPerSlice, s_timeBound, std::chrono::milliseconds(budgetMs)))) Continue();
  return 0;
}
