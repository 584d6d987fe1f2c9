#pragma once
// The quick filters of the grid's context menu: which column and text each menu item stands for,
// and what choosing it does to that column's filter. The context menu reads the same table to show
// the current filters as ticks.
#include <span>
#include <string_view>

enum class QuickFilterMode {
  All,       // clear the column's filter
  Toggle,    // take the value out when present, else make it the column's only value
  Add,       // take the value out when present, else add it to the values already there
  MarkOnly,  // the menu shows the value's tick, the command itself does nothing
};

struct QuickFilterItem {
  unsigned nId;                // command id of menu 2001
  int nCol;                    // column id the item filters
  std::string_view cValue;     // cell text; empty for the All items
  QuickFilterMode eMode;
  bool bTickedInMenu;          // the context menu ticks this item for the current filter
  std::string_view cHandler;   // the handler name its exception line carries
};

// Every quick-filter item, grouped by column; a group starts with its All item.
std::span<const QuickFilterItem> QuickFilterItems();
// Null for an id that is not a quick-filter command.
const QuickFilterItem* FindQuickFilter(unsigned id);
