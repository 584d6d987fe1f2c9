#pragma once
// The filter bar of an order-book view, one implementation for both variants: a row of labelled
// fields above the grid, living in the filter frame (the upper pane of the window's splitter).
// Each field is a front end for one column filter of the grid: the bar hands the field's text to
// the grid (SetDefaultDemoFilter), and the grid keeps and applies the filters and shows them back
// in the bar (FilterBarMirror). The bar keeps no order data of its own.
//
// The controls follow the bar's dialog template (FilterBarTemplate.h); the members carry the
// template's names. Handlers are wired to the controls' notifications when the bar is built, so
// a selection, a click or a focus change made by the user (or a scenario) reaches them.
#include "filterbar/CandidateCache.h"
#include "filterbar/EditCandidates.h"
#include "filterbar/FilterBarTemplate.h"
#include "host/CustomAutoCompleteEdit.h"
#include "host/CustomScrollingDialog.h"
#include "host/platform/Button.h"
#include "host/platform/CheckBox.h"
#include "host/platform/ComboBox.h"
#include "host/platform/KeyState.h"
#include "host/platform/Static.h"
#include "host/platform/TimePicker.h"
#include "sortfilter/FilterBarMirror.h"
#include "view/ViewVariant.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class OrderBookGrid;
class OrderBookWnd;
namespace orv::platform {
class Menu;
}

// The notification header of a control's notification (the pickers' kill focus).
struct NMHDR {
  orv::platform::Control* hwndFrom = nullptr;
  int idFrom = 0;
  unsigned code = 0;
};

class OrderBookFilter : public CustomScrollingDialog, public FilterBarMirror {
 public:
  using ComboBox = orv::platform::ComboBox;
  using Edit = CustomAutoCompleteEdit;

  explicit OrderBookFilter(ViewVariant variant);
  ~OrderBookFilter() override;

  const VariantDescription& Variant() const { return *m_pVariant; }

  // Creates the bar as a child of its frame from its template, runs OnInitDialog and shows it;
  // false when it cannot be created.
  bool Create(orv::platform::Window& frame);
  // Binds the 24 members of the template to the dialog (everything but the hidden Refresh button).
  void DoDataExchange();
  // The creation sequence: pickers, lists, edits and check boxes as a new bar shows them.
  bool OnInitDialog() override;
  // Enter and Escape never end the bar.
  void OnOK() override {}
  void OnCancel() override {}

  // The view's grid, handed over by the grid once it is created; every hand-over and relay does
  // nothing while it is null.
  OrderBookGrid* GetGrid() const { return m_pGrid; }
  void SetGrid(OrderBookGrid* grid) { m_pGrid = grid; }
  // The view window that shows the bar: the frame's, else the grid's; null when neither is known.
  OrderBookWnd* GetViewWnd() const;

  // --- Lists filled when the bar is created (FilterBarLists.cpp, ExchangeLists.cpp). ---
  // Fills every list and writes "All" into every edit.
  void AddPendingOrderCombinationinCombo();
  // The exchange list: "All" when more than one exchange family (or CME) is enabled, "CME" after
  // it when CME is, then the host's exchanges in its order, each once, with its code as item data.
  void InsertExchanges(ComboBox* pCombo, bool bAll);
  // Refills the instrument types for the exchange selected in pExchange; an exchange the table
  // does not know leaves them alone.
  void FillExchangeMarketTypes(ComboBox* pExchange, ComboBox* pInstType);
  // Selects the host's default order type and market type.
  void ApplyClientSettings();
  // User-id lists the host may fill (UserIdLists.cpp); nothing in the module calls them.
  void AddAllOnlyDealerIdsInCombo(ComboBox* pCombo, bool bAll);
  void AddAllIBTIdsInCombo(ComboBox* pCombo);
  // Throws std::runtime_error when the trade table cannot be queried (the rows added so far stay).
  void AddDealerIdsInCombo(ComboBox* pCombo);
  // An expiry's chronological position among the expiries registered so far (5MAR2025,
  // 05MAR2025 or 05-MAR-2025); -1 when it was registered before or is not a date.
  int getIdxForSortingCmbExpiry(std::string expiry);

