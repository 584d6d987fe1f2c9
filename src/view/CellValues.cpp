#include "view/CellValues.h"

#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/GlobalFunctions.h"
#include "host/OrvEnumsMethods.h"
#include "host/RCGlobal.h"
#include "sortfilter/ColumnSortKeys.h"
#include "view/ColumnCatalogue.h"
#include "view/OrderBookWnd.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

using orv::platform::CellValue;

// One cell before it becomes a value or a text. Texts point into the record or the contract;
// nothing here allocates.
struct Cell {
  enum class Kind : std::uint8_t { Empty, Integer, Unsigned, Double, Text, Price };
  Kind kind = Kind::Empty;
  long long integer = 0;
  unsigned long long unsignedValue = 0;
  double number = 0.0;
  std::string_view text;
  // The contract's price format, terminated here even when the contract's field is not.
  char format[sizeof(ScriptDesc::cPriceFormat) + 1] = {};
};

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The one BSE segment whose orders never show an algorithm id.
bool HidesAlgoId(const ScriptDesc* contract) {
  return contract && contract->nSegment == 6 && EqualsIgnoreCase(FieldView(contract->cExchangeName), "BSE");
}

void SetInteger(Cell& c, long long v) {
  c.kind = Cell::Kind::Integer;
  c.integer = v;
}

void SetText(Cell& c, std::string_view text) {
  c.kind = Cell::Kind::Text;
  c.text = text;
}

void SetContractText(Cell& c, const ScriptDesc* contract, std::string_view (*pick)(const ScriptDesc&)) {
  if (contract) SetText(c, pick(*contract));
}

// Price rule: the contract's format prints it; without a contract the bare double shows.
void SetPrice(Cell& c, double value, const ScriptDesc* contract) {
  c.number = value;
  if (!contract) {
    c.kind = Cell::Kind::Double;
    return;
  }
  c.kind = Cell::Kind::Price;
  std::memcpy(c.format, contract->cPriceFormat, sizeof contract->cPriceFormat);
  c.format[sizeof contract->cPriceFormat] = '\0';
}

void SetLots(Cell& c, std::int32_t quantity, const ScriptDesc* contract) {
  // Integer division truncates toward zero; the lot size is positive here, so it cannot overflow.
  const bool divide = contract && contract->lLotSize > 0;
  SetInteger(c, divide ? quantity / contract->lLotSize : quantity);
}

std::string_view TimeText(const TimeTextPair& pair) {
  return AppGlobal::bGeneralSettings_24HrTimeFormat ? FieldView(pair.c24Hr) : FieldView(pair.c12Hr);
}

// First-time fills: done once per record, so the grid's later paints touch the record only.
void FillClientName(OrderBookDetails& r) {
  if (r.Client_Name[0] != '\0' || !EqualsIgnoreCase(FieldView(r.Pro_Client), "CLI")) return;
  // An empty answer leaves the field empty, so the next display asks again.
  const std::string name = RCGlobal::GetInvestorClientName(FieldView(r.Client), FieldView(r.OrvelClientId));
  CopyText(r.Client_Name, name);
}

void FillProductType(OrderBookDetails& r) {
  if (r.Prod_Type[0] != '\0') return;
  // Copied as a text: a product name is data, never a format.
  CopyText(r.Prod_Type, RCGlobal::LookupProductTypeInMap(r.iProductTypeCode, nullptr));
}

void FillAveragePrice(OrderBookDetails& r) {
  if (r.Avg_Price == 0.0 && r.Pending_Qty != r.Total_Qty) AppOrderBook::SetAvgPrice_InOrderTrade(&r);
}

bool HasFirstTimeFill(int column) {
  return column == COL_Client_Name || column == COL_Prod_Type || column == COL_Avg_Price || column == COL_AlgoID;
}

