#include "demo/SimulatedExchange.h"

#include "demo/DemoCalendar.h"
#include "demo/DemoText.h"
#include "demo/DemoVocabulary.h"
#include "demo/OrderRowFactory.h"
#include "host/AppOrderBook.h"
#include "host/OrvEnumsMethods.h"
#include "host/platform/Application.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <ctime>
#include <limits>
#include <stdexcept>
#include <tuple>

namespace orv::demo {

namespace {

constexpr int kSecondsPerDay = 86400;

// Transaction codes the host writes with each state (the grid shows them only through the texts,
// but cancellation and modification read them).
constexpr std::int32_t kCodeUnconfirmed = 5520;
constexpr std::int32_t kCodePending = 5511;
constexpr std::int32_t kCodeModified = 5512;
constexpr std::int32_t kCodeCancelled = 5513;
constexpr std::int32_t kCodePartlyTraded = 5515;
constexpr std::int32_t kCodeTraded = 5516;
constexpr std::int32_t kCodeRejected = 5530;
constexpr std::int32_t kCodeGtt = 15512;
constexpr std::int32_t kCodeSpreadUnconfirmed = 5523;
constexpr std::int32_t kCodeSpreadPending = 5724;
constexpr std::int32_t kCodeSpreadCancelled = 5730;
constexpr std::int32_t kCodeSpreadRejected = 5719;

// Flow events and their weights; confirmations are not drawn, they follow new orders.
enum class Event { New, Modify, PartialTrade, FullTrade, ExchangeCancel };
constexpr std::array<int, 5> kEventMix{30, 22, 20, 14, 8};

// Out of every thousand confirmations: entries the risk check withdraws, and rejections.
constexpr std::uint32_t kWithdrawPerMille = 10;
constexpr std::uint32_t kRejectPerMille = 50;

constexpr std::array<std::string_view, 3> kExchangeCancelTexts{
    "Cancelled by the exchange: price band revised",
    "Cancelled by the exchange: self-trade prevention",
    "Cancelled by the exchange: order validity ended",
};

bool IsOpenStatus(OrderStatusIdentifier status) {
  return status == ePending || status == eUnConfirmed || status == eAMOUnconfirmed;
}

bool IsGtt(const OrderBookDetails& row) { return FieldView(row.Validity) == "GTT"; }

std::size_t BookIndex(BookKind kind) { return kind == BookKind::Pending ? 0 : 1; }

// CPU time of the calling thread: what the exchange costs the thread it shares, whatever else
// the machine runs.
std::chrono::nanoseconds ThreadCpuNow() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
}

}  // namespace

SimulatedExchange::SimulatedExchange(const CScriptDesc& master, ExchangeFlowSpec spec)
    : m_master(master), m_spec(spec), m_rng(spec.seed, 0xE1), m_rowRng(spec.seed, 0xE2) {
  if (!std::isfinite(m_spec.changesPerSecond) || m_spec.changesPerSecond < 0.0)
    throw std::invalid_argument("the exchange's rate must be a finite number of changes a second, 0 or more");
  if (!IsShare(m_spec.gtdShare) || !IsShare(m_spec.spreadShare))
    throw std::invalid_argument("the exchange's shares must lie between 0 and 1");
  if (m_spec.sliceMs < 1 || m_spec.confirmAfterMs < 0 || m_spec.cancelAfterMs < 0)
    throw std::invalid_argument("the exchange's intervals must not be negative and its slice at least 1 ms");
  if (m_master.Count() == 0) throw std::invalid_argument("the exchange needs a contract master with contracts");

  m_dealers = DemoVocabulary::DefaultDealers();
  m_clients = DemoVocabulary::DefaultClients();
  m_pendingSpec.kind = BookKind::Pending;
  m_pendingSpec.seed = spec.seed;
  m_pendingSpec.tradingDay = spec.tradingDay;
  m_gtdSpec = m_pendingSpec;
  m_gtdSpec.kind = BookKind::GTD;
  m_pendingFactory = std::make_unique<OrderRowFactory>(m_pendingSpec, m_dealers, m_clients, m_rowRng);
  m_gtdFactory = std::make_unique<OrderRowFactory>(m_gtdSpec, m_dealers, m_clients, m_rowRng);
  IndexContracts();
}

