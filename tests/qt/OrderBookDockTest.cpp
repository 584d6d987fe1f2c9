#include "host/HostMenus.h"
#include "host/platform/MessageBoxService.h"
#include "support/ViewHarness.h"
#include "ui/qt/GridHeaderView.h"
#include "ui/qt/GridTableModel.h"
#include "ui/qt/GridTableView.h"
#include "ui/qt/OrderBookDock.h"
#include "ui/qt/QtPopups.h"
#include "view/ColumnCatalogue.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

namespace pf = orv::platform;
using orv::ui::OrderBookDock;

// Runs `act` once a widget of the kind is up inside the modal loop the next call opens.
void WhenUp(std::function<QWidget*()> find, std::function<void(QWidget*)> act, int triesLeft = 200) {
  QTimer::singleShot(5, [find, act, triesLeft] {
    if (QWidget* w = find(); w && w->isVisible()) act(w);
    else if (triesLeft > 0) WhenUp(find, act, triesLeft - 1);
  });
}

class Dock : public ::testing::Test {
 protected:
  void SetUp() override {
    AppGlobal::g_bLastOrderSelection = 1;
    for (std::uint32_t refNo = 1; refNo <= 30; ++refNo)
      h.AddOrder(BookKind::Pending, refNo, [refNo](OrderBookDetails& r) { CopyText(r.B_S, refNo % 2 ? "SELL" : "BUY"); });
    HostMenus::RegisterHostMenus(h.App().Resources());
    h.Pending();
    h.Run();
    popups = std::make_unique<orv::ui::QtPopups>(h.App(), nullptr);
    popups->SetInteractive(false);
    dock = std::make_unique<OrderBookDock>(h.PendingWnd(), popups.get());
    dock->resize(900, 500);
    dock->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dock.get()));
  }
  void TearDown() override {
    dock.reset();
    popups.reset();
  }

  OrderBookGrid& Grid() { return h.Pending(); }
  orv::ui::GridTableView& View() { return dock->View(); }
  int ModelColumn(int columnId) { return View().Model().ModelColumn(columnId); }
  QPoint CellCentre(int row) { return View().visualRect(View().Model().index(row, 1)).center(); }
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    View().setFocus();
    QTest::keyClick(&View(), key, modifiers);
  }
  std::vector<std::uint32_t> Remembered() const {
    std::vector<std::uint32_t> refs;
    for (const auto& entry : AppOrderBook::LastSelectedRefNo) refs.push_back(entry.RefNo);
    return refs;
  }
  // Clicks the filter button in a column's header and runs `inside` on the filter menu while it
  // is open; the menu is then dismissed.
  void WithFilterMenuOpen(int columnId, std::function<void(QMenu&)> inside) {
    const int section = ModelColumn(columnId);
    View().scrollTo(View().Model().index(0, section));
    QTest::qWait(10);
    const QRect button = View().Header().FilterButtonRect(section);
    ASSERT_FALSE(button.isEmpty());
    popups->SetInteractive(true);
    WhenUp([] { return QApplication::activePopupWidget(); },
           [inside](QWidget* popup) {
             inside(*qobject_cast<QMenu*>(popup));
             popup->close();
           });
    QTest::mouseClick(View().Header().viewport(), Qt::LeftButton, {}, button.center());
  }
  bool PaneShows(const QString& text) const {
    for (const QLabel* label : dock->PaneBar().findChildren<QLabel*>())
      if (label->text() == text) return true;
    return false;
  }

  ViewHarness h;
  std::unique_ptr<orv::ui::QtPopups> popups;
  std::unique_ptr<OrderBookDock> dock;
};

