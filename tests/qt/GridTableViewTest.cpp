#include "host/platform/Application.h"
#include "host/platform/GridCtrlModel.h"
#include "host/platform/GridSelectMode.h"
#include "ui/qt/GridHeaderView.h"
#include "ui/qt/GridTableModel.h"
#include "ui/qt/GridTableView.h"

#include <QImage>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

namespace pf = orv::platform;
using orv::ui::GridTableView;

// A virtual grid whose cells say where they are: odd rows red, even rows blue.
class CountingGrid final : public pf::GridCtrlModel {
 public:
  CountingGrid(int rows, int columns) {
    for (int c = 0; c < columns; ++c) InsertColumn(-1, "C" + std::to_string(c), 80);
    EnableVirtualMode([this](pf::DispInfo& info) {
      ++calls;
      info.value.SetText("r" + std::to_string(info.item.nRow) + "c" + std::to_string(info.item.nCol) +
                         (info.item.nRow == changedRow ? changedText : ""));
      info.SetTextColor(info.item.nRow % 2 ? 0x0000FF : 0xFF0000);
      return true;
    });
    SetVirtualRows(rows);
  }
  void OnHeaderMenuButtonClick(int col) override { menuColumns.push_back(col); }

  int calls = 0;
  int changedRow = -1;
  std::string changedText;
  std::vector<int> menuColumns;
};

class GridView : public ::testing::Test {
 protected:
  void Show(int rows, int columns = 30) {
    grid = std::make_unique<CountingGrid>(rows, columns);
    view = std::make_unique<GridTableView>(*grid);
    view->resize(400, 300);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  }
  QPoint CellCentre(int row, int modelColumn) const {
    return view->visualRect(view->Model().index(row, modelColumn)).center();
  }
  void Click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, CellCentre(row, 1));
  }
  QPoint HeaderCentre(int modelColumn) const {
    const auto& header = view->Header();
    return {header.sectionViewportPosition(modelColumn) + header.sectionSize(modelColumn) / 3, header.height() / 2};
  }

  pf::Application app;
  pf::ApplicationScope scope{app};
  std::unique_ptr<CountingGrid> grid;
  std::unique_ptr<GridTableView> view;
};

TEST_F(GridView, a_paint_of_a_million_row_grid_asks_only_for_the_visible_cells) {
  Show(1000000);
  ASSERT_EQ(view->Model().rowCount(), 1000000);
  grid->calls = 0;
  grid->EmptyCellCache();  // the view checks what it shows, then paints from the cache
  view->viewport()->repaint();

  const int visibleRows = view->viewport()->height() / view->RowPixels() + 1;
  int visibleColumns = 0;
  for (int c = 0; c < view->Model().columnCount(); ++c)
    if (view->Header().sectionViewportPosition(c) < view->viewport()->width()) ++visibleColumns;
  EXPECT_GT(grid->calls, 0);
  EXPECT_LE(grid->calls, visibleRows * visibleColumns);
  EXPECT_LT(visibleRows * visibleColumns, 200) << "the viewport shows a few rows, not the grid";
}

