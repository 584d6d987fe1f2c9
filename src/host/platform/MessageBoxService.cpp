#include "host/platform/MessageBoxService.h"

#include "host/platform/Application.h"

#include <utility>

namespace orv::platform {

namespace {

// Button sets we model; any other button type is shown as a plain OK box.
unsigned Buttons(unsigned flags) {
  const unsigned type = flags & MB_TYPEMASK;
  switch (type) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_YESNO:
      return type;
    default:
      return MB_OK;
  }
}

}  // namespace

int MessageBoxService::DefaultAnswer(unsigned flags) {
  switch (Buttons(flags)) {
    case MB_YESNO:
      return IDNO;
    case MB_YESNOCANCEL:
    case MB_OKCANCEL:
      return IDCANCEL;
    default:
      return IDOK;
  }
}

bool MessageBoxService::CanAnswer(unsigned flags, int answer) {
  switch (Buttons(flags)) {
    case MB_YESNO:
      return answer == IDYES || answer == IDNO;
    case MB_YESNOCANCEL:
      return answer == IDYES || answer == IDNO || answer == IDCANCEL;
    case MB_OKCANCEL:
      return answer == IDOK || answer == IDCANCEL;
    default:
      return answer == IDOK;
  }
}

int MessageBoxService::Show(std::string text, std::string caption, unsigned flags) {
  int answer = DefaultAnswer(flags);
  if (!m_scripted.empty()) {
    const int scripted = m_scripted.front();
    m_scripted.pop_front();
    if (CanAnswer(flags, scripted)) answer = scripted;
  } else if (m_answerer) {
    const Answerer answerer = m_answerer;  // it may replace itself while it runs
    const int chosen = answerer(text, caption, flags);
    if (CanAnswer(flags, chosen)) answer = chosen;
  }
  m_shown.push_back(MessageBoxRecord{std::move(text), std::move(caption), flags, answer});
  if (m_observer) {
    // A copy: the observer may itself show a box, which grows m_shown.
    const MessageBoxRecord record = m_shown.back();
    const Observer observer = m_observer;
    observer(record);
  }
  return answer;
}

int AfxMessageBox(std::string text, unsigned flags, std::string caption) {
  Application* app = Application::Current();
  if (app == nullptr) return 0;
  return app->MessageBoxes().Show(std::move(text), std::move(caption), flags);
}

}  // namespace orv::platform
