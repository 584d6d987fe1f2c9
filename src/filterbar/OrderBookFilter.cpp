// The filter bar's construction and creation: its controls from the template, the handlers wired
// to their notifications, and the creation sequence that fills every list.
#include "filterbar/OrderBookFilter.h"

#include "filterbar/OrderBookFilterFrame.h"
#include "host/AppGlobal.h"
#include "host/GeneralXmlSettings.h"
#include "sortfilter/HeaderFilterSupport.h"
#include "view/ColumnCatalogue.h"
#include "view/ExceptionLog.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"
#include "sortfilter/SavedFilterBlock.h"

#include <cerrno>
#include <stdexcept>
#include <utility>

namespace pf = orv::platform;
using filterbar::ControlKind;
using filterbar::EditField;

namespace {

const filterbar::ControlSpec& Spec(std::string_view member) {
  const filterbar::ControlSpec* spec = filterbar::FindMember(member);
  if (spec == nullptr) throw std::logic_error("the filter bar's template has no control for a member");
  return *spec;
}

int CheckState(bool on) { return on ? pf::BST_CHECKED : pf::BST_UNCHECKED; }

}  // namespace

#define ORV_STYLED(member) member(Spec(#member).style, Spec(#member).id)
#define ORV_CAPTIONED(member) member(Spec(#member).text, Spec(#member).id)

OrderBookFilter::OrderBookFilter(ViewVariant variant)
    : CustomScrollingDialog(DescriptionOf(variant).nFilterDialogResource),
      ORV_STYLED(m_cmbExchange),
      ORV_STYLED(m_cmbOrderLeg),
      ORV_STYLED(m_cmbInstType),
      ORV_STYLED(m_edtSymbol),
      ORV_STYLED(m_edtExpiry),
      ORV_STYLED(m_edtStrike),
      ORV_STYLED(m_edtOptType),
      ORV_STYLED(m_cmbOrderType),
      ORV_STYLED(m_cmbBuySell),
      ORV_STYLED(m_cmbProClient),
      ORV_STYLED(m_cmbOrderStatus),
      ORV_STYLED(m_edtUser),
      ORV_STYLED(m_edtClientCode),
      ORV_STYLED(m_cmbOrderStyle),
      ORV_STYLED(m_edtStrategy),
      ORV_STYLED(m_edtOrderNo),
      ORV_STYLED(m_edtProductType),
      ORV_STYLED(m_dtpTimeFrom),
      ORV_STYLED(m_dtpTimeTill),
      ORV_CAPTIONED(m_chkOrdStatus),
      ORV_CAPTIONED(m_chkSaveFilter),
      ORV_CAPTIONED(m_chkOpenWithSorting),
      ORV_CAPTIONED(m_btnShowStatus),
      ORV_STYLED(m_cmbExpirySort),
      m_pVariant(&DescriptionOf(variant)),
      m_btnRefresh(filterbar::FindControl(7354)->text, 7354) {
  m_edits = {
      {&m_edtSymbol, EditField::Symbol, &m_strAppliedSymbol},
      {&m_edtExpiry, EditField::Expiry, &m_strAppliedExpiry},
      {&m_edtStrike, EditField::Strike, &m_strAppliedStrike},
      {&m_edtOptType, EditField::OptType, &m_strAppliedOptType},
      {&m_edtUser, EditField::User, &m_strAppliedUser},
      {&m_edtClientCode, EditField::ClientCode, &m_strAppliedClientCode},
      {&m_edtStrategy, EditField::Strategy, &m_strAppliedStrategy},
      {&m_edtOrderNo, EditField::OrderNo, nullptr},
      {&m_edtProductType, EditField::ProductType, &m_strAppliedProductType},
  };
  // A typed text stops where the column's cells end: a longer one could never match.
  for (const EditBinding& b : m_edits) b.edit->LimitText(static_cast<int>(filterbar::SpecOf(b.field).capacity));
  m_btnRefresh.ShowWindow(false);
  m_cmbExpirySort.ShowWindow(false);
  BuildTemplateControls();
  WireHandlers();
  DoDataExchange();
}

#undef ORV_STYLED
#undef ORV_CAPTIONED

OrderBookFilter::~OrderBookFilter() = default;