// The cell of (record, column). With `fill` the first-time fills run and AlgoID is emptied in the
// record; without it the record is only read.
Cell Resolve(OrderBookDetails& r, int column, const VariantDescription& variant, bool fill) {
  Cell c;
  if (!FindColumn(column, variant)) return c;
  const ScriptDesc* k = r.pContract;
  switch (static_cast<ColumnId>(column)) {
    case COL_OrvelClientId: SetText(c, FieldView(r.OrvelClientId)); break;
    case COL_RefNo: SetInteger(c, r.RefNo); break;
    case COL_ExchCode: SetContractText(c, k, [](const ScriptDesc& s) { return FieldView(s.cExchangeName); }); break;
    case COL_Order_Status: SetText(c, FieldView(r.Order_Status)); break;
    case COL_MemberID: SetText(c, FieldView(r.MemberID)); break;
    case COL_TraderID: SetText(c, FieldView(r.TraderID)); break;
    case COL_Mkt_Seg: SetContractText(c, k, [](const ScriptDesc& s) { return FieldView(s.Mkt_Seg); }); break;
    case COL_Inst_Name: SetContractText(c, k, [](const ScriptDesc& s) { return FieldView(s.Inst_Name); }); break;
    case COL_Code: SetContractText(c, k, [](const ScriptDesc& s) { return FieldView(s.Code); }); break;
    case COL_Symbol_ScriptID:
      SetContractText(c, k, [](const ScriptDesc& s) { return FieldView(s.Symbol_ScriptID); });
      break;
    case COL_Ser_Exp_Group:
      SetContractText(c, k, [](const ScriptDesc& s) {
        const std::string_view segment = FieldView(s.Mkt_Seg);
        return segment == "F" || segment == "O" ? FieldView(s.cExpiry) : FieldView(s.cSeries);
      });
      break;
    case COL_Strike: SetContractText(c, k, [](const ScriptDesc& s) { return FieldView(s.cStrike); }); break;
    case COL_Option_Type: SetContractText(c, k, [](const ScriptDesc& s) { return FieldView(s.cOptionType); }); break;
    case COL_Scrip_Name: SetContractText(c, k, [](const ScriptDesc& s) { return FieldView(s.cScripName); }); break;
    case COL_Order_Type: SetText(c, FieldView(r.Order_Type)); break;
    case COL_B_S: SetText(c, FieldView(r.B_S)); break;
    case COL_Pending_Qty: SetInteger(c, r.Pending_Qty); break;
    case COL_Price: SetPrice(c, r.Price, k); break;
    case COL_Total_Qty: SetInteger(c, r.Total_Qty); break;
    case COL_Pro_Client: SetText(c, FieldView(r.Pro_Client)); break;
    case COL_Client: SetText(c, FieldView(r.Client)); break;
    case COL_Client_Name:
      if (fill) FillClientName(r);
      SetText(c, FieldView(r.Client_Name));
      break;
    case COL_ParticipantID: SetText(c, FieldView(r.ParticipantID)); break;
    case COL_Misc: SetText(c, FieldView(r.Misc)); break;
    case COL_ExchOrder_No: SetText(c, FieldView(r.ExchOrder_No)); break;
    case COL_Status: SetText(c, FieldView(r.Status)); break;
    case COL_Disclose_Qty: SetInteger(c, r.Disclose_Qty); break;
    case COL_Settlor: SetText(c, FieldView(r.Settlor)); break;
    case COL_Validity: SetText(c, FieldView(r.Validity)); break;
    case COL_TillDays_Dates: SetText(c, FieldView(r.TillDays_Dates)); break;
    case COL_MF_AON: SetText(c, FieldView(r.MF_AON)); break;
    case COL_MF_Qty: SetInteger(c, r.MF_Qty); break;
    case COL_Trig_Price: SetPrice(c, r.Trig_Price, k); break;
    case COL_CP_Brok_ID: SetText(c, FieldView(r.CP_Brok_ID)); break;
    case COL_Auc_No: SetText(c, FieldView(r.Auc_No)); break;
    case COL_Last_Modified: SetText(c, TimeText(r.Last_Modified)); break;
    case COL_Traded_Qty: SetInteger(c, r.Traded_Qty); break;
    case COL_Avg_Price:
      if (fill) FillAveragePrice(r);
      SetPrice(c, r.Avg_Price, k);
      break;
    case COL_Reason: SetInteger(c, r.Reason); break;
    case COL_Remarks: SetText(c, FieldView(r.Remarks)); break;
    case COL_Part_Type: SetText(c, FieldView(r.Part_Type)); break;
    case COL_Prod_Type:
      if (fill) FillProductType(r);
      SetText(c, FieldView(r.Prod_Type));
      break;
    case COL_Server_Entry_Time: SetText(c, TimeText(r.Server_Entry_Time)); break;
    case COL_AMO_OrderID: SetText(c, FieldView(r.AMO_OrderID)); break;
    case COL_lOurToken: SetInteger(c, r.lOurToken); break;
    case COL_iOrvelCode: SetInteger(c, r.iOrvelCode); break;
    case COL_Order_Style: SetText(c, FieldView(r.Order_Style)); break;
    case COL_Strategy: SetText(c, FieldView(r.Strategy)); break;
    case COL_Total_Lot: SetLots(c, r.Total_Qty, k); break;
    case COL_Pending_Lot: SetLots(c, r.Pending_Qty, k); break;
    case COL_Traded_Lot: SetLots(c, r.Traded_Qty, k); break;
    case COL_ReqID: SetInteger(c, r.ReqID); break;
    case COL_OrderNo: SetText(c, FieldView(r.OrderNo)); break;
    case COL_COL_Order: SetText(c, FieldView(r.COL_Order)); break;
    case COL_Exch_ClientId: SetText(c, FieldView(r.Exch_ClientId)); break;
    case COL_Record_Type: SetText(c, FieldView(r.Record_Type)); break;
    case COL_Asset_Price: SetPrice(c, r.Asset_Price, k); break;
    case COL_IOM_RuleNo: SetInteger(c, r.IOM_RuleNo); break;
    case COL_Pan_Number: SetText(c, FieldView(r.Pan_Number)); break;
    case COL_Disclose_Lot: SetInteger(c, r.Disclose_Lot); break;
    case COL_Error_Discriptions: SetText(c, FieldView(r.Error_Discriptions)); break;
    case COL_Target_Price: SetPrice(c, r.Target_Price, k); break;
    case COL_SL_Price: SetPrice(c, r.SL_Price, k); break;
    case COL_BR_TrigPrice: SetPrice(c, r.BR_TrigPrice, k); break;
    case COL_TransType: SetText(c, FieldView(r.TransType)); break;
    case COL_AlgoID:
      if (HidesAlgoId(k)) {
        if (fill) r.AlgoID[0] = '\0';
        SetText(c, std::string_view());
      } else {
        SetText(c, FieldView(r.AlgoID));
      }
      break;
    case COL_Variant: SetText(c, FieldView(r.Variant)); break;
    case COL_OrderLeg: SetText(c, OrvEnumsMethods::GetOrderLegByEnum(r.eOrderLeg)); break;
    case COL_NNFID: SetInteger(c, r.NNFID); break;
    case COL_GTDOrderStatus: SetText(c, FieldView(r.GTDOrderStatus)); break;
    case COL_GTDOrderNo:
      c.kind = Cell::Kind::Unsigned;
      c.unsignedValue = r.GTDOrderNo;
      break;
    case COL_LastTradedQty: SetInteger(c, r.LastTradedQty); break;
    case COL_Order_Initiate_Time: SetText(c, TimeText(r.Order_Initiate_Time)); break;
  }
  return c;
}

