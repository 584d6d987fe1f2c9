#include "ui/qt/CompletionPopup.h"

#include "host/CustomAutoCompleteEdit.h"

#include <algorithm>

namespace orv::ui {

CompletionPopup::CompletionPopup(CustomAutoCompleteEdit& model, QWidget& anchor, std::function<void()> picked)
    : QListWidget(nullptr), m_model(model), m_anchor(anchor), m_picked(std::move(picked)) {
  // A tool window never takes the focus, so the user keeps typing into the edit.
  setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  setObjectName(QStringLiteral("completionPopup"));
  connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (m_model.PickEntry(row(item)) && m_picked) m_picked();
  });
}

void CompletionPopup::Follow() {
  if (!m_model.IsDroppedDown() || !m_anchor.isVisible()) {
    hide();
    return;
  }
  QStringList entries;
  for (const std::string& entry : m_model.DroppedList()) entries << QString::fromStdString(entry);
  bool same = count() == entries.size();
  for (int i = 0; same && i < count(); ++i) same = item(i)->text() == entries[i];
  if (!same) {
    clear();
    addItems(entries);
  }
  setCurrentRow(m_model.GetSelItem());
  const int rows = std::min(static_cast<int>(entries.size()), 10);
  const int height = std::max(rows, 1) * std::max(sizeHintForRow(0), 16) + 2 * frameWidth();
  resize(std::max(m_anchor.width(), 120), height);
  move(m_anchor.mapToGlobal(QPoint(0, m_anchor.height())));
  show();
  raise();
}

bool CompletionPopup::Step(int step) {
  if (!m_model.IsDroppedDown()) return false;
  const int last = static_cast<int>(m_model.DroppedList().size()) - 1;
  const int next = std::clamp(m_model.GetSelItem() + step, 0, last);
  m_model.Highlight(next);
  Follow();
  return true;
}

}  // namespace orv::ui
