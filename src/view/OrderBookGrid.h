#pragma once
// The virtual grid of an order-book view, one implementation for both variants.
#include "host/LegacyTypes.h"
#include "host/platform/VirtualKeys.h"
#include "host/OrvGridCtrl.h"
#include "host/platform/FilterMenuTracker.h"
#include "host/records/OrderBookDetails.h"
#include "view/ContractRowTotals.h"
#include "view/RowListTracker.h"
#include "view/SelectionIndex.h"
#include "view/ViewVariant.h"

#include <cstdint>
#include <memory>
#include <string>
#include <span>
#include <unordered_map>
#include <vector>

class OrderBookWnd;
class GridExportJob;
class SliceBudget;
class SlicedWork;
struct GridCancelPass;

// Lets a grid own its export job without seeing the job's class.
struct GridExportJobDeleter {
  void operator()(GridExportJob* job) const;
};

class OrderBookGrid : public OrvGridCtrl {
 public:
  explicit OrderBookGrid(ViewVariant variant);
  ~OrderBookGrid() override;

  const VariantDescription& Variant() const { return *m_pVariant; }
  OrderBookWnd* GetOwnerWnd() const { return m_pWnd; }
  void SetOwnerWnd(OrderBookWnd* wnd) { m_pWnd = wnd; }

  // The exception line of one of this grid's operations, through the window's log writer.
  void LogException(std::string_view operation) const;
  // Header button images from the module's strip (see HeaderImages.h).
  void SetHeaderImages();

  // The grid's own row list: grid row r shows element n - 1 - r (the store's newest row on top).
  const std::vector<OrderBookDetails*>& RowVector() const { return m_RowVector; }
  // How many refreshes followed the store's change journal instead of rebuilding from scratch.
  std::uint64_t PatchedRefreshes() const { return m_rowTracker.PatchedRefreshes(); }
  // What the grid holds beside the store's records: its row list, the lists kept beside it and the
  // selection memory's index.
  std::size_t MemoryBytes() const {
    return m_RowVector.capacity() * sizeof(OrderBookDetails*) + m_rowTracker.MemoryBytes() +
           m_selectionIndex.MemoryBytes() + m_RestoredRows.capacity() * sizeof(int);
  }
  // How many filter changes were applied to the rows shown instead of the whole book.
  std::uint64_t NarrowedRefreshes() const { return m_rowTracker.NarrowedRefreshes(); }
  // Each row's contract token while the row list is tracked; empty otherwise.
  std::span<const std::int32_t> RowTokens() { return m_rowTracker.RowTokens(m_RowVector); }
  // The totals last kept for contract `token`, while none of its rows has come, gone, changed or
  // moved since (null otherwise): every refresh asks for them, and most change other contracts.
  // Not while the store has a change the rows have not caught up with (until the next tick).
  const ContractRowTotals* KeptTotals(std::int32_t token) const;
  // `totals` were just summed over the rows of `token` that RowTokens names.
  void KeepTotals(std::int32_t token, const ContractRowTotals& totals) {
    ++m_totalsSummed;
    m_rowTracker.WatchToken(token, totals);
  }
  // How many times KeepTotals was handed a fresh sum.
  std::uint64_t TotalsSummed() const { return m_totalsSummed; }
  // The record shown in grid row `row`, or null when the row does not exist.
  OrderBookDetails* RecordAtRow(int row) const {
    const auto n = static_cast<long long>(m_RowVector.size());
    return row >= 0 && row < n ? m_RowVector[static_cast<std::size_t>(n - 1 - row)] : nullptr;
  }
  // The row showing `record`, looked for first at the row showing displayed index `source` (as
  // the row tracker knows it), then near list index `nearIndex`; -1 when not shown.
  int RowOfRecord(const OrderBookDetails* record, std::size_t nearIndex,
                  std::uint32_t source = OrderBookDetails::kNotDisplayed) const;

  // Replaces the row list with a copy of the store's displayed vector (no filtering, no redraw).
  void AssignOrderDataSourceByOrderStatus();

