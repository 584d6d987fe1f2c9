// The window's own Cancel and Cancel All: the rights and connection checks, the local cancel of
// orders not yet confirmed, and the pass (WindowCancelPassSteps.cpp) that collects the rows, runs
// the market check, asks, and hands every collected order on; the orders handed back to the
// window (message 102) get their cancel requests built and sent here.
#include "actions/CancelQuestions.h"
#include "actions/CancellableOrders.h"
#include "actions/UnconfirmedCancels.h"
#include "actions/WindowCancelPass.h"
#include "actions/ActionSupport.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/platform/Application.h"
#include "host/platform/MessageBoxService.h"
#include "view/ExceptionLog.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace pf = orv::platform;
using CancellableOrders::IsSpreadPendingLeg;
using ActionSupport::Log;

namespace {

constexpr std::int32_t kUnconfirmedEntryCode = 5520;
constexpr std::int16_t kMiniAdministrator = 3;
constexpr int kStopLossLegOfBracket = 51;  // '3'
constexpr const char* kCollectionLog = "OrderCollectionCancellation";

bool IsUnconfirmedText(const OrderBookDetails& record) {
  return std::strstr(record.Order_Status, "Un-Confirmed") || std::strstr(record.Order_Status, "AMO-UnConfirmed");
}

// The number strtod reads from an order number text. Exchange numbers are plain digits, and up to
// 15 of them make an exact double read directly, which a cancel-all of a million rows does in a
// fraction of strtod's time; any other text goes to strtod.
double ParseOrderNumber(std::string_view field) {
  if (!field.empty() && field.size() <= 15) {
    std::uint64_t value = 0;
    bool digits = true;
    for (const char c : field) {
      if (c < '0' || c > '9') {
        digits = false;
        break;
      }
      value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (digits) return static_cast<double>(value);
  }
  // strtod wants a terminated text; the field need not be terminated.
  char text[64];
  const std::size_t length = std::min(field.size(), sizeof text - 1);
  field.copy(text, length);
  text[length] = '\0';
  return std::strtod(text, nullptr);
}

// Exchanges whose orders are known by our reference rather than by the exchange's number.
double OrderNumberOfRow(const OrderBookDetails& record) {
  switch (record.lOurToken / 100000000) {
    case 2: case 4: case 13: case 14: case 20: return static_cast<double>(record.RefNo);
    default: return ParseOrderNumber(FieldView(record.ExchOrder_No));
  }
}

// The distinct rows of the selection that the grid shows, top to bottom.
std::vector<int> SelectedShownRows(const OrderBookGrid& grid) {
  std::vector<std::pair<int, int>> spans;
  const int last = static_cast<int>(grid.RowVector().size()) - 1;
  for (const pf::GridRange& range : grid.GetSelectionRanges()) {
    const int top = std::max(range.m_nTop, 0);
    const int bottom = std::min(range.m_nBottom, last);
    if (top <= bottom) spans.emplace_back(top, bottom);
  }
  std::sort(spans.begin(), spans.end());
  std::vector<int> rows;
  int next = 0;  // the first row not taken yet: overlapping groups give each row once
  for (const auto& [top, bottom] : spans) {
    for (int row = std::max(top, next); row <= bottom; ++row) rows.push_back(row);
    next = std::max(next, bottom + 1);
  }
  return rows;
}

// Whether the selection holds more than one row the grid shows, without listing them.
bool MoreThanOneSelectedRow(const OrderBookGrid& grid) {
  const int last = static_cast<int>(grid.RowVector().size()) - 1;
  int single = -1;
  for (const pf::GridRange& range : grid.GetSelectionRanges()) {
    const int top = std::max(range.m_nTop, 0);
    const int bottom = std::min(range.m_nBottom, last);
    if (top > bottom) continue;
    if (top < bottom || (single >= 0 && single != top)) return true;
    single = top;
  }
  return false;
}

bool HasCurrentRow(const OrderBookGrid* grid) {
  return grid && grid->RecordAtRow(grid->GetCurSelItemID().m_nRow) != nullptr;
}

// Clears a flag on every way out of the call that set it.
class FlagScope final {
 public:
  explicit FlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
  ~FlagScope() { m_flag = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& m_flag;
};

}  // namespace

void OrderBookWnd::OnCancel() {
  try {
    if (IsCancelPassInSlice()) return;  // a nested call from inside a pass: that pass goes on
    FinishCancelPass();
    std::vector<int> selected;
    if (!PrepareCancel(&selected)) return;
    m_lstCancelOrders.clear();
    m_setCollectedSpreadOrders.clear();
    auto pass = std::make_unique<WindowCancelPass>();
    pass->bAllRows = false;
    pass->bMultiRow = bMultiRowSelected;
    pass->bSilent = AppGlobal::g_iIsShiftF3ProcessEvent == 2;
    pass->rows.reserve(selected.size());
    for (int row : selected)
      if (const OrderBookDetails* record = m_pGrid->RecordAtRow(row)) pass->rows.push_back({record, row, 0});
    StartCancelPass(std::move(pass));
  } catch (...) {
    LogException("OnCancel");
  }
}

bool OrderBookWnd::PrepareCancel(std::vector<int>* selected) {
  OrderBookGrid* grid = m_pGrid;
  if (!HasCurrentRow(grid)) {
    pf::AfxMessageBox("Please Select Some Record");
    return false;
  }
  bOrderCancelConfirm = AppGlobal::bOrderSettings_OrderCancel;
  const SendCOCOrderExeFn send = ActionSupport::FindOrderSender();

  const ORVEL5901* login = AppGlobal::g_pObjLoginResponse;
  if (login && login->userType() == kMiniAdministrator &&
      ((!AppGlobal::bSAASAdminDealerOrMiniAdmin && AppGlobal::g_bViewOnlyMiniAdmin) || !AppGlobal::g_bPendingModify)) {
    MessageBox("MiniAdmin is View Only. Hence Pending order Cancellation is not allowed.", "Pending cancellation",
               pf::MB_ICONINFORMATION);
    return false;
  }

  const OrderBookDetails& current = *grid->RecordAtRow(grid->GetCurSelItemID().m_nRow);
  const bool unconfirmed = IsUnconfirmedText(current);
  if (selected || unconfirmed) {
    std::vector<int> rows = SelectedShownRows(*grid);
    if (unconfirmed) {
      std::vector<const OrderBookDetails*> records;
      for (int row : rows) records.push_back(grid->RecordAtRow(row));
      UnconfirmedCancels::Run(records, UnconfirmedCancels::Requester::FromLogin(), send,
                              [this](const char* source, const std::string& text) { Log(*this, source, text); });
      return false;
    }
    *selected = std::move(rows);
  }
  if (!m_bCancelAllMode && !AppGlobal::bServerConnect) {
    MessageBox("Server is Disconnected....", "Connection Status...", pf::MB_ICONEXCLAMATION);
    return false;
  }

  AppGlobal::iTransactionCode = current.iOrvelCode;
  if (IsSpreadPendingLeg(current) || (selected ? selected->size() > 1 : MoreThanOneSelectedRow(*grid)))
    bMultiRowSelected = true;
  return true;
}

void OrderBookWnd::OnCancelAll() {
  try {
    if (IsCancelPassInSlice()) return;  // a nested call from inside a pass: that pass goes on
    FinishCancelPass();
    OrderBookGrid* grid = m_pGrid;
    if (!HasCurrentRow(grid)) {
      if (!grid || grid->RowVector().empty()) {
        pf::AfxMessageBox("No Record Found...");
        return;
      }
      grid->SelectAll();
      if (!HasCurrentRow(grid)) return;
    }
    const OrderBookDetails& current = *grid->RecordAtRow(grid->GetCurSelItemID().m_nRow);
    if (IsUnconfirmedText(current)) {
      FlagScope cancelAll(m_bCancelAllMode);
      std::vector<int> selected;
      PrepareCancel(&selected);  // the un-confirmed orders are cancelled there, locally
      return;
    }
    if (!AppGlobal::bServerConnect) {
      MessageBox("Server is Disconnected....", "Connection Status...", pf::MB_ICONEXCLAMATION);
      return;
    }

    // The mode lasts as long as the pass; its end clears it.
    m_bCancelAllMode = true;
    m_lstCancelOrders.clear();
    m_setCollectedSpreadOrders.clear();
    auto pass = std::make_unique<WindowCancelPass>();
    pass->bAllRows = true;
    pass->bMultiRow = bMultiRowSelected;
    pass->bSilent = AppGlobal::g_iIsShiftF3ProcessEvent == 2;
    // Row r shows the record at (count - 1 - r): the newest first.
    const std::vector<OrderBookDetails*>& shown = grid->RowVector();
    pass->rows.resize(shown.size());
    for (std::size_t i = 0, n = shown.size(); i < n; ++i)
      pass->rows[i] = {shown[n - 1 - i], static_cast<std::int32_t>(i), 0};
    StartCancelPass(std::move(pass));
  } catch (...) {
    m_bCancelAllMode = false;
    Log(*this, kExceptionLogSource, "Exception in OnCancelAll - PendingOrders");
  }
}

// The end of every cancel-all past its connection check. A silent run always ends at 3, also when
// nothing was there to cancel, so the host sees it finished.
void OrderBookWnd::EndCancelAll(bool silent) {
  bMultiRowSelected = false;
  m_lstCancelOrders.clear();
  m_SentSpreadCancels.Clear();
  m_setCollectedSpreadOrders.clear();
  if (silent) {
    m_SentOrderCancels.Clear();
    AppGlobal::g_iIsShiftF3ProcessEvent = 3;
  }
  m_bCancelAllMode = false;
}

pf::LRESULT OrderBookWnd::DeleteAllProcess(pf::WPARAM, pf::LPARAM) {
  const OrderRowMap& orders = AppOrderBook::Book(Variant().eBook).mapAll;
  orders.Lock();
  const std::size_t keys = orders.size();
  orders.Unlock();
  if (keys < 2) return 0;
  bMultiRowSelected = true;
  OnCancelAll();
  bMultiRowSelected = false;
  AppGlobal::g_iIsShiftF3ProcessEvent = 3;
  return 0;
}

void OrderBookWnd::CollectOrderForCancellation(int nRow, double /*dOrderNumber: read from the row*/) {
  try {
    const OrderBookDetails* record = m_pGrid ? m_pGrid->RecordAtRow(nRow) : nullptr;
    if (!record) return;  // not a row the grid shows
    if (IsSpreadPendingLeg(*record) && !bMultiRowSelected) return;
    const double number = OrderNumberOfRow(*record);
    std::shared_ptr<const ORVEL_ORDER_ENTRY> packet;  // none: the row's own
    if (!IsSpreadTransactionCode(record->iOrvelCode)) {
      auto found = std::make_shared<ORVEL_ORDER_ENTRY>();
      if (getOrderRecord(number, found.get(), record->RefNo)) {
        packet = std::move(found);
      } else if (AppGlobal::iTransactionCode != kUnconfirmedEntryCode) {
        char line[24];
        std::snprintf(line, sizeof line, "|%d|", nRow);
        Log(*this, kCollectionLog, line);
        return;
      }
    }
    AppendCollected(nRow, *record, AppOrderBook::KeyOf(Variant().eBook, *record), std::move(packet));
  } catch (...) {
    Log(*this, kExceptionLogSource, "Exception in CollectOrderForCancellation - PendingOrders");
  }
}

void OrderBookWnd::AppendCollected(int nRow, const OrderBookDetails& record, std::uint32_t key,
                                   std::shared_ptr<const ORVEL_ORDER_ENTRY> packet) {
  const double number = OrderNumberOfRow(record);
  if (IsSpreadTransactionCode(record.iOrvelCode)) {
    const std::int64_t whole = SentCancels::IntegerPart(number);
    if (m_SentSpreadCancels.ContainsNumber(number) || !m_setCollectedSpreadOrders.insert(whole).second) return;
  }
  const ORVEL_ORDER_ENTRY& entry = packet ? *packet : record.objOrderEntry;
  CancelOrdersList collected;
  collected.iTransactionCode = static_cast<std::int16_t>(record.iOrvelCode);
  collected.nRow = nRow;
  collected.dOrderNumber = number;
  collected.bStopLossLegOfBracket = entry.get<std::int32_t>(ORVEL_ORDER_ENTRY::kIobRuleNo) > 0 &&
                                    entry.get<std::int16_t>(ORVEL_ORDER_ENTRY::kField640) == kStopLossLegOfBracket;
  collected.pOrderEntry = std::move(packet);
  collected.pStoreRecord = &record;
  collected.lStoreKey = key;
  m_lstCancelOrders.push_back(std::move(collected));
}

void OrderBookWnd::OnCancelHandBack(pf::WPARAM address) {
  std::optional<CancelOrdersList> entry = m_HandBacks.Take(address);
  if (!entry) return;  // not a value this window handed out, or handled already
  // A spread order's request went out in the walk; the rest are sent from here.
  if (IsSpreadTransactionCode(entry->iTransactionCode)) return;
  std::optional<ORVEL_ORDER_ENTRY> packet = entry->EntryPacket(Variant().eBook);
  if (!packet) {
    // The order left the book after it was listed (filled, or cancelled elsewhere): nothing to
    // send, but the line says which listed order went without a request.
    char line[64];
    std::snprintf(line, sizeof line, "%ld Order is not Pending", static_cast<long>(entry->lStoreKey));
    Log(*this, Variant().cLegacyLogSource.data(), line);
    return;
  }
  OrderBookDetails record;
  record.objOrderEntry = *packet;
  const int code = AppGlobal::iTransactionCode;
  AppGlobal::iTransactionCode = entry->iTransactionCode;
  OrderCancellation(std::move(record), true);
  AppGlobal::iTransactionCode = code;
}
