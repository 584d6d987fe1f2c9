// The grid's launch commands: link orders to the interactive order book (IOB), the current
// order's history, and the trades, market picture and market by aggregate windows. The host
// opens the windows; the grid only fills the shared request record (or queues a copy of it).
#include "actions/CancellableOrders.h"
#include "actions/KeySet.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/HostWindowRegistry.h"
#include "host/platform/Application.h"
#include "host/platform/MessageBoxService.h"
#include "host/recordcache/CInMemExchangeIobOrder.h"
#include "host/recordcache/QueryScope.h"
#include "host/recordcache/SqlText.h"
#include "view/CellValues.h"
#include "view/ColumnCatalogue.h"
#include "view/HostRequests.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

#include <algorithm>
#include <cstring>

namespace pf = orv::platform;

namespace {

constexpr int kIobLinkRequest = 20001;
constexpr int kIobLinkRequestFrom = 10005;  // both views link as the Pending window does
constexpr int kTradesRequest = 10023;
constexpr int kPictureByPrice = 10001;
constexpr int kPictureByOrder = 10002;
constexpr int kSpreadPicture = 10050;
constexpr int kMarketByAggregate = 10059;
constexpr std::size_t kMaxLinks = 15;

// Order numbers the IOB accepts: the terminal's own ranges, not those of the un-confirmed and
// other hosts' orders.
bool LinkableRefNo(std::uint32_t refNo) {
  return (refNo >= 1 && refNo <= 20000000) || (refNo >= 50000001 && refNo <= 130000000) || refNo >= 400000001;
}

// A cell text into a field of the host's record: at most `width` characters, zero-padded when
// shorter and not terminated when it fills the field (the host reads the field by its width).
void CopyField(SingleOrderDetail& detail, std::size_t offset, std::size_t width, std::string_view text) {
  if (offset >= SingleOrderDetail::kSize) return;
  width = std::min(width, SingleOrderDetail::kSize - offset);
  const std::size_t n = std::min(width, text.size());
  if (n) std::memcpy(detail.data() + offset, text.data(), n);  // an empty cell may have no text at all
  std::memset(detail.data() + offset + n, 0, width - n);
}

}  // namespace

bool OrderBookGrid::IsOrderLinked(const std::uint32_t& refNo) {
  CInMemExchangeIobOrder* table = CInMemExchangeIobOrder::getClass();
  if (!table) return false;
  QueryScope scope(*table);
  return table->ExecuteQuery(SqlText::Format("select * from ExchangeIobOrder where lOurOrderNo=%ld",
                                             static_cast<long>(refNo))) > 0;
}

void OrderBookGrid::OnLinktoiob() {
  const VariantDescription& variant = Variant();
  try {
    if (!AppGlobal::g_bIOMOrderLoginStatus) {
      MessageBox("Logon IOB[Ctrl+I] to process request.", std::string(variant.cIobLinkCaption),
                 pf::MB_ICONINFORMATION);
      return;
    }
    AppGlobal::lTotalQty = 0;
    std::vector<std::uint32_t>& list = AppOrderBook::objOrderBook_IOBLinkOrder;
    list.clear();
    StartStopProcess(0, 50);
    KeySet listed;
    bool invalid = false;
    for (const pf::GridRange& range : GetSelectionRanges()) {
      for (int row = range.m_nTop; row <= range.m_nBottom; ++row) {
        OrderBookDetails* record = RecordAtRow(row);
        if (!record || !CancellableOrders::IsCancellable(*record)) continue;
        const std::uint32_t key = record->RefNo;
        if (std::find(list.begin(), list.end(), key) != list.end()) continue;
        if (IsOrderLinked(key)) continue;
        if (!LinkableRefNo(key)) {
          invalid = true;
          continue;
        }
        if (listed.Insert(key)) {
          list.push_back(key);
          AppGlobal::lTotalQty += record->Total_Qty;
        }
      }
    }
    if (list.size() > kMaxLinks)
      MessageBox("Maximum 15 orders are allowed to Link", std::string(variant.cIobLinkCaption), pf::MB_ICONINFORMATION);
    else if (invalid)
      MessageBox("Unable to Process request due to Invalid combinations", std::string(variant.cIobLinkCaption),
                 pf::MB_ICONINFORMATION);
    else if (!list.empty())
      PostWindowPassing(*this, kIobLinkRequestFrom, kIobLinkRequest);
    StartStopProcess(1, 0);
  } catch (...) {
    LogException("OnLinktoiob");
    StartStopProcess(1, 0);
  }
}

