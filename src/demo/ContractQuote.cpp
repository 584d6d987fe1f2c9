#include "demo/ContractQuote.h"

#include "demo/DemoText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace orv::demo {

namespace {

TickSize TickOfPrecision(int precision) {
  if (precision <= 0) return {1, 1};
  if (precision == 2) return {5, 100};
  std::int64_t den = 1;
  for (int i = 0; i < std::min(precision, 6); ++i) den *= 10;
  return {1, den};
}

std::int64_t ToTicks(double price, const TickSize& tick) {
  return std::llround(price * static_cast<double>(tick.den) / static_cast<double>(tick.num));
}

}  // namespace

ContractQuote ContractQuote::Of(ScriptDesc& contract, const DemoDate& tradingDay) {
  ContractQuote q;
  q.contract = &contract;
  q.token = contract.lToken;
  q.exchangeCode = contract.lToken / 100000000;
  q.market = DemoCatalogue::MarketOfToken(contract.lToken);
  q.lotSize = contract.lLotSize > 0 ? contract.lLotSize : 1;
  const std::string_view segment = FieldView(contract.Mkt_Seg);
  q.equity = segment == "E";

  const std::string_view symbol = FieldView(contract.Symbol_ScriptID);
  const Underlying* u = DemoCatalogue::Find(q.exchangeCode, symbol);
  q.tick = u ? u->tick : TickOfPrecision(contract.iPrecision);
  // A contract the catalogue does not know still gets a stable price between 100 and 1000.
  const double spot = u ? u->price : 100.0 + static_cast<double>(static_cast<std::uint32_t>(contract.lToken) % 900u);
  const std::int64_t s = std::max<std::int64_t>(1, ToTicks(spot, q.tick));

  DemoDate expiry;
  const std::string_view expiryText = FieldView(contract.cExpiry);
  const int months = DemoCalendar::ParseExpiry(expiryText, expiry)
                         ? std::clamp(DemoCalendar::MonthsBetween(tradingDay, expiry), 0, 24) + 1
                         : 1;
  if (segment == "F") {
    q.underlyingTicks = s;
    q.referenceTicks = s + s * months / 200;  // half a percent of carry per month
  } else if (segment == "O") {
    q.underlyingTicks = s;
    double strike = 0;
    const std::string_view strikeText = FieldView(contract.cStrike);
    std::from_chars(strikeText.data(), strikeText.data() + strikeText.size(), strike);
    const std::int64_t k = std::max<std::int64_t>(0, ToTicks(strike, q.tick));
    const bool put = FieldView(contract.cOptionType) == "PE";
    const std::int64_t intrinsic = std::max<std::int64_t>(0, put ? k - s : s - k);
    const std::int64_t distance = s > k ? s - k : k - s;
    const std::int64_t timeValue = (s * (months + 1) / 120) * s / (s + 8 * distance);
    q.referenceTicks = intrinsic + timeValue;
  } else {
    q.referenceTicks = s;
  }
  q.referenceTicks = std::max<std::int64_t>(2, q.referenceTicks);
  return q;
}

}  // namespace orv::demo
