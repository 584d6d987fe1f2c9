#include "ui/qt/QtFilterMenus.h"

#include "ui/qt/GridTableModel.h"
#include "ui/qt/QtPopups.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidgetAction>

#include <algorithm>
#include <cmath>

namespace orv::ui {

namespace pf = orv::platform;

namespace {

const QString kAll = QStringLiteral("(All)");

const QString kEmpty = QStringLiteral("(empty)");

// A check list of values under an "All" entry that ticks or clears them all, with a search box
// above it that shows only the values holding what is typed. Rows the search hides keep their
// ticks: what is handed back is always every value's tick.
QListWidget* AddValueList(QVBoxLayout& layout, const std::vector<std::string>& values, bool all,
                          const std::vector<std::string>& ticked, QWidget* parent) {
  auto* search = new QLineEdit(parent);
  search->setPlaceholderText(QStringLiteral("Search"));
  search->setClearButtonEnabled(true);
  auto* list = new QListWidget(parent);
  auto* allItem = new QListWidgetItem(kAll, list);
  allItem->setCheckState(all ? Qt::Checked : Qt::Unchecked);
  for (const std::string& value : values) {
    // Only the label: an empty value goes back as the empty string it is.
    auto* item = new QListWidgetItem(value.empty() ? kEmpty : GridTableModel::FromGridText(value), list);
    const bool on = all || std::find(ticked.begin(), ticked.end(), value) != ticked.end();
    item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  }
  // "All" ticks or clears every value; a value cleared clears "All", every value ticked ticks it.
  QObject::connect(list, &QListWidget::itemChanged, list, [list](QListWidgetItem* item) {
    const QSignalBlocker block(list);
    if (list->row(item) == 0) {
      for (int i = 1; i < list->count(); ++i) list->item(i)->setCheckState(item->checkState());
      return;
    }
    bool every = true;
    for (int i = 1; i < list->count(); ++i) every = every && list->item(i)->checkState() == Qt::Checked;
    list->item(0)->setCheckState(every ? Qt::Checked : Qt::Unchecked);
  });
  QObject::connect(search, &QLineEdit::textChanged, list, [list](const QString& text) {
    for (int i = 1; i < list->count(); ++i)
      list->item(i)->setHidden(!list->item(i)->text().contains(text, Qt::CaseInsensitive));
  });
  list->setMinimumHeight(std::min(240, 22 * (static_cast<int>(values.size()) + 1) + 6));
  layout.addWidget(search);
  layout.addWidget(list);
  return list;
}

void ReadList(const QListWidget& list, const std::vector<std::string>& values, bool& all,
              std::vector<std::string>& ticked) {
  all = list.item(0)->checkState() == Qt::Checked;
  ticked.clear();
  for (int i = 1; i < list.count() && static_cast<std::size_t>(i - 1) < values.size(); ++i)
    if (list.item(i)->checkState() == Qt::Checked) ticked.push_back(values[static_cast<std::size_t>(i - 1)]);
}

// OLE automation dates are days since 1899-12-30 in local time.
QDateTime ToQt(const pf::OleDateTime& value) {
  const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0));
  return epoch.addMSecs(static_cast<qint64>(std::llround(value.Days() * 86400000.0)));
}

pf::OleDateTime FromQt(const QDateTime& value) {
  const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0));
  return pf::OleDateTime(static_cast<double>(epoch.msecsTo(value)) / 86400000.0);
}

}  // namespace

pf::FilterMenuAnswer ShowFilterMenu(const pf::FilterMenu& menu, QWidget* parent, const QPoint& at) {
  pf::FilterMenuAnswer answer;
  std::unique_ptr<QMenu> popup = BuildMenu(menu.commands, parent);
  // The menu's own apply item would confirm without the ticks; the button under the list is the
  // one way to apply them.
  for (QAction* action : popup->actions()) {
    if (menu.nApplyCommand == 0 || CommandOf(action) != menu.nApplyCommand) continue;
    popup->removeAction(action);
    delete action;
  }
  while (!popup->actions().isEmpty() && popup->actions().constLast()->isSeparator()) {
    QAction* separator = popup->actions().constLast();
    popup->removeAction(separator);
    delete separator;
  }
  popup->addSeparator();
  auto* panel = new QWidget(popup.get());
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(6, 2, 6, 6);
  QListWidget* list = AddValueList(*layout, menu.values, menu.state.bAll, menu.state.lstValues, panel);
  auto* ok = new QPushButton(QStringLiteral("OK"), panel);
  layout->addWidget(ok);
  auto* holder = new QWidgetAction(popup.get());
  holder->setDefaultWidget(panel);
  popup->addAction(holder);
  bool applied = false;
  QObject::connect(ok, &QPushButton::clicked, popup.get(), [&applied, &popup] {
    applied = true;
    popup->close();
  });
  const QAction* chosen = popup->exec(at);
  if (applied) {
    answer.command = menu.nApplyCommand;
    ReadList(*list, menu.values, answer.bAll, answer.ticked);
  } else {
    answer.command = CommandOf(chosen);
  }
  return answer;
}

pf::FilterDialogAnswer ShowFilterDialog(const pf::FilterDialogRequest& request, QWidget* parent) {
  pf::FilterDialogAnswer answer;
  answer.state = request.state;
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Filter"));
  auto* layout = new QVBoxLayout(&dialog);
  QListWidget* list = nullptr;
  QCheckBox* all = nullptr;
  QDateTimeEdit* from = nullptr;
  QDateTimeEdit* till = nullptr;
  if (request.kind == pf::FilterDialogKind::ValueList) {
    list = AddValueList(*layout, request.offered, request.state.bAll, request.state.values, &dialog);
  } else {
    all = new QCheckBox(kAll, &dialog);
    all->setChecked(request.state.bAll);
    auto* form = new QFormLayout;
    from = new QDateTimeEdit(&dialog);
    till = new QDateTimeEdit(&dialog);
    for (QDateTimeEdit* edit : {from, till}) {
      edit->setDisplayFormat(QStringLiteral("dd-MMM-yyyy HH:mm:ss"));
      edit->setCalendarPopup(true);
    }
    const QDateTime now = QDateTime::currentDateTime();
    from->setDateTime(request.state.from.IsValid() ? ToQt(request.state.from) : QDateTime(now.date(), QTime(0, 0)));
    till->setDateTime(request.state.till.IsValid() ? ToQt(request.state.till) : QDateTime(now.date(), QTime(23, 59, 59)));
    form->addRow(QStringLiteral("From"), from);
    form->addRow(QStringLiteral("Till"), till);
    layout->addWidget(all);
    layout->addLayout(form);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return answer;
  answer.result = 1;  // IDOK
  if (list) {
    ReadList(*list, request.offered, answer.state.bAll, answer.state.values);
  } else {
    answer.state.bAll = all->isChecked();
    answer.state.from = FromQt(from->dateTime());
    answer.state.till = FromQt(till->dateTime());
  }
  return answer;
}

}  // namespace orv::ui
