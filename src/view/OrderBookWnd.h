#pragma once
// The docking window of an order-book view, one implementation for both variants. It owns the
// status bar, the layout and the order actions, and binds the host libraries' entry points when
// it is constructed.
#include "actions/BuySellQtyTotals.h"
#include "actions/CancelOrdersList.h"
#include "actions/SentCancels.h"
#include "host/CustomDockingControlBar.h"
#include "host/CustomSplitterControl.h"
#include "host/HostLibraries.h"
#include "host/AppGlobal.h"
#include "host/LegacyTypes.h"
#include "host/platform/StatusBar.h"
#include "host/platform/VirtualKeys.h"
#include "host/records/OrderBookDetails.h"
#include "host/records/OrderEntryPacket.h"
#include "view/LegacyFormatting.h"
#include "view/ViewVariant.h"

#include <list>
#include <map>
#include <memory>
#include <optional>
#include <array>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace orv::platform {
class ComboBox;
}

class OrderBookGrid;
class OrderBookFilter;
class OrderBookFilterFrame;
class SliceBudget;
class SlicedWork;
struct WindowCancelPass;
namespace MarketStatusCheck {
class Walk;
}

class OrderBookWnd : public CustomDockingControlBar {
 public:
  explicit OrderBookWnd(ViewVariant variant);
  ~OrderBookWnd() override;

  const VariantDescription& Variant() const { return *m_pVariant; }

  // The market check of cancellation (mode 1, the store's cancellation list) and modification
  // (mode 2): drops orders of shut markets from the cancellation list and tells the user which
  // markets are shut. 1 to go on, 0 to stop; any other mode checks nothing.
  int CheckMarketStatus(short nMode, bool bAllRows);
  // The same cancellation check over a list of the caller's, as far as the slice goes (a pass over
  // a large book): the walk is made on the first call; empty while keys are left to look at.
  std::optional<int> CheckMarketStatusStep(std::unique_ptr<MarketStatusCheck::Walk>& walk,
                                           std::vector<std::uint32_t>& list, bool bAllRows, SliceBudget& budget);

  // --- Cancel requests the window sends itself (actions/WindowCancelEntryPoints.cpp). ---
  // Builds the cancel request of the record's order and hands it to the host's order sender, at
  // most once per order. While the store's cancellation list holds orders the user is asked
  // first, unless `bNoQuestion`.
  void OrderCancellation(OrderBookDetails record, bool bNoQuestion);
  // Cancels one spread order: 1 when its request was sent, 0 when refused, unknown or already sent.
  int CancelSpreadOrderLogic(double orderNumber);
  // The entry packet of an order from the record cache; 1 when exactly one was found and copied.
  // `lOurOrderNo` 0 matches any own order number.
  int getOrderRecord(double orderNumber, ORVEL_ORDER_ENTRY* pOrderEntry, unsigned lOurOrderNo);
  // The pending spread record of an order number; 1 when found and copied.
  int getSpreadOrderRecord(double orderNumber, ORVEL_SPREAD_OE_REQUEST* pSpreadRequest);
  // The audit lines of cancels sent on another dealer's behalf ("OrderRequest" log).
  void LogCancelOrderRequest(std::string_view header, const ORVEL_ORDER_ENTRY& request) const;
  void LogCancelSpdOrderRequest(const ORVEL_SPREAD_OE_REQUEST& request) const;
  // The orders whose cancel requests went out; only the window's own cancel paths forget them.
  SentCancels& SentOrderCancels() { return m_SentOrderCancels; }
  SentCancels& SentSpreadCancels() { return m_SentSpreadCancels; }
  const SentCancels& SentOrderCancels() const { return m_SentOrderCancels; }
  const SentCancels& SentSpreadCancels() const { return m_SentSpreadCancels; }
  // The window's copy of AppGlobal::bOrderSettings_OrderCancel (taken again by its cancel command).
  int bOrderCancelConfirm = AppGlobal::bOrderSettings_OrderCancel;

