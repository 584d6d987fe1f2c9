#include "sortfilter/ColumnSortKeys.h"

#include "demo/ContractMasterGenerator.h"
#include "demo/OrderBookGenerator.h"
#include "host/AppOrderBook.h"
#include "host/ContractMaster.h"
#include "support/HostReset.h"
#include "view/CellValues.h"
#include "view/ColumnCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

using orv::platform::CellValue;

// The reference: a stable sort over the values GetItemValue gives, numbers for the numeric value
// types (NaN first), texts byte-wise otherwise.
struct ReferenceColumn {
  bool numeric = false;
  std::vector<double> numbers;
  std::vector<std::string> texts;

  int Compare(std::size_t a, std::size_t b) const {
    if (numeric) {
      const double x = numbers[a], y = numbers[b];
      if (std::isnan(x) || std::isnan(y)) return static_cast<int>(std::isnan(y)) - static_cast<int>(std::isnan(x));
      return x < y ? -1 : (x > y ? 1 : 0);
    }
    const int r = texts[a].compare(texts[b]);
    return (r > 0) - (r < 0);
  }
};

std::vector<OrderBookDetails*> ReferenceSort(const std::vector<OrderBookDetails*>& rows,
                                             const std::vector<SortColState>& columns,
                                             const VariantDescription& variant) {
  std::vector<ReferenceColumn> values(columns.size());
  CellValue cell;
  for (std::size_t c = 0; c < columns.size(); ++c) {
    ReferenceColumn& v = values[c];
    v.numeric = IsNumericValueType(ColumnValueType(columns[c].nColumn, variant));
    for (OrderBookDetails* r : rows) {
      GetItemValue(r, columns[c].nColumn, variant, cell);
      if (v.numeric) v.numbers.push_back(cell.ToDouble());
      else v.texts.push_back(cell.ToText());
    }
  }
  std::vector<std::size_t> order(rows.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const int r = values[c].Compare(a, b);
      if (r != 0) return columns[c].bAscending ? r < 0 : r > 0;
    }
    return false;
  });
  std::vector<OrderBookDetails*> out;
  for (std::size_t i : order) out.push_back(rows[i]);
  return out;
}

class ColumnSortKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetHostForTest();
    orv::demo::GenerateContracts(m_master, 7, 400);
    InstallContractMaster(&m_master);
    InstallSortKeyExtractors();
  }
  void TearDown() override {
    AppOrderBook::Sorter(BookKind::Pending).SetParallelThreshold(OrderBookSorter::kDefaultParallelThreshold);
    AppOrderBook::Sorter(BookKind::GTD).SetParallelThreshold(OrderBookSorter::kDefaultParallelThreshold);
    ResetHostForTest();
    InstallContractMaster(nullptr);
  }

  // A demo book with spread legs, contract-less rows and names and product types left for the
  // first display to fill, in a shuffled order so that ties show whether they keep it.
  void Generate(BookKind kind, int orders) {
    orv::demo::OrderBookSpec spec;
    spec.orders = orders;
    spec.seed = 5;
    spec.kind = kind;
    spec.spreadShare = kind == BookKind::Pending ? 0.1 : 0.0;
    spec.contractlessShare = 0.05;
    spec.unfilledLookupShare = 0.3;
    orv::demo::GenerateOrders(spec, m_master);
    orv::demo::RegisterClientNames(spec);
    auto& displayed = AppOrderBook::Book(kind).vctDisplayed;
    std::shuffle(displayed.begin(), displayed.end(), std::mt19937(kind == BookKind::Pending ? 1 : 2));
  }

  // Sorts the book by random column lists through the store and compares with the reference.
  void ExpectReferenceOrder(const VariantDescription& variant, int trials, std::uint32_t seed) {
    std::mt19937 random(seed);
    auto& displayed = AppOrderBook::Book(variant.eBook).vctDisplayed;
    for (int trial = 0; trial < trials; ++trial) {
      std::vector<SortColState> columns;
      const int count = 1 + static_cast<int>(random() % 3);
      for (int c = 0; c < count; ++c)
        columns.push_back({static_cast<int>(random() % static_cast<unsigned>(variant.nColumnCount)), random() % 2 == 0});
      // The reference runs the first-time fills itself, so it goes second, on the same records.
      const std::vector<OrderBookDetails*> before = displayed;
      if (variant.eVariant == ViewVariant::Pending) AppOrderBook::MultiColSortData(columns);
      else AppOrderBook::MultiColSortDataForGTD(columns);
      const std::vector<OrderBookDetails*> expected = ReferenceSort(before, columns, variant);
      std::string list;
      for (const SortColState& c : columns) list += std::to_string(c.nColumn) + (c.bAscending ? "+ " : "- ");
      ASSERT_EQ(displayed, expected) << variant.cGridClass << " trial " << trial << ": " << list;
    }
  }

  CScriptDesc m_master;
};

