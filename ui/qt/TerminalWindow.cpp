#include "ui/qt/TerminalWindow.h"

#include "ui/qt/ModifyOrderDialog.h"
#include "ui/qt/SteadyLabel.h"

#include "host/AppOrderBook.h"
#include "ui/qt/ExportFeedback.h"
#include "ui/qt/GridTableModel.h"
#include "ui/qt/GridTableView.h"
#include "ui/qt/MemoryMeter.h"
#include "ui/qt/OrderBookDock.h"
#include "ui/qt/QtEventLoopDriver.h"
#include "ui/qt/QtPopups.h"
#include "ui/qt/TerminalHost.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

namespace orv::ui {

namespace {

constexpr int kCounterIntervalMs = 500;
// Columns printed for the top rows: enough to recognise an order.
constexpr int kPrintedColumns = 9;
constexpr int kProgressSteps = 1000;
constexpr int kProgressIntervalMs = 50;
constexpr int kProgressBarWidth = 240;

}  // namespace

TerminalWindow::TerminalWindow(TerminalHost& host, QWidget* parent) : QMainWindow(parent), m_host(host) {
  setWindowTitle(QStringLiteral("ZARU Client - Order Book"));
  setDockNestingEnabled(true);
  m_popups = std::make_unique<QtPopups>(host.App(), this);
  m_popups->SetInteractive(!host.Options().offscreen);
  m_popups->SetBoxObserver([this](const std::string& text, const std::string& caption, int) {
    if (!m_popups->IsInteractive()) m_hostLine->setText(GridTableModel::FromGridText(caption + ": " + text));
  });
  m_driver = new QtEventLoopDriver(host.App().Loop(), this);
  m_driver->SetAfterDelivery([this] { SyncAll(); });

  m_hostLine = new QLabel(this);
  m_counters = new QLabel(this);
  m_buildProgress = new QProgressBar(this);
  m_buildProgress->setRange(0, kProgressSteps);
  m_buildProgress->setMaximumWidth(kProgressBarWidth);
  m_buildProgress->hide();
  statusBar()->addWidget(m_hostLine, 1);
  statusBar()->addPermanentWidget(m_buildProgress);
  statusBar()->addPermanentWidget(m_counters);
  resize(1600, 900);
  if (host.IsStarted()) Attach();
}

void TerminalWindow::StartHost() {
  if (m_pendingDock) return;
  m_building = true;
  m_hostLine->setText(QStringLiteral("Building the demo book\u2026"));
  m_buildProgress->setValue(0);
  m_buildProgress->show();
  QElapsedTimer sinceShown;
  auto progress = [this, &sinceShown](std::uint64_t done, std::uint64_t total) {
    // Often enough to look alive, rarely enough to cost the build nothing. The store is only
    // ever touched on this thread, and nothing that reads it runs before Attach: no timer of the
    // module's loop, no exchange, no input (it is held back until the books are there).
    if (sinceShown.isValid() && sinceShown.elapsed() < kProgressIntervalMs && done < total) return;
    sinceShown.start();
    m_buildProgress->setValue(total > 0 ? static_cast<int>(done * kProgressSteps / total) : kProgressSteps);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
  try {
    m_host.Start(progress);
  } catch (...) {
    m_building = false;
    m_buildProgress->hide();
    throw;
  }
  m_building = false;
  m_buildProgress->hide();
  Attach();
}

void TerminalWindow::Attach() {
  m_pendingDock = new OrderBookDock(m_host.Pending(), m_popups.get(), this);
  m_gtdDock = new OrderBookDock(m_host.Gtd(), m_popups.get(), this);
  for (OrderBookDock* dock : {m_pendingDock, m_gtdDock}) dock->SetAfterInput([this] { SyncAll(); });
  addDockWidget(Qt::TopDockWidgetArea, m_pendingDock);
  splitDockWidget(m_pendingDock, m_gtdDock, Qt::Vertical);
  m_hostLine->setText(GridTableModel::FromGridText(m_host.SettingsStatus()));
  BuildMenus();

  m_host.App().MainWindow().SetHandler([this](const orv::platform::PostedMessage& message) { Show(m_host.Handle(message)); });
  new ExportFeedback(this, [this](const std::string& line) { m_hostLine->setText(GridTableModel::FromGridText(line)); });
  auto* counters = new QTimer(this);
  connect(counters, &QTimer::timeout, this, &TerminalWindow::UpdateCounters);
  counters->start(kCounterIntervalMs);
  resizeDocks({m_pendingDock, m_gtdDock}, {560, 300}, Qt::Vertical);
  ArrangeGridsAtStart();
  if (m_host.Options().filterBars)
    for (OrderBookDock* dock : {m_pendingDock, m_gtdDock}) dock->ShowFilterBar(true);
  UpdateCounters();
}

namespace {

// The column of `grid` with that header (any letter case); -1 with a message when there is none.
int ColumnByHeader(OrderBookGrid& grid, const std::string& name, const char* option, const char* gridName) {
  for (int c = 0; c < grid.GetColumnCount(); ++c)
    if (QString::fromStdString(grid.GetColumnName(c)).compare(QString::fromStdString(name), Qt::CaseInsensitive) == 0)
      return c;
  std::fprintf(stderr, "orvterm: %s: the %s grid has no column \"%s\"\n", option, gridName, name.c_str());
  return -1;
}

}  // namespace

void TerminalWindow::ArrangeGridsAtStart() {
  OrderBookGrid& grid = m_pendingDock->Grid();
  for (const std::string& name : m_host.Options().sortColumns) {
    const int id = ColumnByHeader(grid, name, "--sort", "Pending");
    if (id >= 0) grid.ToggleSortColumn(id);
  }
  OrderBookGrid& gtd = m_gtdDock->Grid();
  for (const TerminalOptions::ColumnFilter& filter : m_host.Options().gtdFilters) {
    const int id = ColumnByHeader(gtd, filter.column, "--gtd-filter", "GTD");
    if (id >= 0) gtd.SetFilterParam(id, filter.values, false, true, false);
  }
  SyncAll();
}

void TerminalWindow::closeEvent(QCloseEvent* event) {
  // The build cannot stop half-way; the window closes once the books are there.
  if (m_building) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

TerminalWindow::~TerminalWindow() {
  m_driver->Stop();
  m_host.App().MainWindow().SetHandler({});
}

void TerminalWindow::BuildMenus() {
  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  for (OrderBookDock* dock : {m_pendingDock, m_gtdDock}) {
    QAction* toggle = view->addAction(dock->Title());
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::triggered, dock, [dock](bool checked) { dock->ShowFromHost(checked); });
    connect(dock, &QDockWidget::visibilityChanged, toggle, [toggle, dock](bool) { toggle->setChecked(!dock->isHidden()); });
  }
  view->addSeparator();
  // The window's filter bar command shows a bar; unticking hides it as the bar's own Close does.
  for (OrderBookDock* dock : {m_pendingDock, m_gtdDock}) {
    QAction* bar = view->addAction(dock->Title() + QStringLiteral(" Filter Bar\tShift+S"));
    bar->setCheckable(true);
    bar->setObjectName(dock->objectName() + QStringLiteral("FilterBar"));
    connect(bar, &QAction::triggered, dock, [dock](bool show) { dock->ShowFilterBar(show); });
    connect(view, &QMenu::aboutToShow, bar, [bar, dock] { bar->setChecked(dock->Window().bFilterBarShown); });
  }
  view->addSeparator();
  // The host's own F3 (the grid's F3 key narrows the grid to the contract instead).
  for (OrderBookDock* dock : {m_pendingDock, m_gtdDock}) {
    QAction* f3 = view->addAction(dock->Title() + QStringLiteral(": Selected Scrip / All Scrips Title"));
    f3->setObjectName(dock->objectName() + QStringLiteral("HostF3"));
    connect(f3, &QAction::triggered, this, [this, dock] {
      m_host.HostF3(dock->Window());
      SyncAll();
    });
  }
  view->addSeparator();
  QAction* follow = view->addAction(QStringLiteral("&Follow Selected Order"));
  follow->setCheckable(true);
  follow->setChecked(TerminalHost::FollowsSelectedOrder());
  follow->setObjectName(QStringLiteral("followSelectedOrder"));
  connect(follow, &QAction::toggled, this, [](bool on) { TerminalHost::SetFollowSelectedOrder(on); });
  QMenu* exchange = menuBar()->addMenu(QStringLiteral("&Exchange"));
  m_pauseFlow = exchange->addAction(QStringLiteral("&Pause Order Flow"));
  m_pauseFlow->setCheckable(true);
  connect(m_pauseFlow, &QAction::triggered, this, [this](bool paused) {
    if (paused) m_host.Exchange().Stop();
    else m_host.Exchange().Start();
    UpdateCounters();
  });
  exchange->addSeparator();
  for (double rate : {10.0, 50.0, 200.0, 1000.0}) {
    QAction* action = exchange->addAction(QStringLiteral("%1 changes a second").arg(rate));
    connect(action, &QAction::triggered, this, [this, rate] {
      m_host.Exchange().SetRate(rate);
      UpdateCounters();
    });
  }
  // The host's delete-all of each book, as a host menu would raise it.
  QMenu* orders = menuBar()->addMenu(QStringLiteral("&Orders"));
  // Modify as the Pending grid's Shift+F2 raises it (the key itself stays the grid's, so each
  // grid modifies its own rows): the module checks and lists, the host's window opens.
  QAction* modify = orders->addAction(QStringLiteral("&Modify Selected Pending Orders...\tShift+F2"));
  modify->setObjectName(QStringLiteral("modifyOrders"));
  connect(modify, &QAction::triggered, this, [this] { m_host.Pending().GetGrid()->OnModify(); });
  orders->addSeparator();
  connect(orders->addAction(QStringLiteral("Delete All &Pending Orders")), &QAction::triggered, this, [this] {
    m_host.Pending().DeleteAllProcess(0, 0);
    UpdateCounters();
  });
  connect(orders->addAction(QStringLiteral("Delete All &GTD Orders")), &QAction::triggered, this, [this] {
    m_host.Gtd().DeleteAllProcess(0, 0);
    UpdateCounters();
  });
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  connect(file->addAction(QStringLiteral("E&xit")), &QAction::triggered, this, &QWidget::close);
}

void TerminalWindow::Begin() {
  m_driver->Start();
  m_measureFrom = Sample();
  if (m_host.Options().seconds >= 0)
    QTimer::singleShot(static_cast<int>(m_host.Options().seconds * 1000.0), this, &TerminalWindow::Finish);
}

void TerminalWindow::SyncAll() {
  m_pendingDock->SyncFromWindow();
  m_gtdDock->SyncFromWindow();
  for (const WindowPassing& request : m_host.TakeQueuedRequests()) Show(m_host.HandleRequest(request));
}

void TerminalWindow::Show(const HostAction& action) {
  if (!action.statusLine.empty()) m_hostLine->setText(GridTableModel::FromGridText(action.statusLine));
  if (action.modificationWindow) return ShowModificationWindow(action);
  if (action.windowTitle.empty() || !m_popups->IsInteractive()) return;
  // One small window per kind of request; a new request of the kind refreshes it.
  QWidget*& window = m_requestWindows[action.windowTitle];
  if (!window) {
    auto* dialog = new QDialog(this);
    dialog->setWindowTitle(GridTableModel::FromGridText(action.windowTitle));
    auto* layout = new QVBoxLayout(dialog);
    auto* text = new QPlainTextEdit(dialog);
    text->setReadOnly(true);
    text->setObjectName(QStringLiteral("requestText"));
    layout->addWidget(text);
    dialog->resize(460, 220);
    window = dialog;
  }
  window->findChild<QPlainTextEdit*>(QStringLiteral("requestText"))
      ->setPlainText(GridTableModel::FromGridText(action.windowText));
  window->show();
  window->raise();
}

void TerminalWindow::ShowModificationWindow(const HostAction& action) {
  ModificationValues start;
  if (!m_host.ModificationStart(start)) return;
  if (!m_modifyWindow) {
    m_modifyWindow = new ModifyOrderDialog(this, [this](const ModificationValues& values) {
      Show(m_host.ApplyModification(values));
      UpdateCounters();
    });
  }
  m_modifyWindow->Present(start, GridTableModel::FromGridText(action.windowText));
  m_modifyWindow->show();
  m_modifyWindow->raise();
  m_modifyWindow->activateWindow();
}

QString TerminalWindow::HostStatusLine() const { return m_hostLine->text(); }

QStringList TerminalWindow::OpenRequestWindows() const {
  QStringList titles;
  for (const auto& [title, window] : m_requestWindows)
    if (window && window->isVisible()) titles << GridTableModel::FromGridText(title);
  return titles;
}

void TerminalWindow::UpdateCounters() {
  const auto& c = m_host.Exchange().Counters();
  const auto& pending = AppOrderBook::vctAllOrderBook;
  const auto& gtd = AppOrderBook::vctAllGTDOrderBook;
  SetSteadyText(*m_counters, QStringLiteral("Exchange %1 | %2 changes/s | orders %3 new, %4 traded, %5 cancelled, %6 rejected | "
                                     "book %7 Pending, %8 GTD rows | window cancels %9 sent")
                          .arg(m_host.Exchange().IsRunning() ? QStringLiteral("open") : QStringLiteral("paused"))
                          .arg(m_host.Exchange().Spec().changesPerSecond)
                          .arg(c.newOrders)
                          .arg(c.partialTrades + c.fullTrades)
                          .arg(c.exchangeCancels + c.cancelsConfirmed)
                          .arg(c.rejections)
                          .arg(pending.size())
                          .arg(gtd.size())
                          .arg(m_host.WindowCancelsSent()));
}

LoadSample TerminalWindow::Sample() const {
  LoadSample s;
  s.wall = LoadSample::WallNow();
  s.threadCpu = LoadSample::ThreadCpuNow();
  s.delivering = m_driver->BusyTime();
  s.exchange = m_host.Exchange().BusyTime();
  s.passes = m_driver->Passes();
  for (const OrderBookDock* dock : {m_pendingDock, m_gtdDock}) {
    s.painting += dock->View().PaintTime();
    s.paints += dock->View().PaintCount();
    s.mirroring += dock->View().MirrorTime();
    const GridTableView::ScrollBarCounts bars = dock->View().ScrollBarChanges();
    s.scrollBarChanges += static_cast<std::uint64_t>(bars.changes);
    s.scrollBarSkips += static_cast<std::uint64_t>(bars.skipped);
  }
  s.storeChanges = m_host.Exchange().Counters().StoreChanges();
  return s;
}

std::string TerminalWindow::TopRowsText(int rows) const {
  OrderBookGrid& grid = m_pendingDock->Grid();
  const GridTableModel& model = m_pendingDock->View().Model();
  const int columns = std::min(kPrintedColumns, model.columnCount());
  std::string out;
  std::string cell;
  auto addCell = [&out](std::string_view text, bool last) {
    std::string padded(text.substr(0, 18));
    padded.resize(18, ' ');
    out += last ? std::string(text) : padded + ' ';
  };
  for (int c = 0; c < columns; ++c) addCell(grid.GetColumnName(model.ColumnId(c)), c + 1 == columns);
  out += '\n';
  const int shown = std::min(rows, grid.GetVirtualRowCount());
  for (int r = 0; r < shown; ++r) {
    for (int c = 0; c < columns; ++c) {
      grid.RequestCell(r, model.ColumnId(c)).value.ToText(cell);
      addCell(cell, c + 1 == columns);
    }
    out += '\n';
  }
  return out;
}

void TerminalWindow::Finish() {
  const TerminalOptions& options = m_host.Options();
  const LoadSample now = Sample();
  int code = 0;
  SyncAll();
  if (!options.screenshot.empty()) {
    const QString path = QFileInfo(QString::fromStdString(options.screenshot)).absoluteFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QPixmap picture = grab();
    if (picture.save(path, "PNG")) {
      std::printf("screenshot: %s\n", path.toLocal8Bit().constData());
    } else {
      std::fprintf(stderr, "orvterm: cannot write the screenshot %s\n", path.toLocal8Bit().constData());
      code = 1;
    }
  }
  if (options.offscreen || !options.screenshot.empty()) {
    std::printf("Pending Orders: %d rows shown of %zu in the book; top rows:\n%s",
                m_pendingDock->Grid().GetVirtualRowCount(), AppOrderBook::vctAllOrderBook.size(),
                TopRowsText(options.topRows).c_str());
  }
  if (options.measure) {
    const LoadReport report = Compare(m_measureFrom, now);
    std::printf("%s\n", report.Text().c_str());
    const MemoryReport memory = MeasureMemory({&m_pendingDock->Grid(), &m_gtdDock->Grid()});
    std::printf("%s\n", memory.Text().c_str());
  }
  std::fflush(stdout);
  QApplication::exit(code);
}

}  // namespace orv::ui
