#include "host/platform/StatusBar.h"

#include <algorithm>

namespace orv::platform {

void StatusBar::SetIndicators(std::span<const unsigned> ids) {
  m_panes.clear();
  m_panes.reserve(ids.size());
  for (const unsigned id : ids) m_panes.push_back(Pane{id, SBPS_NORMAL, 0, {}});
}

int StatusBar::CommandToIndex(unsigned id) const {
  const auto it = std::find_if(m_panes.begin(), m_panes.end(), [id](const Pane& p) { return p.id == id; });
  return it == m_panes.end() ? -1 : static_cast<int>(it - m_panes.begin());
}

StatusBar::Pane* StatusBar::PaneAt(int index) {
  return index >= 0 && index < GetCount() ? &m_panes[static_cast<std::size_t>(index)] : nullptr;
}

const StatusBar::Pane* StatusBar::PaneAt(int index) const {
  return index >= 0 && index < GetCount() ? &m_panes[static_cast<std::size_t>(index)] : nullptr;
}

bool StatusBar::SetPaneInfo(int index, unsigned id, unsigned style, int width) {
  Pane* pane = PaneAt(index);
  if (pane == nullptr) return false;
  pane->id = id;
  pane->style = style;
  pane->width = std::max(width, 0);
  return true;
}

bool StatusBar::GetPaneInfo(int index, unsigned& id, unsigned& style, int& width) const {
  const Pane* pane = PaneAt(index);
  if (pane == nullptr) return false;
  id = pane->id;
  style = pane->style;
  width = pane->width;
  return true;
}

bool StatusBar::SetPaneWidth(int index, int width) {
  Pane* pane = PaneAt(index);
  if (pane == nullptr) return false;
  pane->width = std::max(width, 0);
  return true;
}

int StatusBar::GetPaneWidth(int index) const {
  const Pane* pane = PaneAt(index);
  return pane == nullptr ? -1 : pane->width;
}

bool StatusBar::SetPaneStyle(int index, unsigned style) {
  Pane* pane = PaneAt(index);
  if (pane == nullptr) return false;
  pane->style = style;
  return true;
}

unsigned StatusBar::GetPaneStyle(int index) const {
  const Pane* pane = PaneAt(index);
  return pane == nullptr ? 0U : pane->style;
}

bool StatusBar::SetPaneText(int index, std::string_view text, bool redraw) {
  Pane* pane = PaneAt(index);
  if (pane == nullptr) return false;
  pane->text.assign(text);
  if (redraw) RedrawWindow();
  return true;
}

std::string StatusBar::GetPaneText(int index) const {
  const Pane* pane = PaneAt(index);
  return pane == nullptr ? std::string() : pane->text;
}

}  // namespace orv::platform
