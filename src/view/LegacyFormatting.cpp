#include "view/LegacyFormatting.h"

#include "host/records/RecordText.h"

#include "host/AppGlobal.h"
#include "host/ContractMaster.h"
#include "host/GlobalFunctions.h"
#include "host/recordcache/QueryScope.h"
#include "host/recordcache/RecordCacheTables.h"
#include "view/ColumnCatalogue.h"
#include "view/ExceptionLog.h"
#include "view/OrderBookWnd.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace {

void SetCell(CBCGPGridRow& row, int column, std::string_view text) {
  if (CBCGPGridItem* item = row.GetItem(column)) item->SetValue(text);
}

void SetCell(CBCGPGridRow& row, int column, long value) {
  if (CBCGPGridItem* item = row.GetItem(column)) item->SetValue(value);
}

long Lots(long quantity, const ScriptDesc* contract) {
  return contract && contract->lLotSize > 0 ? quantity / contract->lLotSize : quantity;
}

// Exchange index (token / 100,000,000) -> the exchange text of a row; null leaves the cell alone.
const char* ExchangeText(long index) {
  switch (index) {
    case 0: return "KZTQ";
    case 1: return "NSE";
    case 2: return "BSE";
    case 3: return "MCX";
    case 4: return "NCDEX";
    case 5: return "NSECUR";
    case 6: return "DGCX";
    case 7: return "MSEI CD";
    case 8: return "USE";
    case 12: return "MSEI";
    case 13: return "BSECUR";
    case 14: return "BINX";
    case 16: return "NINX";
    case 19: return "NSECOM";
    case 20: return "BSECOM";
    default: return nullptr;
  }
}

constexpr long kGenericExchangeIndex = 11;  // the contract names its own exchange
constexpr long kCashSegment = 1;

}  // namespace

void LegacyFormatting::Log(const std::string& text) const { m_wnd.WriteLog(kExceptionLogSource, text); }

void LegacyFormatting::ConvertTimeAsPerSettings(CBCGPGridRow* row, long, long time, ConvertTimeFn convertTime) const {
  try {
    CBCGPGridItem* item = row ? row->GetItem(COL_Server_Entry_Time) : nullptr;
    if (!item || !convertTime) throw std::runtime_error("no cell or no ConvertTime");
    char date[32] = {};
    int hour = -1, minute = -1, second = -1;
    if (!convertTime(time, date, static_cast<int>(sizeof date), &hour, &minute, &second))
      throw std::runtime_error("ConvertTime failed");
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 60)
      throw std::runtime_error("ConvertTime gave no clock time");
    char text[32];
    if (AppGlobal::bGeneralSettings_24HrTimeFormat)
      std::snprintf(text, sizeof text, "%02d:%02d:%02d Hrs", hour, minute, second);
    else if (hour < 12)
      std::snprintf(text, sizeof text, "%02d:%02d:%02d AM", hour, minute, second);
    else
      std::snprintf(text, sizeof text, "%02d:%02d:%02d PM", hour == 12 ? 12 : hour - 12, minute, second);
    item->SetValue(std::string_view(text));
  } catch (...) {
    Log("Exception in ConvertTimeAsPerSettings - PendingOrders");
  }
}

std::string_view LegacyFormatting::GetOrderType(int type) {
  switch (type) {
    case 1: return "RL";
    case 2: return "ST";
    case 3: return "SL";
    case 4: return "NT";
    case 5: return "OL";
    case 6: return "SO";
    case 7: return "AU";
    case 8: return "BD";
    case 11: return "CA";
    case 12: return "CB";
    default: return {};
  }
}

std::string_view LegacyFormatting::GetNSESLBMOrderType(int type, double price) {
  if (type == 1) return price > 0 ? "LIMIT" : "MARKET";
  if (type == 3) return price > 0 ? "SL" : "SL-M";
  return {};
}

void LegacyFormatting::DisplayQtyInLots(CBCGPGridRow* row, long token, long totalQty, long pendingQty,
                                        long tradedQty) const {
  if (!row) {
    Log("PendingOrder Grid Pointer is null");
    return;
  }
  try {
    const ScriptDesc* contract =
        AppGlobal::g_pScriptDesc ? AppGlobal::g_pScriptDesc->Find(static_cast<std::int32_t>(token)) : nullptr;
    SetCell(*row, COL_Total_Lot, Lots(totalQty, contract));
    SetCell(*row, COL_Pending_Lot, Lots(pendingQty, contract));
    SetCell(*row, COL_Traded_Lot, Lots(tradedQty, contract));
  } catch (...) {
    Log("DisplayQtyInLots Token No =ld");
  }
}

