#include "ui/state/runcontroller.h"

#include "ui/platform/services.h"

#include <QPointer>

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
    if (m_running)
        return;
    m_running = true;
    m_run.emplace(p, c);
    takeSample();
}

RunResult RunController::stop()
{
    m_clock.stop();
    m_running = false;
    return m_run ? m_run->result() : RunResult{};
}

void RunController::takeSample()
{
    m_run->next();
    emit sampleTaken(m_run->sample());

    // The clock may outlive the run's owner; a tick for a controller gone does nothing.
    m_clock.start(m_slowdown * kPauseStepMs, [self = QPointer<RunController>(this)] {
        if (self)
            self->tick();
    });
}

void RunController::tick()
{
    if (!m_running)
        return;
    if (!m_run->finished()) {
        takeSample();
        return;
    }
    m_running = false;
    emit finished(m_run->result());
}

}  // namespace dryfriction