  // --- The refresh cycle: the store raises request flags, a one-shot timer rebuilds the rows. ---
  // Creation sequence: columns, virtual mode, links to the window, store registration, first fill.
  int OnCreate();
  bool IsGridCreated() const { return bGridCreated; }
  // Nonzero arms the refresh timer with nElapse ms (re-arming replaces a pending one); zero kills it.
  void StartStopProcess(int bStart, unsigned nElapse);
  void RefreshData();
  // A record the grid shows left the store: the rows are rebuilt at once, shown or hidden, so no
  // command reads the order afterwards (a hidden grid would otherwise keep it until shown).
  void OnStoreRecordRemoved(BookKind kind, const OrderBookDetails* record) override;
  void FilterGridData();
  void FillGridMaster();
  void FillVirutalRows();
  void UpdateVirutalRow();
  int CheckRecordAddForFilter(OrderBookDetails* record);
  void GetCurSelectedOrders(std::vector<OrderBookDetails*>& out);
  // The virtual-mode cell request: value and side colour of one visible cell.
  bool GetItemValue(orv::platform::DispInfo* pdi);
  void OnTimer(orv::platform::UINT_PTR nIDEvent) override;
  void OnSelChanged(const orv::platform::GridRange& range, int bSelect) override;

  // Column filters written by every filter source; see the sort-and-filter code.
  void SetFilterParam(int column, const std::vector<std::string>& values, bool bShowAll, bool bReplace,
                      bool bSkipFilterBar);
  void SetDefaultDemoFilter(int column, const std::string& text, bool bShowAll, bool bReplace, bool bSkipFilterBar);

  // --- Column header filters: buttons, header menu, dialogs and tips (sortfilter/HeaderFilter*). ---
  // Gives every filterable column its header filter button (creation sequence).
  void EnableHeaderFilterButtons();
  void OnHeaderMenuButtonClick(int col) override;
  // Makes `col` the column the header menu's commands act on, with its filter state, as opening
  // its menu does (the clear-filter key uses it for the current cell's column).
  void PrepareHeaderMenuColumn(int col);
  // -1 without a button; 0 plain, 3 filtered, plus 1 ascending or 2 descending with the sort mark.
  int GetHeaderMenuButtonImageIndex(int col, bool withSortMark) const override;
  // The header menu's state: its column, whether its all entry is ticked and the ticked values.
  const orv::platform::FilterColumnInfo& HeaderMenuState() const { return m_FilterColumnInfo; }
  // Appends the values a column's header menu and set-filter dialog offer: its fixed list, or the
  // distinct texts of the store's whole displayed list (not only the rows shown), byte-wise sorted.
  void GetStringList(std::vector<std::string>& out, int column);
  // The texts joined with ",".
  static std::string GetFilterValues(const std::vector<std::string>& values);
  // "Filter by <column name>"; false for a column without a filter button.
  bool GetHeaderMenuButtonTooltip(int column, std::string& text) const;
  // What the tip of a column's filter button says about its filter.
  std::string GetCurFilterButtonDescription(int column) const;
  // The tip of the header button under x (see GridColumnsInfo::HitTestColumn); false when there is
  // no filter button there.
  bool OnNeedTipText(int x, std::string& title, std::string& text) const;
  // 1 hides the grid row, 0 shows it. Kept for the host's link surface; the grid never registers
  // it (the refresh's own filter pass decides which rows exist).
  static int pfnFilterCallback(const OrderBookGrid* grid, int row, const MULTIPLEFILTER_PARAM* filter);
  // --- Sorting (sortfilter/GridSorting.cpp): the sort list goes to the store, which reorders its
  // displayed vector; the next tick rebuilds the rows. ---
  // A header click: the column cycles not sorted, ascending, descending, not sorted, and moves to
  // the end of the sort list.
  void ToggleSortColumn(int col) override;
  // Hands the sort list to the store; unless bNoRefresh, also asks for a grid update.
  void Sort(bool bNoRefresh);
  // The sort list, most recently toggled column last; a column occurs at most once and carries
  // the direction of its header mark.
  const std::vector<SortColState>& GetSortColState() const { return vctSortColState; }
  // Exported: sorts the store's displayed vector in place by one column (nonzero bDescending:
  // greatest first); the third argument has no effect.
  void SortData(int column, int bDescending, int);
  // Exported: would order the grid's own row list by a column list of its own, but nothing ever
  // fills that list, so it returns at once.
  void MultipleSorting() {}
  // Re-applies or clears the remembered sort when the rows are refilled.
  virtual void ApplyLastSorting(bool bRefill);
  // Applies the filters saved in the general settings when the view opens.
  virtual void ApplyFilterOnOpen();
  // Writes the filters into the general settings (or clears them there) when the window closes.
  virtual void OnSavefilterInXML();
  static const ScriptDesc* ContractOf(long token);
  // Saving off: clears the filters (the order status stays), the filter bar and the saved texts.
  void OnRemovefilterInXML();
  // Restores one column from its saved text; a text that is too long or holds control
  // characters is ignored with one log line.
  void SetFilterOnOpen(int column, const std::string& text);
  // Exported; has no effect.
  void AddDataInCombo() {}