TEST_F(ColumnSortKeys, the_store_sort_equals_a_stable_sort_over_the_cell_values_for_random_column_lists) {
  Generate(BookKind::Pending, 2500);
  Generate(BookKind::GTD, 2500);
  for (int setting : {0, 1}) {
    AppGlobal::bGeneralSettings_24HrTimeFormat = setting;
    ExpectReferenceOrder(DescriptionOf(ViewVariant::Pending), 25, 11 + setting);
    ExpectReferenceOrder(DescriptionOf(ViewVariant::GTD), 25, 21 + setting);
  }
}

TEST_F(ColumnSortKeys, every_column_of_both_variants_sorts_like_its_cell_values_in_both_directions) {
  Generate(BookKind::Pending, 1500);
  Generate(BookKind::GTD, 1500);
  // Records at the edges: no contract, NaN and infinite prices, the widest numbers.
  for (BookKind kind : {BookKind::Pending, BookKind::GTD}) {
    OrderBookDetails odd = *AppOrderBook::Book(kind).vctAll.front();
    odd.Price = std::nan("");
    odd.Trig_Price = -std::numeric_limits<double>::infinity();
    odd.GTDOrderNo = std::numeric_limits<std::uint64_t>::max();
    odd.NNFID = std::numeric_limits<std::int64_t>::min();
    AppOrderBook::AddOrder(kind, odd);
    odd.pContract = nullptr;
    odd.Price = 1e300;
    AppOrderBook::AddOrder(kind, odd);
  }
  for (ViewVariant v : {ViewVariant::Pending, ViewVariant::GTD}) {
    const VariantDescription& variant = DescriptionOf(v);
    auto& displayed = AppOrderBook::Book(variant.eBook).vctDisplayed;
    for (int column = 0; column < variant.nColumnCount; ++column) {
      for (bool ascending : {true, false}) {
        const std::vector<OrderBookDetails*> before = displayed;
        const std::vector<SortColState> by{{column, ascending}};
        if (v == ViewVariant::Pending) AppOrderBook::MultiColSortData(by);
        else AppOrderBook::MultiColSortDataForGTD(by);
        ASSERT_EQ(displayed, ReferenceSort(before, by, variant)) << variant.cGridClass << " column " << column;
      }
    }
  }
}

TEST_F(ColumnSortKeys, a_large_book_read_and_ordered_on_every_core_gives_the_same_order) {
  // Above the size from which the keys are read in slices on several threads.
  Generate(BookKind::Pending, 40000);
  AppOrderBook::Sorter(BookKind::Pending).SetParallelThreshold(1);
  ASSERT_GE(AppOrderBook::vctDisplayedOrderBook.size(), OrderBookSorter::kDefaultParallelThreshold);
  const VariantDescription& pending = DescriptionOf(ViewVariant::Pending);
  auto& displayed = AppOrderBook::vctDisplayedOrderBook;
  for (const std::vector<SortColState>& columns :
       {std::vector<SortColState>{{COL_Pending_Qty, true}, {COL_Price, false}, {COL_Client, true}},
        std::vector<SortColState>{{COL_Symbol_ScriptID, false}, {COL_Total_Lot, true}},
        std::vector<SortColState>{{COL_Client_Name, true}, {COL_Server_Entry_Time, false}}}) {
    const std::vector<OrderBookDetails*> before = displayed;
    AppOrderBook::MultiColSortData(columns);
    ASSERT_EQ(displayed, ReferenceSort(before, columns, pending));
  }
}

}  // namespace
