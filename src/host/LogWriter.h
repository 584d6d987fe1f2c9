#pragma once
// Appends log lines to one file per source in a log folder.
//
// A line is "YYYY-MM-DD HH:MM:SS.mmm <text>" in local time. The file is named after the source,
// with ".log" added unless the name already ends in ".txt"; path separators and control
// characters in the source become '_', so no source reaches outside the folder. Line breaks in a
// text become blanks so that one Write is one line. Texts are written as they stand, never used
// as a format. Write may be called from any thread; each line is complete on disk when it returns.
// With an empty folder nothing is written to disk and only the observers hear the lines.
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

class LogWriter final {
 public:
  using Observer = std::function<void(const std::string& source, const std::string& text)>;

  explicit LogWriter(std::filesystem::path folder = {});

  void SetFolder(std::filesystem::path folder);
  std::filesystem::path Folder() const;

  // False when the line could not be written to its file (observers still hear it).
  bool Write(std::string_view source, std::string_view text);

  // Observers hear every line (source and text as given) after it was written, on the writing
  // thread, outside the writer's lock. Returns an id for RemoveObserver.
  int AddObserver(Observer observer);
  void RemoveObserver(int id);

  static std::string FileNameFor(std::string_view source);
  std::filesystem::path FileFor(std::string_view source) const;
  // The lines of the source's file, time stamps included; empty when there is no file.
  std::vector<std::string> Lines(std::string_view source) const;
  // The same lines without their time stamps.
  std::vector<std::string> Texts(std::string_view source) const;

 private:
  mutable std::mutex m_mutex;
  std::filesystem::path m_folder;
  int m_nextObserverId = 1;
  std::vector<std::pair<int, std::shared_ptr<const Observer>>> m_observers;
};
