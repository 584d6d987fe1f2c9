#include "view/ColumnCatalogue.h"

#include "host/OrvGridCtrl.h"
#include "host/platform/GridColumn.h"

#include <array>

namespace {

using orv::platform::GVT_DATETIME;
using orv::platform::GVT_PRICE;
using orv::platform::GVT_TEXT;
using orv::platform::GVT_WHOLE_NUMBER;

constexpr int kWidth = 80;
constexpr bool R = true;   // right-aligned
constexpr bool L = false;  // default (left) alignment

constexpr ColumnDefinition Col(int id, std::string_view name, int type, bool right) {
  return {id, name, name, kWidth, type, right};
}

constexpr std::array<ColumnDefinition, kGtdColumnCount> kColumns{{
    Col(COL_OrvelClientId, "OrvelClientId", GVT_TEXT, L),
    Col(COL_RefNo, "RefNo", GVT_WHOLE_NUMBER, R),
    Col(COL_ExchCode, "ExchCode", GVT_TEXT, L),
    Col(COL_Order_Status, "Order_Status", GVT_TEXT, L),
    Col(COL_MemberID, "MemberID", GVT_TEXT, R),
    Col(COL_TraderID, "TraderID", GVT_TEXT, R),
    Col(COL_Mkt_Seg, "Mkt_Seg", GVT_TEXT, L),
    Col(COL_Inst_Name, "Inst_Name", GVT_TEXT, L),
    Col(COL_Code, "Code", GVT_TEXT, R),
    Col(COL_Symbol_ScriptID, "Symbol_ScriptID", GVT_TEXT, L),
    Col(COL_Ser_Exp_Group, "Ser_Exp_Group", GVT_TEXT, L),
    Col(COL_Strike, "Strike", GVT_TEXT, L),
    Col(COL_Option_Type, "Option_Type", GVT_TEXT, L),
    Col(COL_Scrip_Name, "Scrip_Name", GVT_TEXT, L),
    Col(COL_Order_Type, "Order_Type", GVT_TEXT, L),
    Col(COL_B_S, "B_S", GVT_TEXT, L),
    Col(COL_Pending_Qty, "Pending_Qty", GVT_WHOLE_NUMBER, R),
    Col(COL_Price, "Price", GVT_PRICE, R),
    Col(COL_Total_Qty, "Total_Qty", GVT_WHOLE_NUMBER, R),
    Col(COL_Pro_Client, "Pro_Client", GVT_TEXT, L),
    Col(COL_Client, "Client", GVT_TEXT, L),
    Col(COL_Client_Name, "Client_Name", GVT_TEXT, L),
    Col(COL_ParticipantID, "ParticipantID", GVT_TEXT, L),
    Col(COL_Misc, "Misc", GVT_TEXT, L),
    Col(COL_ExchOrder_No, "ExchOrder_No", GVT_WHOLE_NUMBER, L),
    Col(COL_Status, "Status", GVT_TEXT, L),
    Col(COL_Disclose_Qty, "Disclose_Qty", GVT_WHOLE_NUMBER, R),
    Col(COL_Settlor, "Settlor", GVT_TEXT, L),
    Col(COL_Validity, "Validity", GVT_TEXT, L),
    Col(COL_TillDays_Dates, "TillDays_Dates", GVT_WHOLE_NUMBER, L),
    Col(COL_MF_AON, "MF_AON", GVT_TEXT, L),
    Col(COL_MF_Qty, "MF_Qty", GVT_WHOLE_NUMBER, R),
    Col(COL_Trig_Price, "Trig_Price", GVT_PRICE, R),
    Col(COL_CP_Brok_ID, "CP_Brok_ID", GVT_TEXT, L),
    Col(COL_Auc_No, "Auc_No", GVT_TEXT, R),
    Col(COL_Last_Modified, "Last_Modified", GVT_DATETIME, L),
    Col(COL_Traded_Qty, "Traded_Qty", GVT_WHOLE_NUMBER, R),
    Col(COL_Avg_Price, "Avg_Price", GVT_PRICE, L),
    Col(COL_Reason, "Reason", GVT_TEXT, R),
    Col(COL_Remarks, "Remarks", GVT_TEXT, L),
    Col(COL_Part_Type, "Part_Type", GVT_TEXT, L),
    Col(COL_Prod_Type, "Prod_Type", GVT_TEXT, L),
    Col(COL_Server_Entry_Time, "Server_Entry_Time", GVT_DATETIME, L),
    Col(COL_AMO_OrderID, "AMO_OrderID", GVT_TEXT, L),
    Col(COL_lOurToken, "lOurToken", GVT_WHOLE_NUMBER, R),
    Col(COL_iOrvelCode, "iOrvelCode", GVT_WHOLE_NUMBER, R),
    Col(COL_Order_Style, "Order_Style", GVT_TEXT, L),
    Col(COL_Strategy, "Strategy", GVT_TEXT, L),
    Col(COL_Total_Lot, "Total_Lot", GVT_WHOLE_NUMBER, R),
    Col(COL_Pending_Lot, "Pending_Lot", GVT_WHOLE_NUMBER, R),
    Col(COL_Traded_Lot, "Traded_Lot", GVT_WHOLE_NUMBER, R),
    Col(COL_ReqID, "ReqID", GVT_TEXT, R),
    Col(COL_OrderNo, "OrderNo", GVT_TEXT, L),
    Col(COL_COL_Order, "COL_Order", GVT_TEXT, L),
    Col(COL_Exch_ClientId, "Exch_ClientId", GVT_TEXT, L),
    Col(COL_Record_Type, "Record_Type", GVT_TEXT, L),
    Col(COL_Asset_Price, "Asset_Price", GVT_PRICE, R),
    Col(COL_IOM_RuleNo, "IOM_RuleNo", GVT_TEXT, R),
    Col(COL_Pan_Number, "Pan_Number", GVT_TEXT, L),
    Col(COL_Disclose_Lot, "Disclose_Lot", GVT_WHOLE_NUMBER, L),
    Col(COL_Error_Discriptions, "Error_Discriptions", GVT_TEXT, L),
    Col(COL_Target_Price, "Target_Price", GVT_PRICE, R),
    Col(COL_SL_Price, "SL_Price", GVT_TEXT, L),
    {COL_BR_TrigPrice, "BR_TrigPrice", "BR TrigPrice", kWidth, GVT_PRICE, R},
    Col(COL_TransType, "TransType", GVT_TEXT, L),
    Col(COL_AlgoID, "AlgoID", GVT_TEXT, R),
    Col(COL_Variant, "Variant", GVT_TEXT, L),
    Col(COL_OrderLeg, "OrderLeg", GVT_TEXT, L),
    Col(COL_NNFID, "NNFID", GVT_TEXT, L),
    Col(COL_GTDOrderStatus, "GTDOrderStatus", GVT_TEXT, L),
    Col(COL_GTDOrderNo, "GTDOrderNo", GVT_TEXT, R),
    Col(COL_LastTradedQty, "LastTradedQty", GVT_TEXT, L),
    Col(COL_Order_Initiate_Time, "Order_Initiate_Time", GVT_DATETIME, L),
}};

constexpr bool IdsArePositions() {
  for (std::size_t i = 0; i < kColumns.size(); ++i)
    if (kColumns[i].nId != static_cast<int>(i)) return false;
  return true;
}
static_assert(IdsArePositions(), "a column's id is its position in the catalogue");

constexpr std::array<std::string_view, 4> kMktSeg{"E", "F", "O", "SLBM"};
constexpr std::array<std::string_view, 2> kOptionType{"CE", "PE"};
constexpr std::array<std::string_view, 8> kOrderType{"RL", "SL", "CA", "CB", "AU", "BR", "BL", "CO"};
constexpr std::array<std::string_view, 2> kBuySell{"BUY", "SELL"};
constexpr std::array<std::string_view, 2> kProClient{"PRO", "CLI"};
constexpr std::array<std::string_view, 3> kOrderStyle{"Automated", "Manual", "IOM"};
constexpr std::array<std::string_view, 2> kOrderLeg{"N", "S"};

constexpr std::array<HeaderValueList, 7> kFixedLists{{
    {COL_Mkt_Seg, kMktSeg},
    {COL_Option_Type, kOptionType},
    {COL_Order_Type, kOrderType},
    {COL_B_S, kBuySell},
    {COL_Pro_Client, kProClient},
    {COL_Order_Style, kOrderStyle},
    {COL_OrderLeg, kOrderLeg},
}};

std::vector<std::string> StatusList() {
  return {"Pending", "Cancelled", "UnConfirmed", "Rejected", "Completed", "AMOUnconfirmed"};
}

int ColumnCountOf(const VariantDescription& variant) {
  const int n = variant.nColumnCount;
  return n < 0 ? 0 : (n > kGtdColumnCount ? kGtdColumnCount : n);
}

}  // namespace