std::string LegacyFormatting::GetTradedQty(double orderNumber, long token, char* avgOut, std::size_t avgSize) const {
  try {
    CInMemTradeInfo* trades = CInMemTradeInfo::getClass();
    if (!trades) return {};
    long long quantity = 0;
    double value = 0.0;
    {
      QueryScope scope(*trades);
      const long rows = trades->ExecuteQuery(SqlText::Format(
          "Select lFillQuantity,dFillPrice From TradeInfo Where dResponseOrderNumber=%.2f and lOurToken=%d",
          orderNumber, token));
      if (rows < 0) return {};
      for (long r = 0; r < rows; ++r) {
        const std::int64_t filled = trades->GetInt64(r, 0);
        quantity += filled;
        value += static_cast<double>(filled) * trades->GetDouble(r, 1);
      }
    }
    if (avgOut && avgSize > 0 && quantity > 0) {
      char format[16];
      GlobalFunctions::GetPrecisionInfo(static_cast<std::int32_t>(token), format, sizeof format);
      GlobalFunctions::DoubleToString(value / static_cast<double>(quantity), format, avgOut, avgSize);
    }
    return std::to_string(quantity);
  } catch (...) {
    Log("Exception in GetTradedQty - PendingOrders");
    return {};
  }
}

bool LegacyFormatting::getBracketOrderInfo(long iomRuleNo, long ourOrderNo, double& slPrice, double& targetPrice,
                                           double& slTriggerPrice) const {
  try {
    CInMemOrderInfo* orders = CInMemOrderInfo::getClass();
    if (!orders) return false;
    QueryScope scope(*orders);
    // The dealer id is data: SqlText escapes it inside its quotes.
    const std::string sql = SqlText::Format(
        "Select dSLPrice,dTargetPrice,dSLTPrice From OrderInfo Where (iOrvelCode = %d or iOrvelCode = %d) and "
        "lIOMRuleNo = %ld and lOurOrderNo = %ld and (iStrategyNo = %ld or iStrategyNo = %ld or iStrategyNo = %ld) "
        "and cOrvelClientId = '%s'",
        kBracketOrderCodes[0], kBracketOrderCodes[1], iomRuleNo, ourOrderNo, kBracketStrategyNos[0],
        kBracketStrategyNos[1], kBracketStrategyNos[2], m_wnd.LoggedInUserId());
    if (orders->ExecuteQuery(sql) <= 0) return false;
    slPrice = orders->GetDouble(0, 0);
    targetPrice = orders->GetDouble(0, 1);
    slTriggerPrice = orders->GetDouble(0, 2);
    return true;
  } catch (...) {
    Log("Exception in getBracketOrderInfo - PendingOrders");
    return false;
  }
}

bool LegacyFormatting::FindOrderTypeInfo(long key, short& type) const {
  const auto it = m_orderTypeInfo.find(key);
  if (it == m_orderTypeInfo.end()) return false;
  type = it->second;
  return true;
}

void LegacyFormatting::StringTrim(char* text, char ch) {
  if (!text || ch == '\0') return;
  char* out = text;
  for (const char* in = text; *in != '\0'; ++in)
    if (*in != ch) *out++ = *in;
  *out = '\0';
}

void LegacyFormatting::SetContractInfoFromlOurToken(CBCGPGridRow* row, long token) const {
  if (!row || !AppGlobal::g_pScriptDesc) return;
  try {
    ScriptDesc contract;
    if (!AppGlobal::g_pScriptDesc->Lookup(static_cast<std::int32_t>(token), contract)) return;
    WriteContractCells(*row, token, contract, {});
  } catch (...) {
    Log("Exception in SetContractInfoFromlOurToken - PendingOrders");
  }
}

void LegacyFormatting::WriteContractCells(CBCGPGridRow& row, long token, const ScriptDesc& contract,
                                          std::string_view exchange) {
  SetCell(row, COL_Symbol_ScriptID, FieldView(contract.Symbol_ScriptID));
  SetCell(row, COL_Code, FieldView(contract.Code));
  const long exchangeIndex = token / 100000000;
  if (!exchange.empty())
    SetCell(row, COL_ExchCode, exchange);
  else if (exchangeIndex == kGenericExchangeIndex)
    SetCell(row, COL_ExchCode, FieldView(contract.cExchangeName));
  else if (const char* text = ExchangeText(exchangeIndex))
    SetCell(row, COL_ExchCode, text);
  const long segment = token / 1000000 % 100;
  SetCell(row, COL_Inst_Name, FieldView(contract.Inst_Name));
  if (segment == kCashSegment) {
    SetCell(row, COL_Ser_Exp_Group, FieldView(contract.cSeries));
    SetCell(row, COL_Mkt_Seg, "E");
    return;
  }
  const std::string_view marketSegment = FieldView(contract.Mkt_Seg);
  const bool derivative = marketSegment == "F" || marketSegment == "O";
  SetCell(row, COL_Ser_Exp_Group, derivative ? FieldView(contract.cExpiry) : FieldView(contract.cSeries));
  SetCell(row, COL_Mkt_Seg, marketSegment);
  SetCell(row, COL_Strike, FieldView(contract.cStrike));
  SetCell(row, COL_Option_Type, FieldView(contract.cOptionType));
}
