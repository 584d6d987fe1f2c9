#include "view/ColumnCatalogue.h"

#include "host/OrvGridCtrl.h"

#include <gtest/gtest.h>

namespace {

TEST(ColumnCatalogue, creating_columns_gives_the_grid_every_column_once_and_lookups_stop_at_the_ends) {
  for (ViewVariant variant : {ViewVariant::Pending, ViewVariant::GTD}) {
    const VariantDescription& v = DescriptionOf(variant);
    OrvGridCtrl grid;
    ASSERT_TRUE(CreateColumns(grid, v));
    ASSERT_EQ(grid.GetColumnCount(), v.nColumnCount);
    for (const ColumnDefinition& c : ColumnsOf(v)) {
      EXPECT_EQ(grid.GetColumnName(c.nId), c.cName);
      EXPECT_EQ(grid.GetColumnsInfo().GetColumnDescription(c.nId), c.cSecondText);
      EXPECT_EQ(grid.GetColumnDataType(c.nId), c.nValueType);
      EXPECT_EQ(grid.GetColumnAlign(c.nId), c.bRightAligned ? 1 : 0) << c.cName;
    }
    EXPECT_NE(FindColumn(v.nColumnCount - 1, v), nullptr);
    EXPECT_EQ(FindColumn(v.nColumnCount, v), nullptr);
    EXPECT_EQ(FindColumn(-1, v), nullptr);

    EXPECT_FALSE(CreateColumns(grid, v)) << "a grid that has its columns gets no second set";
    EXPECT_EQ(grid.GetColumnCount(), v.nColumnCount);
  }
}

}  // namespace