SimulatedExchange::~SimulatedExchange() { Stop(); }

void SimulatedExchange::SetRate(double changesPerSecond) {
  if (std::isfinite(changesPerSecond) && changesPerSecond >= 0.0) m_spec.changesPerSecond = changesPerSecond;
}

void SimulatedExchange::IndexContracts() {
  std::vector<std::int32_t> tokens = m_master.Tokens();
  std::sort(tokens.begin(), tokens.end());
  struct Future {
    std::string_view exchange, symbol;
    std::int64_t expiry;
    std::size_t index;
  };
  std::vector<Future> futures;
  for (std::int32_t token : tokens) {
    ScriptDesc* contract = m_master.Find(token);
    m_quoteOfToken[token] = m_quotes.size();
    m_quotes.push_back(ContractQuote::Of(*contract, m_spec.tradingDay));
    if (FieldView(contract->Mkt_Seg) != "F") continue;
    DemoDate expiry;
    const std::int64_t serial =
        DemoCalendar::ParseExpiry(FieldView(contract->cExpiry), expiry) ? DemoCalendar::SerialDay(expiry) : 0;
    futures.push_back({FieldView(contract->cExchangeName), FieldView(contract->Symbol_ScriptID), serial,
                       m_quotes.size() - 1});
  }
  // Neighbouring expiries of one underlying make a calendar spread.
  std::sort(futures.begin(), futures.end(), [](const Future& a, const Future& b) {
    return std::tie(a.exchange, a.symbol, a.expiry, a.index) < std::tie(b.exchange, b.symbol, b.expiry, b.index);
  });
  for (std::size_t i = 1; i < futures.size(); ++i) {
    const Future& a = futures[i - 1];
    const Future& b = futures[i];
    if (a.exchange == b.exchange && a.symbol == b.symbol && a.expiry < b.expiry)
      m_spreadPairs.emplace_back(a.index, b.index);
  }
}

std::uint32_t SimulatedExchange::HighestRefNo(BookKind kind) const {
  std::uint32_t highest = 0;
  for (const OrderBookDetails* row : AppOrderBook::Book(kind).vctAll)
    if (row) highest = std::max(highest, row->RefNo);
  return highest;
}

void SimulatedExchange::IndexOpenOrders() {
  m_open.clear();
  for (BookKind kind : {BookKind::Pending, BookKind::GTD}) {
    const auto& rows = AppOrderBook::Book(kind).vctAll;
    for (const OrderBookDetails* row : rows)
      if (row && row->eOrderStatus == ePending && !row->IsLegRow()) m_open.push_back({kind, AppOrderBook::KeyOf(kind, *row)});
    const std::uint32_t highest = HighestRefNo(kind);
    m_nextRefNo[BookIndex(kind)] =
        std::max(m_nextRefNo[BookIndex(kind)], highest == std::numeric_limits<std::uint32_t>::max() ? highest : highest + 1);
  }
}

bool SimulatedExchange::Start() {
  if (!HasApp()) return false;
  if (!GetSafeHwnd() && !CreateNative(nullptr)) return false;
  IndexOpenOrders();
  m_startMs = m_lastMs = App().Loop().nowMs();
  m_budget = 0.0;
  m_running = SetTimer(kFlowTimerId, static_cast<unsigned>(m_spec.sliceMs)) != 0;
  return m_running;
}

void SimulatedExchange::Stop() {
  if (m_running) KillTimer(kFlowTimerId);
  m_running = false;
}

