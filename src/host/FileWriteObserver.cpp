#include "host/FileWriteObserver.h"

#include <mutex>

namespace FileWriteObserver {

namespace {
std::mutex g_mutex;
Listener g_listener;
}  // namespace

void SetListener(Listener listener) {
  std::lock_guard lock(g_mutex);
  g_listener = std::move(listener);
}

void Notify(const std::string& path, std::uintmax_t bytes, bool ok, const std::string& reason) {
  Listener listener;
  {
    std::lock_guard lock(g_mutex);
    listener = g_listener;
  }
  if (listener) listener(path, bytes, ok, reason);
}

}  // namespace FileWriteObserver
