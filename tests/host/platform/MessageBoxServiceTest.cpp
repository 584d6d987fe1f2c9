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

TEST(MessageBoxService, scripted_answers_are_used_in_order_one_per_box) {
  MessageBoxService boxes;
  boxes.QueueAnswer(IDYES);
  boxes.QueueAnswer(IDCANCEL);

  EXPECT_EQ(boxes.Show("1", "", MB_YESNO), IDYES);
  EXPECT_EQ(boxes.Show("2", "", MB_YESNOCANCEL), IDCANCEL);
  EXPECT_EQ(boxes.Show("3", "", MB_YESNO), IDNO);
  EXPECT_EQ(boxes.QueuedAnswers(), 0u);
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

TEST(MessageBoxService, records_each_box_and_tells_the_observer_after_answering) {
  MessageBoxService boxes;
  std::vector<MessageBoxRecord> seen;
  boxes.SetObserver([&](const MessageBoxRecord& r) { seen.push_back(r); });
  boxes.QueueAnswer(IDYES);

  boxes.Show("Sure You Want to Cancel all the Selected Rows Order ?", "Cancel Order/s Confirmation", 36);

  ASSERT_EQ(boxes.Shown().size(), 1u);
  const MessageBoxRecord& r = boxes.Shown()[0];
  EXPECT_EQ(r.text, "Sure You Want to Cancel all the Selected Rows Order ?");
  EXPECT_EQ(r.caption, "Cancel Order/s Confirmation");
  EXPECT_EQ(r.flags, MB_YESNO | MB_ICONQUESTION);
  EXPECT_EQ(r.answer, IDYES);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].answer, IDYES);
}

}  // namespace
}  // namespace orv::platform
