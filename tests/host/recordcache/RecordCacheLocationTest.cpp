#include "../ScratchFolder.h"
#include "RecordCacheFixture.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace rcfixture;

namespace {

class RecordCacheLocation : public ::testing::Test {
 protected:
  void SetUp() override { RecordCache::Close(); }
  void TearDown() override { RecordCache::Close(); }
};

}  // namespace

TEST_F(RecordCacheLocation, folder_keeps_rows_across_a_reopen) {
  ScratchFolder folder("recordcache");
  ASSERT_TRUE(RecordCache::Open(folder.path()));
  ASSERT_TRUE(CInMemClientMapper::getClass()->Insert({"INV1", "D1", 1, "", {}}));
  OrderRecordRow mapped = Order(2, kCode1, "D2");
  mapped.iproclient = 1;
  mapped.cAccountnumber = "INV1";
  ASSERT_TRUE(CInMemPendingOrders::getClass()->Insert(mapped));

  RecordCache::Close();
  ASSERT_TRUE(RecordCache::Open(folder.path()));

  EXPECT_FALSE(RecordCache::IsInMemory());
  EXPECT_TRUE(std::filesystem::exists(folder / "pendingorders.db"));
  EXPECT_EQ(CInMemPendingOrders::getClass()->ExecuteQuery(
                "select distinct a.* from pendingorders a left outer join clientmapper b where "
                "(a.iproclient=1 and a.cAccountnumber=b.corveluserorinvestorid and b.corvelclientid = 'D1')"),
            1);
}

TEST_F(RecordCacheLocation, unusable_folder_is_refused_and_memory_stays) {
  ScratchFolder folder("recordcache");
  std::ofstream(folder / "plainfile") << "x";
  std::string error;
  RecordCache::SetLogSink([&error](const std::string& text) { error = text; });

  EXPECT_FALSE(RecordCache::Open(folder / "plainfile"));

  EXPECT_TRUE(RecordCache::IsInMemory());
  EXPECT_FALSE(error.empty());
  RecordCache::SetLogSink(nullptr);
}
