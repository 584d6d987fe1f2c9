// The bar's edits as the user types into them: the candidate list of an edit, stepping through
// its values with the arrow keys, Tab and Enter, and the host's client-code helpers.
#include "filterbar/OrderBookFilter.h"

#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/records/LoginResponse.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

#include <map>

namespace pf = orv::platform;
using filterbar::CandidateUse;
using filterbar::EditField;

const OrderBookFilter::EditBinding* OrderBookFilter::BindingOfId(int id) const {
  for (const EditBinding& b : m_edits)
    if (b.edit->GetDlgCtrlID() == id) return &b;
  return nullptr;
}

OrderBookFilter::Edit* OrderBookFilter::EditOfId(int id) {
  const EditBinding* b = BindingOfId(id);
  return b ? b->edit : nullptr;
}

const std::vector<std::string>& OrderBookFilter::Candidates(EditField field, CandidateUse use, std::string_view prefix) {
  return m_candidates.Values(Variant().eBook, filterbar::SpecOf(field), use, prefix);
}

pf::LRESULT OrderBookFilter::OnFillAutoCompleteeList(int id, CStringList* pList) {
  Guard("OnFillAutoCompleteeList", [&] {
    if (pList == nullptr || m_pGrid == nullptr) return;
    const OrderBookWnd* wnd = m_pGrid->GetOwnerWnd();
    if (wnd == nullptr || !wnd->bFilterBarShown) return;
    // The bar's own write asked for this list: the user typed nothing.
    if (m_bAutoFill) {
      m_bAutoFill = false;
      return;
    }
    const EditBinding* binding = BindingOfId(id);
    if (binding == nullptr) return;
    const filterbar::EditFieldSpec& spec = filterbar::SpecOf(binding->field);
    const std::string text = binding->edit->GetWindowText();
    const std::string upper = filterbar::ToUpper(text);
    const bool allMatches = std::string_view("ALL").starts_with(upper);

    if (spec.bDropDown && (binding->edit->m_bDropDown || text.empty())) {
      pList->push_back("ALL");
      const auto& values = Candidates(binding->field, CandidateUse::List);
      pList->insert(pList->end(), values.begin(), values.end());
      return;
    }
    bool offerAll = allMatches;
    if (binding->field == EditField::User) {
      const ORVEL5901* login = AppGlobal::g_pObjLoginResponse;
      const int userType = login ? login->userType() : -1;
      offerAll = allMatches && (userType == 1 || userType == 3);
    }
    if (offerAll) pList->push_back("ALL");
    const auto& values =
        Candidates(binding->field, spec.bDropDown ? CandidateUse::ListNarrowed : CandidateUse::List, upper);
    pList->insert(pList->end(), values.begin(), values.end());
  });
  return 0;
}

bool OrderBookFilter::OnUpDownTabEnter(int key, int id, Edit* pEdit) {
  bool written = false;
  Guard("OnUpDownTabEnter", [&] {
    const EditBinding* binding = BindingOfId(id);
    if (binding == nullptr) return;
    Edit& edit = pEdit ? *pEdit : *binding->edit;
    const std::string text = edit.GetWindowText();

    if (key == pf::VK_RETURN) {
      const int sel = edit.GetSelItem();
      if (edit.IsDroppedDown() && sel >= 0) {
        WriteEdit(edit, edit.DroppedList()[static_cast<std::size_t>(sel)]);
        written = true;
      }
      return;
    }
    if (key == pf::VK_TAB) {
      if (!edit.IsDroppedDown()) {
        WriteEdit(edit, text.empty() ? std::string("ALL") : text);
        written = true;
        return;
      }
      if (const int sel = edit.GetSelItem(); sel >= 0) {
        WriteEdit(edit, edit.DroppedList()[static_cast<std::size_t>(sel)]);
        written = true;
        return;
      }
      const filterbar::EditFieldSpec& spec = filterbar::SpecOf(binding->field);
      const filterbar::Completion completion =
          filterbar::CompleteOnLeave(Candidates(binding->field, CandidateUse::Leave), text, spec.bNeverEmpty);
      if (completion.write) {
        WriteEdit(edit, completion.text);
        written = true;
      }
      return;
    }
    if (key != pf::VK_UP && key != pf::VK_DOWN) return;
    // An open list takes the arrow keys itself.
    if (edit.IsDroppedDown()) return;
    const std::vector<std::string>& values = Candidates(binding->field, CandidateUse::Step);
    if (key == pf::VK_UP) {
      if (filterbar::IsAllText(text) || values.empty()) return;
      const auto it = std::find_if(values.begin(), values.end(),
                                   [&](const std::string& v) { return filterbar::EqualsNoCase(v, text); });
      if (it == values.begin()) WriteEdit(edit, "All");
      else if (it == values.end()) WriteEdit(edit, values.back());
      else WriteEdit(edit, *(it - 1));
      written = true;
      return;
    }
    if (values.empty()) return;
    if (text.empty() || filterbar::IsAllText(text)) {
      WriteEdit(edit, values.front());
    } else {
      const auto it = std::find_if(values.begin(), values.end(),
                                   [&](const std::string& v) { return filterbar::EqualsNoCase(v, text); });
      // The last value, or a text no order carries, is written again.
      const std::string next = (it != values.end() && it + 1 != values.end()) ? *(it + 1) : text;
      WriteEdit(edit, next);
    }
    written = true;
  });
  return written;
}

void OrderBookFilter::SetClientCode(Edit* pEdit, const std::string& text, bool bCheck) {
  Guard("SetClientCode", [&] {
    if (pEdit == nullptr) return;
    if (bCheck && !AppGlobal::map_pobjInvestorClientMap.contains(text)) return;
    WriteEdit(*pEdit, text);
  });
}

std::string OrderBookFilter::GetAutoCompleteClientCode(const std::string& text) const {
  if (text.empty()) return {};
  // The host may change its map while we search; the search reads a copy.
  const std::map<std::string, std::string> clients = AppGlobal::map_pobjInvestorClientMap;
  const auto it = clients.lower_bound(text);
  if (it != clients.end() && it->first.starts_with(text)) return it->first;
  return {};
}
