// With the store's change journal on, a refresh patches the row list from the changes alone. It
// must always come out as a rebuild from scratch would make it, whatever the host does between
// ticks.
#include "support/ViewHarness.h"
#include "host/OrvEnumsMethods.h"
#include "view/ColumnCatalogue.h"
#include "view/RowListRoom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <span>

namespace {

class JournalRefresh : public ::testing::Test {
 protected:
  JournalRefresh() {
    for (BookKind kind : {BookKind::Pending, BookKind::GTD}) {
      AppOrderBook::SetChangeJournal(kind, true);
      // Small books too go through the passes in slices on every core.
      AppOrderBook::Sorter(kind).SetParallelThreshold(1);
    }
    AppGlobal::g_bLastOrderSelection = 1;
  }
  ~JournalRefresh() override {
    for (BookKind kind : {BookKind::Pending, BookKind::GTD})
      AppOrderBook::Sorter(kind).SetParallelThreshold(OrderBookSorter::kDefaultParallelThreshold);
  }

  // What a rebuild from scratch keeps: the GTD contract rule, then the grid's own predicate.
  static std::vector<OrderBookDetails*> Expected(OrderBookGrid& grid, BookKind kind) {
    std::vector<OrderBookDetails*> out;
    for (OrderBookDetails* r : AppOrderBook::Book(kind).vctDisplayed) {
      if (kind == BookKind::GTD && (!r || !r->pContract)) continue;
      if (grid.CheckRecordAddForFilter(r)) out.push_back(r);
    }
    return out;
  }

  static void SetStatus(OrderBookDetails& r, OrderStatusIdentifier status) {
    r.eOrderStatus = status;
    CopyText(r.Order_Status, OrvEnumsMethods::GetOrderStatus(status));
  }

