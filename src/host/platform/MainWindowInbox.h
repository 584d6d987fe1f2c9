#pragma once
// The host's main window as the module sees it: a sink for posted messages (window requests 9898,
// cancellations 8976, ...). Every post is recorded in order; an installed handler receives each one
// later through the event loop, never inside Post().
#include "host/platform/Types.h"
#include "host/platform/Window.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace orv::platform {

class Application;

struct PostedMessage {
  unsigned msg = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  std::int64_t timeMs = 0;  // the event loop's clock when posted

  bool operator==(const PostedMessage&) const = default;
};

class MainWindowInbox final {
 public:
  using Handler = std::function<void(const PostedMessage&)>;

  explicit MainWindowInbox(Application& app);
  MainWindowInbox(const MainWindowInbox&) = delete;
  MainWindowInbox& operator=(const MainWindowInbox&) = delete;

  // Always returns true, like a post to a live window. With a handler installed, the message is
  // handed to it by the next advance()/runPending() of the Application's loop.
  bool Post(unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);

  // Replaces the handler; an empty one stops deliveries, including those already queued.
  void SetHandler(Handler handler) { m_handler = std::move(handler); }

  const std::vector<PostedMessage>& Posted() const { return m_posted; }
  // Forgets the record only; deliveries already queued still reach the handler.
  void Clear() { m_posted.clear(); }

 private:
  // The loop delivers to windows, so the inbox keeps one that forwards to the handler.
  class Sink final : public Window {
   public:
    Sink(Application& app, MainWindowInbox& owner) : Window(app), m_owner(owner) {}
    LRESULT OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;

   private:
    MainWindowInbox& m_owner;
  };

  void DeliverNext();

  Application& m_app;
  std::vector<PostedMessage> m_posted;
  std::deque<PostedMessage> m_undelivered;  // in post order, matching the loop's delivery order
  Handler m_handler;
  Sink m_sink;
};

}  // namespace orv::platform
