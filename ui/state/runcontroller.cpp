#include "ui/state/runcontroller.h"

#include "ui/platform/services.h"

#include <QPointer>

#include <algorithm>

namespace dryfriction {

RunController::RunController(PacingClock& clock, QObject* parent) : QObject(parent), m_clock(clock)
{
}

void RunController::setSlowdown(int slowdown)
{
    m_slowdown = slowdown;
}

void RunController::start(const ProblemParameters& p, const MotionCharacteristics& c)
{
    if (isUnderWay())
        return;
    m_record = std::make_shared<RunRecord>(p, c);
    m_stopped = false;
    setState(State::Running);
    step();
}

void RunController::pause()
{
    if (m_state != State::Running)
        return;
    m_clock.stop();
    setState(State::Paused);
}

// Going on from the moment shown, which the user may have moved: the next
// sample comes after a pause, as it would have.
void RunController::resume()
{
    if (m_state != State::Paused)
        return;
    setState(State::Running);
    waitForNext();
}

void RunController::stop()
{
    if (!isUnderWay())
        return;
    m_clock.stop();
    m_stopped = true;
    setState(State::Ended);
}

void RunController::scrub(std::size_t count)
{
    if (m_state != State::Paused && m_state != State::Ended)
        return;
    show(count);
}

void RunController::forget()
{
    m_clock.stop();
    m_record.reset();
    m_stopped = false;
    setState(State::Idle);
}

double RunController::loadTime(double fraction) const
{
    if (!m_record)
        return 0;
    const std::size_t shown = m_record->shown();
    const double from = m_record->sample(shown).t;
    if (m_state != State::Running || shown >= m_record->sampleCount())
        return from;
    const double to = m_record->sample(shown + 1).t;
    return from + std::clamp(fraction, 0.0, 1.0) * (to - from);
}

void RunController::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void RunController::show(std::size_t count)
{
    const std::size_t previous = m_record->shown();
    m_record->setShown(count);
    if (m_record->shown() != previous)
        emit momentChanged(previous, m_record->shown());
}

// The next sample, or, once the load has come to rest for good, the whole
// flat rest of the run at once; then the pause after it. The pause after the
// last sample ends the run.
void RunController::step()
{
    const std::size_t next = m_record->shown() + 1;
    show(next >= m_record->pacedCount() ? m_record->sampleCount() : next);
    waitForNext();
}

void RunController::waitForNext()
{
    // The clock may outlive the run's owner; a tick for a controller gone does nothing.
    m_clock.start(pauseMs(), [self = QPointer<RunController>(this)] {
        if (!self || self->m_state != State::Running)
            return;
        if (self->m_record->shown() < self->m_record->sampleCount()) {
            self->step();
            return;
        }
        self->setState(State::Ended);
    });
}

}  // namespace dryfriction
