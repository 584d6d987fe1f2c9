#pragma once
// A row object of a non-virtual grid, as the host's older row-filling path hands it to the window:
// one item per column id, each holding a cell value. The order-book views never use it for their
// own rows (those are virtual); only the legacy formatting entry points write into it.
#include "host/platform/CellValue.h"

#include <concepts>
#include <string_view>
#include <vector>

class CBCGPGridItem final {
 public:
  void SetValue(const orv::platform::CellValue& value) { m_value = value; }
  void SetValue(std::string_view text) { m_value.SetText(text); }
  void SetValue(const char* text) { m_value.SetText(text ? std::string_view(text) : std::string_view()); }
  void SetValue(double value) { m_value.SetDouble(value); }
  template <std::integral T>
  void SetValue(T value) {
    m_value.SetInteger(static_cast<long long>(value));
  }
  const orv::platform::CellValue& GetValue() const { return m_value; }

 private:
  orv::platform::CellValue m_value;
};

class CBCGPGridRow final {
 public:
  // A row with `columnCount` empty items (negative counts as 0).
  explicit CBCGPGridRow(int columnCount = 0);

  int GetItemCount() const { return static_cast<int>(m_items.size()); }
  // The item of a column id; null outside 0..count-1.
  CBCGPGridItem* GetItem(int column);
  const CBCGPGridItem* GetItem(int column) const;

 private:
  std::vector<CBCGPGridItem> m_items;
};
