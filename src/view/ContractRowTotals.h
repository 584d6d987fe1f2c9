#pragma once
// Pending quantity, lots and value of one contract's rows, by side, as the status bar shows them.
#include <cstdint>

struct ContractRowTotals {
  // Quantities and lots add up over every row of the grid: 64-bit, so that a large book of large
  // orders cannot wrap into a negative total.
  struct Side {
    std::int64_t qty = 0;
    std::int64_t lots = 0;
    double value = 0.0;
  };
  Side buy, sell;
};
