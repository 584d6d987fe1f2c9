#include "host/AppOrderBook.h"

#include "host/ContractMaster.h"
#include "support/HostReset.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <span>

namespace {

class AppOrderBookTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetHostForTest(); }
  void TearDown() override { AppOrderBook::Clear(); }

  static OrderBookDetails Order(std::uint32_t refNo, const char* side, double price) {
    OrderBookDetails r;
    r.RefNo = refNo;
    CopyText(r.B_S, side);
    r.Price = price;
    return r;
  }
  static std::vector<std::uint32_t> DisplayedRefNos() {
    std::vector<std::uint32_t> out;
    for (auto* r : AppOrderBook::vctDisplayedOrderBook) out.push_back(r->RefNo);
    return out;
  }
};

TEST_F(AppOrderBookTest, added_orders_reach_both_vectors_the_map_and_raise_insert) {
  OrderBookDetails* a = AppOrderBook::AddOrder(BookKind::Pending, Order(7, "BUY", 10));
  OrderBookDetails leg = Order(7, "SELL", 11);
  CopyText(leg.Order_Status, "Pending Leg");
  AppOrderBook::AddOrder(BookKind::Pending, leg);
  EXPECT_EQ(AppOrderBook::IsInsertPost, 1);
  EXPECT_EQ(AppOrderBook::IsInsertPost_GTD, 0);
  ASSERT_EQ(AppOrderBook::vctAllOrderBook.size(), 2u);
  ASSERT_EQ(AppOrderBook::vctDisplayedOrderBook.size(), 2u);
  const auto* rows = AppOrderBook::m_mapAllOrders.find(7);
  ASSERT_NE(rows, nullptr);
  EXPECT_EQ(rows->size(), 2u);
  EXPECT_EQ(rows->front(), a);
}

TEST_F(AppOrderBookTest, removed_records_stay_readable_until_the_store_is_cleared) {
  OrderBookDetails* a = AppOrderBook::AddOrder(BookKind::Pending, Order(1, "BUY", 1));
  AppOrderBook::AddOrder(BookKind::Pending, Order(2, "BUY", 1));
  std::vector<OrderBookDetails*> viewCopy = AppOrderBook::vctDisplayedOrderBook;
  AppOrderBook::IsUpdatePost = 0;
  AppOrderBook::RemoveOrder(BookKind::Pending, a);
  EXPECT_EQ(AppOrderBook::IsUpdatePost, 1);
  EXPECT_EQ(DisplayedRefNos(), (std::vector<std::uint32_t>{2}));
  EXPECT_EQ(AppOrderBook::m_mapAllOrders.find(1), nullptr);
  EXPECT_EQ(viewCopy[0]->RefNo, 1u) << "a view's copy from before the removal still reads the record";
}

