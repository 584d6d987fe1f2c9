#include "actions/GridExportProgress.h"

#include "host/SafeFileWriter.h"

#include <utility>

std::string GridExportProgress::StatusText() const {
  switch (stage) {
    case Stage::Writing:
      return {};
    case Stage::Written:
      return "Exported " + GroupedCount(rowsWritten) + (rowsWritten == 1 ? " row to " : " rows to ") + path;
    case Stage::Cancelled:
      return "Export cancelled";
    case Stage::Failed:
      return SafeFileWriter::FailureText(path, reason);
  }
  return {};
}

namespace GridExportObserver {

namespace {
// Only ever touched on the user-interface thread, like the exports themselves.
Listener g_listener;
}  // namespace

void SetListener(Listener listener) { g_listener = std::move(listener); }

void Notify(const GridExportProgress& progress) {
  // The listener may replace itself (a window that closes on the end report).
  const Listener listener = g_listener;
  if (listener) listener(progress);
}

}  // namespace GridExportObserver

std::string GroupedCount(std::size_t count) {
  std::string digits = std::to_string(count);
  std::string out;
  out.reserve(digits.size() + digits.size() / 3);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i != 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}
