#pragma once
// Which market an order's token belongs to, and what the cancel and modify checks know of each
// market: its status global, when it counts as shut, the word it lends the warning and the name the
// warning gives it. A token encodes its market: exchange = token / 100,000,000, segment =
// token / 1,000,000 mod 100.
#include <cstdint>
#include <string_view>

enum class TokenMarket {
  NseEquity, NseDerivative, NseSlbm, NseOfs, Bse, BseDerivative, BseOfs, Mcx, Ncdex, NseCurrency,
  MseiCurrency, Use, Dgcx, Cme, MseiEquity, MseiDerivative, BseCurrency, Binx, Ninx, NseCommodity,
  BseCommodity, Ttfix,
  None,  // an exchange or segment these checks do not know
};
inline constexpr int kTokenMarketCount = static_cast<int>(TokenMarket::None);

TokenMarket MarketOfToken(std::int32_t token);

// Whether the market is shut now, from its status global; `orderType` is the current row's
// Order_Type text (a "CB" order keeps NSE Equity open in its pre-open close, status 3).
bool IsMarketShut(TokenMarket market, std::string_view orderType);
// The word a shut market lends the warning ("Closed", "Pre Open Closed"), or empty.
std::string_view MarketStatusWord(TokenMarket market, std::string_view orderType);
// The market's name in the warning, leading blank included where it has one; empty for the
// markets the warning does not name.
std::string_view MarketWarningName(TokenMarket market);
