#include "fuzz/Invariants.h"

#include "host/AppOrderBook.h"
#include "host/platform/Application.h"
#include "host/platform/EventLoop.h"
#include "scenario/ScenarioHost.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <tuple>

namespace orv::fuzz {

namespace {

using nlohmann::json;

constexpr ViewVariant kVariants[] = {ViewVariant::Pending, ViewVariant::GTD};

BookKind BookOf(int variant) { return variant == 0 ? BookKind::Pending : BookKind::GTD; }
int VariantOf(const json& step) { return step.value("view", "pending") == "gtd" ? 1 : 0; }
std::string Name(int variant) { return variant == 0 ? "pending: " : "gtd: "; }

template <typename T>
bool HasDuplicate(std::vector<T> items) {
  std::sort(items.begin(), items.end());
  return std::adjacent_find(items.begin(), items.end()) != items.end();
}

// Nothing in `after` that `before` did not hold: a refused action adds nothing to a list.
bool AddedNothing(std::vector<std::uint32_t> after, std::vector<std::uint32_t> before) {
  std::sort(after.begin(), after.end());
  std::sort(before.begin(), before.end());
  return std::includes(before.begin(), before.end(), after.begin(), after.end());
}

// Which list a step's action fills: the grid's cancel, modify or IOB link, or none.
enum class StepAction { None, Cancel, Modify, Link };

StepAction ActionOf(const json& step) {
  const std::string what = step.value("do", "");
  auto byId = [](unsigned id) {
    if (id == 2063 || id == 2064) return StepAction::Cancel;
    if (id == 2002) return StepAction::Modify;
    if (id == 2012) return StepAction::Link;
    return StepAction::None;
  };
  if (what == "command") return byId(step.value("id", 0u));
  if (what == "menu" && step.value("target", "") != "filterbar") return byId(step.value("choose", 0u));
  if (what != "key" || step.value("ctrl", false) || step.value("alt", false)) return StepAction::None;
  const std::string key = step.value("key", "");
  const bool shift = step.value("shift", false);
  if ((key == "Delete" && !shift) || (key == "F1" && shift)) return StepAction::Cancel;
  if (key == "F2" && shift) return StepAction::Modify;
  return StepAction::None;
}

// Whether the step handed its list to the host: the cancel message, the modify message or the
// IOB link request.
bool HandedOver(StepAction action, int variant, const std::vector<json>& events) {
  const unsigned cancelMessage = DescriptionOf(kVariants[variant]).nCancelMessage;
  for (const json& e : events) {
    if (e.value("ev", "") != "post") continue;
    const unsigned message = e.value("message", 0u);
    if (action == StepAction::Cancel && message == cancelMessage) return true;
    if (action == StepAction::Modify && message == 9899) return true;
    if (action == StepAction::Link && message == 9898 && e.contains("request") &&
        e["request"].value("nRequestId", 0) == 20001)
      return true;
  }
  return false;
}

}  // namespace

InvariantChecker::InvariantChecker(scenario::ScenarioHost& host) : m_host(host) {}

void InvariantChecker::BeforeStep() {
  for (int v = 0; v < 2; ++v) {
    OrderBookRefs book = AppOrderBook::Book(BookOf(v));
    m_before[v] = {book.vctCancellation, book.vctModification};
  }
  m_iobBefore = AppOrderBook::objOrderBook_IOBLinkOrder;
}

void InvariantChecker::NoteRemovals() {
  for (int v = 0; v < 2; ++v) {
    const BookKind kind = BookOf(v);
    const auto& all = AppOrderBook::Book(kind).vctAll;
    std::unordered_set<const OrderBookDetails*> now(all.begin(), all.end());
    for (const OrderBookDetails* record : m_inStore[v])
      if (!now.count(record)) m_removed.insert(record);
    std::set<std::uint32_t> liveKeys, liveRefs;
    for (const OrderBookDetails* record : all) {
      liveKeys.insert(AppOrderBook::KeyOf(kind, *record));
      liveRefs.insert(record->RefNo);
    }
    m_seenKeys[v].insert(liveKeys.begin(), liveKeys.end());
    m_seenRefs[v].insert(liveRefs.begin(), liveRefs.end());
    m_goneKeys[v].clear();
    std::set_difference(m_seenKeys[v].begin(), m_seenKeys[v].end(), liveKeys.begin(), liveKeys.end(),
                        std::inserter(m_goneKeys[v], m_goneKeys[v].end()));
    m_goneRefs[v].clear();
    std::set_difference(m_seenRefs[v].begin(), m_seenRefs[v].end(), liveRefs.begin(), liveRefs.end(),
                        std::inserter(m_goneRefs[v], m_goneRefs[v].end()));
    m_inStore[v] = std::move(now);
  }
}

std::vector<std::string> InvariantChecker::AfterStep(const json& step, const std::vector<json>& events) {
  std::vector<std::string> findings;
  NoteRemovals();
  for (int v = 0; v < 2; ++v) {
    CheckView(v, step, findings);
    CheckLists(v, step, events, findings);
  }
  CheckEvents(step, events, findings);
  return findings;
}

void InvariantChecker::CheckView(int v, const json& step, std::vector<std::string>& findings) {
  OrderBookGrid* grid = m_host.Grid(kVariants[v]);
  OrderBookWnd* wnd = m_host.Window(kVariants[v]);
  if (!grid || !wnd) return;
  auto fail = [&](const std::string& what) { findings.push_back(Name(v) + what); };
  const std::vector<OrderBookDetails*>& rows = grid->RowVector();
  const int count = grid->GetVirtualRowCount();
  OrderBookRefs book = AppOrderBook::Book(BookOf(v));
  // The first fill copies the list and counts nothing until the first tick takes its request.
  const bool firstFill = count == 0 && book.IsInsertPost;
  if (count != static_cast<int>(rows.size()) && !firstFill)
    fail("virtual row count " + std::to_string(count) + " but " + std::to_string(rows.size()) + " rows");

  const int columns = grid->GetColumnCount(true);
  for (const auto& r : grid->GetSelectionRanges()) {
    if (r.IsEmpty()) continue;
    if (r.m_nTop < 0 || r.m_nBottom >= count || r.m_nLeft < -1 || r.m_nRight >= columns)
      fail("selection range [" + std::to_string(r.m_nTop) + ", " + std::to_string(r.m_nBottom) + "] outside " +
           std::to_string(count) + " rows");
  }
  if (grid->GetCurSelItemID().m_nRow >= count) fail("current row outside the grid");

  std::vector<std::pair<std::uint32_t, bool>> pairs;
  for (const auto& entry : book.LastSelected) pairs.emplace_back(entry.RefNo, entry.bLegRow);
  if (HasDuplicate(pairs)) fail("the selection memory holds a pair twice");

  for (const OrderBookDetails* record : rows)
    if (m_removed.count(record)) {
      fail(std::string(wnd->IsVisible() ? "a shown" : "a hidden") + " grid keeps removed order " +
           std::to_string(record->RefNo) + " in its rows");
      break;
    }
  // Once the refresh has taken every request, the rows are the displayed list, filtered in place.
  if (wnd->IsVisible() && !book.IsInsertPost && !book.IsUpdatePost) {
    std::size_t at = 0;
    const auto& displayed = book.vctDisplayed;
    for (const OrderBookDetails* record : rows) {
      while (at < displayed.size() && displayed[at] != record) ++at;
      if (at == displayed.size()) {
        fail("rows are not the displayed list in its order (RefNo " + std::to_string(record ? record->RefNo : 0) + ")");
        break;
      }
      ++at;
    }
  }

  const bool armed = wnd->HasApp() && wnd->App().Loop().hasTimer(grid, grid->Variant().nRefreshTimerId);
  if (wnd->IsVisible() && !armed) fail("a shown window's refresh timer is off");
  // Callers start the timer whether or not the window is shown (at the loop's shortest period);
  // a hidden window's tick lets it lapse.
  if (!wnd->IsVisible() && armed && step.value("do", "") == "run" &&
      step.value("ms", 0u) >= orv::platform::EventLoop::kMinimumTimerMs)
    fail("a hidden window's refresh timer still runs");
}

void InvariantChecker::CheckLists(int v, const json& step, const std::vector<json>& events,
                                  std::vector<std::string>& findings) {
  auto fail = [&](const std::string& what) { findings.push_back(Name(v) + what); };
  OrderBookRefs book = AppOrderBook::Book(BookOf(v));
  if (HasDuplicate(book.vctCancellation)) fail("the cancellation list holds a key twice");
  if (HasDuplicate(book.vctModification)) fail("the modification list holds a key twice");
  if (v == 0 && HasDuplicate(AppOrderBook::objOrderBook_IOBLinkOrder)) fail("the IOB list holds a key twice");
  if (VariantOf(step) != v) return;
  const StepAction action = ActionOf(step);
  if (action == StepAction::None) return;
  if (HandedOver(action, v, events)) {
    const auto& list = action == StepAction::Cancel   ? book.vctCancellation
                       : action == StepAction::Modify ? book.vctModification
                                                  : AppOrderBook::objOrderBook_IOBLinkOrder;
    for (std::uint32_t key : list)
      if (m_goneKeys[v].count(key)) fail("removed order " + std::to_string(key) + " was handed to the host");
    return;
  }
  // Refused (or nothing to do): the lists hold nothing the step put there.
  if (action == StepAction::Cancel && !AddedNothing(book.vctCancellation, m_before[v].cancellation))
    fail("a refused cancel left orders in the cancellation list");
  if (action == StepAction::Modify && !AddedNothing(book.vctModification, m_before[v].modification))
    fail("a refused modify left orders in the modification list");
  if (action == StepAction::Link && !AddedNothing(AppOrderBook::objOrderBook_IOBLinkOrder, m_iobBefore))
    fail("a refused IOB link left orders in the IOB list");
}

void InvariantChecker::CheckEvents(const json& step, const std::vector<json>& events,
                                   std::vector<std::string>& findings) {
  const int v = VariantOf(step);
  std::map<std::tuple<std::string, long long, double, long long>, int> sent;
  for (const json& e : events) {
    const std::string kind = e.value("ev", "");
    if (kind == "log") {
      const std::string text = e.value("text", "");
      if (text.find("Exception In") != std::string::npos || text.find("Exception in") != std::string::npos)
        findings.push_back("an exception left an operation: " + text);
    } else if (kind == "error") {
      const std::string message = e.value("message", "");
      if (message.rfind("the step failed inside", 0) == 0 || message.rfind("delivering posted", 0) == 0)
        findings.push_back("a step threw: " + message);
    } else if (kind == "send") {
      const json& request = e.contains("request") ? e["request"] : json::object();
      const long long ourOrderNo = request.value("ourOrderNo", 0LL);
      const auto key = std::make_tuple(e.value("function", ""), request.value("transactionCode", 0LL),
                                       e.value("orderNumber", 0.0), ourOrderNo);
      if (++sent[key] == 2) findings.push_back("one step sent the same request twice for order " + std::to_string(ourOrderNo));
      if (ourOrderNo > 0 && m_goneRefs[v].count(static_cast<std::uint32_t>(ourOrderNo)))
        findings.push_back("a request was sent for removed order " + std::to_string(ourOrderNo));
    } else if (kind == "call" && e.value("name", "") == "GetCurSelectedOrders" && e.contains("result") &&
               e["result"].is_array()) {
      for (const json& row : e["result"])
        if (m_goneRefs[v].count(row.value("RefNo", 0u)))
          findings.push_back(Name(v) + "GetCurSelectedOrders returned removed order " +
                             std::to_string(row.value("RefNo", 0u)));
    }
  }
}

}  // namespace orv::fuzz
