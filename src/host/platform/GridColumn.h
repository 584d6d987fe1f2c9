#pragma once
// One grid column as the columns info keeps it. The id is the column's position at creation and
// never changes; display order, visibility and width are what users change.
#include <string>

namespace orv::platform {

// Value types of a column (the host's numbering): sorting compares 1 to 4 as numbers.
enum GridValueType : int {
  GVT_TEXT = 0,
  GVT_NUMBER = 1,
  GVT_WHOLE_NUMBER = 2,
  GVT_PRICE = 3,
  GVT_DECIMAL = 4,
  GVT_DATETIME = 5,
};

// Header alignment values (left is the default).
inline constexpr int kAlignLeft = 0;
inline constexpr int kAlignRight = 1;
inline constexpr int kAlignCenter = 2;

struct GridColumn {
  int id = -1;
  std::string name;
  std::string description;  // second header text; the name unless set apart
  int width = 80;
  int valueType = GVT_TEXT;
  int align = kAlignLeft;
  bool visible = true;
  int sortState = 0;  // 0 not sorted, 1 ascending, -1 descending
  bool filterButton = false;
};

}  // namespace orv::platform
