#pragma once
// What the desktop terminal shows of a grid export written in slices: a progress window with a
// Cancel button for an export that runs longer than a moment (half a second), and the line that
// says how it ended. It listens to the module's GridExportObserver for as long as it lives.
#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <string>

class OrderBookGrid;
class QProgressDialog;
class QWidget;
struct GridExportProgress;

namespace orv::ui {

class ExportFeedback final : public QObject {
  Q_OBJECT

 public:
  // The progress windows open over `parent`; `statusLine` hears the end of every export.
  ExportFeedback(QWidget* parent, std::function<void(const std::string&)> statusLine);
  ~ExportFeedback() override;

  // The progress window of the grid's running export; null when none (or none any more).
  QProgressDialog* DialogOf(const OrderBookGrid* grid) const;

 private:
  void Heard(const GridExportProgress& progress);

  QWidget* m_parent;
  std::function<void(const std::string&)> m_statusLine;
  std::map<const OrderBookGrid*, QPointer<QProgressDialog>> m_dialogs;
};

}  // namespace orv::ui
