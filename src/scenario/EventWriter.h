#pragma once
// Writes the scenario's events as JSON Lines: one object per line, keys in alphabetical order, so
// the same scenario always prints the same bytes. Every event carries "ev" with its kind. Safe to
// call from several threads (a worker that writes a file may log); each event stays one line.
#include <nlohmann/json.hpp>

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <mutex>
#include <string>

namespace orv::scenario {

class EventWriter final {
 public:
  using Sink = std::function<void(const nlohmann::json& event)>;

  // Writes to `out` (not owned; it must outlive the writer).
  explicit EventWriter(std::ostream& out);
  // Hands every event to `sink` instead (tests keep them as objects).
  explicit EventWriter(Sink sink);

  // The scenario line whose step is being played: every event emitted meanwhile names it in
  // "line" (0: no step, as while the scenario ends).
  void SetLine(int line) {
    std::lock_guard lock(m_mutex);
    m_line = line;
  }

  // `event` must be an object; "ev" is set to `kind`.
  void Emit(const std::string& kind, nlohmann::json event = nlohmann::json::object());
  // An "error" event naming the scenario line (0: no line, e.g. the input could not be read).
  void Error(int line, const std::string& step, const std::string& message);

  std::size_t Count() const { return m_count; }
  std::size_t Errors() const { return m_errors; }

 private:
  std::mutex m_mutex;
  std::ostream* m_out = nullptr;
  Sink m_sink;
  std::size_t m_count = 0;
  int m_line = 0;
  std::size_t m_errors = 0;
};

}  // namespace orv::scenario
