#include "host/RCGlobal.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class RCGlobalLookups : public ::testing::Test {
 protected:
  void SetUp() override { RCGlobal::Clear(); }
  void TearDown() override { RCGlobal::Clear(); }
};

}  // namespace

TEST_F(RCGlobalLookups, product_type_into_a_buffer_is_cut_and_terminated) {
  char small[3];
  char unknown[8];
  std::memset(unknown, 'x', sizeof unknown);

  EXPECT_TRUE(RCGlobal::LookupProductType(1, small, sizeof small));
  EXPECT_STREQ(small, "NR");
  EXPECT_FALSE(RCGlobal::LookupProductType(99, unknown, sizeof unknown));
  EXPECT_STREQ(unknown, "");
  EXPECT_TRUE(RCGlobal::LookupProductType(3, nullptr, 0));
}

TEST_F(RCGlobalLookups, investor_name_prefers_the_dealers_own_entry) {
  RCGlobal::SetInvestorClientName("INV1", "Anyone's Name");
  RCGlobal::SetInvestorClientName("INV1", "D1's Name", "D1");

  EXPECT_EQ(RCGlobal::GetInvestorClientName("INV1", "D1"), "D1's Name");
  EXPECT_EQ(RCGlobal::GetInvestorClientName("INV1", "D2"), "Anyone's Name");
  EXPECT_EQ(RCGlobal::GetInvestorClientName("INV1"), "Anyone's Name");
  EXPECT_EQ(RCGlobal::GetInvestorClientName("INV9", "D1"), "");
}

TEST_F(RCGlobalLookups, participant_id_is_kept_per_exchange_segment_and_client) {
  RCGlobal::SetClientParticipantID("NSE", "E", "CL1", "PART-N");
  RCGlobal::SetClientParticipantID("BSE", "E", "CL1", "PART-B");

  EXPECT_EQ(RCGlobal::GetClientParticipantID("NSE", "E", "CL1"), "PART-N");
  EXPECT_EQ(RCGlobal::GetClientParticipantID("BSE", "E", "CL1"), "PART-B");
  EXPECT_EQ(RCGlobal::GetClientParticipantID("NSE", "D", "CL1"), "");
  EXPECT_EQ(RCGlobal::GetClientParticipantID("NSE", "E", "CL2"), "");
}
