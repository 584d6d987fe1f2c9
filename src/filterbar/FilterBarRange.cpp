// The bar's time range, its three check boxes and the expiry ordering helper.
#include "filterbar/OrderBookFilter.h"

#include "host/AppGlobal.h"
#include "host/GeneralXmlSettings.h"
#include "host/MultipleFilterParam.h"
#include "sortfilter/TimeRangeTexts.h"
#include "view/ColumnCatalogue.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"
#include "sortfilter/SavedFilterBlock.h"

#include <cstdio>

namespace pf = orv::platform;

namespace {

// A picker's text is read up to this length.
constexpr std::size_t kPickerTextLength = 48;

}  // namespace

void OrderBookFilter::OnKillfocusDatetimePenFrom(NMHDR* /*pNMHDR*/, pf::LRESULT* pResult) {
  Guard("OnKillfocusDatetimePenFrom", [&] {
    if (pResult) *pResult = 0;
    if (!m_pGrid) return;
    // Without start and end times the range is the whole day.
    if (AppGlobal::g_bEnableStartEndTimeInF3F8) {
      m_strTimeFrom = filterbar::CutTo(m_dtpTimeFrom.GetWindowText(), kPickerTextLength);
      m_strTimeTill = filterbar::CutTo(m_dtpTimeTill.GetWindowText(), kPickerTextLength);
    } else {
      m_strTimeFrom = "00:00:00";
      m_strTimeTill = "23:59:59";
    }
    // The pickers show the host's current date with the chosen times, and every order carries its
    // full date-time: the ends are those times today, not on the date a bare time parses to.
    m_dtTimeFrom = time_range::ParseRangeEnd(m_strTimeFrom);
    m_dtTimeTill = time_range::ParseRangeEnd(m_strTimeTill);

    MULTIPLEFILTER_PARAM param;
    param.nCol = COL_Server_Entry_Time;
    param.lstValues = {m_strTimeFrom, m_strTimeTill};
    param.dtFrom = m_dtTimeFrom;
    param.dtTill = m_dtTimeTill;
    param.pOwner = m_pGrid->GetOwnerWnd();
    param.bAll = time_range::SameRangeEnd(m_dtTimeFrom, m_dtTimeTill);
    // Equal ends mean no time filter.
    if (param.bAll) m_pGrid->ClearFilter(COL_Server_Entry_Time);
    else m_pGrid->AddFilter(COL_Server_Entry_Time, param);
    m_pGrid->FilterGridData();
    ApplyEnableRule();
  });
}

void OrderBookFilter::OnChkOrderStatus() {
  Guard("OnChkOrderStatus", [&] {
    // The box is off while the choice is handed over again, so a second click cannot overlap it.
    m_chkOrdStatus.EnableWindow(false);
    OnSelchangeOrderStatus();
    m_chkOrdStatus.EnableWindow(true);
    GotoDlgCtrl(&m_chkOrdStatus);
  });
}

void OrderBookFilter::OnSaveFilterIfChecked() {
  Guard("OnSaveFilterIfChecked", [&] {
    if (m_pGrid) {
      m_pGrid->OnOrderBookSavefilter();
      return;
    }
    // Without a grid nothing is saved: the box keeps showing the setting.
    m_chkSaveFilter.SetCheck(SavedFilterBlock(Variant()).bSaveFilter ? pf::BST_CHECKED : pf::BST_UNCHECKED);
  });
}

void OrderBookFilter::OnChkOpenWithSorting() {
  Guard("OnChkOpenWithSorting", [&] {
    // The setting flips here; the host saves its settings at its own time.
    bool& flag = SavedFilterBlock(Variant()).bOpenWithSorting;
    flag = !flag;
    m_chkOpenWithSorting.SetCheck(flag ? pf::BST_CHECKED : pf::BST_UNCHECKED);
  });
}

int OrderBookFilter::getIdxForSortingCmbExpiry(std::string expiry) {
  try {
    if (expiry.find('-') == std::string::npos) {
      // 5MAR2025 -> 5-MAR-2025, 05MAR2025 -> 05-MAR-2025.
      if (expiry.size() == 8) {
        expiry.insert(1, 1, '-');
        expiry.insert(5, 1, '-');
      } else if (expiry.size() == 9) {
        expiry.insert(2, 1, '-');
        expiry.insert(6, 1, '-');
      } else {
        return -1;
      }
    }
    pf::OleDateTime date;
    if (!date.ParseDateTime(expiry)) return -1;
    char key[64];
    std::snprintf(key, sizeof key, "%f", date.Days());
    if (m_cmbExpirySort.FindStringExact(-1, key) != pf::CB_ERR) return -1;
    return m_cmbExpirySort.AddString(key);
  } catch (...) {
    LogException("getIdxForSortingCmbExpiry");
    return -1;
  }
}