  // --- The window's own cancel entry points (actions/WindowCancelCommands.cpp). ---
  // Cancels the selected rows the grid shows: un-confirmed orders locally, spread orders through
  // CancelSpreadOrderLogic, every other order handed back to the window by message 102.
  void OnCancel();
  // Cancels every row the grid shows (Shift+F3, the host's delete-all).
  void OnCancelAll();
  // Both take the rows when called and run as a pass in slices over the event loop's passes (the
  // first slice at once), so a book of a million rows never holds the window for long; an
  // ordinary book is done before the call returns. A new cancel finishes a running pass first.
  bool IsCancelPassRunning() const { return m_pCancelPass != nullptr; }
  // Runs what is left of a running pass now (a question it has still to ask is asked now), and of
  // a cancel of the grid's that is running.
  void FinishCancelPass();
  // Whether a slice of this window's pass or of its grid's cancel is running (a nested call).
  bool IsCancelPassInSlice() const;
  // The host's delete-all; neither argument is read and the result is always 0.
  orv::platform::LRESULT DeleteAllProcess(orv::platform::WPARAM, orv::platform::LPARAM);
  // The host adds one grid row to the collected orders (the order number is read from the row).
  void CollectOrderForCancellation(int nRow, double dOrderNumber);
  const std::vector<CancelOrdersList>& CollectedOrders() const { return m_lstCancelOrders; }
  const std::unordered_set<std::int64_t>& CollectedSpreadOrders() const { return m_setCollectedSpreadOrders; }
  bool IsCancelAllMode() const { return m_bCancelAllMode; }
  // The order number a queued message 102 carries; null when the address is not this window's.
  const double* HandedBackOrderNumber(orv::platform::WPARAM address) const { return m_HandBacks.Find(address); }
  std::size_t HandBacksQueued() const { return m_HandBacks.Size(); }

  // Writes one line through the bound log writer; nothing when the writer is missing.
  void WriteLog(const char* source, const std::string& text) const;
  // The exception line of an operation of this window's class (or of `className`).
  void LogException(std::string_view operation) const;
  void LogException(std::string_view className, std::string_view operation) const;

  bool IsBindingComplete() const { return m_bBindingComplete; }
  const std::string& LoggedInUserId() const { return m_cUserId; }
  const std::string& WindowTypeName() const { return m_cWindowType; }

  orv::platform::StatusBar* GetStatusBar() { return &m_wndStatusBar; }

  // Shows or hides the bar; showing asks the grid for a rebuild and starts its refresh timer.
  void ShowControlBar(bool show, bool delay = false, bool activate = true) override;

  // --- The shell (WindowShell.cpp). ---
  // Creation sequence: status bar panes, splitter with the filter frame row collapsed, router
  // registration, creation log line. Returns -1 when the base creation fails.
  int OnCreate();
  void OnSize(int cx, int cy);
  void AdjustLayout();
  virtual void ResetFilterOnClose();
  void OnNcDestroy();
  void OnSetFocus();
  void OnEditFind();
  // Ctrl+F outside the grid opens the grid's find dialog; true when consumed.
  bool PreTranslateMessage(orv::platform::MSG* pMsg);
  orv::platform::LRESULT OnMessage(unsigned msg, orv::platform::WPARAM wParam,
                                   orv::platform::LPARAM lParam) override;
  // Window-level forwards of the header menu commands.
  void OnFilterSet();
  void OnFilterClear();
  bool OnUpdateFilterClear();
  void OnApplyFilter();
  void OnFilterSortAZ();
  void OnFilterSortZA();

  bool bFilterBarShown = false;

  // --- The F3 toggle (F3KeyPress.cpp). ---
  static constexpr std::size_t kCriteriaCount = 21;
  // F3 shows the selected row's contract or all scrips, Shift+F3 cancels all; false when F3 had
  // no selected row.
  bool OnF3KeyPress();
  // With criteria that differ from the last ones (compared ignoring case), collects the rows the
  // grid shows that meet every active criterion into CombinedOrders() and remembers the criteria.
  // "All" leaves a criterion out (for the symbol also "" and "No Symbol", for the client "" and
  // "No Clients"). The fields, in order: exchange, instrument type, symbol, order type, buy/sell
  // ("Buy" or not), pro/client, status, user, client, strike, order kind ("Spread" or not), order
  // style, strategy, expiry, exchange, option type, order number, product type, token, entry time
  // (without "Hrs" and "PM"), record type ("T" or not).
  void FiltersCombination(const std::array<std::string, kCriteriaCount>& criteria);
  // Store key of each combined order to its grid row; only read by tests and the scenario dump.
  const std::map<std::uint32_t, int>& CombinedOrders() const { return m_mapCombinedOrders; }
  // Shift+F3, from the host or the grid: the time and the flag the host reads after a cancel-all.
  static void StampShiftF3Event();
  // The order-style criterion of the F3 titles; "All" before any combination has run.
  std::string OrderStyleCriterion() const;
  bool bF3AllScrips = false;
  bool bSpreadView = false;
  bool bShiftF3 = false;
  bool bCombinationRunning = false;
  std::string strF3FilterText;
  std::string strF3Token;
  std::array<std::string, kCriteriaCount> strLastCriteria{};
  bool bMultiOrdersModify = false;
  // A bulk order file is being written (Excel and text flavours).
  bool bBulkExcelSaveInProgress = false;
  bool bBulkTextSaveInProgress = false;

