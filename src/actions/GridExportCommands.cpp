// The grid's export commands: the grid export file, written in slices after the save dialog, and
// the two bulk order files, written at once with the user told how it went.
#include "actions/ActionSupport.h"
#include "actions/BulkOrderFiles.h"
#include "actions/ExportFileName.h"
#include "actions/GridExport.h"
#include "actions/GridExportJob.h"
#include "host/AppGlobal.h"
#include "host/HostWindowRegistry.h"
#include "host/platform/Application.h"
#include "host/platform/FileDialogService.h"
#include "host/platform/MessageBoxService.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

#include <string>

namespace pf = orv::platform;

namespace {

constexpr const char* kSaveCaption = "Save File";
constexpr const char* kSavedCsv = "File Is Saved Successfully";
constexpr const char* kSavedText = "File Saved Successfully";
// The longest path the host's bulk order entry takes.
constexpr std::size_t kMaxBulkPath = 4095;

const char* NoPendingOrdersText(const OrderBookGrid& grid) {
  return grid.Variant().eVariant == ViewVariant::GTD ? "No GTD Order Book Present On Pending Window.File Not Saved"
                                                     : "No Pending Orders Present On Pending Window.File Not Saved";
}

BulkOrderFields::LogSink LogSinkOf(const OrderBookGrid& grid) {
  return [&grid](const char* source, const std::string& text) { ActionSupport::Log(grid.GetOwnerWnd(), source, text); };
}

// The save dialog of a bulk order file; empty when cancelled or when there is no application to
// show it.
std::string AskBulkFilePath(const OrderBookGrid& grid, const char* extension, const char* filter) {
  std::string path;
  if (!grid.HasApp()) return path;
  pf::FileDialogRequest request;
  request.flavour = pf::FileDialogFlavour::Save;
  request.defaultExtension = extension;
  request.fileName = ExportFileName(grid.Variant(), extension);
  request.filter = filter;
  request.bOverwritePrompt = true;
  if (grid.App().FileDialogs().DoModal(request, path) != pf::IDOK) path.clear();
  return path;
}

// Holds one of the window's bulk-file flags up while a bulk file is being written.
class BulkFlag final {
 public:
  BulkFlag(OrderBookWnd* wnd, bool OrderBookWnd::*flag) : m_wnd(wnd), m_flag(flag) {
    if (m_wnd) m_wnd->*m_flag = true;
  }
  ~BulkFlag() {
    if (m_wnd) m_wnd->*m_flag = false;
  }
  BulkFlag(const BulkFlag&) = delete;
  BulkFlag& operator=(const BulkFlag&) = delete;

 private:
  OrderBookWnd* m_wnd;
  bool OrderBookWnd::*m_flag;
};

// The comma-separated bulk file after its path is known: the pending check, the file, the message.
bool WriteBulkCsv(const OrderBookGrid& grid, const std::string& path) {
  if (!BulkOrderFiles::HasPendingOrder(grid.RowVector())) {
    grid.MessageBox(NoPendingOrdersText(grid), kSaveCaption, pf::MB_OK);
    return false;
  }
  {
    BulkFlag flag(grid.GetOwnerWnd(), &OrderBookWnd::bBulkExcelSaveInProgress);
    std::string reason;
    if (!BulkOrderFiles::WriteCsv(path, grid.RowVector(), LogSinkOf(grid), &reason)) {
      ReportWriteFailure(grid, path, reason);
      return false;
    }
  }
  grid.MessageBox(kSavedCsv, kSaveCaption, pf::MB_OK);
  return true;
}

// The text bulk file after its path is known: the pending check, the check of a file already
// there, the file, the message.
bool WriteBulkText(const OrderBookGrid& grid, OrderBookWnd& wnd, const std::string& path) {
  if (!BulkOrderFiles::HasPendingOrder(grid.RowVector())) {
    grid.MessageBox(NoPendingOrdersText(grid), kSaveCaption, pf::MB_OK);
    return false;
  }
  {
    BulkFlag flag(&wnd, &OrderBookWnd::bBulkTextSaveInProgress);
    switch (BulkOrderFiles::CheckExisting(path)) {
      case BulkOrderFiles::ExistingFile::None:
        break;
      case BulkOrderFiles::ExistingFile::Other:
        grid.MessageBox("The File Choosen is not a Bulk Order File", "Wrong File Selection",
                pf::MB_OK | pf::MB_ICONEXCLAMATION);
        return false;
      case BulkOrderFiles::ExistingFile::BulkText: {
        std::string question(1, '\'');
        question += pf::FileDialogService::FileNameOf(path);
        question += "' File Already Exists.Do You Want to Overwrite it ?";
        if (grid.MessageBox(question, "File Duplicacy", pf::MB_YESNO | pf::MB_ICONQUESTION) != pf::IDYES) return false;
        break;
      }
    }
    std::string reason;
    const auto result = BulkOrderFiles::WriteText(path, grid.RowVector(), AppGlobal::lTime, LogSinkOf(grid), &reason);
    if (result != BulkOrderFiles::TextResult::Written) {
      ReportWriteFailure(grid, path, reason);
      return false;
    }
  }
  grid.MessageBox(kSavedText, kSaveCaption, pf::MB_OK);
  return true;
}

}  // namespace

