#include "host/platform/Menu.h"
#include "ui/qt/QtFilterMenus.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

namespace pf = orv::platform;

constexpr unsigned kApply = 40;

// Runs `act` on the filter menu once it is up inside the modal loop the next call opens.
void WhenMenuUp(std::function<void(QWidget*)> act, int triesLeft = 200) {
  QTimer::singleShot(5, [act, triesLeft] {
    if (QWidget* popup = QApplication::activePopupWidget()) act(popup);
    else if (triesLeft > 0) WhenMenuUp(act, triesLeft - 1);
  });
}

QListWidgetItem* Row(QListWidget& list, const QString& label) {
  const auto found = list.findItems(label, Qt::MatchExactly);
  return found.isEmpty() ? nullptr : found.front();
}

TEST(FilterMenu, the_search_narrows_the_list_and_the_ticks_of_hidden_and_empty_values_go_back_as_they_are) {
  pf::FilterMenu menu;
  menu.commands.AppendMenu(pf::MF_STRING, 41, "&Clear Filter");
  menu.commands.AppendMenu(pf::MF_SEPARATOR);
  menu.commands.AppendMenu(pf::MF_STRING, kApply, "OK");
  menu.nApplyCommand = kApply;
  menu.values = {"", "Alpha", "beta", "Gamma"};
  QStringList shownWhileSearching;
  WhenMenuUp([&shownWhileSearching](QWidget* popup) {
    auto* list = popup->findChild<QListWidget*>();
    auto* search = popup->findChild<QLineEdit*>();
    ASSERT_TRUE(list && search);
    EXPECT_EQ(search->placeholderText(), QStringLiteral("Search"));
    QTest::keyClicks(search, QStringLiteral("ET"));
    for (int i = 0; i < list->count(); ++i)
      if (!list->item(i)->isHidden()) shownWhileSearching << list->item(i)->text();
    Row(*list, QStringLiteral("beta"))->setCheckState(Qt::Checked);
    search->setText(QStringLiteral("empty"));
    Row(*list, QStringLiteral("(empty)"))->setCheckState(Qt::Checked);
    QTest::mouseClick(popup->findChild<QPushButton*>(), Qt::LeftButton);
  });

  const pf::FilterMenuAnswer answer = orv::ui::ShowFilterMenu(menu, nullptr, QPoint(10, 10));

  EXPECT_EQ(shownWhileSearching, (QStringList{QStringLiteral("(All)"), QStringLiteral("beta")}));
  EXPECT_EQ(answer.command, kApply);
  EXPECT_FALSE(answer.bAll);
  EXPECT_EQ(answer.ticked, (std::vector<std::string>{"", "beta"})) << "a value the search hid keeps its tick";
}

}  // namespace
