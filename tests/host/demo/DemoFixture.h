#pragma once
// Every demo test starts and ends with an empty order store, no contract master installed and a
// fresh host, so books never leak from one test into the next.
#include "demo/ContractMasterGenerator.h"
#include "demo/DemoCatalogue.h"
#include "demo/OrderBookGenerator.h"
#include "host/AppGlobal.h"
#include "host/AppOrderBook.h"
#include "host/ContractMaster.h"
#include "host/GlobalFunctions.h"
#include "host/RCGlobal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
  return std::string(field, ::strnlen(field, N));
}

inline const std::vector<OrderBookDetails*>& BookRows(BookKind kind) { return AppOrderBook::Book(kind).vctAll; }

// True when the price is a whole number of the contract's ticks, as the catalogue lists them.
inline bool IsOnTick(double price, const ScriptDesc& contract) {
  const auto* u = orv::demo::DemoCatalogue::Find(contract.lToken / 100000000, FieldText(contract.Symbol_ScriptID));
  if (!u) return false;
  const double steps = price / u->tick.Value();
  return std::fabs(steps - std::round(steps)) < 1e-6;
}

class DemoFixture : public ::testing::Test {
 protected:
  void SetUp() override { ResetHost(); }
  void TearDown() override { ResetHost(); }

  static void ResetHost() {
    AppOrderBook::Clear();
    InstallContractMaster(nullptr);
    AppGlobal::ResetForTests();
    GlobalFunctions::ResetForTests();
    RCGlobal::Clear();
  }

  // Installs a master of `contracts` contracts (from `masterSeed`) and fills the Pending book
  // with `orders` orders (from `seed`); returns the book's spec for more books of the same kind.
  orv::demo::OrderBookSpec InstallBook(std::uint32_t masterSeed, int contracts, int orders, std::uint32_t seed) {
    orv::demo::GenerateContracts(m_master, masterSeed, contracts);
    InstallContractMaster(&m_master);
    orv::demo::OrderBookSpec spec;
    spec.orders = orders;
    spec.seed = seed;
    orv::demo::GenerateOrders(spec, m_master);
    return spec;
  }

  CScriptDesc m_master;  // outlives the rows that point into it: TearDown empties the store first
};