  // --- Selection handlers (FilterBarSelection.cpp). ---
  void OnSelchangeExchange();
  void OnSelchangeOrderTypeNormalSpread();
  void OnSelchangeInstrType();
  void OnSelchangeOrderType();
  void OnSelchangeBuySell();
  void OnSelchangeProClient();
  void OnSelchangeOrderStatus();
  void OnSelchangeOrderStyle();
  void OnKillfocusExchange();
  void OnKillfocusOrderTypeNormalSpread();
  void OnKillfocusInstrType();
  void OnKillfocusOrderType();
  void OnKillfocusBuySell();
  void OnKillfocusProClient();
  void OnKillfocusOrderStatus();
  void OnKillfocusOrderStyle();
  // A list losing the focus keeps the item its text names, or falls back to its first item.
  void OnKillfocusComboBox(ComboBox* pCombo);
  // The derivative edits follow the instrument type: "E" disables expiry, strike and option
  // type, "F" strike and option type; anything else enables all three.
  void ApplyEnableRule();

  // --- Edits (FilterBarEdits.cpp). ---
  void OnSetfocusComboSymbol();
  void OnSetfocusComboExpiry();
  void OnSetfocusComboStrike();
  void OnSetfocusComboOptType();
  void OnSetfocusComboUser();
  void OnSetfocusComboClientCode();
  void OnSetfocusComboStrategy();
  void OnSetfocusComboOrderNo();
  void OnSetfocusComboProductType();
  void OnKillfocusSymbol();
  void OnKillfocusExpiry();
  void OnKillfocusStrike();
  void OnKillfocusOptType();
  void OnKillfocusUser();
  void OnKillfocusClientCode();
  void OnKillfocusStrategy();
  void OnKillfocusOrderNo();
  void OnKillfocusProductType();
  // An edit losing the focus shows "All" when it was emptied.
  void OnKillfocusComboBox(Edit* pEdit);
  // Apply operations: remember the edit's text, bring the edit into view and hand it to the grid.
  void OnSymbol();
  void OnExpiry();
  void OnStrike();
  void OnOptType();
  void OnUser();
  void OnClientCode();
  void OnStrategy();
  void OnOrderNo();
  void OnProductType();
  // The host may call these; each hands the edit's current text to the grid.
  void OnSelchangeSymbol();
  void OnSelchangeExpiry();
  void OnSelchangeStrike();
  void OnSelchangeOptType();
  void OnSelchangeUser();
  void OnSelchangeClientCode();
  void OnSelchangeCmbStrategy();
  void OnSelchangeCmbOrderno();
  void OnSelChangeCmbProductType();

  // --- Time range and check boxes (FilterBarRange.cpp). ---
  // Either picker losing the focus: the range shown becomes the grid's time filter, or none when
  // both ends are the same.
  void OnKillfocusDatetimePenFrom(NMHDR* pNMHDR, orv::platform::LRESULT* pResult);
  void OnKillfocusDatetimePenTill(NMHDR* pNMHDR, orv::platform::LRESULT* pResult) {
    OnKillfocusDatetimePenFrom(pNMHDR, pResult);
  }
  void OnChkOrderStatus();
  void OnSaveFilterIfChecked();
  void OnChkOpenWithSorting();

