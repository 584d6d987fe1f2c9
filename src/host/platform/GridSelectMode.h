#pragma once
// Mode bits of GridCtrlModel::SetCurSel. A call is decoded in this order:
//   1. row < 0: the selection and the current item are cleared (no mode bit matters);
//   2. SM_ADD_SEL_GROUP: a new group starting at the item is added, existing groups stay
//      (SM_SINGLE_SEL_GROUP is then ignored);
//   3. SM_SINGLE_SEL_GROUP: every group is replaced by one new group at the item;
//   4. SM_EXTEND_SEL_GROUP: the last group is stretched from its first item to this item
//      (with no group yet, a new group starts at the item);
//   5. none of the three: the selection stays; with SM_SET_ACTIVE_ITEM only the current item moves.
// Every call that selects (2 to 4) also makes the item current, as a click or Shift+click does.
// SM_ROW selects whole rows: the group spans every column and the whole-row state is set; without
// it the group spans the columns between its first item and this one (a column of -1 means the
// whole row, too).
#include <cstdint>

namespace orv::platform {

inline constexpr std::uint32_t SM_NONE = 0;
inline constexpr std::uint32_t SM_ROW = 2;
inline constexpr std::uint32_t SM_SINGLE_SEL_GROUP = 32;
inline constexpr std::uint32_t SM_EXTEND_SEL_GROUP = 64;
inline constexpr std::uint32_t SM_SET_ACTIVE_ITEM = 128;
inline constexpr std::uint32_t SM_ADD_SEL_GROUP = 512;

// The combinations the views use.
inline constexpr std::uint32_t kSelSingleItem = SM_SET_ACTIVE_ITEM | SM_SINGLE_SEL_GROUP;  // 160
inline constexpr std::uint32_t kSelRangeStart = SM_ADD_SEL_GROUP | SM_SINGLE_SEL_GROUP;    // 544
inline constexpr std::uint32_t kSelRangeEnd = SM_EXTEND_SEL_GROUP;                         // 64
inline constexpr std::uint32_t kSelSingleRow = kSelSingleItem | SM_ROW;                    // 162
inline constexpr std::uint32_t kSelRowRangeStart = kSelRangeStart | SM_ROW;                // 546
inline constexpr std::uint32_t kSelRowRangeEnd = kSelRangeEnd | SM_ROW;                    // 66

}  // namespace orv::platform