void OrderBookGrid::OnSinglehistory() {
  try {
    if (OrderBookDetails* record = RecordAtRow(GetCurSelItemID().m_nRow)) {
      SingleOrderDetail& detail = AppGlobal::m_objSingleOrderDetail;
      detail.set<std::uint32_t>(0, record->RefNo);
      CellTextBuffer buffer;
      auto cell = [&](int column) { return GetItemText(record, column, Variant(), buffer); };
      CopyField(detail, 4, 11, cell(COL_Symbol_ScriptID));
      CopyField(detail, 16, 10, cell(COL_Ser_Exp_Group));
      CopyField(detail, 27, 14, cell(COL_Strike));
      CopyField(detail, 42, 3, cell(COL_Option_Type));
      CopyField(detail, 46, 49, cell(COL_ExchOrder_No));
      CopyField(detail, 96, 4, cell(COL_B_S));
    }
    if (HasApp()) App().MainWindow().Post(kMsgSingleOrderHistory, 0, 0);
  } catch (...) {
    LogException("OnSinglehistory");
  }
}

void OrderBookGrid::OnTrades() {
  try {
    PostWindowPassing(*this, Variant().nWindowIdentity, kTradesRequest);
  } catch (...) {
    LogException("OnTrades");
  }
}

namespace {

// The market picture of the current row: both legs' contracts for a spread order where the view
// shows them, the row's own contract otherwise. Queued: the host takes a copy when it is free.
void QueueMarketPicture(OrderBookGrid& grid, int requestId) {
  const VariantDescription& variant = grid.Variant();
  const OrderBookDetails* record = grid.RecordAtRow(grid.GetCurSelItemID().m_nRow);
  const std::int32_t token = record ? record->lOurToken : 0;
  const bool spread = record && std::strstr(record->Order_Status, "Spread") != nullptr;
  std::int32_t p1 = token, p2 = 0;
  if (record && variant.bSpreadPictureByLegs) {
    OrderRowMap& map = AppOrderBook::Book(variant.eBook).mapAll;
    map.Lock();
    if (const auto* rows = map.find(AppOrderBook::KeyOf(variant.eBook, *record)); rows && rows->size() >= 2) {
      p1 = rows->front()->lOurToken;
      p2 = (*rows)[1]->lOurToken;
    }
    map.Unlock();
  }
  WindowPassing& request = AppGlobal::objWindowPassing;
  request.Clear();
  request.nRequestFrom = variant.nWindowIdentity;
  request.pRequestWnd = &grid;
  request.nRequestId = spread ? kSpreadPicture : requestId;
  request.nParam1 = p1;
  request.nParam2 = p2;
  OrvInMemory::m_orvWindowPassingQueue.InsertInQueue(request);
}

}  // namespace

void OrderBookGrid::OnMarketpictureF5() {
  try {
    QueueMarketPicture(*this, kPictureByPrice);
  } catch (...) {
    LogException("OnMarketpictureF5");
  }
}

void OrderBookGrid::OnMarketpictureF6() {
  try {
    QueueMarketPicture(*this, kPictureByOrder);
  } catch (...) {
    LogException("OnMarketpictureF6");
  }
}

void OrderBookGrid::OnMarketByAggregate() {
  try {
    const OrderBookDetails* record = RecordAtRow(GetCurSelItemID().m_nRow);
    PostWindowPassing(*this, Variant().nWindowIdentity, kMarketByAggregate, record ? record->lOurToken : 0);
  } catch (...) {
    LogException("OnMarketByAggregate");
  }
}
