// What the window and the grid ask of the bar: show filters set elsewhere, go back to defaults,
// lock the contract fields, take the focus, hide.
#include "filterbar/OrderBookFilter.h"

#include "filterbar/OrderBookFilterFrame.h"
#include "host/AppGlobal.h"
#include "host/CustomSplitterControl.h"
#include "sortfilter/HeaderFilterSupport.h"
#include "view/ColumnCatalogue.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

namespace pf = orv::platform;
using filterbar::EditField;

namespace {

// Ids above the last one the bar mirrors name no control of it.
constexpr int kLastMirroredColumn = COL_OrderLeg;

}  // namespace

void OrderBookFilter::DisableTokenChangeControls() {
  Guard("DisableTokenChangeControls", [this] {
    m_cmbExchange.EnableWindow(false);
    m_edtSymbol.EnableWindow(false);
    m_cmbInstType.EnableWindow(false);
  });
}

void OrderBookFilter::EnableTokenChangeControls() {
  Guard("EnableTokenChangeControls", [this] {
    // All three derivative fields come back whatever the instrument type; the enable rule runs
    // at the next change.
    for (pf::Control* c : std::initializer_list<pf::Control*>{&m_cmbExchange, &m_edtSymbol, &m_cmbInstType, &m_edtExpiry,
                                                               &m_edtStrike, &m_edtOptType})
      c->EnableWindow(true);
  });
}

void OrderBookFilter::OnShownByWindow(bool bJustShown) {
  Guard("OnShownByWindow", [&] {
    if (AppGlobal::bGeneralSettings_ClientCode_focus && m_edtClientCode.IsWindowEnabled())
      GotoDlgCtrl(&m_edtClientCode);
    else if (m_cmbExchange.IsWindowEnabled())
      GotoDlgCtrl(&m_cmbExchange);
    else
      GotoDlgCtrl(&m_cmbOrderType);
    if (!bJustShown) return;
    const bool misc = !AppGlobal::bGeneralSettings_Disable_Misc_Ctrl;
    for (pf::Control* c : std::initializer_list<pf::Control*>{&m_cmbOrderStyle, &m_edtStrategy, &m_edtProductType,
                                                               &m_chkOrdStatus, &m_btnShowStatus})
      c->EnableWindow(misc);
    m_edtOrderNo.EnableWindow(false);
    const bool times = misc && AppGlobal::g_bEnableStartEndTimeInF3F8;
    m_dtpTimeFrom.EnableWindow(times);
    m_dtpTimeTill.EnableWindow(times);
  });
}

bool OrderBookFilter::FocusFromGrid(bool backwards) {
  bool moved = false;
  Guard("FocusFromGrid", [&] {
    if (backwards) {
      pf::Control* target = AppGlobal::bGeneralSettings_Disable_Misc_Ctrl ? static_cast<pf::Control*>(&m_edtClientCode)
                                                                         : &m_btnShowStatus;
      moved = GotoDlgCtrl(target);
      return;
    }
    for (pf::Control* c : std::initializer_list<pf::Control*>{&m_cmbExchange, &m_cmbInstType, &m_edtSymbol, &m_edtExpiry,
                                                               &m_edtStrike, &m_edtOptType}) {
      if (c->IsWindowEnabled()) {
        moved = GotoDlgCtrl(c);
        return;
      }
    }
  });
  return moved;
}

void OrderBookFilter::ResetFilter(bool withStatus) {
  Guard("ResetFilter", [&] {
    m_cmbExchange.SetCurSel(0);
    FillExchangeMarketTypes(&m_cmbExchange, &m_cmbInstType);
    m_cmbOrderLeg.SetCurSel(0);
    m_cmbInstType.SetCurSel(0);
    const std::string& orderType = AppGlobal::cGeneralSettings_OrderBook;
    const int found = orderType.empty() ? pf::CB_ERR : m_cmbOrderType.FindStringExact(-1, orderType);
    m_cmbOrderType.SetCurSel(found == pf::CB_ERR ? 0 : found);
    m_cmbBuySell.SetCurSel(0);
    m_cmbProClient.SetCurSel(0);
    m_cmbOrderStyle.SetCurSel(0);
    if (withStatus) m_cmbOrderStatus.SetCurSel(0);
    for (const EditBinding& b : m_edits) WriteEdit(*b.edit, "All");
    for (Edit* e : {&m_edtExpiry, &m_edtStrike, &m_edtOptType, &m_edtClientCode}) e->EnableWindow(true);
    if (m_pGrid) {
      for (EditField f : {EditField::Symbol, EditField::Expiry, EditField::Strike, EditField::OptType})
        m_pGrid->ClearFilter(filterbar::SpecOf(f).column);
    }
    SetDefaultPickers();
    for (const EditBinding& b : m_edits)
      if (b.applied) b.applied->clear();
  });
}

void OrderBookFilter::Close() {
  Guard("Close", [this] {
    auto* frame = dynamic_cast<OrderBookFilterFrame*>(GetParent());
    OrderBookWnd* wnd = frame ? frame->GetViewWnd() : nullptr;
    if (!wnd || !wnd->bFilterBarShown) return;
    CustomSplitterControl& splitter = wnd->GetSplitter();
    splitter.SetRowInfo(0, 0, 0);
    splitter.RecalcLayout();
    wnd->bFilterBarShown = false;
    wnd->SetFocus();
    wnd->PostMessage(pf::WM_SIZE, 0, 0);
  });
}

void OrderBookFilter::SetdataOnFilterbar(int column, const std::string& text, bool bAll) {
  Guard("SetdataOnFilterbar", [&] {
    if (!GetViewWnd() || column < 0 || column > kLastMirroredColumn) return;
    if (ComboBox* list = ListOfColumn(column)) {
      const int found = bAll ? 0 : list->FindStringExact(-1, text);
      list->SetCurSel(found == pf::CB_ERR ? 0 : found);
      if (column == COL_ExchCode) FillExchangeMarketTypes(&m_cmbExchange, &m_cmbInstType);
      return;
    }
    if (const EditBinding* b = BindingOfColumn(column)) WriteEdit(*b->edit, bAll ? std::string("All") : text);
  });
}

void OrderBookFilter::ResetColumnControl(int column) {
  Guard("ResetColumnControl", [&] {
    if (const EditBinding* b = BindingOfColumn(column)) {
      WriteEdit(*b->edit, "All");
      return;
    }
    // The order status and the order kind are not reset from the header menu.
    if (column == COL_Order_Status || column == COL_OrderLeg) return;
    ComboBox* list = ListOfColumn(column);
    if (list == nullptr) return;
    list->SetCurSel(0);
    if (column == COL_ExchCode) FillExchangeMarketTypes(&m_cmbExchange, &m_cmbInstType);
    if (column == COL_Pro_Client) m_edtClientCode.EnableWindow(true);
    if (column == COL_Mkt_Seg) {
      for (Edit* e : {&m_edtExpiry, &m_edtStrike, &m_edtOptType}) e->EnableWindow(true);
    }
  });
}

void OrderBookFilter::SetTimeRange(const pf::OleDateTime& from, const pf::OleDateTime& till) {
  Guard("SetTimeRange", [&] {
    m_dtpTimeFrom.SetTime(from);
    m_dtpTimeTill.SetTime(till);
  });
}
