#pragma once
// Plays scenario lines against a fresh host and keeps the events as JSON objects.
#include "scenario/EventWriter.h"
#include "scenario/ScenarioHost.h"
#include "scenario/ScenarioPlayer.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class ScenarioFixture : public ::testing::Test {
 protected:
  ScenarioFixture()
      : m_writer([this](const nlohmann::json& e) { m_events.push_back(e); }),
        m_host(std::make_unique<orv::scenario::ScenarioHost>(m_writer)),
        m_player(std::make_unique<orv::scenario::ScenarioPlayer>(*m_host)) {}

  // Plays the lines as lines 1, 2, ... of one scenario (numbering continues across calls) and
  // returns the events they caused.
  std::vector<nlohmann::json> Play(std::initializer_list<std::string> lines) {
    const std::size_t before = m_events.size();
    for (const std::string& line : lines) m_player->PlayLine(line, ++m_line);
    return {m_events.begin() + static_cast<std::ptrdiff_t>(before), m_events.end()};
  }

  static std::vector<nlohmann::json> OfKind(const std::vector<nlohmann::json>& events, const std::string& kind) {
    std::vector<nlohmann::json> out;
    for (const auto& e : events)
      if (e.value("ev", "") == kind) out.push_back(e);
    return out;
  }

  // The usual start: one NSE equity contract, three pending orders, the Pending window shown and
  // refreshed.
  void OpenSmallBook() {
    Play({R"({"do":"contracts","add":{"token":101000002,"cExchangeName":"NSE","Symbol_ScriptID":"RELIANCE","Mkt_Seg":"E","lLotSize":1,"cPriceFormat":"%.2f"}})",
          R"({"do":"orders","add":[{"RefNo":1,"B_S":"BUY","Order_Type":"RL","lOurToken":101000002,"Total_Qty":10,"Pending_Qty":10,"Price":1400},{"RefNo":2,"B_S":"SELL","Order_Type":"RL","lOurToken":101000002,"Total_Qty":4,"Pending_Qty":4,"Price":1410},{"RefNo":3,"B_S":"BUY","Order_Type":"RL","lOurToken":101000002,"Total_Qty":2,"Pending_Qty":2,"Price":1390}]})",
          R"({"do":"open","show":true})", R"({"do":"run","ms":60})"});
  }

  std::vector<nlohmann::json> m_events;
  orv::scenario::EventWriter m_writer;
  std::unique_ptr<orv::scenario::ScenarioHost> m_host;
  std::unique_ptr<orv::scenario::ScenarioPlayer> m_player;
  int m_line = 0;
};
