#pragma once
// Makes the fuzzer's scenario steps: a table of weighted step makers, each writing one JSON Lines
// step of the scenario library from the choices and what the host shows now (the orders in the
// store, the rows of the grids), so updates and removals hit the selected and current orders.
#include "fuzz/FuzzChoices.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <vector>

struct OrderBookDetails;

namespace orv::scenario {
class ScenarioHost;
}

namespace orv::fuzz {

class StepGenerator final {
 public:
  StepGenerator(Choices& choices, scenario::ScenarioHost& host) : m_choices(choices), m_host(host) {}

  // The steps every episode starts with: the contract master and a few settings.
  std::vector<nlohmann::json> Opening();
  nlohmann::json Next();

  Choices& Pick() { return m_choices; }
  scenario::ScenarioHost& Host() { return m_host; }
  // A view by the choices ("pending" or "gtd"), mostly an open one.
  std::string View();
  // A RefNo no order of the episode had before.
  std::uint32_t FreshRefNo() { return ++m_lastRefNo; }
  // A row of the view's store, often the grid's current row; null when the store is empty.
  const OrderBookDetails* KnownOrder(const std::string& view);
  std::uint32_t KnownRefNo(const std::string& view);

 private:
  Choices& m_choices;
  scenario::ScenarioHost& m_host;
  std::uint32_t m_lastRefNo = 0;
};

}  // namespace orv::fuzz
