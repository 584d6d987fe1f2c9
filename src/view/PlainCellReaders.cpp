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

// The plain text columns: X(record field) and C(column, contract field).
#define ORV_PLAIN_TEXT_COLUMNS(X, C)                                                                \
  X(OrvelClientId) X(Order_Status) X(MemberID) X(TraderID) X(Order_Type) X(B_S) X(Pro_Client)        \
  X(Client) X(ParticipantID) X(Misc) X(ExchOrder_No) X(Status) X(Settlor) X(Validity)                \
  X(TillDays_Dates) X(MF_AON) X(CP_Brok_ID) X(Auc_No) X(Remarks) X(Part_Type) X(AMO_OrderID)         \
  X(Order_Style) X(Strategy) X(OrderNo) X(COL_Order) X(Exch_ClientId) X(Record_Type) X(Pan_Number)  \
  X(Error_Discriptions) X(TransType) X(Variant) X(GTDOrderStatus)                                    \
  C(COL_ExchCode, cExchangeName) C(COL_Mkt_Seg, Mkt_Seg) C(COL_Inst_Name, Inst_Name)                 \
  C(COL_Code, Code) C(COL_Symbol_ScriptID, Symbol_ScriptID) C(COL_Strike, cStrike)                   \
  C(COL_Option_Type, cOptionType) C(COL_Scrip_Name, cScripName)

#define ORV_RECORD_TEXT(name) \
  case COL_##name: return [](const OrderBookDetails& r) { return Field(r.name); };
#define ORV_CONTRACT_TEXT(column, field)                           \
  case column:                                                     \
    return [](const OrderBookDetails& r) {                         \
      return r.pContract ? Field(r.pContract->field) : std::string_view(); \
    };
#define ORV_RECORD_INTEGER(name) \
  case COL_##name: return [](const OrderBookDetails& r) { return static_cast<long long>(r.name); };

template <typename Owner, std::size_t N>
PlainTextField FieldAt(const Owner& probe, const char (&field)[N], bool inContract) {
  const auto offset = reinterpret_cast<const char*>(&field) - reinterpret_cast<const char*>(&probe);
  return PlainTextField{static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(N),
                        static_cast<std::uint32_t>(sizeof(Owner)), inContract};
}

}  // namespace

CellTextReader PlainTextReader(int column, const VariantDescription& variant) {
  if (!FindColumn(column, variant)) return nullptr;
  switch (static_cast<ColumnId>(column)) {
    ORV_PLAIN_TEXT_COLUMNS(ORV_RECORD_TEXT, ORV_CONTRACT_TEXT)
    default: return nullptr;
  }
}

PlainTextField PlainTextFieldOf(int column, const VariantDescription& variant) {
  if (!FindColumn(column, variant)) return {};
  static const OrderBookDetails record{};
  static const ScriptDesc contract{};
#define ORV_RECORD_FIELD(name) \
  case COL_##name: return FieldAt(record, record.name, false);
#define ORV_CONTRACT_FIELD(column, field) \
  case column: return FieldAt(contract, contract.field, true);
  switch (static_cast<ColumnId>(column)) {
    ORV_PLAIN_TEXT_COLUMNS(ORV_RECORD_FIELD, ORV_CONTRACT_FIELD)
    default: return {};
  }
#undef ORV_RECORD_FIELD
#undef ORV_CONTRACT_FIELD
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
