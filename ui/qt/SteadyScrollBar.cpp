#include "ui/qt/SteadyScrollBar.h"

#include <QStyle>
#include <QStyleOptionSlider>

namespace orv::ui {

SteadyScrollBar::SteadyScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {}

SteadyScrollBar::Drawn SteadyScrollBar::Current() const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  Drawn drawn;
  drawn.slider = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
  drawn.atMinimum = option.sliderValue == option.minimum;
  drawn.atMaximum = option.sliderValue == option.maximum;
  drawn.enabled = isEnabled() && option.minimum != option.maximum;
  return drawn;
}

void SteadyScrollBar::sliderChange(SliderChange change) {
  // An orientation change lays the bar out anew; range and value changes are the frequent ones.
  if (change != SliderOrientationChange && m_drawn) {
    ++m_changes;
    if (Current() == m_drawn) {
      ++m_skipped;
      return;
    }
  }
  QScrollBar::sliderChange(change);
}

void SteadyScrollBar::paintEvent(QPaintEvent* event) {
  QScrollBar::paintEvent(event);
  m_drawn = Current();
}

}  // namespace orv::ui
