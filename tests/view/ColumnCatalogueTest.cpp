#include "view/ColumnCatalogue.h"

#include "host/OrvGridCtrl.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const VariantDescription& Pending() { return DescriptionOf(ViewVariant::Pending); }
const VariantDescription& Gtd() { return DescriptionOf(ViewVariant::GTD); }

TEST(ColumnCatalogue, pending_has_69_and_gtd_73_columns_whose_ids_are_their_positions) {
  ASSERT_EQ(ColumnsOf(Pending()).size(), 69u);
  ASSERT_EQ(ColumnsOf(Gtd()).size(), 73u);
  for (std::size_t i = 0; i < ColumnsOf(Gtd()).size(); ++i) {
    const ColumnDefinition& c = ColumnsOf(Gtd())[i];
    EXPECT_EQ(c.nId, static_cast<int>(i));
    EXPECT_EQ(c.nWidth, 80) << c.cName;
    EXPECT_TRUE(c.nValueType == 0 || c.nValueType == 2 || c.nValueType == 3 || c.nValueType == 5) << c.cName;
    if (c.nId == COL_BR_TrigPrice)
      EXPECT_EQ(c.cSecondText, "BR TrigPrice");
    else
      EXPECT_EQ(c.cSecondText, c.cName) << "only BR_TrigPrice has a second text of its own";
  }
  EXPECT_EQ(FindColumn(69, Pending()), nullptr);
  EXPECT_NE(FindColumn(72, Gtd()), nullptr);
  EXPECT_EQ(FindColumn(73, Gtd()), nullptr);
  EXPECT_EQ(FindColumn(-1, Gtd()), nullptr);
}

TEST(ColumnCatalogue, creating_columns_gives_the_grid_every_column_and_the_seven_fixed_lists) {
  for (const VariantDescription* v : {&Pending(), &Gtd()}) {
    OrvGridCtrl grid;
    ASSERT_TRUE(CreateColumns(grid, *v));
    ASSERT_EQ(grid.GetColumnCount(), v->nColumnCount);
    for (const ColumnDefinition& c : ColumnsOf(*v)) {
      EXPECT_EQ(grid.GetColumnName(c.nId), c.cName);
      EXPECT_EQ(grid.GetColumnsInfo().GetColumnDescription(c.nId), c.cSecondText);
      EXPECT_EQ(grid.GetColumnWidth(c.nId), 80);
      EXPECT_EQ(grid.GetColumnDataType(c.nId), c.nValueType);
      EXPECT_EQ(grid.GetColumnAlign(c.nId), c.bRightAligned ? 1 : 0) << c.cName;
    }
    using L = std::vector<std::string>;
    EXPECT_EQ(grid.GetRefFilterValues(COL_Mkt_Seg), (L{"E", "F", "O", "SLBM"}));
    EXPECT_EQ(grid.GetRefFilterValues(COL_Option_Type), (L{"CE", "PE"}));
    EXPECT_EQ(grid.GetRefFilterValues(COL_Order_Type), (L{"RL", "SL", "CA", "CB", "AU", "BR", "BL", "CO"}));
    EXPECT_EQ(grid.GetRefFilterValues(COL_B_S), (L{"BUY", "SELL"}));
    EXPECT_EQ(grid.GetRefFilterValues(COL_Pro_Client), (L{"PRO", "CLI"}));
    EXPECT_EQ(grid.GetRefFilterValues(COL_Order_Style), (L{"Automated", "Manual", "IOM"}));
    EXPECT_EQ(grid.GetRefFilterValues(COL_OrderLeg), (L{"N", "S"}));
    EXPECT_TRUE(grid.GetRefFilterValues(COL_Client).empty());

    EXPECT_FALSE(CreateColumns(grid, *v)) << "a grid that has its columns gets no second set";
    EXPECT_EQ(grid.GetColumnCount(), v->nColumnCount);
  }
}

}  // namespace