// --- The grid export. ---

void OrderBookGrid::OnSavefileExcelfile() {
  try {
    StartGridExport(true);
  } catch (...) {
    LogException("OnSavefileExcelfile");
  }
}

void OrderBookGrid::OnSavefileTextfile() {
  try {
    StartGridExport(false);
  } catch (...) {
    LogException("OnSavefileTextfile");
  }
}

void OrderBookGrid::StartGridExport(bool bExcel) {
  m_strSaveFilePath.clear();
  // A name the host set for every grid wins over the window-and-time one.
  const std::string offered =
      savefiledefaultvalue.empty() ? ExportFileName(Variant(), SaveFileExtension(bExcel)) : savefiledefaultvalue;
  if (!SaveToFile("Order Book", bExcel, m_strSaveFilePath, offered) || m_strSaveFilePath.empty()) return;
  if (!m_pExportJob) m_pExportJob.reset(new GridExportJob(*this, App()));
  m_pExportJob->Start(m_strSaveFilePath);
}

bool OrderBookGrid::ExportGridData(std::string& path, bool /*bUnused*/) {
  try {
    // Two writers must never share a file: a slice export still running is completed first.
    if (m_pExportJob) m_pExportJob->Finish();
    return GridExport::WriteAll(*this, path);
  } catch (...) {
    LogException("ExportGridData");
    return false;
  }
}

bool OrderBookGrid::IsGridExportRunning() const { return m_pExportJob && m_pExportJob->IsRunning(); }

bool OrderBookGrid::CancelGridExport() { return m_pExportJob && m_pExportJob->Cancel(); }

// --- The bulk order files. ---

void OrderBookGrid::OnBulkOrderExcel() {
  try {
    const std::string path = AskBulkFilePath(*this, "csv", "All Files (*.csv)|*.csv||");
    // A longer path would be cut short and name another file; such a choice ends the command.
    if (!path.empty() && path.size() <= kMaxBulkPath) {
      m_strSaveFilePath = path;
      if (pf::FileDialogService::ExtensionOf(path) == "csv") WriteBulkCsv(*this, path);
    }
  } catch (...) {
    LogException("OnBulkOrderExcel");
  }
  AppGlobal::m_FocusCtrl.SetFocus_New();
}

void OrderBookGrid::OnBulkOrderText() {
  try {
    if (m_pWnd) {
      const std::string path = AskBulkFilePath(*this, "txt", "All Files (*.txt)|*.txt||");
      if (!path.empty() && path.size() <= kMaxBulkPath) WriteBulkText(*this, *m_pWnd, path);
    }
  } catch (...) {
    LogException("OnBulkOrderText");
  }
  AppGlobal::m_FocusCtrl.SetFocus_New();
}

bool OrderBookGrid::BulkOrderExportGridData(const std::string& path, bool /*bUnused*/) {
  try {
    if (path.empty()) return false;
    return WriteBulkCsv(*this, path);
  } catch (...) {
    LogException("BulkOrderExportGridData");
    return false;
  }
}
