#pragma once
// The host's static splitter: a fixed grid of rows and columns, each cell holding one pane window.
// Rows are stacked from the top with their current heights, the last row taking what is left;
// columns share the width the same way. There are no splitter bars between the panes.
#include "host/WindowRect.h"
#include "host/platform/Window.h"

#include <vector>

class CustomSplitterControl final : public orv::platform::Window {
 public:
  // The id the first pane takes; pane (row, col) has kFirstPaneId + 16 * row + col.
  static constexpr unsigned kFirstPaneId = 59648;

  CustomSplitterControl() = default;

  // Creates the splitter as a visible child of `parent`. Fails (changing nothing) for a missing or
  // uncreated parent, counts outside 1..16, or a splitter that already exists.
  bool CreateStatic(orv::platform::Window* parent, int rows, int cols, unsigned id = kFirstPaneId);
  unsigned GetDlgCtrlID() const { return m_id; }
  int GetRowCount() const { return static_cast<int>(m_rows.size()); }
  int GetColumnCount() const { return static_cast<int>(m_cols.size()); }

  // Creates `pane` as a child of the splitter in cell (row, col), with the size it asks for; that
  // size becomes the row's ideal height and the column's ideal width. False for a bad cell, a cell
  // that already holds a pane, or a pane that cannot be created (one that exists already).
  bool CreateView(int row, int col, orv::platform::Window& pane, int cx, int cy);
  orv::platform::Window* GetPane(int row, int col) const;
  // The id of a cell's pane (0 for a bad cell).
  unsigned IdFromRowCol(int row, int col) const;
  // The size a cell's pane was created with (zero for a bad or empty cell).
  int GetPaneCreationHeight(int row, int col) const;

  // Ideal and minimum heights of a row; they take effect at the next RecalcLayout. Negative values
  // count as 0. False for a bad row.
  bool SetRowInfo(int row, int cyIdeal, int cyMin);
  bool GetRowInfo(int row, int& cyCur, int& cyMin) const;
  int GetRowIdealHeight(int row) const;

  // Positions every pane from the splitter's rectangle and the ideal sizes.
  void RecalcLayout();
  int RecalcCount() const { return m_nRecalcs; }

  // The splitter moved or resized by its owner; lays the panes out again.
  void SetWindowPos(const WindowRect& rect);
  const WindowRect& GetWindowRect() const { return m_rect; }

  // A pane's rectangle in the splitter; its owner may move a pane itself (until the next layout).
  WindowRect GetPaneRect(int row, int col) const;
  bool SetPaneRect(int row, int col, const WindowRect& rect);

 private:
  struct Track {
    int ideal = 0;
    int minimum = 0;
    int current = 0;
  };
  struct Cell {
    orv::platform::Window* pane = nullptr;
    int creationHeight = 0;
    WindowRect rect;
  };

  bool IsCell(int row, int col) const { return row >= 0 && row < GetRowCount() && col >= 0 && col < GetColumnCount(); }
  Cell& CellAt(int row, int col) { return m_cells[static_cast<std::size_t>(row * GetColumnCount() + col)]; }
  const Cell& CellAt(int row, int col) const {
    return m_cells[static_cast<std::size_t>(row * GetColumnCount() + col)];
  }
  static void Distribute(std::vector<Track>& tracks, int available);

  unsigned m_id = 0;
  std::vector<Track> m_rows;
  std::vector<Track> m_cols;
  std::vector<Cell> m_cells;
  WindowRect m_rect;
  int m_nRecalcs = 0;
};
