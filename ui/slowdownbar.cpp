#include "ui/slowdownbar.h"

#include <QKeyEvent>

namespace dryfriction {

SlowdownBar::SlowdownBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void SlowdownBar::keyPressEvent(QKeyEvent* event)
{
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        action = SliderSingleStepSub;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        action = SliderSingleStepAdd;
        break;
    case Qt::Key_Home:
        action = SliderToMinimum;
        break;
    case Qt::Key_End:
        action = SliderToMaximum;
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(action);
    event->accept();
}

}  // namespace dryfriction
