#pragma once
// Toolkit-neutral names for the message parameters the module's handlers take.
#include <cstdint>

namespace orv::platform {

using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = std::uint32_t;  // 0x00BBGGRR

inline constexpr COLORREF RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}

// Message numbers the module and the host exchange.
inline constexpr unsigned WM_SIZE = 5;
inline constexpr unsigned WM_COMMAND = 0x0111;  // wParam: command id (a chosen menu item)
inline constexpr unsigned WM_TIMER = 0x0113;

}  // namespace orv::platform
