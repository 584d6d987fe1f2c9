#include "host/AppGlobal.h"

#include "host/ContractMaster.h"
#include "host/LogWriter.h"

#include <charconv>

namespace {

LogWriter* g_logWriter = nullptr;

void WriteThroughLogWriter(const char* source, const char* text) {
  if (g_logWriter && source && text) g_logWriter->Write(source, text);
}

template <typename T>
bool ParseNumber(std::string_view text, T& out) {
  T value{};
  const char* first = text.data();
  const char* last = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec != std::errc{} || ptr != last) return false;
  out = value;
  return true;
}

}  // namespace

void AppGlobal::SetLogWriter(LogWriter* writer) {
  g_logWriter = writer;
  pWriteInLogFile = writer ? &WriteThroughLogWriter : nullptr;
}

LogWriter* AppGlobal::GetLogWriter() { return g_logWriter; }

bool AppGlobal::SetMemberByName(std::string_view name, std::string_view value) {
#define ORV_SET_NUMBER(member) \
  if (name == #member) return ParseNumber(value, member);
#define ORV_SET_TEXT(member) \
  if (name == #member) { member = std::string(value); return true; }
  ORV_APPGLOBAL_INT_MEMBERS(ORV_SET_NUMBER)
  ORV_APPGLOBAL_LONG_MEMBERS(ORV_SET_NUMBER)
  ORV_APPGLOBAL_TEXT_MEMBERS(ORV_SET_TEXT)
#undef ORV_SET_NUMBER
#undef ORV_SET_TEXT
  return false;
}

bool AppGlobal::GetMemberByName(std::string_view name, std::string& value) {
#define ORV_GET_NUMBER(member) \
  if (name == #member) { value = std::to_string(member); return true; }
#define ORV_GET_TEXT(member) \
  if (name == #member) { value = member; return true; }
  ORV_APPGLOBAL_INT_MEMBERS(ORV_GET_NUMBER)
  ORV_APPGLOBAL_LONG_MEMBERS(ORV_GET_NUMBER)
  ORV_APPGLOBAL_TEXT_MEMBERS(ORV_GET_TEXT)
#undef ORV_GET_NUMBER
#undef ORV_GET_TEXT
  return false;
}

std::vector<std::string> AppGlobal::MemberNames() {
  std::vector<std::string> names;
#define ORV_NAME(member) names.emplace_back(#member);
  ORV_APPGLOBAL_INT_MEMBERS(ORV_NAME)
  ORV_APPGLOBAL_LONG_MEMBERS(ORV_NAME)
  ORV_APPGLOBAL_TEXT_MEMBERS(ORV_NAME)
#undef ORV_NAME
  return names;
}

void AppGlobal::ResetForTests() {
#define ORV_RESET(member) member = {};
  ORV_APPGLOBAL_INT_MEMBERS(ORV_RESET)
  ORV_APPGLOBAL_LONG_MEMBERS(ORV_RESET)
  ORV_APPGLOBAL_TEXT_MEMBERS(ORV_RESET)
#undef ORV_RESET
  g_pObjLoginResponse = nullptr;
  objWindowPassing.Clear();
  m_objSingleOrderDetail = {};
  m_pExchangeList = nullptr;
  g_pMktSegmentDetails = nullptr;
  {
    std::lock_guard lock(g_ObjUserInfoMap.mutex);
    g_ObjUserInfoMap.items.clear();
  }
  g_pRetailerUserList = nullptr;
  map_pobjInvestorClientMap.clear();
  map_NonModStrategy.clear();
  g_pScriptDesc = nullptr;
  OrvStorageGlobal::dctExchangeContractMappingByTokenNo.clear();
  m_FocusCtrl.Clear();
  m_pInteractiveRouterMap = nullptr;
  SetLogWriter(nullptr);
}
