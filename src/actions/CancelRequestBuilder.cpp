#include "actions/CancelRequestBuilder.h"

#include "actions/SpreadRequestFields.h"
#include "actions/TokenMarket.h"
#include "host/AppGlobal.h"
#include "host/GlobalFunctions.h"

#include <strings.h>

#include <cstdio>

namespace {

using OE = ORVEL_ORDER_ENTRY;

bool SameDealer(std::string_view a, std::string_view b) {
  return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// The exchange still has to open the order's market: the request carries the marker so that the
// exchange does not take it for a normal-market cancel.
bool MarketNotOpen(std::int32_t exchange, std::int32_t market) {
  switch (exchange) {
    case 1: return market == 106 && AppGlobal::g_iNSEOFSNormalMarketStatus == 0;
    case 2:
      return (market == 201 && AppGlobal::iBSE_Status == 0) ||
             (market == 206 && AppGlobal::g_iBSEOFSNormalMarketStatus == 0);
    case 8: return true;
    case 13: return AppGlobal::iBSE_CD_Status == 0;
    case 14: return AppGlobal::iBINX_Status == 0;
    case 16: return AppGlobal::iNINX_Status == 0;
    case 20: return AppGlobal::iBSE_COM_Status == 0;
    default: return false;
  }
}

// Markets whose cancel says so in its flags when the order has no price (a market order).
bool MarksZeroPrice(std::int32_t exchange, std::int32_t market) {
  switch (exchange) {
    case 1: return market == 106;
    case 2:
    case 8:
    case 13:
    case 14:
    case 16:
    case 20: return true;
    default: return false;
  }
}

char BookTypeLetter(std::int32_t exchange, std::int16_t userType) {
  if (exchange == 3 && userType == 1) return 'A';
  if (exchange == 3 && userType == 3) return 'M';
  return 'B';
}

}  // namespace

CancelRequester CancelRequester::FromLogin() {
  CancelRequester requester;
  if (const ORVEL5901* login = AppGlobal::g_pObjLoginResponse) {
    requester.nUserType = login->userType();
    requester.cDealerId = std::string(login->userId());
  }
  return requester;
}

namespace CancelRequestBuilder {

ORVEL_ORDER_ENTRY BuildCancelRequest(const ORVEL_ORDER_ENTRY& order, const CancelRequester& requester,
                                     bool unconfirmedEntry) {
  ORVEL_ORDER_ENTRY r = order;
  const std::int32_t exchange = ExchangeOf(r.token());
  const std::int32_t market = MarketCodeOf(r.token());

  r.setTransactionCode(unconfirmedEntry ? kUnconfirmedCancelCode : kCancelCode);
  r.set<std::int32_t>(OE::kField2, 0);
  r.set<std::uint8_t>(OE::kField6, 0);
  if (requester.IsDealer() && r.dealerId().empty()) r.setDealerId(requester.cDealerId);
  r.set<std::int16_t>(OE::kField34, 0);
  r.set<char>(OE::kBookType, BookTypeLetter(exchange, requester.nUserType));

  if (exchange == 0 || exchange == 3 || exchange == 7 || exchange == 12)
    r.set<std::int32_t>(OE::kQuantity102, r.get<std::int32_t>(OE::kQuantity98));

  std::uint16_t flags = r.flags();
  const bool zeroPriceFlag = (flags & kFlagZeroPrice) != 0;
  if (exchange == 3 && zeroPriceFlag && !(r.price() > 0.0)) r.setPrice(0.0);
  if ((exchange == 0 || exchange == 7 || exchange == 12) && zeroPriceFlag) r.setPrice(0.0);

  flags |= kFlagAlways;
  if (exchange == 1) flags &= static_cast<std::uint16_t>(~kFlagMarketNotOpen);
  if (MarketNotOpen(exchange, market)) flags |= kFlagMarketNotOpen;
  if (MarksZeroPrice(exchange, market) && r.price() == 0.0) flags |= kFlagZeroPrice;
  r.setFlags(flags);

  if (market == 702 || (market == 102 && r.get<std::int16_t>(OE::kField234) == 2))
    r.zero(OE::kField220, OE::kField220Width);
  if (exchange == 4) r.set<char>(OE::kField238, 'O');
  if (requester.IsDealer()) r.set<std::int16_t>(OE::kField742, 0);
  r.set<std::int32_t>(OE::kNumericClientId, GlobalFunctions::GetNumericClientID(requester.cDealerId));
  return r;
}

std::string AuditHeader(const ORVEL_ORDER_ENTRY& request, const CancelRequester& requester) {
  if (!requester.IsDealer()) return {};
  if (SameDealer(request.dealerId(), requester.cDealerId)) return {};
  if (request.get<std::int16_t>(OE::kField234) != 1) return {};
  std::string header = GlobalFunctions::GetExchangeName(ExchangeOf(request.token()));
  header += ",Order Cancel,Dealer ";
  header += request.dealerId();
  header += " order's cancelled by Dealer ";
  header += requester.cDealerId;
  header += ' ';
  return header;
}

SpreadCancel BuildSpreadCancelRequest(const ORVEL_SPREAD_OE_REQUEST& record, const CancelRequester& requester) {
  namespace F = SpreadRequestFields;
  SpreadCancel out{record, false};
  ORVEL_SPREAD_OE_REQUEST& r = out.request;
  r.setTransactionCode(kSpreadCancelCode);
  r.set<std::uint16_t>(F::kFlags, static_cast<std::uint16_t>(F::Flags(r) | kFlagAlways));
  r.set<char>(F::kBookTypeLetter, 'B');
  r.set<char>(F::kLeg1OpenClose, 'O');
  r.set<char>(F::kLeg2OpenClose, 'O');
  // A spread record without a dealer is the sender's own order.
  const std::string_view recordDealer = record.dealerId();
  if (requester.IsDealer() && !recordDealer.empty() && !SameDealer(recordDealer, requester.cDealerId)) {
    out.bOnOtherDealersBehalf = true;
  } else {
    r.setDealerId(requester.cDealerId);
  }
  return out;
}

std::string SpreadCancelRefusal(const ORVEL_SPREAD_OE_REQUEST& record, double orderNumber) {
  constexpr std::int16_t kNegotiatedTrade = 4;
  const std::int16_t bookType = SpreadRequestFields::BookType(record);
  if (bookType == kNegotiatedTrade) {
    char text[400];
    std::snprintf(text, sizeof text, "Can not CANCEL NT order, Order Number:%.0f", orderNumber);
    return text;
  }
  const bool anyBook = bookType >= 1 && bookType <= 4;
  switch (MarketOfToken(record.token())) {
    case TokenMarket::NseEquity:
      if (anyBook && AppGlobal::g_iEQNormalMarketStatus != 1)
        return "Cant not CANCEL Order : NSE EQ Normal Market not Open";
      break;
    case TokenMarket::NseDerivative:
      if (bookType == 1 && AppGlobal::g_iFONormalMarketStatus != 1)
        return "Cant not CANCEL Order : NSE FO Normal Market not Open";
      break;
    case TokenMarket::NseOfs:
      if (anyBook && AppGlobal::g_iEQNormalMarketStatus != 1)
        return "Cant not CANCEL Order : OFS EQ Normal Market not Open";
      break;
    default: break;
  }
  return {};
}

}  // namespace CancelRequestBuilder