void SimulatedExchange::OnTimer(orv::platform::UINT_PTR id) {
  if (id != kFlowTimerId || !m_running) return;
  const auto started = ThreadCpuNow();
  const std::int64_t now = App().Loop().nowMs();
  const double rate = m_spec.changesPerSecond;
  m_budget += rate * static_cast<double>(now - m_lastMs) / 1000.0;
  m_lastMs = now;
  // A stalled clock (a modal dialog, a debugger) must not turn into a burst: at most a second owed.
  m_budget = std::clamp(m_budget, -rate, std::max(rate, 1.0));

  // One slice's answers reach the grids as one change each.
  const AppOrderBook::RemovalBatch batch;
  const std::uint64_t before = m_counters.StoreChanges();
  DeliverDue();
  m_budget -= static_cast<double>(m_counters.StoreChanges() - before);
  while (m_budget >= 1.0) {
    PlayOne();
    m_budget -= 1.0;
  }
  SetTimer(kFlowTimerId, static_cast<unsigned>(m_spec.sliceMs));
  m_busy += ThreadCpuNow() - started;
}

void SimulatedExchange::Play(int count) {
  for (int i = 0; i < count; ++i) PlayOne();
}

void SimulatedExchange::DeliverDue() {
  const std::int64_t now = HasApp() ? App().Loop().nowMs() : std::numeric_limits<std::int64_t>::max();
  while (!m_due.empty() && m_due.top().dueMs <= now) {
    const Due due = m_due.top();
    m_due.pop();
    switch (due.answer) {
      case Answer::Confirm: Confirm(due.kind, due.key); break;
      case Answer::CancelDone: FinishCancel(due.kind, due.key); break;
      case Answer::ModifyDone: FinishModify(due.kind, due.key); break;
    }
  }
}

void SimulatedExchange::Schedule(Answer answer, BookKind kind, std::uint32_t key, int afterMs) {
  const std::int64_t now = HasApp() ? App().Loop().nowMs() : 0;
  m_due.push({now + afterMs, m_nextSeq++, answer, kind, key});
}

void SimulatedExchange::PlayOne() {
  OpenOrder order;
  const auto event = static_cast<Event>(m_rng.Weighted(kEventMix));
  if (event == Event::New || !PickOpen(order)) {
    NewOrder();
    return;
  }
  switch (event) {
    case Event::Modify:
      Modify(order);
      break;
    case Event::PartialTrade:
      Trade(order, false);
      break;
    case Event::FullTrade:
      Trade(order, true);
      break;
    default:
      CancelByExchange(order);
      break;
  }
}

std::vector<OrderBookDetails*>* SimulatedExchange::RowsOf(BookKind kind, std::uint32_t key) const {
  std::vector<OrderBookDetails*>* rows = AppOrderBook::Book(kind).mapAll.find(key);
  return rows && !rows->empty() ? rows : nullptr;
}

bool SimulatedExchange::PickOpen(OpenOrder& out) {
  // Closed orders leave the index lazily: a pick that finds one drops it and draws again.
  for (int attempt = 0; attempt < 8 && !m_open.empty(); ++attempt) {
    const std::size_t i = m_rng.Below(static_cast<std::uint32_t>(m_open.size()));
    const OpenOrder candidate = m_open[i];
    const std::vector<OrderBookDetails*>* rows = RowsOf(candidate.kind, candidate.key);
    if (rows && (*rows)[0]->eOrderStatus == ePending) {
      out = candidate;
      return true;
    }
    m_open[i] = m_open.back();
    m_open.pop_back();
  }
  return false;
}

int SimulatedExchange::SecondOfDay() const {
  const std::int64_t elapsed = HasApp() ? (App().Loop().nowMs() - m_startMs) / 1000 : 0;
  return static_cast<int>((m_spec.startSecondOfDay + elapsed) % kSecondsPerDay);
}

void SimulatedExchange::Touch(OrderBookDetails& row) const {
  const int second = SecondOfDay();
  WriteTimePair(second, row.Last_Modified);
  const std::int64_t serial = DemoCalendar::SerialDay(m_spec.tradingDay);
  row.objOrderEntry.setLastModifiedTime(static_cast<std::int32_t>((serial - DemoCalendar::kUnixEpochSerial) * kSecondsPerDay + second));
}

double SimulatedExchange::TickOf(const OrderBookDetails& row) const {
  const auto found = m_quoteOfToken.find(row.lOurToken);
  return found == m_quoteOfToken.end() ? 0.05 : m_quotes[found->second].tick.Value();
}

