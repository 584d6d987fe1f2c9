#include "host/platform/MainWindowInbox.h"

#include "host/platform/Application.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv::platform {
namespace {

class MainWindowInboxTest : public ::testing::Test {
 protected:
  Application app;
  MainWindowInbox& inbox = app.MainWindow();
  std::vector<PostedMessage> handled;

  void InstallHandler() {
    inbox.SetHandler([this](const PostedMessage& m) { handled.push_back(m); });
  }
};

TEST_F(MainWindowInboxTest, hands_posts_to_the_handler_only_when_the_loop_runs_and_a_post_it_makes_after_them) {
  inbox.SetHandler([this](const PostedMessage& m) {
    handled.push_back(m);
    if (m.msg == 9898) inbox.Post(2);
  });

  inbox.Post(9898, 0x2000);
  inbox.Post(4024);
  EXPECT_TRUE(handled.empty());

  app.Loop().advance(0);

  EXPECT_EQ(handled, (std::vector<PostedMessage>{{9898, 0x2000, 0, 0}, {4024, 0, 0, 0}, {2, 0, 0, 0}}));
}

TEST_F(MainWindowInboxTest, clearing_the_record_keeps_queued_deliveries_and_removing_the_handler_drops_them) {
  InstallHandler();
  inbox.Post(1);
  inbox.Clear();
  app.Loop().runPending();
  EXPECT_EQ(handled.size(), 1u);
  EXPECT_TRUE(inbox.Posted().empty());

  inbox.Post(2);
  inbox.SetHandler(nullptr);
  app.Loop().runPending();
  EXPECT_EQ(handled.size(), 1u);
}

}  // namespace
}  // namespace orv::platform
