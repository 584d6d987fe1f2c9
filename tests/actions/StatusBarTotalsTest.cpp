#include "actions/StatusBarTotals.h"

#include "host/ContractMaster.h"
#include "host/OrvEnumsMethods.h"
#include "host/platform/Application.h"
#include "support/HostReset.h"
#include "view/GTDOrderBookGrid.h"
#include "view/GTDOrderBookWnd.h"
#include "view/OrvPendingOrdersGrid.h"
#include "view/OrvPendingOrdersWnd.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kNifty = 102000001;
constexpr std::int32_t kBank = 102000002;
constexpr std::int32_t kUnknown = 101999999;  // not in the contract master

struct Order {
  std::int32_t token = kNifty;
  const char* side = "BUY";
  std::int32_t qty = 0;
  double price = 0.0;
  OrderStatusIdentifier status = ePending;
  ScriptDesc* contract = nullptr;
};

class StatusBarTotals_ : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetHostForTest();
    m_nifty = AddContract(kNifty, 100, 1.0, "%.2f");
    m_bank = AddContract(kBank, 25, 1.0, "%.2f");
    InstallContractMaster(&m_master);
    Build(ViewVariant::Pending);
  }
  void TearDown() override {
    m_grid.reset();
    m_wnd.reset();
    ResetHostForTest();
    InstallContractMaster(nullptr);
  }

  ScriptDesc* AddContract(std::int32_t token, std::int32_t lot, double multiplier, const char* format) {
    ScriptDesc d;
    d.lToken = token;
    CopyText(d.Symbol_ScriptID, "SYM");
    d.lLotSize = lot;
    d.dMultiplier = multiplier;
    CopyText(d.cPriceFormat, format);
    return m_master.Add(d);
  }

  void Build(ViewVariant variant) {
    m_grid.reset();
    m_wnd.reset();
    if (variant == ViewVariant::Pending) {
      m_wnd = std::make_unique<OrvPendingOrdersWnd>();
      m_grid = std::make_unique<OrvPendingOrdersGrid>();
    } else {
      m_wnd = std::make_unique<GTDOrderBookWnd>();
      m_grid = std::make_unique<GTDOrderBookGrid>();
    }
    const unsigned panes[11] = {100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110};
    m_wnd->GetStatusBar()->SetIndicators(panes);
    m_grid->SetOwnerWnd(m_wnd.get());
    m_grid->InsertColumn(-1, "OrvelClientId");
    m_grid->InsertColumn(-1, "RefNo");
  }

  BookKind Book() const { return m_grid->Variant().eBook; }

  // Orders are added oldest first; grid row 0 shows the last one added.
  void Fill(const std::vector<Order>& orders) {
    std::uint32_t refNo = 1;
    for (const Order& o : orders) {
      OrderBookDetails r;
      r.RefNo = refNo;
      r.GTDOrderNo = refNo++;
      r.lOurToken = o.token;
      r.pContract = o.contract;
      CopyText(r.B_S, o.side);
      r.Pending_Qty = r.Total_Qty = o.qty;
      r.Price = o.price;
      r.eOrderStatus = o.status;
      CopyText(r.Order_Status, OrvEnumsMethods::GetOrderStatus(o.status));
      AppOrderBook::AddOrder(Book(), r);
    }
    m_grid->AssignOrderDataSourceByOrderStatus();
    m_grid->SetVirtualRows(static_cast<int>(orders.size()));
  }
  void Select(int row) { ASSERT_TRUE(m_grid->SetCurSel({row, 0})); }

  std::string Pane(int index) const { return m_wnd->GetStatusBar()->GetPaneText(index); }
  std::vector<std::string> Panes() const {
    std::vector<std::string> texts;
    for (int i = 3; i <= 10; ++i) texts.push_back(Pane(i));
    return texts;
  }

  orv::platform::Application m_app;
  orv::platform::ApplicationScope m_scope{m_app};
  CScriptDesc m_master;
  ScriptDesc* m_nifty = nullptr;
  ScriptDesc* m_bank = nullptr;
  std::unique_ptr<OrderBookWnd> m_wnd;
  std::unique_ptr<OrderBookGrid> m_grid;
};

using Texts = std::vector<std::string>;