std::int32_t SimulatedExchange::LotOf(const OrderBookDetails& row) const {
  const auto found = m_quoteOfToken.find(row.lOurToken);
  return found == m_quoteOfToken.end() ? 1 : std::max<std::int32_t>(1, m_quotes[found->second].lotSize);
}

void SimulatedExchange::SetStatus(std::vector<OrderBookDetails*>& rows, OrderStatusIdentifier status,
                                  std::string_view text, std::string_view legText, std::int32_t code) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    OrderBookDetails& row = *rows[i];
    // The order row comes first under its key; the legs of a spread follow it.
    const bool leg = i > 0 && row.eOrderLeg == eSpreadLeg;
    row.eOrderStatus = status;
    CopyText(row.Order_Status, leg ? legText : text);
    row.iOrvelCode = code;
    row.objOrderEntry.setTransactionCode(static_cast<std::int16_t>(code));
    CopyText(row.Status, DemoVocabulary::ExchangeStatusWord(status, row.Traded_Qty > 0 && status == ePending));
    if (row.GTDOrderNo != 0) CopyText(row.GTDOrderStatus, DemoVocabulary::GtdStatusWord(status, IsGtt(row)));
    Touch(row);
  }
}

void SimulatedExchange::NewOrder() {
  const BookKind kind = m_rng.Chance(m_spec.gtdShare) ? BookKind::GTD : BookKind::Pending;
  std::uint32_t& next = m_nextRefNo[BookIndex(kind)];
  if (next == std::numeric_limits<std::uint32_t>::max()) return;  // the book's numbers are used up
  const std::uint32_t refNo = next++;
  const int second = SecondOfDay();
  const double entry = static_cast<double>(DemoCalendar::SerialDay(m_spec.tradingDay)) +
                       static_cast<double>(second) / kSecondsPerDay;
  ++m_position;

  OrderBookDetails rows[3];
  std::size_t count = 1;
  const bool spread = kind == BookKind::Pending && !m_spreadPairs.empty() && m_rng.Chance(m_spec.spreadShare);
  if (spread) {
    const auto& [nearIndex, farIndex] = m_spreadPairs[m_rng.Below(static_cast<std::uint32_t>(m_spreadPairs.size()))];
    m_pendingFactory->MakeSpread(m_quotes[nearIndex], m_quotes[farIndex], refNo, m_position, m_position + 1, rows);
    count = 3;
  } else {
    const ContractQuote& quote = m_quotes[m_rng.Below(static_cast<std::uint32_t>(m_quotes.size()))];
    OrderRowFactory& factory = kind == BookKind::Pending ? *m_pendingFactory : *m_gtdFactory;
    factory.MakeOrder(quote, refNo, m_position, m_position + 1, rows[0]);
  }

  // Whatever state the factory drew, a new order starts as an entry the exchange has not yet
  // confirmed: nothing traded, a provisional number, the exchange clock's time.
  for (std::size_t i = 0; i < count; ++i) {
    OrderBookDetails& row = rows[i];
    const bool leg = i > 0;
    row.eOrderStatus = eUnConfirmed;
    row.iOrvelCode = spread ? kCodeSpreadUnconfirmed : kCodeUnconfirmed;
    CopyText(row.Order_Status, spread ? (leg ? "Un-Confirmed Spread Leg" : "Un-Confirmed Spread")
                                      : OrvEnumsMethods::GetOrderStatus(eUnConfirmed));
    CopyText(row.Status, DemoVocabulary::ExchangeStatusWord(eUnConfirmed, false));
    row.Traded_Qty = 0;
    row.Pending_Qty = row.Total_Qty;
    row.Avg_Price = 0.0;
    row.LastTradedQty = 0;
    row.Reason = 0;
    CopyText(row.Error_Discriptions, "");
    CopyText(row.AMO_OrderID, "");
    CopyText(row.TransType, "OE");
    row.dOrderNumber = static_cast<double>(20000001ull + refNo % 30000000u);
    WriteNumber(row.ExchOrder_No, static_cast<std::int64_t>(row.dOrderNumber));
    row.objOrderEntry.setExchangeOrderNo(row.dOrderNumber);
    row.objOrderEntry.setTransactionCode(static_cast<std::int16_t>(row.iOrvelCode));
    if (row.GTDOrderNo != 0) CopyText(row.GTDOrderStatus, DemoVocabulary::GtdStatusWord(eUnConfirmed, IsGtt(row)));
    WriteTimePair(second, row.Server_Entry_Time);
    row.dtServerEntryTime = orv::platform::OleDateTime(entry);
    Touch(row);
  }
  std::uint32_t key = 0;
  for (std::size_t i = 0; i < count; ++i) {
    OrderBookDetails* stored = AppOrderBook::AddOrder(kind, rows[i]);
    if (i == 0) key = AppOrderBook::KeyOf(kind, *stored);
  }
  ++m_counters.newOrders;
  Schedule(Answer::Confirm, kind, key, m_spec.confirmAfterMs);
}