  // The grid control's find dialog (find only, or find and replace). It has no screen here, so
  // the requests are counted.
  void OpenFindReplaceDlg(bool /*bFindOnly*/) { ++m_nFindDialogRequests; }
  int FindDialogRequests() const { return m_nFindDialogRequests; }

  // --- The shell: commands, context menu, keys, mouse and focus (GridCommandTable.cpp,
  // GridContextMenu.cpp, GridKeys.cpp, GridShellCommands.cpp). ---
  // Routes a command id of menu 2001 to its handler; false for an id the grid does not handle.
  bool OnCommand(unsigned id);
  // Enabled state of a command for its update handler (true when it has none).
  bool IsCommandEnabled(unsigned id);
  void OnContextMenu(int x, int y);
  // The grid's key handling; true when the key was consumed.
  bool PreTranslateMessage(orv::platform::MSG* pMsg);
  void OnLButtonDown();
  void OnLButtonDblClk();
  void OnSetFocus();
  orv::platform::LRESULT OnMessage(unsigned msg, orv::platform::WPARAM wParam,
                                   orv::platform::LPARAM lParam) override;

  // Small commands of the shell.
  void OnMenuTitlebar();
  void OnMenuStatusbar();
  void OnClose();
  void OnLogoff();
  void OnCustomize();
  void OnTomufilepath();

  // Order actions and launches (their own code fills these in).
  void OnModify();
  // Cancel (the selection) and Cancel All take the rows when the user asks and run in slices over
  // the event loop's passes, the first at once (see actions/GridCancelCommands.cpp): an ordinary
  // book is done before the call returns.
  void OnCancel();
  void OnCancelall();
  bool IsCancelPassRunning() const { return m_pCancelPass != nullptr; }
  // Runs what is left of a running Cancel or Cancel All now.
  void FinishCancelPass();
  bool IsCancelPassInSlice() const;
  void OnLinktoiob();
  void OnSinglehistory();
  void OnTrades();
  void OnMarketpictureF5();
  void OnMarketpictureF6();
  void OnMarketByAggregate();
  // True when the exchange IOB order table already holds the order (it cannot be linked again).
  bool IsOrderLinked(const std::uint32_t& refNo);

  // --- Export files (actions/GridExportCommands.cpp). ---
  // The grid export: asks for a file, then writes it in slices while the window keeps running.
  void OnSavefileExcelfile();
  void OnSavefileTextfile();
  // The bulk order files: ask for a file, then rewrite the orders into it at once.
  void OnBulkOrderExcel();
  void OnBulkOrderText();
  // Exported: writes the grid export file to `path` at once (the flag is not read). False when
  // the file could not be written.
  bool ExportGridData(std::string& path, bool bUnused);
  // Exported: writes the comma-separated bulk order file to `path` without a dialog, with the
  // command's messages. False when nothing was written.
  bool BulkOrderExportGridData(const std::string& path, bool bUnused);
  // The file the last export command chose.
  const std::string& GetSaveFilePath() const { return m_strSaveFilePath; }
  // Whether a grid export is still being written.
  bool IsGridExportRunning() const;
  // Stops the grid export being written and drops its file (what was at the path stays as it
  // was). False when none was running.
  bool CancelGridExport();

