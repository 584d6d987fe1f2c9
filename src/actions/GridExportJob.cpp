#include "actions/GridExportJob.h"

#include "view/OrderBookGrid.h"

#include <algorithm>
#include <chrono>

namespace {

// Rows written between two looks at the clock: the clock costs far less than these rows.
constexpr std::size_t kRowsPerClockCheck = 256;

}  // namespace

GridExportJob::GridExportJob(OrderBookGrid& grid, orv::platform::Application& app) : Window(app), m_grid(grid) {}

GridExportJob::~GridExportJob() {
  if (!IsRunning()) return;
  m_export.Abandon();
  // Whoever shows the export must let go of it; the grid is going away.
  Report(GridExportProgress::Stage::Cancelled);
}

bool GridExportJob::EnsureNative() {
  if (GetSafeHwnd()) return true;
  return m_grid.GetSafeHwnd() && CreateNative(&m_grid);
}

bool GridExportJob::Start(const std::string& path) {
  Finish();
  if (!m_export.Open(m_grid, path)) {
    ReportWriteFailure(m_grid, path, m_export.FailureReason());
    return false;
  }
  Report(GridExportProgress::Stage::Writing);
  if (!EnsureNative() || SetTimer(kSliceTimerId, 0) == 0) Finish();
  return true;
}

void GridExportJob::Finish() {
  if (!m_export.IsOpen()) return;
  KillTimer(kSliceTimerId);
  m_export.WriteRows(m_grid, 0);
  Close();
}

bool GridExportJob::Cancel() {
  if (!m_export.IsOpen()) return false;
  KillTimer(kSliceTimerId);
  m_export.Abandon();
  Report(GridExportProgress::Stage::Cancelled);
  return true;
}

void GridExportJob::Close() {
  if (m_export.Close()) {
    Report(GridExportProgress::Stage::Written);
    return;
  }
  // The progress goes before the message box, which waits for the user.
  Report(GridExportProgress::Stage::Failed, m_export.FailureReason());
  ReportWriteFailure(m_grid, m_export.Path(), m_export.FailureReason());
}

bool GridExportJob::WriteSlice() {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kSliceBudgetMs);
  for (std::size_t left = kRowsPerSlice; left > 0 && !m_export.AllRowsWritten();) {
    const std::size_t rows = std::min(left, kRowsPerClockCheck);
    if (!m_export.WriteRows(m_grid, rows)) return false;
    left -= rows;
    if (s_timeBound && Clock::now() >= deadline) break;
  }
  return true;
}

void GridExportJob::OnTimer(orv::platform::UINT_PTR id) {
  if (id != kSliceTimerId) return;
  try {
    if (!m_export.IsOpen()) return;
    const bool sound = WriteSlice();
    if (!sound || m_export.AllRowsWritten()) {
      Close();
      return;
    }
    Report(GridExportProgress::Stage::Writing);
    if (SetTimer(kSliceTimerId, 0) == 0) Finish();
  } catch (...) {
    const bool wasRunning = m_export.IsOpen();
    m_export.Abandon();
    m_grid.LogException("ExportGridData");
    if (wasRunning) Report(GridExportProgress::Stage::Failed, "the export stopped on an error");
  }
}

void GridExportJob::Report(GridExportProgress::Stage stage, std::string reason) {
  GridExportProgress progress;
  progress.grid = &m_grid;
  progress.stage = stage;
  progress.path = m_export.Path();
  progress.rowsWritten = m_export.RowsWritten();
  progress.rowsTotal = m_export.RowCount();
  progress.reason = std::move(reason);
  GridExportObserver::Notify(progress);
}

void GridExportJobDeleter::operator()(GridExportJob* job) const { delete job; }
