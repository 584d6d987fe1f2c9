// The host's F3 entry point: the toggle between the selected row's contract and all scrips, with
// its titles, and Shift+F3's cancel-all.
#include "view/OrderBookWnd.h"

#include "host/AppGlobal.h"
#include "host/platform/KeyState.h"
#include "host/platform/MessageBoxService.h"
#include "host/platform/StatusBar.h"
#include "host/platform/VirtualKeys.h"
#include "view/ColumnCatalogue.h"
#include "view/OrderBookGrid.h"

#include <ctime>
#include <strings.h>

namespace {

namespace pf = orv::platform;

bool Held(int vk) { return pf::GetKeyState(vk) < 0; }

// The title prefixes of the F3 toggle.
struct F3Texts {
  const char* allScrips;
  const char* spreadAllScrips;
  const char* oneScrip;
  const char* spreadOneScrip;
};

const F3Texts& TextsOf(ViewVariant variant) {
  static constexpr F3Texts kPending{"Pending Orders Of All Scrips ", "Spread/Multi Leg Pending Orders Of All Scrips ",
                                    "Pending Orders (", "Spread/Multi Leg Pending Orders ("};
  static constexpr F3Texts kGtd{"GTD Order Book Of All Scrips ", "Spread/Multi Leg GTD Order Book Of All Scrips ",
                                "GTD Order Book (", "Spread/Multi Leg GTD Order Book ("};
  return variant == ViewVariant::Pending ? kPending : kGtd;
}

constexpr std::size_t kOrderStyleCriterion = 11;  // criterion 12, Order_Style

}  // namespace

void OrderBookWnd::StampShiftF3Event() {
  AppGlobal::g_lShiftF3ProcessEventTime =
      AppGlobal::lTime != 0 ? AppGlobal::lTime : static_cast<long>(std::time(nullptr));
  AppGlobal::g_iIsShiftF3ProcessEvent = 1;
}

std::string OrderBookWnd::OrderStyleCriterion() const {
  // Until a combination has run the criterion is empty; it reads as every style.
  const std::string& style = strLastCriteria[kOrderStyleCriterion];
  return style.empty() ? "All" : style;
}

bool OrderBookWnd::OnF3KeyPress() {
  try {
    const bool shift = Held(pf::VK_SHIFT);
    const bool ctrl = Held(pf::VK_CONTROL);
    if (shift) {
      if (ctrl) return true;
      StampShiftF3Event();
      bShiftF3 = true;
      OnCancelAll();
      return true;
    }
    OrderBookGrid* grid = GetGrid();
    const pf::GridItemID current = grid ? grid->GetCurSelItemID() : pf::GridItemID{};
    const OrderBookDetails* record = grid && !current.IsNull() ? grid->RecordAtRow(current.m_nRow) : nullptr;
    if (!record) {
      pf::AfxMessageBox("Please Select Some Row ");
      return false;
    }
    if (ctrl) return true;

    const long token = record->lOurToken;
    const std::string description = grid->PreparesFilterText(token);
    if (current.m_nRow != 0 || token != 0) strF3FilterText = description;

    bCombinationRunning = true;
    // The wording follows the OrderLeg filter as it is now, whichever way it changed.
    bSpreadView = grid->IsSpreadFilterOn();
    bF3AllScrips = !bF3AllScrips;
    const F3Texts& texts = TextsOf(Variant().eVariant);
    const std::string tail = OrderStyleCriterion() + " Orders";
    const std::string paneAll(Variant().cStatusPaneTitle);
    strF3Token = bF3AllScrips ? std::string() : BuySellTotals().StoredToken();
    if (strF3Token.empty()) {
      SetDockTitle((bSpreadView ? texts.spreadAllScrips : texts.allScrips) + tail);
      GetStatusBar()->SetPaneText(2, paneAll);
    } else {
      SetDockTitle((bSpreadView ? texts.spreadOneScrip : texts.oneScrip) + strF3FilterText + ") " + tail);
      GetStatusBar()->SetPaneText(2, strF3FilterText + ")");
    }
    FiltersCombination(strLastCriteria);
    bCombinationRunning = false;
    return true;
  } catch (...) {
    bCombinationRunning = false;
    LogException("OnF3KeyPress");
    return false;
  }
}
