#include "actions/GridExportProgress.h"
#include "actions/SlicedWork.h"
#include "filterbar/OrderBookFilter.h"
#include "host/GeneralXmlSettings.h"
#include "host/ScratchFolder.h"
#include "host/platform/Application.h"
#include "support/HostReset.h"
#include "ui/qt/FilterBarWidget.h"
#include "ui/qt/GridTableModel.h"
#include "ui/qt/GridTableView.h"
#include "ui/qt/ModifyOrderDialog.h"
#include "ui/qt/OrderBookDock.h"
#include "ui/qt/QtEventLoopDriver.h"
#include "ui/qt/TerminalHost.h"
#include "ui/qt/TerminalOptions.h"
#include "ui/qt/TerminalWindow.h"
#include "view/ColumnCatalogue.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

namespace pf = orv::platform;
using orv::ui::TerminalOptions;

TerminalOptions Parse(std::vector<std::string> args, std::string* error = nullptr) {
  TerminalOptions options;
  std::string message;
  bool help = false;
  const bool ok = orv::ui::ParseTerminalOptions(args, options, message, help);
  if (error) *error = ok ? std::string() : message;
  return options;
}

TEST(TerminalOptionsParsing, reads_the_flow_the_run_and_the_folders) {
  const TerminalOptions o = Parse({"--orders", "1000000", "--rate", "1000", "--seed", "9", "--seconds", "10", "--measure",
                                   "--screenshot", "out/t.png", "--data", "d", "--rows", "5", "--sort", "Price,Client",
                                   "--filter-bars", "--gtd-filter", "B_S=BUY", "--gtd-filter", "Order_Status=Pending,UnConfirmed"});
  EXPECT_EQ(o.orders, 1000000);
  EXPECT_DOUBLE_EQ(o.rate, 1000.0);
  EXPECT_EQ(o.seed, 9u);
  EXPECT_DOUBLE_EQ(o.seconds, 10.0);
  EXPECT_TRUE(o.measure);
  EXPECT_EQ(o.screenshot, "out/t.png");
  EXPECT_EQ(o.dataFolder, "d");
  EXPECT_EQ(o.topRows, 5);
  EXPECT_EQ(o.sortColumns, (std::vector<std::string>{"Price", "Client"}));
  EXPECT_TRUE(o.filterBars);
  ASSERT_EQ(o.gtdFilters.size(), 2u);
  EXPECT_EQ(o.gtdFilters[1].column, "Order_Status");
  EXPECT_EQ(o.gtdFilters[1].values, (std::vector<std::string>{"Pending", "UnConfirmed"}));
}

TEST(TerminalOptionsParsing, refuses_unknown_options_missing_values_and_values_out_of_range) {
  std::string error;
  Parse({"--colour"}, &error);
  EXPECT_EQ(error, "unknown option --colour (try --help)");
  Parse({"--rate"}, &error);
  EXPECT_EQ(error, "--rate needs a value");
  Parse({"--orders", "-5"}, &error);
  EXPECT_NE(error.find("--orders takes a whole number"), std::string::npos);
  Parse({"--orders", "12abc"}, &error);
  EXPECT_FALSE(error.empty());
  Parse({"--rate", "nan"}, &error);
  EXPECT_FALSE(error.empty());
  Parse({"--seconds", "1e9"}, &error);
  EXPECT_FALSE(error.empty());
  for (const char* list : {"", "Price,", ",Price", "Price,,Client"}) {
    Parse({"--sort", list}, &error);
    EXPECT_NE(error.find("--sort takes column headers"), std::string::npos) << '"' << list << '"';
  }
  for (const char* filter : {"B_S", "=BUY", "B_S="}) {
    Parse({"--gtd-filter", filter}, &error);
    EXPECT_NE(error.find("--gtd-filter takes HEADER=VALUE"), std::string::npos) << '"' << filter << '"';
  }
}

