#pragma once
// The desktop terminal's main window: it plays the host around the order-book module. Both
// order-book windows are docks, the module's event loop runs inside Qt's, menus and message boxes
// are Qt's, and what the module posts to the main window is carried out by the TerminalHost and
// shown here (a line in the host's status bar or a small window). It also runs the timed,
// unattended mode: after --seconds it writes the screenshot and the load figures and quits.
#include "ui/qt/LoadMeter.h"

#include <QMainWindow>

#include <map>
#include <memory>
#include <string>

class QAction;
class QLabel;
class QProgressBar;
class QTextStream;

namespace orv::ui {

class ModifyOrderDialog;
class OrderBookDock;
class QtEventLoopDriver;
class QtPopups;
class TerminalHost;
struct HostAction;

class TerminalWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // The host must outlive the window. A started host's windows are docked at once; else the
  // window waits for StartHost.
  explicit TerminalWindow(TerminalHost& host, QWidget* parent = nullptr);
  ~TerminalWindow() override;

  // Starts the host with this window already on screen: the status bar shows how far the books
  // have been built, then the host's windows are docked. Throws what TerminalHost::Start throws.
  void StartHost();

  OrderBookDock& PendingDock() const { return *m_pendingDock; }
  OrderBookDock& GtdDock() const { return *m_gtdDock; }
  QtEventLoopDriver& Driver() const { return *m_driver; }
  QtPopups& Popups() const { return *m_popups; }
  QString HostStatusLine() const;
  // Titles of the request windows the host has open.
  QStringList OpenRequestWindows() const;
  // The host's modification window, once a Modify has opened it (null before).
  ModifyOrderDialog* ModificationWindow() const { return m_modifyWindow; }

  // Starts the event loop driver and, with --seconds, the timer that ends the run (the host
  // started).
  void Begin();
  // Brings the module's window state onto the screen and serves the host's queued requests.
  void SyncAll();
  // Ends an unattended run: screenshot, top rows, load figures; then quits Qt's loop with 0 (1 when
  // the screenshot could not be written).
  void Finish();

  // The first rows of the Pending grid as text, one line per row, a header line first.
  std::string TopRowsText(int rows) const;
  // Takes a sample for the load meter.
  LoadSample Sample() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Docks the started host's windows and gives the window its menus and counters.
  void Attach();
  // The --sort headers, clicked on the Pending grid as a user would.
  void ArrangeGridsAtStart();
  void Show(const HostAction& action);
  void ShowModificationWindow(const HostAction& action);
  void UpdateCounters();
  void BuildMenus();

  TerminalHost& m_host;
  std::unique_ptr<QtPopups> m_popups;
  QtEventLoopDriver* m_driver;
  OrderBookDock* m_pendingDock = nullptr;
  OrderBookDock* m_gtdDock = nullptr;
  QLabel* m_hostLine;
  QLabel* m_counters;
  QProgressBar* m_buildProgress;
  bool m_building = false;
  QAction* m_pauseFlow = nullptr;
  std::map<std::string, QWidget*> m_requestWindows;
  ModifyOrderDialog* m_modifyWindow = nullptr;
  LoadSample m_measureFrom;
};

}  // namespace orv::ui
