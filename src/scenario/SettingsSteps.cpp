// Steps that set up the host: its settings, the contract master and the answers of the next
// message boxes.
#include "host/AppGlobal.h"
#include "host/GeneralXmlSettings.h"
#include "host/platform/MessageBoxService.h"
#include "scenario/RecordFields.h"
#include "scenario/ScenarioHost.h"
#include "scenario/StepArgs.h"
#include "scenario/StepGroups.h"
#include "scenario/StepTable.h"
#include "view/OrderBookWnd.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace orv::scenario {

namespace {

using Apply = std::function<void()>;

std::string SettingText(const nlohmann::json& value, const std::string& name) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_boolean()) return value.get<bool>() ? "1" : "0";
  if (value.is_number_integer()) return std::to_string(StepArgs::ToInt(value, name));
  StepArgs::Fail("setting \"" + name + "\" takes a whole number or a text, not " + value.dump());
}

// The login record's fields a scenario may set.
Apply LoginSetting(ScenarioHost& host, const std::string& field, const nlohmann::json& value, const std::string& name) {
  ORVEL5901& login = host.Login();
  if (field == "userId") {
    std::string text = StepArgs::ToText(value, name);
    if (text.size() >= ORVEL5901::kUserIdWidth)
      StepArgs::Fail("\"" + name + "\" holds at most " + std::to_string(ORVEL5901::kUserIdWidth - 1) + " characters");
    return [&login, text] { login.setUserId(text); };
  }
  if (field == "userType") {
    auto v = StepArgs::ToIntIn<std::int16_t>(value, name);
    if (v != 0 && v != 1 && v != 3)
      StepArgs::Fail("\"" + name + "\" is 0 (dealer), 1 (administrator) or 3 (mini administrator), not " +
                     std::to_string(v));
    return [&login, v] { login.setUserType(v); };
  }
  if (field == "allClients") {
    auto v = StepArgs::ToIntIn<std::int16_t>(value, name);
    return [&login, v] { login.setAllClients(v); };
  }
  if (field == "accountFlag") {
    auto v = StepArgs::ToIntIn<std::uint8_t>(value, name);
    return [&login, v] { login.setAccountFlag(v); };
  }
  if (field == "transactionCode") {
    auto v = StepArgs::ToIntIn<std::int16_t>(value, name);
    return [&login, v] { login.set(ORVEL5901::kTransactionCode, v); };
  }
  StepArgs::Fail("the login record has no field \"" + field + "\" (userId, userType, allClients, accountFlag, "
                 "transactionCode)");
}

// "objPendingFilter.bSaveFilter", "objGTDFilter.cBuySellFilter", ...: the saved filter blocks of
// the general settings.
Apply FilterBlockSetting(OrderBookFilterSettings& block, const std::string& field, const nlohmann::json& value,
                         const std::string& name) {
  if (field == "bSaveFilter" || field == "bOpenWithSorting") {
    const bool on = StepArgs::ToBool(value, name);
    bool OrderBookFilterSettings::*member =
        field == "bSaveFilter" ? &OrderBookFilterSettings::bSaveFilter : &OrderBookFilterSettings::bOpenWithSorting;
    return [&block, member, on] { block.*member = on; };
  }
  std::string OrderBookFilterSettings::*member = nullptr;
  if (field == "cRangeStart") member = &OrderBookFilterSettings::cRangeStart;
  if (field == "cRangeEnd") member = &OrderBookFilterSettings::cRangeEnd;
  static const char* const kNames[] = {
      "cBuySellFilter", "cOrderStatusFilter", "cOrderStyleFilter", "cProClientFilter", "cOrvelClientIdFilter",
      "cExchCodeFilter", "cMktSegFilter", "cSymbolFilter", "cSerExpGroupFilter", "cStrikeFilter",
      "cOptionTypeFilter", "cScripNameFilter", "cOrderTypeFilter", "cClientFilter", "cExchOrderNoFilter",
      "cValidityFilter", "cStrategyFilter", "cOrderLegFilter", "cProdTypeFilter"};
  static_assert(std::size(kNames) == OrderBookFilterSettings::kColumnSlots.size());
  for (std::size_t i = 0; i < std::size(kNames); ++i)
    if (field == kNames[i]) member = OrderBookFilterSettings::kColumnSlots[i].text;
  if (!member) StepArgs::Fail("the saved filter block has no field \"" + field + "\"");
  std::string text = StepArgs::ToText(value, name);
  return [&block, member, text] { block.*member = text; };
}

