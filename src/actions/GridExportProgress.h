#pragma once
// Hears how a grid export written in slices goes: once when it starts, after every slice, and
// once when it ends (written, cancelled or failed), so a host can show progress with a Cancel
// button and say how it ended. The scenario driver turns it into events. One listener at a time;
// it is called on the user-interface thread, from inside the export's timer.
#include <cstddef>
#include <functional>
#include <string>

class OrderBookGrid;

struct GridExportProgress {
  enum class Stage { Writing, Written, Cancelled, Failed };

  OrderBookGrid* grid = nullptr;  // whose export; OrderBookGrid::CancelGridExport stops it
  Stage stage = Stage::Writing;
  std::string path;
  std::size_t rowsWritten = 0;
  std::size_t rowsTotal = 0;
  std::string reason;  // why a failed export failed

  bool Ended() const { return stage != Stage::Writing; }
  // What the host's status line says when the export has ended ("Exported 1,000,000 rows to
  // /home/u/PendingOrders_20261207_153012.xls", "Export cancelled", or the failure message the
  // user was shown); empty while it is still being written.
  std::string StatusText() const;
};

namespace GridExportObserver {

using Listener = std::function<void(const GridExportProgress&)>;

// An empty listener stops the reports.
void SetListener(Listener listener);
void Notify(const GridExportProgress& progress);

}  // namespace GridExportObserver

// 1234567 as "1,234,567".
std::string GroupedCount(std::size_t count);
