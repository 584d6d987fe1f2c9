#include "actions/GridExportJob.h"

#include "view/OrderBookGrid.h"

GridExportJob::GridExportJob(OrderBookGrid& grid, orv::platform::Application& app) : Window(app), m_grid(grid) {}

GridExportJob::~GridExportJob() { m_export.Abandon(); }

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
  if (!EnsureNative() || SetTimer(kSliceTimerId, 0) == 0) Finish();
  return true;
}

void GridExportJob::Finish() {
  if (!m_export.IsOpen()) return;
  KillTimer(kSliceTimerId);
  m_export.WriteRows(m_grid, 0);
  Close();
}

void GridExportJob::Close() {
  if (!m_export.Close()) ReportWriteFailure(m_grid, m_export.Path(), m_export.FailureReason());
}

void GridExportJob::OnTimer(orv::platform::UINT_PTR id) {
  if (id != kSliceTimerId) return;
  try {
    if (!m_export.IsOpen()) return;
    const bool sound = m_export.WriteRows(m_grid, kRowsPerSlice);
    if (!sound || m_export.AllRowsWritten()) {
      Close();
      return;
    }
    if (SetTimer(kSliceTimerId, 0) == 0) Finish();
  } catch (...) {
    m_export.Abandon();
    m_grid.LogException("ExportGridData");
  }
}

void GridExportJobDeleter::operator()(GridExportJob* job) const { delete job; }
