#include "host/OrderBookSorter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Test columns: 0 a number (Price), 1 a short text (B_S), 2 a long text (Remarks, collides past
// its first seven bytes), 3 a whole number (Pending_Qty), 4 a text of a few values (Client), 5 a
// whole number of a few values (Total_Qty).
constexpr int kPrice = 0, kSide = 1, kRemarks = 2, kQuantity = 3, kClient = 4, kTotal = 5;
constexpr int kTestColumns = 6;

void Extract(std::span<OrderBookDetails* const> rows, int column, SortKeyColumn& keys) {
  const bool text = column == kSide || column == kRemarks || column == kClient;
  keys.Reset(text ? SortKeyColumn::Kind::Text : SortKeyColumn::Kind::Number, rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const OrderBookDetails& r = *rows[i];
    switch (column) {
      case kPrice: keys.SetNumber(i, r.Price); break;
      case kSide: keys.SetText(i, r.B_S); break;
      case kRemarks: keys.SetText(i, r.Remarks); break;
      case kQuantity: keys.SetNumber(i, r.Pending_Qty); break;
      case kClient: keys.SetText(i, r.Client); break;
      case kTotal: keys.SetNumber(i, r.Total_Qty); break;
    }
  }
}

int Compare(const OrderBookDetails& a, const OrderBookDetails& b, int column) {
  switch (column) {
    case kPrice: return a.Price < b.Price ? -1 : (a.Price > b.Price ? 1 : 0);
    case kSide: return std::strcmp(a.B_S, b.B_S);
    case kRemarks: return std::strcmp(a.Remarks, b.Remarks);
    case kClient: return std::strcmp(a.Client, b.Client);
    case kTotal: return (a.Total_Qty > b.Total_Qty) - (a.Total_Qty < b.Total_Qty);
    default: return a.Pending_Qty < b.Pending_Qty ? -1 : (a.Pending_Qty > b.Pending_Qty ? 1 : 0);
  }
}

class OrderBookSorterTest : public ::testing::Test {
 protected:
  OrderBookDetails* Add(std::uint32_t refNo, double price, const char* side, const char* remarks = "",
                        int quantity = 0) {
    OrderBookDetails& r = m_records.emplace_back();
    r.RefNo = refNo;
    r.Price = price;
    CopyText(r.B_S, side);
    CopyText(r.Remarks, remarks);
    r.Pending_Qty = quantity;
    m_rows.push_back(&r);
    return &r;
  }
  std::vector<std::uint32_t> RefNos() const {
    std::vector<std::uint32_t> out;
    for (const OrderBookDetails* r : m_rows) out.push_back(r->RefNo);
    return out;
  }

  std::deque<OrderBookDetails> m_records;
  std::vector<OrderBookDetails*> m_rows;
  OrderBookSorter m_sorter;
};

TEST_F(OrderBookSorterTest, the_first_column_leads_later_ones_break_ties_and_full_ties_keep_their_order) {
  Add(1, 5, "SELL");
  Add(2, 7, "BUY");
  Add(3, 5, "SELL");
  Add(4, 9, "BUY");
  Add(5, 1, "SELL");

  const SortColState sideThenPriceDown[] = {{kSide, true}, {kPrice, false}};
  m_sorter.Sort(m_rows, sideThenPriceDown, Extract);
  EXPECT_EQ(RefNos(), (std::vector<std::uint32_t>{4, 2, 1, 3, 5}));

  const SortColState priceDown[] = {{kPrice, false}};
  m_sorter.Sort(m_rows, priceDown, Extract);
  EXPECT_EQ(RefNos(), (std::vector<std::uint32_t>{4, 2, 1, 3, 5})) << "1 and 3 tie and keep their order";

  m_sorter.Sort(m_rows, {}, Extract);
  EXPECT_EQ(RefNos(), (std::vector<std::uint32_t>{4, 2, 1, 3, 5})) << "an empty list changes nothing";
}

