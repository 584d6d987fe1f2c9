#include "view/HeaderImages.h"

#include "host/platform/Application.h"
#include "support/HostReset.h"
#include "view/ModuleResources.h"
#include "view/OrvPendingOrdersGrid.h"

#include <gtest/gtest.h>

namespace {

class HeaderImagesTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetHostForTest(); }
  void TearDown() override { ResetHostForTest(); }

  orv::platform::Application m_app;
  orv::platform::ApplicationScope m_scope{m_app};
};

TEST_F(HeaderImagesTest, the_module_strip_goes_to_the_header_in_the_styles_colour_at_the_grids_scale) {
  OrvPendingOrdersGrid grid;
  grid.SetScale(1.5);
  const int redraws = grid.GetRedrawCount();
  const auto applied = SetHeaderImages(grid, true);
  ASSERT_TRUE(applied.has_value());
  EXPECT_EQ(grid.GetHeaderBtnImageList(), 169);
  EXPECT_EQ(grid.GetHeaderBtnImageCount(), m_app.Resources().FindImageStrip(169)->imageCount);
  EXPECT_EQ(applied->nImageSize, 18);
  EXPECT_EQ(applied->clrImages, HeaderImages::kVisualManagerTextColour);
  EXPECT_GT(grid.GetRedrawCount(), redraws);

  EXPECT_EQ(SetHeaderImages(grid, false)->clrImages, HeaderImages::kClassicTextColour);
}

}  // namespace
