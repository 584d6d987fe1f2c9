#include "host/GeneralXmlSettings.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <string>

namespace {

GeneralXmlSettings Filled() {
  GeneralXmlSettings s;
  s.objPendingFilter.bSaveFilter = true;
  s.objPendingFilter.bOpenWithSorting = true;
  s.objPendingFilter.cOrderStatusFilter = "Pending,UnConfirmed";
  s.objPendingFilter.cBuySellFilter = "BUY";
  s.objPendingFilter.cSymbolFilter = "M&M <NSE> \"quoted\" 'single'";
  s.objPendingFilter.cClientFilter = std::string("caf\xE9 \x80\xFF", 7);  // 8-bit bytes
  s.objPendingFilter.cStrategyFilter = " ";                               // a blank value
  s.objPendingFilter.cRangeStart = "09:15:00";
  s.objPendingFilter.cRangeEnd = "15:30:00";
  s.objGTDFilter.bSaveFilter = true;
  s.objGTDFilter.cProdTypeFilter = "NRML,MIS";
  s.objGTDFilter.cOrderLegFilter = "tab\there";
  return s;
}

}  // namespace

TEST(GeneralXmlSettings, saved_filters_come_back_byte_for_byte) {
  ScratchFolder folder("settings");
  const GeneralXmlSettings saved = Filled();
  ASSERT_TRUE(saved.Save(folder / "General.xml").ok());

  GeneralXmlSettings loaded;
  const auto result = loaded.Load(folder / "General.xml");

  EXPECT_EQ(result.status, GeneralXmlSettings::Status::Ok) << result.message;
  EXPECT_TRUE(loaded.bSettingsReady);
  EXPECT_EQ(loaded.objPendingFilter, saved.objPendingFilter);
  EXPECT_EQ(loaded.objGTDFilter, saved.objGTDFilter);
}

TEST(GeneralXmlSettings, missing_file_gives_ready_defaults) {
  ScratchFolder folder("settings");
  GeneralXmlSettings s = Filled();

  const auto result = s.Load(folder / "absent.xml");

  EXPECT_EQ(result.status, GeneralXmlSettings::Status::Missing);
  EXPECT_TRUE(result.ok());
  EXPECT_TRUE(s.bSettingsReady);
  EXPECT_EQ(s.objPendingFilter, OrderBookFilterSettings());
  EXPECT_EQ(s.Path(), folder / "absent.xml");
}

TEST(GeneralXmlSettings, save_keeps_settings_written_by_other_parts_of_the_host) {
  ScratchFolder folder("settings");
  std::ofstream(folder / "General.xml") << "<GeneralSettings><TimeFormat>24</TimeFormat></GeneralSettings>";
  GeneralXmlSettings s = Filled();
  s.SetPath(folder / "General.xml");

  ASSERT_TRUE(s.SaveGeneralSettings().ok());

  const std::string text = ReadFile(folder / "General.xml");
  EXPECT_NE(text.find("<TimeFormat>24</TimeFormat>"), std::string::npos);
  GeneralXmlSettings loaded;
  loaded.Load(folder / "General.xml");
  EXPECT_EQ(loaded.objPendingFilter, s.objPendingFilter);
}

TEST(GeneralXmlSettings, saving_twice_replaces_the_blocks_instead_of_adding_more) {
  ScratchFolder folder("settings");
  GeneralXmlSettings s = Filled();
  ASSERT_TRUE(s.Save(folder / "General.xml").ok());
  s.objPendingFilter.ClearTexts();
  s.objPendingFilter.bSaveFilter = false;

  ASSERT_TRUE(s.Save(folder / "General.xml").ok());

  GeneralXmlSettings loaded;
  loaded.Load(folder / "General.xml");
  EXPECT_EQ(loaded.objPendingFilter, s.objPendingFilter);
  EXPECT_EQ(loaded.objGTDFilter, s.objGTDFilter);
  EXPECT_FALSE(std::filesystem::exists(folder / "General.xml.tmp"));
}

TEST(GeneralXmlSettings, failed_save_leaves_the_previous_file_whole) {
  ScratchFolder folder("settings");
  const GeneralXmlSettings first = Filled();
  ASSERT_TRUE(first.Save(folder / "General.xml").ok());
  const std::string before = ReadFile(folder / "General.xml");
  GeneralXmlSettings second;
  // A disk that fills up part way: no file may grow past a few bytes during this save.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tiny = saved;
  tiny.rlim_cur = 64;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);

  const auto result = second.Save(folder / "General.xml");

  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(result.status, GeneralXmlSettings::Status::IoError);
  EXPECT_EQ(ReadFile(folder / "General.xml"), before);
  const auto entries = std::distance(std::filesystem::directory_iterator(folder.path()), {});
  EXPECT_EQ(entries, 1) << "the abandoned temporary file stays behind";
}
