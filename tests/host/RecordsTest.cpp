#include "host/records/LoginResponse.h"
#include "host/records/OrderBookDetails.h"
#include "host/records/OrderEntryPacket.h"
#include "host/records/WindowPassing.h"
#include "host/OrvEnumsMethods.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

template <typename T>
T ReadAt(const unsigned char* bytes, std::size_t offset) {
  T value;
  std::memcpy(&value, bytes + offset, sizeof value);
  return value;
}

TEST(OrderEntryPacket, typed_fields_land_at_the_senders_offsets) {
  ORVEL_ORDER_ENTRY p;
  p.setTransactionCode(5508);
  p.setDealerId("DLR01");
  p.setToken(102345678);
  p.setExchangeOrderNo(1100000012345.0);
  p.setBuySell(1);
  p.setQuantity(75);
  p.setPrice(24510.05);
  p.setLastModifiedTime(1764990000);
  p.setFlags(0x200);
  p.setOurOrderNo(4000001u);
  p.setIobRuleNo(17);
  const unsigned char* b = p.data();
  EXPECT_EQ(ReadAt<std::int16_t>(b, 0), 5508);
  EXPECT_STREQ(reinterpret_cast<const char*>(b + 7), "DLR01");
  EXPECT_EQ(ReadAt<std::int32_t>(b, 46), 102345678);
  EXPECT_EQ(ReadAt<double>(b, 64), 1100000012345.0);
  EXPECT_EQ(ReadAt<std::int16_t>(b, 96), 1);
  EXPECT_EQ(ReadAt<std::int32_t>(b, 110), 75);
  EXPECT_EQ(ReadAt<double>(b, 118), 24510.05);
  EXPECT_EQ(ReadAt<std::int32_t>(b, 146), 1764990000);
  EXPECT_EQ(ReadAt<std::uint16_t>(b, 150), 0x200);
  EXPECT_EQ(ReadAt<std::uint32_t>(b, 502), 4000001u);
  EXPECT_EQ(ReadAt<std::int32_t>(b, 602), 17);
}

TEST(OrderEntryPacket, long_texts_are_cut_at_their_field_and_never_spill) {
  ORVEL_ORDER_ENTRY p;
  p.set<std::int32_t>(ORVEL_ORDER_ENTRY::kField32, 0x11223344);
  p.setDealerId(std::string(100, 'X'));
  EXPECT_EQ(p.dealerId().size(), ORVEL_ORDER_ENTRY::kDealerIdWidth - 1);
  EXPECT_EQ(p.get<std::int32_t>(ORVEL_ORDER_ENTRY::kField32), 0x11223344);
  // Reads and writes past the end are refused rather than touching memory after the packet.
  p.set<double>(800, 1.0);
  EXPECT_EQ(p.get<double>(800), 0.0);
}

}  // namespace
