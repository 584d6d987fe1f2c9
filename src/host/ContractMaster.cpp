#include "host/ContractMaster.h"

#include "host/AppGlobal.h"

ScriptDesc* CScriptDesc::Add(const ScriptDesc& desc) {
  auto& slot = m_byToken[desc.lToken];
  if (slot) *slot = desc;  // keep the address: records already point at it
  else slot = std::make_unique<ScriptDesc>(desc);
  if (AppGlobal::g_pScriptDesc == this)
    OrvStorageGlobal::dctExchangeContractMappingByTokenNo[desc.lToken] = slot.get();
  return slot.get();
}

int CScriptDesc::Lookup(std::int32_t token, ScriptDesc& out) const {
  if (const ScriptDesc* d = Find(token)) {
    out = *d;
    return 1;
  }
  return 0;
}

ScriptDesc* CScriptDesc::Find(std::int32_t token) const {
  auto it = m_byToken.find(token);
  return it == m_byToken.end() ? nullptr : it->second.get();
}

std::vector<std::int32_t> CScriptDesc::Tokens() const {
  std::vector<std::int32_t> tokens;
  tokens.reserve(m_byToken.size());
  for (const auto& [token, desc] : m_byToken) tokens.push_back(token);
  return tokens;
}

void CScriptDesc::Clear() {
  if (AppGlobal::g_pScriptDesc == this) OrvStorageGlobal::dctExchangeContractMappingByTokenNo.clear();
  m_byToken.clear();
}

void InstallContractMaster(CScriptDesc* master) {
  AppGlobal::g_pScriptDesc = master;
  auto& mapping = OrvStorageGlobal::dctExchangeContractMappingByTokenNo;
  mapping.clear();
  if (!master) return;
  for (std::int32_t token : master->Tokens()) mapping[token] = master->Find(token);
}
