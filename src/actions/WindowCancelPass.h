#pragma once
// Where a window's own cancel (of the selected rows, or of every row shown) has got while it runs
// in slices (SlicedWork). The rows are taken when the user asks, so whatever the grid shows by the
// time a later slice runs (orders that arrived, rows that moved or left) cannot widen or shift the
// pass: it goes on with the records that were asked for.
#include "actions/KeySet.h"
#include "actions/MarketStatusCheck.h"
#include "host/records/OrderBookDetails.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct WindowCancelPass {
  enum class Stage {
    Collect,  // the cancellable rows and their keys
    Check,    // the market check over the keys
    Gather,   // the rows that passed become the collected orders
    Ask,      // the question, and for a cancel-all the window's cancel that follows it
    Walk,     // each collected order handed on
  };

  struct Row {
    const OrderBookDetails* pRecord = nullptr;
    std::int32_t nRow = 0;     // the grid row it had when asked
    std::uint32_t lKey = 0;    // its key in the store (set when collected)
  };

  bool bAllRows = false;   // cancel-all: every row shown; otherwise the selected rows
  bool bMultiRow = false;  // the window's multi-row mode when asked
  bool bSilent = false;    // a silent cancel-all (AppGlobal::g_iIsShiftF3ProcessEvent 2 when asked)
  Stage eStage = Stage::Collect;
  std::uint64_t nStoreReleases = 0;  // RecordArena::Releases() when asked

  // The rows asked for, in row order; Collect keeps the cancellable ones at the front.
  std::vector<Row> rows;
  std::size_t nNext = 0;  // the next row (Collect, Gather) or collected order (Walk)
  std::size_t nKept = 0;  // cancellable rows so far (Collect)
  // The keys of the cancellable rows, each once, in row order; after the check, those it kept.
  std::vector<std::uint32_t> keys;
  KeySet listed;
  std::unique_ptr<MarketStatusCheck::Walk> pMarketWalk;  // the market check under way
  bool bAllPassed = true;  // the market check kept every key
  KeySet passed;           // the keys it kept, when it did not keep all
  bool bSentRoomMade = false;  // the walk made room for its orders among the sent cancels
};