void SimulatedExchange::Confirm(BookKind kind, std::uint32_t key) {
  std::vector<OrderBookDetails*>* rows = RowsOf(kind, key);
  if (!rows || (*rows)[0]->eOrderStatus != eUnConfirmed) return;  // withdrawn or cancelled meanwhile
  OrderBookDetails& head = *(*rows)[0];
  const bool spread = head.eOrderLeg == eSpreadLeg;
  const std::uint32_t draw = m_rng.Below(1000);

  if (draw < kWithdrawPerMille) {
    // The risk check refused the entry before it left the terminal: the provisional rows go.
    const std::vector<OrderBookDetails*> gone = *rows;
    for (OrderBookDetails* row : gone) AppOrderBook::RemoveOrder(kind, row);
    ++m_counters.withdrawals;
    return;
  }
  if (draw < kWithdrawPerMille + kRejectPerMille) {
    const RejectionText& rejection = m_rng.Pick(DemoVocabulary::Rejections());
    SetStatus(*rows, eRejected, spread ? "Rejected Spread" : OrvEnumsMethods::GetOrderStatus(eRejected),
              "Rejected Spread Leg", spread ? kCodeSpreadRejected : kCodeRejected);
    for (OrderBookDetails* row : *rows) {
      row->Reason = rejection.reason;
      CopyText(row->Error_Discriptions, rejection.text);
      row->Pending_Qty = 0;
    }
    ++m_counters.rejections;
    AppOrderBook::MarkUpdated(kind, *rows);
    return;
  }

  const int exchangeCode = head.lOurToken / 100000000;
  const double number =
      static_cast<double>(static_cast<std::uint64_t>(std::max(exchangeCode, 1)) * 100000000000000ull +
                          static_cast<std::uint64_t>(head.RefNo) * 16u + m_rng.Below(16));
  const std::int32_t code = spread ? kCodeSpreadPending : IsGtt(head) ? kCodeGtt : kCodePending;
  SetStatus(*rows, ePending, spread ? "Spread Pending" : OrvEnumsMethods::GetOrderStatus(ePending),
            "Spread Pending Leg", code);
  for (OrderBookDetails* row : *rows) {
    row->dOrderNumber = number;
    WriteNumber(row->ExchOrder_No, static_cast<std::int64_t>(number));
    row->objOrderEntry.setExchangeOrderNo(number);
  }
  m_open.push_back({kind, key});
  ++m_counters.confirmations;
  AppOrderBook::MarkUpdated(kind, *rows);
}