std::vector<std::string> TextList(const nlohmann::json& value, const std::string& name) {
  if (!value.is_array()) StepArgs::Fail("\"" + name + "\" takes a list of texts");
  std::vector<std::string> out;
  for (const nlohmann::json& v : value) out.push_back(StepArgs::ToText(v, name));
  return out;
}

// The host's lists and maps the module reads. The lists live as long as the program, since the
// host's globals only point at them.
Apply HostListSetting(ScenarioHost& host, const std::string& name, const nlohmann::json& value, bool& known) {
  known = true;
  static std::vector<std::string> exchangeList, retailerList;
  static MktSegmentDetails segments;
  if (name == "m_pExchangeList" || name == "g_pRetailerUserList") {
    std::vector<std::string>& storage = name == "m_pExchangeList" ? exchangeList : retailerList;
    std::vector<std::string>*& global = name == "m_pExchangeList" ? AppGlobal::m_pExchangeList : AppGlobal::g_pRetailerUserList;
    if (value.is_null()) return [&global] { global = nullptr; };
    std::vector<std::string> list = TextList(value, name);
    return [&storage, &global, list] {
      storage = list;
      global = &storage;
    };
  }
  if (name == "map_NonModStrategy") {
    std::map<std::string, int> map;
    for (const std::string& strategy : TextList(value, name)) map[strategy] = 1;
    return [map] { AppGlobal::map_NonModStrategy = map; };
  }
  if (name == "map_pobjInvestorClientMap" || name == "g_pMktSegmentDetails") {
    if (!value.is_object()) StepArgs::Fail("\"" + name + "\" takes an object");
    if (name == "g_pMktSegmentDetails") {
      MktSegmentDetails details;
      for (const auto& [exchange, list] : value.items()) details.mapSegments[exchange] = TextList(list, name);
      return [details] {
        segments = details;
        AppGlobal::g_pMktSegmentDetails = &segments;
      };
    }
    std::map<std::string, std::string> map;
    for (const auto& [code, client] : value.items()) map[code] = StepArgs::ToText(client, name);
    return [map] { AppGlobal::map_pobjInvestorClientMap = map; };
  }
  if (name == "g_ObjUserInfoMap") {
    if (!value.is_object()) StepArgs::Fail("\"g_ObjUserInfoMap\" takes an object of user ids");
    std::map<std::string, UserInfo> users;
    for (const auto& [id, info] : value.items()) {
      if (!info.is_object()) StepArgs::Fail("a user of \"g_ObjUserInfoMap\" is an object");
      UserInfo& u = users[id];
      for (const auto& [field, v] : info.items()) {
        if (field == "cRole") u.cRole = StepArgs::ToText(v, field);
        else if (field == "cOwnerId") u.cOwnerId = StepArgs::ToText(v, field);
        else if (field == "iState") u.iState = StepArgs::ToIntIn<int>(v, field);
        else if (field == "iIBT") u.iIBT = StepArgs::ToIntIn<int>(v, field);
        else StepArgs::Fail("a user has no field \"" + field + "\" (cRole, cOwnerId, iState, iIBT)");
      }
    }
    return [users] {
      std::lock_guard lock(AppGlobal::g_ObjUserInfoMap.mutex);
      AppGlobal::g_ObjUserInfoMap.items = users;
    };
  }
  if (name == "pending.closeOnEscape" || name == "gtd.closeOnEscape") {
    const ViewVariant variant = name[0] == 'p' ? ViewVariant::Pending : ViewVariant::GTD;
    const bool on = StepArgs::ToBool(value, name);
    OrderBookWnd& wnd = host.RequireWindow(variant);
    return [&wnd, on] { wnd.SetCloseOnEscape(on); };
  }
  if (name == "pending.strStoredToken" || name == "gtd.strStoredToken") {
    // The token text the host's status-bar code keeps for the window (the F3 titles read it).
    const ViewVariant variant = name[0] == 'p' ? ViewVariant::Pending : ViewVariant::GTD;
    std::string token = StepArgs::ToText(value, name);
    OrderBookWnd& wnd = host.RequireWindow(variant);
    return [&wnd, token] { wnd.BuySellTotals().SetStoredToken(token); };
  }
  known = false;
  return {};
}

