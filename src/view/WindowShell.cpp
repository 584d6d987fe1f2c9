// The window shell of an order-book view: creation (status bar, splitter with the filter frame
// and the grid), layout, closing and destruction, focus, and the window's own commands.
#include "view/OrderBookWnd.h"

#include "filterbar/GTDOrderBookFilterFrame.h"
#include "filterbar/OrderBookFilter.h"
#include "filterbar/OrvOrdersFilterFrame.h"
#include "host/HostWindowRegistry.h"
#include "host/platform/Application.h"
#include "host/platform/MessageBoxService.h"
#include "view/GTDOrderBookGrid.h"
#include "view/OrderBookGrid.h"
#include "view/OrvPendingOrdersGrid.h"

#include <algorithm>
#include <string>

using orv::platform::LPARAM;
using orv::platform::LRESULT;
using orv::platform::WPARAM;

namespace {

constexpr const char* kCreationLogSource = "ZARUClient";

struct PaneSpec {
  unsigned id;
  unsigned style;
  int width;
  const char* text;  // null: the variant's title
};

constexpr PaneSpec kPanes[] = {
    {0, orv::platform::SBPS_NOBORDERS | orv::platform::SBPS_DISABLED, 0, ""},
    {1, orv::platform::SBPS_NORMAL, 50, "T.O.M.U"},
    {2, orv::platform::SBPS_NORMAL, 180, nullptr},
    {3, orv::platform::SBPS_NORMAL, 195, "<Description>"},
    {4, orv::platform::SBPS_NORMAL, 80, "B.Qty:0"},
    {5, orv::platform::SBPS_NORMAL, 80, "B.Lot:0"},
    {6, orv::platform::SBPS_NORMAL, 120, "B.Val:0.00"},
    {7, orv::platform::SBPS_NORMAL, 80, "S.Qty:0"},
    {8, orv::platform::SBPS_NORMAL, 80, "S.Lot:0"},
    {9, orv::platform::SBPS_NORMAL, 120, "S.Value:0.00"},
    {10, orv::platform::SBPS_NORMAL, 150, "TotalEntries:0"},
};

// The filter frame row is created this high and then collapsed, so the bar starts hidden.
constexpr int kFilterFrameCreationHeight = 50;
// What the grid row asks for beyond the client height at creation.
constexpr int kGridExtraCreationHeight = 20;
// Room the shown filter bar takes above the grid.
constexpr int kFilterBarHeight = 60;

// Window commands (after the grid had its chance).
constexpr unsigned kCmdEditFind = 57636;
constexpr unsigned kCmdSortAZ = 32861;
constexpr unsigned kCmdSortZA = 32862;
constexpr unsigned kCmdFilterSet = 32863;
constexpr unsigned kCmdFilterClear = 1057;
constexpr unsigned kCmdApplyFilter = 32866;

constexpr const char* kAlertCaption = "ALERT";
constexpr const char* kUnsavedBulkFileQuestion = "File Not Saved .Do You Still Want To Continue?";
constexpr const char* kReopenAdvice = "Please Reopen the Pending Window And Wait For File Save Confirmation";

// The variant's creation line with its one %d replaced by the value. The line is a text of ours,
// yet it is never used as a format: whatever it holds comes out as written.
std::string CreationLine(std::string_view pattern, int value) {
  std::string line(pattern);
  if (const auto at = line.find("%d"); at != std::string::npos) line.replace(at, 2, std::to_string(value));
  return line;
}

std::unique_ptr<OrderBookGrid> MakeGrid(ViewVariant variant) {
  if (variant == ViewVariant::Pending) return std::make_unique<OrvPendingOrdersGrid>();
  return std::make_unique<GTDOrderBookGrid>();
}

std::unique_ptr<OrderBookFilterFrame> MakeFilterFrame(ViewVariant variant) {
  if (variant == ViewVariant::Pending) return std::make_unique<OrvOrdersFilterFrame>();
  return std::make_unique<GTDOrderBookFilterFrame>();
}

// Whether `window` is `ancestor` or lies inside it.
bool IsWithin(const orv::platform::Window* window, const orv::platform::Window* ancestor) {
  for (; window != nullptr; window = window->GetParent())
    if (window == ancestor) return true;
  return false;
}

}  // namespace

