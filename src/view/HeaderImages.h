#pragma once
// The header button images of an order-book grid: the module's 12 by 12 strip, in one of the two
// header text colours of the platform's colour set, at the grid's scale.
#include "host/platform/Types.h"

#include <optional>

class OrderBookGrid;

namespace HeaderImages {

inline constexpr int kImageSize = 12;
// The grey the strip is drawn in; it becomes the chosen colour.
inline constexpr orv::platform::COLORREF kStripGrey = 0x5C5C5C;
// The platform's header text colours: the classic look and the visual-manager look.
inline constexpr orv::platform::COLORREF kClassicTextColour = orv::platform::RGB(0x00, 0x00, 0x00);
inline constexpr orv::platform::COLORREF kVisualManagerTextColour = orv::platform::RGB(0xF0, 0xF0, 0xF0);

// What the grid was given.
struct Applied {
  unsigned nResourceId = 0;
  int nImageCount = 0;
  int nImageSize = 0;  // pixels on screen, after scaling
  orv::platform::COLORREF clrImages = 0;
};

}  // namespace HeaderImages

// Looks the strip up in the current Application's resources and hands it to the grid's header
// image list, then redraws the grid. Any strip of 12 by 12 images serves. Without an Application,
// without the strip, or with a strip of another image size, nothing changes (no value returned).
std::optional<HeaderImages::Applied> SetHeaderImages(OrderBookGrid& grid, bool bVisualManagerStyle = false);