Apply SettingOf(ScenarioHost& host, const std::string& name, const nlohmann::json& value) {
  bool known = false;
  if (Apply list = HostListSetting(host, name, value, known); known) return list;
  if (name.rfind("login.", 0) == 0) return LoginSetting(host, name.substr(6), value, name);
  if (name.rfind("objPendingFilter.", 0) == 0)
    return FilterBlockSetting(regGeneralXMLSettings.objPendingFilter, name.substr(17), value, name);
  if (name.rfind("objGTDFilter.", 0) == 0)
    return FilterBlockSetting(regGeneralXMLSettings.objGTDFilter, name.substr(13), value, name);
  std::string current;
  if (!AppGlobal::GetMemberByName(name, current)) StepArgs::Fail("unknown setting \"" + name + "\"");
  std::string text = SettingText(value, name);
  // Try it on a scratch copy first, so a bad value fails the step before anything changed.
  if (!AppGlobal::SetMemberByName(name, text)) StepArgs::Fail("setting \"" + name + "\" takes a whole number");
  AppGlobal::SetMemberByName(name, current);
  return [name, text] { AppGlobal::SetMemberByName(name, text); };
}

void Settings(ScenarioHost& host, const StepArgs& args) {
  const nlohmann::json& set = args.Require("set");
  if (!set.is_object()) StepArgs::Fail("\"set\" must be an object of setting names and values");
  std::vector<Apply> changes;
  for (const auto& [name, value] : set.items()) changes.push_back(SettingOf(host, name, value));
  for (const Apply& change : changes) change();
}

void Contracts(ScenarioHost& host, const StepArgs& args) {
  const nlohmann::json& add = args.Require("add");
  std::vector<ScriptDesc> entries;
  auto read = [&](const nlohmann::json& item) {
    if (!item.is_object()) StepArgs::Fail("each contract must be an object");
    const nlohmann::json* token = item.contains("token") ? &item["token"] : item.contains("lToken") ? &item["lToken"]
                                                                                                   : nullptr;
    if (!token) StepArgs::Fail("a contract needs its \"token\"");
    const auto id = StepArgs::ToIntIn<std::int32_t>(*token, "token");
    // A known token is changed in place: orders already point at the entry.
    ScriptDesc desc;
    if (const ScriptDesc* known = host.Master().Find(id)) desc = *known;
    for (const auto& [name, value] : item.items()) SetContractField(desc, name, value);
    entries.push_back(desc);
  };
  if (add.is_array()) {
    for (const nlohmann::json& item : add) read(item);
  } else {
    read(add);
  }
  for (const ScriptDesc& desc : entries) host.Master().Add(desc);
}

int AnswerCode(const nlohmann::json& value) {
  const std::string word = StepArgs::ToText(value, "answer");
  if (word == "yes") return orv::platform::IDYES;
  if (word == "no") return orv::platform::IDNO;
  if (word == "ok") return orv::platform::IDOK;
  if (word == "cancel") return orv::platform::IDCANCEL;
  StepArgs::Fail("an answer is \"yes\", \"no\", \"ok\" or \"cancel\", not \"" + word + "\"");
}

void Answer(ScenarioHost& host, const StepArgs& args) {
  std::vector<int> answers;
  if (const nlohmann::json* one = args.Find("answer")) answers.push_back(AnswerCode(*one));
  if (const nlohmann::json* many = args.Find("answers")) {
    if (!many->is_array()) StepArgs::Fail("\"answers\" must be a list");
    for (const nlohmann::json& a : *many) answers.push_back(AnswerCode(a));
  }
  const bool clear = args.Bool("clear", false);
  if (answers.empty() && !clear) StepArgs::Fail("step \"answer\" needs \"answer\", \"answers\" or \"clear\"");
  auto& boxes = host.App().MessageBoxes();
  if (clear) boxes.ClearAnswers();
  for (int a : answers) boxes.QueueAnswer(a);
}

}  // namespace

void AddSettingsSteps(StepTable& table) {
  table.Add({"settings", {"set"}, &Settings});
  table.Add({"contracts", {"add"}, &Contracts});
  table.Add({"answer", {"answer", "answers", "clear"}, &Answer});
}

}  // namespace orv::scenario
