#include "pacing.h"

#include <algorithm>
#include <utility>

namespace dryfriction {

TimerPacingClock::TimerPacingClock(QObject* parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TimerPacingClock::fire);
}

void TimerPacingClock::start(int ms, std::function<void()> tick)
{
    m_tick = std::move(tick);
    m_timer.start(std::max(ms, 0));
}

void TimerPacingClock::stop()
{
    m_timer.stop();
    m_tick = nullptr;
}

bool TimerPacingClock::isActive() const
{
    return m_timer.isActive();
}

// The callback is moved out first: it usually re-arms the clock with a new one.
void TimerPacingClock::fire()
{
    auto tick = std::exchange(m_tick, nullptr);
    if (tick)
        tick();
}

}  // namespace dryfriction
