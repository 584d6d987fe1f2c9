// The grid's Cancel (selected rows) and Cancel All commands: check the user may trade by hand,
// collect the keys of the cancellable orders into the store's cancellation list, run the market
// check, confirm, and post the list to the host, which carries the cancellations out.
#include "actions/CancelQuestions.h"
#include "actions/CancellableOrders.h"
#include "actions/KeySet.h"
#include "actions/MarketStatusCheck.h"
#include "actions/ActionSupport.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/GlobalFunctions.h"
#include "host/platform/Application.h"
#include "host/platform/MessageBoxService.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace pf = orv::platform;

namespace {

using CancellableOrders::IsCancellable;
using CancellableOrders::IsNonModStrategy;
using CancellableOrders::kGttCode;

constexpr const char* kCaption = "ZARU Client";
using CancelQuestions::kConfirmCaption;
// The quotes are the Windows-1252 ones the host's texts use.
constexpr const char* kStrategyRefusal =
    "Orders placed from \x91Nivra\x92 cannot be modified or cancelled from this terminal. Please contact your "
    "administrator for more information";

bool ConfirmationsOn() { return AppGlobal::bOrderSettings_OrderCancel != 0; }

// True (and the user told) when manual trading is barred for this login.
bool ManualTradingRefused(const OrderBookGrid& grid) {
  if (!AppGlobal::g_bManualNotAllowed) return false;
  if (grid.Variant().bManualCheckHonoursAlgo && AppGlobal::g_bEnableManualAllowedForAlgo == 1) return false;
  if (AppGlobal::g_bManualTimerAlgoLogin && AppGlobal::g_bManualTimerAlgoSetting) return false;
  grid.MessageBox("Manual trading is not allowed.Please contact to Admin", kCaption, pf::MB_OK);
  return true;
}

void LogNotPending(const OrderBookGrid& grid, std::uint32_t key) {
  char line[64];
  std::snprintf(line, sizeof line, "%ld Order is not Pending", static_cast<long>(key));
  ActionSupport::Log(grid.GetOwnerWnd(), grid.Variant().cLegacyLogSource.data(), line);
}

// Each order once, in the order met; a set beside the list keeps a large selection linear.
class KeyList final {
 public:
  explicit KeyList(std::vector<std::uint32_t>& list) : m_list(list) {}
  void Add(std::uint32_t key) {
    if (m_seen.Insert(key)) m_list.push_back(key);
  }

 private:
  std::vector<std::uint32_t>& m_list;
  KeySet m_seen;
};

void PostCancellation(OrderBookGrid& grid) {
  if (grid.HasApp()) grid.App().MainWindow().Post(grid.Variant().nCancelMessage, 0, 0);
}

}  // namespace

void OrderBookGrid::OnCancel() {
  if (ManualTradingRefused(*this)) return;
  const VariantDescription& variant = Variant();
  OrderBookRefs book = AppOrderBook::Book(variant.eBook);
  std::vector<std::uint32_t>& list = book.vctCancellation;
  list.clear();
  KeyList keys(list);
  StartStopProcess(0, 50);

  bool strategySkipped = false;
  const bool strategies = variant.bChecksNonModStrategy && CancellableOrders::AnyNonModStrategy();
  for (const pf::GridRange& range : GetSelectionRanges()) {
    for (int row = range.m_nTop; row <= range.m_nBottom; ++row) {
      OrderBookDetails* record = RecordAtRow(row);
      if (!record) continue;
      const bool gtt = record->iOrvelCode == kGttCode;
      if (variant.bCancelsGttOnly && !gtt) continue;
      if (!variant.bCancelsGttOnly && gtt) {
        MessageBox("Please use GTD Order Book to cancel GTT orders", kCaption, pf::MB_OK);
        list.clear();
        StartStopProcess(1, 0);
        return;
      }
      const std::uint32_t key = AppOrderBook::KeyOf(variant.eBook, *record);
      if (!IsCancellable(*record)) {
        LogNotPending(*this, key);
        continue;
      }
      if (strategies && IsNonModStrategy(*record)) {
        strategySkipped = true;
        continue;
      }
      keys.Add(key);
    }
  }
  if (strategySkipped) MessageBox(kStrategyRefusal, "", pf::MB_OK);

  const int marketOk = m_pWnd ? m_pWnd->CheckMarketStatus(MarketStatusCheck::kCancellation, false) : 1;
  // A refusal leaves nothing listed for the host to find later.
  auto refuse = [&] {
    list.clear();
    StartStopProcess(1, 0);
  };
  std::string question;
  if (list.size() == 1) {
    const OrderBookDetails* record = AppOrderBook::FirstRecordOf(variant.eBook, list.front());
    if (!record || !IsCancellable(*record)) {
      LogNotPending(*this, list.front());
      return refuse();
    }
    if (ConfirmationsOn()) question = CancelQuestions::SingleOrderQuestion(*record);
  } else if (list.size() >= 2 && ConfirmationsOn()) {
    question = CancelQuestions::kSelectedRowsQuestion;
  }
  // A shut market stops the command whether or not anything is asked.
  if (!marketOk) return refuse();

  StartStopProcess(1, 0);
  if (ConfirmationsOn() && !question.empty() &&
      MessageBox(question, kConfirmCaption, pf::MB_YESNO | pf::MB_ICONQUESTION) != pf::IDYES) {
    list.clear();
    SetFocus();
    return;
  }
  if (list.empty()) return;
  SetFocus();
  PostCancellation(*this);
}

void OrderBookGrid::OnCancelall() {
  const VariantDescription& variant = Variant();
  if (!variant.bCancelAllAllowed) {
    MessageBox("Cancellation is not allowed", kCaption, pf::MB_OK);
    return;
  }
  if (ManualTradingRefused(*this)) return;
  SelectAll();
  StartStopProcess(0, 0);

  OrderBookRefs book = AppOrderBook::Book(variant.eBook);
  std::vector<std::uint32_t>& list = book.vctCancellation;
  list.clear();
  KeyList keys(list);
  bool strategySkipped = false;
  const bool strategies = variant.bChecksNonModStrategy && CancellableOrders::AnyNonModStrategy();
  // The list is read while the refresh is paused, so it stays as the user saw it.
  for (OrderBookDetails* record : m_RowVector) {
    if (!record || !IsCancellable(*record)) continue;
    if (strategies && IsNonModStrategy(*record)) {
      strategySkipped = true;
      continue;
    }
    keys.Add(AppOrderBook::KeyOf(variant.eBook, *record));
  }
  if (strategySkipped) MessageBox((list.empty() ? "" : "Some ") + std::string(kStrategyRefusal), "", pf::MB_OK);

  if (m_pWnd && !m_pWnd->CheckMarketStatus(MarketStatusCheck::kCancellation, true)) {
    list.clear();  // a refusal leaves nothing listed for the host to find later
    return StartStopProcess(1, 0);
  }
  if (!list.empty() && ConfirmationsOn() &&
      MessageBox("Sure To Cancel All the Order/s ?", kConfirmCaption, pf::MB_YESNO | pf::MB_ICONQUESTION) !=
          pf::IDYES) {
    list.clear();
    StartStopProcess(1, 0);
    SetCurSel({0, GetFirstVisibleColumn()}, 160, true);
    SetFocus();
    return;
  }
  SetFocus();
  PostCancellation(*this);
  StartStopProcess(1, 0);
}
