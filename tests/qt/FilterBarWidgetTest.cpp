// The filter bar on screen: Shift+S shows it above the grid in real widgets, choosing or typing in
// them filters the grid, and the bar scrolls sideways in a narrow dock.
#include "filterbar/OrderBookFilter.h"
#include "host/platform/Application.h"
#include "host/platform/Menu.h"
#include "support/ViewHarness.h"
#include "ui/qt/CompletionPopup.h"
#include "ui/qt/FilterBarWidget.h"
#include "ui/qt/GridTableModel.h"
#include "ui/qt/GridTableView.h"
#include "ui/qt/OrderBookDock.h"
#include "view/ColumnCatalogue.h"

#include <QContextMenuEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimeEdit>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace {

using orv::ui::FilterBarWidget;
using orv::ui::OrderBookDock;

class FilterBarOnScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    AppGlobal::bNSE_Exchange = AppGlobal::bBSE_Exchange = 1;
    AppGlobal::m_pExchangeList = &exchanges;
    for (std::uint32_t refNo = 1; refNo <= 6; ++refNo) {
      h.AddOrder(BookKind::Pending, refNo, [refNo](OrderBookDetails& r) {
        CopyText(r.B_S, refNo % 2 ? "SELL" : "BUY");
        CopyText(r.OrvelClientId, refNo <= 2 ? "DLR07" : "DLR01");
      });
    }
    h.ShowAllRows();
    dock = std::make_unique<OrderBookDock>(h.PendingWnd(), nullptr);
    dock->resize(1400, 420);
    dock->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dock.get()));
  }
  void TearDown() override { dock.reset(); }

  OrderBookGrid& Grid() { return h.Pending(); }
  OrderBookFilter& Model() { return *h.PendingWnd().GetFilterBar(); }
  FilterBarWidget& Bar() { return *dock->FilterBar(); }
  template <typename W>
  W* Widget(int id) {
    return qobject_cast<W*>(Bar().WidgetOf(id));
  }
  void ShowBarByKey() {
    dock->View().setFocus();
    QTest::keyClick(&dock->View(), Qt::Key_S, Qt::ShiftModifier);
    h.Run();
    QTest::qWait(10);
  }
  int Rows() {
    h.Run();
    dock->SyncFromWindow();
    return dock->View().Model().rowCount();
  }

  std::vector<std::string> exchanges{"NSE", "BSE"};
  ViewHarness h;
  std::unique_ptr<OrderBookDock> dock;
};

TEST_F(FilterBarOnScreen, shift_s_shows_the_bar_in_the_templates_order_with_its_labels_and_focuses_it) {
  ASSERT_NE(dock->FilterBar(), nullptr);
  EXPECT_FALSE(dock->FilterFrame().isVisible());
  ShowBarByKey();
  ASSERT_TRUE(dock->FilterFrame().isVisible());
  auto* exchange = Widget<QComboBox>(7352);
  ASSERT_NE(exchange, nullptr);
  EXPECT_EQ(exchange->count(), 3);
  EXPECT_TRUE(exchange->hasFocus());
  // Each field stands under its label, the labels' mnemonics reach their fields.
  const QList<QLabel*> labels = Bar().findChildren<QLabel*>();
  ASSERT_EQ(labels.size(), 19);
  EXPECT_EQ(labels.front()->text(), QStringLiteral("&Exch"));
  EXPECT_EQ(labels.front()->buddy(), exchange);
  EXPECT_LT(exchange->x(), Widget<QComboBox>(7358)->x());
  EXPECT_LT(Widget<QLineEdit>(7346)->x(), Widget<QTimeEdit>(7363)->x());
  EXPECT_FALSE(Widget<QLineEdit>(7346)->isEnabled());  // the order number is stepped only
  EXPECT_EQ(Widget<QTimeEdit>(7364)->displayFormat(), QStringLiteral("HH:mm:ss"));
  EXPECT_EQ(Bar().WidgetOf(7354), nullptr);  // the hidden Refresh button
}

TEST_F(FilterBarOnScreen, typed_text_is_upper_cased_completed_on_leaving_and_filters) {
  ShowBarByKey();
  auto* user = Widget<QLineEdit>(7342);
  user->setFocus();
  user->selectAll();
  QTest::keyClicks(user, "dlr0");
  EXPECT_EQ(user->text(), QStringLiteral("DLR0"));
  EXPECT_EQ(Model().m_edtUser.GetWindowText(), "DLR0");
  // Tab moves on to the client code: the user edit is left, completed and applied.
  QTest::keyClick(user, Qt::Key_Tab);
  QTest::qWait(10);
  EXPECT_EQ(user->text(), QStringLiteral("DLR01"));
  EXPECT_EQ(Rows(), 4);
  // Leaving the bar for the grid leaves the edit as well.
  auto* client = Widget<QLineEdit>(7344);
  client->setFocus();
  QTest::keyClicks(client, "zz");
  QTest::mouseClick(dock->View().viewport(), Qt::LeftButton, {}, dock->View().visualRect(dock->View().Model().index(0, 1)).center());
  QTest::qWait(10);
  EXPECT_EQ(Grid().FindFilter(COL_Client)->lstValues, std::vector<std::string>{"ZZ"});
  EXPECT_EQ(Rows(), 0);
}

