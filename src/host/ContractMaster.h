#pragma once
// The contract master: token -> contract entry. Entries live as long as the master and never move,
// so order records may point at them.
#include "host/records/ScriptDesc.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class CScriptDesc final {
 public:
  // Adds or replaces the entry of desc.lToken; returns the stored entry (its address is stable).
  ScriptDesc* Add(const ScriptDesc& desc);
  // Nonzero, with `out` filled, when the token is known.
  int Lookup(std::int32_t token, ScriptDesc& out) const;
  ScriptDesc* Find(std::int32_t token) const;
  std::size_t Count() const { return m_byToken.size(); }
  std::vector<std::int32_t> Tokens() const;
  void Clear();

 private:
  std::unordered_map<std::int32_t, std::unique_ptr<ScriptDesc>> m_byToken;
};

namespace OrvStorage {

struct OrvStorageGlobal {
  // Token -> contract entry, as the storage library exposes it.
  static inline std::unordered_map<std::int32_t, ScriptDesc*> dctExchangeContractMappingByTokenNo;
};

struct OrvStorageEnvironment {
  // The application's data folder (settings, logs, exported files).
  static inline std::string CustomAppPath;
};

}  // namespace OrvStorage

using OrvStorage::OrvStorageEnvironment;
using OrvStorage::OrvStorageGlobal;

// Makes `master` the host's contract master: AppGlobal::g_pScriptDesc and the storage mapping.
void InstallContractMaster(CScriptDesc* master);