// Reading without fills writes nothing, so a const record is safe to pass.
Cell ResolveAsStored(const OrderBookDetails& r, int column, const VariantDescription& variant) {
  return Resolve(const_cast<OrderBookDetails&>(r), column, variant, false);
}

std::string_view Digits(char* first, char* last, auto value) {
  const auto result = std::to_chars(first, last, value);
  return std::string_view(first, static_cast<std::size_t>(result.ptr - first));
}

// The text of a cell, formatted as CellValue::ToText formats the value GetItemValue makes.
std::string_view TextOf(const Cell& c, CellTextBuffer& buffer) {
  char* first = buffer.data;
  char* last = buffer.data + sizeof buffer.data;
  switch (c.kind) {
    case Cell::Kind::Empty:
      return {};
    case Cell::Kind::Text:
      return c.text;
    case Cell::Kind::Integer:
      return Digits(first, last, c.integer);
    case Cell::Kind::Unsigned:
      return Digits(first, last, c.unsignedValue);
    case Cell::Kind::Double: {
      const auto result = std::to_chars(first, last, c.number, std::chars_format::general, 15);
      return std::string_view(first, static_cast<std::size_t>(result.ptr - first));
    }
    case Cell::Kind::Price:
      return std::string_view(first, GlobalFunctions::DoubleToString(c.number, c.format, first, sizeof buffer.data));
  }
  return {};
}

void ToValue(const Cell& c, CellValue& out) {
  switch (c.kind) {
    case Cell::Kind::Empty:
      out.Clear();
      return;
    case Cell::Kind::Text:
      out.SetText(c.text);
      return;
    case Cell::Kind::Integer:
      out.SetInteger(c.integer);
      return;
    case Cell::Kind::Unsigned:
      // The value's integer is signed 64-bit; a GTD number beyond it keeps its digits as text.
      if (c.unsignedValue <= static_cast<unsigned long long>(std::numeric_limits<long long>::max())) {
        out.SetInteger(static_cast<long long>(c.unsignedValue));
      } else {
        char digits[24];
        out.SetText(Digits(digits, digits + sizeof digits, c.unsignedValue));
      }
      return;
    case Cell::Kind::Double:
      out.SetDouble(c.number);
      return;
    case Cell::Kind::Price:
      out.SetText(GlobalFunctions::DoubleToString(c.number, c.format));
      return;
  }
}