TEST_F(Dock, shows_the_rows_the_grid_has_coloured_by_side_and_the_status_panes) {
  const auto& model = View().Model();
  ASSERT_EQ(model.rowCount(), 30);
  EXPECT_EQ(model.data(model.index(0, ModelColumn(COL_RefNo))).toString(), QStringLiteral("30"));
  EXPECT_EQ(model.data(model.index(0, ModelColumn(COL_B_S))).toString(), QStringLiteral("BUY"));
  EXPECT_EQ(model.data(model.index(0, ModelColumn(COL_B_S)), Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
  EXPECT_EQ(model.data(model.index(1, ModelColumn(COL_B_S)), Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
  EXPECT_TRUE(PaneShows(QStringLiteral("T.O.M.U")));
  EXPECT_EQ(dock->windowTitle(), QStringLiteral("Pending Orders"));
}

TEST_F(Dock, a_click_on_a_row_has_the_effects_of_SetCurSel_160_and_OnLButtonDown) {
  const int floatingBefore = h.PendingWnd().HideFloatingBarRequests();

  QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, CellCentre(3));

  EXPECT_EQ(Grid().GetCurSelItemID().m_nRow, 3);
  EXPECT_EQ(Remembered(), std::vector<std::uint32_t>{27});
  EXPECT_EQ(h.PendingWnd().HideFloatingBarRequests(), floatingBefore + 1);
  EXPECT_TRUE(PaneShows(QStringLiteral("NIFTY"))) << "the status bar totals name the row's contract";
}

TEST_F(Dock, a_key_press_goes_through_the_grid_key_table_like_PreTranslateMessage) {
  ASSERT_TRUE(h.PendingWnd().IsTitleBarShown());
  Press(Qt::Key_T, Qt::ControlModifier);
  EXPECT_FALSE(h.PendingWnd().IsTitleBarShown());
  EXPECT_NE(dock->titleBarWidget(), nullptr) << "the dock hides its title bar with the window's";
}

TEST_F(Dock, the_header_filter_button_opens_the_filter_menu_and_its_ticks_filter_the_rows) {
  const int section = ModelColumn(COL_B_S);
  View().scrollTo(View().Model().index(0, section));
  QTest::qWait(10);
  const QRect button = View().Header().FilterButtonRect(section);
  ASSERT_FALSE(button.isEmpty()) << "the side column has a filter button";
  popups->SetInteractive(true);
  QStringList offered;
  WhenUp([] { return QApplication::activePopupWidget(); },
         [&offered](QWidget* popup) {
           auto* list = popup->findChild<QListWidget*>();
           for (int i = 0; i < list->count(); ++i) offered << list->item(i)->text();
           for (QListWidgetItem* item : list->findItems(QStringLiteral("BUY"), Qt::MatchExactly))
             item->setCheckState(Qt::Unchecked);
           QTest::mouseClick(popup->findChild<QPushButton*>(), Qt::LeftButton);
         });

  QTest::mouseClick(View().Header().viewport(), Qt::LeftButton, {}, button.center());
  h.Run();  // the apply command, then the refresh

  EXPECT_EQ(offered, (QStringList{QStringLiteral("(All)"), QStringLiteral("BUY"), QStringLiteral("SELL")}));
  ASSERT_EQ(View().Model().rowCount(), 15);
  EXPECT_EQ(View().Model().data(View().Model().index(0, section)).toString(), QStringLiteral("SELL"));
}

TEST_F(Dock, the_selection_survives_a_store_update_on_screen) {
  QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, CellCentre(3));
  ASSERT_EQ(Grid().RecordAtRow(3)->RefNo, 27u);

  h.AddOrder(BookKind::Pending, 31);
  h.Run();

  EXPECT_EQ(View().Model().rowCount(), 31);
  EXPECT_EQ(Grid().GetCurSelItemID().m_nRow, 4);
  EXPECT_EQ(View().currentIndex().row(), 4);
  EXPECT_TRUE(View().selectionModel()->isRowSelected(4, {}));
  EXPECT_FALSE(View().selectionModel()->isRowSelected(3, {}));
  EXPECT_EQ(View().Model().data(View().Model().index(4, ModelColumn(COL_RefNo))).toString(), QStringLiteral("27"));

  OrderBookDetails* record = Grid().RecordAtRow(4);
  record->Price = 555.25;
  AppOrderBook::MarkUpdated(BookKind::Pending);
  h.Run();
  EXPECT_EQ(View().currentIndex().row(), 4);
  EXPECT_EQ(View().Model().data(View().Model().index(4, ModelColumn(COL_Price))).toString(), QStringLiteral("555.25"));
}

TEST_F(Dock, message_boxes_are_shown_by_qt_and_their_answers_go_back) {
  GTDOrderBookWnd& gtd = h.GtdWnd();
  h.Run();
  OrderBookDock gtdDock(gtd, popups.get());
  gtdDock.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&gtdDock));
  popups->SetInteractive(true);
  QString shownText;
  WhenUp([] { return QApplication::activeModalWidget(); },
         [&shownText](QWidget* modal) {
           auto* box = qobject_cast<QMessageBox*>(modal);
           shownText = box->text();
           box->button(QMessageBox::Ok)->click();
         });

  gtdDock.View().setFocus();
  QTest::keyClick(&gtdDock.View(), Qt::Key_F2, Qt::ShiftModifier);

  EXPECT_EQ(shownText, QStringLiteral("Modification is not allowed"));
  ASSERT_FALSE(h.App().MessageBoxes().Shown().empty());
  EXPECT_EQ(h.App().MessageBoxes().Shown().back().answer, pf::IDOK);
}

