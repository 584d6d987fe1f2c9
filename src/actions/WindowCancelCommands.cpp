// The window's own Cancel and Cancel All: the rights, connection and market checks, the local
// cancel of orders not yet confirmed, and the walk that hands every collected order on, spread
// orders to the spread cancel and the others back to the window (message 102), which builds and
// sends their cancel requests.
#include "actions/CancelQuestions.h"
#include "actions/CancellableOrders.h"
#include "actions/KeySet.h"
#include "actions/MarketStatusCheck.h"
#include "actions/UnconfirmedCancels.h"
#include "actions/ActionSupport.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/platform/Application.h"
#include "host/platform/MessageBoxService.h"
#include "view/ExceptionLog.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace pf = orv::platform;
using CancellableOrders::IsCancellable;
using CancellableOrders::IsNonModStrategy;
using CancellableOrders::kGttCode;
using ActionSupport::Log;

namespace {

constexpr std::int32_t kUnconfirmedEntryCode = 5520;
constexpr std::int16_t kMiniAdministrator = 3;
constexpr int kStopLossLegOfBracket = 51;  // '3'
constexpr const char* kCollectionLog = "OrderCollectionCancellation";

bool IsUnconfirmedText(const OrderBookDetails& record) {
  return std::strstr(record.Order_Status, "Un-Confirmed") || std::strstr(record.Order_Status, "AMO-UnConfirmed");
}

bool IsSpreadPendingLeg(const OrderBookDetails& record) {
  return std::strcmp(record.Order_Status, "Spread Pending Leg") == 0;
}

// Exchanges whose orders are known by our reference rather than by the exchange's number.
double OrderNumberOfRow(const OrderBookDetails& record) {
  switch (record.lOurToken / 100000000) {
    case 2: case 4: case 13: case 14: case 20: return static_cast<double>(record.RefNo);
    default: {
      // strtod wants a terminated text; the field need not be terminated.
      char text[sizeof record.ExchOrder_No + 1];
      const std::string_view field = FieldView(record.ExchOrder_No);
      const std::size_t length = std::min(field.size(), sizeof text - 1);
      field.copy(text, length);
      text[length] = '\0';
      return std::strtod(text, nullptr);
    }
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
    OrderBookGrid* grid = m_pGrid;
    if (!HasCurrentRow(grid)) {
      pf::AfxMessageBox("Please Select Some Record");
      return;
    }
    bOrderCancelConfirm = AppGlobal::bOrderSettings_OrderCancel;
    const SendCOCOrderExeFn send = ActionSupport::FindOrderSender();

    const ORVEL5901* login = AppGlobal::g_pObjLoginResponse;
    if (login && login->userType() == kMiniAdministrator &&
        ((!AppGlobal::bSAASAdminDealerOrMiniAdmin && AppGlobal::g_bViewOnlyMiniAdmin) || !AppGlobal::g_bPendingModify)) {
      MessageBox("MiniAdmin is View Only. Hence Pending order Cancellation is not allowed.", "Pending cancellation",
                 pf::MB_ICONINFORMATION);
      return;
    }

    const OrderBookDetails& current = *grid->RecordAtRow(grid->GetCurSelItemID().m_nRow);
    const std::vector<int> selected = SelectedShownRows(*grid);
    if (IsUnconfirmedText(current)) {
      std::vector<const OrderBookDetails*> rows;
      for (int row : selected) rows.push_back(grid->RecordAtRow(row));
      UnconfirmedCancels::Run(rows, UnconfirmedCancels::Requester::FromLogin(), send,
                              [this](const char* source, const std::string& text) { Log(*this, source, text); });
      return;
    }
    if (!m_bCancelAllMode && !AppGlobal::bServerConnect) {
      MessageBox("Server is Disconnected....", "Connection Status...", pf::MB_ICONEXCLAMATION);
      return;
    }

    AppGlobal::iTransactionCode = current.iOrvelCode;
    if (IsSpreadPendingLeg(current) || selected.size() > 1) bMultiRowSelected = true;
    // Whatever set the multi-row mode, this call's end clears it along with the pass's lists.
    struct PassEnd {
      OrderBookWnd& wnd;
      ~PassEnd() {
        wnd.bMultiRowSelected = false;
        wnd.m_lstCancelOrders.clear();
        wnd.m_setCollectedSpreadOrders.clear();
      }
    } passEnd{*this};

    if (!m_bCancelAllMode) m_lstCancelOrders.clear();
    m_setCollectedSpreadOrders.clear();
    if (!m_bCancelAllMode && !CollectFromShownRows(selected, false)) return;
    if (m_lstCancelOrders.empty()) {
      if (AppGlobal::g_iIsShiftF3ProcessEvent != 2)
        MessageBox("No Record is Present to Delete", "Absence of Record", pf::MB_ICONINFORMATION);
      return;
    }

    if (bOrderCancelConfirm != 0 && !m_bCancelAllMode) {
      std::string question;
      if (bMultiRowSelected) {
        question = CancelQuestions::kSelectedRowsQuestion;
      } else if (const OrderBookDetails* shown = grid->RecordAtRow(grid->GetCurSelItemID().m_nRow)) {
        question = CancelQuestions::SingleOrderQuestion(*shown);
      } else {
        MessageBox("No Record is Selected to Delete", "Record Selection Missing...", pf::MB_ICONINFORMATION);
        return;
      }
      if (MessageBox(question, CancelQuestions::kConfirmCaption, pf::MB_YESNO | pf::MB_ICONQUESTION) != pf::IDYES)
        return;
    }

    const auto rowCount = static_cast<std::int64_t>(grid->RowVector().size());
    for (const CancelOrdersList& entry : m_lstCancelOrders) {
      // The row rule guards what the host listed by row; rows taken from the grid name their record,
      // checked when the cancel is built, since the rows move while the question is up.
      if (entry.pOrderEntry && entry.nRow >= rowCount) continue;
      AppGlobal::iTransactionCode = entry.iTransactionCode;
      if (IsSpreadTransactionCode(entry.iTransactionCode)) {
        if (!CancelSpreadOrderLogic(entry.dOrderNumber)) continue;
      } else if (entry.bStopLossLegOfBracket) {
        MessageBox("Can Not Cancel Stop Loss order of Bracket Order", "PendingOrders", pf::MB_ICONINFORMATION);
        continue;
      }
      const pf::WPARAM address = m_HandBacks.Hand(entry);
      if (!PostMessage(kCancelHandBackMessage, address, 0)) {
        m_HandBacks.Take(address);
        Log(*this, kExceptionLogSource, std::string(Variant().cWndClass) + "::OnCancel(), message 102 could not be posted");
      }
    }
  } catch (...) {
    LogException("OnCancel");
  }
}

void OrderBookWnd::OnCancelAll() {
  try {
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
      OnCancel();
      return;
    }
    if (!AppGlobal::bServerConnect) {
      MessageBox("Server is Disconnected....", "Connection Status...", pf::MB_ICONEXCLAMATION);
      return;
    }

    FlagScope cancelAll(m_bCancelAllMode);
    struct AllEnd {
      OrderBookWnd& wnd;
      ~AllEnd() { wnd.EndCancelAll(); }
    } allEnd{*this};
    m_lstCancelOrders.clear();
    m_setCollectedSpreadOrders.clear();
    std::vector<int> everyRow(grid->RowVector().size());
    for (std::size_t i = 0; i < everyRow.size(); ++i) everyRow[i] = static_cast<int>(i);
    if (!CollectFromShownRows(everyRow, true)) return;
    const bool silent = AppGlobal::g_iIsShiftF3ProcessEvent == 2;
    if (m_lstCancelOrders.empty()) {
      if (!silent) MessageBox("No Record is Present to Delete", "Absence of Record", pf::MB_ICONINFORMATION);
      return;
    }
    if (AppGlobal::bOrderSettings_OrderCancel != 0 && !silent &&
        MessageBox("Sure To Cancel All the Order/s ?", "Cancel All Confirmation", pf::MB_YESNO | pf::MB_ICONQUESTION) !=
            pf::IDYES)
      return;
    OnCancel();
  } catch (...) {
    Log(*this, kExceptionLogSource, "Exception in OnCancelAll - PendingOrders");
  }
}

