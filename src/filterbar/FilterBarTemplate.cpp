#include "filterbar/FilterBarTemplate.h"

#include "host/platform/ComboBox.h"
#include "host/platform/Edit.h"
#include "host/platform/Static.h"
#include "host/platform/TimePicker.h"
#include "view/ColumnCatalogue.h"

namespace filterbar {

namespace {

namespace pf = orv::platform;

constexpr unsigned kListStyle = pf::CBS_DROPDOWNLIST | pf::CBS_SORT;
constexpr unsigned kEditStyle = pf::ES_UPPERCASE | pf::ES_AUTOHSCROLL;
constexpr unsigned kPickerStyle = pf::DTS_TIMEFORMAT | pf::DTS_RIGHTALIGN;

constexpr ControlSpec Label(std::string_view text) {
  return {pf::IDC_STATIC, ControlKind::Label, text, {}, -1, 0, true};
}
constexpr ControlSpec List(int id, std::string_view member, int column) {
  return {id, ControlKind::List, {}, member, column, kListStyle, true};
}
constexpr ControlSpec EditField(int id, std::string_view member, int column) {
  return {id, ControlKind::Edit, {}, member, column, kEditStyle, true};
}

constexpr std::array<ControlSpec, kControlCount> kControls{{
    Label("&Exch"),          List(7352, "m_cmbExchange", COL_ExchCode),
    Label("Ord "),           List(7358, "m_cmbOrderLeg", COL_OrderLeg),
    Label("I&nst Type"),     List(7357, "m_cmbInstType", COL_Mkt_Seg),
    Label("&Symbol"),        EditField(7355, "m_edtSymbol", COL_Symbol_ScriptID),
    Label("&Expiry"),        EditField(7348, "m_edtExpiry", COL_Ser_Exp_Group),
    Label("S&trike"),        EditField(7347, "m_edtStrike", COL_Strike),
    Label("O&ptType"),       EditField(7359, "m_edtOptType", COL_Option_Type),
    Label("&Order"),         List(7356, "m_cmbOrderType", COL_Order_Type),
    Label("&Buy/Sell"),      List(7340, "m_cmbBuySell", COL_B_S),
    Label("&Pro/Client"),    List(7343, "m_cmbProClient", COL_Pro_Client),
    Label("Order &Status"),  List(7341, "m_cmbOrderStatus", COL_Order_Status),
    Label("&User"),          EditField(7342, "m_edtUser", COL_OrvelClientId),
    Label("Client Co&de"),   EditField(7344, "m_edtClientCode", COL_Client),
    Label("Order Style"),    List(7349, "m_cmbOrderStyle", COL_Order_Style),
    Label("Strategy"),       EditField(7345, "m_edtStrategy", COL_Strategy),
    Label("Order Nu&mber"),  EditField(7346, "m_edtOrderNo", COL_OrderNo),
    Label("Product Type"),   EditField(7351, "m_edtProductType", COL_Prod_Type),
    Label("Time &From"),     {7363, ControlKind::TimePicker, {}, "m_dtpTimeFrom", COL_Server_Entry_Time, kPickerStyle, true},
    Label("Ti&me Till"),     {7364, ControlKind::TimePicker, {}, "m_dtpTimeTill", COL_Server_Entry_Time, kPickerStyle, true},
    {7361, ControlKind::CheckBox, "Ord Status", "m_chkOrdStatus", -1, 0, true},
    {7362, ControlKind::CheckBox, "Save Filter", "m_chkSaveFilter", -1, 0, true},
    {7366, ControlKind::CheckBox, "Open With Sorting", "m_chkOpenWithSorting", -1, 0, true},
    {7353, ControlKind::Button, "Sho&w Status", "m_btnShowStatus", -1, 0, true},
    {7354, ControlKind::Button, "Refresh", {}, -1, 0, false},
    {7360, ControlKind::ScratchList, {}, "m_cmbExpirySort", -1, pf::CBS_DROPDOWN | pf::CBS_SORT, false},
}};

}  // namespace

const std::array<ControlSpec, kControlCount>& Controls() { return kControls; }

const ControlSpec* FindControl(int id) {
  if (id == pf::IDC_STATIC) return nullptr;
  for (const ControlSpec& c : kControls)
    if (c.id == id) return &c;
  return nullptr;
}

const ControlSpec* FindMember(std::string_view member) {
  if (member.empty()) return nullptr;
  for (const ControlSpec& c : kControls)
    if (c.member == member) return &c;
  return nullptr;
}

std::string_view KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::List: return "list";
    case ControlKind::Edit: return "edit";
    case ControlKind::TimePicker: return "time";
    case ControlKind::CheckBox: return "check";
    case ControlKind::Button: return "button";
    case ControlKind::Label: return "label";
    case ControlKind::ScratchList: return "scratch";
  }
  return "";
}

pf::DialogTemplate MakeDialogTemplate(std::string name) {
  pf::DialogTemplate dialog;
  dialog.name = std::move(name);
  dialog.widthDlu = kDialogWidthDlu;
  dialog.heightDlu = kDialogHeightDlu;
  for (const ControlSpec& c : kControls) {
    static constexpr std::string_view kToolkitKinds[] = {"combo", "edit", "datetime", "check", "button", "static", "combo"};
    dialog.controls.push_back({c.id, std::string(kToolkitKinds[static_cast<int>(c.kind)]), std::string(c.text), c.style,
                               c.visible});
  }
  return dialog;
}

}  // namespace filterbar