int OrderBookWnd::OnCreate() {
  try {
    if (!GetSafeHwnd() && !CreateNative(nullptr)) return -1;
    AppGlobal::g_iIsShiftF3ProcessEvent = 3;
    if (GetFormSettingsName().empty()) SetFormSettingsName(std::string(Variant().cWindowTypeName));
    CreateStatusBarPanes();
    if (!CreateSplitter()) return -1;
    bFilterBarShown = false;
    bMultiOrdersModify = false;
    CInteractiveRouterManipulation::SetInteractiveWindowInfo(
        AppGlobal::m_pInteractiveRouterMap,
        {this, static_cast<orv::platform::Window*>(this), Variant().nWindowIdentity});
    if (AppGlobal::g_bPendingMultiOrdersModify) bMultiOrdersModify = true;
    if (AppGlobal::pWriteInLogFile) {
      const std::string line = CreationLine(Variant().cCreationLogLine, AppGlobal::g_bLastOrderSelectionLowPerf);
      AppGlobal::pWriteInLogFile(kCreationLogSource, line.c_str());
    }
    return 0;
  } catch (...) {
    LogException("OnCreate");
    return -1;
  }
}

void OrderBookWnd::CreateStatusBarPanes() {
  unsigned ids[std::size(kPanes)];
  for (std::size_t i = 0; i < std::size(kPanes); ++i) ids[i] = kPanes[i].id;
  m_wndStatusBar.SetIndicators(ids);
  for (std::size_t i = 0; i < std::size(kPanes); ++i) {
    const PaneSpec& pane = kPanes[i];
    const int index = static_cast<int>(i);
    m_wndStatusBar.SetPaneInfo(index, pane.id, pane.style, pane.width);
    m_wndStatusBar.SetPaneText(index, pane.text ? std::string_view(pane.text) : Variant().cStatusPaneTitle, false);
  }
}

bool OrderBookWnd::CreateSplitter() {
  // Fails while the splitter exists, so a live window never loses its grid here.
  if (!m_wndSplitter.CreateStatic(this, 2, 1, CustomSplitterControl::kFirstPaneId)) return false;
  // A window created again after its destruction starts over with a new frame and grid.
  if (m_pOwnedGrid && m_pGrid == m_pOwnedGrid.get()) m_pGrid = nullptr;
  SetFilterFrame(nullptr, nullptr);
  m_pOwnedGrid.reset();
  m_pOwnedFilterFrame.reset();

  const WindowRect client = GetClientRect();

  m_pOwnedFilterFrame = MakeFilterFrame(Variant().eVariant);
  if (!m_wndSplitter.CreateView(0, 0, *m_pOwnedFilterFrame, client.Width(), kFilterFrameCreationHeight)) return false;
  m_pOwnedFilterFrame->OnCreate();

  m_pOwnedGrid = MakeGrid(Variant().eVariant);
  if (!m_wndSplitter.CreateView(1, 0, *m_pOwnedGrid, client.Width(), client.Height() + kGridExtraCreationHeight))
    return false;
  m_pOwnedGrid->OnCreate();

  m_wndSplitter.SetRowInfo(0, 0, 0);
  m_wndSplitter.RecalcLayout();
  return true;
}

void OrderBookWnd::OnSize(int /*cx*/, int /*cy*/) {
  // The layout reads the client rectangle itself: a size message posted without a size (after
  // the status bar was toggled) lays the window out as well as a real resize.
  if (GetSafeHwnd()) AdjustLayout();
}

WindowRect OrderBookWnd::GetGridRect() const { return m_rcGrid; }

void OrderBookWnd::AdjustLayout() {
  try {
    const WindowRect client = GetClientRect();
    if (m_wndSplitter.GetSafeHwnd()) m_wndSplitter.SetWindowPos(client);
    const bool gridIsPane = m_pGrid != nullptr && m_wndSplitter.GetPane(1, 0) == m_pGrid;
    const WindowRect current = gridIsPane ? m_wndSplitter.GetPaneRect(1, 0) : m_rcGrid;
    // A window smaller than its bars leaves the grid with no height rather than a negative one.
    auto grid = [](int x, int y, int cx, int cy) { return WindowRect::FromSize(x, y, cx, std::max(cy, 0)); };

    WindowRect rcGrid;
    if (m_wndStatusBar.IsVisible()) {
      const int cy = m_wndStatusBar.GetFixedHeight();
      if (bFilterBarShown)
        rcGrid = grid(client.left, client.top + kFilterBarHeight, client.Width(), client.bottom - 4 * cy - client.top - 6);
      else
        rcGrid = grid(current.left, current.top, client.Width(), client.bottom - cy - client.top);
      m_rcStatusBar = WindowRect::FromSize(client.left, client.bottom - cy, client.Width(), cy);
    } else if (bFilterBarShown) {
      rcGrid = grid(client.left, client.top + kFilterBarHeight, client.Width(), client.Height() - kFilterBarHeight);
    } else {
      rcGrid = client;
    }
    m_rcGrid = rcGrid;
    if (gridIsPane) m_wndSplitter.SetPaneRect(1, 0, rcGrid);
    // The upper pane is as wide as the window: the frame fits the bar or scrolls it.
    if (m_pFilterFrame && bFilterBarShown) m_pFilterFrame->OnSize(0, client.Width(), kFilterBarHeight);
    m_wndStatusBar.RedrawWindow();
  } catch (...) {
    LogException("AdjustLayout");
  }
}

