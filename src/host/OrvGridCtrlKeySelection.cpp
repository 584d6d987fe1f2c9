// The grid base's own answer to the row-moving keys, as the views hand them on.
#include "host/OrvGridCtrl.h"

#include "host/platform/GridSelectMode.h"
#include "host/platform/VirtualKeys.h"

#include <algorithm>

namespace platform = orv::platform;

bool OrvGridCtrl::SetSelectionOnKeyEvents(int vk, bool shift) {
  const int rows = GetVirtualRowCount();
  if (rows <= 0) return false;
  const platform::GridItemID current = GetCurSelItemID();
  const int page = GetPageRows();
  int target = 0;
  int scrollBy = 0;  // rows the view moves with a page key, so the new row keeps its place on screen
  switch (vk) {
    case platform::VK_HOME:
      target = 0;
      break;
    case platform::VK_END:
      target = rows - 1;
      break;
    case platform::VK_PRIOR:
      target = current.IsNull() ? 0 : current.m_nRow - page;
      scrollBy = -page;
      break;
    case platform::VK_NEXT:
      target = current.IsNull() ? 0 : current.m_nRow + page;
      scrollBy = page;
      break;
    default:
      return false;
  }
  target = std::clamp(target, 0, rows - 1);
  const int column = current.m_nColumn >= 0 ? current.m_nColumn : GetFirstVisibleColumn();
  // Keep selecting the way the user did: whole rows stay whole rows.
  const std::uint32_t wholeRow = IsWholeRowSelection() ? platform::SM_ROW : 0;
  const std::uint32_t mode = shift ? platform::SM_EXTEND_SEL_GROUP : platform::kSelSingleItem;
  if (!SetCurSel({target, column}, mode | wholeRow)) return false;
  if (scrollBy != 0) SetScrollPos(SB_VERT, (GetTopVisibleRow() + scrollBy) * GetRowHeight());
  EnsureVisible(target);
  return true;
}
