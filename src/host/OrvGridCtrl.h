#pragma once
// The host's grid base: a virtual grid with an identity number, a store of per-column filters and
// named column profiles. The module's grids derive from it.
#include "host/MultipleFilterParam.h"
#include "host/OrderBookTypes.h"
#include "host/platform/GridCtrlModel.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct OrderBookDetails;

class OrvGridCtrl : public orv::platform::GridCtrlModel {
 public:
  // Identity numbers the host gives its grids.
  static constexpr int kPendingGridId = 2;
  static constexpr int kGtdGridId = 168;

  OrvGridCtrl();
  ~OrvGridCtrl() override;

  // The order store took `record` out of book `kind` (AppOrderBook::RemoveOrder) and raised its
  // update request. A grid that shows the book must stop handing the record to anything; the
  // record's memory stays valid until the store is emptied. Nothing by default.
  virtual void OnStoreRecordRemoved(BookKind /*kind*/, const OrderBookDetails* /*record*/) {}

  void SetGridId(int id) { m_gridId = id; }
  int GetGridId() const { return m_gridId; }

  // ---- Filter store: one entry per filtered column, visited in ascending column id ----------
  // Sets or replaces a column's filter; the stored copy's nCol is the column. False (nothing stored)
  // for a negative column.
  bool AddFilter(int col, const MULTIPLEFILTER_PARAM& param);
  // Takes a text out of a column's value list (every copy of it, so that the column no longer
  // accepts it). When that leaves a text filter without values the whole entry goes: an empty list
  // would hide every row, which is never what taking the last value out means. Returns whether the
  // text was there.
  bool RemoveFilter(int col, std::string_view text);
  // Drops a column's filter; -1 drops them all.
  void ClearFilter(int col);
  // Whether the column has a stored filter (show-all ones included); -1: whether any filter exists.
  bool IsFilterExist(int col) const;
  // Whether the column's filter holds that text (exact match).
  bool IsFilterExist(int col, std::string_view text) const;
  // Copies the column's filter out; a column without filter gives cleared parameters with nCol set.
  // Returns whether the column has a filter.
  bool GetFilterDataByColumn(int col, MULTIPLEFILTER_PARAM& out) const;
  // Number of texts in the column's filter (0 without filter).
  int GetFilterCountByColumn(int col) const;
  // Null when the column has no filter; valid until the store changes.
  const MULTIPLEFILTER_PARAM* FindFilter(int col) const;
  const std::map<int, MULTIPLEFILTER_PARAM>& Filters() const { return m_filters; }
  // Counts the changes to the stored filters, so a view can tell whether they are still the ones
  // its rows were filtered with.
  std::uint64_t FilterRevision() const { return m_filterRevision; }

  // Fixed value lists offered by a column's header filter menu.
  void SetRefFilterValues(int col, std::vector<std::string> values);
  // Empty for a column without a list.
  const std::vector<std::string>& GetRefFilterValues(int col) const;

  // ---- Column profiles: visibility, display order and widths under a name (kept in memory) ---
  void SaveColumnProfile(const std::string& name);
  // Applies a saved profile; false when none is saved under the name. Columns the profile does not
  // know keep their state.
  bool LoadColumnProfile(const std::string& name);
  bool LoadGridProfile(const std::string& name) { return LoadColumnProfile(name); }
  bool HasColumnProfile(const std::string& name) const { return m_profiles.count(name) != 0; }

  // ---- Commands the grid base answers itself (the grid items of the views' context menu) ------
  // The host's column profile, fit-to-size and grid properties dialogs have no screen here: each
  // request is counted so that callers and observers can see it arrived.
  void OnColumnprofile() { ++m_nColumnProfileRequests; }
  void OnFitToSize() { ++m_nFitToSizeRequests; }
  void OnGridProperties() { ++m_nGridPropertiesRequests; }
  int ColumnProfileRequests() const { return m_nColumnProfileRequests; }
  int FitToSizeRequests() const { return m_nFitToSizeRequests; }
  int GridPropertiesRequests() const { return m_nGridPropertiesRequests; }
  // The "Grid" item: grid lines drawn between the cells (on by default).
  void OnGridLines() { m_bGridLines = !m_bGridLines; }
  bool IsGridLinesShown() const { return m_bGridLines; }
  void SetGridLinesShown(bool show) { m_bGridLines = show; }

  // ---- The save dialog of the grid's file exports --------------------------------------------
  // The file name every grid's save dialog proposes (empty at start).
  static inline std::string savefiledefaultvalue;
  // Asks the user for a file to write the grid to, titled `title`, offering `fileName`; the Excel
  // flavour offers .xls files, the text flavour .txt files, and both ask before an existing file
  // is replaced. Nonzero, with `path` set to the chosen file, when the user chose one; 0 with
  // `path` left alone when the dialog was cancelled or the grid has no application to show it.
  int SaveToFile(const std::string& title, bool bExcel, std::string& path,
                 const std::string& fileName = savefiledefaultvalue);
  static const char* SaveFileExtension(bool bExcel) { return bExcel ? "xls" : "txt"; }

  // ---- Selection by key: the grid's own Home, End, Page Up and Page Down ----------------------
  // Moves the current row to the first or the last row, or a page (GetPageRows()) up or down,
  // keeping the current column (the first visible one when there is no current item). Shift
  // stretches the selection from its anchor instead of starting a new one. The view follows: a
  // page key scrolls by a page, and the new row is always brought into view. False, changing
  // nothing, for any other key or an empty grid.
  bool SetSelectionOnKeyEvents(int vk, bool shift);
  // Marked by every key-down the grid sees, so that selection handlers can tell keys from clicks.
  void SetKeyboardEvent(bool on) { m_bKeyboardEvent = on; }
  bool IsKeyboardEvent() const { return m_bKeyboardEvent; }

 private:
  struct ColumnProfile {
    std::vector<int> order;
    std::vector<bool> visible;  // by column id
    std::vector<int> width;     // by column id
  };

  int m_gridId = 0;
  bool m_bKeyboardEvent = false;
  bool m_bGridLines = true;
  int m_nColumnProfileRequests = 0;
  int m_nFitToSizeRequests = 0;
  int m_nGridPropertiesRequests = 0;
  std::map<int, MULTIPLEFILTER_PARAM> m_filters;
  std::uint64_t m_filterRevision = 0;
  std::map<int, std::vector<std::string>> m_refFilterValues;
  std::map<std::string, ColumnProfile, std::less<>> m_profiles;
};
