#include "ui/qt/ShownCells.h"

#include "ui/qt/GridTableModel.h"

#include <algorithm>

namespace orv::ui {

namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ULL;
constexpr std::uint64_t kFnvPrime = 1099511628211ULL;

std::uint64_t Mix(std::uint64_t hash, std::uint64_t value) {
  for (int i = 0; i < 8; ++i) {
    hash ^= (value >> (8 * i)) & 0xFF;
    hash *= kFnvPrime;
  }
  return hash;
}

std::uint64_t MixText(std::uint64_t hash, const std::string& text) {
  for (unsigned char c : text) {
    hash ^= c;
    hash *= kFnvPrime;
  }
  return Mix(hash, text.size());  // "ab"+"c" and "a"+"bc" differ
}

}  // namespace

std::uint64_t ShownCells::Fingerprint(const GridTableModel& model, const ShownArea& area) {
  orv::platform::GridCtrlModel& grid = model.Grid();
  const int rowCount = model.rowCount();
  // Not the row count itself: rows coming and going below the viewport only move the scroll bar.
  const int firstRow = std::max(0, area.firstRow);
  const int lastRow = std::min(rowCount, area.firstRow + area.rows);
  std::uint64_t hash = kFnvOffset;
  hash = Mix(hash, static_cast<std::uint32_t>(firstRow));
  hash = Mix(hash, static_cast<std::uint32_t>(std::max(0, lastRow - firstRow)));
  hash = Mix(hash, static_cast<std::uint32_t>(area.firstColumn));
  hash = Mix(hash, static_cast<std::uint32_t>(area.lastColumn));
  for (int row = firstRow; row < lastRow; ++row) {
    for (int column = std::max(0, area.firstColumn); column <= area.lastColumn; ++column) {
      const int id = model.ColumnId(column);
      if (id < 0) continue;
      const orv::platform::DispInfo& cell = grid.RequestCell(row, id);
      cell.value.ToText(m_text);
      hash = MixText(hash, m_text);
      hash = Mix(hash, cell.HasTextColor() ? (std::uint64_t{1} << 32) | cell.clrText : 0);
    }
  }
  return hash;
}

bool ShownCells::Changed(const GridTableModel& model, const ShownArea& area) {
  const std::uint64_t now = Fingerprint(model, area);
  if (m_known && now == m_last) return false;
  m_last = now;
  m_known = true;
  return true;
}

}  // namespace orv::ui
