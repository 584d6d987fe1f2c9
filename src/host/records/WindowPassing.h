#pragma once
// The host's request record: a view fills it and posts message 9898 with its address.
#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct WindowPassing {
  std::int32_t nRequestFrom = 0;
  void* pRequestWnd = nullptr;  // unaligned, as the host lays it out
  std::int32_t nRequestId = 0;
  std::int32_t nParam1 = 0;
  std::int32_t nParam2 = 0;
  std::uint64_t nReserved = 0;
  double dParam = 0.0;

  void Clear() { *this = WindowPassing{}; }
};
#pragma pack(pop)

static_assert(sizeof(WindowPassing) == 40);
static_assert(offsetof(WindowPassing, pRequestWnd) == 4);
static_assert(offsetof(WindowPassing, nRequestId) == 12);
static_assert(offsetof(WindowPassing, nParam1) == 16);
static_assert(offsetof(WindowPassing, nParam2) == 20);
static_assert(offsetof(WindowPassing, dParam) == 32);

// Messages the views post to the host's main window.
inline constexpr unsigned kMsgWindowPassing = 9898;
inline constexpr unsigned kMsgModificationRequest = 9899;
inline constexpr unsigned kMsgSingleOrderHistory = 4024;
inline constexpr unsigned kMsgPendingCancel = 8976;
inline constexpr unsigned kMsgGtdCancel = 8977;
