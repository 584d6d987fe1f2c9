// Settings files a user, another program or an attacker left behind: none may hang, crash or
// exhaust the terminal, and none may be lost or replaced by the next save.
#include "host/GeneralXmlSettings.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <string>

namespace {

std::string PendingBlock(const std::string& clientFilter) {
  return "<OrderBookFilters variant=\"Pending\"><SaveFilter>1</SaveFilter><Filter column=\"20\">" + clientFilter +
         "</Filter></OrderBookFilters>";
}

GeneralXmlSettings SomeSaved() {
  GeneralXmlSettings s;
  s.objPendingFilter.bSaveFilter = true;
  s.objPendingFilter.cClientFilter = "C1";
  return s;
}

}  // namespace

TEST(GeneralXmlSettingsBadInput, entities_and_doctypes_are_never_expanded_nor_fetched) {
  ScratchFolder folder("settings-hostile");
  // Entities nested ten deep (a billion copies once expanded) and one that names a file on disk.
  std::string doctype = "<!DOCTYPE GeneralSettings [<!ENTITY l0 \"lol\">";
  for (int i = 1; i < 10; ++i) {
    doctype += "<!ENTITY l" + std::to_string(i) + " \"";
    for (int k = 0; k < 10; ++k) doctype += "&l" + std::to_string(i - 1) + ";";
    doctype += "\">";
  }
  doctype += "<!ENTITY secret SYSTEM \"file:///etc/hostname\">]>";
  std::ofstream(folder / "General.xml") << "<?xml version=\"1.0\"?>" << doctype << "<GeneralSettings>"
                                        << PendingBlock("&l9;&secret;&amp;") << "</GeneralSettings>";
  GeneralXmlSettings s;
  const auto started = std::chrono::steady_clock::now();

  const auto result = s.Load(folder / "General.xml");

  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
  EXPECT_EQ(result.status, GeneralXmlSettings::Status::Ok) << result.message;
  EXPECT_TRUE(s.objPendingFilter.bSaveFilter);
  EXPECT_EQ(s.objPendingFilter.cClientFilter, "&l9;&secret;&") << "unknown entities stay as they were written";
}

TEST(GeneralXmlSettingsBadInput, deep_nesting_stray_nul_bytes_and_empty_cut_or_foreign_files_give_defaults_or_what_was_readable) {
  ScratchFolder folder("settings-odd");
  struct Case {
    const char* name;
    std::string text;
    GeneralXmlSettings::Status status;
  };
  std::string deep = "<GeneralSettings>";
  for (int i = 0; i < 200000; ++i) deep += "<a>";
  for (int i = 0; i < 200000; ++i) deep += "</a>";
  deep += PendingBlock("DEEP") + "</GeneralSettings>";
  const std::string whole = "<GeneralSettings>" + PendingBlock("C1") + "</GeneralSettings>";
  const Case cases[] = {
      {"nested 200000 deep", deep, GeneralXmlSettings::Status::Ok},
      {"empty", "", GeneralXmlSettings::Status::Corrupt},
      {"a document of another kind", "<?xml version=\"1.0\"?><Other/>", GeneralXmlSettings::Status::Corrupt},
      {"a NUL inside a text", "<GeneralSettings>" + PendingBlock(std::string("A\0B", 3)) + "</GeneralSettings>",
       GeneralXmlSettings::Status::Corrupt},
      {"cut inside the declaration", "<?xml vers", GeneralXmlSettings::Status::Corrupt},
      {"cut inside a block", whole.substr(0, whole.size() / 2), GeneralXmlSettings::Status::Corrupt},
      {"binary noise", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), GeneralXmlSettings::Status::Corrupt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    { std::ofstream(folder / "General.xml", std::ios::binary) << c.text; }
    GeneralXmlSettings s = SomeSaved();
    s.objPendingFilter.cClientFilter = "kept in memory";

    const auto result = s.Load(folder / "General.xml");

    EXPECT_EQ(result.status, c.status) << result.message;
    EXPECT_TRUE(s.bSettingsReady);
    if (c.status == GeneralXmlSettings::Status::Ok) {
      EXPECT_EQ(s.objPendingFilter.cClientFilter, "DEEP");
    } else {
      EXPECT_FALSE(result.ok());
      EXPECT_NE(result.message.find("General.xml"), std::string::npos) << result.message;
      EXPECT_EQ(s.objPendingFilter, OrderBookFilterSettings()) << "defaults, nothing half read";
      EXPECT_EQ(ReadFile(folder / "General.xml.corrupt"), c.text) << "the bad file is kept aside whole";
    }
  }
}

TEST(GeneralXmlSettingsBadInput, a_huge_file_is_refused_before_it_is_read_and_never_overwritten) {
  ScratchFolder folder("settings-huge");
  const auto path = folder / "General.xml";
  { std::ofstream(path) << "<GeneralSettings>"; }
  // Sparse: a few bytes on disk, four gigabytes to whoever reads it.
  std::filesystem::resize_file(path, std::uintmax_t{4} << 30);
  GeneralXmlSettings s = SomeSaved();
  const auto started = std::chrono::steady_clock::now();

  const auto loaded = s.Load(path);

  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
  EXPECT_EQ(loaded.status, GeneralXmlSettings::Status::IoError);
  EXPECT_NE(loaded.message.find("too large"), std::string::npos) << loaded.message;
  EXPECT_EQ(s.objPendingFilter, OrderBookFilterSettings());
  s.objPendingFilter.cClientFilter = "C2";
  EXPECT_FALSE(s.SaveGeneralSettings().ok());
  EXPECT_FALSE(s.Save(path).ok()) << "saving over it would read it first";
  EXPECT_EQ(std::filesystem::file_size(path), std::uintmax_t{4} << 30);
  EXPECT_FALSE(std::filesystem::exists(folder / "General.xml.corrupt")) << "no four-gigabyte copy";
}

TEST(GeneralXmlSettingsBadInput, a_directory_a_device_or_a_pipe_is_neither_read_nor_written) {
  ScratchFolder folder("settings-special");
  std::filesystem::create_directory(folder / "Folder.xml");
  ASSERT_EQ(::mkfifo((folder / "Pipe.xml").c_str(), 0600), 0);
  for (const std::filesystem::path& path :
       {folder / "Folder.xml", folder / "Pipe.xml", std::filesystem::path("/dev/null")}) {
    SCOPED_TRACE(path.string());
    GeneralXmlSettings s = SomeSaved();
    const auto started = std::chrono::steady_clock::now();

    const auto loaded = s.Load(path);
    EXPECT_TRUE(s.bSettingsReady && s.objPendingFilter == OrderBookFilterSettings()) << "defaults in force";
    s.objPendingFilter.cClientFilter = "C2";
    const auto saved = s.SaveGeneralSettings();
    const auto savedDirectly = s.Save(path);

    // A pipe without a writer would keep open() waiting for ever, a save would block on it too.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    EXPECT_EQ(loaded.status, GeneralXmlSettings::Status::Corrupt);
    EXPECT_NE(loaded.message.find("not a regular file"), std::string::npos) << loaded.message;
    EXPECT_FALSE(saved.ok());
    EXPECT_FALSE(savedDirectly.ok()) << "a save to a device is no save";
    EXPECT_NE(savedDirectly.message.find("not a regular file"), std::string::npos) << savedDirectly.message;
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder / "Folder.xml"));
  EXPECT_TRUE(std::filesystem::is_fifo(folder / "Pipe.xml"));
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2) << "no temporary file left";
}
