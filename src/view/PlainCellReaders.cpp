// Direct readers of the plain cells, for the refresh's filter pass over every record.
#include "view/CellValues.h"
#include "view/ColumnCatalogue.h"

#include <cstring>

namespace {

// The length of a field's text, bounded by its capacity. Short fields are scanned inline: this
// runs for every record on every refresh, and a library call costs more than the scan.
template <std::size_t N>
std::string_view Field(const char (&field)[N]) {
  if constexpr (N <= 16) {
    std::size_t n = 0;
    while (n < N && field[n] != '\0') ++n;
    return std::string_view(field, n);
  } else {
    return std::string_view(field, ::strnlen(field, N));
  }
}

#define ORV_RECORD_TEXT(name) \
  case COL_##name: return [](const OrderBookDetails& r) { return Field(r.name); };
#define ORV_CONTRACT_TEXT(column, field)                           \
  case column:                                                     \
    return [](const OrderBookDetails& r) {                         \
      return r.pContract ? Field(r.pContract->field) : std::string_view(); \
    };
#define ORV_RECORD_INTEGER(name) \
  case COL_##name: return [](const OrderBookDetails& r) { return static_cast<long long>(r.name); };

}  // namespace

CellTextReader PlainTextReader(int column, const VariantDescription& variant) {
  if (!FindColumn(column, variant)) return nullptr;
  switch (static_cast<ColumnId>(column)) {
    ORV_RECORD_TEXT(OrvelClientId)
    ORV_RECORD_TEXT(Order_Status)
    ORV_RECORD_TEXT(MemberID)
    ORV_RECORD_TEXT(TraderID)
    ORV_RECORD_TEXT(Order_Type)
    ORV_RECORD_TEXT(B_S)
    ORV_RECORD_TEXT(Pro_Client)
    ORV_RECORD_TEXT(Client)
    ORV_RECORD_TEXT(ParticipantID)
    ORV_RECORD_TEXT(Misc)
    ORV_RECORD_TEXT(ExchOrder_No)
    ORV_RECORD_TEXT(Status)
    ORV_RECORD_TEXT(Settlor)
    ORV_RECORD_TEXT(Validity)
    ORV_RECORD_TEXT(TillDays_Dates)
    ORV_RECORD_TEXT(MF_AON)
    ORV_RECORD_TEXT(CP_Brok_ID)
    ORV_RECORD_TEXT(Auc_No)
    ORV_RECORD_TEXT(Remarks)
    ORV_RECORD_TEXT(Part_Type)
    ORV_RECORD_TEXT(AMO_OrderID)
    ORV_RECORD_TEXT(Order_Style)
    ORV_RECORD_TEXT(Strategy)
    ORV_RECORD_TEXT(OrderNo)
    ORV_RECORD_TEXT(COL_Order)
    ORV_RECORD_TEXT(Exch_ClientId)
    ORV_RECORD_TEXT(Record_Type)
    ORV_RECORD_TEXT(Pan_Number)
    ORV_RECORD_TEXT(Error_Discriptions)
    ORV_RECORD_TEXT(TransType)
    ORV_RECORD_TEXT(Variant)
    ORV_RECORD_TEXT(GTDOrderStatus)
    ORV_CONTRACT_TEXT(COL_ExchCode, cExchangeName)
    ORV_CONTRACT_TEXT(COL_Mkt_Seg, Mkt_Seg)
    ORV_CONTRACT_TEXT(COL_Inst_Name, Inst_Name)
    ORV_CONTRACT_TEXT(COL_Code, Code)
    ORV_CONTRACT_TEXT(COL_Symbol_ScriptID, Symbol_ScriptID)
    ORV_CONTRACT_TEXT(COL_Strike, cStrike)
    ORV_CONTRACT_TEXT(COL_Option_Type, cOptionType)
    ORV_CONTRACT_TEXT(COL_Scrip_Name, cScripName)
    default: return nullptr;
  }
}

CellIntegerReader PlainIntegerReader(int column, const VariantDescription& variant) {
  if (!FindColumn(column, variant)) return nullptr;
  switch (static_cast<ColumnId>(column)) {
    ORV_RECORD_INTEGER(RefNo)
    ORV_RECORD_INTEGER(Pending_Qty)
    ORV_RECORD_INTEGER(Total_Qty)
    ORV_RECORD_INTEGER(Disclose_Qty)
    ORV_RECORD_INTEGER(MF_Qty)
    ORV_RECORD_INTEGER(Traded_Qty)
    ORV_RECORD_INTEGER(Reason)
    ORV_RECORD_INTEGER(lOurToken)
    ORV_RECORD_INTEGER(iOrvelCode)
    ORV_RECORD_INTEGER(ReqID)
    ORV_RECORD_INTEGER(IOM_RuleNo)
    ORV_RECORD_INTEGER(Disclose_Lot)
    ORV_RECORD_INTEGER(NNFID)
    ORV_RECORD_INTEGER(LastTradedQty)
    default: return nullptr;
  }
}
