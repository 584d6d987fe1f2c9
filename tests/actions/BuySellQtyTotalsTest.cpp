#include "actions/BuySellQtyTotals.h"

#include "host/GridRow.h"
#include "host/platform/Application.h"
#include "host/platform/StatusBar.h"
#include "support/HostReset.h"
#include "view/ColumnCatalogue.h"
#include "view/GTDOrderBookWnd.h"
#include "view/OrvPendingOrdersWnd.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

TEST(ParkMillerTokenHash, gives_the_minimal_standard_step_for_hand_computed_tokens) {
  EXPECT_EQ(ParkMillerTokenHash::Value(0), 0u);
  EXPECT_EQ(ParkMillerTokenHash::Value(1), 16807u);
  EXPECT_EQ(ParkMillerTokenHash::Value(2), 33614u);
  // The generator's own sequence from seed 1: 16807, 282475249, 1622650073.
  EXPECT_EQ(ParkMillerTokenHash::Value(16807), 282475249u);
  EXPECT_EQ(ParkMillerTokenHash::Value(282475249), 1622650073u);
  // Either side of Schrage's quotient 127773, where the negative correction starts to matter.
  EXPECT_EQ(ParkMillerTokenHash::Value(127773), 2147480811u);
  EXPECT_EQ(ParkMillerTokenHash::Value(127774), 13971u);
  EXPECT_EQ(ParkMillerTokenHash::Value(1000000), 1774614471u);
  EXPECT_EQ(ParkMillerTokenHash::Value(2147483646), 2147466840u);
}

class BuySellQtyTotals_ : public ::testing::Test {
 protected:
  static constexpr std::int32_t kToken = 35001;

  void SetUp() override {
    ResetHostForTest();
    const unsigned ids[11] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    m_bar.SetIndicators(ids);
    for (int i = 0; i <= 10; ++i) m_bar.SetPaneText(i, "initial");
    m_row.GetItem(COL_Mkt_Seg)->SetValue("O");
    m_row.GetItem(COL_Symbol_ScriptID)->SetValue("NIFTY");
    m_row.GetItem(COL_Ser_Exp_Group)->SetValue("28MAR2024");
    m_row.GetItem(COL_Strike)->SetValue("22000");
    m_row.GetItem(COL_Option_Type)->SetValue("CE");
  }
  void TearDown() override { ResetHostForTest(); }

  TokenTotals& Fill(std::int32_t token) {
    TokenTotals& t = m_totals.Entry(token);
    t.lBuyQty = 250;
    t.lSellQty = 130;
    t.lLotSize = 100;
    t.dBuyPrice = 10.5;
    t.dSellPrice = 4.0;
    return t;
  }
  Texts Panes() const {
    Texts texts;
    for (int i = 3; i <= 10; ++i) texts.push_back(m_bar.GetPaneText(i));
    return texts;
  }

  orv::platform::StatusBar m_bar;
  CBCGPGridRow m_row{COL_Option_Type + 1};
  BuySellQtyTotals m_totals;
};

TEST_F(BuySellQtyTotals_, found_token_writes_quantities_lots_values_and_the_entry_count_with_a_blank) {
  Fill(kToken);
  m_totals.SetEntryCount(42);

  EXPECT_TRUE(m_totals.Calculate(m_bar, kToken, &m_row));

  EXPECT_EQ(Panes(), (Texts{"initial", "B.Qty: 250", "B.Lot: 2", "B.Val: 2625.00", "S.Qty: 130", "S.Lot: 1",
                            "S.Val: 520.00", "TotalEntries: 42"}));
}

TEST_F(BuySellQtyTotals_, unknown_token_or_missing_row_writes_the_empty_texts_and_keeps_the_entry_count) {
  Fill(kToken);
  m_totals.Calculate(m_bar, kToken + 1, &m_row);
  EXPECT_EQ(Panes(), (Texts{"<No Scrip>", "B.Qty:0", "B.Lot:0", "B.Val:0.00", "S.Qty:0", "S.Lot:0", "S.Val:0.00",
                            "initial"}));

  m_bar.SetPaneText(4, "B.Qty: 1");
  m_totals.Calculate(m_bar, kToken, nullptr);
  EXPECT_EQ(m_bar.GetPaneText(4), "B.Qty:0");
}

TEST_F(BuySellQtyTotals_, odd_stored_entries_print_safely) {
  TokenTotals& t = Fill(kToken);
  t.lLotSize = 0;  // no lots rather than a division by zero
  t.lBuyQty = 6442450941;  // beyond 32 bits
  t.dBuyPrice = 1.0;
  CopyText(t.cFormat, "%s%n");  // never a printf format
  m_totals.Calculate(m_bar, kToken, &m_row);
  EXPECT_EQ(m_bar.GetPaneText(4), "B.Qty: 6442450941");
  EXPECT_EQ(m_bar.GetPaneText(5), "B.Lot: 0");
  EXPECT_EQ(m_bar.GetPaneText(6), "B.Val: 6442450941.00");
  EXPECT_EQ(m_bar.GetPaneText(8), "S.Lot: 0");

  std::memset(t.cFormat, '4', sizeof t.cFormat);  // no terminator at all
  t.lLotSize = -3;
  m_totals.MarkChanged();
  m_totals.Calculate(m_bar, kToken, &m_row);
  EXPECT_EQ(m_bar.GetPaneText(5), "B.Lot: 6442450941");
  EXPECT_EQ(m_bar.GetPaneText(9), "S.Val: 520.00");

  CopyText(t.cFormat, "%.3f");
  m_totals.MarkChanged();
  m_totals.Calculate(m_bar, kToken, &m_row);
  EXPECT_EQ(m_bar.GetPaneText(9), "S.Val: 520.000");
}

}  // namespace
