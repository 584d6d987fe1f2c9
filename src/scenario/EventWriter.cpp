#include "scenario/EventWriter.h"

#include <ostream>

namespace orv::scenario {

EventWriter::EventWriter(std::ostream& out) : m_out(&out) {}

EventWriter::EventWriter(Sink sink) : m_sink(std::move(sink)) {}

void EventWriter::Emit(const std::string& kind, nlohmann::json event) {
  if (!event.is_object()) event = nlohmann::json::object();
  event["ev"] = kind;
  std::lock_guard lock(m_mutex);
  if (m_line > 0 && !event.contains("line")) event["line"] = m_line;
  ++m_count;
  if (m_sink) {
    m_sink(event);
    return;
  }
  if (m_out) {
    // Record texts are 8-bit and may hold bytes that are not UTF-8: replace them rather than throw
    // halfway through a line.
    *m_out << event.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    m_out->flush();
  }
}

void EventWriter::Error(int line, const std::string& step, const std::string& message) {
  {
    std::lock_guard lock(m_mutex);
    ++m_errors;
  }
  nlohmann::json event{{"line", line}, {"message", message}};
  if (!step.empty()) event["step"] = step;
  Emit("error", std::move(event));
}

}  // namespace orv::scenario
