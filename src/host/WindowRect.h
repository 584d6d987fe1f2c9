#pragma once
// A window rectangle in its parent's client coordinates, and the packing of a size message's
// width and height, for the host windows that lay their children out.
#include "host/platform/Types.h"

#include <cstdint>

struct WindowRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static constexpr WindowRect FromSize(int x, int y, int cx, int cy) { return {x, y, x + cx, y + cy}; }
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  bool operator==(const WindowRect&) const = default;
};

// WM_SIZE carries the client width in the low and the height in the high 16 bits of lParam.
constexpr orv::platform::LPARAM MakeSizeLParam(int cx, int cy) {
  return static_cast<orv::platform::LPARAM>((static_cast<std::uint32_t>(cy & 0xFFFF) << 16) |
                                            static_cast<std::uint32_t>(cx & 0xFFFF));
}
constexpr int SizeLParamWidth(orv::platform::LPARAM lParam) { return static_cast<int>(lParam & 0xFFFF); }
constexpr int SizeLParamHeight(orv::platform::LPARAM lParam) { return static_cast<int>((lParam >> 16) & 0xFFFF); }
