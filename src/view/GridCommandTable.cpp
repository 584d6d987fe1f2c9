// The grid's command table: every command id of the context menu (resource 2001) and the header
// menu, each with the handler it reaches.
#include "view/OrderBookGrid.h"

#include <algorithm>
#include <array>

namespace {

using Handler = void (*)(OrderBookGrid&, unsigned id);

struct CommandEntry {
  unsigned nId;
  Handler pfnHandler;
};

template <void (OrderBookGrid::*Member)()>
void Call(OrderBookGrid& grid, unsigned) {
  (grid.*Member)();
}
template <void (OrvGridCtrl::*Member)()>
void CallBase(OrderBookGrid& grid, unsigned) {
  (grid.*Member)();
}
void QuickFilter(OrderBookGrid& grid, unsigned id) { grid.OnQuickFilter(id); }
// Menu items the grid accepts and deliberately ignores.
void NoEffect(OrderBookGrid&, unsigned) {}

constexpr std::array kCommands{
    CommandEntry{2002, &Call<&OrderBookGrid::OnModify>},
    // Exchange quick filters; 2024 ("OFS" under Exchange) and 32782 ("MSEI") do nothing.
    CommandEntry{2013, &QuickFilter}, CommandEntry{2014, &QuickFilter}, CommandEntry{2015, &QuickFilter},
    CommandEntry{2016, &QuickFilter}, CommandEntry{2017, &QuickFilter}, CommandEntry{2018, &QuickFilter},
    CommandEntry{2019, &QuickFilter}, CommandEntry{2021, &QuickFilter}, CommandEntry{2022, &QuickFilter},
    CommandEntry{2023, &QuickFilter}, CommandEntry{2024, &NoEffect},    CommandEntry{2025, &QuickFilter},
    CommandEntry{2026, &QuickFilter}, CommandEntry{32782, &NoEffect},   CommandEntry{2028, &QuickFilter},
    // Inst Type, Order, Buy/Sell, Pro/Client, Order Status, Order Style.
    CommandEntry{2029, &QuickFilter}, CommandEntry{2030, &QuickFilter}, CommandEntry{2031, &QuickFilter},
    CommandEntry{2032, &QuickFilter}, CommandEntry{2033, &QuickFilter}, CommandEntry{7333, &QuickFilter},
    CommandEntry{2053, &QuickFilter}, CommandEntry{2054, &QuickFilter}, CommandEntry{2055, &QuickFilter},
    CommandEntry{2034, &QuickFilter}, CommandEntry{2035, &QuickFilter}, CommandEntry{2036, &QuickFilter},
    CommandEntry{2037, &QuickFilter}, CommandEntry{2038, &QuickFilter}, CommandEntry{2039, &QuickFilter},
    CommandEntry{2041, &QuickFilter}, CommandEntry{2042, &QuickFilter}, CommandEntry{2043, &QuickFilter},
    CommandEntry{2044, &QuickFilter}, CommandEntry{2045, &QuickFilter},
    CommandEntry{2056, &QuickFilter}, CommandEntry{2057, &QuickFilter}, CommandEntry{2058, &QuickFilter},
    CommandEntry{7365, &QuickFilter},
    CommandEntry{2059, &Call<&OrderBookGrid::OnUsers>},
    CommandEntry{2004, &Call<&OrderBookGrid::OnPendingorderFilterbar>},
    // Order actions and launches.
    CommandEntry{2060, &Call<&OrderBookGrid::OnTrades>},
    CommandEntry{3110, &Call<&OrderBookGrid::OnMarketpictureF5>},
    CommandEntry{2062, &Call<&OrderBookGrid::OnMarketpictureF6>},
    CommandEntry{2047, &Call<&OrderBookGrid::OnMarketByAggregate>},
    CommandEntry{2063, &Call<&OrderBookGrid::OnCancel>},
    CommandEntry{2064, &Call<&OrderBookGrid::OnCancelall>},
    CommandEntry{3136, &Call<&OrderBookGrid::OnSavefileExcelfile>},
    CommandEntry{3137, &Call<&OrderBookGrid::OnSavefileTextfile>},
    CommandEntry{32775, &Call<&OrderBookGrid::OnBulkOrderExcel>},
    CommandEntry{32774, &Call<&OrderBookGrid::OnBulkOrderText>},
    CommandEntry{2011, &Call<&OrderBookGrid::OnSinglehistory>},
    CommandEntry{2012, &Call<&OrderBookGrid::OnLinktoiob>},
    // The grid base's own items. The TOMU file path is one of the grid properties, which is also
    // what the exported OnTomufilepath opens.
    CommandEntry{61550, &CallBase<&OrvGridCtrl::OnGridProperties>},
    CommandEntry{3138, &CallBase<&OrvGridCtrl::OnColumnprofile>},
    CommandEntry{3140, &CallBase<&OrvGridCtrl::OnFitToSize>},
    CommandEntry{5001, &CallBase<&OrvGridCtrl::OnGridLines>},
    CommandEntry{5010, &CallBase<&OrvGridCtrl::OnGridProperties>},
    // The shell.
    CommandEntry{3134, &Call<&OrderBookGrid::OnCustomize>},
    CommandEntry{3135, &Call<&OrderBookGrid::OnLogoff>},
    CommandEntry{2008, &Call<&OrderBookGrid::OnClose>},
    CommandEntry{2009, &Call<&OrderBookGrid::OnMenuTitlebar>},
    CommandEntry{2010, &Call<&OrderBookGrid::OnMenuStatusbar>},
    // Sorting and filters, context menu and header menu.
    CommandEntry{32780, &Call<&OrderBookGrid::OnOrderBookSavefilter>},
    CommandEntry{3141, &Call<&OrderBookGrid::OnRemoveAllSort>},
    CommandEntry{32861, &Call<&OrderBookGrid::OnSortAZ>},
    CommandEntry{32862, &Call<&OrderBookGrid::OnSortZA>},
    CommandEntry{32863, &Call<&OrderBookGrid::OnFilterSet>},
    CommandEntry{1057, &Call<&OrderBookGrid::OnFilterClear>},
    CommandEntry{32866, &Call<&OrderBookGrid::OnApplyFilter>},
    CommandEntry{33030, &Call<&OrderBookGrid::OnRemoveSort>},
    CommandEntry{33031, &Call<&OrderBookGrid::OnClearAllFilter>},
    CommandEntry{3139, &NoEffect},
};

constexpr bool IdsAreUnique() {
  for (std::size_t i = 0; i < kCommands.size(); ++i)
    for (std::size_t j = i + 1; j < kCommands.size(); ++j)
      if (kCommands[i].nId == kCommands[j].nId) return false;
  return true;
}
static_assert(IdsAreUnique(), "a command id reaches exactly one handler");

const CommandEntry* FindCommand(unsigned id) {
  const auto it = std::find_if(kCommands.begin(), kCommands.end(),
                               [id](const CommandEntry& entry) { return entry.nId == id; });
  return it != kCommands.end() ? &*it : nullptr;
}

}  // namespace

bool OrderBookGrid::OnCommand(unsigned id) {
  const CommandEntry* entry = FindCommand(id);
  if (entry == nullptr) return false;
  try {
    entry->pfnHandler(*this, id);
  } catch (...) {
    LogException("OnCommand");
  }
  return true;
}

bool OrderBookGrid::IsCommandEnabled(unsigned id) {
  switch (id) {
    case 33030: return OnUpdateRemoveSort();
    case 33031: return OnUpdateClearAllFilter();
    default: return true;  // 3141's update handler leaves the command enabled, like every other
  }
}
