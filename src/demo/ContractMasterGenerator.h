#pragma once
// Seeded demo contract masters: equities, futures and options across the Indian and overseas
// exchanges, with tokens that encode exchange and market (token / 100,000,000 is the exchange
// code, token / 1,000,000 the market code) and the lot sizes, multipliers and price formats of
// the real instruments. One seed gives the same master everywhere.
#include "demo/DemoCatalogue.h"
#include "demo/DemoRandom.h"
#include "host/ContractMaster.h"

#include <array>
#include <cstdint>
#include <string>
#include <unordered_set>

namespace orv::demo {

class ContractMasterGenerator final {
 public:
  static constexpr int kMaxContracts = 500000;

  // Expiries fall on or after `tradingDay`.
  ContractMasterGenerator(CScriptDesc& master, std::uint32_t seed, DemoDate tradingDay = DemoCatalogue::kTradingDay);

  // Adds `count` new contracts. The first contracts visit every demo market once, so even a
  // small master has equities, futures, options and a BSE segment-6 issue; the rest follow the
  // markets' weights. Entries already in the master stay as they are and their tokens are not
  // reused. Throws std::invalid_argument for a negative count or one above kMaxContracts.
  void Generate(int count);

 private:
  bool TryMarket(DemoMarket market, int attempt);
  bool TryEquity(const MarketInfo& market, std::span<const Underlying> list);
  bool TryDerivative(const MarketInfo& market, std::span<const Underlying> list, int attempt);
  void AddFallbackOption();

  bool AddEquity(const MarketInfo& market, const Underlying& u, std::string_view series);
  bool AddFuture(const MarketInfo& market, const Underlying& u, const DemoDate& expiry);
  bool AddOption(const MarketInfo& market, const Underlying& u, const DemoDate& expiry, std::int64_t strikeSteps,
                 bool call);
  bool Add(const MarketInfo& market, ScriptDesc& desc, std::int32_t serial, const std::string& key);
  std::int32_t NextSerial(const MarketInfo& market);

  // The n-th expiry (0 the nearest) of an underlying's futures, on or after the trading day.
  DemoDate MonthlyExpiry(const MarketInfo& market, const Underlying& u, int n) const;
  // An expiry for an option: the weeklies of the index markets, else the monthlies.
  DemoDate OptionExpiry(const MarketInfo& market, const Underlying& u, std::uint32_t pick) const;
  DemoDate ExpiryInMonth(const MarketInfo& market, const Underlying& u, int year, int month) const;

  CScriptDesc& m_master;
  DemoRandom m_rng;
  std::array<std::int32_t, DemoCatalogue::kMarketCount> m_nextSerial{};
  std::unordered_set<std::string> m_keys;
  std::uint32_t m_fallback = 0;
  DemoDate m_tradingDay;
};

void GenerateContracts(CScriptDesc& master, std::uint32_t seed, int count,
                       DemoDate tradingDay = DemoCatalogue::kTradingDay);

}  // namespace orv::demo
