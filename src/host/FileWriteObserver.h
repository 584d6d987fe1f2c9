#pragma once
// Hears of every file the module writes or fails to write (exports, bulk order files): the
// scenario driver turns it into events, a host may log it. One listener at a time.
#include <cstdint>
#include <functional>
#include <string>

namespace FileWriteObserver {

// `reason` is empty when the file was written.
using Listener = std::function<void(const std::string& path, std::uintmax_t bytes, bool ok, const std::string& reason)>;

// An empty listener stops the reports.
void SetListener(Listener listener);
void Notify(const std::string& path, std::uintmax_t bytes, bool ok, const std::string& reason);

}  // namespace FileWriteObserver
