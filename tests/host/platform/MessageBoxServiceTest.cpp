#include "host/platform/MessageBoxService.h"

#include "host/platform/Application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv::platform {
namespace {

TEST(MessageBoxService, unanswered_boxes_give_the_negative_or_only_button) {
  MessageBoxService boxes;

  EXPECT_EQ(boxes.Show("q", "c", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(boxes.Show("q", "c", MB_YESNOCANCEL), IDCANCEL);
  EXPECT_EQ(boxes.Show("q", "c", MB_OKCANCEL), IDCANCEL);
  EXPECT_EQ(boxes.Show("i", "c", MB_OK | MB_ICONINFORMATION), IDOK);
  EXPECT_EQ(boxes.Show("w", "c", MB_ICONEXCLAMATION), IDOK);
}

TEST(MessageBoxService, the_interactive_answerer_is_asked_only_when_no_answer_is_scripted) {
  MessageBoxService boxes;
  std::vector<std::string> asked;
  boxes.SetAnswerer([&](const std::string& text, const std::string&, unsigned) {
    asked.push_back(text);
    return text == "bad" ? 12345 : IDYES;
  });
  boxes.QueueAnswer(IDNO);

  EXPECT_EQ(boxes.Show("scripted", "", MB_YESNO), IDNO);
  EXPECT_EQ(boxes.Show("gui", "", MB_YESNO), IDYES);
  EXPECT_EQ(boxes.Show("bad", "", MB_YESNO), IDNO);
  EXPECT_EQ(asked, (std::vector<std::string>{"gui", "bad"}));
}

}  // namespace
}  // namespace orv::platform
