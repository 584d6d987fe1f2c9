#include "actions/CancelAuditLog.h"

#include "actions/CancelRequestBuilder.h"
#include "actions/SpreadRequestFields.h"
#include "host/ContractMaster.h"
#include "host/GlobalFunctions.h"
#include "host/records/RecordText.h"

#include <cstdarg>
#include <cstdio>

namespace {

using OE = ORVEL_ORDER_ENTRY;

// printf into a string of the right size; the patterns are this file's constants.
__attribute__((format(printf, 1, 2))) std::string Printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int needed = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string out;
  if (needed > 0) {
    out.resize(static_cast<std::size_t>(needed) + 1);
    std::vsnprintf(out.data(), out.size(), format, again);
    out.resize(static_cast<std::size_t>(needed));
  }
  va_end(again);
  return out;
}

const char* SideWord(std::int16_t buySell) { return buySell == 1 ? "BUY" : "SELL"; }

// Markets whose exchange order numbers are texts rather than numbers.
bool KeepsOrderIdText(std::int32_t market) {
  return market == 201 || market == 202 || market == 1302 || market == 2003;
}

void AppendBracketed(std::string& out, std::initializer_list<std::string_view> fields) {
  out += '[';
  bool first = true;
  for (std::string_view f : fields) {
    if (!first) out += ' ';
    out += f;
    first = false;
  }
  out += ']';
}

}  // namespace

namespace CancelAuditLog {

std::string ContractText(const CScriptDesc* master, std::int32_t token) {
  ScriptDesc d;
  if (!master || !master->Lookup(token, d)) return {};
  const std::string_view kind = FieldView(d.Mkt_Seg);
  std::string out;
  if (kind == "F") {
    AppendBracketed(out, {FieldView(d.Symbol_ScriptID), FieldView(d.Inst_Name), FieldView(d.cExpiry)});
  } else if (kind == "O") {
    AppendBracketed(out, {FieldView(d.Symbol_ScriptID), FieldView(d.Inst_Name), FieldView(d.cExpiry),
                          FieldView(d.cStrike), FieldView(d.cOptionType)});
  } else {
    AppendBracketed(out, {FieldView(d.Symbol_ScriptID), FieldView(d.Inst_Name)});
  }
  return out;
}

std::string OrderLine(std::string_view header, const ORVEL_ORDER_ENTRY& request, const CScriptDesc* master) {
  std::string line(header);
  line += "For Client ";
  line += request.text(OE::kField220, OE::kField220Width);
  line += request.buySell() == 1 ? " BUY" : " SELL";
  line += ContractText(master, request.token());
  line += Printf("Qty=%ld Price=%f,ExchOrdNo=", static_cast<long>(request.quantity()), request.price());
  if (KeepsOrderIdText(CancelRequestBuilder::MarketCodeOf(request.token())))
    line += request.exchangeOrderId();
  else
    line += Printf("%.0f", request.exchangeOrderNo());
  line += Printf(",OurOrdNo=%u", static_cast<unsigned>(request.ourOrderNo()));
  return line;
}

std::string SpreadLine(const ORVEL_SPREAD_OE_REQUEST& request, std::string_view loggedInDealer,
                       const CScriptDesc* master) {
  namespace F = SpreadRequestFields;
  std::string line = GlobalFunctions::GetExchangeName(CancelRequestBuilder::ExchangeOf(request.token()));
  line += ",Order Cancel,Dealer ";
  line += request.dealerId();
  line += " order's cancelled by Dealer ";
  line += loggedInDealer;
  line += " For Client ";
  line += F::ClientId(request);
  line += ' ';
  line += SideWord(request.buySell());
  line += ContractText(master, request.token());
  line += ContractText(master, F::Leg2Token(request));
  line += SideWord(F::Leg2BuySell(request));
  line += Printf("Qty=%ld Price=%f,ExchOrdNo=%.0f,OurOrdNo=%u", static_cast<long>(F::Quantity(request)),
                 request.price(), F::ExchangeOrderNo(request), static_cast<unsigned>(F::OurOrderNo(request)));
  return line;
}

}  // namespace CancelAuditLog
