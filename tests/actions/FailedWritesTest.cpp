// A file the user asked for that cannot be written is reported, never passed off as saved, and
// never leaves a half-written file in place of the one that was there.
#include "actions/BulkOrderFiles.h"
#include "actions/GridExportJob.h"
#include "host/FileWriteObserver.h"
#include "host/LogWriter.h"
#include "host/ScratchFolder.h"
#include "support/ViewHarness.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

namespace pf = orv::platform;

struct Report {
  std::string path;
  bool ok = false;
  std::string reason;
};

class FailedWrites : public ::testing::Test {
 protected:
  FailedWrites() {
    AppGlobal::SetLogWriter(&m_log);
    m_log.AddObserver([this](const std::string& source, const std::string& text) {
      if (source == "ZARUClientGeneralLogs") logLines.push_back(text);
    });
    FileWriteObserver::SetListener([this](const std::string& path, std::uintmax_t, bool ok, const std::string& reason) {
      reports.push_back({path, ok, reason});
    });
    for (std::uint32_t ref = 1; ref <= 3 * GridExportJob::kRowsPerSlice; ++ref) h.AddOrder(BookKind::Pending, ref);
  }
  ~FailedWrites() override {
    FileWriteObserver::SetListener({});
    AppGlobal::SetLogWriter(nullptr);
  }
  static std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  ViewHarness h;
  ScratchFolder folder{"failed-writes"};
  LogWriter m_log;
  std::vector<std::string> logLines;
  std::vector<Report> reports;
};

TEST_F(FailedWrites, every_export_says_which_file_could_not_be_written_and_why) {
  using Export = void (*)(OrderBookGrid&, ViewHarness&, const std::string&);
  struct Way {
    const char* name;
    const char* extension;  // what the save dialog would add
    Export run;
  };
  const Way exports[] = {
      {"grid export command", ".xls",
       [](OrderBookGrid& g, ViewHarness& harness, const std::string& path) {
         harness.App().FileDialogs().QueueAnswer({pf::IDOK, path});
         g.OnSavefileExcelfile();
         harness.Run(200);
       }},
      {"grid export entry", ".xls", [](OrderBookGrid& g, ViewHarness&, const std::string& path) {
         std::string p = path;
         EXPECT_FALSE(g.ExportGridData(p, false));
       }},
      {"bulk csv", ".csv", [](OrderBookGrid& g, ViewHarness&, const std::string& path) {
         EXPECT_FALSE(g.BulkOrderExportGridData(path, false));
       }},
      {"bulk text", ".txt", [](OrderBookGrid& g, ViewHarness& harness, const std::string& path) {
         harness.App().FileDialogs().QueueAnswer({pf::IDOK, path});
         g.OnBulkOrderText();
       }},
  };
  OrderBookGrid& grid = h.ShowAllRows();
  for (const auto& [name, extension, run] : exports) {
    const std::filesystem::path directory = folder / (std::string("a-folder") + extension);
    std::filesystem::create_directory(directory);
    const std::pair<std::string, std::string> targets[] = {
        {(folder / "missing" / (std::string("orders") + extension)).string(), "No such file or directory"},
        {directory.string(), "Is a directory"},
        {"/dev/full", "No space left on device"}};
    for (const auto& target : targets) {
      const std::string& path = target.first;
      // A save dialog would name a new file beside the device: it adds the extension.
      if (path == "/dev/full" && extension != std::string(".xls") && extension != std::string(".csv")) continue;
      if (path == "/dev/full" && std::string(name) == "grid export command") continue;
      SCOPED_TRACE(std::string(name) + " to " + path);
      h.App().MessageBoxes().ClearShown();
      logLines.clear();
      reports.clear();
      run(grid, h, path);
      const std::string text = "The file could not be written: " + path + " (" + target.second + ")";
      ASSERT_EQ(h.App().MessageBoxes().Shown().size(), 1u);
      EXPECT_EQ(h.App().MessageBoxes().Shown()[0].text, text);
      EXPECT_EQ(logLines, std::vector<std::string>{text});
      ASSERT_EQ(reports.size(), 1u);
      EXPECT_FALSE(reports[0].ok);
      EXPECT_EQ(reports[0].reason, target.second);
    }
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3) << "no temporary file left";
  std::string reason;
  EXPECT_EQ(BulkOrderFiles::WriteText("/dev/full", grid.RowVector(), 0, {}, &reason),
            BulkOrderFiles::TextResult::NotCreated);
  EXPECT_EQ(reason, "No space left on device");
}

TEST_F(FailedWrites, read_only_files_bad_names_and_pipes_without_a_reader_are_refused_before_writing) {
  OrderBookGrid& grid = h.ShowAllRows();
  const auto readOnly = folder / "protected.xls";
  { std::ofstream(readOnly) << "kept"; }
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  const auto pipe = folder / "pipe.xls";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::pair<std::string, std::string> targets[] = {
      {readOnly.string(), "Permission denied"},
      {(folder / (std::string(300, 'n') + ".xls")).string(), "File name too long"},
      {folder.path().string() + std::string(5000, '/') + "orders.xls", "File name too long"},
      {(readOnly / "orders.xls").string(), "Not a directory"},
      {pipe.string(), "No such device or address"}};
  using Export = std::function<bool(const std::string&)>;
  const std::pair<const char*, Export> exports[] = {
      {"grid export",
       [&](const std::string& path) {
         std::string p = path;
         return grid.ExportGridData(p, false);
       }},
      {"bulk csv", [&](const std::string& path) { return grid.BulkOrderExportGridData(path, false); }},
      {"bulk text", [&](const std::string& path) {
         return BulkOrderFiles::WriteText(path, grid.RowVector(), 0, {}) == BulkOrderFiles::TextResult::Written;
       }}};
  for (const auto& [name, run] : exports) {
    for (const auto& [path, reason] : targets) {
      SCOPED_TRACE(std::string(name) + " to " + path.substr(0, 120));
      reports.clear();
      const auto started = std::chrono::steady_clock::now();

      EXPECT_FALSE(run(path));

      EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
      ASSERT_EQ(reports.size(), 1u);
      EXPECT_FALSE(reports[0].ok);
      EXPECT_EQ(reports[0].reason, reason);
    }
  }
  EXPECT_EQ(Read(readOnly), "kept");
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2) << "no temporary file left";
}

TEST_F(FailedWrites, an_export_cut_short_leaves_the_old_file_as_it_was) {
  const auto path = folder / "orders.xls";
  { std::ofstream(path) << "yesterday's export"; }
  OrderBookGrid& grid = h.ShowAllRows();
  {
    GridExportJob job(grid, h.App());
    ASSERT_TRUE(job.Start(path.string()));
    h.Run(1);
    ASSERT_TRUE(job.IsRunning());
  }  // the window goes before the export is done
  EXPECT_EQ(Read(path), "yesterday's export");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);

  reports.clear();
  std::string p = path.string();
  ASSERT_TRUE(grid.ExportGridData(p, false));
  EXPECT_NE(Read(path), "yesterday's export");
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_TRUE(reports[0].ok);
  EXPECT_EQ(reports[0].path, p);
  EXPECT_TRUE(h.App().MessageBoxes().Shown().empty());
}

}  // namespace
