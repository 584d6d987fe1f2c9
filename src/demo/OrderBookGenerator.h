#pragma once
// Seeded demo order books: every field the grids show, coherent with each other and with the
// contract master, added to the host's order store. One spec gives the same book, field for
// field, on every platform.
#include "demo/ContractQuote.h"
#include "demo/DemoCalendar.h"
#include "demo/DemoCatalogue.h"
#include "demo/DemoRandom.h"
#include "host/ContractMaster.h"
#include "host/OrderBookTypes.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace orv::demo {

struct OrderBookSpec {
  int orders = 1000;  // orders, not rows: a spread order adds an order row and two leg rows
  std::uint32_t seed = 1;
  BookKind kind = BookKind::Pending;
  std::vector<std::string> dealers;  // empty: DemoVocabulary::DefaultDealers()
  std::vector<std::string> clients;  // empty: DemoVocabulary::DefaultClients()
  // Fraction of orders that are two-leg spread orders (Pending book only; GTD orders are single).
  double spreadShare = 0.0;
  // Fraction of orders whose token the master does not know (pContract null).
  double contractlessShare = 0.0;
  // Fraction of client orders whose Client_Name and Prod_Type are left empty for the view to
  // look up on first display.
  double unfilledLookupShare = 0.0;
  // RefNo of the first order; 0 continues after the highest RefNo already in the book.
  std::uint32_t firstRefNo = 0;
  DemoDate tradingDay = DemoCatalogue::kTradingDay;
};

// Told now and then how far a generation has come: orders made so far of all it makes. It is
// called on the generating thread, first with 0 and last with done == total.
using GenerationProgress = std::function<void(std::uint64_t done, std::uint64_t total)>;

// Adds the OrderBookSpec's orders to the book through AppOrderBook::AddOrder, in RefNo order. The
// master is not installed (see InstallContractMaster); the records point into it, so it must
// outlive the book. Throws std::invalid_argument for a negative order count, a share outside
// 0..1 (or spread and contractless shares adding up to more than 1), an empty or over-long
// dealer or client id, an invalid trading day, RefNos that would run past 2^32 - 1, or orders
// that need contracts from an empty master.
void GenerateOrders(const OrderBookSpec& spec, const CScriptDesc& master, const GenerationProgress& progress = {});

// Files the demo name of each of the OrderBookSpec's clients with RCGlobal, so that the view's client
// name lookup finds the names the generator leaves empty.
void RegisterClientNames(const OrderBookSpec& spec);

class OrderBookGenerator final {
 public:
  OrderBookGenerator(const OrderBookSpec& spec, const CScriptDesc& master);
  void Run(const GenerationProgress& progress = {});

 private:
  void Validate() const;
  void IndexMaster(const CScriptDesc& master);
  void FindSpreadPairs();
  void FindUnknownTokens(const CScriptDesc& master);
  std::uint32_t FirstRefNo() const;

  OrderBookSpec m_spec;
  std::vector<ContractQuote> m_quotes;                         // token order
  std::vector<std::pair<std::size_t, std::size_t>> m_spreads;  // near and far leg of a calendar spread
  std::vector<std::int32_t> m_unknownTokens;                   // tokens the master lacks
};

}  // namespace orv::demo
