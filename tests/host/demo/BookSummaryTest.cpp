#include "demo/BookFingerprint.h"
#include "demo/BookSummary.h"
#include "demo/ContractMasterGenerator.h"
#include "demo/OrderBookGenerator.h"
#include "host/demo/DemoFixture.h"

namespace {

using namespace orv::demo;

class DemoBookSummary : public DemoFixture {
 protected:
  OrderBookDetails Row(std::uint32_t refNo, OrderStatusIdentifier status, ScriptDesc* contract,
                       std::string_view statusText = "", OrderLegType leg = eNormalLeg) {
    OrderBookDetails r;
    r.RefNo = refNo;
    r.eOrderStatus = status;
    r.pContract = contract;
    r.eOrderLeg = leg;
    CopyText(r.Order_Status, statusText);
    return r;
  }
};

TEST_F(DemoBookSummary, counts_rows_by_status_text_and_by_exchange_with_none_for_contractless) {
  ScriptDesc nse, mcx;
  nse.lToken = 101001001;
  CopyText(nse.cExchangeName, "NSE");
  mcx.lToken = 303220001;
  CopyText(mcx.cExchangeName, "MCX");
  ScriptDesc* n = m_master.Add(nse);
  ScriptDesc* m = m_master.Add(mcx);
  AppOrderBook::AddOrder(BookKind::Pending, Row(1, ePending, n, "Modified"));
  AppOrderBook::AddOrder(BookKind::Pending, Row(2, eCancelled, m));
  AppOrderBook::AddOrder(BookKind::Pending, Row(3, ePending, nullptr));
  AppOrderBook::AddOrder(BookKind::Pending, Row(4, eUnConfirmed, n, "Un-Confirmed Spread", eSpreadLeg));
  AppOrderBook::AddOrder(BookKind::Pending, Row(4, eUnConfirmed, n, "Un-Confirmed Spread Leg", eSpreadLeg));
  AppOrderBook::AddOrder(BookKind::Pending, Row(4, eUnConfirmed, m, "Un-Confirmed Spread Leg", eSpreadLeg));
  AppOrderBook::AddOrder(BookKind::GTD, Row(9, eRejected, n));

  const BookSummary summary = Summarise(BookKind::Pending);

  EXPECT_EQ(summary.rows, 6);
  EXPECT_EQ(summary.spreadOrders, 1);
  EXPECT_EQ(summary.byStatus, (std::map<std::string, int>{{"Pending", 2}, {"Cancelled", 1}, {"UnConfirmed", 3}}));
  EXPECT_EQ(summary.byExchange, (std::map<std::string, int>{{"NSE", 3}, {"MCX", 2}, {"(none)", 1}}));
  EXPECT_EQ(Summarise(BookKind::GTD).byStatus, (std::map<std::string, int>{{"Rejected", 1}}));
}

TEST_F(DemoBookSummary, the_fingerprint_sees_a_single_changed_field_and_ignores_bytes_after_a_text) {
  GenerateContracts(m_master, 2, 200);
  OrderBookSpec spec;
  spec.orders = 100;
  GenerateOrders(spec, m_master);
  const std::uint64_t before = FingerprintBook(BookKind::Pending);
  OrderBookDetails& row = *BookRows(BookKind::Pending)[57];
  const std::string original = FieldText(row.Remarks);
  ASSERT_LT(original.size(), sizeof row.Remarks - 2);

  CopyText(row.Remarks, "changed");
  const std::uint64_t changed = FingerprintBook(BookKind::Pending);
  CopyText(row.Remarks, original);
  row.Remarks[sizeof row.Remarks - 2] = 'x';  // after the terminator: not part of the text
  const std::uint64_t restored = FingerprintBook(BookKind::Pending);

  EXPECT_NE(changed, before);
  EXPECT_EQ(restored, before);
}

}  // namespace