void SimulatedExchange::Modify(const OpenOrder& order) {
  std::vector<OrderBookDetails*>* rows = RowsOf(order.kind, order.key);
  if (!rows) return;
  OrderBookDetails& head = *(*rows)[0];
  if (head.eOrderLeg == eSpreadLeg) {
    // Spread orders are not modified here: the exchange fills or cancels them.
    Trade(order, true);
    return;
  }
  const double tick = TickOf(head);
  const std::int64_t steps = m_rng.Between(1, 5) * (m_rng.Below(2) == 0 ? -1 : 1);
  const double ticks = std::round(head.Price / tick) + static_cast<double>(steps);
  head.Price = std::max(tick, ticks * tick);
  if (m_rng.Below(100) < 30) {
    // In 64 bits and kept within the field: a contract's lot may be close to its limit.
    const std::int64_t lot = LotOf(head);
    const std::int64_t change = m_rng.Below(2) == 0 ? -lot : lot;
    const std::int64_t total = std::max<std::int64_t>(std::int64_t{head.Traded_Qty} + lot, head.Total_Qty + change);
    head.Total_Qty = static_cast<std::int32_t>(std::min<std::int64_t>(total, std::numeric_limits<std::int32_t>::max()));
    head.Pending_Qty = head.Total_Qty - head.Traded_Qty;
  }
  head.objOrderEntry.setPrice(head.Price);
  head.objOrderEntry.setQuantity(head.Total_Qty);
  CopyText(head.TransType, "OM");
  SetStatus(*rows, ePending, "Modified", "Modified", IsGtt(head) ? kCodeGtt : kCodeModified);
  ++m_counters.modifications;
  AppOrderBook::MarkUpdated(order.kind, *rows);
}

void SimulatedExchange::Trade(const OpenOrder& order, bool full) {
  std::vector<OrderBookDetails*>* rows = RowsOf(order.kind, order.key);
  if (!rows) return;
  OrderBookDetails& head = *(*rows)[0];
  const bool spread = head.eOrderLeg == eSpreadLeg;
  const std::int32_t lot = LotOf(head);
  if (!full && !spread && head.Pending_Qty > lot) {
    const std::int32_t lots = head.Pending_Qty / lot;
    const std::int32_t fill = lot * static_cast<std::int32_t>(m_rng.Between(1, std::max(1, std::min(lots - 1, 5))));
    const double value = head.Avg_Price * head.Traded_Qty + head.Price * fill;
    head.Traded_Qty += fill;
    head.Pending_Qty -= fill;
    head.Avg_Price = value / head.Traded_Qty;
    head.LastTradedQty = static_cast<std::uint32_t>(fill);
    SetStatus(*rows, ePending, "Partially Traded", "Partially Traded", IsGtt(head) ? kCodeGtt : kCodePartlyTraded);
    ++m_counters.partialTrades;
    AppOrderBook::MarkUpdated(order.kind, *rows);
    return;
  }
  for (OrderBookDetails* row : *rows) {
    const std::int32_t fill = row->Pending_Qty;
    const double value = row->Avg_Price * row->Traded_Qty + row->Price * fill;
    row->Traded_Qty = row->Total_Qty;
    row->Pending_Qty = 0;
    if (row->Traded_Qty > 0) row->Avg_Price = value / row->Traded_Qty;
    row->LastTradedQty = static_cast<std::uint32_t>(std::max(fill, 0));
  }
  SetStatus(*rows, eCompleted, spread ? "Spread Traded" : OrvEnumsMethods::GetOrderStatus(eCompleted),
            "Spread Traded Leg", kCodeTraded);
  ++m_counters.fullTrades;
  AppOrderBook::MarkUpdated(order.kind, *rows);
}

void SimulatedExchange::CancelByExchange(const OpenOrder& order) {
  std::vector<OrderBookDetails*>* rows = RowsOf(order.kind, order.key);
  if (!rows) return;
  const bool spread = (*rows)[0]->eOrderLeg == eSpreadLeg;
  const std::string_view reason = kExchangeCancelTexts[m_rng.Below(kExchangeCancelTexts.size())];
  SetStatus(*rows, eCancelled, spread ? "Cancelled Spread" : OrvEnumsMethods::GetOrderStatus(eCancelled),
            "Cancelled Spread Leg", spread ? kCodeSpreadCancelled : kCodeCancelled);
  for (OrderBookDetails* row : *rows) {
    CopyText(row->TransType, "OC");
    CopyText(row->Error_Discriptions, reason);
  }
  ++m_counters.exchangeCancels;
  AppOrderBook::MarkUpdated(order.kind, *rows);
}

