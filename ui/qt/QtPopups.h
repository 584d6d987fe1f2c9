#pragma once
// The toolkit stand-in's popup menus, message boxes and the grid's filter menus and dialogs on the
// desktop: a tracked menu is shown as a QMenu built from the platform menu (texts, accelerators,
// checks, greys, separators, submenus) and the chosen command goes back to the module; a message
// box is a QMessageBox with the same buttons, and its answer goes back; the header filter menu and
// the filter dialogs are Qt popups and dialogs (QtFilterMenus.h). Without a user (the offscreen runs) boxes answer their
// default at once and menus are dismissed, so nothing waits for a click that cannot come.
#include "host/platform/Application.h"
#include "host/platform/Menu.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QMenu;

namespace orv::ui {

// A QMenu with the platform menu's items; each command action carries its id as data.
std::unique_ptr<QMenu> BuildMenu(const orv::platform::Menu& menu, QWidget* parent);
// The command id of a chosen action (0 for none or a non-command).
unsigned CommandOf(const QAction* action);

class QtPopups final {
 public:
  // Installs the menu chooser and the message box answerer on the Application; the destructor
  // takes them out again.
  QtPopups(orv::platform::Application& app, QWidget* parent);
  ~QtPopups();
  QtPopups(const QtPopups&) = delete;
  QtPopups& operator=(const QtPopups&) = delete;

  // Without a user nobody can answer: boxes give their default answer, menus are dismissed and
  // dialogs cancelled.
  void SetInteractive(bool interactive) { m_interactive = interactive; }
  bool IsInteractive() const { return m_interactive; }
  // The next menu opens here (else at the mouse pointer); used once.
  void SetNextMenuPosition(const QPoint& globalPos) { m_nextPosition = globalPos; m_hasPosition = true; }
  // Told about every box, with its answer (the host shows a line for the unattended ones).
  void SetBoxObserver(std::function<void(const std::string& text, const std::string& caption, int answer)> observer) {
    m_boxObserver = std::move(observer);
  }

 private:
  unsigned ChooseFromMenu(const orv::platform::Menu& menu);
  int AnswerBox(const std::string& text, const std::string& caption, unsigned flags);
  orv::platform::FileDialogAnswer ShowFileDialog(const orv::platform::FileDialogRequest& request) const;

  orv::platform::Application& m_app;
  QPointer<QWidget> m_parent;
  bool m_interactive = true;
  bool m_hasPosition = false;
  QPoint m_nextPosition;
  std::function<void(const std::string&, const std::string&, int)> m_boxObserver;
};

}  // namespace orv::ui