  // --- What the window and the grid ask of the bar (FilterBarMirrors.cpp). ---
  // The window filters on one contract (F3): the contract fields cannot change meanwhile.
  void DisableTokenChangeControls();
  void EnableTokenChangeControls();
  // The window's filter bar command: the focus goes to the client code, the exchange or the order
  // type; when it has just shown the bar, the misc controls also follow the host's settings.
  void OnShownByWindow(bool bJustShown);
  // Tab from the grid: the first enabled contract field; Shift+Tab: Show Status, or the client
  // code when the host disables the misc controls. False when nothing could take the focus.
  bool FocusFromGrid(bool backwards);
  // Puts the fields back to their defaults (the order status field too when withStatus).
  void ResetFilter(bool withStatus);
  // Hides the bar by collapsing the splitter row it sits in; nothing when it is not shown.
  void Close();
  // FilterBarMirror.
  void SetdataOnFilterbar(int column, const std::string& text, bool bAll) override;
  void ResetColumnControl(int column) override;
  void SetTimeRange(const orv::platform::OleDateTime& from, const orv::platform::OleDateTime& till) override;

  // The "Save Filter" check box: the view keeps its filters across restarts while it is ticked.
  orv::platform::CheckBox& SaveFilterCheckBox() { return m_chkSaveFilter; }
  bool IsSaveFilterChecked() const { return m_chkSaveFilter.GetCheck() == orv::platform::BST_CHECKED; }
  bool IsOpenWithSortingChecked() const { return m_chkOpenWithSorting.GetCheck() == orv::platform::BST_CHECKED; }

  // The bar's own writes into an edit set it; the next autocomplete request is then answered
  // with no list and clears it.
  void SetAutoFill(bool autoFill) { m_bAutoFill = autoFill; }
  bool m_bAutoFill = false;

  // --- Autocomplete and keys (FilterBarAutoComplete.cpp, FilterBarKeys.cpp). ---
  // An edit asks for its candidate list while the user types; returns 0.
  orv::platform::LRESULT OnFillAutoCompleteeList(int id, CStringList* pList);
  // Up and Down step the edit through its values, Tab and Enter complete it; true when a value
  // was written that is to be applied.
  bool OnUpDownTabEnter(int key, int id, Edit* pEdit);
  // Keys before the bar's controls see them; true when consumed.
  bool PreTranslateMessage(orv::platform::MSG* pMsg) override;
  // Key-down messages the edits pass on to the bar.
  void OnKeyDown(unsigned nChar, unsigned nRepCnt, unsigned nFlags);
  // Host helpers: write a client code (only a known one when bCheck), and the smallest known
  // client code beginning with a text.
  void SetClientCode(Edit* pEdit, const std::string& text, bool bCheck);
  std::string GetAutoCompleteClientCode(const std::string& text) const;
  // The edit with this control id among the nine, or null.
  Edit* EditOfId(int id);

  // --- Context menu and command relays (FilterBarCommands.cpp). ---
  // Right click on the bar: menu 2002 with its check marks, shown at the point; nothing when the
  // bar does not sit in a filter frame.
  void OnContextMenu(orv::platform::Window* pWnd, int x, int y);
  // Ticks and greys the menu's items for the window's bars and the grid's order-style filter.
  void MarkContextMenu(orv::platform::Menu& popup) const;
  // A command of menu 2002; false for an id the bar has no handler for. Relays do nothing without
  // a grid.
  bool OnCommand(unsigned id);
  orv::platform::LRESULT OnMessage(unsigned msg, orv::platform::WPARAM wParam, orv::platform::LPARAM lParam) override;

  // Entry points of the host's link surface that do nothing.
  void OnShowStatus() {}
  void OnFilterBar() {}
  void OnGetSelectedContract() {}
  void FillProductName(char*) {}
  void FillStrategyName(char* const) {}

  // Every control of the template in its order, labels included, for screens and dumps.
  struct TemplateControl {
    const filterbar::ControlSpec* spec;
    orv::platform::Control* control;
  };
  const std::vector<TemplateControl>& TemplateControls() const { return m_templateControls; }