  // Window state the grid and the commands share.
  bool bMultiRowSelected = false;
  bool bClosedByEscape = false;

  // Buy and sell totals panes of a contract from the per-token totals the host keeps here.
  void CalculateBuySellQty(std::int32_t token, CBCGPGridRow* row, int* /*count*/) {
    m_BuySellQtyTotals.Calculate(*this, token, row);
  }
  BuySellQtyTotals& BuySellTotals() { return m_BuySellQtyTotals; }
  void GetStatusValues() { m_BuySellQtyTotals.WriteTitleTotals(m_wndStatusBar); }

  OrderBookGrid* GetGrid() const { return m_pGrid; }
  void SetGrid(OrderBookGrid* grid) { m_pGrid = grid; }
  OrderBookFilter* GetFilterBar() const { return m_pFilterBar; }
  OrderBookFilterFrame* GetFilterFrame() const { return m_pFilterFrame; }
  // The filter frame registers itself and the bar it created (null, null: neither).
  void SetFilterFrame(OrderBookFilterFrame* frame, OrderBookFilter* bar) {
    m_pFilterFrame = frame;
    m_pFilterBar = bar;
  }
  // List fillers the host may call for its own lists. FillProductTypeInCombo adds a product type
  // unless it is empty or the list already has an item starting with it; FillStrategyName does
  // nothing.
  void FillProductTypeInCombo(orv::platform::ComboBox* pCombo, const char* pszProductType);
  void FillStrategyName(const std::string&) {}

  // Row 0 holds the filter frame, row 1 the grid.
  CustomSplitterControl& GetSplitter() { return m_wndSplitter; }
  // Where the last layout put the grid and the status bar (client coordinates).
  WindowRect GetGridRect() const;
  const WindowRect& GetStatusBarRect() const { return m_rcStatusBar; }

  // --- Entry points the host calls for its older paths: they change nothing. ---
  void AddOnGrid(ORVEL_ORDER_ENTRY_AND_IN_STRING&, long, long, CBCGPGridRow*, int*) {}
  void AddOnGrid(ORVEL_SPREAD_OE_REQUEST*, long, long, bool, CBCGPGridRow*, int*) {}
  void AddRemoveFromPendingMap(long, long, short, long, short, long, short, double, bool, bool, long) {}
  void AddUnConfirmedEntriesOnGrid(ORVEL_ORDER_ENTRY, CBCGPGridRow*, long) {}
  void AddUpdateRowFromPacket(ORVEL_ORDER_ENTRY) {}
  void FillCompletedOrderInGrid() {}
  void FillGridOnLoad(int) {}
  void FillUnconfirmedOrders(bool, short) {}
  void ModifyOnGrid(ORVEL_ORDER_ENTRY_AND_IN_STRING&, long, long) {}
  void OnModify() {}
  void UpdateFonts() {}
  void UpdateStatusBarText(long, CBCGPGridRow*, int*) {}

