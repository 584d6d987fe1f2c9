// The grid's small shell commands: title and status bar toggles, close, log off, customize, the
// grid properties, focus, mouse, zoom and the grid's message handler.
#include "view/OrderBookGrid.h"

#include "host/AppGlobal.h"
#include "view/HostRequests.h"
#include "view/OrderBookWnd.h"

#include <cmath>

using orv::platform::LPARAM;
using orv::platform::LRESULT;
using orv::platform::WPARAM;

namespace {

constexpr int kRequestLogOff = 5902;
// Messages of the host the grid answers without doing anything.
constexpr unsigned kMsgHostQuery7999 = 7999;
constexpr unsigned kMsgHostQuery5555 = 5555;

}  // namespace

void OrderBookGrid::OnMenuTitlebar() {
  try {
    if (m_pWnd) m_pWnd->ShowHideTitleBar(!m_pWnd->IsTitleBarShown());
  } catch (...) {
    LogException("OnMenuTitlebar");
  }
}

void OrderBookGrid::OnMenuStatusbar() {
  try {
    if (!m_pWnd) return;
    orv::platform::StatusBar* bar = m_pWnd->GetStatusBar();
    const bool show = !bar->IsVisible();
    bar->ShowWindow(show);
    m_pWnd->PostMessage(orv::platform::WM_SIZE, 0, 0);
    m_pWnd->SetStatusBarShown(show);
  } catch (...) {
    LogException("OnMenuStatusbar");
  }
}

void OrderBookGrid::OnClose() {
  try {
    if (m_pWnd) m_pWnd->CloseDockingControlBar();
  } catch (...) {
    LogException("OnClose");
  }
}

void OrderBookGrid::OnLogoff() {
  try {
    PostWindowPassing(*this, Variant().nWindowIdentity, kRequestLogOff);
  } catch (...) {
    LogException("OnLogoff");
  }
}

void OrderBookGrid::OnCustomize() {
  try {
    if (!m_pWnd || !m_pWnd->OpenFormProperties()) return;
    m_pWnd->GetStatusBar()->ShowWindow(m_pWnd->IsStatusBarShown());
    m_pWnd->PostMessage(orv::platform::WM_SIZE, 0, 0);
  } catch (...) {
    LogException("OnCustomize");
  }
}

void OrderBookGrid::OnTomufilepath() {
  try {
    OnGridProperties();
  } catch (...) {
    LogException("OnTomufilepath");
  }
}

void OrderBookGrid::OnSetFocus() {
  try {
    if (const OrderBookDetails* record = RecordAtRow(GetCurSelItemID().m_nRow))
      AppGlobal::CurrentLOurTokenForApp = record->lOurToken;
    if (m_pWnd) AppGlobal::m_FocusCtrl.AddFocus_New(m_pWnd);
  } catch (...) {
    LogException("OnSetFocus");
  }
}

void OrderBookGrid::OnLButtonDown() {
  try {
    if (m_pWnd) m_pWnd->HideAllFloatingBarForMDITab();
  } catch (...) {
    LogException("OnLButtonDown");
  }
}

void OrderBookGrid::OnLButtonDblClk() {
  try {
    if (!m_pWnd) return;
    OnMenuTitlebar();
    // The two bars show and hide together.
    if (m_pWnd->IsTitleBarShown() != m_pWnd->IsStatusBarShown()) OnMenuStatusbar();
  } catch (...) {
    LogException("OnLButtonDblClk");
  }
}

void OrderBookGrid::ZoomBy(double delta) {
  try {
    // Whole percents, so that repeated steps do not drift away from the values they name.
    SetScale(std::round((GetScale() + delta) * 100.0) / 100.0);
  } catch (...) {
    LogException("ZoomBy");
  }
}

LRESULT OrderBookGrid::OnMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case orv::platform::WM_COMMAND:
      try {
        OnCommand(static_cast<unsigned>(wParam & 0xFFFF));
      } catch (...) {
        LogException("OnCommand");
      }
      return 0;
    case kMsgHostQuery7999:
    case kMsgHostQuery5555:
      return 0;
    default:
      return OrvGridCtrl::OnMessage(msg, wParam, lParam);
  }
}