// A window of the toolkit stand-in that records what the loop delivers.
class Recorder final : public pf::Window {
 public:
  using pf::Window::Window;
  void OnTimer(pf::UINT_PTR id) override { timers.push_back(id); }
  pf::LRESULT OnMessage(unsigned msg, pf::WPARAM, pf::LPARAM) override {
    messages.push_back(msg);
    return 0;
  }
  std::vector<pf::UINT_PTR> timers;
  std::vector<unsigned> messages;
};

TEST(QtEventLoopDriving, timers_and_posts_are_delivered_by_qt_in_real_time_never_inline) {
  pf::Application app;
  pf::ApplicationScope scope(app);
  Recorder window;
  window.CreateNative(nullptr);
  orv::ui::QtEventLoopDriver driver(app.Loop());
  int afterDelivery = 0;
  driver.SetAfterDelivery([&afterDelivery] { ++afterDelivery; });
  driver.Start();

  window.SetTimer(7, 60);
  window.PostMessage(1234);
  EXPECT_TRUE(window.messages.empty()) << "a post is never delivered inside the call";
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.messages.empty(); }, 1000));
  EXPECT_TRUE(window.timers.empty()) << "the timer is not due yet";
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.timers.empty(); }, 2000));
  EXPECT_EQ(window.timers, std::vector<pf::UINT_PTR>{7});
  EXPECT_GE(app.Loop().nowMs(), 60);
  EXPECT_GT(afterDelivery, 0);

  driver.Stop();
  window.PostMessage(99);
  QTest::qWait(30);
  EXPECT_EQ(window.messages, std::vector<unsigned>{1234}) << "a stopped driver delivers nothing";
}

class Terminal : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetHostForTest();
    options.orders = 300;
    options.rate = 0;
    options.dataFolder = (scratch / "data").string();
    options.offscreen = true;
  }
  void TearDown() override { ResetHostForTest(); }

  // The window over a started host, shown and begun as orvterm's main does it.
  static void Open(orv::ui::TerminalWindow& window) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.Begin();
  }

  ScratchFolder scratch{"orvterm"};
  TerminalOptions options;
  pf::Application app;
  pf::ApplicationScope scope{app};
};

