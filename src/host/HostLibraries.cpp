#include "host/HostLibraries.h"

#include "host/AppGlobal.h"
#include "host/EntryPointRegistry.h"

#include <cstdio>
#include <ctime>

namespace {

int g_pendingOrderFlag = -1;

int RemoveItem(long) { return 0; }
long ItemCount() { return 0; }
void RemovePendingAll() {}
void SetPendingOrderFlag(int flag) { g_pendingOrderFlag = flag; }

void WriteInLogFile(const char* source, const char* text) {
  if (AppGlobal::pWriteInLogFile) AppGlobal::pWriteInLogFile(source, text);
}

int ConvertTime(long time, char* dateOut, int dateSize, int* hour, int* minute, int* second) {
  std::time_t t = static_cast<std::time_t>(time);
  std::tm tm{};
  if (!localtime_r(&t, &tm)) return 0;
  if (dateOut && dateSize > 0) std::strftime(dateOut, static_cast<std::size_t>(dateSize), "%d-%b-%Y", &tm);
  if (hour) *hour = tm.tm_hour;
  if (minute) *minute = tm.tm_min;
  if (second) *second = tm.tm_sec;
  return 1;
}

int ExpiryConversion(long expiry, char* out, int size) {
  std::time_t t = static_cast<std::time_t>(expiry);
  std::tm tm{};
  if (!out || size <= 0 || !gmtime_r(&t, &tm)) return 0;
  return static_cast<int>(std::strftime(out, static_cast<std::size_t>(size), "%d%b%Y", &tm));
}

long ConvertTimeInTimeStamp(const char* text) {
  if (!text) return 0;
  std::tm tm{};
  int h = 0, m = 0, s = 0;
  if (std::sscanf(text, "%d:%d:%d", &h, &m, &s) != 3) return 0;
  std::time_t now = std::time(nullptr);
  localtime_r(&now, &tm);
  tm.tm_hour = h;
  tm.tm_min = m;
  tm.tm_sec = s;
  return static_cast<long>(std::mktime(&tm));
}

}  // namespace

namespace HostLibraries {

void RegisterDefaults() {
  auto& r = EntryPointRegistry::Instance();
  r.Register(kTradeBridgeLibrary, "RemoveItem", &RemoveItem);
  r.Register(kTradeBridgeLibrary, "ItemCount", &ItemCount);
  r.Register(kTradeBridgeLibrary, "RemovePendingAll", &RemovePendingAll);
  r.Register(kTradeBridgeLibrary, "SetPendingOrderFlag", &SetPendingOrderFlag);
  r.Register(kCommonIncludeLibrary, "WriteInLogFile", &WriteInLogFile);
  r.Register(kCommonIncludeLibrary, "ConvertTime", &ConvertTime);
  for (const char* name : {"ExpiryConversion", "MCXExpiryConversion", "CMEExpiryConversion", "DGCXExpiryConversion"})
    r.Register(kCommonIncludeLibrary, name, &ExpiryConversion);
  r.Register(kCommonIncludeLibrary, "ConvertTimeInTimeStamp", &ConvertTimeInTimeStamp);
}

int LastPendingOrderFlag() { return g_pendingOrderFlag; }
void ResetPendingOrderFlag() { g_pendingOrderFlag = -1; }

}  // namespace HostLibraries
