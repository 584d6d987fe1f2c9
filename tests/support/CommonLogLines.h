#pragma once
// Stands in for the common library's log entry point: every line it is handed, with its source.
#include <string>
#include <utility>
#include <vector>

inline std::vector<std::pair<std::string, std::string>>& CommonLogLines() {
  static std::vector<std::pair<std::string, std::string>> lines;
  return lines;
}
inline void CaptureCommonLogLine(const char* source, const char* text) { CommonLogLines().emplace_back(source, text); }
