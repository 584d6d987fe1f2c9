#pragma once
// Where the grid's Cancel (of the selection) or Cancel All has got while it runs in slices
// (SlicedWork). The rows are taken when the user asks; the keys collected stay here, out of the
// store's cancellation list, through the market check, until the command's last step lists them
// for the question and the host.
#include "actions/KeySet.h"
#include "actions/MarketStatusCheck.h"
#include "host/records/OrderBookDetails.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct GridCancelPass {
  bool bAllRows = false;  // Cancel All: every row; otherwise the selected rows
  std::uint64_t nStoreReleases = 0;  // RecordArena::Releases() when asked
  // The records asked for, in the order the command walks them.
  std::vector<const OrderBookDetails*> records;
  std::size_t nNext = 0;
  std::vector<std::uint32_t> keys;  // each order once, in the order met
  KeySet listed;
  bool bStrategySkipped = false;
  bool bCollected = false;  // every row walked (the market check comes next)
  std::unique_ptr<MarketStatusCheck::Walk> pMarketWalk;
};