TEST_F(Terminal, saved_filters_and_the_bar_come_back_after_a_restart_and_the_title_follows_f3) {
  constexpr int kSideCombo = 7340, kSaveFilterBox = 7362;
  {
    orv::ui::TerminalHost host(app, options);
    host.Start();
    orv::ui::TerminalWindow window(host);
    ASSERT_NO_FATAL_FAILURE(Open(window));
    orv::ui::OrderBookDock& dock = window.PendingDock();
    dock.View().setFocus();
    QTest::keyClick(&dock.View(), Qt::Key_S, Qt::ShiftModifier);  // the filter bar
    ASSERT_TRUE(QTest::qWaitFor([&] { return dock.FilterFrame().isVisible(); }, 2000));
    auto* save = qobject_cast<QCheckBox*>(dock.FilterBar()->WidgetOf(kSaveFilterBox));
    auto* side = qobject_cast<QComboBox*>(dock.FilterBar()->WidgetOf(kSideCombo));
    ASSERT_TRUE(save && side);
    save->click();
    side->setFocus();
    QTest::keyClick(side, Qt::Key_Down);
    QTest::keyClick(side, Qt::Key_Down);  // All -> BUY -> SELL
    ASSERT_EQ(host.Pending().GetFilterBar()->m_cmbBuySell.GetWindowText(), "SELL");

    // F3 narrows the grid to the selected row's contract and the dock's title names it.
    QTest::qWait(100);
    dock.View().setFocus();
    host.Pending().GetGrid()->SetCurSel({0, 0}, pf::kSelSingleRow, true);
    QTest::keyClick(&dock.View(), Qt::Key_F3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dock.windowTitle().contains(QStringLiteral("All Scrips")); }, 2000))
        << dock.windowTitle().toStdString();
    EXPECT_NE(host.Pending().GetGrid()->FindFilter(COL_lOurToken), nullptr);

    // The host's F3 from the View menu: all scrips, then the selected row's contract.
    auto* hostF3 = window.findChild<QAction*>(dock.objectName() + QStringLiteral("HostF3"));
    ASSERT_NE(hostF3, nullptr);
    hostF3->trigger();
    EXPECT_EQ(dock.windowTitle(), QStringLiteral("Pending Orders Of All Scrips All Orders"));
    hostF3->trigger();
    EXPECT_TRUE(dock.windowTitle().startsWith(QStringLiteral("Pending Orders ("))) << dock.windowTitle().toStdString();
  }  // the terminal quits

  orv::ui::TerminalHost host(app, options);
  host.Start();
  orv::ui::TerminalWindow window(host);
  ASSERT_NO_FATAL_FAILURE(Open(window));
  OrderBookGrid& grid = *host.Pending().GetGrid();
  ASSERT_NE(grid.FindFilter(COL_B_S), nullptr);
  EXPECT_EQ(grid.FindFilter(COL_B_S)->lstValues, std::vector<std::string>{"SELL"});
  EXPECT_EQ(grid.FindFilter(COL_lOurToken), nullptr) << "a token filter is not kept";
  orv::ui::OrderBookDock& dock = window.PendingDock();
  dock.View().setFocus();
  QTest::keyClick(&dock.View(), Qt::Key_S, Qt::ShiftModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return dock.FilterFrame().isVisible(); }, 2000));
  auto* save = qobject_cast<QCheckBox*>(dock.FilterBar()->WidgetOf(kSaveFilterBox));
  auto* side = qobject_cast<QComboBox*>(dock.FilterBar()->WidgetOf(kSideCombo));
  ASSERT_TRUE(save && side);
  EXPECT_TRUE(save->isChecked());
  EXPECT_EQ(side->currentText(), QStringLiteral("SELL"));
  EXPECT_FALSE(dock.windowTitle().contains(QLatin1Char('('))) << "no contract: " << dock.windowTitle().toStdString();
}

TEST_F(Terminal, a_settings_file_it_could_neither_read_nor_keep_aside_is_left_as_it_was_on_exit) {
  const std::filesystem::path file = scratch / "data" / "GeneralSettings.xml";
  std::filesystem::create_directories(scratch / "data" / "GeneralSettings.xml.corrupt" / "taken");
  std::ofstream(file) << "<GeneralSettings><FollowSelectedOrder>1";
  {
    orv::ui::TerminalHost host(app, options);
    host.Start();
    EXPECT_NE(host.SettingsStatus().find("unreadable"), std::string::npos) << host.SettingsStatus();
    host.Pending().GetGrid()->OnOrderBookSavefilter();  // a save the window asks for
  }
  std::ifstream in(file);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "<GeneralSettings><FollowSelectedOrder>1");
}

