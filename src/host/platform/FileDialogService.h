#pragma once
// The common open and save dialogs without a screen. Every dialog shown is recorded with its
// answer. Answers come from a queue of scripted answers, else from an answerer (the GUI), else the
// dialog is cancelled. An accepted dialog hands back the chosen path.
#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::platform {

enum class FileDialogFlavour { Open, Save };

struct FileDialogRequest {
  FileDialogFlavour flavour = FileDialogFlavour::Save;
  std::string title;
  std::string defaultExtension;  // without the dot; added to a chosen name that has none
  std::string fileName;          // the name the dialog proposes
  std::string filter;            // "Description (*.ext)|*.ext||"
  // The dialog asks before an existing file is chosen for saving. A GUI answerer asks the user;
  // scripted answers stand for a user who already agreed.
  bool bOverwritePrompt = false;
};

struct FileDialogAnswer {
  int result = 2;  // IDOK (1) or IDCANCEL (2); anything else cancels
  std::string path;
};

struct FileDialogRecord {
  FileDialogRequest request;
  int result = 2;
  std::string path;  // what the caller got back (empty when cancelled)
};

class FileDialogService final {
 public:
  using Answerer = std::function<FileDialogAnswer(const FileDialogRequest&)>;
  using Observer = std::function<void(const FileDialogRecord&)>;

  // Shows the dialog modally; returns IDOK or IDCANCEL. On IDOK `path` holds the chosen path, with
  // the default extension added when the chosen name has no extension; on IDCANCEL it is left
  // alone. An accepted answer without a path counts as a cancel, as a real dialog cannot give one.
  int DoModal(const FileDialogRequest& request, std::string& path);

  void QueueAnswer(FileDialogAnswer answer) { m_scripted.push_back(std::move(answer)); }
  std::size_t QueuedAnswers() const { return m_scripted.size(); }
  void ClearAnswers() { m_scripted.clear(); }
  void SetAnswerer(Answerer answerer) { m_answerer = std::move(answerer); }
  void SetObserver(Observer observer) { m_observer = std::move(observer); }

  const std::vector<FileDialogRecord>& Shown() const { return m_shown; }
  void ClearShown() { m_shown.clear(); }

  // The parts of a chosen path, as the dialog reports them: the name after the last folder
  // separator ('/' or '\\'), and the text after the last dot of that name (empty without a dot).
  static std::string_view FileNameOf(std::string_view path);
  static std::string_view ExtensionOf(std::string_view path);

 private:
  std::deque<FileDialogAnswer> m_scripted;
  Answerer m_answerer;
  Observer m_observer;
  std::vector<FileDialogRecord> m_shown;
};

}  // namespace orv::platform
