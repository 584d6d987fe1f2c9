#pragma once
// What must hold after every step the fuzzer plays, whatever the step was. Each broken rule is a
// finding: one line naming the view and what broke.
#include "host/records/OrderBookDetails.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

namespace orv::scenario {
class ScenarioHost;
}

namespace orv::fuzz {

class InvariantChecker final {
 public:
  explicit InvariantChecker(scenario::ScenarioHost& host);

  // Before each step: what the lists hold now, so a refused action can be told from an earlier one.
  void BeforeStep();
  // After the step `step` caused `events`: every finding, none when all holds.
  std::vector<std::string> AfterStep(const nlohmann::json& step, const std::vector<nlohmann::json>& events);

 private:
  struct BookState {
    std::vector<std::uint32_t> cancellation, modification;
  };

  void NoteRemovals();
  void CheckView(int variant, const nlohmann::json& step, std::vector<std::string>& findings);
  void CheckLists(int variant, const nlohmann::json& step, const std::vector<nlohmann::json>& events,
                  std::vector<std::string>& findings);
  void CheckEvents(const nlohmann::json& step, const std::vector<nlohmann::json>& events,
                   std::vector<std::string>& findings);

  scenario::ScenarioHost& m_host;
  // Every record the store holds, and every record it took out this episode (the store keeps the
  // memory of a removed record until it is emptied, so the pointers are never reused meanwhile).
  std::unordered_set<const OrderBookDetails*> m_inStore[2];
  std::unordered_set<const OrderBookDetails*> m_removed;
  // Order keys (the lists' keys) and RefNos seen this episode, and those no row of the store has
  // any more: a request or a list naming one read a removed order.
  std::set<std::uint32_t> m_seenKeys[2], m_seenRefs[2], m_goneKeys[2], m_goneRefs[2];
  BookState m_before[2];
  std::vector<std::uint32_t> m_iobBefore;
};

}  // namespace orv::fuzz
