#include "host/platform/FileDialogService.h"

#include "host/platform/MessageBoxService.h"

#include <gtest/gtest.h>

namespace orv::platform {
namespace {

FileDialogRequest SaveCsv() {
  FileDialogRequest request;
  request.defaultExtension = "csv";
  request.filter = "All Files (*.csv)|*.csv||";
  request.bOverwritePrompt = true;
  return request;
}

TEST(FileDialogService, unanswered_cancelled_or_pathless_dialogs_leave_the_path_alone) {
  FileDialogService dialogs;
  std::string path = "kept";
  EXPECT_EQ(dialogs.DoModal(SaveCsv(), path), IDCANCEL);
  dialogs.QueueAnswer({IDCANCEL, "/tmp/a.csv"});
  dialogs.QueueAnswer({IDOK, ""});
  dialogs.QueueAnswer({IDYES, "/tmp/a.csv"});  // the dialog has no such button
  EXPECT_EQ(dialogs.DoModal(SaveCsv(), path), IDCANCEL);
  EXPECT_EQ(dialogs.DoModal(SaveCsv(), path), IDCANCEL);
  EXPECT_EQ(dialogs.DoModal(SaveCsv(), path), IDCANCEL);
  EXPECT_EQ(path, "kept");
  ASSERT_EQ(dialogs.Shown().size(), 4u);
  EXPECT_EQ(dialogs.Shown()[3].path, "");
}

TEST(FileDialogService, scripted_answers_come_before_the_answerer_and_a_bare_name_gets_the_extension) {
  FileDialogService dialogs;
  int asked = 0;
  dialogs.SetAnswerer([&](const FileDialogRequest& request) {
    ++asked;
    return FileDialogAnswer{IDOK, "/data/v1.2/orders" + std::string(request.bOverwritePrompt ? "" : ".txt")};
  });
  std::vector<std::string> observed;
  dialogs.SetObserver([&](const FileDialogRecord& record) { observed.push_back(record.path); });
  dialogs.QueueAnswer({IDOK, "/data/book.CSV"});
  std::string first, second;

  EXPECT_EQ(dialogs.DoModal(SaveCsv(), first), IDOK);
  EXPECT_EQ(dialogs.DoModal(SaveCsv(), second), IDOK);

  EXPECT_EQ(first, "/data/book.CSV");
  EXPECT_EQ(second, "/data/v1.2/orders.csv");  // a dot in a folder is no extension
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(observed, (std::vector<std::string>{first, second}));
}

}  // namespace
}  // namespace orv::platform
