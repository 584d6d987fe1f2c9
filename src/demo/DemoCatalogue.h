#pragma once
// What the demo markets list: exchanges with their token ranges and trading hours, and the
// underlyings (stocks, indices, commodities, currencies) with their reference prices, ticks, lot
// sizes, multipliers and price formats. The contract master generator builds contracts from it
// and the order book generator prices orders from it.
#include "demo/DemoCalendar.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace orv::demo {

enum class DemoMarket : std::uint8_t {
  NseEquity,
  NseDerivative,
  BseEquity,
  BseOfs,
  BseDerivative,
  Mcx,
  Ncdex,
  NseCurrency,
  Cme,
  MseiEquity,
  MseiDerivative,
};

// A price step as a fraction, so that prices are made as ticks x num / den: one correctly
// rounded division that prints the same everywhere.
struct TickSize {
  std::int64_t num = 5;
  std::int64_t den = 100;
  double Value() const { return static_cast<double>(num) / static_cast<double>(den); }
};

struct MarketInfo {
  DemoMarket market;
  int exchangeCode;               // token / 100,000,000
  int segment;                    // token / 1,000,000 % 100; also ScriptDesc::nSegment
  std::string_view exchangeName;  // ScriptDesc::cExchangeName
  int weight;                     // share of a generated master, in percent
  std::int32_t firstSerial;       // first token serial of the market
  int sessionOpen;                // seconds after midnight
  int sessionClose;
  std::string_view memberId;  // the demo broker's member code on the exchange

  std::int32_t TokenBase() const { return exchangeCode * 100000000 + segment * 1000000; }
};

struct Underlying {
  std::string_view symbol;
  std::string_view name;
  double price;  // reference price of the underlying
  TickSize tick;
  std::int32_t lotSize;          // derivatives lot; 0 when it has no derivatives
  double strikeStep;             // 0 when it has no options
  double multiplier;             // ScriptDesc::dMultiplier of its contracts
  std::string_view priceFormat;  // ScriptDesc::cPriceFormat
  int precision;                 // decimals of priceFormat
  std::string_view futureInstrument;
  std::string_view optionInstrument;
  std::int32_t code;  // exchange scrip code (BSE), 0 when the token serves
  int expiryDay;      // day of month of its monthly expiry, 0: the exchange's rule
};

class DemoCatalogue final {
 public:
  static constexpr std::size_t kMarketCount = 11;

  static std::span<const MarketInfo> Markets();
  static const MarketInfo& Market(DemoMarket market);
  // The market a token belongs to; null when no demo market has its exchange and segment.
  static const MarketInfo* MarketOfToken(std::int32_t token);

  // Equities of the cash markets; the indices, commodities, currencies and stocks whose
  // derivatives the derivative markets list.
  static std::span<const Underlying> Stocks();
  static std::span<const Underlying> NseIndices();
  static std::span<const Underlying> BseIndices();
  static std::span<const Underlying> BseOfsIssues();
  static std::span<const Underlying> McxCommodities();
  static std::span<const Underlying> NcdexCommodities();
  static std::span<const Underlying> Currencies();
  static std::span<const Underlying> CmeProducts();
  static std::span<const Underlying> MseiIndices();
  static constexpr std::size_t kMseiStockCount = 8;  // MSEI lists the first stocks only

  // The underlying of a symbol on an exchange (token / 100,000,000); null when unknown.
  static const Underlying* Find(int exchangeCode, std::string_view symbol);

  // The day the demo master is made for and the default trading day of demo books (a Tuesday).
  static constexpr DemoDate kTradingDay{2026, 12, 15};
};

}  // namespace orv::demo