int SimulatedExchange::RequestCancel(BookKind kind, const std::vector<std::uint32_t>& keys) {
  int accepted = 0;
  for (std::uint32_t key : keys) {
    const std::vector<OrderBookDetails*>* rows = RowsOf(kind, key);
    if (!rows || !IsOpenStatus((*rows)[0]->eOrderStatus)) {
      ++m_counters.cancelsRefused;
      continue;
    }
    Schedule(Answer::CancelDone, kind, key, m_spec.cancelAfterMs);
    ++m_counters.cancelRequests;
    ++accepted;
  }
  return accepted;
}

void SimulatedExchange::FinishCancel(BookKind kind, std::uint32_t key) {
  std::vector<OrderBookDetails*>* rows = RowsOf(kind, key);
  if (!rows || !IsOpenStatus((*rows)[0]->eOrderStatus)) {
    // Traded, cancelled or withdrawn while the request was on its way.
    ++m_counters.cancelsRefused;
    return;
  }
  const bool spread = (*rows)[0]->eOrderLeg == eSpreadLeg;
  SetStatus(*rows, eCancelled, spread ? "Cancelled Spread" : OrvEnumsMethods::GetOrderStatus(eCancelled),
            "Cancelled Spread Leg", spread ? kCodeSpreadCancelled : kCodeCancelled);
  for (OrderBookDetails* row : *rows) CopyText(row->TransType, "OC");
  ++m_counters.cancelsConfirmed;
  AppOrderBook::MarkUpdated(kind, *rows);
}

bool SimulatedExchange::RequestModify(BookKind kind, std::uint32_t key, const ModifyRequest& request) {
  const std::vector<OrderBookDetails*>* rows = RowsOf(kind, key);
  if (!rows || !IsOpenStatus((*rows)[0]->eOrderStatus) || (*rows)[0]->eOrderLeg == eSpreadLeg) return false;
  const bool waiting = m_modifications.count({kind, key}) != 0;
  m_modifications[{kind, key}] = request;
  if (!waiting) Schedule(Answer::ModifyDone, kind, key, m_spec.confirmAfterMs);
  ++m_counters.modifyRequests;
  return true;
}

void SimulatedExchange::FinishModify(BookKind kind, std::uint32_t key) {
  const auto it = m_modifications.find({kind, key});
  if (it == m_modifications.end()) return;
  const ModifyRequest request = it->second;
  m_modifications.erase(it);
  std::vector<OrderBookDetails*>* rows = RowsOf(kind, key);
  if (!rows) return;
  OrderBookDetails& head = *(*rows)[0];
  const char* refusal = !IsOpenStatus(head.eOrderStatus)   ? "Modification rejected: the order is no longer open"
                        : request.quantity < head.Traded_Qty ? "Modification rejected: quantity below the traded"
                        : request.price < 0.0                ? "Modification rejected: negative price"
                                                             : nullptr;
  if (refusal) {
    CopyText(head.Error_Discriptions, refusal);
    ++m_counters.modifiesRejected;
    AppOrderBook::MarkUpdated(kind, *rows);
    return;
  }
  head.Price = request.price;
  head.Trig_Price = request.triggerPrice;
  head.Total_Qty = request.quantity;
  head.Pending_Qty = request.quantity - head.Traded_Qty;
  head.Disclose_Qty = std::min(request.disclosedQuantity, request.quantity);
  head.objOrderEntry.setPrice(head.Price);
  head.objOrderEntry.setTriggerPrice(head.Trig_Price);
  head.objOrderEntry.setQuantity(head.Total_Qty);
  head.objOrderEntry.set(ORVEL_ORDER_ENTRY::kQuantity106, head.Total_Qty);
  head.objOrderEntry.set(ORVEL_ORDER_ENTRY::kQuantity98, head.Disclose_Qty);
  head.objOrderEntry.set(ORVEL_ORDER_ENTRY::kQuantity102, head.Disclose_Qty);
  CopyText(head.TransType, "OM");
  CopyText(head.Error_Discriptions, "");
  SetStatus(*rows, ePending, "Modified", "Modified", IsGtt(head) ? kCodeGtt : kCodeModified);
  ++m_counters.modifiesConfirmed;
  AppOrderBook::MarkUpdated(kind, *rows);
}

}  // namespace orv::demo