TEST_F(AppOrderBookTest, the_change_journal_keeps_indexes_and_says_what_it_cannot_describe) {
  DisplayedChangeLog& journal = AppOrderBook::ChangeLog(BookKind::Pending);
  std::vector<OrderBookDetails*> r;
  for (std::uint32_t i = 1; i <= 4; ++i) r.push_back(AppOrderBook::AddOrder(BookKind::Pending, Order(i, "BUY", 50 - i)));
  EXPECT_EQ(r[3]->nDisplayedIndex, OrderBookDetails::kNotDisplayed) << "off: the store keeps no indexes";
  AppOrderBook::SetChangeJournal(BookKind::Pending, true);
  const std::uint64_t generation = journal.Generation(), start = journal.End();
  EXPECT_EQ(r[3]->nDisplayedIndex, 3u);

  AppOrderBook::MarkUpdated(BookKind::Pending, r[2]);
  AppOrderBook::RemoveOrder(BookKind::Pending, r[1]);
  OrderBookDetails* added = AppOrderBook::AddOrder(BookKind::Pending, Order(5, "SELL", 1));
  std::span<const DisplayedChange> changes;
  ASSERT_TRUE(journal.Since(generation, start, changes));
  ASSERT_EQ(changes.size(), 2u) << "appended rows need no entry";
  EXPECT_EQ(changes[0].pRecord, r[2]);
  EXPECT_EQ(changes[1].pRecord, nullptr);
  EXPECT_EQ(changes[1].nRemovedAt, 1u);
  const auto& displayed = AppOrderBook::vctDisplayedOrderBook;
  EXPECT_EQ(r[1]->nDisplayedIndex, OrderBookDetails::kNotDisplayed);
  EXPECT_EQ(journal.IndexOf(displayed, r[1]), OrderBookDetails::kNotDisplayed);
  EXPECT_EQ(journal.IndexOf(displayed, r[2]), 1u) << "rows behind a removal are found where they moved";
  EXPECT_EQ(journal.IndexOf(displayed, r[3]), 2u);
  EXPECT_EQ(journal.IndexOf(displayed, added), 3u);
  EXPECT_EQ(changes[0].eKind, DisplayedChange::Kind::Changed);
  EXPECT_EQ(changes[1].eKind, DisplayedChange::Kind::Removed);

  journal.Trim(start + 1);
  EXPECT_FALSE(journal.Since(generation, start, changes)) << "a reader behind the trim rebuilds";
  ASSERT_TRUE(journal.Since(generation, start + 1, changes));
  EXPECT_EQ(changes.size(), 1u);

  // Reordering and unnamed changes start a new generation.
  AppOrderBook::SetSortKeyExtractor(BookKind::Pending, {});
  AppOrderBook::SetColumnComparer(BookKind::Pending, [](const OrderBookDetails& a, const OrderBookDetails& b, int) {
    return a.Price < b.Price ? -1 : a.Price > b.Price ? 1 : 0;
  });
  AppOrderBook::MultiColSortData({{0, true}});
  EXPECT_NE(journal.Generation(), generation);
  for (std::size_t i = 0; i < AppOrderBook::vctDisplayedOrderBook.size(); ++i)
    EXPECT_EQ(AppOrderBook::vctDisplayedOrderBook[i]->nDisplayedIndex, i) << "renumbered in the new order";
  EXPECT_NE(AppOrderBook::vctDisplayedOrderBook.back(), added) << "the sort moved the rows";
  const std::uint64_t sorted = journal.Generation();
  AppOrderBook::MarkUpdated(BookKind::Pending);
  EXPECT_NE(journal.Generation(), sorted);

  // Nobody reading: the journal stops growing and starts over.
  const std::uint64_t unread = journal.Generation(), from = journal.End();
  for (std::size_t i = 0; i <= DisplayedChangeLog::kCapacity; ++i) AppOrderBook::MarkUpdated(BookKind::Pending, added);
  EXPECT_FALSE(journal.Since(unread, from, changes));
}

}  // namespace

#include "host/recordcache/RecordCacheTables.h"

