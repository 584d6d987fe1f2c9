#include "demo/OrderBookGenerator.h"

#include "demo/DemoText.h"
#include "demo/DemoVocabulary.h"
#include "demo/OrderRowFactory.h"
#include "host/AppOrderBook.h"
#include "host/RCGlobal.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string_view>
#include <tuple>

namespace orv::demo {

namespace {

constexpr std::size_t kMaxIdLength = 15;  // the record's id fields hold 15 characters
constexpr std::size_t kUnknownTokenPool = 64;
constexpr std::uint64_t kProgressStep = 16384;  // orders between two progress reports

void CheckIds(const std::vector<std::string>& ids, const char* what) {
  for (const std::string& id : ids) {
    if (id.empty() || id.size() > kMaxIdLength)
      throw std::invalid_argument(std::string(what) + " ids must have 1 to 15 characters");
  }
}

ContractQuote ContractlessQuote(std::int32_t token, DemoRandom& rng) {
  ContractQuote q;
  q.token = token;
  q.exchangeCode = token / 100000000;
  q.market = DemoCatalogue::MarketOfToken(token);
  q.tick = TickSize{5, 100};
  q.referenceTicks = (100 + rng.Between(0, 899)) * 20;
  return q;
}

}  // namespace

void GenerateOrders(const OrderBookSpec& spec, const CScriptDesc& master, const GenerationProgress& progress) {
  OrderBookGenerator(spec, master).Run(progress);
}

void RegisterClientNames(const OrderBookSpec& spec) {
  const std::vector<std::string> clients = spec.clients.empty() ? DemoVocabulary::DefaultClients() : spec.clients;
  for (const std::string& client : clients) RCGlobal::SetInvestorClientName(client, DemoVocabulary::ClientName(client));
}

OrderBookGenerator::OrderBookGenerator(const OrderBookSpec& spec, const CScriptDesc& master) : m_spec(spec) {
  if (m_spec.dealers.empty()) m_spec.dealers = DemoVocabulary::DefaultDealers();
  if (m_spec.clients.empty()) m_spec.clients = DemoVocabulary::DefaultClients();
  Validate();
  if (m_spec.orders > 0 && master.Count() == 0 && m_spec.contractlessShare < 1.0)
    throw std::invalid_argument("the contract master is empty; only contractless orders can be made");
  IndexMaster(master);
  if (m_spec.kind == BookKind::Pending && m_spec.spreadShare > 0.0) FindSpreadPairs();
  if (m_spec.contractlessShare > 0.0) FindUnknownTokens(master);
}

void OrderBookGenerator::Validate() const {
  if (m_spec.orders < 0) throw std::invalid_argument("order count must not be negative");
  if (!IsShare(m_spec.spreadShare) || !IsShare(m_spec.contractlessShare) || !IsShare(m_spec.unfilledLookupShare))
    throw std::invalid_argument("shares must lie between 0 and 1");
  if (m_spec.spreadShare + m_spec.contractlessShare > 1.0)
    throw std::invalid_argument("spread and contractless shares add up to more than 1");
  CheckIds(m_spec.dealers, "dealer");
  CheckIds(m_spec.clients, "client");
  if (!DemoCalendar::IsValid(m_spec.tradingDay)) throw std::invalid_argument("the trading day is not a date");
}

void OrderBookGenerator::IndexMaster(const CScriptDesc& master) {
  // The master's own order depends on its hash table; token order is the same everywhere.
  std::vector<std::int32_t> tokens = master.Tokens();
  std::sort(tokens.begin(), tokens.end());
  m_quotes.reserve(tokens.size());
  for (std::int32_t token : tokens) m_quotes.push_back(ContractQuote::Of(*master.Find(token), m_spec.tradingDay));
}

void OrderBookGenerator::FindSpreadPairs() {
  // Futures of one underlying on one exchange, nearest expiry first: each neighbouring pair is a
  // calendar spread.
  struct Future {
    std::string_view exchange, symbol, instrument;
    std::int64_t expiry;
    std::size_t index;
  };
  std::vector<Future> futures;
  for (std::size_t i = 0; i < m_quotes.size(); ++i) {
    const ScriptDesc& d = *m_quotes[i].contract;
    if (FieldView(d.Mkt_Seg) != "F") continue;
    DemoDate expiry;
    const std::int64_t serial =
        DemoCalendar::ParseExpiry(FieldView(d.cExpiry), expiry) ? DemoCalendar::SerialDay(expiry) : 0;
    futures.push_back({FieldView(d.cExchangeName), FieldView(d.Symbol_ScriptID), FieldView(d.Inst_Name), serial, i});
  }
  std::sort(futures.begin(), futures.end(), [](const Future& a, const Future& b) {
    return std::tie(a.exchange, a.symbol, a.instrument, a.expiry, a.index) <
           std::tie(b.exchange, b.symbol, b.instrument, b.expiry, b.index);
  });
  for (std::size_t i = 1; i < futures.size(); ++i) {
    const Future& a = futures[i - 1];
    const Future& b = futures[i];
    if (a.exchange == b.exchange && a.symbol == b.symbol && a.instrument == b.instrument && a.expiry < b.expiry)
      m_spreads.emplace_back(a.index, b.index);
  }
  // A master without such futures still gets spreads, between neighbouring contracts.
  if (m_spreads.empty() && !m_quotes.empty()) {
    for (std::size_t i = 1; i < m_quotes.size(); ++i) m_spreads.emplace_back(i - 1, i);
    if (m_spreads.empty()) m_spreads.emplace_back(0, 0);
  }
}

void OrderBookGenerator::FindUnknownTokens(const CScriptDesc& master) {
  // Tokens at the top of the NSE derivative and equity ranges that the master does not hold.
  for (std::int32_t base : {102000000, 101000000}) {
    for (std::int32_t serial = 990000; serial <= 999999 && m_unknownTokens.size() < kUnknownTokenPool; ++serial)
      if (!master.Find(base + serial)) m_unknownTokens.push_back(base + serial);
  }
  if (m_unknownTokens.empty())
    throw std::invalid_argument("the contract master leaves no token free for contractless orders");
}

std::uint32_t OrderBookGenerator::FirstRefNo() const {
  if (m_spec.firstRefNo != 0) return m_spec.firstRefNo;
  std::uint32_t highest = 0;
  for (const OrderBookDetails* row : AppOrderBook::Book(m_spec.kind).vctAll)
    if (row) highest = std::max(highest, row->RefNo);
  if (highest == std::numeric_limits<std::uint32_t>::max())
    throw std::invalid_argument("the book's RefNos are used up");
  return highest + 1;
}

void OrderBookGenerator::Run(const GenerationProgress& progress) {
  const std::uint32_t first = FirstRefNo();
  const std::uint64_t orders = static_cast<std::uint64_t>(m_spec.orders);
  if (orders > 0 && first + (orders - 1) > std::numeric_limits<std::uint32_t>::max())
    throw std::invalid_argument("the orders' RefNos would run past 4294967295");

  DemoRandom rng(m_spec.seed, m_spec.kind == BookKind::Pending ? 0xB1 : 0xB2);
  OrderRowFactory factory(m_spec, m_spec.dealers, m_spec.clients, rng);
  const bool spreads = m_spec.kind == BookKind::Pending && m_spec.spreadShare > 0.0 && !m_spreads.empty();
  const double spreadShare = spreads ? m_spec.spreadShare : 0.0;
  const double contractlessBelow = spreadShare + m_spec.contractlessShare;

  OrderBookRefs book = AppOrderBook::Book(m_spec.kind);
  const std::size_t expectedRows =
      static_cast<std::size_t>(static_cast<double>(orders) * (1.0 + 2.0 * spreadShare)) + 16;
  book.vctAll.reserve(book.vctAll.size() + expectedRows);
  book.vctDisplayed.reserve(book.vctDisplayed.size() + expectedRows);

  OrderBookDetails rows[3];
  for (std::uint64_t i = 0; i < orders; ++i) {
    if (progress && i % kProgressStep == 0) progress(i, orders);
    const std::uint32_t refNo = first + static_cast<std::uint32_t>(i);
    const double draw = rng.Unit();
    if (draw < spreadShare) {
      const auto& [nearIndex, farIndex] = m_spreads[rng.Below(static_cast<std::uint32_t>(m_spreads.size()))];
      for (OrderBookDetails& row : rows) row = OrderBookDetails{};
      factory.MakeSpread(m_quotes[nearIndex], m_quotes[farIndex], refNo, i, orders, rows);
      for (const OrderBookDetails& row : rows) AppOrderBook::AddOrder(m_spec.kind, row);
      continue;
    }
    rows[0] = OrderBookDetails{};
    if (draw < contractlessBelow || m_quotes.empty()) {
      const std::int32_t token = m_unknownTokens[rng.Below(static_cast<std::uint32_t>(m_unknownTokens.size()))];
      factory.MakeOrder(ContractlessQuote(token, rng), refNo, i, orders, rows[0]);
    } else {
      factory.MakeOrder(m_quotes[rng.Below(static_cast<std::uint32_t>(m_quotes.size()))], refNo, i, orders, rows[0]);
    }
    AppOrderBook::AddOrder(m_spec.kind, rows[0]);
  }
  if (progress) progress(orders, orders);
}

}  // namespace orv::demo
