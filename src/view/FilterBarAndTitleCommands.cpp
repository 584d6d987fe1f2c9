// The grid's commands around the filter bar (show it, Save Filter, Users) and the dock title of
// the token filter with the contract description the F3 title shows.
#include "view/OrderBookGrid.h"

#include "filterbar/OrderBookFilter.h"
#include "view/ColumnCatalogue.h"
#include "view/DockTitles.h"
#include "view/OrderBookWnd.h"

#include "host/AppGlobal.h"
#include "host/ContractMaster.h"
#include "host/CustomSplitterControl.h"
#include "host/GeneralXmlSettings.h"
#include "host/platform/Application.h"
#include "host/platform/MessageBoxService.h"
#include "sortfilter/SavedFilterBlock.h"

#include <cstdint>

namespace {

// Height of the splitter row that shows the filter bar.
constexpr int kFilterBarRowHeight = 60;

}  // namespace

// --- Column filters, saved filters and the filter bar. ---

void OrderBookGrid::OnPendingorderFilterbar() {
  try {
    OrderBookFilter* bar = m_pWnd ? m_pWnd->GetFilterBar() : nullptr;
    if (!bar) return;
    // The command only shows the bar; hiding it is the bar's own (Escape, its menu's Close).
    if (m_pWnd->bFilterBarShown) {
      bar->OnShownByWindow(false);
      return;
    }
    m_pWnd->bFilterBarShown = true;
    CustomSplitterControl& splitter = m_pWnd->GetSplitter();
    splitter.SetRowInfo(0, kFilterBarRowHeight, 0);
    splitter.RecalcLayout();
    bar->OnShownByWindow(true);
    m_pWnd->PostMessage(orv::platform::WM_SIZE, 0, 0);
  } catch (...) {
    LogException("OnPendingorderFilterbar");
  }
}

void OrderBookGrid::OnOrderBookSavefilter() {
  try {
    if (!m_pWnd) return;
    OrderBookFilterSettings& block = SavedFilterBlock(Variant());
    block.bSaveFilter = !block.bSaveFilter;
    if (OrderBookFilter* bar = m_pWnd->GetFilterBar())
      bar->SaveFilterCheckBox().SetCheck(block.bSaveFilter ? orv::platform::BST_CHECKED : orv::platform::BST_UNCHECKED);
    OnSavefilterInXML();
  } catch (...) {
    LogException("OnOrderBookSavefilter");
  }
}

void OrderBookGrid::OnUsers() { bUsers = !bUsers; }

bool OrderBookGrid::IsSpreadFilterOn() const {
  const MULTIPLEFILTER_PARAM* leg = FindFilter(COL_OrderLeg);
  return leg && !leg->bAll && leg->Contains("S");
}

void OrderBookGrid::SetDockTitleBylOurToken(long token) {
  try {
    const bool spread = IsSpreadFilterOn();
    nTitleToken = token;
    const ScriptDesc* contract = ContractOf(token);
    if (!m_pWnd) return;
    // The F3 titles use the same wording as the token titles.
    m_pWnd->bSpreadView = spread;
    m_pWnd->SetDockTitle(dock_titles::TitleFor(Variant().eVariant, token != 0 ? contract : nullptr, spread));
    SetStatusbarValues(static_cast<std::int32_t>(token), contract ? contract->Symbol_ScriptID : "",
                       contract ? contract->cExchangeName : "");
    if (!m_pWnd->bFilterBarShown) SetFocus();
  } catch (...) {
    LogException("SetDockTitleBylOurToken");
  }
}

std::string OrderBookGrid::PreparesFilterText(long token) const {
  if (token < INT32_MIN || token > INT32_MAX) return {};
  return dock_titles::FilterTextFor(Variant().eVariant, static_cast<std::int32_t>(token), ContractOf(token));
}

const ScriptDesc* OrderBookGrid::ContractOf(long token) {
  if (!AppGlobal::g_pScriptDesc || token < INT32_MIN || token > INT32_MAX) return nullptr;
  return AppGlobal::g_pScriptDesc->Find(static_cast<std::int32_t>(token));
}
