#include "host/recordcache/RecordCache.h"

#include "host/recordcache/RecordCacheTables.h"

#include <sqlite3.h>

#include <cstdio>
#include <mutex>

namespace {

struct State {
  std::mutex mutex;
  recordcache::detail::Location location;
  RecordCache::LogSink sink;
};

State& Shared() {
  static State state;
  return state;
}

}  // namespace

bool RecordCache::Open(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec || !std::filesystem::is_directory(folder, ec)) {
    LogError("RecordCache: cannot use folder " + folder.string());
    return false;
  }
  {
    State& s = Shared();
    std::lock_guard lock(s.mutex);
    s.location.inMemory = false;
    s.location.folder = folder;
    ++s.location.generation;
  }
  DisconnectAll();
  return true;
}

void RecordCache::Close() {
  {
    State& s = Shared();
    std::lock_guard lock(s.mutex);
    s.location.inMemory = true;
    s.location.folder.clear();
    ++s.location.generation;
  }
  DisconnectAll();
}

std::size_t RecordCache::MemoryBytes() { return static_cast<std::size_t>(sqlite3_memory_used()); }

bool RecordCache::IsInMemory() {
  State& s = Shared();
  std::lock_guard lock(s.mutex);
  return s.location.inMemory;
}

void RecordCache::SetLogSink(LogSink sink) {
  State& s = Shared();
  std::lock_guard lock(s.mutex);
  s.sink = std::move(sink);
}

void RecordCache::LogError(const std::string& text) {
  LogSink sink;
  {
    State& s = Shared();
    std::lock_guard lock(s.mutex);
    sink = s.sink;
  }
  if (sink) {
    sink(text);
  } else {
    std::fprintf(stderr, "%s\n", text.c_str());
  }
}

recordcache::detail::Location RecordCache::CurrentLocation() {
  State& s = Shared();
  std::lock_guard lock(s.mutex);
  return s.location;
}

void RecordCache::DisconnectAll() {
  // Tables that attach others first, so the in-memory databases go away with their last user.
  CInMemRMSRejection::getClass()->Disconnect();
  CInMemPendingOrders::getClass()->Disconnect();
  CInMemPendingSpreadOrders::getClass()->Disconnect();
  CInMemOrderInfo::getClass()->Disconnect();
  CInMemSpreadOrderInfo::getClass()->Disconnect();
  CInMemTradeInfo::getClass()->Disconnect();
  CInMemExchangeIobOrder::getClass()->Disconnect();
  CInMemClientMapper::getClass()->Disconnect();
}