namespace {

// Columns of the sorted-order test: 0 the side (text), 1 the price (number).
void SideAndPriceKeys(std::span<OrderBookDetails* const> rows, int column, SortKeyColumn& keys) {
  keys.Reset(column == 0 ? SortKeyColumn::Kind::Text : SortKeyColumn::Kind::Number, rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (column == 0) keys.SetText(i, FieldView(rows[i]->B_S));
    else keys.SetNumber(i, rows[i]->Price);
  }
}

TEST_F(AppOrderBookTest, a_sorted_book_stays_in_the_order_a_fresh_sort_gives_as_orders_come_change_and_go) {
  const std::vector<SortColState> columns{{0, true}, {1, false}};
  auto before = [&](const OrderBookDetails* a, const OrderBookDetails* b) {
    const int side = std::strcmp(a->B_S, b->B_S);
    if (side != 0) return side < 0;
    return a->Price > b->Price;
  };
  for (bool journal : {true, false}) {
    SCOPED_TRACE(journal);
    AppOrderBook::Clear();
    AppOrderBook::SetSortKeyExtractor(BookKind::Pending, &SideAndPriceKeys);
    AppOrderBook::SetChangeJournal(BookKind::Pending, journal);
    std::mt19937 random(3);
    std::uint32_t next = 1;
    // Few prices, so ties are many and their order (the place before) is tested as much as the keys.
    auto order = [&] { return Order(next++, random() % 2 ? "BUY" : "SELL", 100 + random() % 6); };
    for (int i = 0; i < 300; ++i) AppOrderBook::AddOrder(BookKind::Pending, order());
    AppOrderBook::MultiColSortData(columns);
    ASSERT_TRUE(AppOrderBook::KeepsSorted(BookKind::Pending));
    auto& displayed = AppOrderBook::vctDisplayedOrderBook;

    for (int round = 0; round < 200; ++round) {
      const int changes = static_cast<int>(random() % 6);
      for (int c = 0; c < changes; ++c) {
        OrderBookDetails* record = displayed[random() % displayed.size()];
        switch (random() % 4) {
          case 0: AppOrderBook::AddOrder(BookKind::Pending, order()); break;
          case 1: AppOrderBook::RemoveOrder(BookKind::Pending, record); break;
          case 2: record->Traded_Qty += 1; AppOrderBook::MarkUpdated(BookKind::Pending, record); break;  // no key
          default: record->Price = 100 + random() % 6; AppOrderBook::MarkUpdated(BookKind::Pending, record);
        }
      }
      std::vector<OrderBookDetails*> expected = displayed;
      std::stable_sort(expected.begin(), expected.end(), before);
      AppOrderBook::SettleSortedOrder(BookKind::Pending);
      ASSERT_EQ(displayed, expected) << "round " << round;
      const DisplayedChangeLog& log = AppOrderBook::ChangeLog(BookKind::Pending);
      for (std::size_t i = 0; journal && i < displayed.size(); ++i) ASSERT_EQ(log.IndexOf(displayed, displayed[i]), i);
    }
    AppOrderBook::StopKeepingSorted(BookKind::Pending);
    AppOrderBook::AddOrder(BookKind::Pending, Order(next++, "AAA", 1));
    EXPECT_FALSE(AppOrderBook::SettleSortedOrder(BookKind::Pending)) << "a view that stopped sorting keeps its order";
  }
  AppOrderBook::SetSortKeyExtractor(BookKind::Pending, {});
  AppOrderBook::SetChangeJournal(BookKind::Pending, false);
}

TEST(AppOrderBookAveragePrice, fills_the_average_from_the_orders_trades_only) {
  ResetHostForTest();
  CInMemTradeInfo* trades = CInMemTradeInfo::getClass();
  trades->Clear();
  auto fill = [&](std::int64_t order, std::int64_t qty, double price) {
    OrderRecordRow row;
    row.lOurOrderNo = order;
    row.lFillQuantity = qty;
    row.dFillPrice = price;
    ASSERT_TRUE(trades->Insert(row));
  };
  fill(11, 10, 100.0);
  fill(11, 30, 104.0);
  fill(12, 5, 999.0);

  OrderBookDetails traded;
  traded.RefNo = 11;
  AppOrderBook::SetAvgPrice_InOrderTrade(&traded);
  EXPECT_DOUBLE_EQ(traded.Avg_Price, 103.0);

  OrderBookDetails untraded;
  untraded.RefNo = 13;
  untraded.Avg_Price = 0;
  AppOrderBook::SetAvgPrice_InOrderTrade(&untraded);
  EXPECT_EQ(untraded.Avg_Price, 0.0) << "no trades leaves the price alone";
  AppOrderBook::SetAvgPrice_InOrderTrade(nullptr);
  trades->Clear();
}

}  // namespace
