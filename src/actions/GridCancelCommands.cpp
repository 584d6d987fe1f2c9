// The grid's Cancel (selected rows) and Cancel All commands: check the user may trade by hand,
// collect the keys of the cancellable orders, list them in the store's cancellation list, run the
// market check, confirm, and post the list to the host, which carries the cancellations out. The
// rows are taken at once and walked in slices (SlicedWork), the market check too, so a million
// selected rows never hold the window for long; the keys reach the store's list only in the
// command's last step.
#include "actions/CancelQuestions.h"
#include "actions/CancellableOrders.h"
#include "actions/GridCancelPass.h"
#include "actions/OrderActionChecks.h"
#include "actions/MarketStatusCheck.h"
#include "actions/SlicedWork.h"
#include "actions/ActionSupport.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/GlobalFunctions.h"
#include "host/RecordArena.h"
#include "host/platform/Application.h"
#include "host/platform/MessageBoxService.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"
#include "view/RecordPrefetch.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace pf = orv::platform;

namespace {

using CancellableOrders::IsCancellable;
using CancellableOrders::IsNonModStrategy;
using CancellableOrders::kGttCode;

constexpr const char* kCaption = "ZARU Client";
using CancelQuestions::kConfirmCaption;
using OrderActionChecks::kStrategyRefusal;
using OrderActionChecks::ManualTradingRefused;

bool ConfirmationsOn() { return AppGlobal::bOrderSettings_OrderCancel != 0; }

void LogNotPending(const OrderBookGrid& grid, std::uint32_t key) {
  char line[64];
  std::snprintf(line, sizeof line, "%ld Order is not Pending", static_cast<long>(key));
  ActionSupport::Log(grid.GetOwnerWnd(), grid.Variant().cLegacyLogSource.data(), line);
}

void PostCancellation(OrderBookGrid& grid) {
  if (grid.HasApp()) grid.App().MainWindow().Post(grid.Variant().nCancelMessage, 0, 0);
}

// A new cancel, of the grid or of its window, finishes any cancel still running in slices first,
// so that one command's list is never mixed with another's (the window's covers its grid's).
void FinishRunningCancels(OrderBookGrid& grid) {
  if (OrderBookWnd* wnd = grid.GetOwnerWnd()) wnd->FinishCancelPass();
  else grid.FinishCancelPass();
}

bool AnyCancelInSlice(const OrderBookGrid& grid) {
  const OrderBookWnd* wnd = grid.GetOwnerWnd();
  return wnd ? wnd->IsCancelPassInSlice() : grid.IsCancelPassInSlice();
}

}  // namespace

void OrderBookGrid::OnCancel() {
  if (AnyCancelInSlice(*this)) return;  // a nested call from inside a pass: that pass goes on
  FinishRunningCancels(*this);
  if (ManualTradingRefused(*this)) return;
  AppOrderBook::Book(Variant().eBook).vctCancellation.clear();
  StartStopProcess(0, 50);

  auto pass = std::make_unique<GridCancelPass>();
  pass->bAllRows = false;
  for (const pf::GridRange& range : GetSelectionRanges())
    for (int row = range.m_nTop; row <= range.m_nBottom; ++row)
      if (const OrderBookDetails* record = RecordAtRow(row)) pass->records.push_back(record);
  StartCancelPass(std::move(pass));
}

void OrderBookGrid::OnCancelall() {
  if (AnyCancelInSlice(*this)) return;
  FinishRunningCancels(*this);
  const VariantDescription& variant = Variant();
  if (!variant.bCancelAllAllowed) {
    MessageBox("Cancellation is not allowed", kCaption, pf::MB_OK);
    return;
  }
  if (ManualTradingRefused(*this)) return;
  SelectAll();
  StartStopProcess(0, 0);
  AppOrderBook::Book(variant.eBook).vctCancellation.clear();

  auto pass = std::make_unique<GridCancelPass>();
  pass->bAllRows = true;
  // The list is taken now and the refresh is paused, so it stays as the user saw it.
  pass->records.assign(m_RowVector.begin(), m_RowVector.end());
  StartCancelPass(std::move(pass));
}

