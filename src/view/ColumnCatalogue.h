#pragma once
// The fixed columns of both order-book grids. A column id is the column's position at creation
// and never changes: filters, sorting, colouring and export all name columns by these ids.
#include "view/ViewVariant.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

class OrvGridCtrl;

enum ColumnId : int {
  COL_OrvelClientId = 0,
  COL_RefNo = 1,
  COL_ExchCode = 2,
  COL_Order_Status = 3,
  COL_MemberID = 4,
  COL_TraderID = 5,
  COL_Mkt_Seg = 6,
  COL_Inst_Name = 7,
  COL_Code = 8,
  COL_Symbol_ScriptID = 9,
  COL_Ser_Exp_Group = 10,
  COL_Strike = 11,
  COL_Option_Type = 12,
  COL_Scrip_Name = 13,
  COL_Order_Type = 14,
  COL_B_S = 15,
  COL_Pending_Qty = 16,
  COL_Price = 17,
  COL_Total_Qty = 18,
  COL_Pro_Client = 19,
  COL_Client = 20,
  COL_Client_Name = 21,
  COL_ParticipantID = 22,
  COL_Misc = 23,
  COL_ExchOrder_No = 24,
  COL_Status = 25,
  COL_Disclose_Qty = 26,
  COL_Settlor = 27,
  COL_Validity = 28,
  COL_TillDays_Dates = 29,
  COL_MF_AON = 30,
  COL_MF_Qty = 31,
  COL_Trig_Price = 32,
  COL_CP_Brok_ID = 33,
  COL_Auc_No = 34,
  COL_Last_Modified = 35,
  COL_Traded_Qty = 36,
  COL_Avg_Price = 37,
  COL_Reason = 38,
  COL_Remarks = 39,
  COL_Part_Type = 40,
  COL_Prod_Type = 41,
  COL_Server_Entry_Time = 42,
  COL_AMO_OrderID = 43,
  COL_lOurToken = 44,
  COL_iOrvelCode = 45,
  COL_Order_Style = 46,
  COL_Strategy = 47,
  COL_Total_Lot = 48,
  COL_Pending_Lot = 49,
  COL_Traded_Lot = 50,
  COL_ReqID = 51,
  COL_OrderNo = 52,
  COL_COL_Order = 53,
  COL_Exch_ClientId = 54,
  COL_Record_Type = 55,
  COL_Asset_Price = 56,
  COL_IOM_RuleNo = 57,
  COL_Pan_Number = 58,
  COL_Disclose_Lot = 59,
  COL_Error_Discriptions = 60,
  COL_Target_Price = 61,
  COL_SL_Price = 62,
  COL_BR_TrigPrice = 63,
  COL_TransType = 64,
  COL_AlgoID = 65,
  COL_Variant = 66,
  COL_OrderLeg = 67,
  COL_NNFID = 68,
  // GTD book only.
  COL_GTDOrderStatus = 69,
  COL_GTDOrderNo = 70,
  COL_LastTradedQty = 71,
  COL_Order_Initiate_Time = 72,
};

inline constexpr int kPendingColumnCount = 69;
inline constexpr int kGtdColumnCount = 73;

struct ColumnDefinition {
  int nId;
  std::string_view cName;
  std::string_view cSecondText;
  int nWidth;
  int nValueType;  // orv::platform::GridValueType: 0 text, 2 whole number, 3 price, 5 date-time
  bool bRightAligned;
};

// Every column of the larger (GTD) catalogue, in id order.
std::span<const ColumnDefinition> AllColumns();
// The columns of one variant, in id order (69 for Pending, 73 for GTD).
std::span<const ColumnDefinition> ColumnsOf(const VariantDescription& variant);
// Null for an id outside the variant's catalogue.
const ColumnDefinition* FindColumn(int column, const VariantDescription& variant);
// The column's value type, -1 outside the variant's catalogue.
int ColumnValueType(int column, const VariantDescription& variant);
// Value types that sort as numbers.
constexpr bool IsNumericValueType(int valueType) { return valueType >= 1 && valueType <= 4; }

// A fixed value list of a column's header filter menu.
struct HeaderValueList {
  int nColumn;
  std::span<const std::string_view> values;
};
// The seven fixed lists (Mkt_Seg, Option_Type, Order_Type, B_S, Pro_Client, Order_Style, OrderLeg).
std::span<const HeaderValueList> FixedHeaderValueLists();

// The order statuses the status header menu offers. One list per variant for the whole module,
// built once: creating views again never repeats an entry.
const std::vector<std::string>& OrderStatusFilterValues(const VariantDescription& variant);
// The approval list of the header menus.
const std::vector<std::string>& ApprovalFilterValues();
// The grid's current order-status text when it is created.
inline constexpr std::string_view kInitialOrderStatusText = "Pending";

// Inserts the variant's columns in id order with their texts, width, value type and alignment,
// and registers the fixed header lists. Meant for a grid without columns; a grid that already
// has some gets nothing more (returns false).
bool CreateColumns(OrvGridCtrl& grid, const VariantDescription& variant);
