#pragma once
// Labels whose text changes many times a second (status bar totals, counters). A label of free
// size asks its bar for a new layout at every text; this one keeps a fixed size that only grows,
// so the bar is laid out again only when a text no longer fits. Its size is measured again only
// for a text longer than any it has shown (the texts are mostly digits, all of one width), with
// two digits' room to spare.
#include <QLabel>
#include <QVariant>

#include <algorithm>

namespace orv::ui {

inline void SetSteadyText(QLabel& label, const QString& text) {
  label.setText(text);
  static const char* const kLongest = "orvSteadyLongest";
  const qsizetype longest = label.property(kLongest).isValid() ? label.property(kLongest).toLongLong() : -1;
  if (text.size() <= longest) return;
  label.setProperty(kLongest, static_cast<qlonglong>(text.size()));
  const QSize hint = label.sizeHint();
  const int width = hint.width() + label.fontMetrics().horizontalAdvance(QStringLiteral("00"));
  if (width > label.maximumWidth() || label.minimumWidth() != label.maximumWidth() ||
      hint.height() != label.maximumHeight())
    label.setFixedSize(std::max(width, label.minimumWidth()), hint.height());
}

}  // namespace orv::ui
