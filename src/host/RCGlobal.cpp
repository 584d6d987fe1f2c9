#include "host/RCGlobal.h"

#include "host/recordcache/CInMemClientMapper.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>

namespace {

using TextMap = std::map<std::string, std::string, std::less<>>;

std::map<short, std::string> DefaultProductTypes() { return {{1, "NRML"}, {2, "MIS"}, {3, "CNC"}, {4, "MTF"}}; }

struct Maps {
  std::mutex mutex;
  std::map<short, std::string> productTypes = DefaultProductTypes();
  std::map<std::string, TextMap, std::less<>> investorNames;  // client -> dealer ("" any) -> name
  std::map<std::string, std::string, std::less<>>
      participantIds;  // exchange, segment, client joined by a unit separator
};

Maps& Shared() {
  static Maps maps;
  return maps;
}

void CopyOut(std::string_view text, char* out, std::size_t size) {
  if (out == nullptr || size == 0) return;
  const std::size_t n = std::min(text.size(), size - 1);
  if (n > 0) std::memcpy(out, text.data(), n);
  out[n] = '\0';
}

std::string ParticipantKey(std::string_view exchange, std::string_view segment, std::string_view client) {
  std::string key;
  key.reserve(exchange.size() + segment.size() + client.size() + 2);
  key.append(exchange).append(1, '\x1f').append(segment).append(1, '\x1f').append(client);
  return key;
}

}  // namespace

bool RCGlobal::LookupProductType(short code, char* out, std::size_t size) {
  Maps& m = Shared();
  std::lock_guard lock(m.mutex);
  const auto it = m.productTypes.find(code);
  CopyOut(it == m.productTypes.end() ? std::string_view() : std::string_view(it->second), out, size);
  return it != m.productTypes.end();
}

std::string RCGlobal::LookupProductTypeInMap(short code, char* out, std::size_t size) {
  Maps& m = Shared();
  std::lock_guard lock(m.mutex);
  const auto it = m.productTypes.find(code);
  std::string text = it == m.productTypes.end() ? std::string() : it->second;
  CopyOut(text, out, size);
  return text;
}

void RCGlobal::SetProductType(short code, std::string_view text) {
  Maps& m = Shared();
  std::lock_guard lock(m.mutex);
  m.productTypes[code] = std::string(text);
}

void RCGlobal::ResetProductTypes() {
  Maps& m = Shared();
  std::lock_guard lock(m.mutex);
  m.productTypes = DefaultProductTypes();
}

std::string RCGlobal::GetInvestorClientName(std::string_view client, std::string_view dealerId) {
  Maps& m = Shared();
  std::lock_guard lock(m.mutex);
  const auto byClient = m.investorNames.find(client);
  if (byClient == m.investorNames.end()) return {};
  const TextMap& byDealer = byClient->second;
  if (auto it = byDealer.find(dealerId); it != byDealer.end()) return it->second;
  if (auto it = byDealer.find(std::string_view()); it != byDealer.end()) return it->second;
  return {};
}

void RCGlobal::SetInvestorClientName(std::string_view client, std::string_view name, std::string_view dealerId) {
  Maps& m = Shared();
  std::lock_guard lock(m.mutex);
  auto byClient = m.investorNames.find(client);
  if (byClient == m.investorNames.end()) byClient = m.investorNames.emplace(std::string(client), TextMap()).first;
  byClient->second[std::string(dealerId)] = std::string(name);
}

long RCGlobal::LoadInvestorClientNames() {
  const QueryResult rows = CInMemClientMapper::getClass()->Query(
      "select corveluserorinvestorid, corvelclientid, cInvestorName from clientmapper "
      "where cInvestorName is not null and cInvestorName <> ''");
  if (!rows.Ok()) return -1;
  for (long r = 0; r < rows.RowCount(); ++r) {
    SetInvestorClientName(rows.GetText(r, 0), rows.GetText(r, 2), rows.GetText(r, 1));
  }
  return rows.RowCount();
}

std::string RCGlobal::GetClientParticipantID(std::string_view exchange, std::string_view segment,
                                             std::string_view client) {
  Maps& m = Shared();
  const std::string key = ParticipantKey(exchange, segment, client);
  std::lock_guard lock(m.mutex);
  const auto it = m.participantIds.find(key);
  return it == m.participantIds.end() ? std::string() : it->second;
}

void RCGlobal::SetClientParticipantID(std::string_view exchange, std::string_view segment, std::string_view client,
                                      std::string_view participantId) {
  Maps& m = Shared();
  std::string key = ParticipantKey(exchange, segment, client);
  std::lock_guard lock(m.mutex);
  m.participantIds[std::move(key)] = std::string(participantId);
}

void RCGlobal::Clear() {
  Maps& m = Shared();
  std::lock_guard lock(m.mutex);
  m.productTypes = DefaultProductTypes();
  m.investorNames.clear();
  m.participantIds.clear();
}
