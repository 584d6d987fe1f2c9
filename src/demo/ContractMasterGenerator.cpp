#include "demo/ContractMasterGenerator.h"

#include "host/records/OrderBookDetails.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace orv::demo {

namespace {

constexpr std::int32_t kLastSerial = 999999;
constexpr int kAttemptsBeforeFallback = 24;
constexpr std::uint32_t kFallbackLimit = 4000000;

constexpr int kThursday = 4;
constexpr int kTuesday = 2;
constexpr int kFriday = 5;

bool Before(const DemoDate& a, const DemoDate& b) { return DemoCalendar::SerialDay(a) < DemoCalendar::SerialDay(b); }

bool IsIndexOptionMarket(const MarketInfo& market, const Underlying& u) {
  return u.optionInstrument == "OPTIDX" &&
         (market.market == DemoMarket::NseDerivative || market.market == DemoMarket::BseDerivative);
}

// "24500.00", or with four decimals for currency strikes.
void FormatStrike(double strike, int precision, char (&out)[16]) {
  auto res = std::to_chars(out, out + sizeof out - 1, strike, std::chars_format::fixed, precision);
  *res.ptr = '\0';
}

std::string KeyOf(const MarketInfo& market, const ScriptDesc& d) {
  std::string key;
  key.reserve(64);
  key.append(1, static_cast<char>('A' + static_cast<int>(market.market)))
      .append(d.Symbol_ScriptID)
      .append(1, '|')
      .append(d.Inst_Name)
      .append(1, '|')
      .append(d.cExpiry)
      .append(1, '|')
      .append(d.cStrike)
      .append(1, '|')
      .append(d.cOptionType)
      .append(1, '|')
      .append(d.cSeries);
  return key;
}

void FillCommon(const MarketInfo& market, const Underlying& u, ScriptDesc& d) {
  CopyText(d.cExchangeName, market.exchangeName);
  d.nSegment = static_cast<std::int16_t>(market.segment);
  CopyText(d.Symbol_ScriptID, u.symbol);
  CopyText(d.cPriceFormat, u.priceFormat);
  d.iPrecision = u.precision;
  d.dMultiplier = u.multiplier;
}

}  // namespace

ContractMasterGenerator::ContractMasterGenerator(CScriptDesc& master, std::uint32_t seed, DemoDate tradingDay)
    : m_master(master), m_rng(seed, 0xC0), m_tradingDay(tradingDay) {
  for (const MarketInfo& m : DemoCatalogue::Markets()) m_nextSerial[static_cast<std::size_t>(m.market)] = m.firstSerial;
}

void ContractMasterGenerator::Generate(int count) {
  if (count < 0) throw std::invalid_argument("contract count must not be negative");
  if (count > kMaxContracts) throw std::invalid_argument("contract count above the demo limit of 500000");
  const auto markets = DemoCatalogue::Markets();
  std::array<int, DemoCatalogue::kMarketCount> weights{};
  for (std::size_t i = 0; i < markets.size(); ++i) weights[i] = markets[i].weight;

  for (int i = 0; i < count; ++i) {
    bool added = false;
    for (int attempt = 0; attempt < kAttemptsBeforeFallback && !added; ++attempt) {
      const std::size_t index = static_cast<std::size_t>(i) < markets.size() && attempt == 0
                                    ? static_cast<std::size_t>(i)
                                    : m_rng.Weighted(weights);
      added = TryMarket(markets[index].market, attempt);
    }
    if (!added) AddFallbackOption();
  }
}

bool ContractMasterGenerator::TryMarket(DemoMarket which, int attempt) {
  const MarketInfo& market = DemoCatalogue::Market(which);
  switch (which) {
    case DemoMarket::NseEquity:
    case DemoMarket::BseEquity:
      return TryEquity(market, DemoCatalogue::Stocks());
    case DemoMarket::MseiEquity:
      return TryEquity(market, DemoCatalogue::Stocks().first(DemoCatalogue::kMseiStockCount));
    case DemoMarket::BseOfs:
      return TryEquity(market, DemoCatalogue::BseOfsIssues());
    case DemoMarket::NseDerivative:
      // A little over half of the exchange's contracts are on indices.
      return m_rng.Below(100) < 53 ? TryDerivative(market, DemoCatalogue::NseIndices(), attempt)
                                   : TryDerivative(market, DemoCatalogue::Stocks(), attempt);
    case DemoMarket::BseDerivative:
      return TryDerivative(market, DemoCatalogue::BseIndices(), attempt);
    case DemoMarket::Mcx:
      return TryDerivative(market, DemoCatalogue::McxCommodities(), attempt);
    case DemoMarket::Ncdex:
      return TryDerivative(market, DemoCatalogue::NcdexCommodities(), attempt);
    case DemoMarket::NseCurrency:
      return TryDerivative(market, DemoCatalogue::Currencies(), attempt);
    case DemoMarket::Cme:
      return TryDerivative(market, DemoCatalogue::CmeProducts(), attempt);
    case DemoMarket::MseiDerivative:
      return TryDerivative(market, DemoCatalogue::MseiIndices(), attempt);
  }
  return false;
}