TEST_F(GridView, a_refresh_repaints_only_when_the_cells_on_screen_changed) {
  Show(100000);
  QTest::qWait(30);
  auto refresh = [this](int rows) {  // what the module's refresh tick asks of its grid
    grid->SetVirtualRows(rows);
    grid->EmptyCellCache();
    grid->AdjustLayout();
    grid->RedrawWindow();
    QTest::qWait(30);
  };
  const std::uint64_t settled = view->PaintCount();
  refresh(100010);  // rows appended far below, a row changed off screen
  grid->changedRow = 5000;
  grid->changedText = "+";
  refresh(99990);
  QTest::qWait(GridTableView::kScrollRangeDelayMs + 50);
  EXPECT_EQ(view->PaintCount(), settled);
  EXPECT_EQ(view->verticalScrollBar()->maximum() + view->ViewportRows(), 99990) << "the scroll range follows";

  grid->changedRow = 2;  // a shown cell's text
  refresh(99990);
  const std::uint64_t afterText = view->PaintCount();
  EXPECT_GT(afterText, settled);

  refresh(3);  // the rows shrink into view
  EXPECT_GT(view->PaintCount(), afterText);
  const std::uint64_t afterShrink = view->PaintCount();
  grid->SetColumnWidth(0, 120);  // a change the cells do not show repaints by itself
  QTest::qWait(30);
  EXPECT_GT(view->PaintCount(), afterShrink);

  const QImage header = view->Header().grab().toImage();
  grid->RedrawWindow();
  QTest::qWait(30);
  EXPECT_FALSE(view->Header().MarksChanged()) << "a redraw that changed nothing leaves the header";
  grid->ToggleSortColumn(1);
  grid->RedrawWindow();
  QTest::qWait(30);
  EXPECT_NE(view->Header().grab().toImage(), header) << "the sort mark shows";
}