TEST_F(Dock, the_header_filter_menu_offers_one_OK_and_leaves_the_column_unselected) {
  QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, CellCentre(3));
  const int section = ModelColumn(COL_B_S);
  bool columnSelected = true;
  int oks = -1;
  WithFilterMenuOpen(COL_B_S, [&](QMenu& menu) {
    const QItemSelectionModel& selection = *View().selectionModel();
    columnSelected = selection.isColumnSelected(section, {}) || selection.isSelected(View().Model().index(5, section));
    oks = 0;
    for (const QAction* action : menu.actions()) oks += action->text() == QStringLiteral("OK");
    for (const QPushButton* button : menu.findChildren<QPushButton*>()) oks += button->text() == QStringLiteral("OK");
  });
  EXPECT_EQ(oks, 1);
  EXPECT_FALSE(columnSelected);
  EXPECT_TRUE(View().selectionModel()->isRowSelected(3, {})) << "the grid's selection stays as it was";
}

TEST_F(Dock, header_names_sit_beside_their_marks_cut_at_their_end_and_first_widths_show_them_whole) {
  const orv::ui::GridTableModel& model = View().Model();
  orv::ui::GridHeaderView& header = View().Header();
  const QFontMetrics metrics(header.font());
  for (int c = 0; c < model.columnCount(); ++c) {
    const QString name = model.headerData(c, Qt::Horizontal).toString();
    const int button = Grid().IsColumnFilterButton(model.ColumnId(c)) ? orv::ui::GridHeaderView::kFilterButtonWidth : 0;
    EXPECT_GE(header.sectionSize(c), metrics.horizontalAdvance(name) + button) << name.toStdString();
  }

  Grid().SetSortColumn(COL_B_S, true);
  Grid().SetSortColumn(COL_Pending_Qty, false, true);
  const int section = ModelColumn(COL_Pending_Qty);
  header.resizeSection(section, 80);  // narrower than the name, by the user's hand
  h.Run();
  ASSERT_EQ(header.sectionSize(section), 80) << "the user's width stays";
  const orv::ui::GridHeaderView::SectionParts parts = header.PartsOf(section, QRect(0, 0, 80, header.height()));
  ASSERT_FALSE(parts.rank.isEmpty());
  for (const QRect& mark : {parts.rank, parts.arrow, parts.button}) EXPECT_FALSE(parts.label.intersects(mark));
  const QString shown = header.LabelText(section, parts.label);
  EXPECT_TRUE(shown.startsWith(QLatin1Char('P')) && shown.endsWith(QChar(0x2026))) << shown.toStdString();
}

}  // namespace
