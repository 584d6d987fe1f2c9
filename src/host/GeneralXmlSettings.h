#pragma once
// The host's general settings record (regGeneralXMLSettings): the saved filter blocks of the
// Pending and GTD order books, kept in an XML file.
//
// The GTD block's flags are the GTD "Save Filter" and "Open With Sorting" options
// (bSaveFilterGTD and bOpenWithSortingGTD are objGTDFilter.bSaveFilter and
// objGTDFilter.bOpenWithSorting).
//
// Texts are the terminal's 8-bit texts; the file stores them as UTF-8 (each byte one character),
// so every byte value survives a save and a load. Saving keeps any other settings the file holds,
// writes a temporary file and renames it over the old one, so a crash mid-save leaves the previous
// file whole. A file that cannot be read gives the defaults and an error result, never a crash;
// a corrupt file is first copied aside (".corrupt") so that the next save does not erase it. A
// path that is not a regular file (a directory, a device, a pipe) or a file too large to be
// settings is never read and never saved over.
#include "host/OrderBookFilterSettings.h"

#include <filesystem>
#include <string>

class GeneralXmlSettings final {
 public:
  enum class Status { Ok, Missing, Corrupt, IoError };

  struct Result {
    Status status = Status::Ok;
    std::string message;
    // Missing counts as success: the defaults are what a first start should have.
    bool ok() const { return status == Status::Ok || status == Status::Missing; }
  };

  OrderBookFilterSettings objPendingFilter;
  OrderBookFilterSettings objGTDFilter;
  // Whether a refresh brings the selected order back into view (the terminal's View menu; off
  // sets AppGlobal::g_bKeepUserScroll): 1 on, 0 off, -1 never saved (the host's default).
  int iFollowSelectedOrder = -1;
  // Set once a Load has settled the values (read from the file, or defaults).
  bool bSettingsReady = false;

  // Replaces every value with the file's (defaults for anything missing) and remembers the path.
  Result Load(const std::filesystem::path& path);
  Result Save(const std::filesystem::path& path) const;
  // Saves to the path of the last Load or SetPath; refused (the file left as it is) when that
  // Load could not read the file nor keep a copy of it aside.
  Result SaveGeneralSettings() const;

  void SetPath(std::filesystem::path path) {
    m_path = std::move(path);
    m_bKeepFile = false;
  }
  const std::filesystem::path& Path() const { return m_path; }

  // Back to defaults; the path and the ready flag stay.
  void ResetToDefaults();

 private:
  std::filesystem::path m_path;
  bool m_bKeepFile = false;
};

// The host's general settings record, loaded at start and saved by SaveGeneralSettings().
inline GeneralXmlSettings regGeneralXMLSettings;
