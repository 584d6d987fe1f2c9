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

TEST_F(HeaderImagesTest, any_strip_of_12_by_12_images_serves_and_others_change_nothing) {
  auto& resources = m_app.Resources();
  resources.UnregisterImageStrip(169);
  ASSERT_TRUE(resources.RegisterImageStrip(169, {12, 12, 6}, ModuleResources::kModuleName));
  OrvPendingOrdersGrid grid;
  grid.SetHeaderImages();
  EXPECT_EQ(grid.GetHeaderBtnImageCount(), 6);

  OrvPendingOrdersGrid other;
  resources.UnregisterImageStrip(169);
  ASSERT_TRUE(resources.RegisterImageStrip(169, {16, 16, 6}, ModuleResources::kModuleName));
  EXPECT_FALSE(SetHeaderImages(other).has_value());
  resources.UnregisterImageStrip(169);
  EXPECT_FALSE(SetHeaderImages(other).has_value()) << "a missing strip is no failure";
  EXPECT_EQ(other.GetHeaderBtnImageList(), 0);
  EXPECT_EQ(other.GetHeaderBtnImageCount(), 0);
}

}  // namespace
