#pragma once
// The status bar's totals: pending buy and sell quantity, lots and value of the current row's
// contract, and the number of rows in the grid.
#include <cstdint>
#include <string>

class OrderBookGrid;

namespace StatusBarTotals {

// Rewrites panes 3 to 10 of the grid's window status bar for `token` (0 writes the empty
// totals). `exchange` is accepted for the callers' sake and not read.
void Write(OrderBookGrid& grid, std::int32_t token, const std::string& symbol, const std::string& exchange);

}  // namespace StatusBarTotals
