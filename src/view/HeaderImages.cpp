#include "view/HeaderImages.h"

#include "host/platform/Application.h"
#include "view/ModuleResources.h"
#include "view/OrderBookGrid.h"

#include <algorithm>
#include <cmath>

std::optional<HeaderImages::Applied> SetHeaderImages(OrderBookGrid& grid, bool bVisualManagerStyle) {
  using namespace HeaderImages;
  orv::platform::Application* app = orv::platform::Application::Current();
  if (!app) return std::nullopt;
  const orv::platform::ImageStrip* strip = app->Resources().FindImageStrip(ModuleResources::kHeaderImages);
  if (!strip || strip->imageWidth != kImageSize || strip->imageHeight != kImageSize || strip->imageCount <= 0)
    return std::nullopt;

  Applied applied;
  applied.nResourceId = ModuleResources::kHeaderImages;
  applied.nImageCount = strip->imageCount;
  applied.clrImages = bVisualManagerStyle ? kVisualManagerTextColour : kClassicTextColour;
  applied.nImageSize = std::max(1, static_cast<int>(std::lround(kImageSize * grid.GetScale())));

  grid.SetHeaderBtnImageList(static_cast<int>(applied.nResourceId), applied.nImageCount);
  grid.RedrawWindow();
  return applied;
}

void OrderBookGrid::SetHeaderImages() { ::SetHeaderImages(*this); }
