#include "sortfilter/QuickFilters.h"

#include "view/ColumnCatalogue.h"
#include "view/OrderBookGrid.h"

#include <algorithm>
#include <array>

namespace {

using M = QuickFilterMode;

// Grouped by column, each group led by its All item (the context menu relies on that order).
constexpr std::array kItems{
    QuickFilterItem{2013, COL_ExchCode, "", M::All, true, "OnExchangeAll"},
    QuickFilterItem{2014, COL_ExchCode, "NSE", M::Toggle, true, "OnNSE"},
    QuickFilterItem{2015, COL_ExchCode, "BSE", M::Toggle, true, "OnBSE"},
    QuickFilterItem{2016, COL_ExchCode, "NSECUR", M::Toggle, true, "OnNSECUR"},
    QuickFilterItem{2017, COL_ExchCode, "MSEI CD", M::Toggle, true, "OnMCXSX_CUR"},
    QuickFilterItem{2018, COL_ExchCode, "USE", M::Toggle, true, "OnUSE"},
    QuickFilterItem{2019, COL_ExchCode, "DGCX", M::Toggle, true, "OnDGCX"},
    QuickFilterItem{2021, COL_ExchCode, "BSECUR", M::Toggle, true, "OnBSECUR"},
    QuickFilterItem{2022, COL_ExchCode, "BINX", M::Toggle, true, "OnBINX"},
    QuickFilterItem{2023, COL_ExchCode, "NINX", M::Toggle, true, "OnNINX"},
    QuickFilterItem{2025, COL_ExchCode, "NSECOM", M::Toggle, true, "OnNSECOM"},
    QuickFilterItem{2026, COL_ExchCode, "BSECOM", M::Toggle, true, "OnBSECOM"},
    // The menu marks CME under id 2027, which the resource no longer carries; the CME submenu's
    // own item (2028) adds CME to the exchanges already chosen and is never ticked.
    QuickFilterItem{2027, COL_ExchCode, "CME", M::MarkOnly, true, "OnCME"},
    QuickFilterItem{32782, COL_ExchCode, "MSEI", M::MarkOnly, true, "OnMSEI"},
    QuickFilterItem{2028, COL_ExchCode, "CME", M::Add, false, "OnCmeAll"},

    QuickFilterItem{2029, COL_Mkt_Seg, "", M::All, true, "OnInsttypeAll"},
    QuickFilterItem{2030, COL_Mkt_Seg, "E", M::Toggle, true, "OnEquity"},
    QuickFilterItem{2031, COL_Mkt_Seg, "F", M::Toggle, true, "OnFuture"},
    QuickFilterItem{2032, COL_Mkt_Seg, "O", M::Toggle, true, "OnOption"},
    QuickFilterItem{2033, COL_Mkt_Seg, "SLBM", M::Toggle, true, "OnNSESLBM"},
    QuickFilterItem{7333, COL_Mkt_Seg, "OFS", M::Toggle, true, "OnInsttypeOfs"},

    QuickFilterItem{2034, COL_B_S, "", M::All, true, "OnBuyAll"},
    QuickFilterItem{2035, COL_B_S, "BUY", M::Toggle, true, "OnBuy"},
    QuickFilterItem{2036, COL_B_S, "SELL", M::Toggle, true, "OnSell"},

    QuickFilterItem{2053, COL_Order_Type, "", M::All, true, "OnOrderAll"},
    QuickFilterItem{2054, COL_Order_Type, "RL", M::Toggle, true, "OnRL"},
    QuickFilterItem{2055, COL_Order_Type, "SL", M::Toggle, true, "OnSL"},

    QuickFilterItem{2037, COL_Pro_Client, "", M::All, true, "OnProAll"},
    QuickFilterItem{2038, COL_Pro_Client, "PRO", M::Toggle, true, "OnPro"},
    QuickFilterItem{2039, COL_Pro_Client, "CLI", M::Toggle, true, "OnClient"},

    QuickFilterItem{2041, COL_Order_Status, "", M::All, true, "OnOrderstatusAll"},
    QuickFilterItem{2042, COL_Order_Status, "Pending", M::Toggle, true, "OnPending"},
    QuickFilterItem{2043, COL_Order_Status, "UnConfirmed", M::Toggle, true, "OnUnConfirmed"},
    QuickFilterItem{2044, COL_Order_Status, "Cancelled", M::Toggle, true, "OnCancelled"},
    QuickFilterItem{2045, COL_Order_Status, "Rejected", M::Toggle, true, "OnRejected"},

    QuickFilterItem{2056, COL_Order_Style, "", M::All, true, "OnOrderstyleAll"},
    QuickFilterItem{2057, COL_Order_Style, "Automated", M::Toggle, true, "OnAutomated"},
    QuickFilterItem{2058, COL_Order_Style, "Manual", M::Toggle, true, "OnManual"},
    QuickFilterItem{7365, COL_Order_Style, "IOM", M::Toggle, true, "OnIOM"},
};

}  // namespace

std::span<const QuickFilterItem> QuickFilterItems() { return kItems; }

const QuickFilterItem* FindQuickFilter(unsigned id) {
  const auto it = std::find_if(kItems.begin(), kItems.end(), [id](const QuickFilterItem& item) {
    return item.nId == id && item.eMode != QuickFilterMode::MarkOnly;
  });
  return it != kItems.end() ? &*it : nullptr;
}

void OrderBookGrid::OnQuickFilter(unsigned id) {
  const QuickFilterItem* item = FindQuickFilter(id);
  if (item == nullptr) return;
  try {
    const std::string value(item->cValue);
    if (item->eMode == QuickFilterMode::All) {
      SetDefaultDemoFilter(item->nCol, value, true, false, false);
    } else if (IsFilterExist(item->nCol, value)) {
      // Taking one value out leaves the filter bar alone: it mirrors a single choice only.
      RemoveFilter(item->nCol, value);
      FilterGridData();
    } else {
      SetDefaultDemoFilter(item->nCol, value, false, item->eMode == QuickFilterMode::Toggle, false);
    }
  } catch (...) {
    LogException(item->cHandler);
  }
}
