// Plays every shipped example through the built orvscript and compares its output with the
// example's golden file. ORV_UPDATE_GOLDENS=1 rewrites the golden files instead (review the diff).
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct RunResult {
  std::string out;
  int status = -1;
};

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

RunResult RunScript(const std::string& arguments, const std::string& stdinFile = "") {
  // The offered export names carry the local time: one zone gives the same bytes everywhere.
  std::string command = "TZ=UTC " + Quote(ORV_SCRIPT_BIN) + " " + arguments + " 2>/dev/null";
  if (!stdinFile.empty()) command += " < " + Quote(stdinFile);
  RunResult result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return result;
  std::array<char, 65536> buffer;
  std::size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.out.append(buffer.data(), n);
  const int raw = ::pclose(pipe);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return result;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<fs::path> Examples() {
  std::vector<fs::path> found;
  for (const auto& entry : fs::directory_iterator(ORV_EXAMPLES_DIR)) {
    const std::string name = entry.path().filename().string();
    if (name.ends_with(".jsonl") && !name.ends_with(".expected.jsonl")) found.push_back(entry.path());
  }
  std::sort(found.begin(), found.end());
  return found;
}

fs::path GoldenOf(const fs::path& example) {
  return example.parent_path() / (example.stem().string() + ".expected.jsonl");
}

TEST(ShippedExamples, each_plays_cleanly_and_prints_its_golden_output) {
  const bool update = std::getenv("ORV_UPDATE_GOLDENS") != nullptr;
  const auto examples = Examples();
  ASSERT_FALSE(examples.empty());
  for (const fs::path& example : examples) {
    SCOPED_TRACE(example.filename().string());
    const RunResult run = RunScript(Quote(example.string()));
    // The input-check example shows the errors a bad step gets; every other one plays cleanly.
    const bool showsErrors = example.stem().string().starts_with("input-checks");
    EXPECT_EQ(run.status, showsErrors ? 1 : 0) << "every step of a shipped example succeeds";
    if (update) {
      std::ofstream(GoldenOf(example), std::ios::binary) << run.out;
      continue;
    }
    ASSERT_TRUE(fs::exists(GoldenOf(example))) << "no golden file; run with ORV_UPDATE_GOLDENS=1";
    const auto actual = Lines(run.out);
    const auto expected = Lines(ReadFile(GoldenOf(example)));
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
      const std::string a = i < actual.size() ? actual[i] : "(no line)";
      const std::string e = i < expected.size() ? expected[i] : "(no line)";
      if (a != e) {
        ADD_FAILURE() << "first difference at output line " << i + 1 << "\n expected: " << e << "\n actual:   " << a;
        break;
      }
    }
  }
}

TEST(ShippedExamples, output_is_the_same_on_every_run) {
  const fs::path demo = fs::path(ORV_EXAMPLES_DIR) / "demo.jsonl";
  EXPECT_EQ(RunScript(Quote(demo.string())).out, RunScript(Quote(demo.string())).out);
}

TEST(OrvScriptProgram, reads_standard_input_and_tells_failures_by_its_exit_status) {
  const fs::path dir = fs::temp_directory_path() / "orvscript-test";
  fs::create_directories(dir);
  const fs::path good = dir / "good.jsonl", bad = dir / "bad.jsonl";
  std::ofstream(good) << R"({"do":"run","ms":10})" << "\n";
  std::ofstream(bad) << R"({"do":"run","ms":10})" << "\n{oops\n" << R"({"do":"run","ms":10})" << "\n";

  const RunResult fine = RunScript("-", good.string());
  EXPECT_EQ(fine.status, 0);
  EXPECT_EQ(fine.out, "{\"ev\":\"end\",\"failed\":0,\"steps\":1}\n");

  const RunResult failed = RunScript(Quote(bad.string()));
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.out.find(R"j({"ev":"error","line":2,"message":"not valid JSON (column 2)"})j"), std::string::npos)
      << failed.out;
  EXPECT_NE(failed.out.find(R"({"ev":"end","failed":1,"steps":3})"), std::string::npos) << "play goes on after it";
  fs::remove_all(dir);
}

TEST(OrvScriptProgram, bad_usage_exits_with_2) {
  EXPECT_EQ(RunScript("--frobnicate").status, 2);
  EXPECT_EQ(RunScript("/no/such/scenario.jsonl").status, 2);
  EXPECT_EQ(RunScript("a.jsonl b.jsonl").status, 2);
  EXPECT_EQ(RunScript("--logs").status, 2);
  EXPECT_EQ(RunScript("--help").status, 0);
}

}  // namespace