  // --- Formatting for the host's older row-filling path (LegacyFormatting does the work). ---
  void ConvertTimeAsPerSettings(CBCGPGridRow* row, long a, long time) const {
    m_legacyFormatting.ConvertTimeAsPerSettings(row, a, time, ConvertTimeEntry());
  }
  std::string_view GetOrderType(int type) const { return LegacyFormatting::GetOrderType(type); }
  std::string_view GetNSESLBMOrderType(int type, double price) const {
    return LegacyFormatting::GetNSESLBMOrderType(type, price);
  }
  void DisplayQtyInLots(CBCGPGridRow* row, long token, long totalQty, long pendingQty, long tradedQty) const {
    m_legacyFormatting.DisplayQtyInLots(row, token, totalQty, pendingQty, tradedQty);
  }
  std::string GetTradedQty(double orderNumber, long token, char* avgOut,
                           std::size_t avgSize = LegacyFormatting::kAveragePriceTextSize) const {
    return m_legacyFormatting.GetTradedQty(orderNumber, token, avgOut, avgSize);
  }
  bool getBracketOrderInfo(long iomRuleNo, long ourOrderNo, double& sl, double& target, double& slTrigger) const {
    return m_legacyFormatting.getBracketOrderInfo(iomRuleNo, ourOrderNo, sl, target, slTrigger);
  }
  void SetOrderTypeInfo(long key, short type) { m_legacyFormatting.SetOrderTypeInfo(key, type); }
  // The remembered order type of a key (what the order-kind lookup consults first).
  bool FindOrderTypeInfo(long key, short& type) const { return m_legacyFormatting.FindOrderTypeInfo(key, type); }
  bool UpdateErrorDescription(char* a, short b, long c, long d, char* e) {
    return LegacyFormatting::UpdateErrorDescription(a, b, c, d, e);
  }
  void StringTrim(char* text, char ch) const { LegacyFormatting::StringTrim(text, ch); }
  void SetContractInfoFromlOurToken(CBCGPGridRow* row, long token) const {
    m_legacyFormatting.SetContractInfoFromlOurToken(row, token);
  }
  // --- The older row-filling path for spread orders (view/SpreadRowFiller.cpp). ---
  // Reads the spread orders of `kind` from the record cache and writes one row object per order
  // and per leg into SpreadRows() (replacing the last call's rows). `row`, when given, receives a
  // copy of the first row written; `count` (the window's own counter when null) grows by the
  // rows written. Returns the rows written; an unknown kind writes none.
  int FillSpreadRow(int kind, CBCGPGridRow* row, int* count);
  // Writes the contract cells of a row from `contract`; a non-empty `exchange` replaces the
  // exchange text that the token's exchange index gives. `count` is not read.
  void SetlOurTokenInfo(const long& token, CBCGPGridRow* row, char* exchange, const ScriptDesc& contract, int* count);
  const std::vector<CBCGPGridRow>& SpreadRows() const { return m_vctSpreadRows; }
  int SpreadRowKind() const { return m_nSpreadRowKind; }
  int SpreadRowCount() const { return m_nSpreadRowCount; }

  // --- Modification entry points the host calls (actions/MultipleRowModifying.cpp). ---
  // The host's modification window changed one order into `packet`: the same change goes to
  // every other order of the store's modification list that matches its side, contract and
  // kind. A normal order entry and a spread request are told apart by each listed order.
  void MultipleRowModifying(const ORVEL_ORDER_ENTRY* packet);
  void MultipleRowModifying(const ORVEL_SPREAD_OE_REQUEST* packet);
  // Sets bOrderViewModify from the client mapper: 1 when the logged-in dealer has a row there
  // with a nonzero iOrderViewmodify.
  void SetOrderViewModify();
  int bOrderViewModify = 0;

