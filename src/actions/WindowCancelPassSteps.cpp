// The stages of the window's cancel pass, each as far as a slice takes it: collect the cancellable
// rows among those asked for, run the market check over their keys (a map lookup each when a
// market is shut), gather the rows it kept into the collected orders, ask, and walk the collected
// orders: spread orders to the spread cancel, the stop-loss leg of a bracket order refused, every
// other order handed back to the window by message 102. A pass that fits one slice runs these in
// one go, in this order.
#include "actions/ActionSupport.h"
#include "actions/CancelQuestions.h"
#include "actions/CancellableOrders.h"
#include "actions/MarketStatusCheck.h"
#include "actions/SlicedWork.h"
#include "actions/WindowCancelPass.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/RecordArena.h"
#include "host/platform/MessageBoxService.h"
#include "view/ExceptionLog.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"
#include "view/RecordPrefetch.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace pf = orv::platform;
using ActionSupport::Log;
using CancellableOrders::IsCancellable;
using CancellableOrders::IsNonModStrategy;
using CancellableOrders::IsSpreadPendingLeg;
using CancellableOrders::kGttCode;
using Stage = WindowCancelPass::Stage;

void OrderBookWnd::StartCancelPass(std::unique_ptr<WindowCancelPass> pass) {
  if (!m_pCancelSlices) m_pCancelSlices = std::make_unique<SlicedWork>(*this);
  pass->nStoreReleases = RecordArena::Releases();
  m_pCancelPass = std::move(pass);
  m_pCancelSlices->Start([this](SliceBudget& budget) { return StepCancelPass(budget); });
}

void OrderBookWnd::FinishCancelPass() {
  if (m_pCancelSlices) m_pCancelSlices->Finish();
  if (m_pGrid) m_pGrid->FinishCancelPass();
}

bool OrderBookWnd::IsCancelPassInSlice() const {
  return (m_pCancelSlices && m_pCancelSlices->IsInSlice()) || (m_pGrid && m_pGrid->IsCancelPassInSlice());
}

bool OrderBookWnd::StepCancelPass(SliceBudget& budget) {
  WindowCancelPass* pass = m_pCancelPass.get();
  if (!pass) return true;
  try {
    for (;;) {
      PassStep step = PassStep::End;
      switch (pass->eStage) {
        case Stage::Collect: step = CollectPassRows(*pass, budget); break;
        case Stage::Check: step = CheckPassMarkets(*pass, budget); break;
        case Stage::Gather: step = GatherPassRows(*pass, budget); break;
        case Stage::Ask: step = AskPass(*pass); break;
        case Stage::Walk: step = WalkPass(*pass, budget); break;
      }
      if (step == PassStep::Pause) return false;
      if (step == PassStep::End) break;
    }
  } catch (...) {
    if (pass->bAllRows) Log(*this, kExceptionLogSource, "Exception in OnCancelAll - PendingOrders");
    else LogException("OnCancel");
  }
  EndCancelPass();
  return true;
}

OrderBookWnd::PassStep OrderBookWnd::CollectPassRows(WindowCancelPass& pass, SliceBudget& budget) {
  // The records asked for went with the store when it was emptied since.
  if (RecordArena::Releases() != pass.nStoreReleases) return PassStep::End;
  const VariantDescription& variant = Variant();
  const bool strategies = variant.bChecksNonModStrategy && CancellableOrders::AnyNonModStrategy();
  while (pass.nNext < pass.rows.size()) {
    if (!budget.Take()) return PassStep::Pause;
    if (pass.nNext + RecordPrefetch::kRowsAhead < pass.rows.size())
      RecordPrefetch::WalkFields(pass.rows[pass.nNext + RecordPrefetch::kRowsAhead].pRecord);
    WindowCancelPass::Row row = pass.rows[pass.nNext++];
    const OrderBookDetails& record = *row.pRecord;
    if (!IsCancellable(record)) continue;
    if (!pass.bMultiRow && IsSpreadPendingLeg(record)) continue;
    if (variant.bCancelsGttOnly != (record.iOrvelCode == kGttCode)) continue;
    if (strategies && IsNonModStrategy(record)) continue;
    row.lKey = AppOrderBook::KeyOf(variant.eBook, record);
    if (pass.listed.Insert(row.lKey)) pass.keys.push_back(row.lKey);
    pass.rows[pass.nKept++] = row;
  }
  pass.rows.resize(pass.nKept);
  pass.eStage = Stage::Check;
  return PassStep::Next;
}

