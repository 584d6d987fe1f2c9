// The bar's edits while the user types and steps: candidate lists, the arrow keys at both ends,
// Tab and Enter, and the key table that passes shortcuts to the grid and the window.
#include "filterbar/FilterBarFixture.h"
#include "host/AppGlobal.h"
#include "host/platform/Application.h"
#include "host/platform/KeyState.h"
#include "host/records/LoginResponse.h"
#include "host/records/WindowPassing.h"
#include "view/OrderBookWnd.h"

namespace {

namespace pf = orv::platform;
using Strings = std::vector<std::string>;

class FilterBarAutoComplete : public FilterBarFixture {
 protected:
  FilterBarAutoComplete() {
    AppGlobal::g_pObjLoginResponse = &m_login;
    CopyText(h.Master().Find(ViewHarness::kNiftyFut)->cStrike, "0.00");
    Order(1, ViewHarness::kReliance, "DLR01", "C1");
    Order(2, kRelaxo, "DLR02", "");
    Order(3, ViewHarness::kNiftyFut, "dlr01", "C2");
    Order(4, kNiftyCall, "DLR01", "C1");
    Order(5, kNiftyPut, "DLR03", "C3");
  }
  ~FilterBarAutoComplete() override { AppGlobal::g_pObjLoginResponse = nullptr; }

  void Order(std::uint32_t refNo, std::int32_t token, const char* dealer, const char* client) {
    h.AddOrder(BookKind::Pending, refNo, [&](OrderBookDetails& r) {
      r.lOurToken = token;
      r.pContract = token ? h.Master().Find(token) : nullptr;
      CopyText(r.OrvelClientId, dealer);
      CopyText(r.Client, client);
    });
  }

  // A key goes down while a control of the bar has the focus.
  bool Key(OrderBookFilter& bar, int vk, bool ctrl = false, bool shift = false) {
    h.App().Keys().SetCtrl(ctrl);
    h.App().Keys().SetShift(shift);
    pf::MSG msg{&bar, pf::WM_KEYDOWN, static_cast<pf::WPARAM>(vk), 0};
    const bool consumed = bar.PreTranslateMessage(&msg);
    h.App().Keys().ReleaseAll();
    return consumed;
  }
  // The user types key by key: the first key after a write of the bar gets no list, as in the
  // terminal.
  void Keys(OrderBookFilter::Edit& edit, const std::string& text) {
    Type(edit, text.substr(0, 1));
    edit.SetSel(0, -1);
    edit.UserType(text.substr(0, 1));
    for (char c : text.substr(1)) edit.UserType(std::string(1, c));
  }