void OrderBookFilter::BuildTemplateControls() {
  pf::Control* members[] = {&m_cmbExchange,   &m_cmbOrderLeg,    &m_cmbInstType,    &m_edtSymbol,
                            &m_edtExpiry,     &m_edtStrike,      &m_edtOptType,     &m_cmbOrderType,
                            &m_cmbBuySell,    &m_cmbProClient,   &m_cmbOrderStatus, &m_edtUser,
                            &m_edtClientCode, &m_cmbOrderStyle,  &m_edtStrategy,    &m_edtOrderNo,
                            &m_edtProductType, &m_dtpTimeFrom,   &m_dtpTimeTill,    &m_chkOrdStatus,
                            &m_chkSaveFilter, &m_chkOpenWithSorting, &m_btnShowStatus, &m_btnRefresh,
                            &m_cmbExpirySort};
  for (const filterbar::ControlSpec& spec : filterbar::Controls()) {
    pf::Control* control = nullptr;
    if (spec.kind == ControlKind::Label) {
      m_labels.push_back(std::make_unique<pf::Static>(spec.text));
      control = m_labels.back().get();
    } else {
      for (pf::Control* m : members)
        if (m->GetDlgCtrlID() == spec.id) control = m;
    }
    if (control == nullptr) throw std::logic_error("a control of the filter bar's template has no member");
    m_templateControls.push_back({&spec, control});
  }
}

void OrderBookFilter::WireHandlers() {
  // Each handler guards itself, so no exception leaves a notification.
  using Handler = void (OrderBookFilter::*)();
  auto call = [this](Handler handler) { return [this, handler] { (this->*handler)(); }; };
  const std::pair<ComboBox*, std::pair<Handler, Handler>> lists[] = {
      {&m_cmbExchange, {&OrderBookFilter::OnSelchangeExchange, &OrderBookFilter::OnKillfocusExchange}},
      {&m_cmbOrderLeg,
       {&OrderBookFilter::OnSelchangeOrderTypeNormalSpread, &OrderBookFilter::OnKillfocusOrderTypeNormalSpread}},
      {&m_cmbInstType, {&OrderBookFilter::OnSelchangeInstrType, &OrderBookFilter::OnKillfocusInstrType}},
      {&m_cmbOrderType, {&OrderBookFilter::OnSelchangeOrderType, &OrderBookFilter::OnKillfocusOrderType}},
      {&m_cmbBuySell, {&OrderBookFilter::OnSelchangeBuySell, &OrderBookFilter::OnKillfocusBuySell}},
      {&m_cmbProClient, {&OrderBookFilter::OnSelchangeProClient, &OrderBookFilter::OnKillfocusProClient}},
      {&m_cmbOrderStatus, {&OrderBookFilter::OnSelchangeOrderStatus, &OrderBookFilter::OnKillfocusOrderStatus}},
      {&m_cmbOrderStyle, {&OrderBookFilter::OnSelchangeOrderStyle, &OrderBookFilter::OnKillfocusOrderStyle}},
  };
  for (const auto& [combo, handlers] : lists) {
    combo->SetOnSelChange(call(handlers.first));
    combo->SetOnKillFocus(call(handlers.second));
  }
  const std::pair<Edit*, std::pair<Handler, Handler>> edits[] = {
      {&m_edtSymbol, {&OrderBookFilter::OnSetfocusComboSymbol, &OrderBookFilter::OnKillfocusSymbol}},
      {&m_edtExpiry, {&OrderBookFilter::OnSetfocusComboExpiry, &OrderBookFilter::OnKillfocusExpiry}},
      {&m_edtStrike, {&OrderBookFilter::OnSetfocusComboStrike, &OrderBookFilter::OnKillfocusStrike}},
      {&m_edtOptType, {&OrderBookFilter::OnSetfocusComboOptType, &OrderBookFilter::OnKillfocusOptType}},
      {&m_edtUser, {&OrderBookFilter::OnSetfocusComboUser, &OrderBookFilter::OnKillfocusUser}},
      {&m_edtClientCode, {&OrderBookFilter::OnSetfocusComboClientCode, &OrderBookFilter::OnKillfocusClientCode}},
      {&m_edtStrategy, {&OrderBookFilter::OnSetfocusComboStrategy, &OrderBookFilter::OnKillfocusStrategy}},
      {&m_edtOrderNo, {&OrderBookFilter::OnSetfocusComboOrderNo, &OrderBookFilter::OnKillfocusOrderNo}},
      {&m_edtProductType, {&OrderBookFilter::OnSetfocusComboProductType, &OrderBookFilter::OnKillfocusProductType}},
  };
  for (const auto& [edit, handlers] : edits) {
    edit->SetOnSetFocus(call(handlers.first));
    edit->SetOnKillFocus(call(handlers.second));
    edit->SetListSource([this](int id, CStringList* list) { OnFillAutoCompleteeList(id, list); });
  }
  // Both pickers share one handler, which reads both.
  for (pf::TimePicker* picker : {&m_dtpTimeFrom, &m_dtpTimeTill}) {
    picker->SetOnKillFocus([this, picker] {
      NMHDR header{picker, picker->GetDlgCtrlID(), 0};
      pf::LRESULT result = 0;
      OnKillfocusDatetimePenFrom(&header, &result);
    });
  }
  m_chkOrdStatus.SetOnClick(call(&OrderBookFilter::OnChkOrderStatus));
  m_chkSaveFilter.SetOnClick(call(&OrderBookFilter::OnSaveFilterIfChecked));
  m_chkOpenWithSorting.SetOnClick(call(&OrderBookFilter::OnChkOpenWithSorting));
  // "Show Status" has always had an empty click handler; "Refresh" has none.
  m_btnShowStatus.SetOnClick([] {});
}

