// The grid's Modify command (Shift+F2): check the user may modify, collect the selected orders
// into the store's modification list, run the market check and ask the host to open its
// modification window. The host later hands the changed order back (MultipleRowModifying).
#include "actions/CancellableOrders.h"
#include "actions/KeySet.h"
#include "actions/ActionSupport.h"
#include "actions/MarketStatusCheck.h"
#include "actions/OrderActionChecks.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/OrvEnumsMethods.h"
#include "host/platform/Application.h"
#include "host/platform/MessageBoxService.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

#include <strings.h>

#include <cstdio>
#include <string>

namespace pf = orv::platform;

namespace {

constexpr std::int16_t kMiniAdministrator = 3;
constexpr std::uint32_t kSquareOffLow = 110000000;
constexpr std::uint32_t kSquareOffHigh = 120000000;
constexpr const char* kMixCaption = "Order Modification";

bool IsSpreadLegCode(std::int32_t code) {
  switch (code) {
    case 5705:
    case 5724:
    case 5725:
    case 5726:
    case 5733:
    case 5736: return true;
    default: return false;
  }
}

bool MiniAdminViewOnly() {
  const ORVEL5901* login = AppGlobal::g_pObjLoginResponse;
  if (!login || login->userType() != kMiniAdministrator) return false;
  return (!AppGlobal::bSAASAdminDealerOrMiniAdmin && AppGlobal::g_bViewOnlyMiniAdmin) || !AppGlobal::g_bPendingModify;
}

bool OneRowSelected(const OrderBookGrid& grid) {
  const auto& ranges = grid.GetSelectionRanges();
  return ranges.size() == 1 && ranges.front().m_nTop == ranges.front().m_nBottom;
}

}  // namespace

void OrderBookGrid::OnModify() {
  const VariantDescription& variant = Variant();
  if (!variant.bModifyAllowed) {
    MessageBox("Modification is not allowed", "ZARU Client", pf::MB_OK);
    return;
  }
  try {
    if (OrderActionChecks::ManualTradingRefused(*this)) return;
    if (!AppGlobal::g_bPendingMultiOrdersModify && m_pWnd && m_pWnd->bMultiRowSelected) {
      MessageBox("Multiple Rule Modification is not allowed!", "ZARUClient", pf::MB_OK);
      return;
    }
    std::vector<std::uint32_t>& list = AppOrderBook::Book(variant.eBook).vctModification;
    list.clear();
    if (MiniAdminViewOnly()) {
      MessageBox("MiniAdmin is View Only. Hence Pending order Modification is not allowed.", "Pending modification",
                 pf::MB_ICONINFORMATION);
      return;
    }
    StartStopProcess(0, 50);
    auto refuse = [&](const char* text, const char* caption) {
      MessageBox(text, caption, pf::MB_OK);
      list.clear();
      StartStopProcess(1, 0);
    };

    KeySet listed;
    bool first = true;
    bool strategySkipped = false;
    std::int32_t firstRule = 0;
    std::string previousLeg;
    // Rows map through this grid's own row list, so a filtered grid modifies what the user sees
    // selected and nothing that the filter hides.
    for (const pf::GridRange& range : GetSelectionRanges()) {
      for (int row = range.m_nTop; row <= range.m_nBottom; ++row) {
        OrderBookDetails* record = RecordAtRow(row);
        if (!record) continue;
        const std::string leg(OrvEnumsMethods::GetOrderLegByEnum(record->eOrderLeg));
        if (first) {
          previousLeg = leg;
          firstRule = record->IOM_RuleNo;
          first = false;
        }
        if (AppGlobal::g_bAltF6SqrOff_glob && record->RefNo >= kSquareOffLow && record->RefNo <= kSquareOffHigh) {
          MessageBox("Could not modify SquareOff Order", "Pending Orders", pf::MB_OK);
          continue;
        }
        if (record->iOrvelCode == CancellableOrders::kGttCode)
          return refuse("Please use GTD Order Book to modify/cancel GTT orders", "ZARU Client");
        if (!AppGlobal::g_bSpreadBuySellColor && record->IsLegRow() && IsSpreadLegCode(record->iOrvelCode) &&
            OneRowSelected(*this)) {
          // A lone leg row is not an order of its own: nothing to modify.
          list.clear();
          StartStopProcess(1, 0);
          return;
        }
        if ((record->IOM_RuleNo > 0 && firstRule == 0) || (record->IOM_RuleNo == 0 && firstRule > 0))
          return refuse("Manual and IOB Multiple Order Modification is not allowed.", kMixCaption);
        if (::strcasecmp(leg.c_str(), previousLeg.c_str()) != 0)
          return refuse("Normal and Spread Multiple Order Modification is not allowed.", kMixCaption);
        previousLeg = leg;
        const std::uint32_t key = AppOrderBook::KeyOf(variant.eBook, *record);
        if (!CancellableOrders::IsCancellable(*record)) {
          char line[64];
          std::snprintf(line, sizeof line, "%ld Order is not Pending", static_cast<long>(key));
          ActionSupport::Log(m_pWnd, variant.cLegacyLogSource.data(), line);
          continue;
        }
        if (CancellableOrders::IsNonModStrategy(*record)) {
          strategySkipped = true;
          continue;
        }
        if (listed.Insert(key)) list.push_back(key);
      }
    }
    if (strategySkipped) MessageBox(OrderActionChecks::kStrategyRefusal, "", pf::MB_OK);

    if (m_pWnd && !m_pWnd->CheckMarketStatus(MarketStatusCheck::kModification, false)) {
      list.clear();  // a refusal leaves nothing listed for the host to find later
      StartStopProcess(1, 0);
      return;
    }
    if (HasApp()) App().MainWindow().Post(kMsgModificationRequest, 0, 0);
    StartStopProcess(1, 0);
  } catch (...) {
    LogException("OnModify");
    StartStopProcess(1, 0);
  }
}