// The settings saved on exit are read back by the restart case above.
TEST_F(Terminal, the_host_starts_both_windows_and_delete_on_a_selected_order_cancels_it_after_a_yes) {
  orv::ui::TerminalHost host(app, options);
  host.Start();
  EXPECT_TRUE(host.Pending().IsVisible() && host.Gtd().IsVisible());
  EXPECT_FALSE(AppOrderBook::vctAllGTDOrderBook.empty());
  EXPECT_TRUE(std::filesystem::is_directory(host.DataFolder() / "Logs"));
  EXPECT_EQ(OrvStorageEnvironment::CustomAppPath, host.DataFolder().string());
  app.Loop().advance(60);
  OrderBookGrid& grid = *host.Pending().GetGrid();
  int row = 0;
  while (row < grid.GetVirtualRowCount() &&
         (grid.RecordAtRow(row)->eOrderStatus != ePending || grid.RecordAtRow(row)->eOrderLeg != eNormalLeg))
    ++row;
  ASSERT_LT(row, grid.GetVirtualRowCount());
  OrderBookDetails* order = grid.RecordAtRow(row);
  grid.SetCurSel({row, 0}, pf::kSelSingleRow, true);

  app.MessageBoxes().QueueAnswer(pf::IDYES);
  pf::MSG key{&grid, pf::WM_KEYDOWN, static_cast<pf::WPARAM>(pf::VK_DELETE), 0};
  EXPECT_TRUE(grid.PreTranslateMessage(&key));
  ASSERT_FALSE(app.MainWindow().Posted().empty());
  const pf::PostedMessage posted = app.MainWindow().Posted().back();
  EXPECT_EQ(posted.msg, static_cast<unsigned>(kMsgPendingCancel));
  // The terminal's main window hands what the module posts to the host.
  host.Handle(posted);
  app.Loop().advance(300);
  EXPECT_EQ(order->eOrderStatus, eCancelled);
  app.Loop().advance(60);
  for (int r = 0; r < grid.GetVirtualRowCount(); ++r) EXPECT_NE(grid.RecordAtRow(r), order) << "gone from the view";
}

TEST_F(Terminal, a_cancel_all_in_slices_lets_qt_run_between_them_and_sends_each_order_shown_once) {
  options.orders = 3000;
  orv::ui::TerminalHost host(app, options);
  host.Start();
  app.Loop().advance(60);
  OrderBookWnd& wnd = host.Pending();
  OrderBookGrid& grid = *wnd.GetGrid();
  std::size_t open = 0;
  for (int r = 0; r < grid.GetVirtualRowCount(); ++r)
    open += grid.RecordAtRow(r)->eOrderStatus == ePending && grid.RecordAtRow(r)->eOrderLeg == eNormalLeg;
  ASSERT_GT(open, 1000u);
  // Slices of 200 rows: the pass needs many passes of the terminal's loop.
  SlicedWork::SetRowsPerSlice(200);
  struct Restore {
    ~Restore() { SlicedWork::SetRowsPerSlice(0); }
  } restore;
  orv::ui::QtEventLoopDriver driver(app.Loop());
  driver.Start();
  std::vector<std::string> asked;
  std::uint64_t passesAtQuestion = 0;
  app.MessageBoxes().SetAnswerer([&](const std::string& text, const std::string&, unsigned) {
    asked.push_back(text);
    passesAtQuestion = driver.Passes();
    return pf::IDYES;
  });
  const std::uint64_t passesBefore = driver.Passes();

  app.Keys().SetShift(true);
  pf::MSG key{&grid, pf::WM_KEYDOWN, static_cast<pf::WPARAM>(pf::VK_F3), 0};
  EXPECT_TRUE(grid.PreTranslateMessage(&key));
  app.Keys().SetShift(false);
  EXPECT_TRUE(asked.empty()) << "the key press hands the terminal back before the pass has asked";
  EXPECT_TRUE(wnd.IsCancelPassRunning());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !wnd.IsCancelPassRunning() && wnd.HandBacksQueued() == 0; }, 10000));
  driver.Stop();
  app.MessageBoxes().SetAnswerer(nullptr);

  EXPECT_EQ(asked, (std::vector<std::string>{"Sure To Cancel All the Order/s ?"}));
  EXPECT_GT(passesAtQuestion, passesBefore + 5) << "Qt ran between the slices";
  EXPECT_GE(host.WindowCancelsSent(), open) << "each shown open order once (spread orders go their own way)";
  EXPECT_EQ(host.WindowCancelsRefused(), 0u) << "no order twice";
}

