#pragma once
// A scroll bar over a million rows whose range and value change with every refresh, by a few rows
// each time: a change of tens of rows in a million moves its slider by no pixel at all. Qt's bar
// repaints at every change; this one only when what it draws would differ (slider place and
// size, an end reached or left, enabled or not). Hover, press and style changes repaint as in Qt.
#include <QRect>
#include <QScrollBar>

#include <optional>

namespace orv::ui {

class SteadyScrollBar final : public QScrollBar {
 public:
  explicit SteadyScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

  // Repaints asked for by range or value changes, and how many of them were skipped.
  long long Changes() const { return m_changes; }
  long long Skipped() const { return m_skipped; }

 protected:
  void sliderChange(SliderChange change) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Drawn {
    QRect slider;
    bool atMinimum = false;
    bool atMaximum = false;
    bool enabled = false;
    friend bool operator==(const Drawn&, const Drawn&) = default;
  };
  Drawn Current() const;

  std::optional<Drawn> m_drawn;  // as last painted
  long long m_changes = 0;
  long long m_skipped = 0;
};

}  // namespace orv::ui