void OrderBookWnd::ResetFilterOnClose() {
  try {
    if (!m_pGrid || !m_pFilterBar) return;
    m_pGrid->OnSavefilterInXML();
    m_pGrid->ClearFilter(-1);
    m_pGrid->FilterGridData();
    m_pGrid->SetDockTitleBylOurToken(0);
    m_pFilterBar->ResetFilter(true);
    if (!m_pFilterBar->IsSaveFilterChecked()) m_pFilterBar->Close();
  } catch (...) {
    LogException("ResetFilterOnClose");
  }
}

void OrderBookWnd::OnNcDestroy() {
  try {
    const bool bulkSaveRunning = bBulkExcelSaveInProgress || bBulkTextSaveInProgress;
    if (AppGlobal::g_bPendingOrdersOnBulkWindow && bulkSaveRunning && HasApp()) {
      auto& boxes = App().MessageBoxes();
      const int answer = boxes.Show(kUnsavedBulkFileQuestion, kAlertCaption,
                                    orv::platform::MB_YESNO | orv::platform::MB_ICONQUESTION);
      if (answer != orv::platform::IDYES)
        boxes.Show(kReopenAdvice, kAlertCaption, orv::platform::MB_OK | orv::platform::MB_ICONINFORMATION);
    }
  } catch (...) {
    LogException("OnNcDestroy");
  }
  // Whatever the answer, the window goes (the question cannot stop the host closing it).
  DestroyNative();
}

void OrderBookWnd::OnSetFocus() {
  try {
    if (!m_pGrid || !m_pGrid->GetSafeHwnd()) return;
    const bool hadFocus = m_pGrid->HasFocus();
    m_pGrid->SetFocus();
    // The grid hears of the focus only when it arrives, as with a native focus change.
    if (!hadFocus && m_pGrid->HasFocus()) m_pGrid->OnSetFocus();
  } catch (...) {
    LogException("OnSetFocus");
  }
}

void OrderBookWnd::OnEditFind() {
  if (m_pGrid) m_pGrid->OpenFindReplaceDlg(true);
}

bool OrderBookWnd::PreTranslateMessage(orv::platform::MSG* pMsg) {
  try {
    if (!pMsg || !m_pGrid || !HasApp()) return false;
    if (pMsg->message != orv::platform::WM_KEYDOWN || pMsg->wParam != 'F') return false;
    if (!App().Keys().IsPressed(orv::platform::Key::Ctrl)) return false;
    // Inside the grid Ctrl+F is the grid's own key.
    if (IsWithin(pMsg->hwnd, m_pGrid)) return false;
    m_pGrid->OpenFindReplaceDlg(true);
    return true;
  } catch (...) {
    LogException("PreTranslateMessage");
    return false;
  }
}

LRESULT OrderBookWnd::OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case orv::platform::WM_SIZE:
      OnSize(SizeLParamWidth(lParam), SizeLParamHeight(lParam));
      return 0;
    case kCancelHandBackMessage:
      OnCancelHandBack(wParam);
      return 0;
    case orv::platform::WM_COMMAND: {
      const auto id = static_cast<unsigned>(wParam & 0xFFFF);
      try {
        if (m_pGrid && m_pGrid->OnCommand(id)) return 0;
      } catch (...) {
        LogException("OnCommand");
        return 0;
      }
      switch (id) {
        case kCmdEditFind: OnEditFind(); break;
        case kCmdSortAZ: OnFilterSortAZ(); break;
        case kCmdSortZA: OnFilterSortZA(); break;
        case kCmdFilterSet: OnFilterSet(); break;
        case kCmdFilterClear: OnFilterClear(); break;
        case kCmdApplyFilter: OnApplyFilter(); break;
        default: return CustomDockingControlBar::OnMessage(msg, wParam, lParam);
      }
      return 0;
    }
    default:
      return CustomDockingControlBar::OnMessage(msg, wParam, lParam);
  }
}

void OrderBookWnd::OnFilterSet() {
  if (m_pGrid) m_pGrid->OnFilterSet();
}

void OrderBookWnd::OnFilterClear() {
  if (m_pGrid) m_pGrid->OnFilterClear();
}

bool OrderBookWnd::OnUpdateFilterClear() { return m_pGrid != nullptr && m_pGrid->IsFilterExist(-1); }

void OrderBookWnd::OnApplyFilter() {
  if (m_pGrid) m_pGrid->OnApplyFilter();
}

void OrderBookWnd::OnFilterSortAZ() {
  if (m_pGrid) m_pGrid->OnSortAZ();
}

void OrderBookWnd::OnFilterSortZA() {
  if (m_pGrid) m_pGrid->OnSortZA();
}
