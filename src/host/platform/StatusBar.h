#pragma once
// Status bar control: a row of panes, each with a command id, a width, a style and a text.
#include "host/platform/Control.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orv::platform {

inline constexpr unsigned SBPS_NORMAL = 0x0000;
inline constexpr unsigned SBPS_NOBORDERS = 0x0100;
inline constexpr unsigned SBPS_POPOUT = 0x0200;
inline constexpr unsigned SBPS_DISABLED = 0x04000000;
inline constexpr unsigned SBPS_STRETCH = 0x08000000;

class StatusBar final : public Control {
 public:
  struct Pane {
    unsigned id = 0;
    unsigned style = SBPS_NORMAL;
    int width = 0;
    std::string text;
  };

  StatusBar() = default;

  // Replaces all panes by one empty, normal, zero-width pane per id.
  void SetIndicators(std::span<const unsigned> ids);

  int GetCount() const { return static_cast<int>(m_panes.size()); }
  // Index of the first pane with this id; -1 when there is none.
  int CommandToIndex(unsigned id) const;

  // The setters return false (and change nothing) for an index outside the panes; a negative
  // width is taken as 0.
  bool SetPaneInfo(int index, unsigned id, unsigned style, int width);
  bool GetPaneInfo(int index, unsigned& id, unsigned& style, int& width) const;
  bool SetPaneWidth(int index, int width);
  int GetPaneWidth(int index) const;  // -1 for a bad index
  bool SetPaneStyle(int index, unsigned style);
  unsigned GetPaneStyle(int index) const;  // 0 for a bad index
  // With redraw the bar repaints at once (counted by RedrawCount).
  bool SetPaneText(int index, std::string_view text, bool redraw = true);
  std::string GetPaneText(int index) const;  // empty for a bad index

  bool IsVisible() const { return IsWindowVisible(); }

  // Height the owner reserves for the bar when laying out.
  int GetFixedHeight() const { return m_height; }
  void SetFixedHeight(int height) { m_height = height < 0 ? 0 : height; }

  void RedrawWindow() { ++m_redraws; }
  int RedrawCount() const { return m_redraws; }

 private:
  Pane* PaneAt(int index);
  const Pane* PaneAt(int index) const;

  std::vector<Pane> m_panes;
  int m_height = 20;
  int m_redraws = 0;
};

}  // namespace orv::platform