  orv::platform::LRESULT GiveRequestColor(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT ModificationSurveillanceFailed(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT OnBuySellColor(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT OnFillOrvelData(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT OnFrameSettings(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT OnOpenWorkspaceData(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT OnSaveWorkspaceData(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT RefreshPosition(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  // These three only leave a line in the variant's log.
  orv::platform::LRESULT UpdateToCancelOrderStatus(orv::platform::WPARAM, orv::platform::LPARAM);
  orv::platform::LRESULT OnTimeFormat(orv::platform::WPARAM, orv::platform::LPARAM);
  orv::platform::LRESULT OnSQuareOff_CancelPendOrders(orv::platform::WPARAM, orv::platform::LPARAM);

 protected:
  void SetBackpointerAddress(void* address) { m_pBackpointer = address; }

  orv::platform::StatusBar m_wndStatusBar;
  OrderBookGrid* m_pGrid = nullptr;
  OrderBookFilter* m_pFilterBar = nullptr;
  OrderBookFilterFrame* m_pFilterFrame = nullptr;
  BuySellQtyTotals m_BuySellQtyTotals;

 private:
  void BindEntryPoints();
  void CreateStatusBarPanes();
  bool CreateSplitter();

  // The panes are declared after the splitter so that they go first.
  CustomSplitterControl m_wndSplitter;
  std::unique_ptr<OrderBookFilterFrame> m_pOwnedFilterFrame;
  std::unique_ptr<OrderBookGrid> m_pOwnedGrid;
  WindowRect m_rcGrid;
  WindowRect m_rcStatusBar;

  const VariantDescription* m_pVariant;
  bool m_bBindingComplete = false;
  std::string m_cUserId;
  std::string m_cWindowType;
  void* m_pBackpointer = nullptr;  // stored only; the views never write through it

  // TradeBridge.
  RemoveItemFn m_pfnRemoveItem = nullptr;
  ItemCountFn m_pfnItemCount = nullptr;
  RemovePendingAllFn m_pfnRemovePendingAll = nullptr;
  SetPendingOrderFlagFn m_pfnSetPendingOrderFlag = nullptr;
  // The shared utility library.
  WriteInLogFileFn m_pfnWriteInLogFile = nullptr;
  ConvertTimeFn m_pfnConvertTime = nullptr;
  ExpiryConversionFn m_pfnExpiryConversion = nullptr;
  ExpiryConversionFn m_pfnMCXExpiryConversion = nullptr;
  ExpiryConversionFn m_pfnCMEExpiryConversion = nullptr;
  ExpiryConversionFn m_pfnDGCXExpiryConversion = nullptr;
  ConvertTimeInTimeStampFn m_pfnConvertTimeInTimeStamp = nullptr;

  // Kept empty; the host's older paths expect them to exist on the Pending window.
  std::map<long, long> m_mapLegacyBuyQtyByToken;
  std::map<long, long> m_mapLegacySellQtyByToken;
  std::list<long> m_lstLegacyCancelOrders;
  bool m_bLegacyMembersCreated = false;
  LegacyFormatting m_legacyFormatting{*this};

  int m_nSpreadRowKind = -1;
  int m_nSpreadRowCount = 0;
  std::vector<CBCGPGridRow> m_vctSpreadRows;
  // Both packet kinds arrive here as bytes, zero beyond what the caller's packet holds.
  void ModifyListedOrders(const unsigned char* packet, std::size_t size);

  std::map<std::uint32_t, int> m_mapCombinedOrders;  // the last filter combination (FiltersCombination)

  SentCancels m_SentOrderCancels;
  SentCancels m_SentSpreadCancels;
  std::vector<CancelOrdersList> m_lstCancelOrders;
  // Integer parts of the spread order numbers collected in this pass.
  std::unordered_set<std::int64_t> m_setCollectedSpreadOrders;
  bool m_bCancelAllMode = false;
  CancelHandBacks m_HandBacks;
  std::unique_ptr<WindowCancelPass> m_pCancelPass;  // the pass running, if any
  std::unique_ptr<SlicedWork> m_pCancelSlices;

  // Helpers of the cancel entry points (actions/WindowCancelCommands.cpp).
  void OnCancelHandBack(orv::platform::WPARAM address);
  // The checks of the window's cancel before it collects (in cancel-all mode: before it walks
  // what the cancel-all collected), with the selected rows the grid shows into `selected` when
  // given. False when the cancel stops there (the user told, or un-confirmed orders cancelled).
  bool PrepareCancel(std::vector<int>* selected);
  // `packet` null: the entry reads the row's record from the store when its cancel is built.
  void AppendCollected(int nRow, const OrderBookDetails& record, std::uint32_t key,
                       std::shared_ptr<const ORVEL_ORDER_ENTRY> packet);
  void EndCancelAll(bool silent);

  // The pass (actions/WindowCancelPassSteps.cpp).
  enum class PassStep { Next, Pause, End };
  void StartCancelPass(std::unique_ptr<WindowCancelPass> pass);
  bool StepCancelPass(SliceBudget& budget);
  PassStep CollectPassRows(WindowCancelPass& pass, SliceBudget& budget);
  PassStep CheckPassMarkets(WindowCancelPass& pass, SliceBudget& budget);
  PassStep GatherPassRows(WindowCancelPass& pass, SliceBudget& budget);
  PassStep AskPass(WindowCancelPass& pass);
  PassStep WalkPass(WindowCancelPass& pass, SliceBudget& budget);
  void EndCancelPass();

 protected:
  ConvertTimeFn ConvertTimeEntry() const { return m_pfnConvertTime; }
};