  // The controls, named as the template names them.
  ComboBox m_cmbExchange;
  ComboBox m_cmbOrderLeg;
  ComboBox m_cmbInstType;
  Edit m_edtSymbol;
  Edit m_edtExpiry;
  Edit m_edtStrike;
  Edit m_edtOptType;
  ComboBox m_cmbOrderType;
  ComboBox m_cmbBuySell;
  ComboBox m_cmbProClient;
  ComboBox m_cmbOrderStatus;
  Edit m_edtUser;
  Edit m_edtClientCode;
  ComboBox m_cmbOrderStyle;
  Edit m_edtStrategy;
  Edit m_edtOrderNo;
  Edit m_edtProductType;
  orv::platform::TimePicker m_dtpTimeFrom;
  orv::platform::TimePicker m_dtpTimeTill;
  orv::platform::CheckBox m_chkOrdStatus;
  orv::platform::CheckBox m_chkSaveFilter;
  orv::platform::CheckBox m_chkOpenWithSorting;
  orv::platform::Button m_btnShowStatus;
  ComboBox m_cmbExpirySort;

  // The time range last handed to the grid, as texts ("HH:mm:ss") and as date-times.
  std::string m_strTimeFrom;
  std::string m_strTimeTill;
  orv::platform::OleDateTime m_dtTimeFrom = orv::platform::OleDateTime::Null();
  orv::platform::OleDateTime m_dtTimeTill = orv::platform::OleDateTime::Null();

  // The text last applied from each of these edits; leaving an edit whose text still equals it
  // (ignoring case) does nothing. The order-number edit keeps none.
  std::string m_strAppliedSymbol;
  std::string m_strAppliedExpiry;
  std::string m_strAppliedStrike;
  std::string m_strAppliedOptType;
  std::string m_strAppliedUser;
  std::string m_strAppliedClientCode;
  std::string m_strAppliedStrategy;
  std::string m_strAppliedProductType;

 protected:
  OrderBookGrid* m_pGrid = nullptr;

 private:
  // One of the nine edits with what applying it needs.
  struct EditBinding {
    Edit* edit;
    filterbar::EditField field;
    std::string* applied;  // null for the order number
  };
  const EditBinding& BindingOf(filterbar::EditField field) const;
  const EditBinding* BindingOfColumn(int column) const;
  ComboBox* ListOfColumn(int column);

  void BuildTemplateControls();
  void WireHandlers();
  // Runs one handler; an exception is logged and goes no further.
  template <typename F>
  void Guard(std::string_view operation, F&& body);
  void LogException(std::string_view operation) const;

  // The selected item's text of a list (empty without a selection).
  static std::string SelectedText(const ComboBox& combo);
  // The bar writes a text into an edit (raising m_bAutoFill first).
  void WriteEdit(Edit& edit, std::string_view text);
  // SetDefaultDemoFilter with replace on and the filter bar skipped; nothing without a grid.
  void HandOver(int column, const std::string& text, bool bShowAll);
  // A list selection handed to the grid (nothing for an empty text).
  void HandOverList(const ComboBox& combo, int column, std::string_view allText = "All");
  void SelectEditText(Edit& edit);
  // Leaving one of the eight completing edits: complete from the displayed orders, then apply.
  void CompleteOnLeave(filterbar::EditField field);
  void ApplyEdit(filterbar::EditField field);
  // False when nothing was handed over (an empty text, no grid).
  bool HandOverEditText(filterbar::EditField field);
  void SetDefaultPickers();

  const EditBinding* BindingOfId(int id) const;
  // Keys held while the key went down.
  bool IsHeld(orv::platform::Key key) const;
  // The Ctrl+H request to the host's main window.
  void PostCtrlHRequest();
  // The values an edit steps through or lists, kept between keystrokes.
  const std::vector<std::string>& Candidates(filterbar::EditField field, filterbar::CandidateUse use,
                                             std::string_view prefix = {});

  const VariantDescription* m_pVariant;
  std::vector<EditBinding> m_edits;
  filterbar::CandidateCache m_candidates;
  orv::platform::Button m_btnRefresh;
  std::vector<std::unique_ptr<orv::platform::Static>> m_labels;
  std::vector<TemplateControl> m_templateControls;
};

template <typename F>
void OrderBookFilter::Guard(std::string_view operation, F&& body) {
  try {
    body();
  } catch (...) {
    LogException(operation);
  }
}
