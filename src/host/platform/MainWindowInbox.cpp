#include "host/platform/MainWindowInbox.h"

#include "host/platform/Application.h"

namespace orv::platform {

MainWindowInbox::MainWindowInbox(Application& app) : m_app(app), m_sink(app, *this) {
  m_sink.CreateNative(nullptr);
}

bool MainWindowInbox::Post(unsigned msg, WPARAM wParam, LPARAM lParam) {
  const PostedMessage posted{msg, wParam, lParam, m_app.Loop().nowMs()};
  m_posted.push_back(posted);
  if (m_handler && m_sink.PostMessage(msg, wParam, lParam)) m_undelivered.push_back(posted);
  return true;
}

void MainWindowInbox::DeliverNext() {
  if (m_undelivered.empty()) return;
  const PostedMessage message = m_undelivered.front();
  m_undelivered.pop_front();
  // Copied so that a handler may replace itself while it runs.
  const Handler handler = m_handler;
  if (handler) handler(message);
}

LRESULT MainWindowInbox::Sink::OnMessage(unsigned, WPARAM, LPARAM) {
  m_owner.DeliverNext();
  return 0;
}

}  // namespace orv::platform
