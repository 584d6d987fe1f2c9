// The terminal's shortcut keys while a control of the bar has the focus: the bar passes them to
// the grid or the window, so the user need not leave the bar to work on the orders.
#include "filterbar/OrderBookFilter.h"

#include "host/AppGlobal.h"
#include "host/platform/Application.h"
#include "host/platform/MessageBoxService.h"
#include "host/records/WindowPassing.h"
#include "view/OrderBookGrid.h"
#include "view/OrderBookWnd.h"

namespace pf = orv::platform;
using filterbar::EditField;

namespace {

constexpr int kRequestFromFilterBar = 10005;
constexpr int kRequestCtrlH = 10124;

}  // namespace

bool OrderBookFilter::IsHeld(pf::Key key) const {
  if (HasApp()) return App().Keys().IsPressed(key);
  if (m_pGrid && m_pGrid->HasApp()) return m_pGrid->App().Keys().IsPressed(key);
  return false;
}

void OrderBookFilter::PostCtrlHRequest() {
  WindowPassing& request = AppGlobal::objWindowPassing;
  request.Clear();
  request.nRequestFrom = kRequestFromFilterBar;
  request.pRequestWnd = this;
  request.nRequestId = kRequestCtrlH;
  request.nParam1 = 0;
  pf::Application* app = HasApp() ? &App() : (m_pGrid && m_pGrid->HasApp() ? &m_pGrid->App() : nullptr);
  if (app) app->MainWindow().Post(kMsgWindowPassing, reinterpret_cast<pf::WPARAM>(&request), 0);
}

bool OrderBookFilter::PreTranslateMessage(pf::MSG* pMsg) {
  if (pMsg == nullptr || pMsg->message != pf::WM_KEYDOWN || pMsg->wParam < 9 || pMsg->wParam > 119)
    return CustomScrollingDialog::PreTranslateMessage(pMsg);
  bool consumed = false;
  Guard("PreTranslateMessage", [&] {
    const int vk = static_cast<int>(pMsg->wParam);
    const bool ctrl = IsHeld(pf::Key::Ctrl);
    const bool shift = IsHeld(pf::Key::Shift);
    OrderBookGrid* grid = m_pGrid;
    OrderBookWnd* wnd = grid ? grid->GetOwnerWnd() : nullptr;
    // A key that needs the grid is consumed and does nothing without it.
    auto onGrid = [&](auto&& action) {
      if (grid) action(*grid);
      consumed = true;
    };
    switch (vk) {
      case pf::VK_TAB:
        if (!ctrl) break;
        if (wnd) wnd->PreTranslateMessage(pMsg);
        consumed = true;
        return;
      case pf::VK_ESCAPE:
        Close();
        consumed = true;
        return;
      case pf::VK_UP:
      case pf::VK_DOWN: {
        pf::Control* target = GetFocusControl();
        Edit* edit = target ? EditOfId(target->GetDlgCtrlID()) : nullptr;
        if (edit == nullptr || edit != target || edit->IsDroppedDown()) break;
        const EditBinding* binding = BindingOfId(edit->GetDlgCtrlID());
        if (OnUpDownTabEnter(vk, edit->GetDlgCtrlID(), edit)) ApplyEdit(binding->field);
        consumed = true;
        return;
      }
      case 'H':
        if (!ctrl || shift) break;
        PostCtrlHRequest();
        consumed = true;
        return;
      case 'P':
        if (!ctrl) break;
        onGrid([&](OrderBookGrid& g) { shift ? g.OnColumnprofile() : g.OnFitToSize(); });
        return;
      case 'S':
        if (!ctrl) break;
        onGrid([](OrderBookGrid& g) { g.OnMenuStatusbar(); });
        return;
      case 'T':
        if (!ctrl) break;
        if (wnd) wnd->ShowHideTitleBar(!wnd->IsTitleBarShown());
        consumed = true;
        return;
      case 'X':
        if (grid) grid->PreTranslateMessage(pMsg);
        break;
      case pf::VK_MULTIPLY:
        if (!ctrl) break;
        onGrid([](OrderBookGrid& g) { g.OnFitToSize(); });
        return;
      case pf::VK_F2:
        if (shift && grid) {
          if (Variant().bModifyAllowed) grid->OnModify();
          else grid->MessageBox("Modification is not allowed", "ZARU Client", pf::MB_OK);
        }
        consumed = true;
        return;
      case pf::VK_F3:
        if (!grid) break;
        consumed = grid->PreTranslateMessage(pMsg);
        return;
      case pf::VK_F4:
        if (!grid) break;
        consumed = wnd ? wnd->PreTranslateMessage(pMsg) : false;
        return;
      case pf::VK_F5:
        onGrid([](OrderBookGrid& g) { g.OnMarketpictureF5(); });
        return;
      case pf::VK_F6:
        onGrid([&](OrderBookGrid& g) { shift ? g.OnMarketByAggregate() : g.OnMarketpictureF6(); });
        return;
      case pf::VK_F8:
        onGrid([](OrderBookGrid& g) { g.OnTrades(); });
        return;
      default:
        break;
    }
  });
  if (consumed) return true;
  return CustomScrollingDialog::PreTranslateMessage(pMsg);
}

void OrderBookFilter::OnKeyDown(unsigned nChar, unsigned /*nRepCnt*/, unsigned /*nFlags*/) {
  Guard("OnKeyDown", [&] {
    pf::Control* focus = GetFocusControl();
    if (focus == nullptr) return;
    const EditBinding* binding = BindingOfId(focus->GetDlgCtrlID());
    if (binding == nullptr || binding->edit != focus) return;
    const EditField field = binding->field;
    if (static_cast<int>(nChar) == pf::VK_END) {
      if (field == EditField::OrderNo) return;
      if (field == EditField::User && (IsHeld(pf::Key::Ctrl) || IsHeld(pf::Key::Shift))) return;
      switch (field) {
        case EditField::Symbol: OnKillfocusSymbol(); break;
        case EditField::Expiry: OnKillfocusExpiry(); break;
        case EditField::Strike: OnKillfocusStrike(); break;
        case EditField::OptType: OnKillfocusOptType(); break;
        case EditField::User: OnKillfocusUser(); break;
        case EditField::ClientCode: OnKillfocusClientCode(); break;
        case EditField::Strategy: OnKillfocusStrategy(); break;
        case EditField::ProductType: OnKillfocusProductType(); break;
        case EditField::OrderNo: break;
      }
      return;
    }
    if (static_cast<int>(nChar) == pf::VK_DOWN) {
      const bool treated = field == EditField::User || field == EditField::ClientCode || field == EditField::ProductType;
      if (treated && binding->edit->m_bDropDown) m_bAutoFill = false;
    }
  });
}