OrderBookWnd::PassStep OrderBookWnd::CheckPassMarkets(WindowCancelPass& pass, SliceBudget& budget) {
  // The check runs over the pass's own keys, never the store's list: between slices the host
  // finds no keys there that nobody confirmed, and a grid's list waiting for it stays as it is.
  const std::optional<int> ok =
      CheckMarketStatusStep(pass.pMarketWalk, pass.keys, pass.bAllRows, budget);
  if (!ok) return PassStep::Pause;
  if (*ok == 0) return PassStep::End;
  // The check only ever takes keys out: a list as long as before passed whole.
  pass.bAllPassed = pass.keys.size() == pass.listed.Size();
  if (!pass.bAllPassed)
    for (std::uint32_t key : pass.keys) pass.passed.Insert(key);
  m_lstCancelOrders.reserve(m_lstCancelOrders.size() + pass.rows.size());
  pass.nNext = 0;
  pass.eStage = Stage::Gather;
  return PassStep::Next;
}

OrderBookWnd::PassStep OrderBookWnd::GatherPassRows(WindowCancelPass& pass, SliceBudget& budget) {
  if (RecordArena::Releases() != pass.nStoreReleases) return PassStep::End;
  while (pass.nNext < pass.rows.size()) {
    if (!budget.Take()) return PassStep::Pause;
    if (pass.nNext + RecordPrefetch::kRowsAhead < pass.rows.size())
      RecordPrefetch::EntryFields(pass.rows[pass.nNext + RecordPrefetch::kRowsAhead].pRecord);
    const WindowCancelPass::Row& row = pass.rows[pass.nNext++];
    if (pass.bAllPassed || pass.passed.Contains(row.lKey)) AppendCollected(row.nRow, *row.pRecord, row.lKey, nullptr);
  }
  std::vector<WindowCancelPass::Row>().swap(pass.rows);
  pass.eStage = Stage::Ask;
  return PassStep::Next;
}

OrderBookWnd::PassStep OrderBookWnd::AskPass(WindowCancelPass& pass) {
  if (m_lstCancelOrders.empty()) {
    if (!pass.bSilent) MessageBox("No Record is Present to Delete", "Absence of Record", pf::MB_ICONINFORMATION);
    return PassStep::End;
  }
  if (pass.bAllRows) {
    if (AppGlobal::bOrderSettings_OrderCancel != 0 && !pass.bSilent &&
        MessageBox("Sure To Cancel All the Order/s ?", "Cancel All Confirmation", pf::MB_YESNO | pf::MB_ICONQUESTION) !=
            pf::IDYES)
      return PassStep::End;
    // The window's cancel of what the cancel-all collected: its checks again, then the walk.
    if (!PrepareCancel(nullptr)) return PassStep::End;
    m_setCollectedSpreadOrders.clear();
    if (m_lstCancelOrders.empty()) {
      if (!pass.bSilent) MessageBox("No Record is Present to Delete", "Absence of Record", pf::MB_ICONINFORMATION);
      return PassStep::End;
    }
  } else if (bOrderCancelConfirm != 0) {
    std::string question;
    if (pass.bMultiRow) {
      question = CancelQuestions::kSelectedRowsQuestion;
    } else if (const OrderBookDetails* shown = m_pGrid->RecordAtRow(m_pGrid->GetCurSelItemID().m_nRow)) {
      question = CancelQuestions::SingleOrderQuestion(*shown);
    } else {
      MessageBox("No Record is Selected to Delete", "Record Selection Missing...", pf::MB_ICONINFORMATION);
      return PassStep::End;
    }
    if (MessageBox(question, CancelQuestions::kConfirmCaption, pf::MB_YESNO | pf::MB_ICONQUESTION) != pf::IDYES)
      return PassStep::End;
  }
  pass.nNext = 0;
  pass.eStage = Stage::Walk;
  return PassStep::Next;
}

OrderBookWnd::PassStep OrderBookWnd::WalkPass(WindowCancelPass& pass, SliceBudget& budget) {
  if (!pass.bSentRoomMade) {
    // The hand-backs record each cancel they send: the room for all of them is made once, here,
    // and counts as that many rows of the slice.
    pass.bSentRoomMade = true;
    m_SentOrderCancels.Reserve(m_SentOrderCancels.Size() + m_lstCancelOrders.size());
    budget.Charge(m_lstCancelOrders.size());
    if (budget.Spent()) return PassStep::Pause;
  }
  const auto rowCount = static_cast<std::int64_t>(m_pGrid->RowVector().size());
  while (pass.nNext < m_lstCancelOrders.size()) {
    if (!budget.Take()) return PassStep::Pause;
    // A copy: a box below lets the host add entries, which may move the list.
    const CancelOrdersList entry = m_lstCancelOrders[pass.nNext++];
    // The row rule guards what the host listed by row; rows taken from the grid name their record,
    // checked when the cancel is built, since the rows move while the pass runs.
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
  return PassStep::End;
}

void OrderBookWnd::EndCancelPass() {
  const std::unique_ptr<WindowCancelPass> pass = std::move(m_pCancelPass);
  if (pass && pass->bAllRows) {
    EndCancelAll(pass->bSilent);
  } else {
    bMultiRowSelected = false;
    m_lstCancelOrders.clear();
    m_setCollectedSpreadOrders.clear();
  }
  // A million collected orders leave nothing behind.
  std::vector<CancelOrdersList>().swap(m_lstCancelOrders);
}
