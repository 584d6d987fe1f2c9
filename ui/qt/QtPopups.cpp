#include "ui/qt/QtPopups.h"

#include "host/platform/MessageBoxService.h"
#include "ui/qt/GridTableModel.h"
#include "ui/qt/QtFilterMenus.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QFileDialog>
#include <QMessageBox>

namespace orv::ui {

namespace pf = orv::platform;

namespace {

void AddItems(QMenu& target, const pf::Menu& menu) {
  for (const pf::MenuItem& item : menu.Items()) {
    if (item.separator) {
      target.addSeparator();
      continue;
    }
    const QString text = GridTableModel::FromGridText(item.text);
    if (item.IsPopup()) {
      QMenu* sub = target.addMenu(text);
      AddItems(*sub, *item.submenu);
      sub->setEnabled(!item.grayed);
      continue;
    }
    // A tab separates the text from its accelerator; QMenu shows what follows the tab on the right.
    QAction* action = target.addAction(text);
    action->setData(item.id);
    action->setCheckable(item.checked);
    action->setChecked(item.checked);
    action->setEnabled(item.IsChoosable());
  }
}

}  // namespace

std::unique_ptr<QMenu> BuildMenu(const pf::Menu& menu, QWidget* parent) {
  auto result = std::make_unique<QMenu>(parent);
  AddItems(*result, menu);
  return result;
}

unsigned CommandOf(const QAction* action) {
  if (!action) return 0;
  bool ok = false;
  const unsigned id = action->data().toUInt(&ok);
  return ok ? id : 0;
}

QtPopups::QtPopups(pf::Application& app, QWidget* parent) : m_app(app), m_parent(parent) {
  m_app.PopupMenus().SetChooser([this](const pf::Menu& menu) { return ChooseFromMenu(menu); });
  m_app.MessageBoxes().SetAnswerer(
      [this](const std::string& text, const std::string& caption, unsigned flags) { return AnswerBox(text, caption, flags); });
  m_app.FilterMenus().SetChooser([this](const pf::FilterMenu& menu) {
    const QPoint at = m_hasPosition ? m_nextPosition : QCursor::pos();
    m_hasPosition = false;
    return m_interactive ? ShowFilterMenu(menu, m_parent, at) : pf::FilterMenuAnswer{};
  });
  m_app.FilterDialogs().SetAnswerer([this](const pf::FilterDialogRequest& request) {
    return m_interactive ? ShowFilterDialog(request, m_parent) : pf::FilterDialogAnswer{};
  });
  m_app.FileDialogs().SetAnswerer([this](const pf::FileDialogRequest& request) {
    return m_interactive ? ShowFileDialog(request) : pf::FileDialogAnswer{};
  });
}

pf::FileDialogAnswer QtPopups::ShowFileDialog(const pf::FileDialogRequest& request) const {
  // "Description (*.ext)|*.ext||" becomes Qt's "Description (*.ext)".
  QString filter = QString::fromStdString(request.filter).section(QLatin1Char('|'), 0, 0);
  QFileDialog dialog(m_parent, QString::fromStdString(request.title), QString(), filter);
  if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
  dialog.setAcceptMode(request.flavour == pf::FileDialogFlavour::Save ? QFileDialog::AcceptSave
                                                                      : QFileDialog::AcceptOpen);
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.bOverwritePrompt);
  pf::FileDialogAnswer answer;
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    answer.result = pf::IDOK;
    answer.path = dialog.selectedFiles().front().toStdString();
  }
  return answer;
}

QtPopups::~QtPopups() {
  m_app.PopupMenus().SetChooser({});
  m_app.MessageBoxes().SetAnswerer({});
  m_app.FilterMenus().SetChooser({});
  m_app.FilterDialogs().SetAnswerer({});
  m_app.FileDialogs().SetAnswerer({});
}

unsigned QtPopups::ChooseFromMenu(const pf::Menu& menu) {
  const QPoint at = m_hasPosition ? m_nextPosition : QCursor::pos();
  m_hasPosition = false;
  if (!m_interactive) return 0;
  std::unique_ptr<QMenu> shown = BuildMenu(menu, m_parent);
  return CommandOf(shown->exec(at));
}

int QtPopups::AnswerBox(const std::string& text, const std::string& caption, unsigned flags) {
  int answer = pf::MessageBoxService::DefaultAnswer(flags);
  if (m_interactive) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (flags & pf::MB_ICONMASK) {
      case pf::MB_ICONERROR:
        icon = QMessageBox::Critical;
        break;
      case pf::MB_ICONQUESTION:
        icon = QMessageBox::Question;
        break;
      case pf::MB_ICONWARNING:
        icon = QMessageBox::Warning;
        break;
      case pf::MB_ICONINFORMATION:
        icon = QMessageBox::Information;
        break;
      default:
        break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (flags & pf::MB_TYPEMASK) {
      case pf::MB_OKCANCEL:
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
        break;
      case pf::MB_YESNOCANCEL:
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
      case pf::MB_YESNO:
        buttons = QMessageBox::Yes | QMessageBox::No;
        break;
      default:
        break;
    }
    QWidget* parent = QApplication::activeWindow() ? QApplication::activeWindow() : m_parent.data();
    QMessageBox box(icon, GridTableModel::FromGridText(caption), GridTableModel::FromGridText(text), buttons, parent);
    switch (box.exec()) {
      case QMessageBox::Ok:
        answer = pf::IDOK;
        break;
      case QMessageBox::Cancel:
        answer = pf::IDCANCEL;
        break;
      case QMessageBox::Yes:
        answer = pf::IDYES;
        break;
      case QMessageBox::No:
        answer = pf::IDNO;
        break;
      default:
        break;  // closed without a button: the default answer
    }
  }
  if (m_boxObserver) m_boxObserver(text, caption, answer);
  return answer;
}

}  // namespace orv::ui