  // Sorting, filters and the filter bar (their own code fills these in).
  void OnSortAZ();
  void OnSortZA();
  void OnRemoveSort();
  void OnRemoveAllSort();
  void OnFilterSet();
  void OnFilterClear();
  void OnApplyFilter();
  void OnClearAllFilter();
  bool OnUpdateRemoveSort();
  bool OnUpdateClearAllFilter();
  // Shows the filter bar (never hides it) and gives it the focus; the GTD name is the same command.
  void OnPendingorderFilterbar();
  void OnGTDOrderBookFilterbar() { OnPendingorderFilterbar(); }
  // Flips the variant's Save Filter setting, shows it in the bar's check box, then saves.
  void OnOrderBookSavefilter();
  void OnUsers();
  // Quick filters of the context menu: one handler per command id of the table.
  void OnQuickFilter(unsigned id);
  // The dock title for the token filter (0: all scrips) and the status bar's contract panes; the
  // window's spread wording (bSpreadView) follows the OrderLeg filter at the same time.
  void SetDockTitleBylOurToken(long token);
  // An OrderLeg filter without show-all that lets spread legs ("S") through.
  bool IsSpreadFilterOn() const;
  // The selected contract's description for the F3 title; empty for a token without contract.
  std::string PreparesFilterText(long token) const;
  // 1 for a spread or multi-leg order (trades on both sides, or a spread entry), 0 otherwise;
  // cached per order while the grid lives (a failed lookup is not cached).
  std::int16_t GetOrderTypeInfo(std::uint32_t refNo);
  std::unordered_map<std::uint32_t, std::int16_t> m_mapOrderKind;
  // The token whose title is shown; 0 for all scrips.
  long nTitleToken = 0;
  // The scale zoom of Ctrl+[ and Ctrl+].
  void ZoomBy(double delta);

  int nHeaderMenuColumn = -1;
  // Flipped by the Users command of the context menu; no filter reads it.
  bool bUsers = true;

  const std::vector<int>& RestoredRows() const { return m_RestoredRows; }
  bool IsSelectingRows() const { return bSelectingRows; }

  // Status bar totals of the contract `token` (0 clears them); see StatusBarTotals.
  void SetStatusbarValues(std::int32_t token, const std::string& symbol, const std::string& exchange);

  // --- Entry points the host calls for its older paths: they change nothing. ---
  void AddDatainVirtualGrid(OrderBookDetails&) {}
  void UpdateDataInVirtualGrid(OrderBookDetails&) {}
  void DeleteDataInVirtualGrid() {}
  void FillGrid(int) {}
  void GridProperties() {}
  void OnExchangeMcxsxEqFo() {}
  void OnGrid() {}
  void OnOFS() {}
  void OnUpdateRemoveAllSort(CCmdUI*) {}
  orv::platform::LRESULT GridData(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT InsertRecord(orv::platform::WPARAM, orv::platform::LPARAM) { return 0; }
  orv::platform::LRESULT OnTrackHeader() { return 0; }

 protected:
  OrderBookWnd* m_pWnd = nullptr;
  std::vector<OrderBookDetails*> m_RowVector;
  std::vector<int> m_RestoredRows;
  bool bGridCreated = false;
  bool bSelectingRows = false;
  bool bRestoringSelection = false;
  std::vector<SortColState> vctSortColState;

 private:
  void Tick();
  void RebuildRowVector(const std::vector<LastSelectedOrderData_map>& remembered, bool bUseMemory);
  void RebuildSelectionMemory();
  bool SelectionCoversAllRows() const;

  orv::platform::FilterColumnInfo m_FilterColumnInfo;
  SelectionIndex m_selectionIndex;
  RowListTracker m_rowTracker;
  std::uint64_t m_totalsSummed = 0;
  // The user sorted (or unsorted) since the last refresh: the view then stays at its row, not
  // on the order that was on top, which the new order has put anywhere.
  bool m_bSortedSinceRefresh = false;
  int m_nFindDialogRequests = 0;
  void StartGridExport(bool bExcel);
  std::string m_strSaveFilePath;
  std::unique_ptr<GridExportJob, GridExportJobDeleter> m_pExportJob;
  // The cancel command running in slices, if any (actions/GridCancelCommands.cpp).
  std::unique_ptr<GridCancelPass> m_pCancelPass;
  std::unique_ptr<SlicedWork> m_pCancelSlices;
  void StartCancelPass(std::unique_ptr<GridCancelPass> pass);
  bool StepCancelPass(SliceBudget& budget);
  // The rows of a slice; false when the command stopped there.
  bool CollectCancelKeys(GridCancelPass& pass, SliceBudget& budget, bool& stopped);
  void FinishCancel(GridCancelPass& pass, int marketOk);
  void FinishCancelAll(GridCancelPass& pass, int marketOk);

 private:
  const VariantDescription* m_pVariant;
};

template <ViewVariant V>
class OrderBookGridOf : public OrderBookGrid {
 public:
  OrderBookGridOf() : OrderBookGrid(V) {}
};
