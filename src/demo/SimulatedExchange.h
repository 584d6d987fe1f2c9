#pragma once
// A simulated exchange for the desktop terminal and its tests. It plays a live order flow into the
// host's order store at a set rate (new orders and their confirmations, modifications, partial and
// full trades, exchange cancellations and rejections, spread orders with their legs, GTD orders)
// and carries out the cancellations the host passes on, each confirmed a moment later as a real
// exchange answer would be. It changes the store as a host does: AddOrder for new rows, records
// changed in place followed by MarkUpdated, RemoveOrder for an entry the risk check withdrew.
//
// It is a window of the toolkit stand-in with a timer of its own, so the same flow plays under the
// manual clock of tests and under the real-time clock of the desktop terminal.
#include "demo/ContractQuote.h"
#include "demo/DemoCatalogue.h"
#include "demo/DemoRandom.h"
#include "demo/OrderBookGenerator.h"
#include "host/ContractMaster.h"
#include "host/OrderBookTypes.h"
#include "host/platform/Window.h"
#include "host/records/OrderBookDetails.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <queue>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace orv::demo {

class OrderRowFactory;

struct ExchangeFlowSpec {
  // Store changes a second, confirmations included (each new order is followed by one).
  double changesPerSecond = 50.0;
  std::uint32_t seed = 7;
  double gtdShare = 0.1;      // share of new orders placed in the GTD book
  double spreadShare = 0.03;  // share of new Pending orders that are two-leg calendar spreads
  int confirmAfterMs = 150;   // an entry's confirmation or rejection follows this much later
  int cancelAfterMs = 120;    // a requested cancellation is confirmed this much later
  int sliceMs = 20;           // interval of the flow's timer
  int startSecondOfDay = 10 * 3600;  // the exchange clock when the flow starts (times written into rows)
  DemoDate tradingDay = DemoCatalogue::kTradingDay;
};

struct ExchangeCounters {
  std::uint64_t newOrders = 0;
  std::uint64_t confirmations = 0;
  std::uint64_t modifications = 0;
  std::uint64_t partialTrades = 0;
  std::uint64_t fullTrades = 0;
  std::uint64_t exchangeCancels = 0;
  std::uint64_t rejections = 0;
  std::uint64_t withdrawals = 0;
  std::uint64_t cancelRequests = 0;    // accepted from the host
  std::uint64_t cancelsConfirmed = 0;
  std::uint64_t cancelsRefused = 0;    // unknown keys, orders no longer open, or traded meanwhile
  std::uint64_t modifyRequests = 0;    // accepted from the host
  std::uint64_t modifiesConfirmed = 0;
  std::uint64_t modifiesRejected = 0;  // closed meanwhile, or a quantity below what traded

  // Changes written to the store.
  std::uint64_t StoreChanges() const {
    return newOrders + confirmations + modifications + partialTrades + fullTrades + exchangeCancels + rejections +
           withdrawals + cancelsConfirmed + modifiesConfirmed + modifiesRejected;
  }
};

class SimulatedExchange final : public orv::platform::Window {
 public:
  static constexpr orv::platform::UINT_PTR kFlowTimerId = 1;

  // Binds to the Application current on this thread. The master must outlive the exchange and
  // hold at least one contract. Throws std::invalid_argument for a negative or non-finite rate, a
  // share outside 0..1 or a slice below 1 ms.
  SimulatedExchange(const CScriptDesc& master, ExchangeFlowSpec spec);
  ~SimulatedExchange() override;

  // Indexes the open orders both books hold now and starts the flow's timer (creating the native
  // window when needed). False when the exchange has no Application to time it.
  bool Start();
  void Stop();
  bool IsRunning() const { return m_running; }

  // Plays `count` random flow events at once, on top of what the timer plays.
  void Play(int count);
  // Delivers the confirmations and answers due by the event loop's clock.
  void DeliverDue();

  // Cancels the orders stored under these keys (RefNo; GTD: the low 32 bits of GTDOrderNo). An
  // order that is still open is confirmed cancelled `cancelAfterMs` later, unless it traded in
  // the meantime; other keys are refused. Returns how many were accepted.
  int RequestCancel(BookKind kind, const std::vector<std::uint32_t>& keys);

