#pragma once
// The columns of a grid: their fixed ids, header texts, widths, value types, alignment, visibility,
// display order, header sort marks and filter buttons. Every change is reported to the owning grid
// through the change sink, whether it came through the grid or through GetColumnsInfo().
#include "host/platform/GridChange.h"
#include "host/platform/GridColumn.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::platform {

class GridColumnsInfo final {
 public:
  using ChangeSink = std::function<void(GridChange)>;

  void SetChangeSink(ChangeSink sink) { m_sink = std::move(sink); }

  // Appends a column. Ids are positions at creation, so `id` must be the current count (or -1 for
  // "next"). The description starts equal to the name. Returns the new id, or -1 when refused.
  int InsertColumn(int id, std::string_view name, int width = 80, int valueType = GVT_TEXT);
  void DeleteAllColumns();

  // All columns (the id range) by default; visible ones only when includeHidden is false.
  int GetColumnCount(bool includeHidden = true) const;
  bool IsValidColumn(int col) const { return col >= 0 && col < static_cast<int>(m_columns.size()); }
  // Null for an unknown id.
  const GridColumn* GetColumn(int col) const;

  // Getters answer a neutral value for an unknown id (empty text, 0, false); setters return false.
  const std::string& GetColumnName(int col) const;
  bool SetColumnName(int col, std::string_view name);
  const std::string& GetColumnDescription(int col) const;
  bool SetColumnDescription(int col, std::string_view text);
  int GetColumnWidth(int col) const;
  bool SetColumnWidth(int col, int width);  // negative widths become 0
  int GetColumnDataType(int col) const;
  bool SetColumnDataType(int col, int valueType);
  int GetColumnAlign(int col) const;
  bool SetColumnAlign(int col, int align);
  bool GetColumnVisible(int col) const;
  bool SetColumnVisible(int col, bool visible);
  bool IsColumnFilterButton(int col) const;
  bool EnableColumnFilterButton(int col, bool enable);

  // Display order covers every column, hidden ones included (they keep their place while hidden).
  // SetColumnOrderArray puts the listed ids first, in the given order; columns not listed follow in
  // their previous relative order. Refused (false, nothing changed) when an id is unknown or repeated.
  bool SetColumnOrderArray(const std::vector<int>& ids);
  const std::vector<int>& GetColumnOrderArray() const { return m_order; }
  int OrderToIndex(int position) const;  // display position -> id, -1 when out of range
  int IndexToOrder(int col) const;       // id -> display position, -1 for an unknown id
  int GetFirstVisibleColumn() const;     // in display order, -1 when none
  int GetLastVisibleColumn() const;
  // Column under a horizontal offset measured in unscaled pixels from the left edge of the first
  // displayed column (visible columns only); -1 when the offset is outside every column.
  int HitTestColumn(int x) const;

  // Header sort marks: 0 not sorted, 1 ascending, -1 descending.
  int GetColumnState(int col) const;
  // Marks a column; with `multiple` false every other mark goes. A column already marked keeps its
  // place in GetSortColumns(); a new one is appended.
  void SetSortColumn(int col, bool ascending = true, bool multiple = false);
  void RemoveSortColumn(int col);
  void RemoveAllSortColumns();
  // Marked column ids in the order they were first marked.
  const std::vector<int>& GetSortColumns() const { return m_sorted; }

 private:
  GridColumn* Find(int col);
  void Notify(GridChange change) const;

  std::vector<GridColumn> m_columns;  // indexed by id
  std::vector<int> m_order;           // display position -> id
  std::vector<int> m_sorted;
  ChangeSink m_sink;
};

}  // namespace orv::platform
