#include "ui/parts/timescrubber.h"

#include <QKeyEvent>

namespace dryfriction {

TimeScrubber::TimeScrubber(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setRange(0, 0);
    setSingleStep(1);
    setEnabled(false);
}

void TimeScrubber::setStops(StopFinder previousStop, StopFinder nextStop)
{
    m_previousStop = std::move(previousStop);
    m_nextStop = std::move(nextStop);
}

// The keys move the moment the way time runs, left to right, whatever the
// layout direction; a stop is reached as a drag reaches a moment.
void TimeScrubber::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        triggerAction(SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        triggerAction(SliderSingleStepAdd);
        break;
    case Qt::Key_Home:
        triggerAction(SliderToMinimum);
        break;
    case Qt::Key_End:
        triggerAction(SliderToMaximum);
        break;
    case Qt::Key_PageUp:
        if (m_previousStop)
            setSliderPosition(m_previousStop(value()));
        break;
    case Qt::Key_PageDown:
        if (m_nextStop)
            setSliderPosition(m_nextStop(value()));
        break;
    default:
        QSlider::keyPressEvent(event);
        return;
    }
    event->accept();
}

}  // namespace dryfriction
