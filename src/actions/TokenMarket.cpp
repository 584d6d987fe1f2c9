#include "actions/TokenMarket.h"

#include "host/AppGlobal.h"

#include <strings.h>

#include <string>

namespace {

constexpr int kShut = 2;
constexpr int kPreOpenClosed = 3;

struct MarketFacts {
  const int* status;
  bool shutInPreOpenClose;    // status 3 also shuts it
  std::string_view name;      // in the warning
};

const MarketFacts& FactsOf(TokenMarket market) {
  static const MarketFacts facts[kTokenMarketCount] = {
      {&AppGlobal::g_iEQNormalMarketStatus, true, " NSE Equity"},
      {&AppGlobal::g_iFONormalMarketStatus, true, " NSE Derivative"},
      {&AppGlobal::g_iSLBMNormalMarketStatus, false, " NSE SLBM"},
      {&AppGlobal::g_iNSEOFSNormalMarketStatus, true, ""},
      {&AppGlobal::iBSE_Status, false, " BSE"},
      {&AppGlobal::iBSEFO_Status, false, " BSE Derivative"},
      {&AppGlobal::g_iBSEOFSNormalMarketStatus, true, ""},
      {&AppGlobal::iMCX_Status, false, " MCX"},
      {&AppGlobal::iNCDEX_Status, false, " NCDEX"},
      {&AppGlobal::iNCurrency_Status, false, " NSE Currency"},
      {&AppGlobal::iMCXSX_Status, false, ""},
      {&AppGlobal::g_iUSE_Status, false, ""},
      {&AppGlobal::iDGCX_Status, false, "DGCX"},
      {&AppGlobal::iCME_Status, false, "CME"},
      {&AppGlobal::iMCXSXEQ_Status, false, "MSEI EQ"},
      {&AppGlobal::iMCXSXFO_Status, false, "MSEI FO"},
      {&AppGlobal::iBSE_CD_Status, false, "BSE Currency"},
      {&AppGlobal::iBINX_Status, false, "BINX All"},
      {&AppGlobal::iNINX_Status, false, "NINX All"},
      {&AppGlobal::iNSE_COM_Status, false, " NSE Commodity"},
      {&AppGlobal::iBSE_COM_Status, false, "BSE Commodity"},
      {&AppGlobal::iTTFix_Status, false, "TTFIX"},
  };
  return facts[static_cast<int>(market)];
}

bool IsCallAuction(std::string_view orderType) {
  return orderType.size() == 2 && ::strncasecmp(orderType.data(), "CB", 2) == 0;
}

}  // namespace

TokenMarket MarketOfToken(std::int32_t token) {
  const std::int32_t exchange = token / 100000000;
  const std::int32_t segment = token / 1000000 % 100;
  switch (exchange) {
    case 1:
      switch (segment % 10) {
        case 1: return TokenMarket::NseEquity;
        case 2: return TokenMarket::NseDerivative;
        case 5: return TokenMarket::NseSlbm;
        case 6: return TokenMarket::NseOfs;
        default: return TokenMarket::None;
      }
    case 2:
      switch (segment) {
        case 1: return TokenMarket::Bse;
        case 2: return TokenMarket::BseDerivative;
        case 6: return TokenMarket::BseOfs;
        default: return TokenMarket::None;
      }
    case 3: return TokenMarket::Mcx;
    case 4: return TokenMarket::Ncdex;
    case 5: return TokenMarket::NseCurrency;
    case 6: return TokenMarket::Dgcx;
    case 7: return TokenMarket::MseiCurrency;
    case 8: return TokenMarket::Use;
    case 11: return TokenMarket::Cme;
    case 12: {
      // The segment is the token text's fourth digit.
      const std::string text = std::to_string(token);
      if (text.size() < 4) return TokenMarket::None;
      if (text[3] == '1') return TokenMarket::MseiEquity;
      if (text[3] == '2') return TokenMarket::MseiDerivative;
      return TokenMarket::None;
    }
    case 13: return TokenMarket::BseCurrency;
    case 14: return TokenMarket::Binx;
    case 16: return TokenMarket::Ninx;
    case 19: return TokenMarket::NseCommodity;
    case 20: return TokenMarket::BseCommodity;
    case 21: return TokenMarket::Ttfix;
    default: return TokenMarket::None;
  }
}

bool IsMarketShut(TokenMarket market, std::string_view orderType) {
  if (market == TokenMarket::None) return false;
  const MarketFacts& facts = FactsOf(market);
  const int status = *facts.status;
  if (status == kShut) return true;
  if (status != kPreOpenClosed || !facts.shutInPreOpenClose) return false;
  return market != TokenMarket::NseEquity || !IsCallAuction(orderType);
}

std::string_view MarketStatusWord(TokenMarket market, std::string_view orderType) {
  if (!IsMarketShut(market, orderType)) return {};
  const int status = *FactsOf(market).status;
  switch (market) {
    case TokenMarket::NseEquity: return status == kPreOpenClosed ? "Pre Open Closed" : "Closed";
    case TokenMarket::NseDerivative:
    case TokenMarket::NseOfs:
    case TokenMarket::BseOfs: return status == kPreOpenClosed ? "Pre Open Closed" : "";
    default: return {};
  }
}

std::string_view MarketWarningName(TokenMarket market) {
  return market == TokenMarket::None ? std::string_view() : FactsOf(market).name;
}
