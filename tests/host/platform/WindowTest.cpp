#include "host/platform/Window.h"

#include "TestWindows.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace orv::platform {
namespace {

using testing::RecordingWindow;
using Log = std::vector<std::string>;

class WindowTest : public ::testing::Test {
 protected:
  Application app;
  ApplicationScope scope{app};
  Log log;
};

TEST_F(WindowTest, refuses_timers_and_messages_before_it_is_created_and_after_it_is_destroyed) {
  RecordingWindow w(log);
  EXPECT_EQ(w.SetTimer(1, 10), 0u);
  EXPECT_FALSE(w.PostMessage(5));

  ASSERT_TRUE(w.CreateNative(nullptr));
  EXPECT_EQ(w.SetTimer(1, 10), 1u);
  EXPECT_TRUE(w.PostMessage(5));
  w.DestroyNative();

  EXPECT_EQ(w.SetTimer(2, 10), 0u);
  EXPECT_FALSE(w.PostMessage(5));
  EXPECT_FALSE(w.KillTimer(1));
  w.CreateNative(nullptr);  // the pending timer and message went with the native window
  app.Loop().advance(100);
  EXPECT_TRUE(log.empty());
}

TEST(WindowWithoutApplication, works_as_a_plain_object_and_refuses_timers_and_messages) {
  ASSERT_EQ(Application::Current(), nullptr);
  Log log;
  RecordingWindow w(log);

  EXPECT_TRUE(w.CreateNative(nullptr));
  EXPECT_EQ(w.SetTimer(1, 10), 0u);
  EXPECT_FALSE(w.PostMessage(5));
  EXPECT_FALSE(w.KillTimer(1));
  w.SetFocus();
  EXPECT_FALSE(w.HasFocus());
  EXPECT_FALSE(w.HasApp());
  EXPECT_THROW(w.App(), std::logic_error);
}

TEST_F(WindowTest, focus_moves_between_windows_and_leaves_with_the_window) {
  auto a = std::make_unique<RecordingWindow>("a", log);
  RecordingWindow b("b", log);
  a->CreateNative(nullptr);
  b.CreateNative(nullptr);

  a->SetFocus();
  EXPECT_TRUE(a->HasFocus());
  b.SetFocus();
  EXPECT_FALSE(a->HasFocus());
  EXPECT_TRUE(b.HasFocus());

  b.DestroyNative();
  EXPECT_EQ(app.FocusWindow(), nullptr);
  a->SetFocus();
  a.reset();
  EXPECT_EQ(app.FocusWindow(), nullptr);
}

TEST_F(WindowTest, destroying_a_parent_destroys_its_children_first_and_unlinks_them) {
  RecordingWindow child("child", log);
  {
    RecordingWindow parent("parent", log);
    parent.CreateNative(nullptr);
    ASSERT_TRUE(child.CreateNative(&parent));
    child.SetTimer(1, 10);
    EXPECT_EQ(child.GetParent(), &parent);
  }

  EXPECT_FALSE(child.GetSafeHwnd());
  EXPECT_EQ(child.GetParent(), nullptr);
  app.Loop().advance(100);
  EXPECT_TRUE(log.empty());
}

TEST(ApplicationLifetime, windows_outliving_their_application_become_unbound) {
  Log log;
  auto app = std::make_unique<Application>();
  std::unique_ptr<RecordingWindow> w;
  {
    ApplicationScope scope(*app);
    w = std::make_unique<RecordingWindow>(log);
    w->CreateNative(nullptr);
    w->SetTimer(1, 10);
  }

  app.reset();

  EXPECT_FALSE(w->HasApp());
  EXPECT_EQ(w->SetTimer(1, 10), 0u);
  w.reset();  // must not reach the dead Application
}

}  // namespace
}  // namespace orv::platform