TEST_F(Terminal, window_requests_open_a_small_window_and_a_log_off_shows_a_line) {
  orv::ui::TerminalHost host(app, options);
  host.Start();
  WindowPassing request;
  request.nRequestFrom = 10005;
  request.nRequestId = 10023;
  orv::ui::HostAction trades = host.Handle({kMsgWindowPassing, reinterpret_cast<pf::WPARAM>(&request), 0, 0});
  EXPECT_EQ(trades.windowTitle, "Trades");
  EXPECT_EQ(trades.statusLine, "Trades requested from Pending Orders");

  request.nRequestId = 5902;
  request.nRequestFrom = 50093;
  orv::ui::HostAction logOff = host.HandleRequest(request);
  EXPECT_TRUE(logOff.windowTitle.empty());
  EXPECT_EQ(logOff.statusLine, "Log off requested from GTD Order Book");

  AppGlobal::m_objSingleOrderDetail.set<std::uint32_t>(0, 17);
  AppGlobal::m_objSingleOrderDetail.setText(4, 12, "NIFTY");
  orv::ui::HostAction history = host.Handle({kMsgSingleOrderHistory, 0, 0, 0});
  EXPECT_EQ(history.windowTitle, "Order History");
  EXPECT_NE(history.windowText.find("Order 17"), std::string::npos);
  EXPECT_NE(history.windowText.find("NIFTY"), std::string::npos);
}

TEST_F(Terminal, the_window_runs_the_live_books_and_prints_the_top_rows) {
  options.rate = 300;
  orv::ui::TerminalHost host(app, options);
  host.Start();
  orv::ui::TerminalWindow window(host);
  ASSERT_NO_FATAL_FAILURE(Open(window));

  EXPECT_TRUE(QTest::qWaitFor([&] { return host.Exchange().Counters().confirmations > 5; }, 3000));
  QTest::qWait(100);
  const OrderBookGrid& grid = *host.Pending().GetGrid();
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.PendingDock().View().Model().rowCount() == grid.GetVirtualRowCount(); }, 2000))
      << "the view follows the grid's row count";
  EXPECT_GT(window.PendingDock().View().PaintCount(), 0u);

  const std::string text = window.TopRowsText(3);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4) << text;
  EXPECT_EQ(text.rfind("OrvelClientId", 0), 0u) << text;
  EXPECT_FALSE(window.grab().isNull());
}

TEST_F(Terminal, a_scrolled_grid_stays_on_the_orders_it_shows_while_orders_flow_unless_told_to_follow) {
  options.orders = 100000;
  options.rate = 400;
  orv::ui::TerminalHost host(app, options);
  host.Start();
  orv::ui::TerminalWindow window(host);
  ASSERT_NO_FATAL_FAILURE(Open(window));
  OrderBookGrid& grid = *host.Pending().GetGrid();
  ASSERT_TRUE(QTest::qWaitFor([&] { return grid.GetVirtualRowCount() > 20000; }, 5000));
  EXPECT_FALSE(orv::ui::TerminalHost::FollowsSelectedOrder()) << "the terminal's default";
  grid.SetCurSel({3, 0}, pf::kSelSingleRow, true);

  // The user drags the scroll bar far from the selected row.
  QScrollBar* bar = window.PendingDock().View().verticalScrollBar();
  bar->setValue(15000);
  QTest::qWait(20);
  const OrderBookDetails* top = grid.RecordAtRow(grid.GetTopVisibleRow());
  ASSERT_NE(top, nullptr);
  const std::uint64_t confirmations = host.Exchange().Counters().confirmations;
  EXPECT_TRUE(QTest::qWaitFor([&] { return host.Exchange().Counters().confirmations > confirmations + 30; }, 5000));
  QTest::qWait(300);  // several refresh ticks
  EXPECT_EQ(grid.RecordAtRow(grid.GetTopVisibleRow()), top) << "the view kept its orders";
  EXPECT_GT(bar->value(), 10000) << "no jump back to the selected row";

  auto* follow = window.findChild<QAction*>(QStringLiteral("followSelectedOrder"));
  ASSERT_NE(follow, nullptr);
  follow->trigger();
  EXPECT_TRUE(QTest::qWaitFor([&] { return bar->value() < 100; }, 3000)) << "following brings the selection back";
  EXPECT_TRUE(host.SaveSettings());
  GeneralXmlSettings saved;
  saved.Load(host.DataFolder() / "GeneralSettings.xml");
  EXPECT_EQ(saved.iFollowSelectedOrder, 1);
}