std::span<const ColumnDefinition> AllColumns() { return kColumns; }

std::span<const ColumnDefinition> ColumnsOf(const VariantDescription& variant) {
  return std::span<const ColumnDefinition>(kColumns).first(static_cast<std::size_t>(ColumnCountOf(variant)));
}

const ColumnDefinition* FindColumn(int column, const VariantDescription& variant) {
  return column >= 0 && column < ColumnCountOf(variant) ? &kColumns[static_cast<std::size_t>(column)] : nullptr;
}

int ColumnValueType(int column, const VariantDescription& variant) {
  const ColumnDefinition* c = FindColumn(column, variant);
  return c ? c->nValueType : -1;
}

std::span<const HeaderValueList> FixedHeaderValueLists() { return kFixedLists; }

const std::vector<std::string>& OrderStatusFilterValues(const VariantDescription& variant) {
  // Function-local statics: built on first use, never appended to afterwards.
  static const std::vector<std::string> pending = StatusList();
  static const std::vector<std::string> gtd = StatusList();
  return variant.eVariant == ViewVariant::Pending ? pending : gtd;
}

const std::vector<std::string>& ApprovalFilterValues() {
  static const std::vector<std::string> approval{"Approved", "Rejected"};
  return approval;
}

bool CreateColumns(OrvGridCtrl& grid, const VariantDescription& variant) {
  if (grid.GetColumnCount() != 0) return false;
  for (const ColumnDefinition& c : ColumnsOf(variant)) {
    const int id = grid.InsertColumn(c.nId, c.cName, c.nWidth, c.nValueType);
    if (id != c.nId) return false;
    grid.GetColumnsInfo().SetColumnDescription(id, c.cSecondText);
    if (c.bRightAligned) grid.SetColumnAlign(id, orv::platform::kAlignRight);
  }
  for (const HeaderValueList& list : FixedHeaderValueLists()) {
    if (!FindColumn(list.nColumn, variant)) continue;
    grid.SetRefFilterValues(list.nColumn, std::vector<std::string>(list.values.begin(), list.values.end()));
  }
  return true;
}