// The end of every cancel-all past its market check. A silent run always ends at 3, also when
// nothing was there to cancel, so the host sees it finished.
void OrderBookWnd::EndCancelAll() {
  bMultiRowSelected = false;
  m_lstCancelOrders.clear();
  m_SentSpreadCancels.Clear();
  m_setCollectedSpreadOrders.clear();
  if (AppGlobal::g_iIsShiftF3ProcessEvent == 2) {
    m_SentOrderCancels.Clear();
    AppGlobal::g_iIsShiftF3ProcessEvent = 3;
  }
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
    AppendCollected(nRow, *record, std::move(packet));
  } catch (...) {
    Log(*this, kExceptionLogSource, "Exception in CollectOrderForCancellation - PendingOrders");
  }
}

void OrderBookWnd::AppendCollected(int nRow, const OrderBookDetails& record,
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
  collected.lStoreKey = AppOrderBook::KeyOf(Variant().eBook, record);
  m_lstCancelOrders.push_back(std::move(collected));
}

// Fills the collected orders from rows the grid shows (the selected ones, or all of them), through
// the same market check as the grid's cancel: the store's list carries the keys for the check only.
bool OrderBookWnd::CollectFromShownRows(const std::vector<int>& rows, bool allRows) {
  OrderBookGrid& grid = *m_pGrid;
  const VariantDescription& variant = Variant();

  std::vector<std::uint32_t>& list = AppOrderBook::Book(variant.eBook).vctCancellation;
  list.clear();
  KeySet listed;
  std::vector<std::pair<int, const OrderBookDetails*>> candidates;
  for (int row : rows) {
    const OrderBookDetails* record = grid.RecordAtRow(row);
    if (!record || !IsCancellable(*record)) continue;
    if (IsSpreadPendingLeg(*record) && !bMultiRowSelected) continue;
    if (variant.bCancelsGttOnly != (record->iOrvelCode == kGttCode)) continue;
    if (variant.bChecksNonModStrategy && IsNonModStrategy(*record)) continue;
    const std::uint32_t key = AppOrderBook::KeyOf(variant.eBook, *record);
    if (listed.Insert(key)) list.push_back(key);
    candidates.emplace_back(row, record);
  }
  if (!CheckMarketStatus(MarketStatusCheck::kCancellation, allRows)) {
    list.clear();
    return false;
  }
  // The check only ever takes keys out: a list as long as before passed whole.
  const bool allPassed = list.size() == listed.Size();
  KeySet passed;
  if (!allPassed)
    for (std::uint32_t key : list) passed.Insert(key);
  list.clear();
  m_lstCancelOrders.reserve(m_lstCancelOrders.size() + candidates.size());
  for (const auto& [row, record] : candidates)
    if (allPassed || passed.Contains(AppOrderBook::KeyOf(variant.eBook, *record))) AppendCollected(row, *record, nullptr);
  return true;
}

void OrderBookWnd::OnCancelHandBack(pf::WPARAM address) {
  std::optional<CancelOrdersList> entry = m_HandBacks.Take(address);
  if (!entry) return;  // not a value this window handed out, or handled already
  // A spread order's request went out in the walk; the rest are sent from here.
  if (IsSpreadTransactionCode(entry->iTransactionCode)) return;
  std::optional<ORVEL_ORDER_ENTRY> packet = entry->EntryPacket(Variant().eBook);
  if (!packet) return;  // the store no longer holds the order
  OrderBookDetails record;
  record.objOrderEntry = *packet;
  const int code = AppGlobal::iTransactionCode;
  AppGlobal::iTransactionCode = entry->iTransactionCode;
  OrderCancellation(std::move(record), true);
  AppGlobal::iTransactionCode = code;
}
