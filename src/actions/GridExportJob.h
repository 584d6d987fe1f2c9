#pragma once
// Writes a grid export in slices on the user-interface thread: a one-shot timer writes a slice of
// rows and re-arms itself until every row is written, so the records are only ever read on the
// thread that changes them and a large grid never freezes the window. A slice ends after
// kRowsPerSlice rows or once it has run for kSliceBudgetMs, whichever comes first: short enough
// for the window to answer input between two slices, long enough that the pause the timer takes
// between them costs little.
//
// Every step is reported to the GridExportObserver: the start, each slice, and the end (written,
// cancelled or failed), each end exactly once.
//
// The job is a small native child of its grid, so its timer runs whether or not the view is
// visible; destroying the grid drops the timer with it. A job destroyed before it finished
// removes its incomplete file.
#include "actions/GridExport.h"
#include "actions/GridExportProgress.h"
#include "host/platform/Window.h"

#include <cstddef>
#include <string>

class OrderBookGrid;

class GridExportJob final : public orv::platform::Window {
 public:
  static constexpr orv::platform::UINT_PTR kSliceTimerId = 10170;
  static constexpr std::size_t kRowsPerSlice = 20000;
  static constexpr int kSliceBudgetMs = 40;

  // Whether slices also end at kSliceBudgetMs (the default). A host that drives the loop by hand
  // and needs the same slices on every machine (the scenario driver) turns it off.
  static void SetTimeBoundSlices(bool bounded) { s_timeBound = bounded; }

  GridExportJob(OrderBookGrid& grid, orv::platform::Application& app);
  ~GridExportJob() override;

  // Starts exporting the grid to `path`. An export still running is finished first. When the
  // grid cannot drive a timer (it has no native window) the whole file is written at once.
  // False when the file cannot be created.
  bool Start(const std::string& path);
  bool IsRunning() const { return m_export.IsOpen(); }
  // Writes the rest of a running export at once.
  void Finish();
  // Stops a running export and drops its file: what was at the path stays as it was. False when
  // no export was running.
  bool Cancel();
  std::size_t RowsWritten() const { return m_export.RowsWritten(); }

  void OnTimer(orv::platform::UINT_PTR id) override;

 private:
  bool EnsureNative();
  // One slice; false once the file went wrong.
  bool WriteSlice();
  // Finishes the file, telling the user when it could not be written.
  void Close();
  void Report(GridExportProgress::Stage stage, std::string reason = {});

  static inline bool s_timeBound = true;

  OrderBookGrid& m_grid;
  GridExport m_export;
};
