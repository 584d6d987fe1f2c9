#include "scenario/FilterBarDump.h"

#include "filterbar/OrderBookFilter.h"

namespace orv::scenario {

namespace {

namespace pf = orv::platform;
using filterbar::ControlKind;
using Json = nlohmann::json;

Json ListItems(const pf::ComboBox& combo) {
  Json items = Json::array();
  for (int i = 0; i < combo.GetCount(); ++i) items.push_back(combo.GetLBText(i));
  return items;
}

Json Describe(const OrderBookFilter::TemplateControl& entry) {
  const filterbar::ControlSpec& spec = *entry.spec;
  const pf::Control& control = *entry.control;
  Json out{{"id", spec.id}, {"kind", std::string(filterbar::KindName(spec.kind))}};
  if (!spec.member.empty()) out["member"] = std::string(spec.member);
  switch (spec.kind) {
    case ControlKind::Label:
      out["text"] = static_cast<const pf::Static&>(control).GetWindowText();
      return out;
    case ControlKind::List:
    case ControlKind::ScratchList: {
      const auto& combo = static_cast<const pf::ComboBox&>(control);
      out["text"] = combo.GetWindowText();
      out["items"] = ListItems(combo);
      out["selected"] = combo.GetCurSel();
      break;
    }
    case ControlKind::Edit: {
      const auto& edit = static_cast<const CustomAutoCompleteEdit&>(control);
      out["text"] = edit.GetWindowText();
      // The list open under the edit, its highlighted entry, and the drop-down state.
      if (edit.IsDroppedDown()) {
        out["offered"] = edit.DroppedList();
        if (edit.GetSelItem() >= 0) out["highlighted"] = edit.GetSelItem();
      }
      if (edit.m_bDropDown) out["m_bDropDown"] = true;
      break;
    }
    case ControlKind::TimePicker:
      out["text"] = static_cast<const pf::TimePicker&>(control).GetWindowText();
      break;
    case ControlKind::CheckBox: {
      const auto& box = static_cast<const pf::CheckBox&>(control);
      out["text"] = box.GetWindowText();
      out["checked"] = box.GetCheck() == pf::BST_CHECKED;
      break;
    }
    case ControlKind::Button:
      out["text"] = static_cast<const pf::Button&>(control).GetWindowText();
      break;
  }
  out["enabled"] = control.IsWindowEnabled();
  if (!control.IsWindowVisible()) out["hidden"] = true;
  if (control.HasFocus()) out["focus"] = true;
  return out;
}

// As the orders step writes them; null and invalid values by name.
Json DateTime(const pf::OleDateTime& value) {
  if (value.GetStatus() == pf::OleDateTime::Status::null) return nullptr;
  if (!value.IsValid()) return "invalid";
  return value.Format();
}

}  // namespace

Json DescribeFilterBar(const OrderBookFilter* bar) {
  if (!bar) return nullptr;
  Json controls = Json::array();
  for (const auto& entry : bar->TemplateControls()) controls.push_back(Describe(entry));
  const pf::Control* custom = bar->GetCustomFocus();
  return {{"controls", std::move(controls)},
          {"m_bAutoFill", bar->m_bAutoFill},
          {"m_strTimeFrom", bar->m_strTimeFrom},
          {"m_strTimeTill", bar->m_strTimeTill},
          {"m_dtTimeFrom", DateTime(bar->m_dtTimeFrom)},
          {"m_dtTimeTill", DateTime(bar->m_dtTimeTill)},
          {"applied",
           {{"symbol", bar->m_strAppliedSymbol},
            {"expiry", bar->m_strAppliedExpiry},
            {"strike", bar->m_strAppliedStrike},
            {"optType", bar->m_strAppliedOptType},
            {"user", bar->m_strAppliedUser},
            {"clientCode", bar->m_strAppliedClientCode},
            {"strategy", bar->m_strAppliedStrategy},
            {"productType", bar->m_strAppliedProductType}}},
          {"customFocus", custom ? Json(custom->GetDlgCtrlID()) : Json(nullptr)}};
}

Json DescribeFilterBarControl(const OrderBookFilter& bar, int id) {
  for (const auto& entry : bar.TemplateControls())
    if (entry.spec->id == id) return Describe(entry);
  return nullptr;
}

}  // namespace orv::scenario