void OrderBookGrid::StartCancelPass(std::unique_ptr<GridCancelPass> pass) {
  if (!m_pCancelSlices) m_pCancelSlices = std::make_unique<SlicedWork>(*this);
  pass->nStoreReleases = RecordArena::Releases();
  m_pCancelPass = std::move(pass);
  m_pCancelSlices->Start([this](SliceBudget& budget) { return StepCancelPass(budget); });
}

void OrderBookGrid::FinishCancelPass() {
  if (m_pCancelSlices) m_pCancelSlices->Finish();
}

bool OrderBookGrid::IsCancelPassInSlice() const { return m_pCancelSlices && m_pCancelSlices->IsInSlice(); }

bool OrderBookGrid::StepCancelPass(SliceBudget& budget) {
  std::unique_ptr<GridCancelPass>& pass = m_pCancelPass;
  if (!pass) return true;
  const bool all = pass->bAllRows;
  try {
    if (!pass->bCollected) {
      bool stopped = false;
      if (!CollectCancelKeys(*pass, budget, stopped)) return false;
      if (stopped) {
        m_pCancelPass.reset();
        return true;
      }
      pass->bCollected = true;
      if (pass->bStrategySkipped)
        MessageBox((all && !pass->keys.empty() ? "Some " : "") + std::string(kStrategyRefusal), "", pf::MB_OK);
    }
    int marketOk = 1;
    if (m_pWnd) {
      const std::optional<int> ok = m_pWnd->CheckMarketStatusStep(pass->pMarketWalk, pass->keys, all, budget);
      if (!ok) return false;
      marketOk = *ok;
    }
    if (all) FinishCancelAll(*pass, marketOk);
    else FinishCancel(*pass, marketOk);
  } catch (...) {
    LogException(all ? "OnCancelall" : "OnCancel");
    AppOrderBook::Book(Variant().eBook).vctCancellation.clear();
    StartStopProcess(1, 0);
  }
  m_pCancelPass.reset();
  return true;
}

bool OrderBookGrid::CollectCancelKeys(GridCancelPass& pass, SliceBudget& budget, bool& stopped) {
  const VariantDescription& variant = Variant();
  std::vector<std::uint32_t>& list = AppOrderBook::Book(variant.eBook).vctCancellation;
  // The records went with the store when it was emptied since: nothing is left to cancel.
  if (RecordArena::Releases() != pass.nStoreReleases) {
    list.clear();
    StartStopProcess(1, 0);
    stopped = true;
    return true;
  }
  const bool strategies = variant.bChecksNonModStrategy && CancellableOrders::AnyNonModStrategy();
  while (pass.nNext < pass.records.size()) {
    if (!budget.Take()) return false;
    if (pass.nNext + RecordPrefetch::kRowsAhead < pass.records.size())
      RecordPrefetch::WalkFields(pass.records[pass.nNext + RecordPrefetch::kRowsAhead]);
    const OrderBookDetails& record = *pass.records[pass.nNext++];
    if (pass.bAllRows) {
      if (!IsCancellable(record)) continue;
    } else {
      const bool gtt = record.iOrvelCode == kGttCode;
      if (variant.bCancelsGttOnly && !gtt) continue;
      if (!variant.bCancelsGttOnly && gtt) {
        MessageBox("Please use GTD Order Book to cancel GTT orders", kCaption, pf::MB_OK);
        list.clear();
        StartStopProcess(1, 0);
        stopped = true;
        return true;
      }
      if (!IsCancellable(record)) {
        LogNotPending(*this, AppOrderBook::KeyOf(variant.eBook, record));
        continue;
      }
    }
    if (strategies && IsNonModStrategy(record)) {
      pass.bStrategySkipped = true;
      continue;
    }
    const std::uint32_t key = AppOrderBook::KeyOf(variant.eBook, record);
    if (pass.listed.Insert(key)) pass.keys.push_back(key);
  }
  return true;
}

void OrderBookGrid::FinishCancel(GridCancelPass& pass, int marketOk) {
  const VariantDescription& variant = Variant();
  std::vector<std::uint32_t>& list = AppOrderBook::Book(variant.eBook).vctCancellation;
  list = std::move(pass.keys);
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

void OrderBookGrid::FinishCancelAll(GridCancelPass& pass, int marketOk) {
  std::vector<std::uint32_t>& list = AppOrderBook::Book(Variant().eBook).vctCancellation;
  list = std::move(pass.keys);
  if (!marketOk) {
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