  ViewHarness h;
};

TEST_F(JournalRefresh, random_host_traffic_gives_the_rows_a_full_rebuild_gives) {
  std::mt19937 rng(20261206);
  auto below = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  const OrderStatusIdentifier statuses[] = {ePending, eUnConfirmed, eCancelled, eCompleted, eRejected};
  std::uint32_t nextRef = 1;
  auto add = [&](BookKind kind) {
    const std::uint32_t ref = nextRef++;
    const bool spread = below(10) == 0;
    const int rows = spread ? 3 : 1;
    for (int leg = 0; leg < rows; ++leg) {
      h.AddOrder(kind, ref, [&](OrderBookDetails& r) {
        SetStatus(r, statuses[below(3) == 0 ? below(5) : below(2)]);
        CopyText(r.B_S, below(2) ? "BUY" : "SELL");
        if (below(3) == 0) r.lOurToken = ViewHarness::kReliance, r.pContract = h.Master().Find(ViewHarness::kReliance);
        if (below(40) == 0) r.pContract = nullptr;
        if (spread) {
          r.eOrderLeg = eSpreadLeg;
          CopyText(r.Order_Status, leg == 0 ? "Spread Pending" : "Spread Pending Leg");
        }
      });
    }
  };
  for (int i = 0; i < 200; ++i) add(below(2) ? BookKind::Pending : BookKind::GTD);
  OrderBookGrid* grids[] = {&h.Pending(), &h.Gtd()};
  h.Run();

  for (int round = 0; round < 300; ++round) {
    for (BookKind kind : {BookKind::Pending, BookKind::GTD}) {
      OrderBookGrid& grid = *grids[kind == BookKind::Pending ? 0 : 1];
      std::vector<OrderBookDetails*>& displayed = AppOrderBook::Book(kind).vctDisplayed;
      const int events = 1 + below(8);
      for (int e = 0; e < events && !displayed.empty(); ++e) {
        OrderBookDetails* some = displayed[static_cast<std::size_t>(below(static_cast<int>(displayed.size())))];
        switch (below(20)) {
          case 0: case 1: case 2: case 3: add(kind); break;
          case 4: AppOrderBook::RemoveOrder(kind, some); break;
          case 5:  // a change the host does not name
            SetStatus(*some, statuses[below(5)]);
            AppOrderBook::MarkUpdated(kind);
            break;
          case 6:
            if (round % 10 == 0) AppOrderBook::Book(kind).IsSortData = 1, grid.ToggleSortColumn(COL_Price);
            break;
          case 7:
            if (round % 7 == 0) {
              grid.SetDefaultDemoFilter(COL_B_S, below(2) ? "BUY" : "SELL", below(4) == 0, true, false);
              grid.FilterGridData();
            }
            break;
          case 8:
            // Mostly one order; now and then everything, which the memory looks up through its table.
            if (round % 23 == 0) grid.SelectAll();
            else if (round % 5 == 0) grid.SetCurSel({below(std::max(grid.GetVirtualRowCount(), 1)), 0}, 160, true);
            break;
          default:
            SetStatus(*some, statuses[below(5)]);
            if (below(4) == 0) some->pContract = nullptr;
            else if (!some->pContract) some->pContract = h.Master().Find(some->lOurToken);
            AppOrderBook::MarkUpdated(kind, some);
        }
      }
    }
    LastSelectedOrderData_map remembered[2];
    for (BookKind kind : {BookKind::Pending, BookKind::GTD}) {
      const auto& memory = AppOrderBook::Book(kind).LastSelected;
      // With several orders remembered the current row goes to the last one found; one is enough.
      remembered[kind == BookKind::Pending ? 0 : 1] = memory.size() == 1 ? memory[0] : LastSelectedOrderData_map{};
    }
    h.Run();
    for (BookKind kind : {BookKind::Pending, BookKind::GTD}) {
      OrderBookGrid& grid = *grids[kind == BookKind::Pending ? 0 : 1];
      const std::vector<OrderBookDetails*> expected = Expected(grid, kind);
      ASSERT_EQ(grid.RowVector(), expected) << "round " << round;
      ASSERT_EQ(grid.GetVirtualRowCount(), static_cast<int>(expected.size()));
      // The remembered order comes back on its first match, a spread order's leg row on a leg row.
      const LastSelectedOrderData_map& entry = remembered[kind == BookKind::Pending ? 0 : 1];
      if (entry.RefNo == 0) continue;
      for (std::size_t i = 0; i < expected.size(); ++i) {
        const OrderBookDetails* r = expected[i];
        if (r->RefNo != entry.RefNo || (r->eOrderLeg == eSpreadLeg && r->IsLegRow() != entry.bLegRow)) continue;
        EXPECT_EQ(grid.GetCurSelItemID().m_nRow, static_cast<int>(expected.size() - 1 - i)) << "round " << round;
        break;
      }
    }
  }
  EXPECT_GT(h.Pending().PatchedRefreshes(), 100u) << "most refreshes follow the journal";
  EXPECT_GT(h.Gtd().PatchedRefreshes(), 100u);
}

TEST_F(JournalRefresh, a_record_that_starts_passing_takes_its_place_and_unnamed_changes_still_show) {
  std::vector<OrderBookDetails*> records;
  for (std::uint32_t i = 1; i <= 5; ++i) records.push_back(h.AddOrder(BookKind::Pending, i));
  SetStatus(*records[2], eCancelled);
  auto& grid = h.Pending();
  h.Run();
  auto shown = [&] {
    std::vector<std::uint32_t> out;
    for (int r = 0; r < grid.GetVirtualRowCount(); ++r) out.push_back(grid.RecordAtRow(r)->RefNo);
    return out;
  };
  ASSERT_EQ(shown(), (std::vector<std::uint32_t>{5, 4, 2, 1}));

  SetStatus(*records[2], ePending);
  SetStatus(*records[3], eCompleted);
  AppOrderBook::MarkUpdated(BookKind::Pending, std::vector<OrderBookDetails*>{records[2], records[3], records[2]});
  h.Run();
  EXPECT_EQ(shown(), (std::vector<std::uint32_t>{5, 3, 2, 1}));
  EXPECT_EQ(grid.PatchedRefreshes(), 1u);

  // A host that edits in place and raises the flag itself is not in the journal: the grid sees
  // a request with nothing to explain it and rebuilds from scratch.
  SetStatus(*records[0], eCancelled);
  AppOrderBook::IsUpdatePost = 1;
  h.Run();
  EXPECT_EQ(shown(), (std::vector<std::uint32_t>{5, 3, 2}));
  EXPECT_EQ(grid.PatchedRefreshes(), 1u);
}

TEST_F(JournalRefresh, removing_a_sort_in_a_tick_with_named_changes_shows_the_allocation_order) {
  std::vector<OrderBookDetails*> records;
  for (std::uint32_t i = 1; i <= 12; ++i)
    records.push_back(h.AddOrder(BookKind::Pending, i, [i](OrderBookDetails& r) { r.Price = 100 + (i * 5) % 12; }));
  auto& grid = h.Pending();
  h.Run();
  grid.ToggleSortColumn(COL_Price);
  h.Run();
  // Each click with a change named in the same tick: the last one puts the store's order back.
  for (int click = 0; click < 3 && !grid.GetSortColumns().empty(); ++click) {
    records[static_cast<std::size_t>(click)]->Traded_Qty += 1;
    AppOrderBook::MarkUpdated(BookKind::Pending, records[static_cast<std::size_t>(click)]);
    grid.ToggleSortColumn(COL_Price);
    h.Run();
    ASSERT_EQ(grid.RowVector(), Expected(grid, BookKind::Pending)) << "click " << click;
  }
  ASSERT_TRUE(grid.GetSortColumns().empty());
  EXPECT_EQ(grid.RowVector(), AppOrderBook::vctDisplayedOrderBook);
  // The store's places are numbered again: a removal and a change still patch correctly.
  AppOrderBook::RemoveOrder(BookKind::Pending, records[4]);
  records[7]->Price = 1;
  AppOrderBook::MarkUpdated(BookKind::Pending, records[7]);
  h.Run();
  EXPECT_EQ(grid.RowVector(), Expected(grid, BookKind::Pending));
}

TEST_F(JournalRefresh, a_sorted_view_under_random_traffic_patches_its_rows_as_a_rebuild_gives) {
  std::mt19937 rng(7);
  auto below = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  std::uint32_t nextRef = 1;
  // Few prices, so equal keys are many and their order is tested as much as the keys.
  auto add = [&] {
    h.AddOrder(BookKind::Pending, nextRef++, [&](OrderBookDetails& r) {
      r.Price = 100 + below(8);
      r.lOurToken = 11 + below(3);
      r.Pending_Qty = 1 + below(50);
      CopyText(r.B_S, below(3) ? "BUY" : "SELL");
    });
  };
  // What the status bar sums for a contract: pending quantity and value of its pending rows.
  auto sum = [](const std::vector<OrderBookDetails*>& rows, std::int32_t token) {
    ContractRowTotals totals;
    for (const OrderBookDetails* r : rows)
      if (r->lOurToken == token && r->eOrderStatus == ePending) {
        totals.buy.qty += r->Pending_Qty;
        totals.buy.value += r->Pending_Qty * r->Price;
      }
    return totals;
  };
  std::size_t totalsReused = 0;
  for (int i = 0; i < 400; ++i) add();
  OrderBookGrid& grid = h.Pending();
  grid.SetDefaultDemoFilter(COL_B_S, "BUY", false, true, false);
  grid.FilterGridData();
  h.Run();
  grid.ToggleSortColumn(COL_Price);
  h.Run();
  ASSERT_TRUE(AppOrderBook::KeepsSorted(BookKind::Pending));
  std::vector<OrderBookDetails*>& displayed = AppOrderBook::vctDisplayedOrderBook;
  const std::uint64_t patchedBefore = grid.PatchedRefreshes();

  for (int round = 0; round < 300; ++round) {
    const int events = 1 + below(6);
    for (int e = 0; e < events; ++e) {
      OrderBookDetails* some = displayed[static_cast<std::size_t>(below(static_cast<int>(displayed.size())))];
      switch (below(6)) {
        case 0: add(); break;
        case 1: if (below(3) == 0) AppOrderBook::RemoveOrder(BookKind::Pending, some); break;
        case 2: CopyText(some->B_S, below(2) ? "BUY" : "SELL"); AppOrderBook::MarkUpdated(BookKind::Pending, some); break;
        case 3:
          if (below(3) == 0) some->Pending_Qty = 1 + below(50);
          else if (below(2)) SetStatus(*some, below(2) ? ePending : eCompleted);
          else some->lOurToken = 11 + below(3);
          AppOrderBook::MarkUpdated(BookKind::Pending, some);
          break;
        default: some->Price = 100 + below(8); AppOrderBook::MarkUpdated(BookKind::Pending, some);
      }
      // Several settles before one refresh: reorders, removals and changes interleave.
      if (below(4) == 0) AppOrderBook::SettleSortedOrder(BookKind::Pending);
    }
    if (round % 50 == 49) grid.SelectAll();  // the selection memory then follows every row's key
    h.Run();
    ASSERT_EQ(grid.RowVector(), Expected(grid, BookKind::Pending)) << "round " << round;
    // The tokens kept beside the rows for the totals follow them too.
    const std::span<const std::int32_t> tokens = grid.RowTokens();
    ASSERT_EQ(tokens.size(), grid.RowVector().size()) << "round " << round;
    for (std::size_t i = 0; i < tokens.size(); ++i)
      ASSERT_EQ(tokens[i], grid.RowVector()[i]->lOurToken) << "round " << round << ", row " << i;
    // Totals kept for a contract are handed back only while they are still its sum, to the bit.
    for (std::int32_t token = 11; token <= 13; ++token) {
      const ContractRowTotals* kept = grid.KeptTotals(token);
      if (kept == nullptr) continue;
      ++totalsReused;
      const ContractRowTotals fresh = sum(grid.RowVector(), token);
      ASSERT_EQ(kept->buy.qty, fresh.buy.qty) << "round " << round << ", token " << token;
      ASSERT_EQ(kept->buy.value, fresh.buy.value) << "round " << round << ", token " << token;
    }
    const std::int32_t watched = 11 + below(3);
    grid.KeepTotals(watched, sum(grid.RowVector(), watched));
    ASSERT_TRUE(std::is_sorted(displayed.begin(), displayed.end(),
                               [](const OrderBookDetails* a, const OrderBookDetails* b) { return a->Price < b->Price; }) ||
                std::is_sorted(displayed.begin(), displayed.end(),
                               [](const OrderBookDetails* a, const OrderBookDetails* b) { return a->Price > b->Price; }))
        << "round " << round;
  }
  EXPECT_GT(grid.PatchedRefreshes() - patchedBefore, 250u) << "moved rows are patched, not rebuilt";
  EXPECT_GT(totalsReused, 10u) << "rounds that left a contract alone keep its totals";
}

TEST_F(JournalRefresh, filter_changes_under_traffic_give_the_rows_a_rebuild_gives) {
  // Narrowing changes filter the rows shown; widening ones rebuild. Either way the rows, their
  // tokens and the remembered order's row must be those of a rebuild from scratch.
  std::mt19937 rng(20261208);
  auto below = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  const OrderStatusIdentifier statuses[] = {ePending, eUnConfirmed, eCancelled, eCompleted};
  // More clients than a short value list holds, with prefixes of one another.
  const char* clients[] = {"C1", "C2", "C3", "C4", "C5", "C6", "C7", "C8", "C9", "C10", "C11", "C12"};
  const std::int32_t tokens[] = {ViewHarness::kNiftyFut, ViewHarness::kReliance, ViewHarness::kBseOfs};
  std::uint32_t nextRef = 1;
  auto add = [&] {
    h.AddOrder(BookKind::Pending, nextRef++, [&](OrderBookDetails& r) {
      SetStatus(r, statuses[below(4)]);
      CopyText(r.B_S, below(2) ? "BUY" : "SELL");
      CopyText(r.Client, clients[below(12)]);
      r.lOurToken = tokens[below(3)];
      r.pContract = below(30) == 0 ? nullptr : h.Master().Find(r.lOurToken);
      r.Price = 100 + below(6);
      r.dtServerEntryTime = orv::platform::OleDateTime(2026, 12, 8, 9, below(60), 0);
    });
  };
  for (int i = 0; i < 300; ++i) add();
  OrderBookGrid& grid = h.Pending();
  grid.ClearFilter(-1);
  grid.FilterGridData();
  h.Run();

  // A random value list of a column, or all values.
  auto some = [&](std::initializer_list<const char*> all) {
    std::vector<std::string> out;
    for (const char* v : all)
      if (below(2)) out.emplace_back(v);
    return out;
  };
  for (int round = 0; round < 400; ++round) {
    switch (below(7)) {
      case 0: grid.SetFilterParam(COL_B_S, some({"BUY", "SELL"}), below(4) == 0, true, false); break;
      case 1: grid.SetFilterParam(COL_Order_Status, some({"Pending", "UnConfirmed", "Cancelled"}), below(5) == 0, true, false); break;
      case 2:
        grid.SetFilterParam(COL_Client, some({"C1", "C2", "C3", "C4", "C5", "C6", "C7", "C8", "C9", "C10", "C11", "C12"}),
                            below(4) == 0, true, false);
        break;
      case 3: grid.SetFilterParam(COL_ExchCode, some({"NSE", "BSE"}), below(3) == 0, true, false); break;
      case 4: {  // a time range, tightened or loosened
        MULTIPLEFILTER_PARAM range;
        range.dtFrom = orv::platform::OleDateTime(2026, 12, 8, 9, below(30), 0);
        range.dtTill = below(3) ? orv::platform::OleDateTime(2026, 12, 8, 9, 30 + below(30), 0)
                                : orv::platform::OleDateTime::Null();
        grid.AddFilter(COL_Server_Entry_Time, range);
        grid.FilterGridData();
        break;
      }
      case 5: if (below(6) == 0) grid.ClearFilter(-1), grid.FilterGridData(); break;
      default: break;  // traffic only
    }
    if (round % 37 == 0) AppOrderBook::Book(BookKind::Pending).IsSortData = 1, grid.ToggleSortColumn(COL_Price);
    if (round % 11 == 0 && grid.GetVirtualRowCount() > 0) grid.SetCurSel({below(grid.GetVirtualRowCount()), 0}, 160, true);
    std::vector<OrderBookDetails*>& displayed = AppOrderBook::vctDisplayedOrderBook;
    for (int e = below(4); e > 0; --e) {
      OrderBookDetails* r = displayed[static_cast<std::size_t>(below(static_cast<int>(displayed.size())))];
      switch (below(4)) {
        case 0: add(); break;
        case 1: AppOrderBook::RemoveOrder(BookKind::Pending, r); break;
        default:
          SetStatus(*r, statuses[below(4)]);
          CopyText(r->Client, clients[below(12)]);
          AppOrderBook::MarkUpdated(BookKind::Pending, r);
      }
    }
    const auto& memory = AppOrderBook::Book(BookKind::Pending).LastSelected;
    const LastSelectedOrderData_map entry = memory.size() == 1 ? memory[0] : LastSelectedOrderData_map{};
    h.Run();
    const std::vector<OrderBookDetails*> expected = Expected(grid, BookKind::Pending);
    ASSERT_EQ(grid.RowVector(), expected) << "round " << round;
    ASSERT_EQ(grid.GetVirtualRowCount(), static_cast<int>(expected.size()));
    const std::span<const std::int32_t> rowTokens = grid.RowTokens();
    for (std::size_t i = 0; i < rowTokens.size(); ++i) ASSERT_EQ(rowTokens[i], expected[i]->lOurToken) << "round " << round;
    if (entry.RefNo == 0) continue;
    const auto found = std::find_if(expected.begin(), expected.end(), [&](const OrderBookDetails* r) { return r->RefNo == entry.RefNo; });
    if (found != expected.end()) {
      EXPECT_EQ(grid.GetCurSelItemID().m_nRow, static_cast<int>(expected.end() - found - 1)) << "round " << round;
    }
  }
  EXPECT_GT(grid.NarrowedRefreshes(), 50u) << "narrowing changes skip the rest of the book";
}

TEST_F(JournalRefresh, a_row_list_growing_by_appends_and_the_selection_index_keep_their_room_near_their_size) {
  OrderBookGrid& grid = h.Pending();
  h.AddOrder(BookKind::Pending, 1);
  h.Run();
  grid.SetCurSel({0, 0}, 160, true);  // the selection memory then keeps a match key per row
  const std::uint64_t patchedBefore = grid.PatchedRefreshes();
  std::uint32_t ref = 2;
  for (int tick = 0; tick < 5; ++tick) {
    for (int i = 0; i < 4000; ++i) h.AddOrder(BookKind::Pending, ref++);
    h.Run();
    ASSERT_EQ(grid.RowTokens().size(), grid.RowVector().size());
  }
  const std::size_t rows = grid.RowVector().size();
  ASSERT_EQ(rows, 20001u);
  EXPECT_EQ(grid.PatchedRefreshes() - patchedBefore, 5u) << "the new orders are appended, not rebuilt";
  // Row pointer, displayed index, match key and token: no list may have doubled its room.
  const std::size_t perRow = sizeof(OrderBookDetails*) + 4 + sizeof(SelectionIndex::PackedRowKey) + 4;
  EXPECT_LE(grid.MemoryBytes(), RowListRoom::Most(rows) * perRow + 16 * 1024);

  // A select-all's index is given back once one order is selected again.
  grid.SelectAll();
  h.AddOrder(BookKind::Pending, ref++);
  h.Run();
  EXPECT_GT(grid.MemoryBytes(), RowListRoom::Most(rows + 1) * perRow + 16 * 1024);
  grid.SetCurSel({0, 0}, 160, true);
  h.AddOrder(BookKind::Pending, ref++);
  h.Run();
  EXPECT_LE(grid.MemoryBytes(), RowListRoom::Most(rows + 2) * perRow + 16 * 1024);
}

TEST_F(JournalRefresh, the_way_back_to_no_filter_under_traffic_gives_the_rows_and_tokens_a_rebuild_gives) {
  // The book's tokens are kept while a filter is on and handed back to the unfiltered rows; the
  // host changes tokens and quantities in place, appends and removes meanwhile. The unfiltered
  // rows' kept totals come back with them only while still their sum, to the bit.
  AppGlobal::g_bLastOrderSelection = 0;
  std::mt19937 rng(20261209);
  auto below = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  const std::int32_t tokens[] = {ViewHarness::kNiftyFut, ViewHarness::kReliance, ViewHarness::kBseOfs};
  std::uint32_t nextRef = 1;
  auto add = [&] {
    h.AddOrder(BookKind::Pending, nextRef++, [&](OrderBookDetails& r) {
      SetStatus(r, below(3) ? ePending : eUnConfirmed);
      CopyText(r.B_S, below(2) ? "BUY" : "SELL");
      r.lOurToken = tokens[below(3)];
      r.pContract = h.Master().Find(r.lOurToken);
      r.Pending_Qty = 1 + below(50);
      r.Price = 100.1 + below(8);
    });
  };
  // The status bar's sum (its pending statuses, by side), which its own refreshes keep as well.
  auto sum = [](const std::vector<OrderBookDetails*>& rows, std::int32_t token) {
    ContractRowTotals totals;
    for (const OrderBookDetails* r : rows)
      if (r->lOurToken == token && (r->eOrderStatus == ePending || r->eOrderStatus == eUnConfirmed)) {
        ContractRowTotals::Side& side = std::string_view(r->B_S) == "BUY" ? totals.buy : totals.sell;
        side.qty += r->Pending_Qty;
        side.value += static_cast<double>(r->Pending_Qty) * r->Price * r->pContract->dMultiplier;
      }
    return totals;
  };
  std::size_t totalsBack = 0;
  for (int i = 0; i < 700; ++i) add();
  OrderBookGrid& grid = h.Pending();
  grid.ClearFilter(-1);
  grid.FilterGridData();
  h.Run();
  (void)grid.RowTokens();  // the status bar's column, as a pending current row asks for it

  std::vector<OrderBookDetails*>& displayed = AppOrderBook::vctDisplayedOrderBook;
  const std::uint64_t narrowedBefore = grid.NarrowedRefreshes();
  for (int round = 0; round < 200; ++round) {
    if (round % 2 == 0) grid.SetFilterParam(COL_B_S, {below(2) ? "BUY" : "SELL"}, false, true, false);
    else grid.ClearFilter(-1), grid.FilterGridData();
    // Mostly changes in place (which the kept column follows), now and then a removal (which
    // drops it until the rows are read again).
    for (int e = below(5); e > 0; --e) {
      OrderBookDetails* r = displayed[static_cast<std::size_t>(below(static_cast<int>(displayed.size())))];
      // Now and then a row of the contract whose totals are kept.
      if (OrderBookDetails* current = grid.RecordAtRow(grid.GetCurSelItemID().m_nRow); current && below(4) == 0) r = current;
      switch (round % 10 == 9 ? below(3) : 1 + below(2)) {
        case 0: AppOrderBook::RemoveOrder(BookKind::Pending, r); break;
        case 1: add(); break;
        default:
          if (below(2)) r->lOurToken = tokens[below(3)];
          else r->Pending_Qty = 1 + below(50);
          AppOrderBook::MarkUpdated(BookKind::Pending, r);
      }
    }
    h.Run();
    const std::vector<OrderBookDetails*> expected = Expected(grid, BookKind::Pending);
    ASSERT_EQ(grid.RowVector(), expected) << "round " << round;
    const std::span<const std::int32_t> rowTokens = grid.RowTokens();
    ASSERT_EQ(rowTokens.size(), expected.size()) << "round " << round;
    for (std::size_t i = 0; i < rowTokens.size(); ++i)
      ASSERT_EQ(rowTokens[i], expected[i]->lOurToken) << "round " << round << ", row " << i;
    for (const std::int32_t token : tokens) {
      const ContractRowTotals* kept = grid.KeptTotals(token);
      if (kept == nullptr) continue;
      totalsBack += round % 2;  // a filter change touches every contract but for what the way back restores
      const ContractRowTotals fresh = sum(grid.RowVector(), token);
      for (auto [k, f] : {std::pair{kept->buy, fresh.buy}, std::pair{kept->sell, fresh.sell}}) {
        ASSERT_EQ(k.qty, f.qty) << "round " << round << ", token " << token;
        ASSERT_EQ(k.value, f.value) << "round " << round << ", token " << token;
      }
    }
    // The current row's contract, whose totals the status bar asks for on the next refresh.
    const OrderBookDetails* current = grid.RecordAtRow(grid.GetCurSelItemID().m_nRow);
    const std::int32_t watched = current ? current->lOurToken : tokens[below(3)];
    grid.KeepTotals(watched, sum(grid.RowVector(), watched));
  }
  EXPECT_GE(grid.NarrowedRefreshes() - narrowedBefore, 190u) << "neither way rebuilds from scratch";
  EXPECT_GT(totalsBack, 50u) << "the unfiltered rows' totals come back when their contract was left alone";
}

}  // namespace