TEST_F(Terminal, the_window_is_up_with_a_progress_bar_while_the_books_are_built) {
  orv::ui::TerminalHost host(app, options);
  orv::ui::TerminalWindow window(host);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  bool seen = false;
  QString line;
  bool bar = false;
  bool booksComplete = true;
  // Runs at the build's first look at the event loop.
  QTimer::singleShot(0, &window, [&] {
    seen = window.isVisible();
    line = window.HostStatusLine();
    const auto* progress = window.findChild<QProgressBar*>();
    bar = progress && progress->isVisible();
    booksComplete = !AppOrderBook::vctAllGTDOrderBook.empty();
  });

  window.StartHost();

  EXPECT_TRUE(seen);
  EXPECT_EQ(line, QStringLiteral("Building the demo book\u2026"));
  EXPECT_TRUE(bar);
  EXPECT_FALSE(booksComplete);
  EXPECT_FALSE(window.findChild<QProgressBar*>()->isVisible());
  EXPECT_TRUE(host.IsStarted());
  EXPECT_TRUE(window.PendingDock().isVisible());
}

TEST_F(Terminal, an_export_offers_a_named_file_shows_its_progress_and_says_how_it_ended) {
  orv::ui::TerminalHost host(app, options);
  host.Start();
  orv::ui::TerminalWindow window(host);
  ASSERT_NO_FATAL_FAILURE(Open(window));
  OrderBookGrid& grid = *host.Pending().GetGrid();
  ASSERT_TRUE(QTest::qWaitFor([&] { return grid.GetVirtualRowCount() > 0; }, 3000));
  const std::size_t rows = grid.RowVector().size();
  const std::string path = (scratch / "orders.xls").string();
  auto read = [&path] {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  };

  app.FileDialogs().QueueAnswer({pf::IDOK, path});
  grid.OnSavefileExcelfile();
  EXPECT_EQ(app.FileDialogs().Shown().back().request.fileName.rfind("PendingOrders_", 0), 0u);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !grid.IsGridExportRunning(); }, 3000));
  EXPECT_EQ(window.HostStatusLine().toStdString(), "Exported " + GroupedCount(rows) + " rows to " + path);
  const std::string written = read();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the first progress window

  // The Cancel of the progress window drops the new file and keeps the one there.
  app.FileDialogs().QueueAnswer({pf::IDOK, path});
  grid.OnSavefileExcelfile();
  auto* progress = window.findChild<QProgressDialog*>();
  ASSERT_NE(progress, nullptr);
  auto* cancel = progress->findChild<QPushButton*>();
  ASSERT_NE(cancel, nullptr);
  cancel->click();
  EXPECT_FALSE(grid.IsGridExportRunning());
  EXPECT_EQ(window.HostStatusLine().toStdString(), "Export cancelled");
  EXPECT_EQ(read(), written);
}

