#pragma once
// Labels whose text changes many times a second (status bar totals, counters). A label of free
// size asks its bar for a new layout at every text; this one keeps a fixed size that only grows,
// so the bar is laid out again only when a text no longer fits.
#include <QLabel>

#include <algorithm>

namespace orv::ui {

inline void SetSteadyText(QLabel& label, const QString& text) {
  label.setText(text);
  const QSize hint = label.sizeHint();
  const bool fixed = label.minimumWidth() == label.maximumWidth() && label.minimumHeight() == label.maximumHeight();
  if (!fixed || hint.width() > label.maximumWidth() || hint.height() != label.maximumHeight())
    label.setFixedSize(std::max(hint.width(), label.minimumWidth()), hint.height());
}

}  // namespace orv::ui