// The current row picks the token and the side of what is totalled; every row is counted.
TEST_F(StatusBarTotals_, the_current_row_decides_which_orders_are_totalled) {
  struct Case {
    const char* name;
    double multiplier;
    std::int32_t lot;
    int selected;  // -1: no current row
    std::vector<Order> orders;
    Texts expected;
  };
  const Case cases[] = {
      {"a pending current row totals the pending orders of its token, lots truncated per order",
       2.0, 100, 0,
       {{kNifty, "BUY", 250, 10.0, ePending, m_nifty},
        {kNifty, "BUY", 120, 10.0, eUnConfirmed, m_nifty},
        {kNifty, "SELL", 130, 4.0, eAMOUnconfirmed, m_nifty},
        {kNifty, "BUY", 1000, 10.0, eCancelled, m_nifty},   // not pending
        {kNifty, "SELL", 1000, 10.0, eCompleted, m_nifty},  // not pending
        {kBank, "BUY", 1000, 10.0, ePending, m_bank},       // other contract
        {kNifty, "BUY", 0, 10.0, ePending, m_nifty}},       // the current row
       {"NIFTY", "B.Qty:370", "B.Lot:3", "B.Val:7400.00", "S.Qty:130", "S.Lot:1", "S.Val:1040.00", "TotalEntries: 7"}},
      {"a current row that is not pending totals only itself",
       1.0, 100, 1,
       {{kNifty, "BUY", 250, 10.0, ePending, m_nifty},
        {kNifty, "SELL", 300, 2.0, eCancelled, m_nifty},
        {kNifty, "BUY", 120, 10.0, ePending, m_nifty}},
       {"NIFTY", "B.Qty:0", "B.Lot:0", "B.Val:0.00", "S.Qty:300", "S.Lot:3", "S.Val:600.00", "TotalEntries: 3"}},
      {"without a current row nothing is totalled",
       1.0, 100, -1,
       {{kNifty, "BUY", 250, 10.0, ePending, m_nifty}, {kNifty, "SELL", 100, 10.0, ePending, m_nifty}},
       {"NIFTY", "B.Qty:0", "B.Lot:0", "B.Val:0.00", "S.Qty:0", "S.Lot:0", "S.Val:0.00", "TotalEntries: 2"}},
      {"sides match in any letter case and other side texts are not counted",
       1.0, 1, 3,  // the "Buy" row
       {{kNifty, "sell", 4, 1.0, ePending, m_nifty},
        {kNifty, "Buy", 2, 1.0, ePending, m_nifty},
        {kNifty, "B", 50, 1.0, ePending, m_nifty},
        {kNifty, "SALE", 50, 1.0, ePending, m_nifty},
        {kNifty, "", 50, 1.0, ePending, m_nifty}},
       {"NIFTY", "B.Qty:2", "B.Lot:2", "B.Val:2.00", "S.Qty:4", "S.Lot:4", "S.Val:4.00", "TotalEntries: 5"}},
  };
  for (const Case& c : cases) {
    AppOrderBook::Clear();
    m_nifty->dMultiplier = c.multiplier;
    m_nifty->lLotSize = c.lot;
    Fill(c.orders);
    if (c.selected >= 0) Select(c.selected);
    m_grid->SetStatusbarValues(kNifty, "NIFTY", "NSE");
    EXPECT_EQ(Panes(), c.expected) << c.name;
  }
}

TEST_F(StatusBarTotals_, value_format_comes_from_the_contract_master_and_only_as_a_validated_number_format) {
  CopyText(m_nifty->cPriceFormat, "%.4f");
  Fill({{kNifty, "BUY", 3, 1.5, ePending, m_nifty}});
  Select(0);
  m_grid->SetStatusbarValues(kNifty, "NIFTY", "NSE");
  EXPECT_EQ(Pane(6), "B.Val:4.5000");
  EXPECT_EQ(Pane(9), "S.Val:0.0000");

  // A format text that is not a number format must never reach printf.
  CopyText(m_nifty->cPriceFormat, "%s%s%n%s%s");
  m_grid->SetStatusbarValues(kNifty, "NIFTY", "NSE");
  EXPECT_EQ(Pane(6), "B.Val:4.50");

  // A field filled to its last byte is read no further.
  std::memset(m_nifty->cPriceFormat, 'f', sizeof m_nifty->cPriceFormat);
  m_grid->SetStatusbarValues(kNifty, "NIFTY", "NSE");
  EXPECT_EQ(Pane(6), "B.Val:4.50");
}

TEST_F(StatusBarTotals_, contract_lot_sizes_and_missing_contracts_follow_the_counting_rules) {
  struct Case {
    const char* name;
    ScriptDesc* contract;
    std::int32_t lot;
    Texts expected;
  };
  ScriptDesc* zeroLot = AddContract(kUnknown + 1, 0, 3.0, "%.2f");
  ScriptDesc* negativeLot = AddContract(kUnknown + 2, -5, 1.0, "%.2f");
  const Case cases[] = {
      // No contract: lot 1, no multiplier, and the token unknown to the master prints "% 0.2f".
      {"no contract", nullptr, 0,
       {"X", "B.Qty:7", "B.Lot:7", "B.Val: 17.50", "S.Qty:3", "S.Lot:3", "S.Val: 7.50", "TotalEntries: 2"}},
      {"lot size 0", zeroLot, 0,
       {"X", "B.Qty:7", "B.Lot:0", "B.Val: 52.50", "S.Qty:3", "S.Lot:0", "S.Val: 22.50", "TotalEntries: 2"}},
      {"negative lot size", negativeLot, 0,
       {"X", "B.Qty:7", "B.Lot:7", "B.Val: 17.50", "S.Qty:3", "S.Lot:3", "S.Val: 7.50", "TotalEntries: 2"}},
  };
  for (const Case& c : cases) {
    AppOrderBook::Clear();
    Fill({{kUnknown, "SELL", 3, 2.5, ePending, c.contract}, {kUnknown, "BUY", 7, 2.5, ePending, c.contract}});
    Select(0);
    m_grid->SetStatusbarValues(kUnknown, "X", "");
    EXPECT_EQ(Panes(), c.expected) << c.name;
  }
}

TEST_F(StatusBarTotals_, quantities_beyond_32_bits_print_in_full) {
  m_nifty->lLotSize = 1;
  Fill({
      {kNifty, "BUY", INT_MAX, 0.0, ePending, m_nifty},
      {kNifty, "BUY", INT_MAX, 0.0, ePending, m_nifty},
      {kNifty, "BUY", INT_MAX, 0.0, ePending, m_nifty},
  });
  Select(0);
  m_grid->SetStatusbarValues(kNifty, "NIFTY", "NSE");
  EXPECT_EQ(Pane(4), "B.Qty:6442450941");
  EXPECT_EQ(Pane(5), "B.Lot:6442450941");
}

}  // namespace
