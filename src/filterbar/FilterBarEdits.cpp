// The bar's nine edits: leaving one completes its entry from the orders on display and hands it
// to the grid; the apply operations hand an edit's text over directly.
#include "filterbar/OrderBookFilter.h"

#include "host/AppOrderBook.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

using filterbar::EditField;

void OrderBookFilter::OnSetfocusComboSymbol() {
  Guard("OnSetfocusComboSymbol", [&] { SelectEditText(m_edtSymbol); });
}
void OrderBookFilter::OnSetfocusComboExpiry() {
  Guard("OnSetfocusComboExpiry", [&] { SelectEditText(m_edtExpiry); });
}
void OrderBookFilter::OnSetfocusComboStrike() {
  Guard("OnSetfocusComboStrike", [&] { SelectEditText(m_edtStrike); });
}
void OrderBookFilter::OnSetfocusComboOptType() {
  Guard("OnSetfocusComboOptType", [&] { SelectEditText(m_edtOptType); });
}
void OrderBookFilter::OnSetfocusComboUser() {
  Guard("OnSetfocusComboUser", [&] { SelectEditText(m_edtUser); });
}
void OrderBookFilter::OnSetfocusComboClientCode() {
  Guard("OnSetfocusComboClientCode", [&] { SelectEditText(m_edtClientCode); });
}
void OrderBookFilter::OnSetfocusComboStrategy() {
  Guard("OnSetfocusComboStrategy", [&] { SelectEditText(m_edtStrategy); });
}
void OrderBookFilter::OnSetfocusComboOrderNo() {
  Guard("OnSetfocusComboOrderNo", [&] { SelectEditText(m_edtOrderNo); });
}
void OrderBookFilter::OnSetfocusComboProductType() {
  Guard("OnSetfocusComboProductType", [&] { SelectEditText(m_edtProductType); });
}

void OrderBookFilter::OnKillfocusComboBox(Edit* pEdit) {
  if (pEdit == nullptr) return;
  // An emptied edit filters nothing and says so.
  const std::string text = pEdit->GetWindowText();
  WriteEdit(*pEdit, text.empty() ? "All" : text);
}

void OrderBookFilter::OnKillfocusSymbol() {
  Guard("OnKillfocusSymbol", [&] {
    OnKillfocusComboBox(&m_edtSymbol);
    ApplyEnableRule();
    CompleteOnLeave(EditField::Symbol);
  });
}

void OrderBookFilter::OnKillfocusExpiry() {
  Guard("OnKillfocusExpiry", [&] {
    OnKillfocusComboBox(&m_edtExpiry);
    ApplyEnableRule();
    CompleteOnLeave(EditField::Expiry);
  });
}

void OrderBookFilter::OnKillfocusStrike() {
  Guard("OnKillfocusStrike", [&] {
    OnKillfocusComboBox(&m_edtStrike);
    ApplyEnableRule();
    CompleteOnLeave(EditField::Strike);
  });
}

void OrderBookFilter::OnKillfocusOptType() {
  Guard("OnKillfocusOptType", [&] {
    OnKillfocusComboBox(&m_edtOptType);
    ApplyEnableRule();
    CompleteOnLeave(EditField::OptType);
  });
}

void OrderBookFilter::OnKillfocusUser() {
  Guard("OnKillfocusUser", [&] {
    OnKillfocusComboBox(&m_edtUser);
    ApplyEnableRule();
    CompleteOnLeave(EditField::User);
  });
}

void OrderBookFilter::OnKillfocusClientCode() {
  Guard("OnKillfocusClientCode", [&] {
    OnKillfocusComboBox(&m_edtClientCode);
    OnKillfocusInstrType();
    CompleteOnLeave(EditField::ClientCode);
  });
}

void OrderBookFilter::OnKillfocusStrategy() {
  Guard("OnKillfocusStrategy", [&] {
    OnKillfocusComboBox(&m_edtStrategy);
    ApplyEnableRule();
    CompleteOnLeave(EditField::Strategy);
  });
}

void OrderBookFilter::OnKillfocusOrderNo() {
  Guard("OnKillfocusOrderNo", [&] {
    // The order number is applied by stepping through its values only, never on leaving.
    OnKillfocusComboBox(&m_edtOrderNo);
    ApplyEnableRule();
  });
}

void OrderBookFilter::OnKillfocusProductType() {
  Guard("OnKillfocusProductType", [&] {
    OnKillfocusComboBox(&m_edtProductType);
    CompleteOnLeave(EditField::ProductType);
  });
}

