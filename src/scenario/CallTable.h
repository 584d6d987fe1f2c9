#pragma once
// The module's exported entry points a scenario may call by name, with their arguments given as
// a list. New entry points are new rows of the table (CallTable.cpp).
#include "view/ViewVariant.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

class OrderBookGrid;
class OrderBookWnd;

namespace orv::scenario {

class ScenarioHost;

// The positional arguments of one call, checked as they are read.
class CallArgs final {
 public:
  CallArgs(std::string_view entry, const nlohmann::json& list, std::vector<std::string> names);

  std::int64_t Int(std::size_t index) const;
  bool Bool(std::size_t index) const;
  std::string Text(std::size_t index) const;
  std::vector<std::string> TextList(std::size_t index) const;
  const nlohmann::json& At(std::size_t index) const;

 private:
  std::string m_entry;
  const nlohmann::json& m_list;
  std::vector<std::string> m_names;
};

struct CallContext {
  ScenarioHost& host;
  ViewVariant variant;
  OrderBookWnd& wnd;
  OrderBookGrid& grid;
};

struct CallEntry {
  std::string_view name;
  std::vector<std::string> args;  // argument names, for messages and the documentation
  // The result as the event shows it (null for entry points that return nothing).
  nlohmann::json (*invoke)(CallContext& context, const CallArgs& args);
};

// Null for an unknown name.
const CallEntry* FindCallEntry(std::string_view name);
std::vector<std::string> CallEntryNames();

}  // namespace orv::scenario