  // The new values of a modification the host passes on.
  struct ModifyRequest {
    double price = 0.0;
    double triggerPrice = 0.0;
    std::int32_t quantity = 0;
    std::int32_t disclosedQuantity = 0;
  };
  // Modifies an open order stored under `key` (not a spread order): `confirmAfterMs` later the
  // order works at the new values ("Modified"), or keeps its old ones with the reason in
  // Error_Discriptions when it closed meanwhile or the quantity is below what traded. A second
  // request before the answer replaces the first. False when the order is unknown or not open.
  bool RequestModify(BookKind kind, std::uint32_t key, const ModifyRequest& request);

  const ExchangeCounters& Counters() const { return m_counters; }
  const ExchangeFlowSpec& Spec() const { return m_spec; }
  void SetRate(double changesPerSecond);
  // Orders confirmed and still open as far as the flow's index knows (it forgets closed orders
  // lazily, so the figure may run a little high).
  std::size_t OpenOrderCount() const { return m_open.size(); }
  std::size_t AnswersWaiting() const { return m_due.size(); }
  // CPU time of the thread spent inside the flow's timer since construction.
  std::chrono::nanoseconds BusyTime() const { return m_busy; }

  void OnTimer(orv::platform::UINT_PTR id) override;

 private:
  enum class Answer : std::uint8_t { Confirm, CancelDone, ModifyDone };
  struct Due {
    std::int64_t dueMs;
    std::uint64_t seq;
    Answer answer;
    BookKind kind;
    std::uint32_t key;
    bool operator>(const Due& other) const {
      return dueMs != other.dueMs ? dueMs > other.dueMs : seq > other.seq;
    }
  };
  struct OpenOrder {
    BookKind kind;
    std::uint32_t key;
  };

  void IndexContracts();
  void IndexOpenOrders();
  std::uint32_t HighestRefNo(BookKind kind) const;
  void Schedule(Answer answer, BookKind kind, std::uint32_t key, int afterMs);
  // Plays one random event; false when nothing could be done.
  void PlayOne();

  void NewOrder();
  void Confirm(BookKind kind, std::uint32_t key);
  void FinishCancel(BookKind kind, std::uint32_t key);
  void FinishModify(BookKind kind, std::uint32_t key);
  void Modify(const OpenOrder& order);
  void Trade(const OpenOrder& order, bool full);
  void CancelByExchange(const OpenOrder& order);

  // The rows stored under a key (the order row first, then the legs); empty when unknown.
  std::vector<OrderBookDetails*>* RowsOf(BookKind kind, std::uint32_t key) const;
  // A random confirmed open order, or false when the index holds none.
  bool PickOpen(OpenOrder& out);
  // Writes a status on every row of an order: code, texts (leg rows get the leg text) and the
  // exchange clock.
  void SetStatus(std::vector<OrderBookDetails*>& rows, OrderStatusIdentifier status, std::string_view text,
                 std::string_view legText, std::int32_t code);
  void Touch(OrderBookDetails& row) const;
  int SecondOfDay() const;
  double TickOf(const OrderBookDetails& row) const;
  std::int32_t LotOf(const OrderBookDetails& row) const;

  const CScriptDesc& m_master;
  ExchangeFlowSpec m_spec;
  DemoRandom m_rng;
  DemoRandom m_rowRng;
  OrderBookSpec m_pendingSpec;
  OrderBookSpec m_gtdSpec;
  std::vector<std::string> m_dealers;
  std::vector<std::string> m_clients;
  std::unique_ptr<OrderRowFactory> m_pendingFactory;
  std::unique_ptr<OrderRowFactory> m_gtdFactory;

  std::vector<ContractQuote> m_quotes;
  std::unordered_map<std::int32_t, std::size_t> m_quoteOfToken;
  std::vector<std::pair<std::size_t, std::size_t>> m_spreadPairs;

  std::vector<OpenOrder> m_open;
  std::priority_queue<Due, std::vector<Due>, std::greater<Due>> m_due;
  // Modifications on their way, by book and key (the latest request of an order wins).
  std::map<std::pair<BookKind, std::uint32_t>, ModifyRequest> m_modifications;
  std::uint64_t m_nextSeq = 0;
  std::uint32_t m_nextRefNo[2] = {1, 1};
  std::uint64_t m_position = 0;  // orders placed, for the factory's session placement

  ExchangeCounters m_counters;
  bool m_running = false;
  std::int64_t m_startMs = 0;
  std::int64_t m_lastMs = 0;
  double m_budget = 0.0;  // store changes owed to the rate, carried between slices
  std::chrono::nanoseconds m_busy{0};
};

}  // namespace orv::demo
