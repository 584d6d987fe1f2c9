#include "host/GridRow.h"

CBCGPGridRow::CBCGPGridRow(int columnCount) : m_items(columnCount > 0 ? static_cast<std::size_t>(columnCount) : 0) {}

CBCGPGridItem* CBCGPGridRow::GetItem(int column) {
  return column >= 0 && column < GetItemCount() ? &m_items[static_cast<std::size_t>(column)] : nullptr;
}

const CBCGPGridItem* CBCGPGridRow::GetItem(int column) const {
  return column >= 0 && column < GetItemCount() ? &m_items[static_cast<std::size_t>(column)] : nullptr;
}
