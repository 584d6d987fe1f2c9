#pragma once
// How a dialog service finds its answer: the next scripted answer first, else its answerer (the
// GUI), else `fallback` (a cancel).
#include <deque>
#include <functional>

namespace orv::platform {

template <typename Answer, typename Request>
Answer NextAnswer(std::deque<Answer>& scripted, const std::function<Answer(const Request&)>& answerer,
                  const Request& request, Answer fallback) {
  if (!scripted.empty()) {
    Answer answer = std::move(scripted.front());
    scripted.pop_front();
    return answer;
  }
  if (answerer) {
    const auto copy = answerer;  // it may replace itself while it runs
    return copy(request);
  }
  return fallback;
}

}  // namespace orv::platform
