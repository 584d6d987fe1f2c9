// The bar's lists: a selection is handed to the grid at once and may narrow other fields; a list
// losing the focus settles on an item of its own.
#include "filterbar/OrderBookFilter.h"

#include "view/ColumnCatalogue.h"
#include "view/OrderBookGrid.h"

namespace pf = orv::platform;
using filterbar::EditField;

namespace {

// A list's own text is read up to this length.
constexpr std::size_t kListTextLength = 100;

}  // namespace

void OrderBookFilter::ApplyEnableRule() {
  const std::string type = m_cmbInstType.GetWindowText();
  // Exact texts: only the equity and futures segments lack the option fields.
  const bool equity = type == "E";
  const bool future = type == "F";
  m_edtExpiry.EnableWindow(!equity);
  m_edtStrike.EnableWindow(!equity && !future);
  m_edtOptType.EnableWindow(!equity && !future);
}

void OrderBookFilter::OnSelchangeExchange() {
  Guard("OnSelchangeExchange", [&] {
    // The instrument types follow the exchange; the refilled list keeps its old choice (or its first
    // item) without telling the grid, so the grid's instrument-type filter stays as it was.
    FillExchangeMarketTypes(&m_cmbExchange, &m_cmbInstType);
    HandOverList(m_cmbExchange, COL_ExchCode);
  });
}

void OrderBookFilter::OnSelchangeOrderTypeNormalSpread() {
  Guard("OnSelchangeOrderTypeNormalSpread", [&] {
    HandOverList(m_cmbOrderLeg, COL_OrderLeg, "A");
    ApplyEnableRule();
  });
}

void OrderBookFilter::OnSelchangeInstrType() {
  Guard("OnSelchangeInstrType", [&] {
    if (!m_pGrid) return;
    HandOverList(m_cmbInstType, COL_Mkt_Seg);
    // A new segment starts the contract's derivative fields afresh; the texts they last applied
    // stay remembered.
    for (EditField field : {EditField::Expiry, EditField::Strike, EditField::OptType}) {
      WriteEdit(*BindingOf(field).edit, "All");
      HandOver(filterbar::SpecOf(field).column, std::string(), true);
    }
    ApplyEnableRule();
  });
}

void OrderBookFilter::OnSelchangeOrderType() {
  Guard("OnSelchangeOrderType", [&] {
    HandOverList(m_cmbOrderType, COL_Order_Type);
    ApplyEnableRule();
  });
}

void OrderBookFilter::OnSelchangeBuySell() {
  Guard("OnSelchangeBuySell", [&] {
    HandOverList(m_cmbBuySell, COL_B_S);
    ApplyEnableRule();
  });
}

void OrderBookFilter::OnSelchangeProClient() {
  Guard("OnSelchangeProClient", [&] {
    switch (m_cmbProClient.GetCurSel()) {
      case 0:  // All
      case 2:  // CLI
        m_edtClientCode.EnableWindow(true);
        break;
      case 1:  // PRO: own orders carry no client code
        WriteEdit(m_edtClientCode, "ALL");
        m_edtClientCode.EnableWindow(false);
        break;
      default:
        break;
    }
    // The client-code filter goes, and the grid writes "All" back into the client-code edit.
    if (m_pGrid) m_pGrid->SetDefaultDemoFilter(COL_Client, "All", true, true, false);
    HandOverList(m_cmbProClient, COL_Pro_Client);
    ApplyEnableRule();
  });
}

void OrderBookFilter::OnSelchangeOrderStatus() {
  Guard("OnSelchangeOrderStatus", [&] {
    HandOverList(m_cmbOrderStatus, COL_Order_Status);
    ApplyEnableRule();
  });
}

void OrderBookFilter::OnSelchangeOrderStyle() {
  Guard("OnSelchangeOrderStyle", [&] { HandOverList(m_cmbOrderStyle, COL_Order_Style); });
}

void OrderBookFilter::OnKillfocusComboBox(ComboBox* pCombo) {
  if (pCombo == nullptr) return;
  const std::string text(filterbar::CutTo(pCombo->GetWindowText(), kListTextLength));
  // A text that starts an item names the item equal to it (none: the list keeps no selection);
  // any other text falls back to the first item. Nothing is handed to the grid.
  if (pCombo->FindString(-1, text) != pf::CB_ERR) pCombo->SetCurSel(pCombo->FindStringExact(-1, text));
  else pCombo->SetCurSel(0);
}

void OrderBookFilter::OnKillfocusExchange() {
  Guard("OnKillfocusExchange", [&] {
    OnKillfocusComboBox(&m_cmbExchange);
    OnKillfocusInstrType();
  });
}

void OrderBookFilter::OnKillfocusOrderType() {
  Guard("OnKillfocusOrderType", [&] {
    OnKillfocusComboBox(&m_cmbOrderType);
    OnKillfocusInstrType();
  });
}

void OrderBookFilter::OnKillfocusInstrType() {
  Guard("OnKillfocusInstrType", [&] {
    OnKillfocusComboBox(&m_cmbInstType);
    ApplyEnableRule();
  });
}

void OrderBookFilter::OnKillfocusBuySell() {
  Guard("OnKillfocusBuySell", [&] {
    OnKillfocusComboBox(&m_cmbBuySell);
    ApplyEnableRule();
  });
}

void OrderBookFilter::OnKillfocusProClient() {
  Guard("OnKillfocusProClient", [&] {
    OnKillfocusComboBox(&m_cmbProClient);
    ApplyEnableRule();
  });
}

void OrderBookFilter::OnKillfocusOrderStatus() {
  Guard("OnKillfocusOrderStatus", [&] {
    OnKillfocusComboBox(&m_cmbOrderStatus);
    ApplyEnableRule();
  });
}

void OrderBookFilter::OnKillfocusOrderStyle() {
  Guard("OnKillfocusOrderStyle", [&] {
    OnKillfocusComboBox(&m_cmbOrderStyle);
    ApplyEnableRule();
  });
}

void OrderBookFilter::OnKillfocusOrderTypeNormalSpread() {
  Guard("OnKillfocusOrderTypeNormalSpread", [&] {
    m_edtExpiry.EnableWindow(true);
    m_edtStrike.EnableWindow(true);
    m_edtOptType.EnableWindow(true);
    OnKillfocusComboBox(&m_cmbOrderLeg);
    if (m_cmbOrderLeg.GetWindowText() != "S") return;
    // Spread orders are futures: the instrument type shows it, without filtering on it.
    const int future = m_cmbInstType.FindString(-1, "F");
    m_cmbInstType.SetCurSel(future == pf::CB_ERR ? 0 : future);
  });
}