void OrderBookFilter::CompleteOnLeave(EditField field) {
  const EditBinding& binding = BindingOf(field);
  const filterbar::EditFieldSpec& spec = filterbar::SpecOf(field);
  Edit& edit = *binding.edit;
  const std::string text(filterbar::CutTo(edit.GetWindowText(), spec.capacity));
  // Leaving an edit unchanged does nothing, even when another filter source changed the column's
  // filter meanwhile.
  if (binding.applied && filterbar::EqualsNoCase(text, *binding.applied)) return;

  const std::vector<std::string> candidates =
      filterbar::CandidateValues(AppOrderBook::Book(Variant().eBook).vctDisplayed, spec);
  const filterbar::Completion completion = filterbar::CompleteOnLeave(candidates, text, spec.bNeverEmpty);
  if (completion.write) WriteEdit(edit, completion.text);
  else if (text.size() != edit.GetWindowText().size()) WriteEdit(edit, text);

  const OrderBookWnd* wnd = GetViewWnd();
  if (wnd && wnd->bFilterBarShown) ApplyEdit(field);
}

void OrderBookFilter::ApplyEdit(EditField field) {
  const EditBinding& binding = BindingOf(field);
  const filterbar::EditFieldSpec& spec = filterbar::SpecOf(field);
  Edit& edit = *binding.edit;
  const std::string text(filterbar::CutTo(edit.GetWindowText(), spec.capacity));
  if (binding.applied) *binding.applied = text;
  SetCustomFocus(&edit);
  SelectEditText(edit);
  HandOver(spec.column, text, filterbar::IsAllText(text));
}

void OrderBookFilter::OnSymbol() { Guard("OnSymbol", [this] { ApplyEdit(EditField::Symbol); }); }
void OrderBookFilter::OnExpiry() { Guard("OnExpiry", [this] { ApplyEdit(EditField::Expiry); }); }
void OrderBookFilter::OnStrike() { Guard("OnStrike", [this] { ApplyEdit(EditField::Strike); }); }
void OrderBookFilter::OnOptType() { Guard("OnOptType", [this] { ApplyEdit(EditField::OptType); }); }
void OrderBookFilter::OnUser() { Guard("OnUser", [this] { ApplyEdit(EditField::User); }); }
void OrderBookFilter::OnClientCode() { Guard("OnClientCode", [this] { ApplyEdit(EditField::ClientCode); }); }
void OrderBookFilter::OnStrategy() { Guard("OnStrategy", [this] { ApplyEdit(EditField::Strategy); }); }
void OrderBookFilter::OnOrderNo() { Guard("OnOrderNo", [this] { ApplyEdit(EditField::OrderNo); }); }
void OrderBookFilter::OnProductType() { Guard("OnProductType", [this] { ApplyEdit(EditField::ProductType); }); }

bool OrderBookFilter::HandOverEditText(EditField field) {
  const filterbar::EditFieldSpec& spec = filterbar::SpecOf(field);
  const std::string text(filterbar::CutTo(BindingOf(field).edit->GetWindowText(), spec.capacity));
  if (text.empty() || !m_pGrid) return false;
  HandOver(spec.column, text, filterbar::IsAllText(text));
  return true;
}

void OrderBookFilter::OnSelchangeSymbol() {
  Guard("OnSelchangeSymbol", [this] {
    if (HandOverEditText(EditField::Symbol)) ApplyEnableRule();
  });
}

void OrderBookFilter::OnSelchangeExpiry() {
  Guard("OnSelchangeExpiry", [this] {
    if (HandOverEditText(EditField::Expiry)) ApplyEnableRule();
  });
}

void OrderBookFilter::OnSelchangeStrike() {
  Guard("OnSelchangeStrike", [this] { HandOverEditText(EditField::Strike); });
}

void OrderBookFilter::OnSelchangeOptType() {
  Guard("OnSelchangeOptType", [this] { HandOverEditText(EditField::OptType); });
}

void OrderBookFilter::OnSelchangeUser() {
  Guard("OnSelchangeUser", [this] { HandOverEditText(EditField::User); });
}

void OrderBookFilter::OnSelchangeClientCode() {
  Guard("OnSelchangeClientCode", [this] {
    if (HandOverEditText(EditField::ClientCode)) ApplyEnableRule();
  });
}

void OrderBookFilter::OnSelchangeCmbStrategy() {
  Guard("OnSelchangeCmbStrategy", [this] {
    if (HandOverEditText(EditField::Strategy)) ApplyEnableRule();
  });
}

void OrderBookFilter::OnSelchangeCmbOrderno() {
  Guard("OnSelchangeCmbOrderno", [this] {
    if (HandOverEditText(EditField::OrderNo)) ApplyEnableRule();
  });
}

void OrderBookFilter::OnSelChangeCmbProductType() {
  Guard("OnSelChangeCmbProductType", [this] { HandOverEditText(EditField::ProductType); });
}