void OrderBookFilter::DoDataExchange() {
  for (const TemplateControl& c : m_templateControls) {
    if (c.spec->member.empty()) continue;  // the labels and the hidden Refresh button
    BindControl(*c.control);
  }
}

bool OrderBookFilter::Create(pf::Window& frame) {
  if (!CreateNative(&frame)) return false;
  OnInitDialog();
  ShowWindow(true);
  return true;
}

OrderBookWnd* OrderBookFilter::GetViewWnd() const {
  if (auto* frame = dynamic_cast<OrderBookFilterFrame*>(GetParent()); frame && frame->GetViewWnd())
    return frame->GetViewWnd();
  return m_pGrid ? m_pGrid->GetOwnerWnd() : nullptr;
}

void OrderBookFilter::LogException(std::string_view operation) const {
  if (OrderBookWnd* wnd = GetViewWnd()) {
    wnd->LogException(Variant().cFilterClass, operation);
  } else if (AppGlobal::pWriteInLogFile) {
    AppGlobal::pWriteInLogFile(kExceptionLogSource, FormatExceptionLine(Variant().cFilterClass, operation, errno).c_str());
  }
}

void OrderBookFilter::SetDefaultPickers() {
  m_dtpTimeFrom.SetTime(header_filter::ClearedFrom());
  m_dtpTimeTill.SetTime(header_filter::ClearedTill());
}

bool OrderBookFilter::OnInitDialog() {
  try {
    CustomScrollingDialog::OnInitDialog();
    for (Edit* edit : {&m_edtUser, &m_edtProductType, &m_edtStrategy, &m_edtClientCode})
      edit->EnableDropDown(true, &m_bAutoFill);
    m_dtpTimeFrom.SetFormat("HH:mm:ss");
    m_dtpTimeTill.SetFormat("HH:mm:ss");
    // Today from the host's clock, at 00:00:00 and 23:00:00 (not 23:59:59). A clock that gives no
    // valid date leaves the pickers at the time they were made.
    SetDefaultPickers();
    const bool pickersOn = AppGlobal::g_bEnableStartEndTimeInF3F8 != 0;
    m_dtpTimeFrom.EnableWindow(pickersOn);
    m_dtpTimeTill.EnableWindow(pickersOn);
    m_chkOrdStatus.SetCheck(pf::BST_UNCHECKED);
    m_edtSymbol.SetWindowText("No Symbol");
    m_edtSymbol.EnableWindow(false);
    // Writes "All" over the symbol; the symbol edit stays disabled until the window enables the
    // contract fields (EnableTokenChangeControls).
    AddPendingOrderCombinationinCombo();
    m_cmbBuySell.InsertString(0, "All");
    m_cmbInstType.SetCurSel(0);
    const OrderBookFilterSettings& flags = SavedFilterBlock(Variant());
    m_chkSaveFilter.SetCheck(CheckState(flags.bSaveFilter));
    m_chkOpenWithSorting.SetCheck(CheckState(flags.bOpenWithSorting));
    ApplyClientSettings();
    m_cmbBuySell.SetCurSel(0);
  } catch (...) {
    LogException("OnInitDialog");
  }
  return true;
}

