#pragma once
// The host's login response record (ORVEL5901) at the byte offsets the order book reads.
#include "host/records/PacketBytes.h"

#include <cstdint>
#include <string_view>

struct ORVEL5901 : PacketBytes<800> {
  enum Offset : std::size_t {
    kTransactionCode = 0,  // 16-bit
    kUserId = 2,           // text, 16 bytes
    kAllClients = 36,      // 16-bit: 0 restricts queries and menus to the user's own clients
    kUserType = 38,        // 16-bit: 0 dealer, 1 administrator, 3 mini administrator
    kAccountFlag = 727,    // 8-bit: nonzero widens the client filter to the account number
  };
  static constexpr std::size_t kUserIdWidth = 16;

  std::string_view userId() const { return text(kUserId, kUserIdWidth); }
  void setUserId(std::string_view v) { setText(kUserId, kUserIdWidth, v); }
  std::int16_t allClients() const { return get<std::int16_t>(kAllClients); }
  void setAllClients(std::int16_t v) { set(kAllClients, v); }
  std::int16_t userType() const { return get<std::int16_t>(kUserType); }
  void setUserType(std::int16_t v) { set(kUserType, v); }
  std::uint8_t accountFlag() const { return get<std::uint8_t>(kAccountFlag); }
  void setAccountFlag(std::uint8_t v) { set(kAccountFlag, v); }
};
static_assert(sizeof(ORVEL5901) == 800);