TEST_F(Terminal, a_user_modifies_two_orders_and_sees_the_new_price_once_the_exchange_confirms) {
  orv::ui::TerminalHost host(app, options);
  host.Start();
  orv::ui::TerminalWindow window(host);
  ASSERT_NO_FATAL_FAILURE(Open(window));
  OrderBookGrid& grid = *host.Pending().GetGrid();
  ASSERT_TRUE(QTest::qWaitFor([&] { return grid.GetVirtualRowCount() > 0; }, 3000));

  // Two working orders of one contract and side, as the same change fits both.
  const OrderBookDetails* model = nullptr;
  for (const OrderBookDetails* r : AppOrderBook::vctDisplayedOrderBook)
    if (r->eOrderStatus == ePending && r->eOrderLeg == eNormalLeg && r->Traded_Qty == 0 && r->pContract) model = r;
  ASSERT_NE(model, nullptr);
  std::vector<OrderBookDetails*> ours;
  for (std::uint32_t ref : {90000001u, 90000002u}) {
    OrderBookDetails order = *model;
    order.RefNo = ref;
    order.objOrderEntry.setOurOrderNo(ref);
    order.nDisplayedIndex = OrderBookDetails::kNotDisplayed;
    ours.push_back(AppOrderBook::AddOrder(BookKind::Pending, order));
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return grid.RowOfRecord(ours[1], 0) >= 0 && grid.RowOfRecord(ours[0], 0) >= 0; }, 3000));
  AppGlobal::g_bPendingMultiOrdersModify = 1;
  grid.SetCurSel({grid.RowOfRecord(ours[1], 0), 0}, pf::kSelSingleRow, false);
  grid.SetCurSel({grid.RowOfRecord(ours[0], 0), 0}, pf::kSelRowRangeStart, true);

  auto* modify = window.findChild<QAction*>(QStringLiteral("modifyOrders"));
  ASSERT_NE(modify, nullptr);
  modify->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.ModificationWindow() && window.ModificationWindow()->isVisible(); }, 3000))
      << "the module's 9899 opens the host's modification window";
  orv::ui::ModifyOrderDialog& dialog = *window.ModificationWindow();
  auto* price = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("modifyPrice"));
  auto* quantity = dialog.findChild<QSpinBox*>(QStringLiteral("modifyQuantity"));
  ASSERT_NE(price, nullptr);
  ASSERT_NE(quantity, nullptr);
  EXPECT_DOUBLE_EQ(price->value(), std::round(model->Price * 100) / 100) << "it starts from the first order's values";
  const double newPrice = std::round(model->Price * 100) / 100 + 1.25;
  price->setValue(newPrice);
  quantity->setValue(model->Total_Qty);
  dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  EXPECT_EQ(host.ModificationsSent(), 2u) << "the host's own request and the module's for the other order";
  EXPECT_TRUE(AppOrderBook::vctModification.empty()) << "the host consumed the list";
  EXPECT_EQ(window.HostStatusLine().toStdString(), "Modification sent for 2 of 2 order(s)");

  ASSERT_TRUE(QTest::qWaitFor([&] { return ours[0]->Price == newPrice && ours[1]->Price == newPrice; }, 3000))
      << "the exchange confirms both";
  EXPECT_STREQ(ours[0]->Order_Status, "Modified");
  const orv::ui::GridTableModel& cells = window.PendingDock().View().Model();
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        const int row = grid.RowOfRecord(ours[0], 0);
        // In the contract's own number of decimals.
        return row >= 0 && cells.data(cells.index(row, cells.ModelColumn(COL_Price))).toString().toDouble() == newPrice;
      },
      3000))
      << "the grid shows the new price";

  // The history window lists what the host asked of the order; the trades window reads the row.
  grid.SetCurSel({grid.RowOfRecord(ours[0], 0), 0}, pf::kSelSingleRow, false);
  grid.OnSinglehistory();
  orv::ui::HostAction history = host.Handle({kMsgSingleOrderHistory, 0, 0, 0});
  EXPECT_NE(history.windowText.find("Order 90000001"), std::string::npos);
  EXPECT_NE(history.windowText.find("Modification sent: price"), std::string::npos) << history.windowText;
  grid.OnTrades();
  orv::ui::HostAction trades = host.HandleRequest(AppGlobal::objWindowPassing);
  EXPECT_NE(trades.windowText.find("90000001"), std::string::npos) << trades.windowText;
  EXPECT_NE(trades.windowText.find("No trades yet"), std::string::npos) << trades.windowText;
}

}  // namespace
