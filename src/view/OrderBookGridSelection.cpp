// Selection memory of the order-book grid: which orders are selected survives every rebuild of the
// row list, and the selected records are handed to the order actions.
#include "view/OrderBookGrid.h"

#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "actions/KeySet.h"
#include "view/OrderBookWnd.h"
#include "view/RecordPrefetch.h"

#include <algorithm>
#include <string_view>

using orv::platform::GridRange;

namespace {

// OrderBookDetails::IsLegRow without strstr's set-up, which a select-all of a million rows paid
// twice a row: the status texts are short and nearly all lack the letter.
bool IsLegStatus(const OrderBookDetails& record) {
  return FieldView(record.Order_Status).find("Leg") != std::string_view::npos;
}

}  // namespace

void OrderBookGrid::OnSelChanged(const GridRange& range, int bSelect) {
  try {
    if (!bSelect || bSelectingRows) return;
    if (OrderBookDetails* record = RecordAtRow(range.m_nTop)) {
      const ScriptDesc* contract = record->pContract;
      SetStatusbarValues(record->lOurToken, contract ? contract->Symbol_ScriptID : "",
                         contract ? contract->cExchangeName : "");
      if (HasFocus()) AppGlobal::CurrentLOurTokenForApp = record->lOurToken;
    }
    if (bRestoringSelection) {
      if (m_pWnd) m_pWnd->bMultiRowSelected = false;
      return;
    }
    RebuildSelectionMemory();
  } catch (...) {
    LogException("OnSelChanged");
  }
}

void OrderBookGrid::RebuildSelectionMemory() {
  OrderBookRefs book = AppOrderBook::Book(Variant().eBook);
  book.LastSelected.clear();
  book.mapLastSelected.clear();

  const std::vector<GridRange>& ranges = GetSelectionRanges();
  std::size_t total = 0;
  for (const GridRange& r : ranges) total += static_cast<std::size_t>(std::max(0, r.RowCount()));
  // Orders already remembered, leg rows apart from the others, so a row that two ranges share or
  // a spread order's second leg is entered once. Order numbers are dense, so the sets are bitmaps
  // that stay in cache for a select-all of a million rows.
  KeySet seenOrders;
  KeySet seenLegs;
  auto firstTime = [&](const OrderBookDetails& record, bool leg) {
    return (leg ? seenLegs : seenOrders).Insert(record.RefNo);
  };
  book.LastSelected.reserve(total);

  const int currentRow = GetCurSelItemID().m_nRow;
  std::size_t visited = 0;
  for (const GridRange& r : ranges) {
    if (r.IsEmpty()) continue;
    for (int row = r.m_nTop; row <= r.m_nBottom; ++row) {
      ++visited;
      RecordPrefetch::WalkFields(RecordAtRow(row + static_cast<int>(RecordPrefetch::kRowsAhead)));
      const OrderBookDetails* record = RecordAtRow(row);
      if (!record) continue;
      const bool leg = IsLegStatus(*record);
      if (firstTime(*record, leg)) book.LastSelected.push_back({record->RefNo, 0, leg});
    }
    const OrderBookDetails* top = RecordAtRow(r.m_nTop);
    const OrderBookDetails* bottom = RecordAtRow(r.m_nBottom);
    auto mark = [&](const OrderBookDetails* record, int marker) {
      if (record) book.mapLastSelected[record->RefNo] = {record->RefNo, marker, record->IsLegRow()};
    };
    if (r.m_nBottom > r.m_nTop) {
      if (currentRow == r.m_nBottom) {
        mark(bottom, 1);
        mark(top, 2);
        std::reverse(book.LastSelected.begin(), book.LastSelected.end());
      } else {
        mark(top, 1);
        mark(bottom, 2);
      }
    } else {
      mark(top, 0);
    }
  }
  if (m_pWnd) m_pWnd->bMultiRowSelected = visited > 1;
}

void OrderBookGrid::GetCurSelectedOrders(std::vector<OrderBookDetails*>& out) {
  StartStopProcess(0, 0);
  try {
    for (const GridRange& r : GetSelectionRanges()) {
      if (r.IsEmpty()) continue;
      for (int row = r.m_nTop; row <= r.m_nBottom; ++row)
        if (OrderBookDetails* record = RecordAtRow(row)) out.push_back(record);
    }
  } catch (...) {
    LogException("GetCurSelectedOrders");
  }
  StartStopProcess(1, 0);
}