void OrderBookFilter::AddPendingOrderCombinationinCombo() {
  try {
    // Filled once per bar; emptied first so that a second call cannot list every entry twice.
    for (ComboBox* list : {&m_cmbExchange, &m_cmbOrderType, &m_cmbBuySell, &m_cmbProClient, &m_cmbOrderStatus,
                           &m_cmbOrderStyle})
      list->ResetContent();
    InsertExchanges(&m_cmbExchange, true);
    FillExchangeMarketTypes(&m_cmbExchange, &m_cmbInstType);
    int index = 0;
    for (const char* type : {"All", "RL", "SL", "CA", "CB", "AU"}) m_cmbOrderType.InsertString(index++, type);
    m_cmbOrderType.SetCurSel(0);
    // The sorted style keeps BUY before SELL; OnInitDialog puts "All" in front.
    m_cmbBuySell.AddString("BUY");
    m_cmbBuySell.AddString("SELL");
    m_cmbBuySell.SetCurSel(0);
    index = 0;
    for (const char* side : {"All", "PRO", "CLI"}) m_cmbProClient.InsertString(index++, side);
    m_cmbProClient.SetCurSel(0);
    index = 0;
    for (const char* status : {"All", "Pending", "Cancelled", "UnConfirmed", "Rejected", "Completed", "AMOUnconfirmed"})
      m_cmbOrderStatus.InsertString(index++, status);
    index = 0;
    for (const char* style : {"All", "Automated", "Manual", "IOM"}) m_cmbOrderStyle.InsertString(index++, style);
    m_cmbOrderStyle.SetCurSel(0);
    m_cmbOrderStatus.SetCurSel(0);
    for (Edit* edit : {&m_edtStrategy, &m_edtSymbol, &m_edtExpiry, &m_edtStrike, &m_edtOptType, &m_edtOrderNo,
                       &m_edtProductType, &m_edtClientCode})
      WriteEdit(*edit, "All");
    m_edtOrderNo.EnableWindow(false);
    m_cmbOrderLeg.ResetContent();
    index = 0;
    for (const char* leg : {"A", "N", "S"}) m_cmbOrderLeg.InsertString(index++, leg);
    m_cmbOrderLeg.SetCurSel(0);
    WriteEdit(m_edtUser, "All");
  } catch (...) {
    LogException("AddPendingOrderCombinationinCombo");
  }
}

void OrderBookFilter::ApplyClientSettings() {
  try {
    const std::string& orderType = AppGlobal::cGeneralSettings_OrderBook;
    if (!orderType.empty()) {
      const int found = m_cmbOrderType.FindString(-1, orderType);
      m_cmbOrderType.SetCurSel(found == pf::CB_ERR ? 0 : found);
    }
    const std::string& marketType = AppGlobal::cOrderSettings_MarketType;
    const int found = marketType.empty() ? pf::CB_ERR : m_cmbInstType.FindString(-1, marketType);
    m_cmbInstType.SetCurSel(found == pf::CB_ERR ? 0 : found);
  } catch (...) {
    LogException("ApplyClientSettings");
  }
}

// --- Helpers every handler uses. ---

std::string OrderBookFilter::SelectedText(const ComboBox& combo) { return combo.GetLBText(combo.GetCurSel()); }

void OrderBookFilter::WriteEdit(Edit& edit, std::string_view text) {
  m_bAutoFill = true;
  edit.SetWindowText(text);
}

void OrderBookFilter::HandOver(int column, const std::string& text, bool bShowAll) {
  if (m_pGrid) m_pGrid->SetDefaultDemoFilter(column, text, bShowAll, true, true);
}

void OrderBookFilter::HandOverList(const ComboBox& combo, int column, std::string_view allText) {
  const std::string text = SelectedText(combo);
  if (text.empty() || !m_pGrid) return;
  const bool showAll = allText == "A" ? text == "A" : filterbar::IsAllText(text);
  HandOver(column, text, showAll);
}

void OrderBookFilter::SelectEditText(Edit& edit) {
  // From the end back to the start, so the caret sits at the start and the text's beginning shows.
  edit.SetSel(edit.GetWindowTextLength(), 0);
}

const OrderBookFilter::EditBinding& OrderBookFilter::BindingOf(EditField field) const {
  return m_edits[static_cast<std::size_t>(field)];
}

const OrderBookFilter::EditBinding* OrderBookFilter::BindingOfColumn(int column) const {
  for (const EditBinding& b : m_edits)
    if (filterbar::SpecOf(b.field).column == column) return &b;
  return nullptr;
}

OrderBookFilter::ComboBox* OrderBookFilter::ListOfColumn(int column) {
  switch (column) {
    case COL_ExchCode: return &m_cmbExchange;
    case COL_Order_Status: return &m_cmbOrderStatus;
    case COL_Mkt_Seg: return &m_cmbInstType;
    case COL_Order_Type: return &m_cmbOrderType;
    case COL_B_S: return &m_cmbBuySell;
    case COL_Pro_Client: return &m_cmbProClient;
    case COL_Order_Style: return &m_cmbOrderStyle;
    case COL_OrderLeg: return &m_cmbOrderLeg;
    default: return nullptr;
  }
}
