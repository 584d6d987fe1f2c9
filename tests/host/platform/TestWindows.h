#pragma once
// A window that writes every delivery into a shared log, so tests can assert on order and time.
#include "host/platform/Application.h"
#include "host/platform/Window.h"

#include <string>
#include <utility>
#include <vector>

namespace orv::platform::testing {

class RecordingWindow : public Window {
 public:
  RecordingWindow(std::string name, std::vector<std::string>& log) : m_name(std::move(name)), m_log(log) {}
  explicit RecordingWindow(std::vector<std::string>& log) : RecordingWindow("w", log) {}

  void OnTimer(UINT_PTR id) override {
    m_log.push_back(m_name + " timer " + std::to_string(id) + " @" + Now());
  }
  LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM) override {
    m_log.push_back(m_name + " msg " + std::to_string(msg) + "/" + std::to_string(wParam) + " @" + Now());
    return 0;
  }
  void OnShowChanged(bool visible) override { m_log.push_back(m_name + (visible ? " shown" : " hidden")); }

 private:
  std::string Now() const { return HasApp() ? std::to_string(App().Loop().nowMs()) : "-"; }

  std::string m_name;
  std::vector<std::string>& m_log;
};

}  // namespace orv::platform::testing
