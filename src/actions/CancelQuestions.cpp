#include "actions/CancelQuestions.h"

#include "host/GlobalFunctions.h"

#include <cstdio>

namespace CancelQuestions {

std::string SingleOrderQuestion(const OrderBookDetails& record) {
  std::string text = "Sure You Want to Cancel ";
  if (const ScriptDesc* contract = record.pContract) {
    char qty[24];
    std::snprintf(qty, sizeof qty, "%ld", static_cast<long>(record.Pending_Qty));
    text += FieldView(contract->Symbol_ScriptID);
    text += " --> MktType- ";
    text += FieldView(contract->Mkt_Seg);
    text += ", Qty- ";
    text += qty;
    text += ", Price- ";
    text += GlobalFunctions::DoubleToString(record.Price, contract->cPriceFormat);
    text += " ?";
  }
  return text;
}

}  // namespace CancelQuestions
