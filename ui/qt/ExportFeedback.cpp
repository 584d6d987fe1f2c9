#include "ui/qt/ExportFeedback.h"

#include "actions/GridExportProgress.h"
#include "view/OrderBookGrid.h"

#include <QProgressDialog>
#include <QWidget>

namespace orv::ui {

namespace {

// The bar counts in steps, not rows: QProgressDialog's range is an int.
constexpr int kSteps = 1000;
constexpr int kShowAfterMs = 500;

int StepOf(const GridExportProgress& p) {
  return p.rowsTotal == 0 ? kSteps : static_cast<int>(p.rowsWritten * kSteps / p.rowsTotal);
}

QString LabelOf(const GridExportProgress& p) {
  return QStringLiteral("Exporting %1 of %2 rows to %3")
      .arg(QString::fromStdString(GroupedCount(p.rowsWritten)), QString::fromStdString(GroupedCount(p.rowsTotal)),
           QString::fromStdString(p.path));
}

}  // namespace

ExportFeedback::ExportFeedback(QWidget* parent, std::function<void(const std::string&)> statusLine)
    : QObject(parent), m_parent(parent), m_statusLine(std::move(statusLine)) {
  GridExportObserver::SetListener([this](const GridExportProgress& progress) { Heard(progress); });
}

ExportFeedback::~ExportFeedback() {
  GridExportObserver::SetListener({});
  for (auto& [grid, dialog] : m_dialogs)
    if (dialog) dialog->deleteLater();
}

QProgressDialog* ExportFeedback::DialogOf(const OrderBookGrid* grid) const {
  const auto it = m_dialogs.find(grid);
  return it == m_dialogs.end() ? nullptr : it->second.data();
}

void ExportFeedback::Heard(const GridExportProgress& progress) {
  QPointer<QProgressDialog>& dialog = m_dialogs[progress.grid];
  if (progress.Ended()) {
    // The grid may be going away: it is never touched once its export ended.
    if (dialog) {
      dialog->disconnect(this);
      dialog->hide();
      dialog->deleteLater();
    }
    m_dialogs.erase(progress.grid);
    if (m_statusLine) m_statusLine(progress.StatusText());
    return;
  }
  if (!dialog) {
    dialog = new QProgressDialog(LabelOf(progress), QStringLiteral("Cancel"), 0, kSteps, m_parent);
    dialog->setWindowTitle(QStringLiteral("Export"));
    // Not modal: a modal one would run Qt's events inside the module's timer at every step.
    dialog->setWindowModality(Qt::NonModal);
    dialog->setMinimumDuration(kShowAfterMs);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    OrderBookGrid* grid = progress.grid;
    connect(dialog, &QProgressDialog::canceled, this, [grid] { grid->CancelGridExport(); });
  }
  dialog->setLabelText(LabelOf(progress));
  dialog->setValue(StepOf(progress));
}

}  // namespace orv::ui
