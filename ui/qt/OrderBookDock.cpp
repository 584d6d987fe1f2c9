#include "ui/qt/OrderBookDock.h"

#include "filterbar/OrderBookFilter.h"
#include "host/platform/StatusBar.h"
#include "ui/qt/ColumnFit.h"
#include "ui/qt/FilterBarWidget.h"
#include "ui/qt/GridTableModel.h"
#include "ui/qt/SteadyLabel.h"
#include "ui/qt/GridTableView.h"
#include "ui/qt/GridHeaderView.h"
#include "ui/qt/QtPopups.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace orv::ui {

namespace pf = orv::platform;

OrderBookDock::OrderBookDock(OrderBookWnd& wnd, QtPopups* popups, QWidget* parent)
    : QDockWidget(parent), m_wnd(wnd), m_popups(popups) {
  setObjectName(QString::fromLatin1(wnd.Variant().cWndClass.data(), static_cast<qsizetype>(wnd.Variant().cWndClass.size())));
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);

  m_content = new QWidget(this);
  auto* layout = new QVBoxLayout(m_content);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  m_splitter = new QSplitter(Qt::Vertical, m_content);
  m_splitter->setChildrenCollapsible(true);
  m_filterFrame = new QFrame(m_splitter);
  m_filterFrame->setFrameShape(QFrame::StyledPanel);
  auto* frameLayout = new QHBoxLayout(m_filterFrame);
  frameLayout->setContentsMargins(0, 0, 0, 0);
  if (OrderBookFilter* bar = m_wnd.GetFilterBar()) {
    m_filterBar = new FilterBarWidget(*bar, [this] { AfterInput(); }, m_filterFrame);
    m_filterBar->SetBeforeMenu([this](const QPoint& pos) { PreparePopup(pos); });
    frameLayout->addWidget(m_filterBar);
  }

  m_view = new GridTableView(Grid(), m_splitter);
  m_view->SetInputSink(this);
  new ColumnFitter(*m_view);
  m_view->Header().SetFilteredColumnTest([this](int column) { return Grid().IsFilterExist(column); });
  m_splitter->addWidget(m_filterFrame);
  m_splitter->addWidget(m_view);
  m_splitter->setStretchFactor(1, 1);
  layout->addWidget(m_splitter, 1);

  m_paneBar = new QStatusBar(m_content);
  m_paneBar->setSizeGripEnabled(false);
  layout->addWidget(m_paneBar);
  BuildPanes();

  m_hiddenTitle = new QWidget(this);
  m_hiddenTitle->hide();
  setWidget(m_content);
  m_content->installEventFilter(this);
  SyncFromWindow();
}

OrderBookDock::~OrderBookDock() = default;

OrderBookGrid& OrderBookDock::Grid() const { return *m_wnd.GetGrid(); }

QString OrderBookDock::Title() const {
  if (!m_wnd.GetDockTitle().empty()) return GridTableModel::FromGridText(m_wnd.GetDockTitle());
  return m_wnd.Variant().eVariant == ViewVariant::Pending ? QStringLiteral("Pending Orders")
                                                           : QStringLiteral("GTD Order Book");
}

