#include "ui/qt/SteadyScrollBar.h"

#include <QStyle>
#include <QStyleOptionSlider>

namespace orv::ui {

SteadyScrollBar::SteadyScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {}

SteadyScrollBar::Look SteadyScrollBar::CurrentLook() const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  Look look;
  look.handle = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
  look.atMinimum = value() == minimum();
  look.atMaximum = value() == maximum();
  look.scrollable = maximum() > minimum();
  return look;
}

void SteadyScrollBar::sliderChange(SliderChange change) {
  // The signals (valueChanged, rangeChanged) have gone out already; only the repaint is spared.
  const bool quiet = change == SliderRangeChange || change == SliderValueChange || change == SliderStepsChange;
  if (quiet && m_bShown && isVisible() && CurrentLook() == m_shown) return;
  QScrollBar::sliderChange(change);
}

void SteadyScrollBar::paintEvent(QPaintEvent* event) {
  ++m_paints;
  m_shown = CurrentLook();
  m_bShown = true;
  QScrollBar::paintEvent(event);
}

}  // namespace orv::ui