TEST_F(OrderBookSorterTest, long_texts_that_share_a_prefix_compare_in_full_in_both_directions) {
  Add(1, 0, "B", "Placed by dealer 2");
  Add(2, 0, "B", "Placed by dealer 10");
  Add(3, 0, "B", "Placed by");
  Add(4, 0, "B", "Placed by dealer 2");
  Add(5, 0, "B", "Placed");

  const SortColState up[] = {{kRemarks, true}};
  m_sorter.Sort(m_rows, up, Extract);
  EXPECT_EQ(RefNos(), (std::vector<std::uint32_t>{5, 3, 2, 1, 4}));
  const SortColState down[] = {{kRemarks, false}};
  m_sorter.Sort(m_rows, down, Extract);
  EXPECT_EQ(RefNos(), (std::vector<std::uint32_t>{1, 4, 2, 3, 5})) << "equal remarks stay in their order";
}

TEST_F(OrderBookSorterTest, a_failing_or_short_extractor_leaves_the_rows_as_they_were) {
  for (std::uint32_t i = 1; i <= 5; ++i) Add(i, 10.0 - i, "BUY");
  const std::vector<std::uint32_t> before = RefNos();
  const SortColState byPrice[] = {{kPrice, true}, {kSide, true}};

  SortKeyExtractor throwsOnSecond = [](std::span<OrderBookDetails* const> rows, int column, SortKeyColumn& keys) {
    if (column == kSide) throw std::runtime_error("lookup failed");
    Extract(rows, column, keys);
  };
  EXPECT_THROW(m_sorter.Sort(m_rows, byPrice, throwsOnSecond), std::runtime_error);
  EXPECT_EQ(RefNos(), before);

  SortKeyExtractor tooFew = [](std::span<OrderBookDetails* const> rows, int column, SortKeyColumn& keys) {
    Extract(rows.first(rows.size() - 1), column, keys);
  };
  EXPECT_THROW(m_sorter.Sort(m_rows, byPrice, tooFew), std::logic_error);
  EXPECT_EQ(RefNos(), before);
}

// The result must be what a stable sort with the same comparer gives, whether the ordering runs
// on one thread or on every core.
TEST_F(OrderBookSorterTest, equals_a_stable_sort_for_random_column_lists_serial_and_parallel) {
  std::mt19937 random(3);
  const char* sides[] = {"BUY", "SELL", "B", ""};
  const char* remarks[] = {"Placed by dealer 1", "Placed by dealer 12", "Placed by", "Modify", ""};
  const char* clients[] = {"C1", "C2", "CLIENT-LONG-1", "CLIENT-LONG-2"};
  for (std::uint32_t i = 0; i < 10000; ++i) {
    OrderBookDetails* r = Add(i, static_cast<double>(random() % 50) / 4.0 - 3.0, sides[random() % 4],
                              remarks[random() % 5], static_cast<int>(random() % 7));
    CopyText(r->Client, clients[random() % 4]);
    r->Total_Qty = static_cast<int>(random() % 3);
  }
  std::shuffle(m_rows.begin(), m_rows.end(), random);

  for (int trial = 0; trial < 16; ++trial) {
    m_sorter.SetParallelThreshold(trial % 2 == 0 ? 1 : SIZE_MAX);
    // One to eight entries, repeats included, so that every number of distinct columns shows up.
    std::vector<SortColState> columns;
    const int count = 1 + trial / 2;
    for (int c = 0; c < count; ++c) columns.push_back({static_cast<int>(random() % kTestColumns), random() % 2 == 0});

    std::vector<OrderBookDetails*> expected = m_rows;
    std::stable_sort(expected.begin(), expected.end(), [&](const OrderBookDetails* a, const OrderBookDetails* b) {
      for (const SortColState& c : columns) {
        const int r = Compare(*a, *b, c.nColumn);
        if (r != 0) return c.bAscending ? r < 0 : r > 0;
      }
      return false;
    });
    m_sorter.Sort(m_rows, columns, Extract);
    ASSERT_EQ(m_rows, expected) << "trial " << trial;
  }
}

}  // namespace
