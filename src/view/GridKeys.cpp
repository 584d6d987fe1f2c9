// The grid's key map. A key the map does not know, or a known key whose modifiers do not fit,
// goes back to the grid base (false); a few letters and keys are swallowed even without their
// modifiers so that they never start the base grid's type-to-edit or search.
#include "view/OrderBookGrid.h"

#include "view/GridKeyActions.h"
#include "view/OrderBookWnd.h"

namespace platform = orv::platform;

namespace {

// Quick filter commands of the context menu's Inst Type group.
constexpr unsigned kCmdEquity = 2030, kCmdFuture = 2031, kCmdOption = 2032, kCmdSlbm = 2033;
constexpr double kZoomStep = 0.1;

}  // namespace

bool OrderBookGrid::PreTranslateMessage(platform::MSG* pMsg) {
  if (!pMsg || (pMsg->message != platform::WM_KEYDOWN && pMsg->message != platform::WM_SYSKEYDOWN)) return false;
  SetKeyboardEvent(true);
  try {
    const detail::KeyModifiers keys = detail::ReadModifiers(*this);
    const bool shift = keys.shift, ctrl = keys.ctrl, alt = keys.alt;
    const int vk = static_cast<int>(pMsg->wParam);

    // With Alt held the system key path only carries Alt+F3 and Alt+F4.
    if (pMsg->message == platform::WM_SYSKEYDOWN && !(alt && (vk == platform::VK_F3 || vk == platform::VK_F4)))
      return false;

    switch (vk) {
      case platform::VK_TAB:
        if (!m_pWnd || !m_pWnd->bFilterBarShown) return false;
        detail::FocusFilterBarFromTab(*this, shift);
        return true;
      case platform::VK_RETURN:
        if (ctrl) return false;
        OnSinglehistory();
        return true;
      case '1':
        if (!shift || ctrl) return false;
        OnSinglehistory();
        return true;
      case platform::VK_ESCAPE:
        detail::CloseByEscape(*this);
        return true;
      case platform::VK_DELETE:
        if (shift || ctrl) return true;
        OnCancel();
        SetFocus();
        return true;
      case 'A':
        if (!ctrl) return false;
        detail::SelectAllRows(*this);
        return true;
      case 'B':
        if (!ctrl || shift) return false;
        detail::ToggleTitleBarWithStatusBar(*this);
        return true;
      case 'E':
        if (ctrl && !shift) OnQuickFilter(kCmdEquity);
        return true;
      case 'F':
        if (ctrl && !shift) OnQuickFilter(kCmdFuture);
        return true;
      case 'O':
        if (!ctrl || shift) return false;
        OnQuickFilter(kCmdOption);
        return true;
      case 'S':
        if (ctrl && shift) detail::RequestFromCtrlShiftS(*this);
        else if (ctrl) OnQuickFilter(kCmdSlbm);
        else if (shift) OnPendingorderFilterbar();
        else return false;
        return true;
      case 'H':
        if (!ctrl || shift) return false;
        detail::RequestFromCtrlH(*this);
        return true;
      case 'P':
        if (ctrl && shift) OnColumnprofile();
        return true;
      case 'T':
        if (ctrl) OnMenuTitlebar();
        return true;
      case 'U':
        if (ctrl) OnMenuStatusbar();
        return true;
      case 'X':
        if (!ctrl) return false;
        if (shift) detail::ClearAllFilters(*this);
        else detail::ClearCurrentColumnFilter(*this);
        return true;
      case platform::VK_MULTIPLY:
        if (ctrl) OnFitToSize();
        return true;
      case platform::VK_OEM_4:
        if (ctrl) ZoomBy(-kZoomStep);
        return true;
      case platform::VK_OEM_6:
        if (ctrl) ZoomBy(kZoomStep);
        return true;
      case platform::VK_F1:
        if (shift) OnCancel();
        return true;
      case platform::VK_F2:
        if (shift) OnModify();
        return true;
      case platform::VK_F3:
        if (alt) detail::ShowSpreadOrdersOnly(*this);
        else if (shift) detail::CancelAllFromShiftF3(*this);
        else detail::ToggleTokenFilter(*this);
        return true;
      case platform::VK_F4:
        if (alt) OnLogoff();
        else if (ctrl) detail::CloseForgettingSelection(*this);
        else return false;
        return true;
      case platform::VK_F5:
        OnMarketpictureF5();
        return true;
      case platform::VK_F6:
        if (shift) OnMarketByAggregate();
        else OnMarketpictureF6();
        return true;
      case platform::VK_F8:
        OnTrades();
        return true;
      case platform::VK_PRIOR:
      case platform::VK_NEXT:
        if (ctrl) detail::JumpToEdge(*this, vk == platform::VK_NEXT);
        else detail::PageBy(*this, vk, shift);
        return true;
      case platform::VK_HOME:
      case platform::VK_END:
        if (ctrl && shift) detail::JumpToEdge(*this, vk == platform::VK_END);
        else if (!ctrl) SetSelectionOnKeyEvents(vk, shift);
        else return false;
        return true;
      case platform::VK_UP:
      case platform::VK_DOWN:
        // No tabbed main frame hosts these windows, so Ctrl+Up and Ctrl+Down are Home and End.
        if (!ctrl) return false;
        detail::JumpToEdge(*this, vk == platform::VK_DOWN);
        return true;
      case platform::VK_LEFT:
      case platform::VK_RIGHT:
        if (!ctrl || shift) return false;
        detail::MoveToEdgeColumn(*this, vk == platform::VK_RIGHT);
        return true;
      default:
        return false;
    }
  } catch (...) {
    LogException("PreTranslateMessage");
    return true;
  }
}
