#include "demo/DemoCatalogue.h"

#include <array>

namespace orv::demo {

namespace {

constexpr TickSize kPaise5{5, 100};
constexpr TickSize kPaise1{1, 100};
constexpr TickSize kRupee1{1, 1};

constexpr int kIndianOpen = 9 * 3600 + 15 * 60;
constexpr int kIndianClose = 15 * 3600 + 30 * 60;

constexpr std::array<MarketInfo, DemoCatalogue::kMarketCount> kMarkets{{
    {DemoMarket::NseEquity, 1, 1, "NSE", 14, 1001, kIndianOpen, kIndianClose, "90210"},
    {DemoMarket::NseDerivative, 1, 2, "NSE", 34, 35001, kIndianOpen, kIndianClose, "90210"},
    {DemoMarket::BseEquity, 2, 1, "BSE", 8, 0, kIndianOpen, kIndianClose, "3124"},
    {DemoMarket::BseOfs, 2, 6, "BSE", 2, 0, kIndianOpen, kIndianClose, "3124"},
    {DemoMarket::BseDerivative, 2, 2, "BSE", 8, 800001, kIndianOpen, kIndianClose, "3124"},
    {DemoMarket::Mcx, 3, 3, "MCX", 8, 220001, 9 * 3600, 23 * 3600 + 30 * 60, "56789"},
    {DemoMarket::Ncdex, 4, 2, "NCDEX", 4, 40001, 9 * 3600, 20 * 3600, "00123"},
    {DemoMarket::NseCurrency, 5, 2, "NSECUR", 8, 1001, 9 * 3600, 17 * 3600, "90210"},
    {DemoMarket::Cme, 11, 2, "CME", 6, 100001, 6 * 3600 + 30 * 60, 23 * 3600 + 50 * 60, "CM0417"},
    {DemoMarket::MseiEquity, 12, 1, "MSEI", 3, 10001, kIndianOpen, kIndianClose, "10456"},
    {DemoMarket::MseiDerivative, 12, 2, "MSEI", 5, 50001, kIndianOpen, kIndianClose, "10456"},
}};

// symbol, name, price, tick, lot, strike step, multiplier, format, precision, future, option,
// code, expiry day
constexpr std::array<Underlying, 23> kStocks{{
    {"RELIANCE", "RELIANCE INDUSTRIES LTD", 1545.00, kPaise5, 500, 20, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 500325, 0},
    {"TCS", "TATA CONSULTANCY SERV LT", 3980.00, kPaise5, 175, 50, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 532540, 0},
    {"INFY", "INFOSYS LIMITED", 1890.00, kPaise5, 400, 20, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 500209, 0},
    {"HDFCBANK", "HDFC BANK LTD", 1725.00, kPaise5, 550, 20, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 500180, 0},
    {"ICICIBANK", "ICICI BANK LTD.", 1310.00, kPaise5, 700, 10, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 532174, 0},
    {"SBIN", "STATE BANK OF INDIA", 845.00, kPaise5, 750, 10, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 500112, 0},
    {"ITC", "ITC LTD", 465.00, kPaise5, 1600, 5, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 500875, 0},
    {"LT", "LARSEN & TOUBRO LTD.", 3620.00, kPaise5, 150, 50, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 500510, 0},
    {"AXISBANK", "AXIS BANK LIMITED", 1160.00, kPaise5, 625, 10, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 532215, 0},
    {"KOTAKBANK", "KOTAK MAHINDRA BANK LTD", 1780.00, kPaise5, 400, 20, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 500247, 0},
    {"BHARTIARTL", "BHARTI AIRTEL LIMITED", 1620.00, kPaise5, 475, 20, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 532454, 0},
    {"HINDUNILVR", "HINDUSTAN UNILEVER LTD.", 2540.00, kPaise5, 300, 20, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 500696, 0},
    {"TATAMOTORS", "TATA MOTORS LIMITED", 980.00, kPaise5, 550, 10, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 500570, 0},
    {"WIPRO", "WIPRO LTD", 295.50, kPaise5, 3000, 5, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 507685, 0},
    {"MARUTI", "MARUTI SUZUKI INDIA LTD.", 12450.00, kPaise5, 50, 100, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 532500, 0},
    {"SUNPHARMA", "SUN PHARMACEUTICAL IND L", 1810.00, kPaise5, 350, 20, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 524715, 0},
    {"BAJFINANCE", "BAJAJ FINANCE LIMITED", 7250.00, kPaise5, 125, 50, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 500034, 0},
    {"ASIANPAINT", "ASIAN PAINTS LIMITED", 2890.00, kPaise5, 200, 20, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 500820, 0},
    {"TATASTEEL", "TATA STEEL LIMITED", 152.35, kPaise5, 5500, 2.5, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 500470, 0},
    {"ADANIENT", "ADANI ENTERPRISES LIMITED", 2980.00, kPaise5, 300, 20, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 512599, 0},
    {"ONGC", "OIL AND NATURAL GAS CORP.", 268.40, kPaise5, 1925, 2.5, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 500312, 0},
    {"IDEA", "VODAFONE IDEA LIMITED", 8.15, kPaise1, 70000, 1, 1, "%.2f", 2, "FUTSTK", "OPTSTK", 532822, 0},
    {"YESBANK", "YES BANK LIMITED", 21.45, kPaise1, 0, 0, 1, "%.2f", 2, "", "", 532648, 0},
}};

constexpr std::array<Underlying, 4> kNseIndices{{
    {"NIFTY", "NIFTY 50", 24500.00, kPaise5, 75, 50, 1, "%.2f", 2, "FUTIDX", "OPTIDX", 0, 0},
    {"BANKNIFTY", "NIFTY BANK", 52000.00, kPaise5, 35, 100, 1, "%.2f", 2, "FUTIDX", "OPTIDX", 0, 0},
    {"FINNIFTY", "NIFTY FIN SERVICE", 23800.00, kPaise5, 65, 50, 1, "%.2f", 2, "FUTIDX", "OPTIDX", 0, 0},
    {"MIDCPNIFTY", "NIFTY MID SELECT", 12600.00, kPaise5, 140, 25, 1, "%.2f", 2, "FUTIDX", "OPTIDX", 0, 0},
}};

constexpr std::array<Underlying, 2> kBseIndices{{
    {"SENSEX", "BSE SENSEX", 80500.00, kPaise5, 20, 100, 1, "%.2f", 2, "FUTIDX", "OPTIDX", 0, 0},
    {"BANKEX", "BSE BANKEX", 58500.00, kPaise5, 30, 100, 1, "%.2f", 2, "FUTIDX", "OPTIDX", 0, 0},
}};

constexpr std::array<Underlying, 6> kBseOfs{{
    {"COALINDIA", "COAL INDIA LTD OFS", 395.00, kPaise5, 0, 0, 1, "%.2f", 2, "", "", 533278, 0},
    {"IRCON", "IRCON INTERNATIONAL OFS", 210.50, kPaise5, 0, 0, 1, "%.2f", 2, "", "", 541956, 0},
    {"IRFC", "INDIAN RAILWAY FIN OFS", 140.25, kPaise5, 0, 0, 1, "%.2f", 2, "", "", 543257, 0},
    {"NHPC", "NHPC LTD OFS", 82.40, kPaise1, 0, 0, 1, "%.2f", 2, "", "", 533098, 0},
    {"HAL", "HINDUSTAN AERONAUTICS OFS", 4350.00, kPaise5, 0, 0, 1, "%.2f", 2, "", "", 541154, 0},
    {"RVNL", "RAIL VIKAS NIGAM OFS", 410.00, kPaise5, 0, 0, 1, "%.2f", 2, "", "", 542649, 0},
}};

constexpr std::array<Underlying, 8> kMcx{{
    {"GOLD", "GOLD 1 KG", 76500, kRupee1, 1, 0, 100, "%.0f", 0, "FUTCOM", "", 0, 5},
    {"GOLDM", "GOLD MINI 100 GM", 76380, kRupee1, 1, 0, 10, "%.0f", 0, "FUTCOM", "", 0, 5},
    {"SILVER", "SILVER 30 KG", 91500, kRupee1, 1, 0, 30, "%.0f", 0, "FUTCOM", "", 0, 5},
    {"CRUDEOIL", "CRUDE OIL 100 BBL", 5950, kRupee1, 1, 0, 100, "%.0f", 0, "FUTCOM", "", 0, 19},
    {"NATURALGAS", "NATURAL GAS 1250 MMBTU", 310.50, TickSize{1, 10}, 1, 0, 1250, "%.2f", 2, "FUTCOM", "", 0, 26},
    {"COPPER", "COPPER 2500 KG", 812.35, kPaise5, 1, 0, 2500, "%.2f", 2, "FUTCOM", "", 0, 28},
    {"ZINC", "ZINC 5 MT", 268.40, kPaise5, 1, 0, 5000, "%.2f", 2, "FUTCOM", "", 0, 28},
    {"ALUMINIUM", "ALUMINIUM 5 MT", 241.10, kPaise5, 1, 0, 5000, "%.2f", 2, "FUTCOM", "", 0, 28},
}};

constexpr std::array<Underlying, 6> kNcdex{{
    {"SOYBEAN", "SOYBEAN", 4450, kRupee1, 10, 0, 10, "%.2f", 2, "FUTCOM", "", 0, 20},
    {"CHANA", "CHANA", 5600, kRupee1, 10, 0, 10, "%.2f", 2, "FUTCOM", "", 0, 20},
    {"GUARSEED10", "GUAR SEED 10 MT", 5350, kRupee1, 5, 0, 10, "%.2f", 2, "FUTCOM", "", 0, 20},
    {"JEERAUNJHA", "JEERA UNJHA", 24800, TickSize{5, 1}, 3, 0, 10, "%.0f", 0, "FUTCOM", "", 0, 20},
    {"TMCFGRNZM", "TURMERIC NIZAMABAD", 13850, TickSize{2, 1}, 5, 0, 10, "%.0f", 0, "FUTCOM", "", 0, 20},
    {"CASTORSEED", "CASTOR SEED", 6250, kRupee1, 5, 0, 10, "%.2f", 2, "FUTCOM", "", 0, 20},
}};

// Quantities of currency contracts are units of the base currency, so the lot carries the
// contract size and the price converts to money without a further multiplier.
constexpr std::array<Underlying, 4> kCurrencies{{
    {"USDINR", "US DOLLAR-INDIAN RUPEE", 84.6250, TickSize{25, 10000}, 1000, 0.25, 1, "%.4f", 4, "FUTCUR", "OPTCUR", 0,
     0},
    {"EURINR", "EURO-INDIAN RUPEE", 89.3500, TickSize{25, 10000}, 1000, 0.25, 1, "%.4f", 4, "FUTCUR", "OPTCUR", 0, 0},
    {"GBPINR", "POUND STERLING-INDIAN RUPEE", 107.2250, TickSize{25, 10000}, 1000, 0, 1, "%.4f", 4, "FUTCUR", "", 0, 0},
    {"JPYINR", "JAPANESE YEN-INDIAN RUPEE", 56.4500, TickSize{25, 10000}, 1000, 0, 1, "%.4f", 4, "FUTCUR", "", 0, 0},
}};

constexpr std::array<Underlying, 5> kCme{{
    {"ES", "E-MINI S&P 500", 6050.25, TickSize{25, 100}, 1, 0, 50, "%.2f", 2, "FUTIDX", "", 0, 0},
    {"NQ", "E-MINI NASDAQ-100", 21500.00, TickSize{25, 100}, 1, 0, 20, "%.2f", 2, "FUTIDX", "", 0, 0},
    {"YM", "E-MINI DOW", 44200, kRupee1, 1, 0, 5, "%.0f", 0, "FUTIDX", "", 0, 0},
    {"GC", "GOLD 100 OZ", 2650.00, TickSize{1, 10}, 1, 0, 100, "%.2f", 2, "FUTCOM", "", 0, 20},
    {"CL", "CRUDE OIL WTI", 69.50, kPaise1, 1, 0, 1000, "%.2f", 2, "FUTCOM", "", 0, 20},
}};

constexpr std::array<Underlying, 1> kMseiIndices{{
    {"SX40", "SX40 INDEX", 45000.00, kPaise5, 50, 100, 1, "%.2f", 2, "FUTIDX", "OPTIDX", 0, 0},
}};

const Underlying* FindIn(std::span<const Underlying> list, std::string_view symbol) {
  for (const Underlying& u : list)
    if (u.symbol == symbol) return &u;
  return nullptr;
}

}  // namespace

std::span<const MarketInfo> DemoCatalogue::Markets() { return kMarkets; }

const MarketInfo& DemoCatalogue::Market(DemoMarket market) { return kMarkets[static_cast<std::size_t>(market)]; }

const MarketInfo* DemoCatalogue::MarketOfToken(std::int32_t token) {
  const int exchange = token / 100000000;
  const int segment = token / 1000000 % 100;
  for (const MarketInfo& m : kMarkets)
    if (m.exchangeCode == exchange && m.segment == segment) return &m;
  return nullptr;
}

std::span<const Underlying> DemoCatalogue::Stocks() { return kStocks; }
std::span<const Underlying> DemoCatalogue::NseIndices() { return kNseIndices; }
std::span<const Underlying> DemoCatalogue::BseIndices() { return kBseIndices; }
std::span<const Underlying> DemoCatalogue::BseOfsIssues() { return kBseOfs; }
std::span<const Underlying> DemoCatalogue::McxCommodities() { return kMcx; }
std::span<const Underlying> DemoCatalogue::NcdexCommodities() { return kNcdex; }
std::span<const Underlying> DemoCatalogue::Currencies() { return kCurrencies; }
std::span<const Underlying> DemoCatalogue::CmeProducts() { return kCme; }
std::span<const Underlying> DemoCatalogue::MseiIndices() { return kMseiIndices; }

const Underlying* DemoCatalogue::Find(int exchangeCode, std::string_view symbol) {
  switch (exchangeCode) {
    case 1:
      if (const Underlying* u = FindIn(kNseIndices, symbol)) return u;
      return FindIn(kStocks, symbol);
    case 2:
      if (const Underlying* u = FindIn(kBseIndices, symbol)) return u;
      if (const Underlying* u = FindIn(kBseOfs, symbol)) return u;
      return FindIn(kStocks, symbol);
    case 3:
      return FindIn(kMcx, symbol);
    case 4:
      return FindIn(kNcdex, symbol);
    case 5:
      return FindIn(kCurrencies, symbol);
    case 11:
      return FindIn(kCme, symbol);
    case 12:
      if (const Underlying* u = FindIn(kMseiIndices, symbol)) return u;
      return FindIn(std::span<const Underlying>(kStocks).first(kMseiStockCount), symbol);
    default:
      return nullptr;
  }
}

}  // namespace orv::demo