// A text read as a number the way CellValue::ToDouble reads one (leading blanks skipped, as far as
// it is a number, 0 otherwise).
double LeadingNumber(std::string_view text) {
  char copy[64];
  const std::size_t n = text.size() < sizeof copy - 1 ? text.size() : sizeof copy - 1;
  std::memcpy(copy, text.data(), n);
  copy[n] = '\0';
  return std::strtod(copy, nullptr);
}

double NumberOf(const Cell& c) {
  switch (c.kind) {
    case Cell::Kind::Empty: return 0.0;
    case Cell::Kind::Integer: return static_cast<double>(c.integer);
    case Cell::Kind::Unsigned: return static_cast<double>(c.unsignedValue);
    case Cell::Kind::Double:
    case Cell::Kind::Price: return c.number;
    case Cell::Kind::Text: return LeadingNumber(c.text);
  }
  return 0.0;
}

// NaN sorts before every number and equals itself, so the order stays a strict weak order.
int CompareNumbers(double a, double b) {
  const bool nanA = std::isnan(a), nanB = std::isnan(b);
  if (nanA || nanB) return static_cast<int>(nanB) - static_cast<int>(nanA);
  return a < b ? -1 : (a > b ? 1 : 0);
}

int CompareCells(const Cell& a, const Cell& b, int valueType) {
  if (IsNumericValueType(valueType)) return CompareNumbers(NumberOf(a), NumberOf(b));
  CellTextBuffer bufferA, bufferB;
  const int r = TextOf(a, bufferA).compare(TextOf(b, bufferB));  // byte-wise, like strcmp
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

}  // namespace

bool TryGetItemValue(OrderBookDetails* record, int column, const VariantDescription& variant, CellValue& out) {
  try {
    if (!record) {
      out.Clear();
      return true;
    }
    ToValue(Resolve(*record, column, variant, true), out);
    return true;
  } catch (...) {
    out.Clear();
    return false;
  }
}

void GetItemValue(OrderBookDetails* record, int column, const VariantDescription& variant, CellValue& out) {
  TryGetItemValue(record, column, variant, out);
}

void GetItemValue(OrderBookDetails* record, int column, const VariantDescription& variant, CellValue& out,
                  const OrderBookWnd* logTo) {
  if (!TryGetItemValue(record, column, variant, out) && logTo) logTo->LogException(variant.cGridClass, "GetItemValue");
}

std::string_view GetItemText(OrderBookDetails* record, int column, const VariantDescription& variant,
                             CellTextBuffer& buffer) {
  return GetItemText(record, column, variant, buffer, nullptr);
}

std::string_view GetItemText(OrderBookDetails* record, int column, const VariantDescription& variant,
                             CellTextBuffer& buffer, const OrderBookWnd* logTo) {
  if (!record) return {};
  try {
    return TextOf(Resolve(*record, column, variant, true), buffer);
  } catch (...) {
    if (logTo) logTo->LogException(variant.cGridClass, "GetItemValue");
    return {};
  }
}

int CompareItemsAsStored(const OrderBookDetails& a, const OrderBookDetails& b, int column,
                         const VariantDescription& variant) {
  return CompareCells(ResolveAsStored(a, column, variant), ResolveAsStored(b, column, variant),
                      ColumnValueType(column, variant));
}

double GetItemNumberAsStored(const OrderBookDetails& record, int column, const VariantDescription& variant) {
  return NumberOf(ResolveAsStored(record, column, variant));
}

std::string_view GetItemTextAsStored(const OrderBookDetails& record, int column, const VariantDescription& variant,
                                     CellTextBuffer& buffer) {
  return TextOf(ResolveAsStored(record, column, variant), buffer);
}

void FillFirstTimeValues(std::span<OrderBookDetails* const> records, int column, const VariantDescription& variant) {
  if (!HasFirstTimeFill(column) || !FindColumn(column, variant)) return;
  for (OrderBookDetails* r : records) {
    if (!r) continue;
    try {
      Resolve(*r, column, variant, true);
    } catch (...) {
      // The record keeps its value; the grid asks again when it shows the cell.
    }
  }
}

void InstallColumnComparers() {
  // The store sorts with the key extractors whenever it has them; the comparers stay for callers
  // that compare two records.
  InstallSortKeyExtractors();
  for (ViewVariant v : {ViewVariant::Pending, ViewVariant::GTD}) {
    const VariantDescription& d = DescriptionOf(v);
    AppOrderBook::SetColumnComparer(d.eBook, [&d](const OrderBookDetails& a, const OrderBookDetails& b, int column) {
      return CompareItemsAsStored(a, b, column, d);
    });
  }
}
