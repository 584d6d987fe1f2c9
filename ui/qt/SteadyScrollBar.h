#pragma once
// A scroll bar that repaints only when it would look different. A million-row grid under live
// flow changes its range and value many times a second by amounts far below a pixel of the
// handle; Qt's own bar repaints itself, and the dock behind it, every time.
#include <QRect>
#include <QScrollBar>

#include <cstdint>

namespace orv::ui {

class SteadyScrollBar final : public QScrollBar {
 public:
  SteadyScrollBar(Qt::Orientation orientation, QWidget* parent);

  // Paints so far (for tests).
  std::uint64_t PaintCount() const { return m_paints; }

 protected:
  void sliderChange(SliderChange change) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // What a paint shows: the handle's place and which ends it touches.
  struct Look {
    QRect handle;
    bool atMinimum = false;
    bool atMaximum = false;
    bool scrollable = false;
    bool operator==(const Look&) const = default;
  };
  Look CurrentLook() const;

  Look m_shown;
  bool m_bShown = false;  // m_shown is what the screen has
  std::uint64_t m_paints = 0;
};

}  // namespace orv::ui