bool ContractMasterGenerator::TryEquity(const MarketInfo& market, std::span<const Underlying> list) {
  const Underlying& u = m_rng.Pick(list);
  // The exchange moves a few issues to trade-for-trade settlement.
  const bool tradeForTrade = market.market == DemoMarket::NseEquity && m_rng.Below(100) < 15;
  return AddEquity(market, u, tradeForTrade ? "BE" : "EQ");
}

bool ContractMasterGenerator::TryDerivative(const MarketInfo& market, std::span<const Underlying> list, int attempt) {
  const Underlying& u = m_rng.Pick(list);
  if (u.lotSize <= 0) return false;
  const bool option = u.strikeStep > 0 && m_rng.Below(100) < (u.optionInstrument == "OPTIDX" ? 80u : 60u);
  if (!option) {
    constexpr std::array<int, 3> kNearFirst{60, 30, 10};
    return AddFuture(market, u, MonthlyExpiry(market, u, static_cast<int>(m_rng.Weighted(kNearFirst))));
  }
  const std::int64_t atm = std::llround(u.price / u.strikeStep);
  const std::int64_t range = 10 + 4 * attempt;
  const std::int64_t steps = atm + m_rng.Between(-range, range);
  if (steps <= 0) return false;
  const DemoDate expiry = OptionExpiry(market, u, static_cast<std::uint32_t>(m_rng.Next() >> 40));
  return AddOption(market, u, expiry, steps, m_rng.Below(2) == 0);
}

void ContractMasterGenerator::AddFallbackOption() {
  // Far strikes of the index options never run out, so a crowded master still gets its count.
  const MarketInfo& market = DemoCatalogue::Market(DemoMarket::NseDerivative);
  const Underlying& nifty = DemoCatalogue::NseIndices()[0];
  const std::int64_t atm = std::llround(nifty.price / nifty.strikeStep);
  for (std::uint32_t tries = 0; tries < kFallbackLimit; ++tries) {
    const std::uint32_t f = m_fallback++;
    const DemoDate expiry = OptionExpiry(market, nifty, f % 6);
    if (AddOption(market, nifty, expiry, atm + 1 + f / 12, (f / 6) % 2 == 0)) return;
  }
  throw std::runtime_error("the demo token range of NSE derivatives is full");
}

bool ContractMasterGenerator::AddEquity(const MarketInfo& market, const Underlying& u, std::string_view series) {
  ScriptDesc d;
  FillCommon(market, u, d);
  CopyText(d.Mkt_Seg, "E");
  CopyText(d.Inst_Name, "EQ");
  CopyText(d.cSeries, series);
  CopyText(d.cScripName, u.name);
  d.lLotSize = 1;
  const std::string key = KeyOf(market, d);
  if (m_keys.count(key)) return false;
  // BSE lists its scrips under their scrip codes; the other markets number them as they come.
  const std::int32_t serial = market.exchangeCode == 2 ? u.code : NextSerial(market);
  return Add(market, d, serial, key);
}

bool ContractMasterGenerator::AddFuture(const MarketInfo& market, const Underlying& u, const DemoDate& expiry) {
  ScriptDesc d;
  FillCommon(market, u, d);
  CopyText(d.Mkt_Seg, "F");
  CopyText(d.Inst_Name, u.futureInstrument);
  DemoCalendar::FormatExpiry(expiry, d.cExpiry);
  CopyText(d.cScripName, std::string(u.symbol) + " " + d.cExpiry + " FUT");
  d.lLotSize = u.lotSize;
  const std::string key = KeyOf(market, d);
  if (m_keys.count(key)) return false;
  return Add(market, d, NextSerial(market), key);
}

bool ContractMasterGenerator::AddOption(const MarketInfo& market, const Underlying& u, const DemoDate& expiry,
                                        std::int64_t strikeSteps, bool call) {
  ScriptDesc d;
  FillCommon(market, u, d);
  CopyText(d.Mkt_Seg, "O");
  CopyText(d.Inst_Name, u.optionInstrument);
  DemoCalendar::FormatExpiry(expiry, d.cExpiry);
  FormatStrike(static_cast<double>(strikeSteps) * u.strikeStep, u.precision > 2 ? u.precision : 2, d.cStrike);
  CopyText(d.cOptionType, call ? "CE" : "PE");
  CopyText(d.cScripName, std::string(u.symbol) + " " + d.cExpiry + " " + d.cStrike + " " + d.cOptionType);
  d.lLotSize = u.lotSize;
  const std::string key = KeyOf(market, d);
  if (m_keys.count(key)) return false;
  return Add(market, d, NextSerial(market), key);
}

