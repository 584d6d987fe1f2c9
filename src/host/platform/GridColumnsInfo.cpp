#include "host/platform/GridColumnsInfo.h"

#include <algorithm>

namespace orv::platform {

namespace {
const std::string kNoText;
}  // namespace

int GridColumnsInfo::InsertColumn(int id, std::string_view name, int width, int valueType) {
  const int next = static_cast<int>(m_columns.size());
  if (id != -1 && id != next) return -1;
  GridColumn column;
  column.id = next;
  column.name.assign(name);
  column.description.assign(name);
  column.width = std::max(0, width);
  column.valueType = valueType;
  m_columns.push_back(std::move(column));
  m_order.push_back(next);
  Notify(GridChange::Columns);
  return next;
}

void GridColumnsInfo::DeleteAllColumns() {
  if (m_columns.empty()) return;
  const bool hadMarks = !m_sorted.empty();
  m_columns.clear();
  m_order.clear();
  m_sorted.clear();
  if (hadMarks) Notify(GridChange::SortMarks);
  Notify(GridChange::Columns);
}

int GridColumnsInfo::GetColumnCount(bool includeHidden) const {
  if (includeHidden) return static_cast<int>(m_columns.size());
  return static_cast<int>(std::count_if(m_columns.begin(), m_columns.end(),
                                        [](const GridColumn& c) { return c.visible; }));
}

const GridColumn* GridColumnsInfo::GetColumn(int col) const {
  return IsValidColumn(col) ? &m_columns[static_cast<std::size_t>(col)] : nullptr;
}

GridColumn* GridColumnsInfo::Find(int col) {
  return IsValidColumn(col) ? &m_columns[static_cast<std::size_t>(col)] : nullptr;
}

void GridColumnsInfo::Notify(GridChange change) const {
  if (m_sink) m_sink(change);
}

const std::string& GridColumnsInfo::GetColumnName(int col) const {
  const GridColumn* c = GetColumn(col);
  return c != nullptr ? c->name : kNoText;
}

bool GridColumnsInfo::SetColumnName(int col, std::string_view name) {
  GridColumn* c = Find(col);
  if (c == nullptr) return false;
  c->name.assign(name);
  Notify(GridChange::Columns);
  return true;
}

const std::string& GridColumnsInfo::GetColumnDescription(int col) const {
  const GridColumn* c = GetColumn(col);
  return c != nullptr ? c->description : kNoText;
}

bool GridColumnsInfo::SetColumnDescription(int col, std::string_view text) {
  GridColumn* c = Find(col);
  if (c == nullptr) return false;
  c->description.assign(text);
  Notify(GridChange::Columns);
  return true;
}

int GridColumnsInfo::GetColumnWidth(int col) const {
  const GridColumn* c = GetColumn(col);
  return c != nullptr ? c->width : 0;
}

bool GridColumnsInfo::SetColumnWidth(int col, int width) {
  GridColumn* c = Find(col);
  if (c == nullptr) return false;
  c->width = std::max(0, width);
  Notify(GridChange::Columns);
  return true;
}

int GridColumnsInfo::GetColumnDataType(int col) const {
  const GridColumn* c = GetColumn(col);
  return c != nullptr ? c->valueType : GVT_TEXT;
}

bool GridColumnsInfo::SetColumnDataType(int col, int valueType) {
  GridColumn* c = Find(col);
  if (c == nullptr) return false;
  c->valueType = valueType;
  return true;
}

int GridColumnsInfo::GetColumnAlign(int col) const {
  const GridColumn* c = GetColumn(col);
  return c != nullptr ? c->align : kAlignLeft;
}

bool GridColumnsInfo::SetColumnAlign(int col, int align) {
  GridColumn* c = Find(col);
  if (c == nullptr) return false;
  c->align = align;
  Notify(GridChange::Columns);
  return true;
}

bool GridColumnsInfo::GetColumnVisible(int col) const {
  const GridColumn* c = GetColumn(col);
  return c != nullptr && c->visible;
}

bool GridColumnsInfo::SetColumnVisible(int col, bool visible) {
  GridColumn* c = Find(col);
  if (c == nullptr) return false;
  if (c->visible != visible) {
    c->visible = visible;
    Notify(GridChange::Columns);
  }
  return true;
}

bool GridColumnsInfo::IsColumnFilterButton(int col) const {
  const GridColumn* c = GetColumn(col);
  return c != nullptr && c->filterButton;
}

bool GridColumnsInfo::EnableColumnFilterButton(int col, bool enable) {
  GridColumn* c = Find(col);
  if (c == nullptr) return false;
  if (c->filterButton != enable) {
    c->filterButton = enable;
    Notify(GridChange::Layout);
  }
  return true;
}

bool GridColumnsInfo::SetColumnOrderArray(const std::vector<int>& ids) {
  std::vector<char> listed(m_columns.size(), 0);
  for (int id : ids) {
    if (!IsValidColumn(id) || listed[static_cast<std::size_t>(id)] != 0) return false;
    listed[static_cast<std::size_t>(id)] = 1;
  }
  std::vector<int> order(ids);
  for (int id : m_order) {
    if (listed[static_cast<std::size_t>(id)] == 0) order.push_back(id);
  }
  if (order != m_order) {
    m_order = std::move(order);
    Notify(GridChange::Columns);
  }
  return true;
}

int GridColumnsInfo::OrderToIndex(int position) const {
  if (position < 0 || position >= static_cast<int>(m_order.size())) return -1;
  return m_order[static_cast<std::size_t>(position)];
}

int GridColumnsInfo::IndexToOrder(int col) const {
  if (!IsValidColumn(col)) return -1;
  const auto it = std::find(m_order.begin(), m_order.end(), col);
  return static_cast<int>(it - m_order.begin());
}

int GridColumnsInfo::GetFirstVisibleColumn() const {
  for (int id : m_order) {
    if (m_columns[static_cast<std::size_t>(id)].visible) return id;
  }
  return -1;
}

int GridColumnsInfo::GetLastVisibleColumn() const {
  for (auto it = m_order.rbegin(); it != m_order.rend(); ++it) {
    if (m_columns[static_cast<std::size_t>(*it)].visible) return *it;
  }
  return -1;
}

int GridColumnsInfo::HitTestColumn(int x) const {
  if (x < 0) return -1;
  int left = 0;
  for (int id : m_order) {
    const GridColumn& c = m_columns[static_cast<std::size_t>(id)];
    if (!c.visible) continue;
    if (x < left + c.width) return id;
    left += c.width;
  }
  return -1;
}

int GridColumnsInfo::GetColumnState(int col) const {
  const GridColumn* c = GetColumn(col);
  return c != nullptr ? c->sortState : 0;
}

void GridColumnsInfo::SetSortColumn(int col, bool ascending, bool multiple) {
  GridColumn* target = Find(col);
  if (target == nullptr) return;
  if (!multiple) {
    for (int id : m_sorted) {
      if (id != col) m_columns[static_cast<std::size_t>(id)].sortState = 0;
    }
    std::erase_if(m_sorted, [col](int id) { return id != col; });
  }
  if (target->sortState == 0) m_sorted.push_back(col);
  target->sortState = ascending ? 1 : -1;
  Notify(GridChange::SortMarks);
}

void GridColumnsInfo::RemoveSortColumn(int col) {
  GridColumn* target = Find(col);
  if (target == nullptr || target->sortState == 0) return;
  target->sortState = 0;
  std::erase(m_sorted, col);
  Notify(GridChange::SortMarks);
}

void GridColumnsInfo::RemoveAllSortColumns() {
  if (m_sorted.empty()) return;
  for (int id : m_sorted) m_columns[static_cast<std::size_t>(id)].sortState = 0;
  m_sorted.clear();
  Notify(GridChange::SortMarks);
}

}  // namespace orv::platform