// Counts the paint events a widget gets.
class PaintCounter final : public QObject {
 public:
  explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST_F(GridView, the_scroll_bar_repaints_only_when_its_slider_moves_or_an_end_is_reached_or_left) {
  Show(1000000);
  QScrollBar& bar = *view->verticalScrollBar();
  grid->EnsureVisible(100);  // off the top: the arrow's look is settled
  QTest::qWait(30);
  PaintCounter counter(bar);
  auto refresh = [this](int rows) {
    grid->SetVirtualRows(rows);
    grid->RedrawWindow();
    QTest::qWait(GridTableView::kScrollRangeDelayMs + 50);
  };
  refresh(1000040);  // changes of tens of rows in a million do not move the slider by a pixel
  grid->EnsureVisible(140);
  QTest::qWait(30);
  EXPECT_EQ(bar.maximum() + view->ViewportRows(), 1000040) << "the range follows all the same";
  EXPECT_EQ(bar.value(), grid->GetTopVisibleRow());
  EXPECT_EQ(counter.paints, 0);

  grid->EnsureVisible(600000);  // the slider moves
  QTest::qWait(30);
  EXPECT_EQ(bar.value(), grid->GetTopVisibleRow());
  EXPECT_GT(counter.paints, 0);

  const int beforeEnd = counter.paints;
  grid->EnsureVisible(1000039);  // at the end, the arrow's look changes
  QTest::qWait(30);
  EXPECT_GT(counter.paints, beforeEnd);

  const int beforeShrink = counter.paints;
  refresh(200);  // a longer slider
  EXPECT_GT(counter.paints, beforeShrink);
  EXPECT_EQ(bar.maximum() + view->ViewportRows(), 200);

  refresh(3);  // the bar goes when every row fits, and comes back when they no longer do
  EXPECT_FALSE(bar.isVisible());
  refresh(500);
  EXPECT_TRUE(bar.isVisible());
  EXPECT_EQ(bar.maximum() + view->ViewportRows(), 500);
}

TEST_F(GridView, shows_the_texts_and_side_colours_the_cell_callback_gives) {
  Show(50, 6);
  const auto& model = view->Model();
  EXPECT_EQ(model.data(model.index(3, 1)).toString(), QStringLiteral("r3c1"));
  EXPECT_EQ(model.data(model.index(3, 1), Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
  EXPECT_EQ(model.data(model.index(2, 1), Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
  EXPECT_EQ(model.headerData(4, Qt::Horizontal).toString(), QStringLiteral("C4"));

  const QImage image = view->viewport()->grab().toImage();
  auto count = [&image](const QRect& rect, auto test) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
      for (int x = rect.left(); x <= rect.right(); ++x) n += test(QColor(image.pixel(x, y))) ? 1 : 0;
    return n;
  };
  auto reddish = [](const QColor& c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; };
  auto bluish = [](const QColor& c) { return c.blue() > 150 && c.red() < 90 && c.green() < 90; };
  const QRect odd = view->visualRect(model.index(3, 1));
  const QRect even = view->visualRect(model.index(2, 1));
  EXPECT_GT(count(odd, reddish), 0);
  EXPECT_EQ(count(odd, bluish), 0);
  EXPECT_GT(count(even, bluish), 0);
  EXPECT_EQ(count(even, reddish), 0);
}

TEST_F(GridView, selection_current_cell_and_scroll_follow_the_grid) {
  Show(10000);
  grid->SetCurSel({4, 2}, pf::kSelSingleItem);
  EXPECT_TRUE(view->selectionModel()->isRowSelected(4, {}));
  EXPECT_EQ(view->currentIndex().row(), 4);
  EXPECT_EQ(view->currentIndex().column(), 2);

  grid->EnsureVisible(5000);
  EXPECT_GT(grid->GetTopVisibleRow(), 4000);
  EXPECT_EQ(view->verticalScrollBar()->value(), grid->GetTopVisibleRow());
  EXPECT_EQ(view->indexAt(QPoint(5, 5)).row(), grid->GetTopVisibleRow());

  grid->SetCurSel({-1, -1});
  EXPECT_FALSE(view->selectionModel()->hasSelection());
  EXPECT_FALSE(view->currentIndex().isValid());
}

TEST_F(GridView, clicks_select_through_the_grid_starting_adding_and_stretching_groups) {
  Show(100);
  Click(2);
  ASSERT_EQ(grid->GetSelectionCount(), 1);
  EXPECT_EQ(grid->GetSelectionRanges()[0].m_nTop, 2);

  Click(5, Qt::ControlModifier);
  ASSERT_EQ(grid->GetSelectionCount(), 2);

  Click(7, Qt::ShiftModifier);
  ASSERT_EQ(grid->GetSelectionCount(), 2);
  EXPECT_EQ(grid->GetSelectionRanges()[1].m_nTop, 5);
  EXPECT_EQ(grid->GetSelectionRanges()[1].m_nBottom, 7);
  EXPECT_EQ(grid->GetCurSelItemID().m_nRow, 7);
  for (int row : {2, 5, 6, 7}) EXPECT_TRUE(view->selectionModel()->isRowSelected(row, {})) << row;
  EXPECT_FALSE(view->selectionModel()->isRowSelected(3, {}));
}

TEST_F(GridView, a_header_click_cycles_the_sort_mark_and_a_filter_button_opens_the_header_menu) {
  Show(100, 8);
  QTest::mouseClick(view->Header().viewport(), Qt::LeftButton, {}, HeaderCentre(1));
  EXPECT_EQ(grid->GetColumnState(1), 1);

  grid->EnableColumnFilterButton(2, true);
  const QRect button = view->Header().FilterButtonRect(2);
  ASSERT_FALSE(button.isEmpty());
  QTest::mouseClick(view->Header().viewport(), Qt::LeftButton, {}, button.center());
  EXPECT_EQ(grid->menuColumns, std::vector<int>{2});
  EXPECT_EQ(grid->GetColumnState(2), 0) << "the button does not sort";
}

TEST_F(GridView, hidden_columns_leave_the_model_and_row_count_changes_keep_the_mapping) {
  Show(100, 5);
  grid->SetColumnVisible(1, false);
  EXPECT_EQ(view->Model().columnCount(), 4);
  EXPECT_EQ(view->Model().ColumnId(1), 2);
  EXPECT_EQ(view->Model().ModelColumn(1), -1);
  grid->SetVirtualRows(40);
  EXPECT_EQ(view->Model().rowCount(), 40);
  grid->SetVirtualRows(70);
  EXPECT_EQ(view->Model().rowCount(), 70);
  EXPECT_EQ(view->Model().data(view->Model().index(69, 1)).toString(), QStringLiteral("r69c2"));
}

}  // namespace
