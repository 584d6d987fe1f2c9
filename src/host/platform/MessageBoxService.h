#pragma once
// Message boxes without a screen: every box is recorded with its answer. Answers come from a queue
// of scripted answers, else from an interactive answerer (the GUI), else from the box's default:
// the negative or only button.
#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace orv::platform {

// Buttons (the low four bits of the flags).
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_OKCANCEL = 0x01;
inline constexpr unsigned MB_YESNOCANCEL = 0x03;
inline constexpr unsigned MB_YESNO = 0x04;
inline constexpr unsigned MB_TYPEMASK = 0x0F;
// Icons.
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONEXCLAMATION = MB_ICONWARNING;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_ICONMASK = 0xF0;
// Answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

struct MessageBoxRecord {
  std::string text;
  std::string caption;
  unsigned flags = 0;
  int answer = 0;
};

class MessageBoxService final {
 public:
  using Answerer = std::function<int(const std::string& text, const std::string& caption, unsigned flags)>;
  using Observer = std::function<void(const MessageBoxRecord&)>;

  int Show(std::string text, std::string caption, unsigned flags);

  // Scripted answers, used first come, first served, one per box. An answer the box has no button
  // for is used up and the box's default given instead.
  void QueueAnswer(int answer) { m_scripted.push_back(answer); }
  std::size_t QueuedAnswers() const { return m_scripted.size(); }
  void ClearAnswers() { m_scripted.clear(); }

  // Asked when no scripted answer is queued; an answer the box has no button for gives the default.
  void SetAnswerer(Answerer answerer) { m_answerer = std::move(answerer); }
  // Told about every box once it has been answered.
  void SetObserver(Observer observer) { m_observer = std::move(observer); }

  const std::vector<MessageBoxRecord>& Shown() const { return m_shown; }
  void ClearShown() { m_shown.clear(); }

  // The answer a box gives when nobody chooses: the negative button, or OK on an OK box.
  static int DefaultAnswer(unsigned flags);
  static bool CanAnswer(unsigned flags, int answer);

 private:
  std::deque<int> m_scripted;
  Answerer m_answerer;
  Observer m_observer;
  std::vector<MessageBoxRecord> m_shown;
};

// A box on the current thread's Application, as the module's free helper shows it. Returns 0 (no
// answer: not Yes, not OK) when the thread has no Application.
int AfxMessageBox(std::string text, unsigned flags = MB_OK, std::string caption = {});

}  // namespace orv::platform
