#include "host/platform/FileDialogService.h"

#include "host/platform/MessageBoxService.h"
#include "host/platform/ScriptedAnswer.h"

namespace orv::platform {

int FileDialogService::DoModal(const FileDialogRequest& request, std::string& path) {
  FileDialogAnswer cancelled;
  cancelled.result = IDCANCEL;
  FileDialogAnswer answer = NextAnswer(m_scripted, m_answerer, request, cancelled);
  const int result = answer.result == IDOK && !answer.path.empty() ? IDOK : IDCANCEL;
  std::string chosen;
  if (result == IDOK) {
    chosen = std::move(answer.path);
    if (ExtensionOf(chosen).empty() && !request.defaultExtension.empty() && chosen.back() != '.') {
      chosen += '.';
      chosen += request.defaultExtension;
    }
    path = chosen;
  }
  m_shown.push_back(FileDialogRecord{request, result, std::move(chosen)});
  if (m_observer) {
    const FileDialogRecord record = m_shown.back();  // the observer may show another dialog
    const Observer observer = m_observer;
    observer(record);
  }
  return result;
}

std::string_view FileDialogService::FileNameOf(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view FileDialogService::ExtensionOf(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

}  // namespace orv::platform
