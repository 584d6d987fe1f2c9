#pragma once
// The host's log writer for a test: every line it takes is kept with its source.
#include "host/AppGlobal.h"
#include "host/LogWriter.h"

#include <string>
#include <utility>
#include <vector>

class LogCapture final {
 public:
  LogCapture() {
    AppGlobal::SetLogWriter(&m_log);
    m_log.AddObserver([this](const std::string& source, const std::string& text) { m_lines.emplace_back(source, text); });
  }
  ~LogCapture() { AppGlobal::SetLogWriter(nullptr); }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  std::vector<std::string> LinesOf(const std::string& source) const {
    std::vector<std::string> out;
    for (const auto& [s, text] : m_lines)
      if (s == source) out.push_back(text);
    return out;
  }
  void Clear() { m_lines.clear(); }

 private:
  LogWriter m_log;
  std::vector<std::pair<std::string, std::string>> m_lines;
};