  ORVEL5901 m_login{};
};

TEST_F(FilterBarAutoComplete, a_typed_text_narrows_the_list_and_offers_all_only_when_all_begins_with_it) {
  OrderBookFilter& bar = ShownBar();
  Keys(bar.m_edtSymbol, "re");
  EXPECT_EQ(bar.m_edtSymbol.DroppedList(), (Strings{"RELAXO", "RELIANCE"}));
  Keys(bar.m_edtSymbol, "al");
  EXPECT_EQ(bar.m_edtSymbol.DroppedList(), Strings{"ALL"});
  Type(bar.m_edtExpiry, "b");
  EXPECT_FALSE(bar.m_edtExpiry.IsDroppedDown());
  Keys(bar.m_edtExpiry, "3");
  EXPECT_EQ(bar.m_edtExpiry.DroppedList(), Strings{"30JUN2026"});

  // The user edit offers "ALL" to administrators and mini administrators only.
  Keys(bar.m_edtUser, "dl");
  EXPECT_TRUE(bar.m_edtUser.IsDroppedDown());
  Type(bar.m_edtUser, "a");
  EXPECT_FALSE(bar.m_edtUser.IsDroppedDown());
  m_login.setUserType(3);
  Keys(bar.m_edtUser, "a");
  EXPECT_EQ(bar.m_edtUser.DroppedList(), Strings{"ALL"});
  // Case-insensitively distinct values only: DLR01 and dlr01 are one entry.
  Keys(bar.m_edtUser, "D");
  EXPECT_EQ(bar.m_edtUser.DroppedList(), (Strings{"DLR01", "DLR02", "DLR03"}));
}

TEST_F(FilterBarAutoComplete, the_drop_down_button_lists_every_value_whatever_was_typed) {
  Order(6, 0, "DLR09", "C9");
  OrderBookFilter& bar = ShownBar();
  Keys(bar.m_edtClientCode, "C");
  // While the text narrows the list, orders without contract are left out.
  EXPECT_EQ(bar.m_edtClientCode.DroppedList(), (Strings{"C1", "C2", "C3"}));
  bar.m_edtClientCode.UserType("3");
  ASSERT_TRUE(bar.m_edtClientCode.PressDropDownButton());
  EXPECT_TRUE(bar.m_edtClientCode.m_bDropDown);
  EXPECT_EQ(bar.m_edtClientCode.DroppedList(), (Strings{"ALL", "C1", "C2", "C3", "C9"}));
  // A written text (the bar's write is already answered) keeps the whole list wanted.
  CStringList list;
  bar.OnFillAutoCompleteeList(bar.m_edtClientCode.GetDlgCtrlID(), &list);
  EXPECT_EQ(list.size(), 5u);

  // Down in a drop-down edit answers the next request even after a write of the bar.
  ASSERT_TRUE(bar.GotoDlgCtrl(&bar.m_edtClientCode));
  bar.m_bAutoFill = true;
  bar.m_edtClientCode.m_bDropDown = true;
  bar.OnKeyDown(pf::VK_DOWN, 1, 0);
  EXPECT_FALSE(bar.m_bAutoFill);
  // The strategy edit is not treated so.
  ASSERT_TRUE(bar.GotoDlgCtrl(&bar.m_edtStrategy));
  bar.m_bAutoFill = true;
  bar.m_edtStrategy.m_bDropDown = true;
  bar.OnKeyDown(pf::VK_DOWN, 1, 0);
  EXPECT_TRUE(bar.m_bAutoFill);
}

TEST_F(FilterBarAutoComplete, no_list_without_a_grid_or_a_shown_bar_and_a_write_of_the_bar_pops_none) {
  OrderBookFilter& bar = ShownBar();
  bar.ResetFilter(false);
  for (OrderBookFilter::Edit* e : {&bar.m_edtSymbol, &bar.m_edtUser, &bar.m_edtOrderNo}) {
    EXPECT_EQ(e->GetWindowText(), "ALL");
    EXPECT_FALSE(e->IsDroppedDown());
  }
  // Any request clears the flag, whichever edit asks.
  bar.m_bAutoFill = true;
  CStringList list;
  bar.OnFillAutoCompleteeList(bar.m_edtStrategy.GetDlgCtrlID(), &list);
  EXPECT_FALSE(bar.m_bAutoFill);
  EXPECT_TRUE(list.empty());

  Grid().GetOwnerWnd()->bFilterBarShown = false;
  bar.m_edtSymbol.SetWindowText("");
  bar.OnFillAutoCompleteeList(bar.m_edtSymbol.GetDlgCtrlID(), &list);
  EXPECT_TRUE(list.empty());
  Grid().GetOwnerWnd()->bFilterBarShown = true;
  bar.OnFillAutoCompleteeList(4711, &list);
  EXPECT_TRUE(list.empty());
}

TEST_F(FilterBarAutoComplete, tab_and_enter_write_the_highlighted_entry_or_complete_the_text) {
  OrderBookFilter& bar = ShownBar();
  OrderBookFilter::Edit& edit = bar.m_edtSymbol;
  const int id = edit.GetDlgCtrlID();
  Keys(edit, "rel");
  ASSERT_TRUE(edit.IsDroppedDown());
  // Nothing highlighted: Enter writes nothing, Tab completes like leaving the edit.
  EXPECT_FALSE(bar.OnUpDownTabEnter(pf::VK_RETURN, id, &edit));
  EXPECT_TRUE(bar.OnUpDownTabEnter(pf::VK_TAB, id, &edit));
  EXPECT_EQ(edit.GetWindowText(), "RELAXO");

  Keys(edit, "rel");
  ASSERT_TRUE(edit.Highlight(1));
  EXPECT_TRUE(bar.OnUpDownTabEnter(pf::VK_RETURN, id, &edit));
  EXPECT_EQ(edit.GetWindowText(), "RELIANCE");
  EXPECT_FALSE(edit.IsDroppedDown());

  edit.SetWindowText("");
  edit.CloseList();
  EXPECT_TRUE(bar.OnUpDownTabEnter(pf::VK_TAB, id, &edit));
  EXPECT_EQ(edit.GetWindowText(), "ALL");
  // Up and Down leave an open list to itself; other controls get nothing.
  Keys(edit, "n");
  ASSERT_TRUE(edit.IsDroppedDown());
  EXPECT_FALSE(bar.OnUpDownTabEnter(pf::VK_DOWN, id, &edit));
  EXPECT_FALSE(bar.OnUpDownTabEnter(pf::VK_DOWN, bar.m_cmbExchange.GetDlgCtrlID(), nullptr));
}

TEST_F(FilterBarAutoComplete, shortcut_keys_reach_the_grid_and_the_window) {
  OrderBookFilter& bar = ShownBar();
  ASSERT_TRUE(bar.GotoDlgCtrl(&bar.m_edtSymbol));
  const int fits = Grid().FitToSizeRequests();
  EXPECT_TRUE(Key(bar, 'P', true));
  EXPECT_TRUE(Key(bar, pf::VK_MULTIPLY, true));
  EXPECT_EQ(Grid().FitToSizeRequests(), fits + 2);
  EXPECT_FALSE(Key(bar, 'P'));

  OrderBookWnd& wnd = *Grid().GetOwnerWnd();
  const bool title = wnd.IsTitleBarShown();
  EXPECT_TRUE(Key(bar, 'T', true));
  EXPECT_NE(wnd.IsTitleBarShown(), title);
}

TEST_F(FilterBarAutoComplete, without_a_grid_keys_that_need_it_are_taken_and_do_nothing) {
  OrderBookFilter bar(ViewVariant::Pending);
  bar.OnInitDialog();
  EXPECT_TRUE(Key(bar, pf::VK_F5));
  EXPECT_TRUE(Key(bar, pf::VK_F8));
  EXPECT_TRUE(Key(bar, 'S', true));
  EXPECT_FALSE(Key(bar, pf::VK_F3));
  EXPECT_FALSE(Key(bar, pf::VK_F4));
  EXPECT_FALSE(Key(bar, pf::VK_F12));
  pf::MSG up{&bar, pf::WM_KEYUP, pf::VK_F5, 0};
  EXPECT_FALSE(bar.PreTranslateMessage(&up));
}

}  // namespace
