#include "host/LogWriter.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

// "YYYY-MM-DD HH:MM:SS.mmm " with digits where the pattern has 9.
bool HasTimeStamp(const std::string& line) {
  const std::string pattern = "9999-99-99 99:99:99.999 ";
  if (line.size() < pattern.size()) return false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool digit = line[i] >= '0' && line[i] <= '9';
    if (pattern[i] == '9' ? !digit : line[i] != pattern[i]) return false;
  }
  return true;
}

}  // namespace

TEST(LogWriter, writes_time_stamped_lines_to_one_file_per_source) {
  ScratchFolder folder("logwriter");
  LogWriter log(folder.path());

  ASSERT_TRUE(log.Write("ZARUClient", "first"));
  ASSERT_TRUE(log.Write("ZARUClient", "second"));
  ASSERT_TRUE(log.Write("OrderRequest", "other"));

  const std::vector<std::string> lines = log.Lines("ZARUClient");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(HasTimeStamp(lines[0])) << lines[0];
  EXPECT_EQ(lines[0].substr(24), "first");
  EXPECT_EQ(log.Texts("ZARUClient"), (std::vector<std::string>{"first", "second"}));
  EXPECT_TRUE(std::filesystem::exists(folder / "ZARUClient.log"));
  EXPECT_EQ(log.Texts("OrderRequest"), (std::vector<std::string>{"other"}));
}

TEST(LogWriter, keeps_every_source_inside_its_folder) {
  ScratchFolder folder("logwriter");
  LogWriter log(folder / "logs");

  ASSERT_TRUE(log.Write("../escape", "a"));
  ASSERT_TRUE(log.Write("..", "b"));
  ASSERT_TRUE(log.Write("/etc/passwd", "c"));
  ASSERT_TRUE(log.Write("a\\b:c", "d"));

  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    EXPECT_EQ(entry.path().filename(), "logs");  // nothing landed beside the log folder
  }
  EXPECT_EQ(LogWriter::FileNameFor("../escape"), ".._escape.log");
  EXPECT_EQ(LogWriter::FileNameFor("/etc/passwd"), "_etc_passwd.log");
  EXPECT_EQ(log.Texts("a\\b:c"), (std::vector<std::string>{"d"}));
}

TEST(LogWriter, writes_format_characters_and_line_breaks_as_plain_text) {
  ScratchFolder folder("logwriter");
  LogWriter log(folder.path());

  log.Write("ZARUClient", "Exception In X:::Y(), ErrorCode - %d %s %n");
  log.Write("ZARUClient", "two\nlines\r");

  EXPECT_EQ(log.Texts("ZARUClient"),
            (std::vector<std::string>{"Exception In X:::Y(), ErrorCode - %d %s %n", "two lines "}));
}

TEST(LogWriter, creates_a_missing_folder_and_reports_an_unwritable_one) {
  ScratchFolder folder("logwriter");
  std::ofstream(folder / "file") << "x";
  LogWriter created(folder / "new" / "logs");
  LogWriter blocked(folder / "file");

  EXPECT_TRUE(created.Write("ZARUClient", "made"));
  EXPECT_FALSE(blocked.Write("ZARUClient", "lost"));
}

TEST(LogWriter, lines_from_several_threads_stay_whole) {
  ScratchFolder folder("logwriter");
  LogWriter log(folder.path());
  constexpr int kThreads = 4;
  constexpr int kLines = 100;
  const std::string payload(200, 'x');

  std::vector<std::thread> writers;
  for (int t = 0; t < kThreads; ++t) {
    writers.emplace_back([&log, &payload, t] {
      for (int i = 0; i < kLines; ++i) log.Write("ZARUClient", std::to_string(t) + payload);
    });
  }
  for (std::thread& w : writers) w.join();

  const std::vector<std::string> texts = log.Texts("ZARUClient");
  ASSERT_EQ(texts.size(), static_cast<std::size_t>(kThreads * kLines));
  for (const std::string& text : texts) EXPECT_EQ(text.substr(1), payload);
}