bool ContractMasterGenerator::Add(const MarketInfo& market, ScriptDesc& d, std::int32_t serial,
                                  const std::string& key) {
  if (serial < 0 || serial > kLastSerial) return false;
  d.lToken = market.TokenBase() + serial;
  if (m_master.Find(d.lToken)) return false;
  auto res = std::to_chars(d.Code, d.Code + sizeof d.Code - 1, serial);
  *res.ptr = '\0';
  m_master.Add(d);
  m_keys.insert(key);
  return true;
}

std::int32_t ContractMasterGenerator::NextSerial(const MarketInfo& market) {
  std::int32_t& next = m_nextSerial[static_cast<std::size_t>(market.market)];
  // Skip the tokens an existing master already uses.
  while (next <= kLastSerial && m_master.Find(market.TokenBase() + next)) ++next;
  const std::int32_t serial = next;
  if (next <= kLastSerial) {
    // Equities are numbered with gaps, as delisted and suspended scrips leave them.
    const bool cash = market.market == DemoMarket::NseEquity || market.market == DemoMarket::MseiEquity;
    next += cash ? static_cast<std::int32_t>(m_rng.Between(1, 7)) : 1;
  }
  return serial;
}

DemoDate ContractMasterGenerator::ExpiryInMonth(const MarketInfo& market, const Underlying& u, int year,
                                                int month) const {
  const int days = DemoCalendar::DaysInMonth(year, month);
  switch (market.market) {
    case DemoMarket::BseDerivative:
      return DemoCalendar::LastWeekday(year, month, kTuesday);
    case DemoMarket::Mcx:
    case DemoMarket::Ncdex:
      return DemoCalendar::WorkdayOnOrBefore(year, month, std::min(u.expiryDay > 0 ? u.expiryDay : 20, days));
    case DemoMarket::NseCurrency:
      return DemoCalendar::WorkdayOnOrBefore(year, month, days - 2);
    case DemoMarket::Cme:
      if (u.futureInstrument == "FUTIDX") return DemoCalendar::NthWeekday(year, month, kFriday, 3);
      return DemoCalendar::WorkdayOnOrBefore(year, month, std::min(u.expiryDay > 0 ? u.expiryDay : 20, days));
    default:
      return DemoCalendar::LastWeekday(year, month, kThursday);
  }
}

DemoDate ContractMasterGenerator::MonthlyExpiry(const MarketInfo& market, const Underlying& u, int n) const {
  const DemoDate today = m_tradingDay;
  const bool quarterly = market.market == DemoMarket::Cme && u.futureInstrument == "FUTIDX";
  for (int i = 0;; ++i) {
    const DemoDate month = DemoCalendar::AddMonths(today.year, today.month, i);
    if (quarterly && month.month % 3 != 0) continue;
    const DemoDate expiry = ExpiryInMonth(market, u, month.year, month.month);
    if (Before(expiry, today)) continue;
    if (n-- == 0) return expiry;
  }
}

DemoDate ContractMasterGenerator::OptionExpiry(const MarketInfo& market, const Underlying& u,
                                               std::uint32_t pick) const {
  if (!IsIndexOptionMarket(market, u)) return MonthlyExpiry(market, u, static_cast<int>(pick % 3));
  // Four weeklies, then the next two monthlies that are not among them.
  const int weekday = market.market == DemoMarket::BseDerivative ? kTuesday : kThursday;
  const DemoDate today = m_tradingDay;
  const int ahead = (weekday - DemoCalendar::DayOfWeek(today) + 7) % 7;
  const std::uint32_t slot = pick % 6;
  if (slot < 4) return DemoCalendar::AddDays(today, ahead + 7 * static_cast<int>(slot));
  const DemoDate lastWeekly = DemoCalendar::AddDays(today, ahead + 21);
  int found = 0;
  for (int n = 0;; ++n) {
    const DemoDate monthly = MonthlyExpiry(market, u, n);
    if (!Before(lastWeekly, monthly)) continue;
    if (found++ == static_cast<int>(slot - 4)) return monthly;
  }
}

void GenerateContracts(CScriptDesc& master, std::uint32_t seed, int count, DemoDate tradingDay) {
  ContractMasterGenerator(master, seed, tradingDay).Generate(count);
}

}  // namespace orv::demo