void OrderBookDock::BuildPanes() {
  const pf::StatusBar& bar = *m_wnd.GetStatusBar();
  for (int i = 0; i < bar.GetCount(); ++i) {
    auto* label = new QLabel(m_paneBar);
    unsigned id = 0, style = 0;
    int width = 0;
    bar.GetPaneInfo(i, id, style, width);
    label->setMinimumWidth(width);
    label->setFrameShape((style & pf::SBPS_NOBORDERS) ? QFrame::NoFrame : QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setContentsMargins(3, 0, 3, 0);
    // The first pane is a zero-width spacer the module never writes.
    label->setVisible(width > 0 || !(style & pf::SBPS_DISABLED));
    m_paneBar->addWidget(label, (style & pf::SBPS_STRETCH) ? 1 : 0);
    m_paneLabels.push_back(label);
    m_paneStretches.push_back((style & pf::SBPS_STRETCH) != 0);
  }
  m_paneTexts.assign(m_paneLabels.size(), std::string(1, '\1'));  // nothing shown yet
}

void OrderBookDock::SyncPanes() {
  const pf::StatusBar& bar = *m_wnd.GetStatusBar();
  const int count = std::min<int>(bar.GetCount(), static_cast<int>(m_paneLabels.size()));
  for (int i = 0; i < count; ++i) {
    std::string text = bar.GetPaneText(i);
    if (text == m_paneTexts[static_cast<std::size_t>(i)]) continue;
    QLabel& label = *m_paneLabels[static_cast<std::size_t>(i)];
    // The totals change at every refresh: their panes keep their size unless a text outgrows it.
    if (m_paneStretches[static_cast<std::size_t>(i)]) label.setText(GridTableModel::FromGridText(text));
    else SetSteadyText(label, GridTableModel::FromGridText(text));
    m_paneTexts[static_cast<std::size_t>(i)] = std::move(text);
  }
  const bool shown = bar.IsVisible();
  if (m_paneBar->isHidden() == shown) m_paneBar->setVisible(shown);
}

void OrderBookDock::SyncFilterFrame() {
  const bool shown = m_wnd.bFilterBarShown && m_filterBar != nullptr;
  if (m_filterFrame->isHidden() == shown) {
    m_filterFrame->setVisible(shown);
    if (shown) {
      const int row = m_filterBar->NeededHeight();
      const int total = std::max(m_splitter->height(), row + 1);
      m_splitter->setSizes({row, total - row});
    }
  }
  if (m_filterBar) m_filterBar->Sync();
}

void OrderBookDock::SyncFromWindow() {
  if (m_syncing) return;
  m_syncing = true;
  SyncPanes();
  SyncFilterFrame();
  const std::string& title = m_wnd.GetDockTitle();
  if (windowTitle().isEmpty() || title != m_title) {
    m_title = title;
    setWindowTitle(Title());
  }
  const bool titleBar = m_wnd.IsTitleBarShown();
  if ((titleBarWidget() == nullptr) != titleBar) setTitleBarWidget(titleBar ? nullptr : m_hiddenTitle);
  const bool shown = m_wnd.IsVisible();
  if (isHidden() == shown) setVisible(shown);
  m_syncing = false;
}

void OrderBookDock::ShowFromHost(bool show) {
  if (show != m_wnd.IsVisible()) {
    if (show) m_wnd.ShowControlBar(true);
    else m_wnd.CloseDockingControlBar();
  }
  SyncFromWindow();
}

void OrderBookDock::ShowFilterBar(bool show) {
  if (show) {
    if (!m_wnd.IsVisible()) ShowFromHost(true);
    Grid().OnPendingorderFilterbar();
  } else if (OrderBookFilter* bar = m_wnd.GetFilterBar()) {
    bar->Close();
  }
  AfterInput();
}

void OrderBookDock::closeEvent(QCloseEvent* event) {
  // Closing goes through the host, which only hides the bar: it comes back from the View menu.
  if (m_wnd.IsVisible()) m_wnd.CloseDockingControlBar();
  QDockWidget::closeEvent(event);
  SyncFromWindow();
}

bool OrderBookDock::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_content && event->type() == QEvent::Resize) {
    // The host sizes the bar; the module lays its panes out from the client size.
    m_wnd.SetClientSize(m_content->width(), m_content->height());
  }
  return QDockWidget::eventFilter(watched, event);
}

void OrderBookDock::FocusGrid() {
  if (!Grid().HasFocus()) m_wnd.OnSetFocus();
}

bool OrderBookDock::KeyDown(pf::MSG& msg) {
  // As the message loop does: the window with the focus first, then its parents.
  msg.hwnd = &Grid();
  if (Grid().PreTranslateMessage(&msg)) return true;
  return m_wnd.PreTranslateMessage(&msg);
}

void OrderBookDock::LeftButtonDown() { Grid().OnLButtonDown(); }

void OrderBookDock::LeftButtonDoubleClick() { Grid().OnLButtonDblClk(); }

void OrderBookDock::ContextMenu(const QPoint& globalPos) {
  if (m_popups) m_popups->SetNextMenuPosition(globalPos);
  Grid().OnContextMenu(globalPos.x(), globalPos.y());
}

void OrderBookDock::PreparePopup(const QPoint& globalPos) {
  if (m_popups) m_popups->SetNextMenuPosition(globalPos);
}

void OrderBookDock::AfterInput() {
  SyncFromWindow();
  if (m_afterInput) m_afterInput();
}

}  // namespace orv::ui