TEST_F(FilterBarOnScreen, a_narrow_dock_scrolls_the_bar_by_the_wheel_unless_shift_or_ctrl_and_to_an_applied_edit) {
  ShowBarByKey();
  dock->resize(420, 420);
  QTest::qWait(20);
  QScrollBar* sideways = Bar().horizontalScrollBar();
  EXPECT_TRUE(sideways->isVisible());
  ASSERT_GT(sideways->maximum(), 0);
  EXPECT_EQ(sideways->value(), 0);
  const int line = std::max((sideways->maximum() - sideways->minimum()) / 10, 1);
  auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
    QWheelEvent event(QPointF(10, 10), QPointF(Bar().mapToGlobal(QPoint(10, 10))), QPoint(), QPoint(0, delta),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Bar().viewport(), &event);
  };
  wheel(-240, Qt::NoModifier);
  EXPECT_EQ(sideways->value(), 2 * line);
  wheel(120, Qt::NoModifier);
  EXPECT_EQ(sideways->value(), line);
  wheel(-120, Qt::ControlModifier);
  wheel(-120, Qt::ShiftModifier);
  EXPECT_EQ(sideways->value(), line);

  sideways->setValue(0);
  Model().OnProductType();  // brings the product type, far right, into view
  QTest::qWait(10);
  EXPECT_GT(sideways->value(), 0);
  EXPECT_FALSE(Widget<QLineEdit>(7351)->visibleRegion().isEmpty());
}

TEST_F(FilterBarOnScreen, the_view_menus_filter_bar_command_shows_and_hides_the_bar) {
  dock->ShowFilterBar(true);
  EXPECT_TRUE(h.PendingWnd().bFilterBarShown);
  EXPECT_TRUE(dock->FilterFrame().isVisible());
  dock->ShowFilterBar(false);
  EXPECT_FALSE(h.PendingWnd().bFilterBarShown);
  EXPECT_FALSE(dock->FilterFrame().isVisible());
}

TEST_F(FilterBarOnScreen, typing_pops_a_list_under_the_edit_and_the_keys_or_a_click_pick_an_entry) {
  ShowBarByKey();
  auto* user = Widget<QLineEdit>(7342);
  user->setFocus();
  user->selectAll();
  QTest::keyClicks(user, "dl");
  orv::ui::CompletionPopup* popup = Bar().PopupOf(7342);
  ASSERT_NE(popup, nullptr);
  ASSERT_TRUE(popup->isVisible());
  ASSERT_EQ(popup->count(), 2);
  EXPECT_EQ(popup->item(0)->text(), QStringLiteral("DLR01"));
  EXPECT_EQ(popup->item(1)->text(), QStringLiteral("DLR07"));
  EXPECT_GE(popup->y(), user->mapToGlobal(QPoint(0, user->height())).y() - 1) << "under the edit";
  EXPECT_TRUE(user->hasFocus()) << "the list leaves the keyboard with the edit";
  // Down and Down highlight the second entry; Enter writes it and closes the list.
  QTest::keyClick(user, Qt::Key_Down);
  QTest::keyClick(user, Qt::Key_Down);
  EXPECT_EQ(popup->currentRow(), 1);
  QTest::keyClick(user, Qt::Key_Return);
  EXPECT_EQ(user->text(), QStringLiteral("DLR07"));
  EXPECT_FALSE(popup->isVisible());

  user->selectAll();
  QTest::keyClicks(user, "dl");
  ASSERT_TRUE(popup->isVisible());
  QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, popup->visualItemRect(popup->item(0)).center());
  EXPECT_EQ(user->text(), QStringLiteral("DLR01"));
  EXPECT_FALSE(popup->isVisible());
  // Escape with the list open closes the list only.
  user->selectAll();
  QTest::keyClicks(user, "dl");
  QTest::keyClick(user, Qt::Key_Escape);
  EXPECT_FALSE(popup->isVisible());
  EXPECT_TRUE(h.PendingWnd().bFilterBarShown);
}

TEST_F(FilterBarOnScreen, up_and_down_step_an_edit_through_the_values_and_escape_hides_the_bar) {
  ShowBarByKey();
  ASSERT_EQ(Rows(), 6);
  auto* user = Widget<QLineEdit>(7342);
  user->setFocus();
  QTest::keyClick(user, Qt::Key_Down);
  EXPECT_EQ(user->text(), QStringLiteral("DLR01"));
  EXPECT_EQ(Rows(), 4);
  QTest::keyClick(user, Qt::Key_Up);
  EXPECT_EQ(user->text(), QStringLiteral("ALL"));
  EXPECT_EQ(Rows(), 6);
  EXPECT_FALSE(Bar().PopupOf(7342)->isVisible()) << "the bar's own writes pop no list";

  QTest::keyClick(Widget<QComboBox>(7340), Qt::Key_Escape);
  h.Run();
  dock->SyncFromWindow();
  EXPECT_FALSE(h.PendingWnd().bFilterBarShown);
  EXPECT_FALSE(dock->FilterFrame().isVisible());
}

TEST_F(FilterBarOnScreen, a_right_click_on_the_bar_opens_its_menu_with_the_order_style_checks) {
  ShowBarByKey();
  Grid().OnQuickFilter(2058);  // Manual only
  const std::size_t before = h.App().PopupMenus().TrackedCount();
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 10), Bar().viewport()->mapToGlobal(QPoint(20, 10)));
  QApplication::sendEvent(Bar().viewport(), &event);
  ASSERT_EQ(h.App().PopupMenus().TrackedCount(), before + 1);
  const orv::platform::Menu& menu = h.App().PopupMenus().Last()->menu;
  ASSERT_NE(menu.FindCommand(2008), nullptr) << "the bar's own menu, with Close";
  EXPECT_EQ(menu.FindCommand(2012), nullptr) << "not the grid's";
  EXPECT_TRUE(menu.FindCommand(2058)->checked);
  EXPECT_TRUE(menu.FindCommand(2058)->grayed);
  EXPECT_FALSE(menu.FindCommand(2056)->checked);
}

}  // namespace
